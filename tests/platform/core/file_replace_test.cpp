// Saving over a file: failures at every step, a save killed half-way, files
// the user may not write, permissions and links.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/core/failing_file_system.h"
#include "platform/core/file_replace.h"
#include "support/scratch_folder.h"

namespace orn {
namespace {

namespace fs = std::filesystem;
using test::FileBytes;
using test::FolderEntries;

std::vector<std::uint8_t> Text(const std::string& s) { return {s.begin(), s.end()}; }

std::vector<char> Chars(const std::string& s) { return {s.begin(), s.end()}; }

unsigned ModeOf(const fs::path& p) {
  struct stat st {};
  ::stat(p.c_str(), &st);
  return st.st_mode & 07777;
}

TEST(FileReplace, WhicheverCallFailsTheOldFileStaysWholeAndNoTemporaryIsLeft) {
  test::ScratchFolder folder;
  const fs::path file = folder.path("ROSE.PNT");
  const std::vector<std::uint8_t> fresh(1000, 0x42);  // ten pieces of the stand-in's writes
  test::ExpectEveryFailureKeepsTheOldFile(file, std::string(300, 'o'), [&](SaveFileSystem& files) {
    const auto e = ReplaceFile(file, fresh, files);
    if (e) {
      EXPECT_NE(e->find("ROSE.PNT"), std::string::npos) << *e;
    }
    return !e.has_value();
  });
}

TEST(FileReplace, TheNextSaveRemovesTheWholeTemporaryOfAKilledSaveAndNothingElse) {
  test::ScratchFolder folder;
  const fs::path file = folder.path("ROSE.PNT");
  std::ofstream(file) << "old";

  // A save killed after writing its temporary in full, just before the rename.
  class KilledBeforeRename : public SaveFileSystem {
    int rename(const std::string&, const std::string&) override { ::_exit(0); }
  };
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    KilledBeforeRename killed;
    ReplaceFile(file, Text("new contents"), killed);
    ::_exit(1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  std::vector<std::string> left = FolderEntries(folder.dir());
  ASSERT_EQ(left.size(), 2u);
  const std::string stale = left[0];
  EXPECT_TRUE(IsSaveTemporaryOf(stale, "ROSE.PNT")) << stale;
  EXPECT_EQ(FileBytes(folder.path(stale)), Chars("new contents"));
  EXPECT_EQ(FileBytes(file), Chars("old"));

  // Files that only look alike, and a temporary another save holds locked.
  const std::vector<std::string> others = {".ROSE.PNT.saving-ab12", ".ROSE.PNT.saving-ab-123", ".ROSE.PNT.kept1x",
                                           ".LILY.PNT.saving-ab1234", "ROSE.PNT.saving-ab1234", ".ROSE.PNT.saving-busy01"};
  for (const std::string& name : others) std::ofstream(folder.path(name)) << "mine";
  const int busy = ::open(folder.path(".ROSE.PNT.saving-busy01").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(busy, LOCK_EX), 0);

  ASSERT_EQ(ReplaceFile(file, Text("newer")), std::nullopt);
  ::close(busy);
  EXPECT_EQ(FileBytes(file), Chars("newer"));
  std::vector<std::string> want = others;
  want.push_back("ROSE.PNT");
  std::sort(want.begin(), want.end());
  EXPECT_EQ(FolderEntries(folder.dir()), want);
  for (const std::string& name : others) EXPECT_EQ(FileBytes(folder.path(name)), Chars("mine")) << name;
}

TEST(FileReplace, AFileTheUserMayNotWriteIsRefusedAndKept) {
  test::ScratchFolder folder;
  const fs::path file = folder.path("KEEP.PNT");
  std::ofstream(file) << "precious";
  ::chmod(file.c_str(), 0444);
  const auto e = ReplaceFile(file, Text("overwritten"));
  ASSERT_TRUE(e.has_value());
  EXPECT_NE(e->find("KEEP.PNT"), std::string::npos);
  EXPECT_NE(e->find("read-only"), std::string::npos) << *e;
  EXPECT_EQ(FileBytes(file), Chars("precious"));
  EXPECT_EQ(ModeOf(file), 0444u);
  EXPECT_EQ(FolderEntries(folder.dir()), std::vector<std::string>{"KEEP.PNT"});

  fs::create_directory(folder.path("DIR.PNT"));
  EXPECT_TRUE(ReplaceFile(folder.path("DIR.PNT"), Text("x")).has_value());
  EXPECT_TRUE(fs::is_directory(folder.path("DIR.PNT")));
}

TEST(FileReplace, KeepsTheOldPermissionsGivesNewFilesTheUsualOnesAndFollowsLinks) {
  test::ScratchFolder folder;
  const fs::path file = folder.path("PRIVATE.PNT");
  std::ofstream(file) << "a";
  ::chmod(file.c_str(), 0600);
  ASSERT_EQ(ReplaceFile(file, Text("b")), std::nullopt);
  EXPECT_EQ(ModeOf(file), 0600u);

  const mode_t mask = ::umask(022);
  ASSERT_EQ(ReplaceFile(folder.path("NEW.PNT"), Text("c")), std::nullopt);
  ::umask(mask);
  EXPECT_EQ(ModeOf(folder.path("NEW.PNT")), 0644u);

  fs::create_symlink(file, folder.path("LINK.PNT"));
  ASSERT_EQ(ReplaceFile(folder.path("LINK.PNT"), Text("through the link")), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(folder.path("LINK.PNT")));
  EXPECT_EQ(FileBytes(file), Chars("through the link"));
}

}  // namespace
}  // namespace orn
