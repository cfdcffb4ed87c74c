#pragma once
// A folder of its own for a test's real files, removed with everything in it
// (read-only files and folders too) when the test ends.
#include <unistd.h>

#include <filesystem>
#include <string>

namespace orn::test {

class ScratchFolder {
 public:
  ScratchFolder() {
    static int counter = 0;
    dir_ = std::filesystem::temp_directory_path() /
           ("orn_pic_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~ScratchFolder() {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, ec);
    for (fs::recursive_directory_iterator it(dir_, ec), end; !ec && it != end; it.increment(ec))
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }
  std::filesystem::path path(const std::string& name) const { return dir_ / name; }
  const std::filesystem::path& dir() const { return dir_; }

 private:
  std::filesystem::path dir_;
};

}  // namespace orn::test
