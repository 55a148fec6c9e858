// Start-up and closing of the Linux program, and the pieces it is made of (tests build the
// same pieces with a stand-in dialog and address opener).
#pragma once

#include <memory>

#include "app/closing.h"
#include "app/main_window.h"
#include "cleaning/run.h"
#include "platform/folder_dialog.h"
#include "platform/qt/main_view.h"

namespace sweep {

class Program {
 public:
  Program(std::unique_ptr<platform::FolderDialog> dialog, AddressOpener opener);
  ~Program();

  MainWindow& window() { return window_; }
  CleaningRuns& runs() { return runs_; }
  MainView& view() { return *view_; }

  // Shows the window centred on the primary screen, the folder box focused.
  void Show();

  // The close query and the end of any run; runs once, however the window goes.
  void Close();

 private:
  MainWindow window_;
  CleaningRuns runs_{window_};
  std::unique_ptr<platform::FolderDialog> dialog_;
  AddressOpener opener_;
  std::unique_ptr<MainView> view_;
  bool closed_ = false;
};

// Opens an address in the desktop's browser.
void OpenInBrowser(const Text& address);

int RunProgram(int argc, char** argv);

}  // namespace sweep
