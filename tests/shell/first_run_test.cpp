// The first run's move of the samples into "STATIC", on real folders.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <fstream>

#include "support/scratch_folder.h"
#include "support/small_disk.h"
#include "shell/first_run.h"

namespace orn {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;

void put(const fs::path& p, const std::string& text = "x") {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << text;
}

TEST(FirstRun, SamplesAndThumbnailsMoveIntoStaticAndWallpapersIntoTheirFolder) {
  ScratchFolder dir;
  const fs::path app = dir.path("app");
  for (auto n : {"OVMOD4A.PNT", "ovpp1a.pnt", "OVPP1A.BMP", "-tile.bmp", "Standard.Clr", "MINE.PNT"})
    put(app / n, n);
  fs::create_directories(app / "STATIC");  // an existing folder does not stop the move
  ASSERT_TRUE(SamplesAwaitMove(app));

  const FirstRunResult r = MoveSamplesIntoStatic(app, dir.path("walls"));
  EXPECT_TRUE(r.failures.empty());
  EXPECT_EQ(r.moved, 4);
  for (auto n : {"OVMOD4A.PNT", "ovpp1a.pnt", "OVPP1A.BMP"}) {
    EXPECT_TRUE(fs::exists(app / "STATIC" / n)) << n;
    EXPECT_FALSE(fs::exists(app / n)) << n;
  }
  EXPECT_TRUE(fs::exists(dir.path("walls") / "-tile.bmp"));
  for (auto n : {"Standard.Clr", "MINE.PNT"}) EXPECT_TRUE(fs::exists(app / n)) << n;
  EXPECT_FALSE(SamplesAwaitMove(app)) << "the second run moves nothing";
}

// Nothing is deleted that was not copied: wallpapers without a wallpaper
// folder, a file whose copy fails (reported once), everything when a file
// stands where the STATIC folder should be.
TEST(FirstRun, AFileThatCannotBeCopiedStaysAndIsReportedOnce) {
  ScratchFolder dir;
  put(dir.path("-tile.bmp"));
  put(dir.path("OVmod4a.pnt"), "sample");
  put(dir.path("OVRO1A.PNT"), "rose");
  // A folder in STATIC where the rose's copy should go makes its copy fail.
  fs::create_directories(dir.path("STATIC") / "OVRO1A.PNT" / "x");
  const FirstRunResult r = MoveSamplesIntoStatic(dir.dir(), std::nullopt);
  ASSERT_EQ(r.failures.size(), 1u);
  EXPECT_EQ(r.failures[0].file, "OVRO1A.PNT");
  EXPECT_EQ(r.moved, 1);
  std::ifstream in(dir.path("OVRO1A.PNT"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "rose");
  EXPECT_TRUE(fs::exists(dir.path("-tile.bmp")));

  ScratchFolder blocked;
  put(blocked.path("OVmod4a.pnt"));
  put(blocked.path("STATIC"), "not a folder");
  const FirstRunResult none = MoveSamplesIntoStatic(blocked.dir(), std::nullopt);
  EXPECT_EQ(none.moved, 0);
  EXPECT_EQ(none.failures.size(), 1u);
  EXPECT_TRUE(fs::exists(blocked.path("OVmod4a.pnt")));
}

std::string text(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The installed data of a later install: two samples and a thumbnail, their
// previews, the colour file and two help pages.
void install(const fs::path& at) {
  for (auto n : {"OVMOD4A.PNT", "OVPP1A.PNT", "OVPP1A.BMP", "previews/OVPP1A.PNT.pv",
                 "previews/OVMOD4A.PNT.pv", "Standard.Clr", "help/index.html", "help/editor.html"})
    put(at / n, std::string("new ") + n);
}

// A program folder made earlier (here without samples, with the user's own
// colours, an older help page and a rose of its own) gets every installed
// file it lacks at the next start, and keeps what it has.
TEST(InstalledFiles, AFolderMadeEarlierGetsWhatItLacksAndKeepsTheUsersFiles) {
  ScratchFolder dir;
  const fs::path installed = dir.path("share"), app = dir.path("app");
  install(installed);
  put(app / "Standard.Clr", "mine");
  put(app / "help" / "editor.html", "old page");
  put(app / "static" / "ovmod4a.pnt", "my changed sample");  // another spelling counts
  put(app / "Paint.Dat", "settings");

  const AddedFiles r = AddMissingInstalledFiles(app, installed);
  EXPECT_TRUE(r.failures.empty());
  EXPECT_EQ(r.added, 6);
  EXPECT_EQ(text(app / "static" / "OVPP1A.PNT"), "new OVPP1A.PNT") << "samples go into STATIC";
  EXPECT_EQ(text(app / "static" / "OVPP1A.BMP"), "new OVPP1A.BMP");
  EXPECT_FALSE(fs::exists(app / "OVPP1A.PNT"));
  EXPECT_FALSE(fs::exists(app / "STATIC")) << "the folder's own spelling of STATIC is used";
  EXPECT_EQ(text(app / "previews" / "OVMOD4A.PNT.pv"), "new previews/OVMOD4A.PNT.pv");
  EXPECT_EQ(text(app / "help" / "index.html"), "new help/index.html");
  EXPECT_EQ(text(app / "help" / "editor.html"), "new help/editor.html") << "an outdated page is replaced";
  EXPECT_EQ(text(app / "static" / "ovmod4a.pnt"), "my changed sample");
  EXPECT_EQ(text(app / "Standard.Clr"), "mine");
  EXPECT_EQ(text(app / "Paint.Dat"), "settings");
  EXPECT_EQ(fs::last_write_time(app / "static" / "OVPP1A.PNT"),
            fs::last_write_time(installed / "OVPP1A.PNT")) << "copies keep the files' times";

  EXPECT_EQ(AddMissingInstalledFiles(app, installed).added, 0) << "the next start adds nothing";
}

// Samples still waiting in the program folder for the first run's move, in
// any spelling, are not copied a second time; a file that cannot be added is
// named. The program names the installed folder with a trailing separator.
TEST(InstalledFiles, SamplesAwaitingTheMoveStayAndABlockedFileIsReported) {
  ScratchFolder dir;
  const fs::path installed = dir.path("share"), app = dir.path("app");
  install(installed);
  put(app / "ovmod4a.pnt", "seeded");
  put(app / "STATIC", "a file where the folder should be");

  const AddedFiles r = AddMissingInstalledFiles(app, installed.string() + "/");
  EXPECT_EQ(text(app / "ovmod4a.pnt"), "seeded");
  EXPECT_FALSE(fs::exists(app / "OVMOD4A.PNT"));
  ASSERT_EQ(r.failures.size(), 2u);
  EXPECT_EQ(r.failures[0].file, "STATIC/OVPP1A.BMP");
  EXPECT_EQ(r.failures[1].file, "STATIC/OVPP1A.PNT");
  EXPECT_EQ(r.added, 5) << "the rest is added all the same";
  EXPECT_EQ(AddMissingInstalledFiles(dir.path("missing"), installed).added, 0);
}

// Installed samples of 10000 bytes, each with bytes of its own.
constexpr int kSamples = 12;
constexpr std::size_t kSampleSize = 10000;

std::string sampleName(int i) {
  char name[16];
  std::snprintf(name, sizeof name, "OVS%02d.PNT", i);
  return name;
}

std::string sampleBytes(int i) { return std::string(kSampleSize, char('a' + i)); }

void installSamples(const fs::path& at) {
  for (int i = 0; i < kSamples; ++i) put(at / sampleName(i), sampleBytes(i));
}

// What "STATIC" holds of the installed samples (a copy that is there but not
// whole is cut), and the save temporaries left anywhere in the folder.
std::string census(const fs::path& app) {
  int whole = 0, cut = 0, temporaries = 0;
  for (int i = 0; i < kSamples; ++i) {
    const fs::path copy = app / "STATIC" / sampleName(i);
    if (fs::exists(copy)) (text(copy) == sampleBytes(i) ? whole : cut) += 1;
  }
  for (const auto& e : fs::recursive_directory_iterator(app)) temporaries += IsSaveTemporary(e.path().filename());
  return "whole " + std::to_string(whole) + ", cut " + std::to_string(cut) + ", temporaries " +
         std::to_string(temporaries);
}

// Copies a killed start or a full disk cut short (empty, or the installed
// file's beginning only) count as missing; the user's own files, whatever
// their size, stay.
TEST(InstalledFiles, CopiesCutShortAreReplacedAndTheUsersOwnFilesStay) {
  ScratchFolder dir;
  const fs::path installed = dir.path("share"), app = dir.path("app");
  install(installed);
  put(installed / "OVRO1A.PNT", std::string(3000, 'r'));
  put(app / "STATIC" / "OVPP1A.PNT", "");
  put(app / "STATIC" / "OVMOD4A.PNT", "new OVMOD");
  put(app / "STATIC" / "OVRO1A.PNT", std::string(2000, 'm'));  // the user's own, smaller
  put(app / "Standard.Clr", "new Stan");
  put(app / "previews" / "OVPP1A.PNT.pv", "");
  put(app / "previews" / "OVMOD4A.PNT.pv", "mine, longer than the installed one");

  const AddedFiles r = AddMissingInstalledFiles(app, installed);
  EXPECT_TRUE(r.failures.empty());
  EXPECT_EQ(r.added, 7);
  for (auto n : {"OVPP1A.PNT", "OVMOD4A.PNT", "OVPP1A.BMP"}) EXPECT_EQ(text(app / "STATIC" / n), std::string("new ") + n);
  EXPECT_EQ(text(app / "Standard.Clr"), "new Standard.Clr");
  EXPECT_EQ(text(app / "previews" / "OVPP1A.PNT.pv"), "new previews/OVPP1A.PNT.pv");
  EXPECT_EQ(text(app / "STATIC" / "OVRO1A.PNT"), std::string(2000, 'm'));
  EXPECT_EQ(text(app / "previews" / "OVMOD4A.PNT.pv"), "mine, longer than the installed one");
}

// A start killed while it copies (here by the system, when the copy passes
// the process's file size limit) leaves no sample cut under its name; the
// next start puts every one in place and clears what the killed one left.
TEST(InstalledFiles, AStartKilledWhileCopyingLeavesNoCutSampleAndTheNextCompletesThem) {
  ScratchFolder dir;
  const fs::path installed = dir.path("share"), app = dir.path("app");
  installSamples(installed);
  fs::create_directories(app);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit noCore{0, 0}, limit{kSampleSize / 2, kSampleSize / 2};
    ::setrlimit(RLIMIT_CORE, &noCore);
    std::signal(SIGXFSZ, SIG_DFL);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    AddMissingInstalledFiles(app, installed);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(census(app), "whole 0, cut 0, temporaries 1");
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "the start is killed half-way: " << status;

  const AddedFiles next = AddMissingInstalledFiles(app, installed);
  EXPECT_TRUE(next.failures.empty());
  EXPECT_EQ(census(app), "whole 12, cut 0, temporaries 0");
}

// A disk that fills up while the samples are copied: the start says so in
// the system's words, and leaves every sample whole or absent; once there
// is room, the next start adds the rest.
TEST(InstalledFiles, AFullDiskIsToldAsSuchLeavesNoCutSampleAndTheNextStartWithRoomCompletesThem) {
  ScratchFolder dir;
  const fs::path installed = dir.path("share"), app = dir.path("app");
  installSamples(installed);
  fs::create_directories(app);
  const auto report = test::OnSmallDisk(app, 4 * 4096, [&] {
    const AddedFiles full = AddMissingInstalledFiles(app, installed);
    bool allNoSpace = !full.failures.empty();
    for (const FileFailure& f : full.failures) allNoSpace &= f.reason == "No space left on device";
    // The count of whole samples depends on how the disk counts its space.
    const std::string held = census(app);
    std::string r = "full: " + held.substr(held.find("cut")) + ", every failure tells no space: " +
                    (allNoSpace ? "yes" : "no") + ", none lost: " +
                    (full.added + int(full.failures.size()) == kSamples ? "yes" : "no");
    if (!test::ResizeSmallDisk(app, 1 << 20)) return r + "; the disk cannot grow";
    const AddedFiles room = AddMissingInstalledFiles(app, installed);
    return r + "; with room: " + census(app) + ", failures " + std::to_string(room.failures.size());
  });
  if (!report) GTEST_SKIP() << "no small disk can be mounted here (it needs the superuser or user namespaces)";
  EXPECT_EQ(*report,
            "full: cut 0, temporaries 0, every failure tells no space: yes, none lost: yes; "
            "with room: whole 12, cut 0, temporaries 0, failures 0");
}

// A first start killed half-way through its move of the samples leaves the
// first run's marker in the program folder, so that the next start moves
// the rest; no sample is lost or left behind.
TEST(FirstRun, AStartKilledWhileMovingTheSamplesLeavesTheRestToTheNext) {
  ScratchFolder dir;
  const fs::path app = dir.path("app");
  installSamples(app);
  put(app / "OVMOD4A.PNT", "the marker");
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    class KilledAtTheThirdMove : public SaveFileSystem {
      int rename(const std::string& from, const std::string& to) override {
        if (++moves_ == 3) ::raise(SIGKILL);
        return SaveFileSystem::rename(from, to);
      }
      int moves_ = 0;
    } killed;
    MoveSamplesIntoStatic(app, std::nullopt, killed);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status)) << status;
  EXPECT_EQ(census(app), "whole 2, cut 0, temporaries 0");
  ASSERT_TRUE(SamplesAwaitMove(app));
  EXPECT_EQ(MoveSamplesIntoStatic(app, std::nullopt).failures.size(), 0u);
  EXPECT_EQ(census(app), "whole 12, cut 0, temporaries 0");
  EXPECT_EQ(text(app / "STATIC" / "OVMOD4A.PNT"), "the marker");
  EXPECT_TRUE(listNoCase(app, "OV*.PNT").empty());
}

// Counts the syncs the start makes: each waits for the disk.
class CountingSyncs : public SaveFileSystem {
 public:
  int sync(int fd) override {
    ++syncs;
    return SaveFileSystem::sync(fd);
  }
  int syncs = 0;
};

// The file work of one start: the program folder made or found, the first
// run's move, the top-up of installed files.
void start(const fs::path& app, const fs::path& installed, SaveFileSystem& files) {
  ASSERT_EQ(prepareAppFolder(app, installed, files).error, "");
  if (SamplesAwaitMove(app)) {
    EXPECT_EQ(MoveSamplesIntoStatic(app, std::nullopt, files).failures.size(), 0u);
  }
  EXPECT_EQ(AddMissingInstalledFiles(app, installed, files).failures.size(), 0u);
}

// A first start brings the folder it built to the disk once, each file and
// folder in it, not each copy as it is made nor each sample it moves; a
// later start that copies nothing waits for the disk not at all.
TEST(FirstRun, AFirstStartSyncsEachFileAndFolderOnceAndALaterStartNothing) {
  ScratchFolder dir;
  const fs::path installed = dir.path("share"), app = dir.path("data") / "ornivale";
  install(installed);
  installSamples(installed);
  int files = 0, folders = 1;
  for (const auto& e : fs::recursive_directory_iterator(installed)) (e.is_directory() ? folders : files) += 1;

  CountingSyncs first;
  start(app, installed, first);
  EXPECT_EQ(census(app), "whole 12, cut 0, temporaries 0");
  // Beyond them: the folder above after the rename, "STATIC" and the
  // program folder after the move.
  EXPECT_LE(first.syncs, files + folders + 3) << files << " files, " << folders << " folders";

  CountingSyncs later;
  start(app, installed, later);
  EXPECT_EQ(later.syncs, 0);
}

// Two first starts at the same moment: the second runs (in a process of its
// own) while the first is about to move its first sample. Neither reports a
// failure, and every sample is in "STATIC", whole, and nowhere else.
TEST(FirstRun, TwoFirstStartsAtTheSameMomentBothSucceed) {
  ScratchFolder dir;
  const fs::path installed = dir.path("share"), app = dir.path("app");
  installSamples(installed);
  put(installed / "help" / "index.html", "page");
  installSamples(app);  // the seeded folder of a first run

  class OtherStartMeanwhile : public SaveFileSystem {
   public:
    OtherStartMeanwhile(fs::path app, fs::path installed) : app_(std::move(app)), installed_(std::move(installed)) {}
    int makeTemp(std::string& t) override {
      const int fd = SaveFileSystem::makeTemp(t);
      otherStartOnce();
      return fd;
    }
    int rename(const std::string& from, const std::string& to) override {
      otherStartOnce();
      return SaveFileSystem::rename(from, to);
    }
    int other_ = -1;  // the other start's failures

   private:
    void otherStartOnce() {
      if (other_ != -1) return;
      const pid_t child = ::fork();
      if (child == 0) {
        const auto moved = MoveSamplesIntoStatic(app_, std::nullopt).failures.size();
        ::_exit(int(moved + AddMissingInstalledFiles(app_, installed_).failures.size()));
      }
      int status = 0;
      ::waitpid(child, &status, 0);
      other_ = WIFEXITED(status) ? WEXITSTATUS(status) : 100;
    }
    fs::path app_, installed_;
  } meanwhile(app, installed);

  const FirstRunResult moved = MoveSamplesIntoStatic(app, std::nullopt, meanwhile);
  const AddedFiles added = AddMissingInstalledFiles(app, installed, meanwhile);
  EXPECT_EQ(meanwhile.other_, 0);
  EXPECT_TRUE(moved.failures.empty()) << FailedFilesText(app.string(), moved.failures);
  EXPECT_TRUE(added.failures.empty()) << FailedFilesText(app.string(), added.failures);
  EXPECT_EQ(census(app), "whole 12, cut 0, temporaries 0");
  EXPECT_TRUE(listNoCase(app, "OV*.PNT").empty());
  EXPECT_EQ(text(app / "help" / "index.html"), "page");
}

}  // namespace
}  // namespace orn
