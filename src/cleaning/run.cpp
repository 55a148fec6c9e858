#include "cleaning/run.h"

#include "cleaning/cleaning.h"

namespace sweep {

CleaningRuns::CleaningRuns(MainWindow& window) : window_(window) {}

CleaningRuns::~CleaningRuns() { StopAndWait(); }

CleaningRuns::StartResult CleaningRuns::Start() {
  // The folder is read once: the whole run lists, sizes and deletes in this folder,
  // whatever the folder box says later. It is read before mutex_ is taken, so that
  // mutex_ is never held while waiting for the window.
  const Text folderText = window_.ReadText(Control::输入_清理目录);
  std::lock_guard lock(mutex_);
  if (active_.load()) return StartResult::Busy;
  std::shared_ptr<platform::Folder> folder = platform::Folder::Open(folderText);
  if (!folder) return StartResult::NoFolder;
  if (worker_.joinable()) worker_.join();  // the previous run has ended
  stop_ = false;
  // Stop takes no lock, so that a worker may call it; read again after clearing stop_,
  // a Stop that came meanwhile is either seen here or seen by the worker.
  if (stopped_.load()) return StartResult::Busy;
  active_ = true;
  worker_ = std::thread([this, folder = std::move(folder)] {
    // One click lists, then deletes what the list holds: the deletion begins only when
    // the scan has ended, so it takes in every row the scan appended.
    FolderScan(window_, folder, stop_);
    if (!stop_.load()) DeleteListed(window_, stop_);
    active_ = false;
  });
  return StartResult::Started;
}

void CleaningRuns::Stop() {
  stopped_ = true;
  stop_ = true;
}

void CleaningRuns::StopAndWait() {
  Stop();
  Wait();
}

void CleaningRuns::Wait() {
  std::lock_guard lock(mutex_);
  if (worker_.joinable()) worker_.join();
}

}  // namespace sweep
