#include "app/control_table.h"

#include <array>

namespace sweep {

namespace {

using enum Control;
using enum ControlKind;

constexpr std::array<ControlDef, kControlCount> kControls{{
    {分组框1, "分组框1", GroupBox, {}, 8, 8, 456, 56, "第一步.选择目录"},
    {分组框2, "分组框2", GroupBox, {}, 8, 64, 160, 48, "第二步.选择清理方式"},
    {分组框3, "分组框3", GroupBox, {}, 176, 64, 288, 48, "针对删除文件类型选择"},
    {分组框4, "分组框4", GroupBox, {}, 8, 112, 456, 40, "第三步.选择操作方式"},
    {分组框5, "分组框5", GroupBox, {}, 8, 152, 456, 136, "第四部.开始清理"},
    {标签1, "标签1", Label, 分组框1, 8, 24, 32, 16, "目录"},
    {输入_清理目录, "输入_清理目录", Edit, 分组框1, 40, 23, 320, 20, ""},
    {功能_选择目录, "功能_选择目录", PushButton, 分组框1, 368, 19, 80, 24, "选择目录"},
    {删除方式_全部, "删除方式_全部", RadioButton, 分组框2, 8, 21, 72, 16, "全部删除"},
    {删除方式_针对, "删除方式_针对", RadioButton, 分组框2, 80, 21, 72, 16, "针对删除", true},
    {选择框1, "选择框1", CheckBox, 分组框3, 8, 14, 64, 16, "Tmp文件", true},
    {选择框2, "选择框2", CheckBox, 分组框3, 80, 14, 64, 16, "Bak文件"},
    {选择框3, "选择框3", CheckBox, 分组框3, 152, 14, 64, 16, "Log文件"},
    {选择框4, "选择框4", CheckBox, 分组框3, 224, 14, 62, 16, "Ckh文件"},
    {选择框5, "选择框5", CheckBox, 分组框3, 8, 30, 64, 16, "Old文件"},
    {选择框6, "选择框6", CheckBox, 分组框3, 80, 30, 64, 16, "Gid文件"},
    {选择框7, "选择框7", CheckBox, 分组框3, 152, 30, 64, 16, "_mp文件"},
    {选择框8, "选择框8", CheckBox, 分组框3, 224, 30, 62, 16, "无后缀", true},
    {操作方式_直接, "操作方式_直接", RadioButton, 分组框4, 8, 16, 248, 16,
     "直接删除 - 速度快,无法看到文件和进度!", true},
    {操作方式_可视, "操作方式_可视", RadioButton, 分组框4, 264, 16, 184, 16,
     "可视删除 - 速度慢,可看进度!"},
    {结果_文件列表, "结果_文件列表", List, 分组框5, 8, 16, 440, 72, ""},
    {结果_删除进度, "结果_删除进度", ProgressBar, 分组框5, 8, 89, 440, 16, ""},
    {标签2, "标签2", Label, 分组框5, 8, 112, 56, 16, "已经清理: "},
    {结果_已经删除, "结果_已经删除", Label, 分组框5, 64, 112, 80, 16, "0", false, true},
    {标签4, "标签4", Label, 分组框5, 152, 112, 40, 16, "个文件"},
    {标签5, "标签5", Label, 分组框5, 200, 112, 56, 16, "清理大小: "},
    {结果_清理大小, "结果_清理大小", Label, 分组框5, 256, 112, 80, 16, "0", false, true},
    {结果_大小单位, "结果_大小单位", Label, 分组框5, 344, 112, 16, 16, "Kb"},
    {结果_开始清理, "结果_开始清理", PushButton, 分组框5, 368, 107, 80, 24, "开始清理"},
}};

constexpr bool TableFollowsEnum() {
  for (int i = 0; i < kControlCount; ++i)
    if (Index(kControls[i].id) != i) return false;
  return true;
}
static_assert(TableFollowsEnum(), "the control table must list the controls in enum order");

constexpr std::array kTabOrder{
    输入_清理目录, 功能_选择目录, 删除方式_全部, 删除方式_针对,
    选择框1, 选择框2, 选择框3, 选择框4, 选择框8, 选择框7, 选择框6, 选择框5,
    操作方式_直接, 操作方式_可视, 结果_文件列表, 结果_开始清理,
};

constexpr std::array<ColumnDef, kColumnCount> kColumns{{
    {"文件", 200}, {"后缀", 50}, {"体积", 70}, {"状态", 80},
}};

}  // namespace

std::span<const ControlDef> ControlTable() { return kControls; }
const ControlDef& Definition(Control c) { return kControls[Index(c)]; }
std::span<const Control> TabOrder() { return kTabOrder; }
std::span<const ColumnDef> ColumnTable() { return kColumns; }

}  // namespace sweep
