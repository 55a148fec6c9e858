#include "cleaning/cleaning.h"

namespace sweep {

namespace {

constexpr Control kCount = Control::结果_已经删除;
constexpr Control kSize = Control::结果_清理大小;
constexpr Control kUnit = Control::结果_大小单位;

void SetSize(MainWindow& window, double size) { window.WriteText(kSize, RealToText(size)); }

double Size(const MainWindow& window) { return TextToReal(window.ReadText(kSize)); }

// Moves the unit from `from` to `to` when the total's whole part passes 1024.
void Promote(MainWindow& window, const char* from, const char* to) {
  if (window.ReadText(kUnit) != from || TextToInteger(window.ReadText(kSize)) <= 1024) return;
  window.WriteText(kUnit, to);
  SetSize(window, RoundPlaces(Size(window) / 1024.0, 5));
}

}  // namespace

void CountDeletion(MainWindow& window) {
  auto lock = window.Lock();
  const std::int32_t n = TextToInteger(window.ReadText(kCount));
  window.WriteText(kCount, RealToText(n + 1.0));
}

void AddFreedSize(MainWindow& window, std::int64_t kilobytes) {
  auto lock = window.Lock();
  const double k = static_cast<double>(kilobytes);
  // The unit is read afresh at every step, so a promotion is seen by the next one.
  if (window.ReadText(kUnit) == "Kb") SetSize(window, Size(window) + k);
  if (window.ReadText(kUnit) == "Mb") SetSize(window, Size(window) + RoundPlaces(k / 1024.0, 5));
  if (window.ReadText(kUnit) == "Gb")
    SetSize(window, Size(window) + RoundPlaces(k / 1048576.0, 5));
  Promote(window, "Kb", "Mb");
  Promote(window, "Mb", "Gb");
}

}  // namespace sweep
