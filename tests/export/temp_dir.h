// A fresh directory under the system's temporary directory (or another), removed with everything
// in it.
#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace ss::test {

class TempDir {
public:
  explicit TempDir(const std::filesystem::path &base = std::filesystem::temp_directory_path()) {
    std::random_device rd;
    path_ = base / ("simple-span-export-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;

  const std::filesystem::path &path() const { return path_; }
  std::string operator/(const std::string &name) const { return (path_ / name).string(); }

private:
  std::filesystem::path path_;
};

} // namespace ss::test
