#include "print/print_command.h"

#include <algorithm>

#include "print/enlarged_bitmap.h"
#include "print/print_job.h"
#include "symmetry/replication.h"

namespace orn {

namespace {

Surface& canvasOf(PrintEnv& env) { return *env.redraw.ctx.Picture1; }

// Puts the editor back however the command ends: the printer path off, the
// menus on, the canvas as it was before the command, the file commands'
// bitmap request cleared.
class PrintScope {
 public:
  PrintScope(PrintEnv& env, const Surface& bmap) : env_(env), bmap_(bmap) {}
  ~PrintScope() { restore(); }
  // Puts the editor back (once).
  void restore() {
    if (restored_) return;
    restored_ = true;
    DrawContext& ctx = env_.redraw.ctx;
    ctx.PrintPath = false;
    ctx.Printer = nullptr;
    ctx.PrintOffset = 0.0f;
    if (printing_) {
      env_.redraw.ed.DrawBusy = false;
      // A window resized meanwhile is laid out now.
      env_.redraw.ui.redrawFinished();
    }
    if (workspaceHidden_) {
      env_.window.showPrintMessage("");
      env_.window.restoreWorkspace();
    }
    env_.redraw.ui.MenEnable(true);
    canvasOf(env_) = bmap_;
    env_.window.canvasChanged();
    env_.PrintMode = 0;
  }
  PrintScope(const PrintScope&) = delete;
  PrintScope& operator=(const PrintScope&) = delete;
  void workspaceHidden() { workspaceHidden_ = true; }
  // The printer takes the job: the window sees to its events meanwhile, but
  // as while a redraw runs, no command, tool or exit starts.
  void printing() {
    printing_ = true;
    env_.redraw.ui.MenEnable(false);
    env_.redraw.ed.DrawBusy = true;
  }

 private:
  PrintEnv& env_;
  const Surface& bmap_;
  bool workspaceHidden_ = false;
  bool printing_ = false;
  bool restored_ = false;
};

// Reads the printer's page and lays the image out afresh. False when the
// printer does not answer.
bool initialise(PrintEnv& env) {
  const auto info = env.printer.pageInfo();
  if (!info || info->width <= 0 || info->height <= 0 || info->dpiX <= 0 || info->dpiY <= 0) {
    env.redraw.host.messageBox(kPrinterNotRespondingText, MsgButtons::OK, MsgIcon::None,
                               kPrinterNotRespondingTitle);
    return false;
  }
  const Surface& canvas = canvasOf(env);
  env.ps.PrinterName = env.printer.name();
  InitPrintSettings(env.ps, *info, env.iMeasure, canvas.width(), canvas.height());
  env.PrintInitDone = true;
  return true;
}

// The dialog, shown again as long as it asks for it. False when the printer
// does not answer.
bool runDialog(PrintEnv& env, const Surface& bmap) {
  for (;;) {
    if (!env.PrintInitDone && !initialise(env)) return false;
    env.ps.ReopenReason = kReopenNone;
    env.redraw.ui.MenEnable(false);
    env.window.showPrintFrm();
    canvasOf(env) = bmap;
    env.window.canvasChanged();
    if (env.ps.ReopenReason == kReopenNone) return true;
    env.PrintInitDone = false;
    if (env.ps.ReopenReason == kReopenAfterPageSetup) env.printer.printSetup(env.ps.PrintOrientation);
  }
}

// The printer's own page turned a quarter for the layout's orientation.
bool PageTurned(const PrintState& ps) { return ps.PrintOrientation != ps.PrintLandscape; }

// Colour: the canvas as the screen shows it, or the picture drawn afresh
// into the enlarged memory bitmap when the printed image is larger.
void colourJob(PrintEnv& env, const Surface& WorkPic, PrintJob& job) {
  const PrintState& ps = env.ps;
  job.turnPage = PageTurned(ps);
  job.imageX = ps.ImageX;
  job.imageY = ps.ImageY;
  job.imageW = ps.ImageW;
  job.imageH = ps.ImageH;
  const int scale = BitmapScaleFor(ps.ImageW, WorkPic.width(), canvasOf(env).penWidth());
  if (scale <= 1) {
    job.image = WorkPic;
  } else {
    DrawEnlarged(env.redraw, job.image, scale);
  }
}

// Black and white: the whole drawing redrawn with every line and circle also
// drawn on the printer's page, lines only, then the border. The page is
// turned as the colour print turns it, so that both give the page the
// layout shows, with the drawing upright on it.
void blackWhiteJob(PrintEnv& env, PrintJob& job) {
  PrintState& ps = env.ps;
  RedrawEnv& e = env.redraw;
  DrawContext& ctx = e.ctx;
  const Surface& canvas = canvasOf(env);
  const float SW = float(canvas.width()), SH = float(canvas.height());
  env.window.showPrintMessage(kBlackWhiteMessage);
  e.host.pumpEvents();

  job.turnPage = PageTurned(ps);
  const PrinterScale scale = BlackWhiteScale(ps, SW, SH, false);
  std::vector<PrintedLine> lines;
  PageRecorder recorder(scale, 0.0f, lines);
  ctx.PrintOffset = 0.0f;
  ctx.Clip = ClipRect{0.0f, SW, SH, 0.0f};
  ctx.Printer = &recorder;
  ctx.PrintPath = true;

  const bool tools = e.ed.ColorToolsOn;
  e.ed.ColorToolsOn = false;
  DrawAll(e, 1);
  e.ed.ColorToolsOn = tools;

  if (ps.PrintBorder == 1) {
    const int part = e.sym.CurPart;
    e.sym.CurPart = 0;
    const float d = float(ctx.LineWidth - 1);
    SymmLine(e.sym, ctx, d, d, SW - d, d, kBlack);
    SymmLine(e.sym, ctx, SW - d, d, SW - d, SH - d, kBlack);
    SymmLine(e.sym, ctx, SW - d, SH - d, d, SH - d, kBlack);
    SymmLine(e.sym, ctx, d, SH - d, d, d, kBlack);
    e.sym.CurPart = part;
  }
  ctx.PrintPath = false;
  ctx.Printer = nullptr;
  const double dotsPerPixel = std::min(double(ps.ImageW) / SW, double(ps.ImageH) / SH);
  DrawPage(lines, scale.devWidth, scale.devHeight, BlackWhitePen(ctx.LineWidth, dotsPerPixel), job);
}

void report(PrintEnv& env, const PrintOutcome& out) {
  if (!out.ok) {
    env.redraw.host.messageBox(out.error, MsgButtons::OK, MsgIcon::Exclamation, "");
  } else if (!out.toFile.empty()) {
    env.redraw.host.messageBox(PrintedToFileText(out.toFile), MsgButtons::OK, MsgIcon::Information, "");
  }
}

}  // namespace

std::string PrintedToFileText(const std::string& path) {
  return "No printer is installed, so the picture was printed into the file\n" + path;
}

void MenFilePrint(PrintEnv& env) {
  // The capture of the canvas as the screen shows it, kept on disk as well;
  // a folder that cannot be written does not stop the print.
  const Surface WorkPic = canvasOf(env);
  if (!env.capturePath.empty()) (void)env.images.writeBmp(WorkPic, env.capturePath);
  PrintScope scope(env, WorkPic);
  // The print layout of the dialog, whatever a bitmap command left behind.
  env.PrintMode = 0;
  if (!runDialog(env, WorkPic) || !env.ps.GoFlag) return;
  if (env.ps.ImageW < 1 || env.ps.ImageH < 1) {
    env.redraw.host.messageBox("The image has no size on the page: nothing was printed.", MsgButtons::OK,
                               MsgIcon::Exclamation, "");
    return;
  }

  env.window.hideWorkspace();
  scope.workspaceHidden();
  PrintJob job;
  job.copies = env.ps.Copies;
  if (env.ps.PrintStyle == kStyleColor) {
    colourJob(env, WorkPic, job);
  } else {
    blackWhiteJob(env, job);
  }
  scope.printing();
  Host& host = env.redraw.host;
  const PrintOutcome out = env.printer.print(job, [&host] { host.pumpEvents(); });
  // The user reads the outcome in the editor as it is again.
  scope.restore();
  report(env, out);
}

}  // namespace orn
