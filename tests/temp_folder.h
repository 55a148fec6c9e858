// A real folder for a test, removed with everything in it when the test ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace sweep::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as the folder box holds it: ending in the separator.
  std::string Text() const;

  // A file of that many bytes (the name is raw bytes).
  void MakeFile(const std::string& name, std::uintmax_t bytes = 0) const;
  void MakeFolder(const std::string& name) const;
  bool Exists(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace sweep::testing
