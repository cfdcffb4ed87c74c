// The start-up: the real program, from starting its process to its main
// menu shown with every sample's preview, against a minimal Qt program that
// shows a bare window of the same size (bare_window/bare_window.cpp), and
// beside it the same window with a line of text, for which Qt loads its
// fonts as it must for any window with text. Each is timed until it says
// its window is shown; its end is not timed. The program's two designed
// pauses (300 ms and 1800 ms) are left out (ORNIVALE_TIME_START): they are
// waits by design, not work. The program starts from the data the build
// gathers beside it (the samples and their previews) with a program folder
// of its own: a "first run" seeds a fresh folder from that data and moves
// the samples into "STATIC", as the installed program's first start does;
// "cached" starts find the folder as a first run left it. After the run the
// ratios to the bare window are printed, for the fastest and the median of
// the repetitions (each the mean of its starts). scripts/bench runs it on an
// X server (Xvfb, with -noreset: a server that resets when its last program
// leaves makes each start wait for that reset, which a desktop never does)
// where there is one; on Qt's offscreen platform no window is made or shown,
// so the bare window costs only a quarter of what it does on a display and
// the ratios say little of a user's start.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A home of the children's own, so that nothing they write reaches the
// user's folders: program folder, settings and pictures.
fs::path scratchHome(const std::string& name) {
  const fs::path f = fs::temp_directory_path() / ("orn_bench_" + name + std::to_string(::getpid()));
  fs::remove_all(f);
  fs::create_directories(f);
  return f;
}

// Starts `program` with the environment for `home`, and returns the time
// until it writes "shown" (or a negative time when it does not), then waits
// for its end.
double secondsUntilShown(benchmark::State& st, const std::string& program, const fs::path& home,
                         bool timeStart, const char* option = nullptr) {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string v = *e;
    if (v.rfind("HOME=", 0) != 0 && v.rfind("XDG_", 0) != 0) env.push_back(v);
  }
  env.push_back("HOME=" + home.string());
  env.push_back("XDG_DATA_HOME=" + (home / "data").string());
  env.push_back("XDG_CONFIG_HOME=" + (home / "config").string());
  env.push_back("XDG_RUNTIME_DIR=" + (home / "run").string());
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) env.push_back("QT_QPA_PLATFORM=offscreen");
  if (timeStart) env.push_back("ORNIVALE_TIME_START=1");
  fs::create_directories(home / "run");
  fs::permissions(home / "run", fs::perms::owner_all, fs::perm_options::replace);
  std::vector<char*> envp;
  for (auto& v : env) envp.push_back(v.data());
  envp.push_back(nullptr);
  std::string arg0 = program, arg1 = option != nullptr ? option : "";
  char* argv[] = {arg0.data(), option != nullptr ? arg1.data() : nullptr, nullptr};

  int out[2];
  if (pipe(out) != 0) {
    st.SkipWithError("no pipe");
    return -1;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  pid_t pid = 0;
  const auto t0 = Clock::now();
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    st.SkipWithError("cannot start the program");
    return -1;
  }
  std::string said;
  char buffer[256];
  bool shown = false;
  for (ssize_t n; !shown && (n = read(out[0], buffer, sizeof buffer)) > 0;) {
    said.append(buffer, std::size_t(n));
    shown = said.find("shown\n") != std::string::npos;
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - t0).count();
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!shown || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    st.SkipWithError("the program did not show its window");
    return -1;
  }
  return seconds;
}

void BM_BareQtWindow(benchmark::State& st) {
  const fs::path home = scratchHome("bare");
  for (auto _ : st) st.SetIterationTime(secondsUntilShown(st, ORNIVALE_BARE_WINDOW, home, false));
  fs::remove_all(home);
}

void BM_QtWindowWithText(benchmark::State& st) {
  const fs::path home = scratchHome("text");
  for (auto _ : st) st.SetIterationTime(secondsUntilShown(st, ORNIVALE_BARE_WINDOW, home, false, "--text"));
  fs::remove_all(home);
}

void BM_MainMenuCachedPreviews(benchmark::State& st) {
  const fs::path home = scratchHome("cached");
  secondsUntilShown(st, ORNIVALE_PROGRAM, home, true);  // the first run
  for (auto _ : st) st.SetIterationTime(secondsUntilShown(st, ORNIVALE_PROGRAM, home, true));
  fs::remove_all(home);
}

void BM_MainMenuFirstRun(benchmark::State& st) {
  const fs::path home = scratchHome("first");
  for (auto _ : st) {
    st.PauseTiming();
    fs::remove_all(home / "data");
    st.ResumeTiming();
    st.SetIterationTime(secondsUntilShown(st, ORNIVALE_PROGRAM, home, true));
  }
  fs::remove_all(home);
}

// The machine may be busy with other work: each start is timed in five
// repetitions; the ratios use the fastest and the median of each.
double fastest(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }
#define ORN_START_BENCH(fn)                                                                    \
  BENCHMARK(fn)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(5)->ComputeStatistics( \
      "min", fastest)

ORN_START_BENCH(BM_BareQtWindow);
ORN_START_BENCH(BM_QtWindowWithText);
ORN_START_BENCH(BM_MainMenuCachedPreviews);
ORN_START_BENCH(BM_MainMenuFirstRun);

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Aggregate) times_[r.aggregate_name][r.run_name.function_name] = r.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void printRatios() const {
    std::printf("\nStart-up times over the bare Qt window's (fastest, median):\n");
    for (const char* menu : {"BM_QtWindowWithText", "BM_MainMenuCachedPreviews", "BM_MainMenuFirstRun"}) {
      auto ratio = [&](const char* stat) {
        const auto& t = times_.at(stat);
        return t.count(menu) && t.count("BM_BareQtWindow") ? t.at(menu) / t.at("BM_BareQtWindow") : -1.0;
      };
      if (times_.count("min") && times_.count("median"))
        std::printf("  %-28s %6.2f %6.2f\n", menu, ratio("min"), ratio("median"));
    }
  }

 private:
  std::map<std::string, std::map<std::string, double>> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatios();
  benchmark::Shutdown();
  return 0;
}
