#include <gtest/gtest.h>

#include "app/main_window.h"

namespace sweep {
namespace {

using enum Control;
constexpr Control kList = 结果_文件列表;
constexpr Control kBar = 结果_删除进度;

TEST(MainWindow, StartsInTheInitialState) {
  MainWindow window;
  EXPECT_EQ(window.ReadText(输入_清理目录), "");
  EXPECT_EQ(window.ReadText(结果_已经删除), "0");
  EXPECT_EQ(window.ReadText(结果_清理大小), "0");
  EXPECT_EQ(window.ReadText(结果_大小单位), "Kb");
  EXPECT_EQ(window.ReadText(标签2), "已经清理: ");
  for (const ControlDef& def : ControlTable())
    EXPECT_EQ(window.IsChecked(def.id),
              def.id == 删除方式_针对 || def.id == 选择框1 || def.id == 选择框8 ||
                  def.id == 操作方式_直接)
        << def.name;
  EXPECT_EQ(window.RowCount(kList), 0);
  EXPECT_EQ(window.ProgressMax(kBar), 100);
  EXPECT_EQ(window.ProgressPosition(kBar), 0);
}

// Every control lies inside its group box, and every group box inside the client area.
TEST(ControlTable, EveryControlFitsItsParent) {
  for (const ControlDef& def : ControlTable()) {
    const int parentWidth = def.group ? Definition(*def.group).width : kClientWidth;
    const int parentHeight = def.group ? Definition(*def.group).height : kClientHeight;
    EXPECT_GE(def.left, 0) << def.name;
    EXPECT_GE(def.top, 0) << def.name;
    EXPECT_LE(def.left + def.width, parentWidth) << def.name;
    EXPECT_LE(def.top + def.height, parentHeight) << def.name;
    if (def.group) {
      EXPECT_EQ(Definition(*def.group).kind, ControlKind::GroupBox) << def.name;
    }
  }
}

TEST(ControlTable, TabOrderHoldsEachFocusableControlOnce) {
  std::vector<int> seen(kControlCount, 0);
  for (Control c : TabOrder()) ++seen[Index(c)];
  for (const ControlDef& def : ControlTable()) {
    const bool focusable = def.kind != ControlKind::GroupBox && def.kind != ControlKind::Label &&
                           def.kind != ControlKind::ProgressBar;
    EXPECT_EQ(seen[Index(def.id)], focusable ? 1 : 0) << def.name;
  }
}

TEST(MainWindow, RadioButtonsClearOnlyTheirOwnGroup) {
  MainWindow window;
  window.SetChecked(删除方式_全部, true);
  EXPECT_TRUE(window.IsChecked(删除方式_全部));
  EXPECT_FALSE(window.IsChecked(删除方式_针对));
  EXPECT_TRUE(window.IsChecked(操作方式_直接));

  window.SetChecked(操作方式_可视, true);
  EXPECT_FALSE(window.IsChecked(操作方式_直接));
  EXPECT_TRUE(window.IsChecked(删除方式_全部));

  // Unchecking a radio button by itself would leave its group with none checked.
  window.SetChecked(操作方式_可视, false);
  EXPECT_TRUE(window.IsChecked(操作方式_可视));

  window.SetChecked(选择框1, false);
  window.SetChecked(选择框2, true);
  EXPECT_FALSE(window.IsChecked(选择框1));
  EXPECT_TRUE(window.IsChecked(选择框2));
  EXPECT_TRUE(window.IsChecked(选择框8));
}

TEST(MainWindow, ListCellsOutsideTheRowsAreEmptyAndIgnored) {
  MainWindow window;
  EXPECT_EQ(window.AppendRow(kList, "a.tmp"), 0);
  EXPECT_EQ(window.AppendRow(kList, "b.tmp"), 1);
  window.SetCell(kList, 1, 3, "done");
  window.SetCell(kList, 2, 0, "nowhere");
  window.SetCell(kList, -1, 0, "nowhere");
  window.SetCell(kList, 0, 4, "nowhere");
  EXPECT_EQ(window.RowCount(kList), 2);
  EXPECT_EQ(window.GetCell(kList, 0, 0), "a.tmp");
  EXPECT_EQ(window.GetCell(kList, 0, 1), "");
  EXPECT_EQ(window.GetCell(kList, 1, 3), "done");
  EXPECT_EQ(window.GetCell(kList, 2, 0), "");
  EXPECT_EQ(window.GetCell(kList, 0, 4), "");
  EXPECT_EQ(window.GetCell(kList, -1, 0), "");
}

TEST(MainWindow, ProgressValuesAreClampedTo32767) {
  const struct {
    int max, position;
    int wantMax, wantPosition;
  } cases[] = {{40000, 50000, 32767, 32767}, {-5, -1, 0, 0}, {2, 7, 2, 7}, {32767, 0, 32767, 0}};
  for (const auto& c : cases) {
    MainWindow window;
    window.SetProgressMax(kBar, c.max);
    window.SetProgressPosition(kBar, c.position);
    EXPECT_EQ(window.ProgressMax(kBar), c.wantMax) << c.max;
    // The stored position is kept; a view shows it clamped into the range.
    EXPECT_EQ(window.ProgressPosition(kBar), c.wantPosition) << c.position;
  }
}

TEST(MainWindow, TellsTheViewOnceUntilItTakesTheChanges) {
  MainWindow window;
  int calls = 0;
  window.SetChangeListener([&calls] { ++calls; });
  window.WriteText(结果_已经删除, "1");
  window.AppendRow(kList, "a.tmp");
  window.AppendRow(kList, "b.tmp");
  EXPECT_EQ(calls, 1);

  WindowChanges changes = window.TakeChanges();
  EXPECT_TRUE(changes.controls.test(Index(结果_已经删除)));
  EXPECT_FALSE(changes.controls.test(Index(结果_清理大小)));
  EXPECT_EQ(changes.rowCount, 2);

  window.SetCell(kList, 1, 3, "x");
  window.SetCell(kList, 0, 3, "x");
  EXPECT_EQ(calls, 2);
  changes = window.TakeChanges();
  EXPECT_EQ(changes.firstChangedRow, 0);
  EXPECT_EQ(changes.lastChangedRow, 1);
  EXPECT_EQ(window.TakeChanges().firstChangedRow, -1);
}

}  // namespace
}  // namespace sweep
