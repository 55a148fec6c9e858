#include "app/main_window.h"

#include <algorithm>

namespace sweep {

namespace {

bool HoldsText(ControlKind kind) { return kind == ControlKind::Edit || kind == ControlKind::Label; }

bool Checkable(ControlKind kind) {
  return kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

bool IsList(Control c) { return Definition(c).kind == ControlKind::List; }
bool IsBar(Control c) { return Definition(c).kind == ControlKind::ProgressBar; }

}  // namespace

MainWindow::MainWindow() {
  for (const ControlDef& def : ControlTable()) {
    controls_[Index(def.id)].text = platform::TextFromUtf8(def.caption);
    controls_[Index(def.id)].checked = def.checked;
  }
}

std::unique_lock<std::recursive_mutex> MainWindow::Lock() const {
  return std::unique_lock(mutex_);
}

void MainWindow::Changed(Control control) {
  changes_.controls.set(Index(control));
  if (!dirty_) {
    dirty_ = true;
    if (listener_) listener_();
  }
}

void MainWindow::RowChanged(int row) {
  if (changes_.firstChangedRow < 0 || row < changes_.firstChangedRow) changes_.firstChangedRow = row;
  changes_.lastChangedRow = std::max(changes_.lastChangedRow, row);
  Changed(Control::结果_文件列表);
}

Text MainWindow::ReadText(Control control) const {
  auto lock = Lock();
  return controls_[Index(control)].text;
}

void MainWindow::WriteText(Control control, const Text& text) {
  if (!HoldsText(Definition(control).kind)) return;
  auto lock = Lock();
  controls_[Index(control)].text = text;
  Changed(control);
}

bool MainWindow::IsChecked(Control control) const {
  auto lock = Lock();
  return controls_[Index(control)].checked;
}

void MainWindow::SetChecked(Control control, bool checked) {
  const ControlDef& def = Definition(control);
  if (!Checkable(def.kind)) return;
  auto lock = Lock();
  if (def.kind == ControlKind::RadioButton) {
    if (!checked) return;  // a radio button is cleared only by checking another
    for (const ControlDef& other : ControlTable()) {
      if (other.kind == ControlKind::RadioButton && other.group == def.group &&
          other.id != control && controls_[Index(other.id)].checked) {
        controls_[Index(other.id)].checked = false;
        Changed(other.id);
      }
    }
  }
  if (controls_[Index(control)].checked != checked) {
    controls_[Index(control)].checked = checked;
    Changed(control);
  }
}

int MainWindow::AppendRow(Control list, const Text& text, RowSource source) {
  if (!IsList(list)) return -1;
  auto lock = Lock();
  rows_.emplace_back();
  rows_.back()[0] = text;
  sources_.push_back(std::move(source));
  Changed(list);
  return static_cast<int>(rows_.size()) - 1;
}

void MainWindow::SetCell(Control list, int row, int column, const Text& text) {
  if (!IsList(list) || column < 0 || column >= kColumnCount) return;
  auto lock = Lock();
  if (!HasRow(row)) return;
  rows_[row][column] = text;
  RowChanged(row);
}

Text MainWindow::GetCell(Control list, int row, int column) const {
  if (!IsList(list) || column < 0 || column >= kColumnCount) return {};
  auto lock = Lock();
  return HasRow(row) ? rows_[row][column] : Text();
}

RowSource MainWindow::GetRowSource(Control list, int row) const {
  if (!IsList(list)) return {};
  auto lock = Lock();
  return HasRow(row) ? sources_[row] : RowSource();
}

int MainWindow::RowCount(Control list) const {
  if (!IsList(list)) return 0;
  auto lock = Lock();
  return static_cast<int>(rows_.size());
}

void MainWindow::SetProgressMax(Control bar, int n) {
  if (!IsBar(bar)) return;
  auto lock = Lock();
  progressMax_ = std::clamp(n, 0, kProgressLimit);
  Changed(bar);
}

void MainWindow::SetProgressPosition(Control bar, int n) {
  if (!IsBar(bar)) return;
  auto lock = Lock();
  progressPosition_ = std::clamp(n, 0, kProgressLimit);
  Changed(bar);
}

int MainWindow::ProgressMax(Control bar) const {
  auto lock = Lock();
  return IsBar(bar) ? progressMax_ : 0;
}

int MainWindow::ProgressPosition(Control bar) const {
  auto lock = Lock();
  return IsBar(bar) ? progressPosition_ : 0;
}

void MainWindow::SetChangeListener(std::function<void()> listener) {
  auto lock = Lock();
  listener_ = std::move(listener);
}

WindowChanges MainWindow::TakeChanges() {
  auto lock = Lock();
  WindowChanges taken = changes_;
  taken.rowCount = static_cast<int>(rows_.size());
  changes_ = WindowChanges();
  dirty_ = false;
  return taken;
}

}  // namespace sweep
