// Deleting the listed files: the visual run of one click, the statuses, the progress bar
// and the tally, on real folders.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <map>
#include <vector>

#include "cleaning/cleaning.h"
#include "cleaning/run.h"
#include "cleaning_helpers.h"

namespace sweep {
namespace {

using enum Control;
using namespace sweep::testing;
namespace fs = std::filesystem;

constexpr Control kList = 结果_文件列表;
constexpr Control kBar = 结果_删除进度;

std::vector<std::string> Statuses(const MainWindow& window) {
  std::vector<std::string> statuses;
  for (int r = 0; r < window.RowCount(kList); ++r) statuses.push_back(window.GetCell(kList, r, 3));
  return statuses;
}

// Calls `watch` on whichever thread changes the window, after each change. Stands in for
// a person who acts at an exact moment of a run.
void Watch(MainWindow& window, std::function<void()> watch) {
  window.SetChangeListener([&window, watch = std::move(watch)] {
    window.TakeChanges();
    watch();
  });
  window.TakeChanges();  // the listener is told of the next change only once they are taken
}

void DeleteListedNow(MainWindow& window) {
  const std::atomic<bool> stop{false};
  DeleteListed(window, stop);
}

TEST(VisualRun, OneClickListsAndDeletesAndASecondClickChangesNothing) {
  TempFolder folder;
  folder.MakeFile("a.tmp", 1024);
  folder.MakeFile("b.tmp", 2048);
  folder.MakeFile("c.tmp", 3072);
  folder.MakeFile("keep.txt", 10);
  MainWindow window;
  window.SetChecked(操作方式_可视, true);

  RunOnce(window, folder);
  const std::vector<std::string> deleted(3, DeletedStatus());
  EXPECT_EQ(Statuses(window), deleted);
  for (const char* gone : {"a.tmp", "b.tmp", "c.tmp"}) EXPECT_FALSE(folder.Exists(gone)) << gone;
  EXPECT_TRUE(folder.Exists("keep.txt"));
  EXPECT_EQ(window.ReadText(结果_已经删除), "3");
  EXPECT_EQ(window.ReadText(结果_清理大小), "6");
  EXPECT_EQ(window.ProgressMax(kBar), 0);

  RunOnce(window, folder);
  EXPECT_EQ(Statuses(window), deleted);
  EXPECT_EQ(window.ReadText(结果_已经删除), "3");
  EXPECT_EQ(window.ReadText(结果_清理大小), "6");
  EXPECT_TRUE(folder.Exists("keep.txt"));
}

// The last row's file turns into a folder of the same name while the first row is being
// deleted; a folder is never deleted, so that row fails until a file stands there again.
TEST(VisualRun, ARowThatFailsIsTriedAgainOnTheNextClick) {
  TempFolder folder;
  for (const char* name : {"a.tmp", "b.tmp", "c.tmp"}) folder.MakeFile(name, 1024);
  MainWindow window;
  window.SetChecked(操作方式_可视, true);
  std::string victim;
  Watch(window, [&] {
    if (!victim.empty() || window.GetCell(kList, 0, 3).empty()) return;
    victim = window.GetCell(kList, 2, 0);
    fs::remove(folder.path() / victim);
    folder.MakeFolder(victim);
  });

  RunOnce(window, folder);
  ASSERT_FALSE(victim.empty());
  EXPECT_EQ(Statuses(window),
            (std::vector<std::string>{DeletedStatus(), DeletedStatus(), NotDeletedStatus()}));
  EXPECT_EQ(window.ReadText(结果_已经删除), "2");

  RunOnce(window, folder);  // the folder is still there
  EXPECT_EQ(window.RowCount(kList), 3);
  EXPECT_EQ(window.GetCell(kList, 2, 3), NotDeletedStatus());
  EXPECT_TRUE(fs::is_directory(folder.path() / victim));
  EXPECT_EQ(window.ReadText(结果_已经删除), "2");

  fs::remove(folder.path() / victim);
  folder.MakeFile(victim, 1024);
  RunOnce(window, folder);
  EXPECT_EQ(window.GetCell(kList, 2, 3), DeletedStatus());
  EXPECT_FALSE(folder.Exists(victim));
  EXPECT_EQ(window.ReadText(结果_已经删除), "3");
  EXPECT_EQ(window.ReadText(结果_清理大小), "3");
  // This click's scan listed the new file once more, before the old row deleted it.
  ASSERT_EQ(window.RowCount(kList), 4);
  EXPECT_EQ(window.GetCell(kList, 3, 0), victim);
  EXPECT_EQ(window.GetCell(kList, 3, 3), NotDeletedStatus());
}

TEST(VisualRun, RowsAreDeletedFromTheFolderTheyWereListedFrom) {
  TempFolder listedFrom, chosenLater;
  listedFrom.MakeFile("same.tmp", 10);
  chosenLater.MakeFile("same.tmp", 10);
  MainWindow window;
  ListOnce(window, listedFrom);
  // With Tmp files unchecked the new folder's scan lists nothing of its own.
  window.SetChecked(选择框1, false);

  RunOnce(window, chosenLater);
  EXPECT_FALSE(listedFrom.Exists("same.tmp"));
  EXPECT_TRUE(chosenLater.Exists("same.tmp"));
  ASSERT_EQ(window.RowCount(kList), 1);
  EXPECT_EQ(window.GetCell(kList, 0, 3), DeletedStatus());
}

// A row without a folder of its own deletes nothing, whatever the folder box names.
TEST(DeleteListed, ARowWithoutItsFolderIsNotDeleted) {
  TempFolder folder;
  folder.MakeFile("a.tmp", 10);
  MainWindow window;
  window.WriteText(输入_清理目录, folder.Text());
  window.AppendRow(kList, "a.tmp");
  DeleteListedNow(window);
  EXPECT_TRUE(folder.Exists("a.tmp"));
  EXPECT_EQ(window.GetCell(kList, 0, 3), NotDeletedStatus());
  EXPECT_EQ(window.ReadText(结果_已经删除), "0");
}

TEST(DeleteListed, TheBarMovesEveryTenRows) {
  struct Case {
    int rows;
    int positionBefore;
    int max;
    std::map<int, int> rowsAtPosition;  // position -> rows deleted while the bar stood there
    int positionAfter;
  };
  const Case cases[] = {
      {25, 0, 2, {{0, 9}, {1, 10}, {2, 6}}, 2},
      {9, 0, 0, {{0, 9}}, 0},
      {0, 7, 0, {}, 7},  // an empty list sets the range only
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rows);
    TempFolder folder;
    for (int i = 0; i < c.rows; ++i) folder.MakeFile("f" + std::to_string(i) + ".tmp", 10);
    MainWindow window;
    ListOnce(window, folder);
    window.SetProgressPosition(kBar, c.positionBefore);
    std::map<int, int> rowsAtPosition;
    int marked = 0;
    Watch(window, [&] {
      while (marked < window.RowCount(kList) && !window.GetCell(kList, marked, 3).empty()) {
        ++rowsAtPosition[window.ProgressPosition(kBar)];
        ++marked;
      }
    });
    DeleteListedNow(window);
    window.SetChangeListener(nullptr);
    EXPECT_EQ(window.ProgressMax(kBar), c.max);
    EXPECT_EQ(rowsAtPosition, c.rowsAtPosition);
    EXPECT_EQ(window.ProgressPosition(kBar), c.positionAfter);
    EXPECT_EQ(window.ReadText(结果_已经删除), std::to_string(c.rows));
  }
}

// The tally adds the size that the list shows, with its six digits, not the file's own.
TEST(DeleteListed, TheTallyAddsTheSizeAsTheColumnShowsIt) {
  struct Case {
    std::uintmax_t bytes;
    std::string column;
    std::string freed, unit;
  };
  const Case cases[] = {
      {1ull << 30, "1.04858e+006", "1024.00391", "Mb"},  // 1048580 Kb; the file is 1048576
      {500, "0.48828", "0", "Kb"},
      {2000000, "1953.13", "1.90723", "Mb"},  // 1953 Kb
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.column);
    TempFolder folder;
    folder.MakeFile("f.tmp", c.bytes);  // sparse: no disk used
    MainWindow window;
    ListOnce(window, folder);
    ASSERT_EQ(window.GetCell(kList, 0, 2), c.column);
    DeleteListedNow(window);
    EXPECT_EQ(window.GetCell(kList, 0, 3), DeletedStatus());
    EXPECT_EQ(window.ReadText(结果_清理大小), c.freed);
    EXPECT_EQ(window.ReadText(结果_大小单位), c.unit);
  }
}

// Once stopped, a run ends after the row in hand and no new run starts.
TEST(StartCommand, AStoppedRunDeletesNoMoreRows) {
  TempFolder folder;
  for (int i = 0; i < 20; ++i) folder.MakeFile("f" + std::to_string(i) + ".tmp", 10);
  MainWindow window;
  window.SetChecked(操作方式_可视, true);
  window.WriteText(输入_清理目录, folder.Text());
  CleaningRuns runs(window);
  Watch(window, [&] {
    if (!window.GetCell(kList, 4, 3).empty()) runs.Stop();
  });
  ASSERT_EQ(runs.Start(), CleaningRuns::StartResult::Started);
  runs.Wait();
  window.SetChangeListener(nullptr);
  EXPECT_EQ(window.ReadText(结果_已经删除), "5");
  EXPECT_EQ(window.GetCell(kList, 5, 3), "");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 15);
  EXPECT_EQ(runs.Start(), CleaningRuns::StartResult::Busy);
  EXPECT_EQ(window.ReadText(结果_已经删除), "5");
}

}  // namespace
}  // namespace sweep
