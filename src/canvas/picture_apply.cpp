#include "canvas/picture_commands.h"

#include <algorithm>
#include <cmath>

#include "model/record_codes.h"

namespace orn {

namespace {

constexpr Rgb kGalleryDefault = 0xC0C0C0;
constexpr float kBlockOpens = -2.0f;  // G1 of the symmetry change that opens the block

bool IsWholeNumber(float v) { return std::isfinite(v) && std::floor(v) == v; }

int RoundInt(float v) { return static_cast<int>(std::lround(std::nearbyint(v))); }

// The top-level entries of a checked list: records are stepped over by their
// frames, single entries one by one.
template <typename Visit>
void ForEachTopLevel(const std::vector<float>& g0, const std::vector<float>& g1, Visit visit) {
  const int end = static_cast<int>(g0.size()) - 1;
  int i = 0;
  while (i < end) {
    if (isSingleCode(g0[i])) {
      visit(i, i);
      ++i;
      continue;
    }
    const int first = i + RoundInt(g1[i]);
    const int last = i + RoundInt(g1[first - 1]);
    visit(i, last);
    i = last + 1;
  }
}

// A re-create keeps the list up to the entry that closes the symmetry block
// and adds a Mark and a change to part 1 after it. False (nothing changed)
// when the picture has no closing entry.
bool CutAfterSymmetry(std::vector<float>& g0, std::vector<float>& g1) {
  int symEnd = -1;
  ForEachTopLevel(g0, g1, [&](int i, int) {
    if (symEnd < 0 && g0[i] == kCodeSymmetryChg && g1[i] != kBlockOpens) symEnd = i;
  });
  if (symEnd < 0 || symEnd + 3 > kMaxIndex) return false;
  g0.resize(symEnd + 1);
  g1.resize(symEnd + 1);
  g0.insert(g0.end(), {static_cast<float>(kCodeMark), static_cast<float>(kCodeSymmetryChg),
                       static_cast<float>(kCodeEnd)});
  g1.insert(g1.end(), {0.0f, 1.0f, 0.0f});
  return true;
}

std::vector<ColourUse> ColoursOf(const DrawingList& list) {
  std::vector<ColourUse> out;
  for (int i : colourEntryIndexes(list, true)) {
    const float code = list.G0[i] - static_cast<float>(kCodeColour);
    const float rgb = list.G1[i];
    // A code is checked before it is converted: only 16-bit codes are codes.
    if (!IsWholeNumber(code) || code > 32767.0f || !IsWholeNumber(rgb) || rgb < 0 || rgb > 0xFFFFFF) continue;
    const Rgb c = static_cast<Rgb>(rgb);
    if (c == 0) continue;  // black is never listed
    const bool known = std::any_of(out.begin(), out.end(), [&](const ColourUse& u) { return u.rgb == c; });
    if (known) continue;
    if (static_cast<int>(out.size()) == kMaxColoursInUse) break;
    out.push_back({static_cast<int>(code), c});
  }
  return out;
}

void ApplyHeader(FileContext& ctx, const PictureFile& pf, LoadReport& report) {
  const auto& h = pf.header;
  // Every load starts with the thinnest pen and the grid in black.
  ctx.draw.LineWidth = 1;
  ctx.editor.GridMode = 0;
  UseLineWidth(ctx.draw);
  // A file without settings keeps those of the picture open before it.
  if (pf.layout == PictureLayout::NoHeader) return;
  ctx.draw.LineWidth = RoundInt(std::clamp(h[kHdrLineWidth], 1.0f, 20.0f));
  UseLineWidth(ctx.draw);
  ctx.editor.GridMode = RoundInt(h[kHdrGridMode]);
  ctx.pic.SplinePolyOn = h[kHdrSplinePolyOn] != 0.0f;
  report.windowState = RoundInt(std::clamp(h[kHdrWindowState], 0.0f, 2.0f));
  report.progressTotal = std::max(1, RoundInt(std::clamp(h[kHdrNumPoints], 0.0f, 32767.0f)));
  ctx.pic.ZoomFactor = h[kHdrZoomFactor];
  const auto back = static_cast<Rgb>(h[kHdrPicBackColor]);
  ctx.draw.PicBackColor = back == 0 ? kWhite : back;
  const float gallery = h[kHdrGalleryBackColor];
  ctx.pic.GalleryBackColor = gallery == 0.0f ? kGalleryDefault : gallery == 1.0f ? 0 : static_cast<Rgb>(gallery);
  ctx.pic.PicKind = h[kHdrPicKind];
  ctx.editor.YellowBase = h[kHdrYellowBase] != 0.0f;
}

void ApplyViews(FileContext& ctx, const PictureFile& pf, const WindowSizes& now, LoadReport& report) {
  ViewTable& v = ctx.views;
  ctx.editor.ProjectView = false;
  if (pf.layout != PictureLayout::Full) {
    ResetViews(v, now.canvasWidth, now.canvasHeight);
    ctx.editor.ProjPages = 1;
    return;
  }
  report.viewRowsRead = true;
  v.clear();
  std::copy(pf.views.begin(), pf.views.end(), v.rows.begin());
  v.ViewDepth = static_cast<int>(pf.views.size()) - 1 - ViewBase;
  ctx.editor.ProjPages = RoundInt(pf.header[kHdrProjPages]);
  ViewRow& base = v.rows[ViewBase];
  if (base[0] != 0.0f) {
    report.hasStoredSizes = true;
    report.storedWindowWidth = base[0];
    report.storedWindowHeight = base[1];
    report.storedCanvasWidth = base[2];
    report.storedCanvasHeight = base[3];
    std::fill(base.begin(), base.begin() + 4, 0.0f);
  }
  const ViewRow& full = v.rows[1];
  if (ctx.editor.ProjPages <= 1 && full[0] == 0 && full[1] == 0 && full[2] == 0 && full[3] == 0) {
    SaveScale(v, now.canvasWidth, now.canvasHeight);
    v.rows[1] = v.rows[v.lastRow()];
    v.ViewDepth -= 1;
  }
}

void NoteBaseGroups(const std::vector<float>& g0, const std::vector<float>& g1, LoadReport& report) {
  ForEachTopLevel(g0, g1, [&](int i, int) {
    if (g0[i] != kCodeSymmetryItem) return;
    const int g = RoundInt(g0[i + 1]);
    if (g >= 0) return;
    report.HasBaseGroup = true;
    report.baseGroup[-g] = true;
    if (-g > 2) report.tallPartPanel = true;
  });
}


}  // namespace

void ApplyPictureFile(FileContext& ctx, const PictureFile& pf, const std::string& path, LoadReport& report) {
  const WindowSizes now = ctx.hooks.windowSizes();
  std::vector<float> g0 = pf.g0, g1 = pf.g1;
  const bool reCreated = ctx.file.LoadOption == kLoadReCreate && CutAfterSymmetry(g0, g1);

  DrawingList& list = ctx.list;
  // A checked file never holds more entries than the list.
  list.replaceWith(g0, g1);

  ApplyHeader(ctx, pf, report);
  if (reCreated) {
    ctx.editor.GridMode = 0;
    ctx.editor.YellowBase = true;
  }
  ApplyViews(ctx, pf, now, report);
  ctx.pic.PictureTitle = pf.title;
  report.title = pf.title;

  // The symmetry block: the first symmetry change that opens it and the
  // first other one that closes it. Only the picture's own entries are
  // walked: past its end marker the list may still hold an earlier picture.
  ctx.sym.SymStart = ctx.sym.SymEnd = 0;
  ForEachTopLevel(g0, g1, [&](int i, int) {
    if (g0[i] != kCodeSymmetryChg) return;
    if (g1[i] == kBlockOpens) {
      ctx.sym.SymStart = i;
    } else if (ctx.sym.SymEnd == 0) {
      ctx.sym.SymEnd = i;
    }
  });
  ctx.sym.CurPart = 0;
  ctx.sym.SymTablesValid = false;
  NoteBaseGroups(g0, g1, report);

  report.path = path;
  report.ModelNumber = ModelNumberOf(path);
  ctx.file.FileName = path;
  if (!(ctx.file.GalleryShown && !pf.title.empty()) && IsSamplePath(path)) {
    // A sample is never written over: saving it asks for a new name.
    report.sample = true;
    ctx.file.FileName = kUnNamed;
    ctx.pic.PictureTitle.clear();
  }
  ctx.editor.PicChanged = false;
  ctx.hooks.symmetryLoaded();
  ctx.hooks.coloursLoaded(ColoursOf(list));
}

}  // namespace orn
