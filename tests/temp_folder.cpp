#include "temp_folder.h"

#include <fstream>
#include <random>

namespace sweep::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::random_device random;
  for (;;) {
    path_ = fs::temp_directory_path() / ("foldersweep-test-" + std::to_string(random()));
    if (fs::create_directory(path_)) break;
  }
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string TempFolder::Text() const {
  return path_.string() + static_cast<char>(fs::path::preferred_separator);
}

void TempFolder::MakeFile(const std::string& name, std::uintmax_t bytes) const {
  std::ofstream(path_ / name, std::ios::binary).close();
  if (bytes) fs::resize_file(path_ / name, bytes);
}

void TempFolder::MakeFolder(const std::string& name) const { fs::create_directory(path_ / name); }

bool TempFolder::Exists(const std::string& name) const {
  std::error_code ignored;
  return fs::exists(fs::symlink_status(path_ / name, ignored));
}

}  // namespace sweep::testing
