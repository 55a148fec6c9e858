// Visual runs as the window shows them: while they go on, and when the window is closed
// in the middle of one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "../temp_folder.h"
#include "window_fixture.h"

namespace sweep {

namespace testing {

namespace {

using enum Control;
namespace fs = std::filesystem;

long FilesIn(const fs::path& folder) {
  return static_cast<long>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

void FillFolder(const TempFolder& folder, int files) {
  for (int i = 0; i < files; ++i) folder.MakeFile("junk-" + std::to_string(i) + ".tmp", 1024);
}

int Count(MainWindow& window) { return TextToInteger(window.ReadText(结果_已经删除)); }

}  // namespace

// The program as a person uses it, in a process of its own: the folder is chosen, a visual
// run started, and the window closed once the run is deleting. Prints what it saw once the
// event loop has ended.
int CloseDuringAVisualRun(const std::string& folder) {
  auto dialog = std::make_unique<FixedDialog>();
  dialog->choice = folder;
  std::vector<Text> opened;
  bool deleting = false;
  {
    Program program(std::move(dialog), [&opened](const Text& address) { opened.push_back(address); });
    program.Show();
    MainView& view = program.view();
    QTimer::singleShot(0, &view, [&view] {
      for (Control c : {Control::功能_选择目录, Control::操作方式_可视, Control::结果_开始清理})
        QTest::mouseClick(view.Widget(c), Qt::LeftButton);
    });
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &view, [&] {
      if (Count(program.window()) < 20) return;
      watch.stop();
      deleting = program.runs().Active();
      view.close();
    });
    watch.start(1);
    QTimer::singleShot(30000, &view, [&view] { view.close(); });
    QApplication::exec();  // ends when the window has closed
    std::printf("deleting=%d remaining=%ld count=%d opened=%zu\n", deleting ? 1 : 0,
                FilesIn(folder), Count(program.window()), opened.size());
    std::fflush(stdout);
  }
  ExitStep();
  return 0;
}

namespace {

class RunInTheWindow : public WindowTest {
 protected:
  void StartVisualRun(int files) {
    FillFolder(folder, files);
    ShowAndActivate();
    dialog->choice = folder.path().string();
    Click(功能_选择目录);
    Click(操作方式_可视);
    Click(结果_开始清理);
    ASSERT_TRUE(program.runs().Active());
  }
  TempFolder folder;
};

// While 20,000 rows are listed and deleted, the window keeps showing the run and keeps
// answering: a check box can be clicked and the window moved.
TEST_F(RunInTheWindow, AVisualRunShowsItsProgressAndTheWindowStaysResponsive) {
  constexpr int kFiles = 20000;
  StartVisualRun(kFiles);
  auto* bar = Find<QProgressBar>(结果_删除进度);
  auto* count = Find<QLabel>(结果_已经删除);
  QAbstractItemModel* rows = Find<QTableView>(结果_文件列表)->model();
  const QString deleted = QString::fromUtf8("删除成功");

  bool sawBarMoving = false, sawCountGrowing = false, sawRowsDeleted = false;
  bool clickedDuringRun = false;
  qint64 longestGap = 0;
  QElapsedTimer gap, total;
  total.start();
  gap.start();
  while (program.runs().Active() && total.elapsed() < 60000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    longestGap = std::max(longestGap, gap.restart());
    const int shown = count->text().toInt();
    sawBarMoving |= bar->value() > 0 && bar->value() < bar->maximum();
    sawCountGrowing |= shown > 0 && shown < kFiles;
    sawRowsDeleted |= shown < kFiles && rows->rowCount() == kFiles && rows->index(0, 3).data() == deleted;
    if (shown > 0 && !clickedDuringRun) {
      const QPoint before = program.view().pos();
      Click(选择框2);
      program.view().move(before + QPoint(10, 10));
      clickedDuringRun = program.runs().Active();
      EXPECT_TRUE(program.window().IsChecked(选择框2));
      EXPECT_EQ(program.view().pos(), before + QPoint(10, 10));
    }
  }
  ASSERT_FALSE(program.runs().Active()) << "the run did not end";
  ASSERT_TRUE(WaitFor([&] { return count->text().toInt() == kFiles; }));
  ASSERT_TRUE(WaitFor([&] { return rows->index(kFiles - 1, 3).data() == deleted; }));
  EXPECT_TRUE(WaitFor([&] { return bar->value() == kFiles / 10; })) << bar->value();
  std::printf("[          ] %d rows in %lld ms, longest wait of the event loop %lld ms\n", kFiles,
              static_cast<long long>(total.elapsed()), static_cast<long long>(longestGap));

  EXPECT_TRUE(sawBarMoving);
  EXPECT_TRUE(sawCountGrowing);
  EXPECT_TRUE(sawRowsDeleted) << "deleted rows were shown only at the end";
  EXPECT_TRUE(clickedDuringRun) << "the run ended before the window was used";
  EXPECT_LT(longestGap, 500);
  EXPECT_EQ(bar->maximum(), kFiles / 10);
  EXPECT_EQ(FilesIn(folder.path()), 0);
}

// Closing the window mid-run ends the process; the files the run had not reached are
// still there, and the count says how many went.
TEST(CloseDuringRun, TheProcessEndsAndTheFilesNotReachedStay) {
  constexpr int kFiles = 8000;
  TempFolder folder;
  FillFolder(folder, kFiles);
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(),
              {"--close-during-a-visual-run", QString::fromStdString(folder.path().string())});
  ASSERT_TRUE(child.waitForFinished(60000)) << "the program did not end";
  ASSERT_EQ(child.exitStatus(), QProcess::NormalExit);
  ASSERT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();

  int deleting = 0, count = 0;
  long remaining = 0;
  std::size_t opened = 0;
  const std::string said = child.readAllStandardOutput().toStdString();
  ASSERT_EQ(std::sscanf(said.c_str(), "deleting=%d remaining=%ld count=%d opened=%zu", &deleting,
                        &remaining, &count, &opened),
            4)
      << said;
  EXPECT_EQ(deleting, 1) << "the run had ended before the window was closed: " << said;
  EXPECT_GT(remaining, 0);
  EXPECT_EQ(remaining + count, kFiles) << "every file that went was counted";
  EXPECT_EQ(opened, 2u) << "the close query opens both addresses";
  // Nothing went after the window had closed.
  EXPECT_EQ(FilesIn(folder.path()), remaining);
}

}  // namespace
}  // namespace testing
}  // namespace sweep
