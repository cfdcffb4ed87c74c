// The start-up: from starting a process to the main menu shown with every
// sample's preview, beside a process that shows a bare Qt window of the same
// size. Each iteration starts this program again as a child that does one
// or the other and ends, so both times include the process's start, Qt's
// set-up and the connection to the display. The start-up window's designed
// pauses (300 ms and 1800 ms) are set to 0: they are waits by design, not
// work. Both start from the data the build gathers beside the program (the
// samples and their previews): a "first run" seeds a fresh program folder
// from it and moves the samples into "STATIC", as the installed program's
// first start does; "cached" starts find the folder as a first run left it.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <cstring>
#include <filesystem>
#include <string>

#include "platform/core/app_folder.h"
#include "platform/core/profile.h"
#include "shell/ui/main_menu.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace orn;

constexpr int kMenuWidth = 1160, kMenuHeight = 700;
std::string self;

// ---- the child: one start, then the end ----

int childBare(int argc, char** argv) {
  QApplication a(argc, argv);
  QWidget w;
  w.resize(kMenuWidth, kMenuHeight);
  w.show();
  return QTest::qWaitForWindowExposed(&w) ? 0 : 1;
}

// With `data`, the program folder is first seeded from it, as at the
// program's first start.
int childMenu(int argc, char** argv, const char* folder, const char* data) {
  QApplication a(argc, argv);
  if (data && prepareAppFolder(folder, fs::path(data)).state != FolderState::Created) return 1;
  NullHost host;
  FixedProfileSource profile;
  AppState state;
  state.AppFolder = withTrailingSeparator(folder);
  MainMenu menu(host, state, profile);
  menu.setStartDelays(0, 0);
  menu.MainMenu_Form_Load();
  while (!menu.ready()) QApplication::processEvents();
  return QTest::qWaitForWindowExposed(&menu) ? 0 : 1;
}

// ---- the parent: times the children ----

void runChild(benchmark::State& st, std::vector<std::string> args) {
  args.insert(args.begin(), self);
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
    st.SkipWithError("cannot start the child");
    return;
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) st.SkipWithError("the child failed");
}

// A name for a program folder that does not exist yet.
fs::path scratchFolder(const std::string& name) {
  const fs::path f = fs::temp_directory_path() / ("orn_bench_" + name + std::to_string(::getpid()));
  fs::remove_all(f);
  return f;
}

void BM_BareWindowProcess(benchmark::State& st) {
  for (auto _ : st) runChild(st, {"--bare"});
}
BENCHMARK(BM_BareWindowProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MainMenuProcessCachedPreviews(benchmark::State& st) {
  const fs::path folder = scratchFolder("cached");
  runChild(st, {"--menu", folder.string(), ORNIVALE_DATA_DIR});  // the first run
  for (auto _ : st) runChild(st, {"--menu", folder.string()});
  fs::remove_all(folder);
}
BENCHMARK(BM_MainMenuProcessCachedPreviews)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MainMenuProcessFirstRun(benchmark::State& st) {
  for (auto _ : st) {
    st.PauseTiming();
    const fs::path folder = scratchFolder("first");
    st.ResumeTiming();
    runChild(st, {"--menu", folder.string(), ORNIVALE_DATA_DIR});
    st.PauseTiming();
    fs::remove_all(folder);
    st.ResumeTiming();
  }
}
BENCHMARK(BM_MainMenuProcessFirstRun)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  self = fs::canonical("/proc/self/exe").string();
  if (argc >= 2 && std::strcmp(argv[1], "--bare") == 0) return childBare(argc, argv);
  if (argc >= 3 && std::strcmp(argv[1], "--menu") == 0)
    return childMenu(argc, argv, argv[2], argc >= 4 ? argv[3] : nullptr);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
