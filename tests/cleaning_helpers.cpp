#include "cleaning_helpers.h"

#include <gtest/gtest.h>

#include <atomic>

#include "cleaning/cleaning.h"
#include "cleaning/run.h"

namespace sweep::testing {

namespace {
constexpr Control kList = Control::结果_文件列表;
}

std::map<std::string, Listed> ListedRows(const MainWindow& window) {
  std::map<std::string, Listed> rows;
  for (int r = 0; r < window.RowCount(kList); ++r)
    rows[window.GetCell(kList, r, 0)] = {window.GetCell(kList, r, 1), window.GetCell(kList, r, 2),
                                         window.GetCell(kList, r, 3)};
  return rows;
}

void ListOnce(MainWindow& window, const TempFolder& folder) {
  window.SetChecked(Control::操作方式_可视, true);
  const std::shared_ptr<platform::Folder> opened = platform::Folder::Open(folder.Text());
  ASSERT_TRUE(opened);
  const std::atomic<bool> stop{false};
  FolderScan(window, opened, stop);
}

void RunOnce(MainWindow& window, const TempFolder& folder) {
  window.WriteText(Control::输入_清理目录, folder.Text());
  CleaningRuns runs(window);
  ASSERT_EQ(runs.Start(), CleaningRuns::StartResult::Started);
  runs.Wait();
}

}  // namespace sweep::testing
