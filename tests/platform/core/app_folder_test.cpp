#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <functional>

#include "platform/core/app_folder.h"
#include "support/scratch_folder.h"
#include "support/small_disk.h"

namespace orn {
namespace {

class TempDir : public ::testing::Test {
 protected:
  static void write(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << text;
  }
  static std::string read(const fs::path& p) {
    std::ifstream in(p);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  test::ScratchFolder scratch;
  const fs::path& root = scratch.dir();
};

using ProgramFolder = TempDir;
using NoCaseNames = TempDir;

// What a refusal says is wrong, without what it says to do about it.
std::string causeOf(const std::string& error) { return error.substr(0, error.find(". ")); }

TEST(ProgramFolderPlace, FollowsXdgDataHomeOrTheHomeFolder) {
  EXPECT_EQ(userProgramFolder("/data/x", "/home/u"), fs::path("/data/x/ornivale"));
  EXPECT_EQ(userProgramFolder(nullptr, "/home/u"), fs::path("/home/u/.local/share/ornivale"));
  for (const char* ignored : {"", "rel/dir"})  // empty or relative: not a valid XDG_DATA_HOME
    EXPECT_EQ(userProgramFolder(ignored, "/home/u"), fs::path("/home/u/.local/share/ornivale"));
  // Without HOME (cron, a service, env -i) the home is the account's own, never a shared folder.
  const passwd* account = ::getpwuid(::geteuid());
  ASSERT_NE(account, nullptr);
  EXPECT_EQ(accountHome(), fs::path(account->pw_dir));
  // A relative HOME would name a folder under wherever the program was
  // started from: the account's home serves, as without HOME.
  for (const char* unset : {static_cast<const char*>(nullptr), "", "relhome", "./home/u"})
    EXPECT_EQ(userProgramFolder(nullptr, unset), fs::path(account->pw_dir) / ".local/share/ornivale") << unset;
  EXPECT_EQ(withTrailingSeparator("/home/u/x"), "/home/u/x/");
  EXPECT_EQ(withTrailingSeparator("/home/u/x/"), "/home/u/x/");
}

TEST_F(ProgramFolder, FirstStartCreatesAndSeedsItOnce) {
  const fs::path installed = root / "share" / "ornivale";
  write(installed / "Standard.Clr", "colours");
  write(installed / "OVMOD4A.PNT", "sample");
  write(installed / "help" / "1000.html", "<p>help</p>");
  const fs::path folder = root / "user" / "ornivale";

  AppFolderResult first = prepareAppFolder(folder, installed);
  ASSERT_EQ(first.state, FolderState::Created) << first.error;
  for (auto [name, text] : {std::pair{"Standard.Clr", "colours"}, {"OVMOD4A.PNT", "sample"}, {"help/1000.html", "<p>help</p>"}})
    EXPECT_EQ(read(folder / name), text) << name;

  // The user's changes survive later starts: nothing is copied again.
  write(folder / "Standard.Clr", "mine");
  fs::create_directories(folder / "STATIC");
  fs::rename(folder / "OVMOD4A.PNT", folder / "STATIC" / "OVMOD4A.PNT");
  EXPECT_EQ(prepareAppFolder(folder, installed).state, FolderState::Existing);
  EXPECT_EQ(read(folder / "Standard.Clr"), "mine");
  EXPECT_FALSE(fs::exists(folder / "OVMOD4A.PNT"));

  // No half-built folder is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(root / "user"), fs::directory_iterator()), 1);
}

// The build folders of first starts beside `folder`: real folders (not
// links) named as a build is.
int buildsBeside(const fs::path& folder) {
  int n = 0;
  for (const auto& e : fs::directory_iterator(folder.parent_path())) {
    const std::string name = e.path().filename().string(), mark = folder.filename().string() + ".new-";
    n += name.size() > mark.size() && name.rfind(mark, 0) == 0 &&
         name.find_first_not_of("0123456789", mark.size()) == std::string::npos && e.is_directory() && !e.is_symlink();
  }
  return n;
}

enum class WhileCopying { Killed, Stopped };

// A first start in a process of its own, killed while it copies (by the
// system, when a copy passes the process's file size limit) or stopped
// there, holding its build as a start at work does.
pid_t firstStartElsewhere(const fs::path& folder, const fs::path& installed, WhileCopying fate) {
  const pid_t child = ::fork();
  if (child != 0) return child;
  class StopsWhileCopying : public SaveFileSystem {
    long write(int fd, const std::uint8_t* data, std::size_t size) override {
      ::raise(SIGSTOP);
      return SaveFileSystem::write(fd, data, size);
    }
  } stops;
  if (fate == WhileCopying::Stopped) {
    prepareAppFolder(folder, installed, stops);
    ::_exit(0);
  }
  const rlimit noCore{0, 0}, limit{5000, 5000};
  ::setrlimit(RLIMIT_CORE, &noCore);
  std::signal(SIGXFSZ, SIG_DFL);
  ::setrlimit(RLIMIT_FSIZE, &limit);
  prepareAppFolder(folder, installed);
  ::_exit(0);
}

// A first start killed while it copies leaves its build folder; the next
// start removes it, but not the build a running start holds, nor anything
// that is not a build of the program folder (a link under a build's name is
// not followed); once that start is gone, the next start removes its build.
TEST_F(ProgramFolder, AStartRemovesTheBuildsOfKilledFirstStartsButNotOneARunningStartHolds) {
  const fs::path installed = root / "share", folder = root / "user" / "ornivale";
  write(installed / "OVMOD4A.PNT", std::string(10000, 's'));
  write(installed / "help" / "1000.html", "page");
  fs::create_directories(folder.parent_path());
  int status = 0;
  const pid_t held = firstStartElsewhere(folder, installed, WhileCopying::Stopped);
  ::waitpid(held, &status, WUNTRACED);
  EXPECT_TRUE(WIFSTOPPED(status)) << status;
  const pid_t killed = firstStartElsewhere(folder, installed, WhileCopying::Killed);
  ::waitpid(killed, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "killed while copying: " << status;
  write(root / "mine" / "keep", "the user's");
  fs::create_directory_symlink(root / "mine", root / "user" / "ornivale.new-1");
  for (auto other : {"ornivale.new-x", "other.new-2", "ornivale.new-"}) fs::create_directories(root / "user" / other);
  EXPECT_EQ(buildsBeside(folder), 2);

  EXPECT_EQ(prepareAppFolder(folder, installed).state, FolderState::Created);
  EXPECT_EQ(buildsBeside(folder), 1) << "the running start's build stays";
  ::kill(held, SIGKILL);
  ::waitpid(held, &status, 0);
  EXPECT_EQ(prepareAppFolder(folder, installed).state, FolderState::Existing);
  EXPECT_EQ(buildsBeside(folder), 0);
  EXPECT_EQ(read(root / "mine" / "keep"), "the user's");
  for (auto other : {"ornivale.new-1", "ornivale.new-x", "other.new-2", "ornivale.new-"})
    EXPECT_TRUE(fs::exists(fs::symlink_status(root / "user" / other))) << other;
  EXPECT_EQ(read(folder / "OVMOD4A.PNT"), std::string(10000, 's'));
}

TEST_F(ProgramFolder, SeededCopiesOfReadOnlyDataAreWritable) {
  const fs::path installed = root / "ro";
  write(installed / "Standard.Clr", "colours");
  write(installed / "help" / "1000.html", "page");
  fs::permissions(installed / "Standard.Clr", fs::perms::owner_read | fs::perms::group_read);
  fs::permissions(installed / "help" / "1000.html", fs::perms::owner_read);
  fs::permissions(installed / "help", fs::perms::owner_read | fs::perms::owner_exec);
  const fs::path folder = root / "home" / "ornivale";

  ASSERT_EQ(prepareAppFolder(folder, installed).state, FolderState::Created);
  for (const fs::path& p : {folder / "Standard.Clr", folder / "help", folder / "help" / "1000.html"})
    EXPECT_NE(fs::status(p).permissions() & fs::perms::owner_write, fs::perms::none) << p;
  EXPECT_EQ(read(folder / "help" / "1000.html"), "page");
}

TEST_F(ProgramFolder, StartsEmptyWithoutInstalledDataAndReportsABlockedPlace) {
  const fs::path folder = root / "a" / "ornivale";
  AppFolderResult r = prepareAppFolder(folder, findInstalledData({root / "missing"}));
  ASSERT_EQ(r.state, FolderState::Created) << r.error;
  EXPECT_TRUE(fs::is_empty(folder));

  write(root / "b" / "ornivale", "a file in the way");
  AppFolderResult blocked = prepareAppFolder(root / "b" / "ornivale", std::nullopt);
  EXPECT_EQ(blocked.state, FolderState::Failed);
  EXPECT_FALSE(blocked.error.empty());
}

// The user must learn when the folder cannot be used, however it fails:
// made under a file, or existing but refusing new files (/proc refuses them
// even to the superuser).
TEST_F(ProgramFolder, AFolderThatCannotBeMadeOrWrittenSaysWhichAndWhy) {
  write(root / "file", "x");
  const AppFolderResult under = prepareAppFolder(root / "file" / "ornivale", std::nullopt);
  EXPECT_EQ(under.state, FolderState::Failed);
  EXPECT_NE(under.error.find((root / "file" / "ornivale").string()), std::string::npos) << under.error;
  EXPECT_NE(under.error.find("Not a directory"), std::string::npos) << under.error;

  // The process's own folder in /proc is the user's, and refuses new files.
  const fs::path own = fs::canonical("/proc/self");
  const AppFolderResult unwritable = prepareAppFolder(own, std::nullopt);
  EXPECT_EQ(unwritable.state, FolderState::Existing);
  EXPECT_EQ(unwritable.error.rfind("Cannot write into " + own.string() + ": ", 0), 0u) << unwritable.error;
  EXPECT_TRUE(folderWriteError(own));

  const AppFolderResult usable = prepareAppFolder(root / "ok", std::nullopt);
  EXPECT_EQ(usable.error, "");
  EXPECT_TRUE(fs::is_empty(root / "ok")) << "the trial file is removed again";
}

// A folder on a disk mounted read-only or full, or one the user may not
// write into, is used as it is; the user is told why nothing new can be kept
// there, and what to do.
TEST_F(ProgramFolder, AFolderThatCannotBeWrittenSaysWhyAndWhatToDo) {
  const fs::path disk = root / "disk";
  fs::create_directories(disk);
  const auto report = test::OnSmallDisk(disk, 64 * 1024, [&] {
    const fs::path folder = disk / "ornivale";
    write(folder / "Standard.Clr", "colours");
    std::string r;
    const auto tell = [&](const char* when) {
      const AppFolderResult got = prepareAppFolder(folder, std::nullopt);
      r += std::string(when) + ": " + (got.state == FolderState::Existing ? "used; " : "not used; ") + got.error + "\n";
    };
    if (::mount("tmpfs", disk.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=65536") != 0) return std::string("no remount");
    tell("read-only");
    if (::mount("tmpfs", disk.c_str(), "tmpfs", MS_REMOUNT, "size=65536") != 0) return std::string("no remount");
    std::ofstream fill(disk / "fill");
    for (const std::string block(4096, 'x'); fill << block && fill.flush();) {
    }
    tell("full");
    return r;
  });
  if (!report) GTEST_SKIP() << "no small disk can be mounted here (it needs the superuser or user namespaces)";
  const std::string folder = (disk / "ornivale").string();
  EXPECT_EQ(*report, "read-only: used; Cannot write into " + folder +
                         ": Read-only file system. Its disk is mounted read-only: mount it for writing, or set "
                         "XDG_DATA_HOME to a folder you can write into\n"
                         "full: used; Cannot write into " + folder + ": No space left on device. Make room on its disk\n");
  // The superuser may write anywhere: a folder the user may not write into
  // is told from the error alone.
  EXPECT_EQ(cannotWriteInto("/home/u/it's", EACCES),
            "Cannot write into /home/u/it's: Permission denied. Run chmod u+w '/home/u/it'\\''s' to let yourself "
            "write into it");
}

// A folder that someone else could change is not used: not one others may
// write into (where they could plant links for the program's settings to be
// written through), nor one in a folder where they could put their own in
// its place; nothing is made or written there. A sticky folder such as /tmp
// lets only an entry's owner move it, and the folders the program makes are
// the user's alone whatever the mask.
TEST_F(ProgramFolder, AFolderOthersCouldChangeIsRefusedAndLeftAlone) {
  const fs::path shared = root / "shared" / "ornivale";
  fs::create_directories(shared);
  ::chmod(shared.c_str(), 0777);
  write(root / "private", "the user's own");
  ::chmod((root / "private").c_str(), 0600);
  fs::create_symlink(root / "private", shared / "Ornisk.Dat");
  const AppFolderResult planted = prepareAppFolder(shared, root / "share");
  EXPECT_EQ(planted.state, FolderState::Failed);
  EXPECT_EQ(planted.error, "Cannot use " + shared.string() + ": other users may write into " + shared.string() +
                               ". Run chmod go-w '" + shared.string() + "' to take that away");
  EXPECT_EQ(read(root / "private"), "the user's own");
  EXPECT_EQ(std::distance(fs::directory_iterator(shared), fs::directory_iterator()), 1);

  const fs::path open = root / "open";
  fs::create_directories(open);
  ::chmod(open.c_str(), 0777);
  const AppFolderResult above = prepareAppFolder(open / "ornivale", std::nullopt);
  EXPECT_EQ(above.state, FolderState::Failed);
  EXPECT_NE(above.error.find("other users may write into " + open.string()), std::string::npos) << above.error;
  EXPECT_TRUE(fs::is_empty(open)) << "nothing is built there";

  ::chmod(open.c_str(), 01777);
  const mode_t mask = ::umask(0);
  const AppFolderResult sticky = prepareAppFolder(open / "a" / "ornivale", std::nullopt);
  ::umask(mask);
  EXPECT_EQ(sticky.state, FolderState::Created) << sticky.error;
  EXPECT_EQ(sticky.error, "");
  for (const fs::path& made : {open / "a", open / "a" / "ornivale"})
    EXPECT_EQ(fs::status(made).permissions() & (fs::perms::group_write | fs::perms::others_write), fs::perms::none);

  // Reached through a link, the folder is named by its real path.
  fs::create_symlink(open / "a", root / "link");
  EXPECT_EQ(prepareAppFolder(root / "link" / "ornivale", std::nullopt).folder, fs::canonical(open / "a" / "ornivale"));
}

TEST_F(ProgramFolder, AFolderOfAnotherUserIsRefused) {
  if (::geteuid() != 0) GTEST_SKIP() << "making a folder another user owns needs the superuser";
  const fs::path theirs = root / "theirs" / "ornivale";
  fs::create_directories(theirs);
  ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
  const AppFolderResult r = prepareAppFolder(theirs, std::nullopt);
  EXPECT_EQ(r.state, FolderState::Failed);
  EXPECT_EQ(causeOf(r.error), "Cannot use " + theirs.string() + ": " + theirs.string() + " belongs to another user");
  EXPECT_NE(r.error.find("Move it aside"), std::string::npos) << r.error;
  ASSERT_EQ(::chown(theirs.c_str(), 0, 0), 0);
  ASSERT_EQ(::chown(theirs.parent_path().c_str(), 65534, 65534), 0);
  EXPECT_NE(prepareAppFolder(theirs, std::nullopt).error.find(theirs.parent_path().string() + " belongs to another user"),
            std::string::npos);
}

// A link another user put into a shared folder could point the program at
// any folder of the user's: no link on the way to the program folder is
// followed unless it belongs to the user or the superuser, whether the folder
// it names exists or is still to be made, and nothing there is read, made or
// written.
TEST_F(ProgramFolder, ALinkOfAnotherUserOnTheWayIsNotFollowed) {
  if (::geteuid() != 0) GTEST_SKIP() << "a link another user owns needs the superuser";
  const fs::path shared = root / "shared";
  fs::create_directories(shared);
  ::chmod(shared.c_str(), 01777);  // sticky, as /tmp is
  const fs::path mine = root / "mine";
  write(mine / "Ornisk.Dat", "the user's own");
  write(root / "share" / "Ornisk.Dat", "installed");
  for (auto [link, to] : {std::pair{"ornivale", mine}, {"data", mine}, {"later", mine / "later"}}) {
    fs::create_symlink(to, shared / link);
    ASSERT_EQ(::lchown((shared / link).c_str(), 65534, 65534), 0);
  }
  for (auto [folder, link] : {std::pair{shared / "ornivale", shared / "ornivale"},
                              {shared / "data" / "ornivale", shared / "data"},
                              {shared / "later" / "ornivale", shared / "later"}}) {
    const AppFolderResult r = prepareAppFolder(folder, root / "share");
    EXPECT_EQ(r.state, FolderState::Failed) << folder;
    EXPECT_EQ(causeOf(r.error),
              "Cannot use " + folder.string() + ": " + link.string() + " is a link that belongs to another user, "
              "and only your own links or the system's are followed");
  }
  EXPECT_EQ(read(mine / "Ornisk.Dat"), "the user's own");
  EXPECT_EQ(std::distance(fs::directory_iterator(mine), fs::directory_iterator()), 1) << "nothing made there";

  // The superuser's link (and the user's own) is followed.
  ASSERT_EQ(::lchown((shared / "ornivale").c_str(), 0, 0), 0);
  const AppFolderResult followed = prepareAppFolder(shared / "ornivale", root / "share");
  EXPECT_EQ(followed.state, FolderState::Existing) << followed.error;
  EXPECT_EQ(followed.folder, fs::canonical(mine));
}

// Runs `work` in a child process as `uid`, in a user namespace of its own that
// maps only that uid, as sandboxes run programs: there the superuser's files
// and every other user's show as owned by the overflow uid. What `work`
// returns comes back; nothing when the system allows no such namespace (a
// child that fails otherwise brings back a line that says so).
std::optional<std::vector<std::string>> inSandboxAs(uid_t uid, const std::function<std::vector<std::string>()>& work) {
  int out[2];
  if (::pipe(out) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(out[0]);
    const std::string map = std::to_string(uid) + " " + std::to_string(uid) + " 1";
    // Dropping to the user makes the process undumpable, which would leave its
    // /proc files the superuser's and its uid map unwritable.
    if (::setgroups(0, nullptr) != 0 || ::setgid(uid) != 0 || ::setuid(uid) != 0 ||
        ::prctl(PR_SET_DUMPABLE, 1) != 0 || ::unshare(CLONE_NEWUSER) != 0)
      ::_exit(2);
    const int fd = ::open("/proc/self/uid_map", O_WRONLY);
    if (fd < 0 || ::write(fd, map.data(), map.size()) != static_cast<ssize_t>(map.size())) ::_exit(2);
    ::close(fd);
    for (const std::string& line : work())
      if (::write(out[1], line.c_str(), line.size() + 1) < 0) ::_exit(1);
    ::_exit(0);
  }
  ::close(out[1]);
  std::string all;
  char buf[4096];
  for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;) all.append(buf, static_cast<std::size_t>(n));
  ::close(out[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 2) return std::nullopt;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::vector<std::string>{"the child failed"};
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < all.size(); at = all.find('\0', at) + 1) lines.push_back(all.c_str() + at);
  return lines;
}

// In a sandbox the superuser's folders above the user's own (the home's
// parent, /tmp, /) show as owned by the overflow uid: they count as the
// superuser's. Every other refusal holds there: a program folder that is
// not the user's own, and a folder or link of the overflow uid in a shared
// folder, where any user could have put it.
TEST_F(ProgramFolder, InASandboxTheSuperusersFoldersAboveAreTakenAsTheSuperusers) {
  if (::geteuid() != 0) GTEST_SKIP() << "acting as other users needs the superuser";
  const uid_t user = 4242, other = 4243;
  const fs::path home = root / "home" / "user";
  fs::create_directories(home);
  ASSERT_EQ(::chown(home.c_str(), user, user), 0);
  fs::create_directories(root / "home" / "theirs");
  const fs::path shared = root / "shared";
  fs::create_directories(shared / "evil" / "ornivale");
  ::chmod(shared.c_str(), 01777);
  ASSERT_EQ(::chown((shared / "evil").c_str(), other, other), 0);
  ASSERT_EQ(::chown((shared / "evil" / "ornivale").c_str(), user, user), 0);
  fs::create_symlink(home, shared / "link");
  ASSERT_EQ(::lchown((shared / "link").c_str(), other, other), 0);
  // The scratch folder in /tmp is the user's, as a home is: a folder of the
  // overflow uid's in a shared folder could be anyone's.
  ASSERT_EQ(::chown(root.c_str(), user, user), 0);

  const auto got = inSandboxAs(user, [&] {
    std::vector<std::string> errors;
    const AppFolderResult own = prepareAppFolder(home / "ornivale", std::nullopt);
    errors.push_back(own.state == FolderState::Created ? own.error : "not created: " + own.error);
    for (const fs::path& f : {root / "home" / "theirs", shared / "evil" / "ornivale", shared / "link" / "ornivale"})
      errors.push_back(causeOf(prepareAppFolder(f, std::nullopt).error));
    return errors;
  });
  if (!got) GTEST_SKIP() << "this system allows no user namespace to a user";
  const std::string theirs = (root / "home" / "theirs").string(), evil = (shared / "evil").string();
  const std::string link = (shared / "link").string();
  EXPECT_EQ(*got, (std::vector<std::string>{"", "Cannot use " + theirs + ": " + theirs + " belongs to another user",
                                            "Cannot use " + evil + "/ornivale: " + evil + " belongs to another user",
                                            "Cannot use " + link + "/ornivale: " + link +
                                                " is a link that belongs to another user, and only your own links "
                                                "or the system's are followed"}));
  EXPECT_TRUE(fs::is_directory(home / "ornivale"));
}

TEST_F(ProgramFolder, InstalledDataIsTheFirstExistingCandidate) {
  const fs::path exeDir = root / "prefix" / "bin";
  fs::create_directories(exeDir);
  EXPECT_FALSE(findInstalledData(installedDataCandidates(exeDir)));
  fs::create_directories(root / "prefix" / "share" / "ornivale");
  EXPECT_EQ(findInstalledData(installedDataCandidates(exeDir)),
            fs::weakly_canonical(root / "prefix" / "share" / "ornivale"));
  fs::create_directories(exeDir / "data");  // beside the executable wins
  EXPECT_EQ(findInstalledData(installedDataCandidates(exeDir)), fs::weakly_canonical(exeDir / "data"));
}

TEST_F(NoCaseNames, FindsFilesAndPathsSpeltInAnotherCasePreferringTheExactSpelling) {
  write(root / "a.pnt", "x");
  EXPECT_EQ(findNoCase(root, "A.PNT"), root / "a.pnt");
  EXPECT_FALSE(findNoCase(root, "B.PNT"));
  EXPECT_FALSE(findNoCase(root / "nowhere", "A.PNT"));
  EXPECT_FALSE(findNoCase(root, ""));
  write(root / "PAINT.DAT", "upper");
  write(root / "Paint.Dat", "exact");
  EXPECT_EQ(findNoCase(root, "Paint.Dat"), root / "Paint.Dat");
  EXPECT_EQ(findNoCase(root, "paint.dat"), root / "PAINT.DAT");
  write(root / "Static" / "OVpp1a.pnt", "x");
  EXPECT_EQ(resolveNoCase(root / "STATIC" / "OVPP1A.PNT"), root / "Static" / "OVpp1a.pnt");
  EXPECT_FALSE(resolveNoCase(root / "STATIC" / "OVPP2A.PNT"));
  EXPECT_EQ(resolveNoCase(root / "STATIC" / ".." / "static" / "ovpp1a.pnt"),
            root / "Static" / ".." / "Static" / "OVpp1a.pnt");
}

TEST_F(NoCaseNames, ListsMatchingFilesSortedAndSkipsFolders) {
  write(root / "OVPP2A.PNT", "");
  write(root / "ovpp1a.pnt", "");
  write(root / "Notes.txt", "");
  fs::create_directories(root / "OVDIR.PNT");
  const auto list = listNoCase(root, "OV*.PNT");
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].filename(), "OVPP2A.PNT");
  EXPECT_EQ(list[1].filename(), "ovpp1a.pnt");
  EXPECT_TRUE(listNoCase(root / "missing", "*").empty());
}

TEST(PathForms, ComparisonFormAndPatternsIgnoreCase) {
  EXPECT_EQ(comparisonForm("/home/ann/.local/share/ornivale/static/ovpp1a.pnt"),
            "\\HOME\\ANN\\.LOCAL\\SHARE\\ORNIVALE\\STATIC\\OVPP1A.PNT");
  EXPECT_EQ(comparisonForm("b\xC3\xA4r/x"), "B\xC3\xA4R\\X");  // only ASCII letters change
  EXPECT_TRUE(hasExtension("/x/Rose.pnt", ".PNT"));
  EXPECT_FALSE(hasExtension("/x/Rose.pntx", ".PNT"));
  EXPECT_FALSE(hasExtension("NT", ".PNT"));
  struct Case {
    const char *name, *pattern;
    bool match;
  } cases[] = {{"ovpp1a.pnt", "OV*.PNT", true},      {"-tile.bmp", "-*.BMP", true},
               {"OV.PNT", "OV*.PNT", true},          {"OVPP1A.PNT.bak", "OV*.PNT", false},
               {"xOV.PNT", "OV*.PNT", false},        {"a.pnt.pnt", "*.pnt", true},
               {"abc", "a?c", true},                 {"ac", "a?c", false}};
  for (const Case& c : cases) EXPECT_EQ(matchesNoCase(c.name, c.pattern), c.match) << c.name << " " << c.pattern;
}

}  // namespace
}  // namespace orn
