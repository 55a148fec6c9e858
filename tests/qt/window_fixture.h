// What the Qt tests share: the program with a stand-in dialog and address opener, driven
// through its real widgets.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QThread>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/folder_dialog.h"
#include "platform/qt/start_up.h"

namespace sweep::testing {

// Stands in for the folder dialog: the user picks `choice` (empty: cancels).
class FixedDialog : public platform::FolderDialog {
 public:
  Text choice;
  Text Browse(const platform::BrowseParameters&) override { return choice; }
};

class WindowTest : public ::testing::Test {
 protected:
  WindowTest()
      : program(MakeDialog(), [this](const Text& address) { opened.push_back(address); }) {}

  std::unique_ptr<platform::FolderDialog> MakeDialog() {
    auto made = std::make_unique<FixedDialog>();
    dialog = made.get();
    return made;
  }

  void ShowAndActivate() {
    program.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.view()));
  }
  template <class T>
  T* Find(Control c) {
    auto* w = qobject_cast<T*>(program.view().Widget(c));
    EXPECT_NE(w, nullptr) << Definition(c).name;
    return w;
  }
  void Click(Control c) { QTest::mouseClick(program.view().Widget(c), Qt::LeftButton); }

  FixedDialog* dialog = nullptr;  // owned by the program
  std::vector<Text> opened;
  Program program;
};

// Lets the window work until the condition holds, or until the time (in milliseconds) is up.
inline bool WaitFor(const std::function<bool()>& condition, int milliseconds = 5000) {
  QDeadlineTimer deadline(milliseconds);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(1);
  }
  return true;
}

// The program in a child process of the tests, closed during a visual run over the
// folder (run_test.cpp).
int CloseDuringAVisualRun(const std::string& folder);

}  // namespace sweep::testing
