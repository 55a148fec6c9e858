// Times a visual run as the Qt window shows it: how long the run takes, the longest the
// event loop went without running (what a person would feel as a frozen window), how long
// a check-box click and a move take mid-run, and how long closing the window mid-run takes.
//
//   QT_QPA_PLATFORM=offscreen sweep_view_bench [--files N] [--dir PARENT]
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/resource.h>

#include "platform/qt/start_up.h"

namespace fs = std::filesystem;
using sweep::Control;

namespace {

class NoDialog : public sweep::platform::FolderDialog {
 public:
  sweep::Text Browse(const sweep::platform::BrowseParameters&) override { return {}; }
};

void Fill(const fs::path& folder, int files) {
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string block(1024, 'x');
  for (int i = 0; i < files; ++i)
    std::ofstream(folder / ("junk-" + std::to_string(i) + ".tmp"), std::ios::binary)
        .write(block.data(), static_cast<std::streamsize>(block.size()));
}

long FilesIn(const fs::path& folder) {
  return static_cast<long>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

int Count(sweep::MainWindow& window) {
  return sweep::TextToInteger(window.ReadText(Control::结果_已经删除));
}

struct Program {
  sweep::Program program{std::make_unique<NoDialog>(), [](const sweep::Text&) {}};

  explicit Program(const fs::path& folder) {
    program.Show();
    program.window().WriteText(Control::输入_清理目录, folder.string() + "/");
    program.window().SetChecked(Control::操作方式_可视, true);
  }
};

}  // namespace

int main(int argc, char** argv) {
  int files = 100000;
  fs::path parent = fs::temp_directory_path();
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--files")) files = std::atoi(argv[i + 1]);
    else if (!std::strcmp(argv[i], "--dir")) parent = argv[i + 1];
  }
  QApplication app(argc, argv);
  const fs::path folder = parent / "foldersweep-view-bench";

  // A whole run, with the window used halfway through it.
  Fill(folder, files);
  {
    Program p(folder);
    sweep::MainWindow& window = p.program.window();
    QElapsedTimer total, gap;
    qint64 longestGap = 0, clickTook = -1, moveTook = -1;
    if (p.program.runs().Start() != sweep::CleaningRuns::StartResult::Started) return 1;
    total.start();
    gap.start();
    while (p.program.runs().Active()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      longestGap = std::max(longestGap, gap.restart());
      if (clickTook < 0 && Count(window) >= files / 2) {
        QElapsedTimer took;
        took.start();
        static_cast<QAbstractButton*>(p.program.view().Widget(Control::选择框2))->click();
        clickTook = took.elapsed();
        took.restart();
        p.program.view().move(p.program.view().pos() + QPoint(10, 10));
        QCoreApplication::processEvents();
        moveTook = took.elapsed();
      }
    }
    const qint64 runTook = total.elapsed();
    std::printf("visual run, %d rows: %.3f s; longest wait of the event loop %lld ms; "
                "check box click mid-run %lld ms, move %lld ms; count %d, files left %ld\n",
                files, runTook / 1000.0, static_cast<long long>(longestGap),
                static_cast<long long>(clickTook), static_cast<long long>(moveTook),
                Count(window), FilesIn(folder));
  }

  // The window closed while the run is deleting.
  Fill(folder, files);
  {
    Program p(folder);
    sweep::MainWindow& window = p.program.window();
    if (p.program.runs().Start() != sweep::CleaningRuns::StartResult::Started) return 1;
    while (Count(window) < files / 4 && p.program.runs().Active())
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const int countAtClose = Count(window);
    QElapsedTimer took;
    took.start();
    p.program.view().close();
    const qint64 closeTook = took.elapsed();
    const long left = FilesIn(folder);
    QCoreApplication::processEvents();
    std::printf("closed mid-run at count %d: the close took %lld ms; files left %ld, "
                "count %d, files left a moment later %ld\n",
                countAtClose, static_cast<long long>(closeTook), left, Count(window),
                FilesIn(folder));
  }
  fs::remove_all(folder);

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory %ld MB\n", usage.ru_maxrss / 1024);
  return 0;
}
