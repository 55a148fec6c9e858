#!/usr/bin/env bash
# Builds FolderSweep and runs every test: the core against real temporary folders, and the
# Qt window offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux
QT_QPA_PLATFORM=offscreen ctest --preset linux "$@"
