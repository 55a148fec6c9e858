#include "cleaning/cleaning.h"

namespace sweep {

namespace {

constexpr Control kList = Control::结果_文件列表;
constexpr Control kBar = Control::结果_删除进度;
constexpr int kSizeColumn = 2;
constexpr int kStatusColumn = 3;

// The bar moves once every ten rows.
int ProgressStep(int rows) { return static_cast<int>(Truncate(IntegerDivide(rows, 10))); }

}  // namespace

const Text& DeletedStatus() {
  static const Text text = platform::TextFromUtf8("删除成功");
  return text;
}

const Text& NotDeletedStatus() {
  static const Text text = platform::TextFromUtf8("删除失败");
  return text;
}

void DeleteListed(MainWindow& window, const std::atomic<bool>& stop) {
  window.SetProgressMax(kBar, ProgressStep(window.RowCount(kList)));
  // Rows appended from here on belong to the next run.
  const int rows = window.RowCount(kList);
  for (int i = 1; i <= rows && !stop.load(); ++i) {
    const int row = i - 1;
    window.SetProgressPosition(kBar, ProgressStep(i));
    if (window.GetCell(kList, row, kStatusColumn) == DeletedStatus()) continue;
    // The file is deleted from the folder it was listed from, by the name the folder
    // gave it; what the folder box says now plays no part.
    const RowSource source = window.GetRowSource(kList, row);
    if (source.folder && source.folder->Remove(source.name)) {
      CountDeletion(window);
      // The size as the column prints it, so the tally adds what the list shows.
      AddFreedSize(window, Truncate(TextToReal(window.GetCell(kList, row, kSizeColumn))));
      window.SetCell(kList, row, kStatusColumn, DeletedStatus());
    } else {
      window.SetCell(kList, row, kStatusColumn, NotDeletedStatus());
    }
  }
}

}  // namespace sweep
