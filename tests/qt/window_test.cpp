// The Qt window, driven as a person would: clicks and keys on the real widgets.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTableView>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QDir>
#include <algorithm>
#include <functional>
#include <vector>

#include "../temp_folder.h"
#include "window_fixture.h"
#include "chooser/chooser.h"
#include "platform/qt/folder_dialog_qt.h"
#include "platform/qt/start_up.h"

namespace sweep {
namespace {

using enum Control;
using namespace sweep::testing;

std::string FocusName() {
  QWidget* focus = QApplication::focusWidget();
  return focus ? focus->objectName().toStdString() : "(none)";
}

QString Caption(const ControlDef& def) { return QString::fromUtf8(def.caption); }

TEST_F(WindowTest, EveryControlStandsWhereTheTableSaysWithItsCaptionAndState) {
  MainView& view = program.view();
  EXPECT_EQ(view.size(), QSize(kClientWidth, kClientHeight));
  EXPECT_EQ(view.minimumSize(), view.maximumSize());
  EXPECT_EQ(view.windowTitle(), QString::fromUtf8("目录清扫"));
  EXPECT_FALSE(view.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(view.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(view.windowIcon().availableSizes().size(), 4);

  for (const ControlDef& def : ControlTable()) {
    SCOPED_TRACE(def.name);
    QWidget* w = view.findChild<QWidget*>(QString::fromUtf8(def.name));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), QRect(def.left, def.top, def.width, def.height));
    EXPECT_EQ(w->parentWidget(), def.group ? view.Widget(*def.group) : &view);
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
      EXPECT_EQ(box->title(), Caption(def));
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
      EXPECT_EQ(label->text(), Caption(def));
      EXPECT_EQ(bool(label->alignment() & Qt::AlignRight), def.figure);
      EXPECT_EQ(label->palette().color(QPalette::WindowText) == Qt::red, def.figure);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      EXPECT_EQ(button->text(), Caption(def));
      EXPECT_EQ(button->isChecked(), def.checked);
    }
  }
  auto* edit = Find<QLineEdit>(输入_清理目录);
  EXPECT_TRUE(edit->isReadOnly());
  EXPECT_TRUE(edit->text().isEmpty());
  auto* bar = Find<QProgressBar>(结果_删除进度);
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 100);
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(WindowTest, TheListHasItsFourColumnsAndSortsNothing) {
  auto* list = Find<QTableView>(结果_文件列表);
  ASSERT_EQ(list->model()->columnCount(), kColumnCount);
  for (int c = 0; c < kColumnCount; ++c) {
    EXPECT_EQ(list->model()->headerData(c, Qt::Horizontal).toString(),
              QString::fromUtf8(ColumnTable()[c].title));
    EXPECT_EQ(list->horizontalHeader()->sectionSize(c), ColumnTable()[c].width);
  }
  EXPECT_EQ(list->model()->rowCount(), 0);
  EXPECT_FALSE(list->isSortingEnabled());
  EXPECT_FALSE(list->horizontalHeader()->sectionsClickable());
  EXPECT_TRUE(list->showGrid());
  EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(WindowTest, TabAndShiftTabFollowTheTabOrderAndWrap) {
  ShowAndActivate();
  const auto order = TabOrder();
  EXPECT_EQ(QApplication::focusWidget(), program.view().Widget(order[0]));
  for (std::size_t i = 1; i <= order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(FocusName(), Definition(order[i % order.size()]).name) << "after " << i << " tabs";
  }
  for (std::size_t i = order.size(); i-- > 0;) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(FocusName(), Definition(order[i]).name);
  }
}

TEST_F(WindowTest, EscapeClosesTheWindowAndOpensBothAddressesInOrder) {
  ShowAndActivate();
  QTest::keyClick(program.view().Widget(选择框3), Qt::Key_Escape);
  EXPECT_FALSE(program.view().isVisible());
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], ClosingAddresses()[0]);
  EXPECT_EQ(opened[1], ClosingAddresses()[1]);
  // However else the program ends afterwards, the close query has run once.
  program.Close();
  EXPECT_EQ(opened.size(), 2u);
}

// Esc closes the window from every control that can have the focus.
TEST(EscapeKey, ClosesFromEveryFocusableControl) {
  for (Control c : TabOrder()) {
    int opened = 0;
    Program program(std::make_unique<FixedDialog>(), [&opened](const Text&) { ++opened; });
    program.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.view()));
    program.view().Widget(c)->setFocus();
    QTest::keyClick(program.view().Widget(c), Qt::Key_Escape);
    EXPECT_FALSE(program.view().isVisible()) << Definition(c).name;
    EXPECT_EQ(opened, 2) << Definition(c).name;
  }
}

TEST_F(WindowTest, TheCloseBoxRunsTheSameCloseQuery) {
  ShowAndActivate();
  program.view().close();
  EXPECT_FALSE(program.view().isVisible());
  EXPECT_EQ(opened.size(), 2u);
}

TEST_F(WindowTest, ClicksOnChecksAndRadiosReachTheModel) {
  Click(选择框3);
  Click(删除方式_全部);
  Click(操作方式_可视);
  MainWindow& window = program.window();
  EXPECT_TRUE(window.IsChecked(选择框3));
  EXPECT_TRUE(window.IsChecked(删除方式_全部));
  EXPECT_FALSE(window.IsChecked(删除方式_针对));
  EXPECT_TRUE(window.IsChecked(操作方式_可视));
  EXPECT_FALSE(window.IsChecked(操作方式_直接));
  Click(选择框1);
  EXPECT_FALSE(window.IsChecked(选择框1));
  // A click on the checked radio button leaves it checked, on screen and in the model.
  Click(操作方式_可视);
  EXPECT_TRUE(window.IsChecked(操作方式_可视));
  EXPECT_TRUE(Find<QAbstractButton>(操作方式_可视)->isChecked());
  EXPECT_FALSE(Find<QAbstractButton>(操作方式_直接)->isChecked());
  Click(操作方式_直接);
  EXPECT_FALSE(Find<QAbstractButton>(操作方式_可视)->isChecked());
  EXPECT_TRUE(window.IsChecked(操作方式_直接));
}

class CleaningTest : public WindowTest {
 protected:
  void SetUp() override {
    folder.MakeFile("a.tmp", 2048);
    folder.MakeFile("README", 3072);
    folder.MakeFile("keep.txt", 10);
    ShowAndActivate();
    dialog->choice = folder.path().string();
    Click(功能_选择目录);
    ASSERT_TRUE(WaitFor([this] { return BoxText() == folder.Text(); })) << BoxText();
  }
  QString LabelText(Control c) { return Find<QLabel>(c)->text(); }
  std::string BoxText() { return Find<QLineEdit>(输入_清理目录)->text().toStdString(); }

  TempFolder folder;
};

TEST_F(CleaningTest, StartInDirectModeCleansTheFolderAndShowsTheFigures) {
  Click(结果_开始清理);
  EXPECT_TRUE(WaitFor([this] { return LabelText(结果_已经删除) == "2"; }));
  EXPECT_TRUE(WaitFor([this] { return LabelText(结果_清理大小) == "5"; }));
  EXPECT_EQ(LabelText(结果_大小单位), QString("Kb"));
  EXPECT_FALSE(folder.Exists("a.tmp"));
  EXPECT_FALSE(folder.Exists("README"));
  EXPECT_TRUE(folder.Exists("keep.txt"));
  EXPECT_EQ(Find<QTableView>(结果_文件列表)->model()->rowCount(), 0);
}

TEST_F(CleaningTest, StartInVisualModeListsTheFilesAndDeletesThemRowByRow) {
  Click(操作方式_可视);
  Click(结果_开始清理);
  QAbstractItemModel* rows = Find<QTableView>(结果_文件列表)->model();
  program.runs().Wait();
  const QString deleted = QString::fromUtf8("删除成功");
  ASSERT_TRUE(WaitFor([&] { return rows->rowCount() == 2 && rows->index(1, 3).data() == deleted; }));
  QStringList listed;
  for (int r = 0; r < 2; ++r) {
    QStringList row;
    for (int c = 0; c < 4; ++c) row << rows->index(r, c).data().toString();
    listed << row.join('|');
  }
  listed.sort();
  EXPECT_EQ(listed, QStringList({"README|DME|3|" + deleted, "a.tmp|tmp|2|" + deleted}));
  EXPECT_FALSE(folder.Exists("a.tmp"));
  EXPECT_TRUE(folder.Exists("keep.txt"));
  // The list reads the rows as they are; the labels follow at the view's next refresh.
  EXPECT_TRUE(WaitFor([this] { return LabelText(结果_已经删除) == "2"; }));
  EXPECT_TRUE(WaitFor([this] { return LabelText(结果_清理大小) == "5"; }));
  // Two rows give the range 0..0, which shows as an empty bar, not as a busy one.
  auto* bar = Find<QProgressBar>(结果_删除进度);
  EXPECT_EQ(program.window().ProgressMax(结果_删除进度), 0);
  EXPECT_GT(bar->maximum(), bar->minimum());
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(CleaningTest, EnterOnStartDoesNothing) {
  QWidget* start = program.view().Widget(结果_开始清理);
  start->setFocus();
  QTest::keyClick(start, Qt::Key_Return);
  QTest::keyClick(start, Qt::Key_Enter);
  EXPECT_FALSE(program.runs().Active());
  QTest::qWait(50);
  EXPECT_TRUE(folder.Exists("a.tmp"));
  QTest::keyClick(start, Qt::Key_Space);
  EXPECT_TRUE(WaitFor([this] { return LabelText(结果_已经删除) == "2"; }));
}

TEST_F(CleaningTest, ACancelledDialogKeepsTheChosenFolder) {
  dialog->choice.clear();
  Click(功能_选择目录);
  QTest::qWait(50);
  EXPECT_EQ(BoxText(), folder.Text());
}

// What the folder dialog told its callback, which then does what the chooser's does.
struct Told {
  std::vector<platform::BrowseMessage> messages;
  std::vector<Text> paths;
};

int Record(platform::FolderDialogWindow& dialog, platform::BrowseMessage message,
           const Text* path, std::intptr_t data) {
  auto* told = reinterpret_cast<Told*>(data);
  told->messages.push_back(message);
  if (path) told->paths.push_back(*path);
  return BrowseCallback(dialog, message, path, 0);
}

// Runs `act` on the folder dialog once it is open, and then browses.
Text BrowseWith(Told& told, std::function<void(QFileDialog&)> act) {
  QTimer::singleShot(0, [act] {
    QFileDialog* dialog = nullptr;
    EXPECT_TRUE(WaitFor([&dialog] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) dialog = d;
      return dialog != nullptr;
    }));
    if (dialog) act(*dialog);
  });
  QtFolderDialog dialog;
  return dialog.Browse({"请您选择需要清理的目录!", &Record, reinterpret_cast<std::intptr_t>(&told)});
}

TEST(QtFolderDialog, StartsAtTheTopAndGivesTheChosenFolder) {
  TempFolder folder;
  folder.MakeFolder("pick");
  const QString pick = QString::fromStdString((folder.path() / "pick").string());
  Told told;
  QString title, start, status;
  const Text chosen = BrowseWith(told, [&](QFileDialog& dialog) {
    title = dialog.windowTitle();
    start = dialog.directory().absolutePath();
    dialog.setDirectory(QString::fromStdString(folder.path().string()));
    // As a click on the folder in the dialog's list does.
    auto* files = dialog.findChild<QFileSystemModel*>();
    auto* list = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    ASSERT_TRUE(files && list);
    list->setCurrentIndex(files->index(pick));
    for (QLabel* label : dialog.findChildren<QLabel*>())
      if (label->text() == pick) status = label->text();
    dialog.selectFile(pick);
    static_cast<QDialog&>(dialog).accept();
  });
  EXPECT_EQ(chosen, pick.toStdString());
  EXPECT_EQ(title, QString::fromUtf8("请您选择需要清理的目录!"));
  EXPECT_EQ(start, QDir::rootPath());
  ASSERT_FALSE(told.messages.empty());
  EXPECT_EQ(told.messages.front(), platform::BrowseMessage::Initialized);
  EXPECT_NE(std::find(told.paths.begin(), told.paths.end(), pick.toStdString()), told.paths.end());
  EXPECT_EQ(status, pick) << "the selection shows in the dialog's status line";
}

TEST(QtFolderDialog, CancelGivesNoFolder) {
  Told told;
  EXPECT_EQ(BrowseWith(told, [](QFileDialog& dialog) { dialog.reject(); }), "");
}

}  // namespace
}  // namespace sweep
