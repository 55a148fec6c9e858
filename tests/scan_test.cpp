#include <gtest/gtest.h>

#include <filesystem>

#include "cleaning/cleaning.h"
#include "cleaning/run.h"
#include "cleaning_helpers.h"

namespace sweep {
namespace {

using enum Control;
using namespace sweep::testing;
namespace fs = std::filesystem;

constexpr Control kList = 结果_文件列表;

// A folder with junk of the starting types (Tmp and no suffix) and things that must stay.
class JunkFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.MakeFile("a.tmp", 500);
    folder.MakeFile("B.TMP", 2048);
    folder.MakeFile("README", 1536);
    folder.MakeFile(".hidden.tmp", 0);
    folder.MakeFile("keep.txt", 4096);
    folder.MakeFile("target.txt", 100);
    folder.MakeFolder("x.tmp");
    folder.MakeFolder("real-folder");
    fs::create_symlink(folder.path() / "target.txt", folder.path() / "link.tmp");
    fs::create_directory_symlink(folder.path() / "real-folder", folder.path() / "folderlink.tmp");
  }
  TempFolder folder;
  MainWindow window;
};

TEST_F(JunkFolder, DirectModeDeletesTheMatchingFilesAndNothingElse) {
  RunOnce(window, folder);

  for (const char* gone : {"a.tmp", "B.TMP", "README", ".hidden.tmp", "link.tmp"})
    EXPECT_FALSE(folder.Exists(gone)) << gone;
  for (const char* kept : {"keep.txt", "target.txt", "x.tmp", "real-folder", "folderlink.tmp"})
    EXPECT_TRUE(folder.Exists(kept)) << kept;
  EXPECT_TRUE(fs::is_directory(folder.path() / "x.tmp"));
  EXPECT_EQ(window.ReadText(结果_已经删除), "5");
  // 500 bytes and the link add 0, 2048 bytes add 2, 1536 bytes add 1.
  EXPECT_EQ(window.ReadText(结果_清理大小), "3");
  EXPECT_EQ(window.ReadText(结果_大小单位), "Kb");
  EXPECT_EQ(window.RowCount(kList), 0);
  // The run's list deletion finds an empty list, which turns the bar's range to 0..0.
  EXPECT_EQ(window.ProgressMax(结果_删除进度), 0);
}

TEST_F(JunkFolder, VisualModeListsTheMatchingFilesWithSuffixAndSize) {
  ListOnce(window, folder);

  const std::string linkSize = FloatToText(Kilobytes(fs::read_symlink(folder.path() / "link.tmp")
                                                          .string()
                                                          .size()));
  const std::map<std::string, Listed> expected{
      {"a.tmp", {"tmp", "0.48828", ""}},   {"B.TMP", {"TMP", "2", ""}},
      {"README", {"DME", "1.5", ""}},      {".hidden.tmp", {"tmp", "0", ""}},
      {"link.tmp", {"tmp", linkSize, ""}},
  };
  const auto rows = ListedRows(window);
  ASSERT_EQ(rows.size(), expected.size());
  for (const auto& [name, want] : expected) {
    ASSERT_TRUE(rows.count(name)) << name << " is not listed";
    EXPECT_EQ(rows.at(name).suffix, want.suffix) << name;
    EXPECT_EQ(rows.at(name).size, want.size) << name;
    EXPECT_EQ(rows.at(name).status, "") << name;
    EXPECT_TRUE(folder.Exists(name)) << name << " must not be deleted by listing";
  }
  EXPECT_EQ(window.ReadText(结果_已经删除), "0");
}

TEST_F(JunkFolder, DeleteAllTakesEveryFileButNoFolder) {
  window.SetChecked(删除方式_全部, true);
  RunOnce(window, folder);

  for (const char* gone : {"a.tmp", "keep.txt", "target.txt", "link.tmp"})
    EXPECT_FALSE(folder.Exists(gone)) << gone;
  for (const char* kept : {"x.tmp", "real-folder", "folderlink.tmp"})
    EXPECT_TRUE(folder.Exists(kept)) << kept;
  EXPECT_EQ(window.ReadText(结果_已经删除), "7");
}

// Names are bytes to the file system: whatever they hold, the file listed is the file
// deleted.
TEST(FolderScan, StrangeNamesAreListedAndDeletedByTheirOwnBytes) {
  const std::string names[] = {"\xFF\xFE.tmp", "new\nline.tmp", " space .tmp", "-dash.tmp",
                               "文件.tmp", "\xE6\x97.tmp", "*?.tmp", "\\back.tmp"};
  TempFolder folder;
  for (const std::string& name : names) folder.MakeFile(name, 10);
  folder.MakeFile("\xFF\xFE.txt", 10);

  MainWindow listing;
  ListOnce(listing, folder);
  const auto rows = ListedRows(listing);
  EXPECT_EQ(rows.size(), std::size(names));
  for (const std::string& name : names) EXPECT_TRUE(rows.count(name)) << name;

  for (const Control mode : {操作方式_直接, 操作方式_可视}) {
    SCOPED_TRACE(Definition(mode).name);
    for (const std::string& name : names) folder.MakeFile(name, 10);
    MainWindow window;
    window.SetChecked(mode, true);
    RunOnce(window, folder);
    for (const std::string& name : names) EXPECT_FALSE(folder.Exists(name)) << name;
    EXPECT_TRUE(folder.Exists("\xFF\xFE.txt"));
    EXPECT_EQ(window.ReadText(结果_已经删除), std::to_string(std::size(names)));
  }
}

TEST(FolderScan, ListsShortNamesWhole) {
  TempFolder folder;
  folder.MakeFile("ab", 1);
  MainWindow window;
  ListOnce(window, folder);
  ASSERT_EQ(window.RowCount(kList), 1);
  EXPECT_EQ(window.GetCell(kList, 0, 1), "ab");
  EXPECT_EQ(window.GetCell(kList, 0, 2), "0.00098");
}

// Sizes of 2 GiB and more are counted with their true size (sparse files: no disk used).
TEST(FolderScan, LargeFilesKeepTheirTrueSize) {
  constexpr std::uintmax_t k3GiB = 3ull << 30;
  TempFolder folder;
  folder.MakeFile("big.tmp", k3GiB);
  MainWindow listing;
  ListOnce(listing, folder);
  EXPECT_EQ(listing.GetCell(kList, 0, 2), "3.14573e+006");

  MainWindow direct;
  RunOnce(direct, folder);
  EXPECT_FALSE(folder.Exists("big.tmp"));
  EXPECT_EQ(direct.ReadText(结果_清理大小), "3");
  EXPECT_EQ(direct.ReadText(结果_大小单位), "Gb");
}

TEST(StartCommand, RefusesAFolderTextThatNamesNoFolder) {
  TempFolder folder;
  folder.MakeFile("a.tmp");
  const std::string refused[] = {"", folder.Text() + "missing/", folder.Text() + "a.tmp"};
  for (const std::string& text : refused) {
    MainWindow window;
    window.WriteText(输入_清理目录, text);
    CleaningRuns runs(window);
    EXPECT_EQ(runs.Start(), CleaningRuns::StartResult::NoFolder) << '"' << text << '"';
    EXPECT_FALSE(runs.Active());
    EXPECT_EQ(window.ReadText(结果_已经删除), "0");
  }
  EXPECT_TRUE(folder.Exists("a.tmp"));
}

// Holding the window's lock keeps the worker from reaching its first file, so the test
// decides what happens while the run is in progress.
TEST(StartCommand, IgnoresStartWhileARunIsInProgress) {
  TempFolder folder;
  folder.MakeFile("a.tmp");
  MainWindow window;
  window.WriteText(输入_清理目录, folder.Text());
  CleaningRuns runs(window);
  {
    auto hold = window.Lock();
    ASSERT_EQ(runs.Start(), CleaningRuns::StartResult::Started);
    EXPECT_TRUE(runs.Active());
    EXPECT_EQ(runs.Start(), CleaningRuns::StartResult::Busy);
  }
  runs.Wait();
  EXPECT_FALSE(runs.Active());
  EXPECT_EQ(window.ReadText(结果_已经删除), "1");
  // Once the run has ended, Start works again.
  EXPECT_EQ(runs.Start(), CleaningRuns::StartResult::Started);
  runs.Wait();
}

TEST(StartCommand, ARunCleansTheFolderItStartedIn) {
  TempFolder first, second;
  first.MakeFile("a.tmp");
  second.MakeFile("a.tmp");
  MainWindow window;
  window.WriteText(输入_清理目录, first.Text());
  CleaningRuns runs(window);
  {
    auto hold = window.Lock();
    ASSERT_EQ(runs.Start(), CleaningRuns::StartResult::Started);
    window.WriteText(输入_清理目录, second.Text());
  }
  runs.Wait();
  EXPECT_FALSE(first.Exists("a.tmp"));
  EXPECT_TRUE(second.Exists("a.tmp"));
}

// The folder is held open, not looked up by its path: renaming it during a run cannot
// send the deletions to whatever takes its place.
TEST(StartCommand, ARenamedFolderCannotRedirectTheRun) {
  TempFolder parent;
  parent.MakeFolder("junk");
  parent.MakeFile("junk/a.tmp");
  MainWindow window;
  window.WriteText(输入_清理目录, (parent.path() / "junk").string() + "/");
  CleaningRuns runs(window);
  {
    auto hold = window.Lock();
    ASSERT_EQ(runs.Start(), CleaningRuns::StartResult::Started);
    fs::rename(parent.path() / "junk", parent.path() / "moved");
    parent.MakeFolder("junk");
    parent.MakeFile("junk/a.tmp");
  }
  runs.Wait();
  EXPECT_FALSE(parent.Exists("moved/a.tmp"));
  EXPECT_TRUE(parent.Exists("junk/a.tmp"));
}

}  // namespace
}  // namespace sweep
