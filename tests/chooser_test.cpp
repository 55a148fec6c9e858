#include <gtest/gtest.h>

#include <optional>

#include "chooser/chooser.h"

namespace sweep {
namespace {

using platform::BrowseMessage;

// Stands in for the folder dialog: shows itself to the callback as a real dialog would
// (initialised, then one selection), and is closed with a chosen path.
class FakeDialog : public platform::FolderDialog, public platform::FolderDialogWindow {
 public:
  Text choice;                   // what the user picks; empty: cancelled
  std::optional<Text> browsed;   // the selection the dialog moves through
  platform::BrowseParameters seen;
  std::optional<Text> preselected, status;

  Text Browse(const platform::BrowseParameters& parameters) override {
    seen = parameters;
    parameters.callback(*this, BrowseMessage::Initialized, nullptr, parameters.data);
    parameters.callback(*this, BrowseMessage::SelectionChanged, browsed ? &*browsed : nullptr,
                        parameters.data);
    return choice;
  }
  void SetSelection(const Text& path) override { preselected = path; }
  void SetStatusText(const Text& text) override { status = text; }
};

TEST(ChooseFolder, WritesTheChosenFolderEndingInTheSeparator) {
  const struct {
    const char* chosen;
    const char* box;
  } cases[] = {
      {"/home/user/junk", "/home/user/junk/"},
      {"/", "/"},
      {"/tmp/already/", "/tmp/already/"},
      {"/data/文件", "/data/文件/"},
  };
  for (const auto& c : cases) {
    MainWindow window;
    FakeDialog dialog;
    dialog.choice = c.chosen;
    ChooseFolder(window, dialog);
    EXPECT_EQ(window.ReadText(Control::输入_清理目录), c.box) << c.chosen;
    EXPECT_EQ(RememberedFolder(), c.chosen);
  }
}

TEST(ChooseFolder, ACancelledDialogLeavesTheFolderBoxAsItWas) {
  MainWindow window;
  window.WriteText(Control::输入_清理目录, "/home/user/junk/");
  FakeDialog dialog;  // closed without a choice
  ChooseFolder(window, dialog);
  EXPECT_EQ(window.ReadText(Control::输入_清理目录), "/home/user/junk/");
  EXPECT_EQ(RememberedFolder(), "");
}

TEST(ChooseFolder, DialogGetsTheTitleAndTheCallbackShowsTheSelection) {
  MainWindow window;
  FakeDialog dialog;
  dialog.browsed = "/var/tmp";
  dialog.choice = "/var/tmp";
  ChooseFolder(window, dialog);
  EXPECT_EQ(dialog.seen.title, "请您选择需要清理的目录!");
  EXPECT_EQ(dialog.seen.data, 0);
  EXPECT_EQ(dialog.preselected, "");  // the button preselects nothing
  EXPECT_EQ(dialog.status, "/var/tmp");
}

TEST(BrowseForFolder, PreselectsTheInitialFolderAndRemembersTheResult) {
  FakeDialog dialog;
  dialog.choice = "/srv/logs";
  EXPECT_EQ(BrowseForFolder(dialog, "title", "/srv"), "/srv/logs");
  EXPECT_EQ(dialog.preselected, "/srv");
  EXPECT_EQ(RememberedFolder(), "/srv/logs");
  // A selection with no path in the file system shows no status text.
  EXPECT_FALSE(dialog.status.has_value());
  ReleaseRememberedFolder();
  EXPECT_EQ(RememberedFolder(), "");
}

}  // namespace
}  // namespace sweep
