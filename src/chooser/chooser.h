// The folder chooser: the button that fills the read-only folder box from the system's
// folder dialog. Runs on the window's thread.
#pragma once

#include "app/main_window.h"
#include "platform/folder_dialog.h"

namespace sweep {

// The click on "选择目录": asks for a folder and writes it into the folder box, ending in
// the path separator. A cancelled dialog leaves the box as it was.
void ChooseFolder(MainWindow& window, platform::FolderDialog& dialog);

// Shows the dialog with initialFolder preselected; the chosen path, or the empty text.
Text BrowseForFolder(platform::FolderDialog& dialog, const Text& title, const Text& initialFolder);

int BrowseCallback(platform::FolderDialogWindow& dialogWindow, platform::BrowseMessage message,
                   const Text* selectedPath, std::intptr_t data);

// Carries the folder to preselect into the dialog, and then holds the last path it gave.
const Text& RememberedFolder();
void ReleaseRememberedFolder();

}  // namespace sweep
