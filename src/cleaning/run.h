// The Start command and the cleaning run it starts: one run at a time, on a worker thread.
// A run scans the folder (deleting at once in direct mode, listing in visual mode) and
// then deletes the files the list holds.
#pragma once

#include <atomic>
#include <mutex>
#include <thread>

#include "app/main_window.h"

namespace sweep {

class CleaningRuns {
 public:
  explicit CleaningRuns(MainWindow& window);
  ~CleaningRuns();  // stops a run in progress and waits for it
  CleaningRuns(const CleaningRuns&) = delete;
  CleaningRuns& operator=(const CleaningRuns&) = delete;

  enum class StartResult { Started, Busy, NoFolder };

  // The click on Start: starts a run over the folder the folder box names and returns at
  // once. Nothing starts while a run is in progress, or when the box names no folder, or
  // once Stop has been called.
  StartResult Start();

  bool Active() const { return active_.load(); }

  // For the closing window: a run in progress ends after the file in hand, and no run
  // starts any more. Returns at once.
  void Stop();

  // Stop, and wait for the run to end. Nothing is deleted once this has returned.
  void StopAndWait();

  // Waits until a run in progress has ended by itself.
  void Wait();

 private:
  MainWindow& window_;
  std::mutex mutex_;  // guards worker_
  std::thread worker_;
  std::atomic<bool> active_{false};
  std::atomic<bool> stop_{false};
  std::atomic<bool> stopped_{false};
};

}  // namespace sweep
