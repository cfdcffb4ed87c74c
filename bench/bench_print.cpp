// Printing and bitmap export of the large benchmark picture (about 30,000
// list entries, 24 copies, 200 PAINT records), each beside what it is
// measured against:
//  - the print command into a PDF page at 300 dpi, black and white (the
//    lines redrawn for the printer) and colour at the canvas's size (the
//    canvas as it is) and at twice it (drawn afresh in the enlarged memory
//    bitmap), against Qt writing the same image to a PDF page: the canvas,
//    or the picture drawn into a memory bitmap of the printed image's size;
//  - Save as Bitmap against Qt writing the same image as a BMP file;
//  - the longest time the window waits for its events during a colour print
//    at twice and three times the canvas's size (3200 x 2000 and 4800 x
//    3000), while the enlarged bitmap is drawn and while the printer (Qt's
//    PDF writer) takes the picture, against the longest wait during a redraw
//    of the canvas (wall-clock time, and the thread's own processor time,
//    which other programs on the machine do not lengthen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>

#include "grid_picture.h"
#include "platform/qt_colour.h"
#include "print/bitmap_export.h"
#include "print/enlarged_bitmap.h"
#include "print/page_layout.h"
#include "print/print_command.h"
#include "print/ui/qt_image_writer.h"
#include "print/ui/qt_printer.h"

namespace {

using namespace orn;
namespace fs = std::filesystem;

const fs::path kFolder = fs::temp_directory_path() / "ornivale_bench_print";

// The dialog, closed with "Print" in the given style, the image placed at
// (50, 50) with the given size.
class FixedLayout : public PrintWindow {
 public:
  FixedLayout(PrintState& ps, int& mode, int style, int w, int h) : ps_(ps), mode_(mode), style_(style), w_(w), h_(h) {}
  void showPrintFrm() override {
    PageLayout l(ps_, mode_);
    l.open();
    l.Style_Click(style_);
    l.PrtGlob_Click(0);
    ps_.ImageX = ps_.ImageY = 50;
    ps_.ImageW = w_;
    ps_.ImageH = h_;
  }
  void canvasChanged() override {}
  void hideWorkspace() override {}
  void restoreWorkspace() override {}
  void showPrintMessage(const std::string&) override {}

 private:
  PrintState& ps_;
  int& mode_;
  int style_, w_, h_;
};

// The grid picture of the redraw benchmark, with 200 PAINT records.
struct Picture {
  DrawingList list;
  SymState sym;
  DrawContext ctx;
  EditorState ed;
  PickState pick;
  ColourState colour;
  ViewTable views;
  NullHost host;
  EditorControls ui;
  Surface canvas{bench::kGridWidth, bench::kGridHeight, kWhite};

  Picture() {
    ctx.Picture1 = &canvas;
    bench::BuildGridPicture(list, sym, 1000, 200);
  }
  RedrawEnv env() { return RedrawEnv{list, sym, ctx, ed, pick, colour, views, host, ui}; }
};

struct Printing {
  Picture p;
  RedrawEnv redraw = p.env();
  PrintState ps;
  int PrintMode = 0;
  bool PrintInitDone = false;
  QtImageWriter images;

  Printing() {
    fs::create_directories(kFolder);
    p.ed.ColorToolsOn = true;
    DrawAll(redraw, 1);
  }

  void print(int style, int scale, int orientation) {
    const int w = p.canvas.width() * scale, h = p.canvas.height() * scale;
    QtPrinterDevice printer(nullptr, (kFolder / "print.pdf").string(), false, true);
    FixedLayout window(ps, PrintMode, style, w, h);
    ps.PrintOrientation = orientation;
    PrintInitDone = false;
    PrintEnv env{redraw, ps, PrintMode, PrintInitDone, 1, printer, window, images, ""};
    MenFilePrint(env);
  }
};

// The image a colour print prints, written onto a PDF page: the canvas as it
// is at scale 1, as the print command prints it then, else the picture drawn
// afresh into a memory bitmap.
void bitmapThenPdf(Printing& pr, int scale, bool landscape) {
  Surface enlarged;
  if (scale > 1) DrawEnlarged(pr.redraw, enlarged, scale);
  const Surface& bmp = scale > 1 ? enlarged : pr.p.canvas;
  QPdfWriter pdf(QString::fromStdString((kFolder / "image.pdf").string()));
  pdf.setResolution(QtPrinterDevice::kPdfResolution);
  pdf.setPageSize(QPageSize(QPageSize::Letter));
  pdf.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter(&pdf);
  painter.setRenderHint(QPainter::LosslessImageRendering, true);
  painter.drawImage(QRect(50, 50, bmp.width(), bmp.height()),
                    surfaceImage(bmp).convertToFormat(QImage::Format_RGB888));
}

void BM_Print_BlackWhite(benchmark::State& state) {
  Printing pr;
  for (auto _ : state) pr.print(kStyleBlackWhite, 1, kPortrait);
  state.counters["entries"] = pr.p.list.NumPoints;
}

void BM_Print_Colour(benchmark::State& state) {
  Printing pr;
  const int scale = int(state.range(0));
  for (auto _ : state) pr.print(kStyleColor, scale, scale > 1 ? kLandscape : kPortrait);
}

void BM_BitmapThenPdf(benchmark::State& state) {
  Printing pr;
  const int scale = int(state.range(0));
  for (auto _ : state) bitmapThenPdf(pr, scale, scale > 1);
}

// The save dialog answered with one file name.
class OneName : public FileDialogs {
 public:
  std::optional<std::string> openFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> saveFile(const FileDialogRequest&) override {
    return (kFolder / "canvas.bmp").string();
  }
};

void BM_SaveAsBitmap(benchmark::State& state) {
  Printing pr;
  OneName dialogs;
  NullHost host;
  FileDialogRequest request;
  request.initialFolder = kFolder.string();
  for (auto _ : state) MenSaveBitmap(pr.p.canvas, request, dialogs, host, pr.images);
}

void BM_QtWritesTheImage(benchmark::State& state) {
  Printing pr;
  const QString path = QString::fromStdString((kFolder / "plain.bmp").string());
  for (auto _ : state) surfaceImage(pr.p.canvas).convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

using Clock = std::chrono::steady_clock;

// The thread's processor time: unlike the clock on the wall it does not run
// while other programs have the processor.
Clock::duration ThreadTime() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

// A host with a clock that keeps the longest gap between two event-pump
// calls, on the wall and in the thread's processor time.
class GapClock : public NullHost {
 public:
  struct Gaps {
    double wallMs = 0, cpuMs = 0;
  };
  void pumpEvents() override {
    const auto now = Clock::now();
    const auto cpu = ThreadTime();
    maxWall_ = std::max(maxWall_, now - last_);
    maxCpu_ = std::max(maxCpu_, cpu - lastCpu_);
    last_ = now;
    lastCpu_ = cpu;
  }
  std::int64_t milliseconds() const override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
  }
  // The longest gaps since the last restart, which the gaps now start from.
  Gaps restart() {
    pumpEvents();
    const Gaps g{std::chrono::duration<double, std::milli>(maxWall_).count(),
                 std::chrono::duration<double, std::milli>(maxCpu_).count()};
    maxWall_ = maxCpu_ = {};
    return g;
  }

 private:
  Clock::time_point last_ = Clock::now();
  Clock::duration lastCpu_ = ThreadTime();
  Clock::duration maxWall_{}, maxCpu_{};
};

// The printer, telling when it starts to take the job.
class MarkedPrinter : public PrinterDevice {
 public:
  MarkedPrinter(PrinterDevice& p, std::function<void()> starts) : p_(p), starts_(std::move(starts)) {}
  std::string name() const override { return p_.name(); }
  std::optional<PrinterInfo> pageInfo() override { return p_.pageInfo(); }
  PrintOutcome print(const PrintJob& job, const PumpEvents& pump) override {
    starts_();
    return p_.print(job, pump);
  }

 private:
  PrinterDevice& p_;
  std::function<void()> starts_;
};

void BM_Print_PumpGaps(benchmark::State& state) {
  Picture p;
  GapClock host;
  RedrawEnv redraw{p.list, p.sym, p.ctx, p.ed, p.pick, p.colour, p.views, host, p.ui};
  p.ed.ColorToolsOn = true;
  QtImageWriter images;
  PrintState ps;
  int PrintMode = 0;
  bool PrintInitDone = false;
  fs::create_directories(kFolder);
  const int scale = int(state.range(0));
  QtPrinterDevice pdf(nullptr, (kFolder / "gaps.pdf").string(), false, true);
  GapClock::Gaps canvasGap, drawGap, writeGap;
  const auto keep = [](GapClock::Gaps& worst, GapClock::Gaps g) {
    worst.wallMs = std::max(worst.wallMs, g.wallMs);
    worst.cpuMs = std::max(worst.cpuMs, g.cpuMs);
  };
  for (auto _ : state) {
    host.restart();
    DrawAll(redraw, 1);
    keep(canvasGap, host.restart());
    MarkedPrinter printer(pdf, [&] { keep(drawGap, host.restart()); });
    FixedLayout window(ps, PrintMode, kStyleColor, p.canvas.width() * scale, p.canvas.height() * scale);
    ps.PrintOrientation = kLandscape;
    PrintInitDone = false;
    PrintEnv env{redraw, ps, PrintMode, PrintInitDone, 1, printer, window, images, ""};
    MenFilePrint(env);
    keep(writeGap, host.restart());
  }
  state.counters["canvas_gap_ms"] = canvasGap.wallMs;
  state.counters["draw_gap_ms"] = drawGap.wallMs;
  state.counters["write_gap_ms"] = writeGap.wallMs;
  state.counters["canvas_gap_cpu_ms"] = canvasGap.cpuMs;
  state.counters["draw_gap_cpu_ms"] = drawGap.cpuMs;
  state.counters["write_gap_cpu_ms"] = writeGap.cpuMs;
}

}  // namespace

BENCHMARK(BM_Print_BlackWhite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Print_Colour)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitmapThenPdf)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAsBitmap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtWritesTheImage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Print_PumpGaps)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (!std::getenv("KEEP")) std::filesystem::remove_all(kFolder);
  return 0;
}
