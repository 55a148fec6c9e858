#!/usr/bin/env bash
# Builds FolderSweep and starts it on the desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target foldersweep
exec build/linux/foldersweep
