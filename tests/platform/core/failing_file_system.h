#pragma once
// A file system that fails at a chosen call, and the check every save of the
// program goes through with it: whichever call of the save fails, the old
// file stays whole and no temporary file is left beside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "platform/core/file_replace.h"

namespace orn::test {

// Counts the calls a save makes and fails the one numbered `failAt` (from
// 1; 0 fails none) with `error`. A failing write may first take part of the
// data, as a disk that fills up half-way does.
class FailingFileSystem : public SaveFileSystem {
 public:
  explicit FailingFileSystem(int failAt = 0, int error = EIO) : failAt_(failAt), error_(error) {}
  int calls() const { return calls_; }

  int makeTemp(std::string& t) override { return fail() ? -1 : SaveFileSystem::makeTemp(t); }
  long write(int fd, const std::uint8_t* data, std::size_t size) override {
    if (fail()) return -1;
    // Writes in small pieces, so that a save must loop until all is written.
    return SaveFileSystem::write(fd, data, std::min<std::size_t>(size, 100));
  }
  int setMode(int fd, unsigned mode) override { return fail() ? -1 : SaveFileSystem::setMode(fd, mode); }
  int sync(int fd) override { return fail() ? -1 : SaveFileSystem::sync(fd); }
  int rename(const std::string& from, const std::string& to) override {
    return fail() ? -1 : SaveFileSystem::rename(from, to);
  }
  int close(int fd) override {
    // The descriptor is let go even when closing reports a failure.
    const bool f = fail();
    const int r = SaveFileSystem::close(fd);
    return f ? -1 : r;
  }
  // Removing is how a failed save cleans up: it never fails here.
  int remove(const std::string& path) override { return SaveFileSystem::remove(path); }

 private:
  bool fail() {
    if (++calls_ != failAt_) return false;
    errno = error_;
    return true;
  }
  int failAt_;
  int error_;
  int calls_ = 0;
};

inline std::vector<char> FileBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline std::vector<std::string> FolderEntries(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Runs `save` (which writes `file` through the file system it is given and
// says whether it succeeded) once with every one of its calls failing in
// turn, each time over the old contents `old`. After every failure the old
// file is whole; after every reported success the file holds what a save
// without failure writes; never is anything else left in the folder.
inline void ExpectEveryFailureKeepsTheOldFile(const std::filesystem::path& file, const std::string& old,
                                              const std::function<bool(SaveFileSystem&)>& save) {
  const auto restore = [&] {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << old;
  };
  restore();
  const auto before = FolderEntries(file.parent_path());
  FailingFileSystem counting;
  ASSERT_TRUE(save(counting)) << "a save without failures must succeed";
  const std::vector<char> saved = FileBytes(file);
  ASSERT_NE(saved, std::vector<char>(old.begin(), old.end())) << "the save must change the file";
  ASSERT_GE(counting.calls(), 5);  // create, write, permissions, flush, rename at least

  for (int n = 1; n <= counting.calls(); ++n) {
    for (int error : {EIO, ENOSPC}) {
      SCOPED_TRACE("call " + std::to_string(n) + " fails with " + std::to_string(error));
      restore();
      FailingFileSystem failing(n, error);
      const bool ok = save(failing);
      if (ok) {
        EXPECT_EQ(FileBytes(file), saved);
      } else {
        EXPECT_EQ(FileBytes(file), std::vector<char>(old.begin(), old.end()));
      }
      EXPECT_EQ(FolderEntries(file.parent_path()), before);
    }
  }
}

}  // namespace orn::test
