// Times one cleaning run over a folder of junk files, next to find(1) deleting the same
// files, so the figures say what the window's bookkeeping costs on top of the deletions.
//
//   sweep_bench [--files N] [--mode direct|visual] [--dir PARENT]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "cleaning/run.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// N junk files of 1 to 4 KiB, and one file in ten that must stay.
void Fill(const fs::path& folder, int files) {
  fs::create_directories(folder);
  const std::string block(4096, 'x');
  for (int i = 0; i < files; ++i) {
    std::ofstream(folder / ("junk-" + std::to_string(i) + ".tmp"), std::ios::binary)
        .write(block.data(), 1024 * (1 + i % 4));
    if (i % 10 == 0) std::ofstream(folder / ("keep-" + std::to_string(i) + ".txt")) << "keep";
  }
}

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  int files = 10000;
  bool visual = false;
  fs::path parent = fs::temp_directory_path();
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--files")) files = std::atoi(argv[i + 1]);
    else if (!std::strcmp(argv[i], "--mode")) visual = !std::strcmp(argv[i + 1], "visual");
    else if (!std::strcmp(argv[i], "--dir")) parent = argv[i + 1];
  }
  const fs::path folder = parent / "foldersweep-bench";
  fs::remove_all(folder);

  Fill(folder, files);
  sweep::MainWindow window;
  window.WriteText(sweep::Control::输入_清理目录, folder.string() + "/");
  if (visual) window.SetChecked(sweep::Control::操作方式_可视, true);
  sweep::CleaningRuns runs(window);
  const auto start = Clock::now();
  if (runs.Start() != sweep::CleaningRuns::StartResult::Started) {
    std::fprintf(stderr, "bench: the run did not start\n");
    return 1;
  }
  runs.Wait();
  const double ours = Seconds(start);
  std::printf("foldersweep %s: %d junk files in %.3f s (%.1f us a file); count %s, freed %s %s, "
              "rows %d\n",
              visual ? "visual" : "direct", files, ours, ours * 1e6 / files,
              window.ReadText(sweep::Control::结果_已经删除).c_str(),
              window.ReadText(sweep::Control::结果_清理大小).c_str(),
              window.ReadText(sweep::Control::结果_大小单位).c_str(),
              window.RowCount(sweep::Control::结果_文件列表));

  fs::remove_all(folder);
  Fill(folder, files);
  const std::string find =
      "find '" + folder.string() + "' -maxdepth 1 -type f -name '*.tmp' -delete";
  const auto findStart = Clock::now();
  if (std::system(find.c_str()) != 0) std::fprintf(stderr, "bench: find failed\n");
  const double theirs = Seconds(findStart);
  std::printf("find -delete: %d junk files in %.3f s (%.1f us a file)\n", files, theirs,
              theirs * 1e6 / files);
  fs::remove_all(folder);
  return 0;
}
