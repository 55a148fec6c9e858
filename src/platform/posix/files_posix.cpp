#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/platform.h"

namespace sweep::platform {

struct Folder::Impl {
  int fd = -1;            // the folder itself, for sizing and deleting
  DIR* listing = nullptr; // a second descriptor of it, owned by the listing

  ~Impl() {
    if (listing) closedir(listing);
    if (fd >= 0) close(fd);
  }
};

Folder::Folder(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Folder::~Folder() = default;

std::unique_ptr<Folder> Folder::Open(const Text& path) {
  if (path.empty()) return nullptr;
  auto impl = std::make_unique<Impl>();
  impl->fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (impl->fd < 0) return nullptr;
  int listingFd = fcntl(impl->fd, F_DUPFD_CLOEXEC, 0);
  if (listingFd < 0) return nullptr;
  impl->listing = fdopendir(listingFd);
  if (!impl->listing) {
    close(listingFd);
    return nullptr;
  }
  return std::unique_ptr<Folder>(new Folder(std::move(impl)));
}

static bool IsFolderEntry(int folderFd, const dirent& entry) {
  struct stat st;
  switch (entry.d_type) {
    case DT_DIR:
      return true;
    case DT_LNK:
    case DT_UNKNOWN:
      // Follows a link: a link to a folder counts as a folder and is left alone.
      // A dangling link is a file.
      return fstatat(folderFd, entry.d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
    default:
      return false;
  }
}

bool Folder::NextFile(FileEntry& entry) {
  if (!impl_->listing) return false;
  while (const dirent* e = readdir(impl_->listing)) {
    if (IsFolderEntry(impl_->fd, *e)) continue;
    entry.native = e->d_name;
    entry.text = entry.native;
    return true;
  }
  closedir(impl_->listing);
  impl_->listing = nullptr;
  return false;
}

std::int64_t Folder::FileSize(const NativeName& name) const {
  struct stat st;
  if (fstatat(impl_->fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return -1;
  return static_cast<std::int64_t>(st.st_size);
}

bool Folder::Remove(const NativeName& name) const {
  // Without AT_REMOVEDIR, unlinkat refuses folders: a name that turned into a folder
  // since it was listed stays.
  return !name.empty() && unlinkat(impl_->fd, name.c_str(), 0) == 0;
}

}  // namespace sweep::platform
