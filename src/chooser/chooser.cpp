#include "chooser/chooser.h"

namespace sweep {

namespace {
Text gRememberedFolder;

// Looks at the last character, not the last byte: in GBK the second byte of a
// double-byte character can be the backslash.
bool EndsWithSeparator(const Text& path) {
  std::size_t last = 0;
  for (std::size_t i = 0; i < path.size(); i += CharLength(path, i, ProgramCodePage())) last = i;
  return !path.empty() && path.size() - last == 1 && path[last] == platform::kPathSeparator;
}
}  // namespace

const Text& RememberedFolder() { return gRememberedFolder; }

void ReleaseRememberedFolder() { Text().swap(gRememberedFolder); }

void ChooseFolder(MainWindow& window, platform::FolderDialog& dialog) {
  Text path = BrowseForFolder(dialog, platform::TextFromUtf8("请您选择需要清理的目录!"), Text());
  // An empty path means the dialog was cancelled or gave no folder; the separator alone
  // would name the root folder, so the box keeps what it had.
  if (path.empty()) return;
  if (!EndsWithSeparator(path)) path += platform::kPathSeparator;
  window.WriteText(Control::输入_清理目录, path);
}

Text BrowseForFolder(platform::FolderDialog& dialog, const Text& title, const Text& initialFolder) {
  gRememberedFolder = initialFolder;
  const Text path = dialog.Browse({title, &BrowseCallback, 0});
  gRememberedFolder = path;
  return path;
}

int BrowseCallback(platform::FolderDialogWindow& dialogWindow, platform::BrowseMessage message,
                   const Text* selectedPath, std::intptr_t /*data*/) {
  switch (message) {
    case platform::BrowseMessage::Initialized:
      dialogWindow.SetSelection(gRememberedFolder);
      break;
    case platform::BrowseMessage::SelectionChanged:
      if (selectedPath) dialogWindow.SetStatusText(*selectedPath);
      break;
  }
  return 0;
}

}  // namespace sweep
