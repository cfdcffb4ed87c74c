#pragma once
// A folder of its own for a test's real files, removed with everything in it
// (read-only files and folders too) when the test ends; the process's working
// folder, which the program's file dialogs move, is put back first, so that
// no later test starts in a folder that is gone. Also the bytes of a file,
// read and written whole.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace orn::test {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::error_code ec;
    workingFolder_ = std::filesystem::current_path(ec);
    static int counter = 0;
    dir_ = std::filesystem::temp_directory_path() /
           ("orn_test_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~ScratchFolder() {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!workingFolder_.empty()) fs::current_path(workingFolder_, ec);
    fs::permissions(dir_, fs::perms::owner_all, ec);
    for (fs::recursive_directory_iterator it(dir_, ec), end; !ec && it != end; it.increment(ec))
      fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::filesystem::path path(const std::string& name) const { return dir_ / name; }
  const std::filesystem::path& dir() const { return dir_; }

 private:
  std::filesystem::path workingFolder_;
  std::filesystem::path dir_;
};

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace orn::test
