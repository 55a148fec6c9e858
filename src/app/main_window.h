// MainWindow: the state of every control of the window, and the operations through which
// the rest of the program reads and changes it.
//
// The model is the window's only state; a view shows it and writes the user's clicks
// back into it. Every operation may be called from any thread and never waits for the
// view. Read-modify-write sequences (the count and the tally) hold Lock() across them.
#pragma once

#include <array>
#include <bitset>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "app/control_table.h"
#include "platform/platform.h"
#include "text/text.h"

namespace sweep {

// Where a listed row's file lives: the folder it was listed from and its native name.
struct RowSource {
  std::shared_ptr<const platform::Folder> folder;
  platform::NativeName name;
};

// What changed since the view last looked.
struct WindowChanges {
  std::bitset<kControlCount> controls;  // texts, check states, progress
  int rowCount = 0;                     // rows the list holds now
  int firstChangedRow = -1;             // cells changed in rows first..last (-1: none)
  int lastChangedRow = -1;
};

class MainWindow {
 public:
  // Every control in its initial state, captions in the program's code page.
  MainWindow();

  Text ReadText(Control control) const;
  void WriteText(Control control, const Text& text);

  bool IsChecked(Control control) const;
  // The user's click: checking a radio button clears the others of its group box.
  void SetChecked(Control control, bool checked);

  // Adds a row with text in column 0 and the other columns empty; returns its index.
  int AppendRow(Control list, const Text& text, RowSource source = {});
  // A row or column that does not exist is ignored.
  void SetCell(Control list, int row, int column, const Text& text);
  // The empty text for a row or column that does not exist.
  Text GetCell(Control list, int row, int column) const;
  RowSource GetRowSource(Control list, int row) const;
  int RowCount(Control list) const;

  // n is clamped to 0..32767; the range becomes 0..n and the position is kept as stored.
  void SetProgressMax(Control bar, int n);
  // n is clamped to 0..32767 and stored; the bar shows it clamped into its range.
  void SetProgressPosition(Control bar, int n);
  int ProgressMax(Control bar) const;
  int ProgressPosition(Control bar) const;

  // Holds every other caller off for a read-modify-write sequence; operations made
  // while holding it are allowed (the lock is recursive).
  std::unique_lock<std::recursive_mutex> Lock() const;

  // Called, on the changing thread, when the model goes from unchanged to changed; it
  // must only schedule a refresh, never block. The view then takes the changes.
  void SetChangeListener(std::function<void()> listener);
  WindowChanges TakeChanges();

 private:
  struct ControlState {
    Text text;
    bool checked = false;
  };
  using Row = std::array<Text, kColumnCount>;

  void Changed(Control control);
  void RowChanged(int row);
  bool HasRow(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }

  mutable std::recursive_mutex mutex_;
  std::array<ControlState, kControlCount> controls_;
  std::deque<Row> rows_;
  std::deque<RowSource> sources_;
  int progressMax_ = 100;
  int progressPosition_ = 0;
  WindowChanges changes_;
  bool dirty_ = false;
  std::function<void()> listener_;
};

}  // namespace sweep
