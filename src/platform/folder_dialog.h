// The system's folder dialog, as the folder chooser drives it.
#pragma once

#include <cstdint>

#include "text/text.h"

namespace sweep::platform {

// The open dialog, as its callback sees it.
class FolderDialogWindow {
 public:
  virtual ~FolderDialogWindow() = default;
  virtual void SetSelection(const Text& path) = 0;
  // Shows a line of text in the dialog, where it has room for one.
  virtual void SetStatusText(const Text& text) = 0;
};

enum class BrowseMessage { Initialized = 1, SelectionChanged = 2 };

// Called on the dialog's events, on the thread that shows it. selectedPath is the newly
// selected folder's path with SelectionChanged, null when that item has no path in the
// file system (and always null with Initialized). The result is ignored; return 0.
using BrowseCallbackFn = int (*)(FolderDialogWindow& dialog, BrowseMessage message,
                                 const Text* selectedPath, std::intptr_t data);

struct BrowseParameters {
  Text title;
  BrowseCallbackFn callback = nullptr;
  std::intptr_t data = 0;
};

class FolderDialog {
 public:
  virtual ~FolderDialog() = default;
  // Shows the dialog, starting at the top of the folder tree, and returns when the user
  // closes it: the chosen folder's path, or the empty text when the dialog was cancelled
  // or the chosen item has no path in the file system.
  virtual Text Browse(const BrowseParameters& parameters) = 0;
};

}  // namespace sweep::platform
