// Saving over a file: failures at every step, a save killed half-way, files
// the user may not write, permissions and links.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
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
  EXPECT_TRUE(IsSaveTemporary(stale)) << stale;
  EXPECT_EQ(FileBytes(folder.path(stale)), Chars("new contents"));
  EXPECT_EQ(FileBytes(file), Chars("old"));

  // Files that only look alike, and a temporary another save holds locked.
  const std::vector<std::string> others = {".ornivale-save-ab12", ".ornivale-save-ab-123", ".ornivale-save-ab12345",
                                           "ornivale-save-ab1234", ".ROSE.PNT.kept1x", ".ornivale-save-busy01"};
  for (const std::string& name : others) std::ofstream(folder.path(name)) << "mine";
  const int busy = ::open(folder.path(".ornivale-save-busy01").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(busy, LOCK_EX), 0);

  // The next save into the folder, of whatever file, clears the stale one.
  ASSERT_EQ(ReplaceFile(folder.path("LILY.PNT"), Text("newer")), std::nullopt);
  ::close(busy);
  EXPECT_EQ(FileBytes(folder.path("LILY.PNT")), Chars("newer"));
  std::vector<std::string> want = others;
  want.push_back("LILY.PNT");
  want.push_back("ROSE.PNT");
  std::sort(want.begin(), want.end());
  EXPECT_EQ(FolderEntries(folder.dir()), want);
  for (const std::string& name : others) EXPECT_EQ(FileBytes(folder.path(name)), Chars("mine")) << name;
}

// Names as long as the folder allows are saved: the temporary's name does
// not grow with the target's.
TEST(FileReplace, TheLongestNamesTheFolderAllowsAreSaved) {
  test::ScratchFolder folder;
  for (const std::size_t length : {std::size_t(241), std::size_t(255)}) {
    const fs::path file = folder.path(std::string(length - 4, 'n') + ".PNT");
    ASSERT_EQ(ReplaceFile(file, Text("first")), std::nullopt) << length;
    ASSERT_EQ(ReplaceFile(file, Text("second")), std::nullopt) << length;
    EXPECT_EQ(FileBytes(file), Chars("second"));
  }
  EXPECT_EQ(FolderEntries(folder.dir()).size(), 2u) << "no temporary is left";
}

// Two saves of one file at the same moment: the second starts (in a process
// of its own) just after the first made its temporary and before it could
// lock it, and clears stale temporaries then. Both saves succeed; the file
// holds the one that finished last.
TEST(FileReplace, TwoSavesOfOneFileAtTheSameMomentBothSucceed) {
  test::ScratchFolder folder;
  const fs::path file = folder.path("ROSE.PNT");
  class SecondSaveMeanwhile : public SaveFileSystem {
   public:
    explicit SecondSaveMeanwhile(fs::path file) : file_(std::move(file)) {}
    int makeTemp(std::string& t) override {
      const int fd = SaveFileSystem::makeTemp(t);
      if (secondSave_ != -1) return fd;
      const pid_t child = ::fork();
      if (child == 0) ::_exit(ReplaceFile(file_, Text("second save")) ? 1 : 0);
      int status = 0;
      ::waitpid(child, &status, 0);
      secondSave_ = WIFEXITED(status) ? WEXITSTATUS(status) : 2;
      return fd;
    }
    int secondSave_ = -1;  // the second save's exit: 0 when it succeeded

   private:
    fs::path file_;
  } meanwhile(file);

  ASSERT_EQ(ReplaceFile(file, Text("first save"), meanwhile), std::nullopt);
  EXPECT_EQ(meanwhile.secondSave_, 0);
  EXPECT_EQ(FileBytes(file), Chars("first save"));
  EXPECT_EQ(FolderEntries(folder.dir()), std::vector<std::string>{"ROSE.PNT"});
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

TEST(FileReplace, KeepsTheOldPermissionsGivesNewFilesTheUsualOnesAndFollowsOrReplacesLinks) {
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

  // The program's own files: the link gives way, the file it named is untouched.
  ASSERT_EQ(ReplaceFile(folder.path("LINK.PNT"), Text("own"), RealFileSystem(), AtLink::Replace), std::nullopt);
  EXPECT_FALSE(fs::is_symlink(folder.path("LINK.PNT")));
  EXPECT_EQ(FileBytes(folder.path("LINK.PNT")), Chars("own"));
  EXPECT_EQ(FileBytes(file), Chars("through the link"));
  EXPECT_EQ(ModeOf(file), 0600u);
}

// A copy is whole or not there: whichever call fails, the old file stays.
// A whole copy has the original's time and permissions, with the user's own
// write added; it replaces a read-only file or a link under its name.
TEST(FileCopy, CopiesWholeWithTheTimeAndReplacesWhateverStandsThere) {
  test::ScratchFolder folder;
  const fs::path from = folder.path("installed.pnt");
  std::ofstream(from) << std::string(1000, 's');
  ::chmod(from.c_str(), 0444);
  const auto time = fs::last_write_time(from) - std::chrono::hours(50);
  fs::last_write_time(from, time);
  fs::create_directory(folder.path("app"));
  const fs::path to = folder.path("app") / "OVPP1A.PNT";
  test::ExpectEveryFailureKeepsTheOldFile(to, "cut", [&](SaveFileSystem& files) { return !CopyFileReplacing(from, to, files); });

  ::chmod(to.c_str(), 0400);
  ASSERT_FALSE(CopyFileReplacing(from, to));
  EXPECT_EQ(FileBytes(to), std::vector<char>(1000, 's'));
  EXPECT_EQ(fs::last_write_time(to), time);
  EXPECT_EQ(ModeOf(to), 0644u);

  const fs::path elsewhere = folder.path("elsewhere");
  std::ofstream(elsewhere) << "keep";
  fs::remove(to);
  fs::create_symlink(elsewhere, to);
  ASSERT_FALSE(CopyFileReplacing(from, to));
  EXPECT_FALSE(fs::is_symlink(to));
  EXPECT_EQ(FileBytes(elsewhere), Chars("keep"));
  EXPECT_EQ(CopyFileReplacing(folder.path("gone"), to), std::errc::no_such_file_or_directory);
}

}  // namespace
}  // namespace orn
