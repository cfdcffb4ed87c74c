#include "print/bitmap_export.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "platform/core/app_folder.h"
#include "print/print_state.h"
#include "symmetry/replication.h"
#include "symmetry/sym_table.h"

namespace orn {

std::string NotWrittenText(const std::string& path) { return "\"" + path + "\" could not be written."; }

// ---- Save as Bitmap --------------------------------------------------------------

bool BitmapNameOk(const std::string& path) {
  return hasExtension(std::filesystem::path(path).filename().string(), ".bmp");
}

void MenSaveBitmap(const Surface& canvas, const FileDialogRequest& request, FileDialogs& dialogs, Host& host,
                   ImageWriter& images) {
  const auto name = dialogs.saveFile(request);
  if (!name || name->empty()) return;
  if (!BitmapNameOk(*name)) {
    host.messageBox("Bad Name - " + *name, MsgButtons::OK, MsgIcon::None, "");
    return;
  }
  // The canvas as the screen shows it (the modal dialog leaves it as it was).
  if (auto e = images.writeBmp(canvas, *name)) host.messageBox(*e, MsgButtons::OK, MsgIcon::Exclamation, "");
}

// ---- Save as Wallpaper -----------------------------------------------------------

namespace {

// Moves a tile `size` long starting at `start` the least way that brings it
// within 0..limit; false when it is longer than that. Any stretch of whole
// periods is a tile, wherever it starts.
bool fitOnCanvas(int& start, int size, int limit) {
  if (size <= 0 || size > limit) return false;
  start = std::clamp(start, 0, limit - size);
  return true;
}

// Selects part 1 for the measuring when no part is selected, and puts the
// selection and the copy table back afterwards; lets lines reach every
// replica while it measures.
class MeasureScope {
 public:
  MeasureScope(SymState& sym, const DrawingList& list) : sym_(sym), list_(list) {
    part_ = sym.CurPart;
    working_ = sym.WorkingSym;
    sym.WorkingSym = kAllReplicas;
    if (part_ == 0) sym.CurPart = 1;
    valid_ = CheckSymData(sym, list) == SymRebuild::Valid && sym.CurPart != 0;
  }
  ~MeasureScope() {
    sym_.WorkingSym = working_;
    if (part_ == 0) {
      sym_.CurPart = 0;
      CheckSymData(sym_, list_);
    }
  }
  MeasureScope(const MeasureScope&) = delete;
  MeasureScope& operator=(const MeasureScope&) = delete;
  bool valid() const { return valid_; }

 private:
  SymState& sym_;
  const DrawingList& list_;
  int part_ = 0;
  int working_ = kAllReplicas;
  bool valid_ = false;
};

}  // namespace

namespace {

// A tile spans whole periods when it is within this many pixels of them: a
// small fraction, so that the tiles' joins rarely move an edge by a pixel.
constexpr double kWholePeriods = 0.2;

struct Period {
  double x = 0, y = 0;
};

// The part's copies that are the base copy moved without turning: the exact
// move of the one nearest to (w, h), the translation the measuring found in
// whole pixels; (w, h) itself when there is none.
Period exactPeriod(const SymState& sym, int w, int h) {
  constexpr double kSame = 1e-2;
  const auto& b = sym.SymData[static_cast<std::size_t>(sym.BaseCopy)];
  Period best{double(w), double(h)};
  double bestMiss = 2.0;
  for (int k = sym.BaseCopy + 1; k <= sym.LastCopy && k <= kMaxCopy; ++k) {
    const auto& c = sym.SymData[static_cast<std::size_t>(k)];
    if ((c[kReflect] != 0) != (b[kReflect] != 0)) continue;
    bool moved = true;
    for (const int corner : {kP1x, kP2x}) {
      for (const int axis : {0, 1}) {
        const double edge = double(c[corner + axis]) - c[kP0x + axis];
        const double baseEdge = double(b[corner + axis]) - b[kP0x + axis];
        moved = moved && std::fabs(edge - baseEdge) < kSame;
      }
    }
    if (!moved) continue;
    const Period t{double(c[kP0x]) - b[kP0x], double(c[kP0y]) - b[kP0y]};
    const double mx = std::fabs(t.x - w), my = std::fabs(t.y - h);
    if (mx < 1 && my < 1 && mx + my < bestMiss) {
      best = t;
      bestMiss = mx + my;
    }
  }
  return best;
}

// The size of the fewest whole periods (each `along` pixels, moving
// `aside` pixels across) within kWholePeriods of a whole number of pixels
// and no larger than `limit`; 0 when there is none.
int wholePeriods(double along, double aside, int limit) {
  if (!(along >= 1)) return 0;
  for (int n = 1; n * along <= limit + kWholePeriods; ++n) {
    const double size = n * along, whole = std::nearbyint(size);
    if (std::fabs(size - whole) <= kWholePeriods && std::fabs(n * aside) <= kWholePeriods && whole <= limit)
      return static_cast<int>(whole);
  }
  return 0;
}

}  // namespace

WallFit MeasureWallTile(SymState& sym, DrawContext& ctx, const DrawingList& list, int canvasWidth,
                        int canvasHeight) {
  ctx.WallMeasure = true;
  float hx = 0, hy = 0;
  int w = 0, h = 0;
  WallFit fit = WallFit::WholePeriods;
  {
    MeasureScope scope(sym, list);
    if (!scope.valid()) return WallFit::None;
    const auto& base = sym.SymData[static_cast<std::size_t>(sym.BaseCopy)];
    // A short probe from the base copy's first corner; the replication
    // finds its nearest pure translates to the right and below.
    const float x = base[kP0x], y = base[kP0y];
    SymmLine(sym, ctx, x, y, x + 10.0f, y - 10.0f, kBlack);
    hx = base[kHandleX];
    hy = base[kHandleY];
    if (ctx.WallRight == kWallNotFound || ctx.WallBottom == kWallNotFound) return WallFit::None;
    // The periods in whole pixels, as measured, and exactly.
    const int across = ctx.WallRight - ctx.WallLeft, down = ctx.WallBottom - ctx.WallTop;
    const Period right = exactPeriod(sym, across, 0), below = exactPeriod(sym, 0, down);
    w = wholePeriods(right.x, right.y, canvasWidth);
    h = wholePeriods(below.y, below.x, canvasHeight);
    // A way without whole periods on the canvas takes one period, with a seam.
    if (w == 0 || h == 0) fit = WallFit::NotWhole;
    if (w == 0) w = across;
    if (h == 0) h = down;
  }
  // Centred on the base copy, as far as the canvas allows.
  int left = static_cast<int>(std::nearbyint(hx - w / 2.0));
  int top = static_cast<int>(std::nearbyint(hy - h / 2.0));
  if (!fitOnCanvas(left, w, canvasWidth) || !fitOnCanvas(top, h, canvasHeight)) return WallFit::None;
  ctx.WallLeft = left;
  ctx.WallTop = top;
  ctx.WallRight = left + w - 1;
  ctx.WallBottom = top + h - 1;
  return fit;
}

void WallOutline(Surface& canvas, const DrawContext& ctx) {
  const int width = canvas.penWidth();
  const PenMode mode = canvas.penMode();
  const Rgb pen = canvas.penColor();
  canvas.setPenWidth(1);
  canvas.setPenMode(PenMode::Xor);
  canvas.setPenColor(kWallOutlineColour);
  for (int i = 1; i <= kWallOutlines; ++i) {
    canvas.box(ctx.WallLeft - i, ctx.WallTop - i, ctx.WallRight + i, ctx.WallBottom + i);
  }
  canvas.setPenColor(pen);
  canvas.setPenMode(mode);
  canvas.setPenWidth(width);
}

namespace {

// Whatever happens, the wallpaper command ends with the canvas as it found
// it, the measuring off and the file dialogs' folder back.
class WallScope {
 public:
  WallScope(FileContext& fc, Surface& canvas) : fc_(fc), canvas_(canvas), bmap_(canvas) {
    dialogDir_ = fc.file.DialogDir;
  }
  ~WallScope() {
    fc_.file.DialogDir = dialogDir_;
    fc_.file.PrintMode = 0;
    fc_.draw.WallMeasure = false;
    canvas_ = bmap_;
  }
  WallScope(const WallScope&) = delete;
  WallScope& operator=(const WallScope&) = delete;

 private:
  FileContext& fc_;
  Surface& canvas_;
  const Surface bmap_;
  std::string dialogDir_;
};

}  // namespace

void MenSaveWall(FileContext& fc, Surface& canvas, const std::string& wallFolder) {
  fc.hooks.copyToBmap();
  WallScope scope(fc, canvas);
  const WallFit fit = MeasureWallTile(fc.sym, fc.draw, fc.list, canvas.width(), canvas.height());
  if (fit == WallFit::None) {
    fc.host.messageBox(kNoWallpaperText, MsgButtons::OK, MsgIcon::None, "");
    return;
  }
  if (fit == WallFit::NotWhole) fc.host.messageBox(kWallSeamText, MsgButtons::OK, MsgIcon::Information, "");
  WallOutline(canvas, fc.draw);
  fc.hooks.showCanvas();
  std::error_code ec;
  std::filesystem::create_directories(wallFolder, ec);
  if (std::filesystem::is_directory(wallFolder, ec)) fc.file.DialogDir = wallFolder;
  fc.file.SaveAsWanted = true;
  fc.file.PrintMode = kLastFormat;
  const SaveOutcome out = FileSaveC(fc);
  if (out.status == CommandStatus::Failed) {
    fc.host.messageBox(out.error, MsgButtons::OK, MsgIcon::Exclamation, "");
  }
}

std::optional<std::string> SaveCanvasBitmap(const Surface& canvas, const DrawContext& ctx,
                                            ImageWriter& images, const std::string& path) {
  if (!ctx.WallMeasure) return images.writeBmp(canvas, path);
  return images.writeBmp(canvas, ctx.WallLeft, ctx.WallTop, ctx.WallRight - ctx.WallLeft + 1,
                         ctx.WallBottom - ctx.WallTop + 1, path);
}

}  // namespace orn
