// What the portable core needs from the system it runs on. Each back-end (posix, win32)
// implements this header in its own folder; the build picks one. Nothing here throws:
// a file operation that fails says so with its result.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "text/text.h"

namespace sweep::platform {

// A file's name exactly as the file system holds it: raw bytes on POSIX, UTF-16 on
// Windows. Deletion always uses this form, never the Text shown in the window, so a name
// that the program's code page cannot hold can never turn into another file's name.
#if defined(_WIN32)
using NativeName = std::wstring;
inline constexpr char kPathSeparator = '\\';
#else
using NativeName = std::string;
inline constexpr char kPathSeparator = '/';
#endif

struct FileEntry {
  NativeName native;  // for sizing and deleting
  Text text;          // for showing and for the type filter, in the program's code page
};

// One opened folder. Everything after Open happens in the folder that was opened, even
// when its path is renamed or replaced meanwhile. NextFile belongs to one thread at a
// time; FileSize and Remove may be called from any thread.
class Folder {
 public:
  // The folder that path names, or nullptr when it names no existing folder (an empty
  // path included).
  static std::unique_ptr<Folder> Open(const Text& path);
  ~Folder();
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  // The next entry that is not a folder (nor a link to one), in the order the system
  // delivers them; hidden and read-only files are included. False at the end, or at the
  // first failure; the listing is closed then.
  bool NextFile(FileEntry& entry);

  // The entry's size in bytes (a link's own size, not its target's); -1 when it is gone.
  std::int64_t FileSize(const NativeName& name) const;

  // Deletes the entry (a link itself, never its target; never a folder). True when it
  // was deleted.
  bool Remove(const NativeName& name) const;

 private:
  struct Impl;
  explicit Folder(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

// A Text in the program's code page from UTF-8 source text (captions, status texts).
Text TextFromUtf8(std::string_view utf8);

}  // namespace sweep::platform
