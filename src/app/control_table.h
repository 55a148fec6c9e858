// The window's controls as data: every control's name, kind, group box, place, caption
// and initial state, the tab order and the list's columns. The model and every view are
// built from these tables.
#pragma once

#include <optional>
#include <span>

namespace sweep {

enum class ControlKind { GroupBox, Label, Edit, PushButton, RadioButton, CheckBox, List, ProgressBar };

// In the order of the control table.
enum class Control {
  分组框1, 分组框2, 分组框3, 分组框4, 分组框5,
  标签1, 输入_清理目录, 功能_选择目录,
  删除方式_全部, 删除方式_针对,
  选择框1, 选择框2, 选择框3, 选择框4, 选择框5, 选择框6, 选择框7, 选择框8,
  操作方式_直接, 操作方式_可视,
  结果_文件列表, 结果_删除进度,
  标签2, 结果_已经删除, 标签4, 标签5, 结果_清理大小, 结果_大小单位,
  结果_开始清理,
};
inline constexpr int kControlCount = static_cast<int>(Control::结果_开始清理) + 1;

constexpr int Index(Control c) { return static_cast<int>(c); }

struct ControlDef {
  Control id;
  const char* name;               // UTF-8
  ControlKind kind;
  std::optional<Control> group;   // the group box it sits in; none for the group boxes
  int left, top, width, height;   // relative to the group box, or to the client area
  const char* caption;            // UTF-8
  bool checked = false;
  bool figure = false;            // red and right-aligned
};

struct ColumnDef {
  const char* title;  // UTF-8
  int width;
};

inline constexpr int kClientWidth = 470;   // what the outer 476 x 324 frame leaves inside
inline constexpr int kClientHeight = 299;
inline constexpr int kOuterWidth = 476;
inline constexpr int kOuterHeight = 324;
inline constexpr const char* kWindowCaption = "目录清扫";
inline constexpr int kColumnCount = 4;
inline constexpr int kProgressLimit = 32767;

std::span<const ControlDef> ControlTable();
const ControlDef& Definition(Control c);
std::span<const Control> TabOrder();
std::span<const ColumnDef> ColumnTable();

}  // namespace sweep
