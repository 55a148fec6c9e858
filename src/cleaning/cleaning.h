// Cleaning a folder: which files go, deleting or listing them, and the figures shown for
// what was deleted.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "app/main_window.h"
#include "platform/platform.h"
#include "text/text.h"

namespace sweep {

// True when the file of that bare name is one to remove, by the window's choices now:
// every file with "全部删除", else a file whose suffix is of a checked type.
bool TypeFilter(const MainWindow& window, std::string_view name,
                CodePage cp = ProgramCodePage());

// The size column's value: bytes in kilobytes, rounded to 5 places, single precision.
float Kilobytes(std::int64_t bytes);

// The last three bytes of a name (the whole name when it is shorter).
Text LastThreeBytes(const Text& name);

// One file more in the count of deleted files.
void CountDeletion(MainWindow& window);

// Adds one file's freed size, in whole kilobytes, to the freed size in its unit, and
// moves the unit up (Kb, Mb, Gb) when the total passes 1024.
void AddFreedSize(MainWindow& window, std::int64_t kilobytes);

// Goes through the folder's files once: each that TypeFilter takes is deleted at once in
// direct mode, or listed with its suffix and size in visual mode. The mode and the types
// are read again for every file. Stops before the next file once stop is set.
void FolderScan(MainWindow& window, const std::shared_ptr<platform::Folder>& folder,
                const std::atomic<bool>& stop);

// The status a listed row gets when its file was deleted, and when it was not.
const Text& DeletedStatus();
const Text& NotDeletedStatus();

// Deletes the files the list holds when it begins, row by row: each from the folder it
// was listed from, each row marked with its status, each deletion counted and its size
// (as the size column shows it) added to the freed size. Rows already deleted are
// passed over; rows that failed are tried again. The progress bar moves every ten rows.
// Stops before the next row once stop is set.
void DeleteListed(MainWindow& window, const std::atomic<bool>& stop);

}  // namespace sweep
