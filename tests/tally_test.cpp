#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "cleaning/cleaning.h"

namespace sweep {
namespace {

constexpr Control kSize = Control::结果_清理大小;
constexpr Control kUnit = Control::结果_大小单位;
constexpr Control kCount = Control::结果_已经删除;

struct Step {
  std::int64_t kilobytes;
  const char* size;
  const char* unit;
};

struct Sequence {
  const char* what;
  const char* startSize;
  const char* startUnit;
  std::vector<Step> steps;
};

TEST(AddFreedSize, FollowsTheTotalThroughItsUnits) {
  const Sequence sequences[] = {
      {"up to 1024 Kb stays in Kb, 1025 moves to Mb", "0", "Kb",
       {{500, "500", "Kb"}, {524, "1024", "Kb"}, {1, "1.00098", "Mb"}, {1, "1.00196", "Mb"}}},
      {"one large file moves through Mb to Gb in one call", "0", "Kb",
       {{2000000, "1.90735", "Gb"}}},
      {"Mb adds kilobytes / 1024", "1.5", "Mb", {{512, "2", "Mb"}}},
      {"Gb drops what rounds below 5 places", "1.5", "Gb", {{5, "1.5", "Gb"}, {6, "1.50001", "Gb"}}},
      {"Mb moves to Gb past 1024", "1024", "Mb", {{1024, "1.00098", "Gb"}}},
      {"the whole part decides: 1024.5 stays", "1024.5", "Kb", {{0, "1024.5", "Kb"}}},
      {"no unit above Gb", "1024", "Gb", {{1048576, "1025", "Gb"}}},
      {"a unit it does not know changes nothing", "7", "KB", {{100, "7", "KB"}}},
      {"files under 1 Kb add nothing", "3", "Kb", {{0, "3", "Kb"}}},
  };
  for (const Sequence& sequence : sequences) {
    SCOPED_TRACE(sequence.what);
    MainWindow window;
    window.WriteText(kSize, sequence.startSize);
    window.WriteText(kUnit, sequence.startUnit);
    for (const Step& step : sequence.steps) {
      AddFreedSize(window, step.kilobytes);
      EXPECT_EQ(window.ReadText(kSize), step.size) << "after adding " << step.kilobytes;
      EXPECT_EQ(window.ReadText(kUnit), step.unit) << "after adding " << step.kilobytes;
    }
  }
}

TEST(CountDeletion, CountsOnFromWhatTheLabelShows) {
  const struct {
    const char* before;
    const char* after;
  } cases[] = {{"0", "1"}, {"41", "42"}, {"", "1"}, {"abc", "1"}, {"999999", "1000000"}};
  for (const auto& c : cases) {
    MainWindow window;
    window.WriteText(kCount, c.before);
    CountDeletion(window);
    EXPECT_EQ(window.ReadText(kCount), c.after) << "from \"" << c.before << "\"";
  }
}

// Two workers counting at once must not lose an update: each read-compute-write of the
// label texts is one step for the other worker.
TEST(CountDeletion, TwoWorkersLoseNoUpdate) {
  constexpr int kPerWorker = 5000;
  MainWindow shared;
  auto work = [&shared] {
    for (int i = 0; i < kPerWorker; ++i) {
      CountDeletion(shared);
      AddFreedSize(shared, 3);
    }
  };
  std::thread first(work), second(work);
  first.join();
  second.join();

  MainWindow alone;
  for (int i = 0; i < 2 * kPerWorker; ++i) AddFreedSize(alone, 3);
  EXPECT_EQ(shared.ReadText(kCount), std::to_string(2 * kPerWorker));
  EXPECT_EQ(shared.ReadText(kSize), alone.ReadText(kSize));
  EXPECT_EQ(shared.ReadText(kUnit), alone.ReadText(kUnit));
}

}  // namespace
}  // namespace sweep
