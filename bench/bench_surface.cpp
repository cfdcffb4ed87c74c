// The Surface's flood fill and lines side by side with other ways of doing
// the same work on the same pixels: OpenCV's cv::floodFill, a plain 4-way
// queue fill, and QPainter drawing into a QImage without anti-aliasing; and
// the fill beside its floor, writing every pixel of the image once. After
// the run the ratios (other time / Surface time) are printed, and the fill's
// time as a multiple of the floor's, measured apart and taken in turn.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "platform/core/surface.h"

#if ORNIVALE_HAVE_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace {

using orn::Rgb;
using orn::Surface;

constexpr int kFillSize = 4096;
constexpr Rgb kFillColour = 0x0000FF;

// A perfect maze of corridors between 1-pixel black walls on a grid of
// `cell` pixels: one region winding through the whole image. Corridors of 3
// pixels (cell 4) are the hardest case for a span fill, since nearly every
// span is a few pixels long; cell 8 gives 7-pixel corridors.
struct Maze {
  Surface image;
  int seedX = 1, seedY = 1;
};

Maze makeMaze(int cell) {
  {
    Maze out;
    const int cells = kFillSize / cell;
    Surface& s = out.image;
    s = Surface(kFillSize, kFillSize, orn::kBlack);
    std::vector<char> seen(std::size_t(cells) * cells, 0);
    std::vector<int> stack{0};
    seen[0] = 1;
    std::mt19937 rng(2024);
    auto open = [&](int cx, int cy) {
      s.fillBox(cx * cell + 1, cy * cell + 1, cx * cell + cell - 1, cy * cell + cell - 1, orn::kWhite);
    };
    open(0, 0);
    while (!stack.empty()) {
      const int c = stack.back(), cx = c % cells, cy = c / cells;
      int options[4], n = 0;
      const int nx[4] = {cx + 1, cx - 1, cx, cx}, ny[4] = {cy, cy, cy + 1, cy - 1};
      for (int k = 0; k < 4; ++k)
        if (nx[k] >= 0 && ny[k] >= 0 && nx[k] < cells && ny[k] < cells && !seen[ny[k] * cells + nx[k]])
          options[n++] = k;
      if (n == 0) {
        stack.pop_back();
        continue;
      }
      const int k = options[rng() % n];
      seen[ny[k] * cells + nx[k]] = 1;
      open(nx[k], ny[k]);
      // Knock out the wall between the two cells.
      const int wx = std::min(cx, nx[k]) * cell, wy = std::min(cy, ny[k]) * cell;
      if (ny[k] == cy) {
        s.fillBox(wx + cell, wy + 1, wx + cell, wy + cell - 1, orn::kWhite);
      } else {
        s.fillBox(wx + 1, wy + cell, wx + cell - 1, wy + cell, orn::kWhite);
      }
      stack.push_back(ny[k] * cells + nx[k]);
    }
    return out;
  }
}

const Maze& maze(int cell) {
  static std::map<int, Maze> made;
  auto it = made.find(cell);
  if (it == made.end()) it = made.emplace(cell, makeMaze(cell)).first;
  return it->second;
}

// Every fill works on a Surface's own pixel buffer, refreshed from the maze
// before each timed fill, so all three see the same memory.
Surface& workCopy(const Maze& m) {
  static Surface work(kFillSize, kFillSize);
  work.blit(0, 0, kFillSize, kFillSize, m.image, 0, 0);
  return work;
}

void fillMaze(Surface& s, const Maze& m) {
  benchmark::DoNotOptimize(s.floodFill(m.seedX, m.seedY, orn::kBlack, kFillColour));
}
// The floor under any fill of the image: writing every pixel of the same
// surface once, in the same state as the fills find it.
void writeFloor(Surface& s) {
  std::fill_n(s.pixels(), std::size_t(kFillSize) * kFillSize, kFillColour);
  benchmark::DoNotOptimize(s.pixels());
  benchmark::ClobberMemory();
}

void BM_FillSurface(benchmark::State& state) {
  const Maze& m = maze(int(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    Surface& s = workCopy(m);
    state.ResumeTiming();
    fillMaze(s, m);
  }
}
void BM_FillFloor(benchmark::State& state) {
  const Maze& m = maze(int(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    Surface& s = workCopy(m);
    state.ResumeTiming();
    writeFloor(s);
  }
}

// The machine may be busy with other work: each benchmark runs five times
// and the ratios use the fastest run of each.
double fastest(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }
#define ORN_BENCH(fn)                                                                    \
  BENCHMARK(fn)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ComputeStatistics( \
      "min", fastest)

ORN_BENCH(BM_FillFloor)->Arg(4)->Arg(8);
ORN_BENCH(BM_FillSurface)->Arg(4)->Arg(8);

// The fill and its floor taken in turn, each on a fresh copy of the maze, so
// that both meet the machine in the same state: on a shared machine the
// floor alone swings by half from one minute to the next. Its time is the
// fill's; the counter "over_floor" is the fill's time over the floor's.
void BM_FillOverFloor(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  const Maze& m = maze(int(state.range(0)));
  double fill = 0, floor = 0;
  auto timed = [&m](auto work) {
    Surface& s = workCopy(m);
    const auto t0 = Clock::now();
    work(s);
    return std::chrono::duration<double>(Clock::now() - t0).count();
  };
  for (auto _ : state) {
    const double floorTime = timed(writeFloor);
    const double fillTime = timed([&m](Surface& s) { fillMaze(s, m); });
    state.SetIterationTime(fillTime);
    fill += fillTime;
    floor += floorTime;
  }
  state.counters["over_floor"] = fill / floor;
}
BENCHMARK(BM_FillOverFloor)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(5)
    ->ComputeStatistics("min", fastest);

#if ORNIVALE_HAVE_OPENCV
// cv::floodFill without a mask fills the 4-connected pixels equal to the
// seed's (white); on a black and white image that is the fill up to black.
void BM_FillOpenCV(benchmark::State& state) {
  const Maze& m = maze(int(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    cv::Mat mat(kFillSize, kFillSize, CV_32SC1, workCopy(m).pixels());
    state.ResumeTiming();
    benchmark::DoNotOptimize(cv::floodFill(mat, cv::Point(m.seedX, m.seedY),
                                           cv::Scalar(double(kFillColour)), nullptr, cv::Scalar(),
                                           cv::Scalar(), 4));
  }
}
ORN_BENCH(BM_FillOpenCV)->Arg(4)->Arg(8);
#endif

// The textbook fill: a queue of pixels, each neighbour looked at one by one.
void BM_FillQueue(benchmark::State& state) {
  const Maze& m = maze(int(state.range(0)));
  std::vector<std::uint32_t> queue;
  for (auto _ : state) {
    state.PauseTiming();
    Rgb* work = workCopy(m).pixels();
    state.ResumeTiming();
    const int w = kFillSize, h = kFillSize;
    queue.clear();
    auto visit = [&](int x, int y) {
      Rgb& p = work[std::size_t(y) * w + x];
      if (p == orn::kBlack || p == kFillColour) return;
      p = kFillColour;
      queue.push_back(std::uint32_t(y) * w + x);
    };
    visit(m.seedX, m.seedY);
    for (std::size_t head = 0; head < queue.size(); ++head) {
      const int x = int(queue[head] % w), y = int(queue[head] / w);
      if (x > 0) visit(x - 1, y);
      if (x < w - 1) visit(x + 1, y);
      if (y > 0) visit(x, y - 1);
      if (y < h - 1) visit(x, y + 1);
    }
    benchmark::DoNotOptimize(queue.size());
  }
}
ORN_BENCH(BM_FillQueue)->Arg(4)->Arg(8);

constexpr int kLineSize = 2000;

// Lines of every direction and length, a tenth of them reaching off the
// surface.
const std::vector<QLine>& lines() {
  static const std::vector<QLine> out = [] {
    std::vector<QLine> v;
    std::mt19937 rng(77);
    std::uniform_int_distribution<int> inside(0, kLineSize - 1), around(-300, kLineSize + 300);
    for (int i = 0; i < 20000; ++i) {
      auto& d = i % 10 == 0 ? around : inside;
      v.emplace_back(d(rng), d(rng), d(rng), d(rng));
    }
    return v;
  }();
  return out;
}

// Short strokes, 2 to 16 pixels long, as a spline's pieces and its replicas
// are: the cost per line more than per pixel. A hundredth reach off the
// surface.
const std::vector<QLine>& strokes() {
  static const std::vector<QLine> out = [] {
    std::vector<QLine> v;
    std::mt19937 rng(78);
    std::uniform_int_distribution<int> inside(0, kLineSize - 1), length(-16, 16);
    for (int i = 0; i < 200000; ++i) {
      const int x = i % 100 == 0 ? 0 : inside(rng), y = inside(rng);
      int dx = length(rng), dy = length(rng);
      if (std::max(std::abs(dx), std::abs(dy)) < 2) dx = 2;
      v.emplace_back(x, y, x + dx, y + dy);
    }
    return v;
  }();
  return out;
}

const std::vector<QLine>& lineSet(bool shortStrokes) { return shortStrokes ? strokes() : lines(); }

// The surface both the Surface's lines and QPainter's are drawn on, made
// once before anything else, as a canvas is: a large Surface asks for large
// pages, which later, with the memory cut up by the fills' images, may no
// longer be had. Both sides then work on the same memory.
Surface& lineSurface() {
  static Surface s(kLineSize, kLineSize);
  return s;
}

// range(0): pen width; range(1): 1 for the short strokes.
void BM_LinesSurface(benchmark::State& state) {
  Surface& s = lineSurface();
  s.setPenWidth(int(state.range(0)));
  const std::vector<QLine>& set = lineSet(state.range(1) != 0);
  Rgb colour = 0;
  for (auto _ : state) {
    s.setPenColor(colour += 0x010203);
    for (const QLine& l : set) s.line(l.x1(), l.y1(), l.x2(), l.y2());
    benchmark::DoNotOptimize(s.pixels());
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(set.size()));
}
ORN_BENCH(BM_LinesSurface)->Args({1, 0})->Args({3, 0})->Args({1, 1})->Args({3, 1});

// QPainter with round caps (as the Surface's wide pens), one call per line,
// on the same pixels as the Surface's lines.
void BM_LinesQPainter(benchmark::State& state) {
  QImage image(reinterpret_cast<uchar*>(lineSurface().pixels()), kLineSize, kLineSize, kLineSize * 4,
               QImage::Format_RGB32);
  const std::vector<QLine>& set = lineSet(state.range(1) != 0);
  Rgb colour = 0;
  for (auto _ : state) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor::fromRgb(colour += 0x010203), qreal(state.range(0)), Qt::SolidLine,
                  Qt::RoundCap));
    for (const QLine& l : set) p.drawLine(l);
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
  state.SetItemsProcessed(state.iterations() * std::int64_t(set.size()));
}
ORN_BENCH(BM_LinesQPainter)->Args({1, 0})->Args({3, 0})->Args({1, 1})->Args({3, 1});

// Prints the usual table, then how many times faster the Surface is, from
// the fastest and from the median repetition of each.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Aggregate && (r.aggregate_name == "min" || r.aggregate_name == "median")) {
        times_[r.aggregate_name][r.run_name.str()] = r.GetAdjustedRealTime();
        if (const auto c = r.counters.find("over_floor"); c != r.counters.end())
          overFloor_[r.aggregate_name][r.run_name.str()] = c->second.value;
      }
    ConsoleReporter::ReportRuns(runs);
  }
  void printRatios() const {
    std::printf("\nRatios (other time / Surface time, above 1 means the Surface is faster;\n"
                "the floor: the fill's time over the floor's), fastest and median:\n");
    for (const char* cell : {"4", "8"}) {
      const std::string c = std::string("/") + cell;
      const std::string corridor = cell == std::string("4") ? "3" : "7";
      ratio(("fill vs cv::floodFill, " + corridor + "-px maze").c_str(), "BM_FillOpenCV" + c, "BM_FillSurface" + c);
      ratio(("fill vs queue fill, " + corridor + "-px maze").c_str(), "BM_FillQueue" + c, "BM_FillSurface" + c);
      ratio(("fill / the floor, " + corridor + "-px maze").c_str(), "BM_FillSurface" + c, "BM_FillFloor" + c);
      takenInTurn(("fill / the floor in turn, " + corridor + "-px maze").c_str(), "BM_FillOverFloor" + c);
    }
    ratio("1-pixel lines vs QPainter", "BM_LinesQPainter/1/0", "BM_LinesSurface/1/0");
    ratio("3-pixel lines vs QPainter", "BM_LinesQPainter/3/0", "BM_LinesSurface/3/0");
    ratio("1-pixel short strokes vs QPainter", "BM_LinesQPainter/1/1", "BM_LinesSurface/1/1");
    ratio("3-pixel short strokes vs QPainter", "BM_LinesQPainter/3/1", "BM_LinesSurface/3/1");
  }

 private:
  // Statistic -> run name -> value.
  using Table = std::map<std::string, std::map<std::string, double>>;

  // The value of `stat` for the runs of benchmark `name`, or -1.
  static double find(const Table& table, const char* stat, const std::string& name) {
    const auto it = table.find(stat);
    if (it != table.end())
      for (const auto& [n, v] : it->second)
        if (n.rfind(name + "/", 0) == 0) return v;
    return -1.0;
  }
  void ratio(const char* what, const std::string& other, const std::string& ours) const {
    const double a = find(times_, "min", other), b = find(times_, "min", ours);
    const double am = find(times_, "median", other), bm = find(times_, "median", ours);
    if (a > 0 && b > 0 && am > 0 && bm > 0) std::printf("  %-36s %6.2f %6.2f\n", what, a / b, am / bm);
  }
  // The fill over its floor from the benchmark that takes them in turn.
  void takenInTurn(const char* what, const std::string& name) const {
    const double least = find(overFloor_, "min", name), median = find(overFloor_, "median", name);
    if (least > 0 && median > 0) std::printf("  %-36s %6.2f %6.2f\n", what, least, median);
  }
  Table times_, overFloor_;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  lineSurface();  // built once, outside the timings
  maze(4);
  maze(8);
  lines();
  strokes();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatios();
  benchmark::Shutdown();
  return 0;
}
