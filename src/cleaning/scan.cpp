#include <array>

#include "cleaning/cleaning.h"

namespace sweep {

namespace {

struct TypeRow {
  Control box;
  std::string_view suffix;  // upper case; unused for the no-suffix row
  bool noSuffix = false;
};

constexpr std::array<TypeRow, 8> kTypes{{
    {Control::选择框1, "TMP"},
    {Control::选择框2, "BAK"},
    {Control::选择框3, "LOG"},
    {Control::选择框4, "CKH"},
    {Control::选择框5, "OLD"},
    {Control::选择框6, "GID"},
    {Control::选择框7, "_MP"},
    {Control::选择框8, {}, true},
}};

constexpr Control kList = Control::结果_文件列表;

}  // namespace

bool TypeFilter(const MainWindow& window, std::string_view name, CodePage cp) {
  if (window.IsChecked(Control::删除方式_全部)) return true;
  const Text suffix = UpperCase(Suffix(name, cp), cp);
  for (const TypeRow& type : kTypes) {
    const std::string_view accepted = type.noSuffix ? NoSuffixMarker(cp) : type.suffix;
    if (window.IsChecked(type.box) && suffix == accepted) return true;
  }
  return false;
}

float Kilobytes(std::int64_t bytes) {
  const float size = static_cast<float>(bytes);
  return static_cast<float>(RoundPlaces(static_cast<double>(size) / 1024.0, 5));
}

Text LastThreeBytes(const Text& name) {
  return name.size() <= 3 ? name : name.substr(name.size() - 3);
}

void FolderScan(MainWindow& window, const std::shared_ptr<platform::Folder>& folder,
                const std::atomic<bool>& stop) {
  platform::FileEntry file;
  while (!stop.load() && folder->NextFile(file)) {
    if (!TypeFilter(window, file.text)) continue;
    const float kilobytes = Kilobytes(folder->FileSize(file.native));
    if (window.IsChecked(Control::操作方式_直接)) {
      if (folder->Remove(file.native)) {
        CountDeletion(window);
        AddFreedSize(window, Truncate(kilobytes));
      }
    } else {
      const int row = window.AppendRow(kList, file.text, {folder, file.native});
      window.SetCell(kList, row, 1, LastThreeBytes(file.text));
      window.SetCell(kList, row, 2, FloatToText(kilobytes));
    }
  }
}

}  // namespace sweep
