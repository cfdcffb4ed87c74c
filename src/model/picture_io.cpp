#include "model/picture_io.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "model/file_util.h"
#include "model/list_edit.h"
#include "model/record_codes.h"

namespace orn {

namespace {

constexpr Rgb kWhiteRgb = 0xFFFFFF;
constexpr float kBlockOpens = -2.0f;  // G1 of the symmetry change that opens the block
constexpr Rgb kGalleryDefault = 0xC0C0C0;
constexpr const char* kStandardColRefusal =
    "You are not allowed to save a .COL file named STANDARD.COL.  Use another name.";

bool IsWholeNumber(float v) { return std::isfinite(v) && std::floor(v) == v; }

int RoundInt(float v) { return static_cast<int>(std::lround(std::nearbyint(v))); }

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Sets LoadOption back to normal and empties PicturePath however a load ends.
struct LoadCleanup {
  FileState& file;
  ~LoadCleanup() {
    file.LoadOption = kLoadNormal;
    file.PicturePath.clear();
  }
};

void PackPending(DrawingList& list) {
  if (list.PackFrom > 0) PackBad(list);
}

// Asks whether to save a changed picture. False when the command must stop:
// the user cancelled, cancelled the Save dialog, or the save failed (then
// `error` holds its text, so the changes are never lost silently).
bool OfferToSave(FileContext& ctx, std::string& error) {
  if (ctx.list.NumPoints == 0 || !ctx.editor.PicChanged) return true;
  const MsgResult answer = ctx.host.messageBox("Save Changes to " + ctx.file.FileName,
                                               MsgButtons::YesNoCancel, MsgIcon::Question, "Symmetry");
  if (answer == MsgResult::Cancel) return false;
  if (answer != MsgResult::Yes) return true;
  ctx.file.SaveAsWanted = ctx.file.FileName == kUnNamed;
  const SaveOutcome saved = FileSaveC(ctx);
  if (saved.status == CommandStatus::Failed) error = saved.error;
  return saved.status == CommandStatus::Done;
}

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
    if (!IsWholeNumber(code) || !IsWholeNumber(rgb) || rgb < 0 || rgb > 0xFFFFFF) continue;
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
  if (pf.layout == PictureLayout::NoHeader) {
    // No settings stored: those of a new picture.
    ctx.draw.LineWidth = 1;
    ctx.editor.GridMode = 0;
    ctx.pic.ZoomFactor = 6.0f;
    ctx.draw.PicBackColor = kWhiteRgb;
    ctx.pic.GalleryBackColor = kGalleryDefault;
    ctx.pic.PicKind = 0.0f;
    ctx.editor.YellowBase = false;
    return;
  }
  ctx.draw.LineWidth = std::clamp(RoundInt(h[kHdrLineWidth]), 1, 20);
  ctx.editor.GridMode = RoundInt(h[kHdrGridMode]);
  ctx.pic.SplinePolyOn = h[kHdrSplinePolyOn] != 0.0f;
  report.windowState = RoundInt(std::clamp(h[kHdrWindowState], 0.0f, 2.0f));
  report.progressTotal = std::max(1, RoundInt(std::clamp(h[kHdrNumPoints], 0.0f, 32767.0f)));
  ctx.pic.ZoomFactor = h[kHdrZoomFactor];
  const auto back = static_cast<Rgb>(h[kHdrPicBackColor]);
  ctx.draw.PicBackColor = back == 0 ? kWhiteRgb : back;
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

void NoteBaseGroups(const DrawingList& list, LoadReport& report) {
  ForEachTopLevel(list.G0, list.G1, [&](int i, int) {
    if (list.G0[i] != kCodeSymmetryItem) return;
    const int g = RoundInt(list.G0[i + 1]);
    if (g >= 0) return;
    report.HasBaseGroup = true;
    report.baseGroup[-g] = true;
    if (-g > 2) report.tallPartPanel = true;
  });
}

FileDialogRequest OpenRequest(const FileState& file, int kind) {
  FileDialogRequest r;
  if (kind == 0) {
    r.initialFolder = file.DialogDir;
    r.defaultExtension = "PNT";
    r.title = "Load Picture";
    r.filter = "Paint Files (*.PNT)|*.PNT|All Files (*.*)|*.*";
  } else {
    r.defaultExtension = "VEW";
    r.title = "Load H3 View";
    r.filter = "H3 View Files (*.VEW)|*.VEW|All Files (*.*)|*.*";
  }
  return r;
}

FileDialogRequest SaveRequest(const FileState& file, bool bitmap, bool wallpaper) {
  FileDialogRequest r;
  r.initialFolder = file.DialogDir;
  const bool named = file.FileName != kUnNamed;
  if (bitmap) {
    r.defaultExtension = "BMP";
    if (named && !wallpaper) r.proposedName = file.FileName.substr(0, file.FileName.size() - 3) + "BMP";
    r.title = wallpaper ? "Save as Wallpaper" : "Save as Bitmap";
    r.filter = "Bitmap Files (*.BMP)|*.BMP|All Files (*.*)|*.*";
  } else {
    r.defaultExtension = "PNT";
    if (named) {
      // Propose the name relative to the dialog's folder when it lies there.
      const std::string base = file.DialogDir.empty() ? std::string() : file.DialogDir + "/";
      r.proposedName = !base.empty() && file.FileName.rfind(base, 0) == 0 ? file.FileName.substr(base.size())
                                                                         : file.FileName;
    }
    r.title = "Save " + file.DocWord + " As";
    r.filter = file.DocWord + " Files (*.PNT)|*.PNT|All Files (*.*)|*.*";
  }
  return r;
}

SaveOutcome WritePicture(FileContext& ctx) {
  SaveOutcome out;
  const PictureFile pf = CapturePicture(ctx, ctx.hooks.windowSizes());
  if (auto e = WritePictureFile(ctx.file.FileName, pf)) {
    out.status = CommandStatus::Failed;
    out.error = e->message;
    return out;
  }
  // The sizes written into row 20 stay in the table, as they were saved.
  std::copy(pf.views[ViewBase].begin(), pf.views[ViewBase].begin() + 4, ctx.views.rows[ViewBase].begin());
  FixFList(ctx.file, ctx.file.FileName);
  ctx.editor.PicChanged = false;
  if (HasExtension(ctx.file.FileName, "COL")) ctx.hooks.saveStandardColors();
  out.status = CommandStatus::Done;
  return out;
}

SaveOutcome Refuse(FileContext& ctx) {
  ctx.host.messageBox(kStandardColRefusal, MsgButtons::OK, MsgIcon::None, "");
  SaveOutcome out;
  out.status = CommandStatus::Refused;
  return out;
}

}  // namespace

// ---- Loading -----------------------------------------------------------------

void ApplyPictureFile(FileContext& ctx, const PictureFile& pf, const std::string& path, LoadReport& report) {
  const WindowSizes now = ctx.hooks.windowSizes();
  std::vector<float> g0 = pf.g0, g1 = pf.g1;
  const bool reCreated = ctx.file.LoadOption == kLoadReCreate && CutAfterSymmetry(g0, g1);

  DrawingList& list = ctx.list;
  list.reset();
  const int end = static_cast<int>(g0.size()) - 1;
  // The end marker stays at or below the capacity mark, so that the spare
  // entries past it are there for the next record.
  while (end > list.ListCapacity) list.BiggerArrays();
  std::copy(g0.begin(), g0.end(), list.G0.begin());
  std::copy(g1.begin(), g1.end(), list.G1.begin());
  list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(end);
  list.PackFrom = 0;

  ApplyHeader(ctx, pf, report);
  if (reCreated) {
    ctx.editor.GridMode = 0;
    ctx.editor.YellowBase = true;
  }
  ApplyViews(ctx, pf, now, report);
  ctx.pic.PictureTitle = pf.title;

  // The symmetry block: the first symmetry change that opens it and the
  // first other one that closes it.
  ctx.sym.SymStart = ctx.sym.SymEnd = 0;
  ForEachTopLevel(list.G0, list.G1, [&](int i, int) {
    if (list.G0[i] != kCodeSymmetryChg) return;
    if (list.G1[i] == kBlockOpens) {
      ctx.sym.SymStart = i;
    } else if (ctx.sym.SymEnd == 0) {
      ctx.sym.SymEnd = i;
    }
  });
  ctx.sym.CurPart = 0;
  ctx.sym.SymTablesValid = false;
  NoteBaseGroups(list, report);

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

LoadOutcome FileLoadC(FileContext& ctx, int kind) {
  LoadCleanup cleanup{ctx.file};
  LoadOutcome out;
  ctx.hooks.copyToBmap();
  PackPending(ctx.list);
  if (!OfferToSave(ctx, out.error)) {
    out.status = out.error.empty() ? CommandStatus::Cancelled : CommandStatus::Failed;
    return out;
  }

  std::string path;
  const std::string& handed = ctx.file.PicturePath;
  if (!handed.empty() && (HasExtension(handed, "PNT") || HasExtension(handed, "COL") ||
                          HasExtension(handed, "VEW")) && FileExists(handed)) {
    path = handed;
  }
  ctx.file.PicturePath.clear();
  if (path.empty()) {
    const auto chosen = ctx.dialogs.openFile(OpenRequest(ctx.file, kind));
    if (!chosen || chosen->empty()) return out;  // cancelled
    path = *chosen;
  }

  if (HasExtension(path, "VEW")) {
    if (auto e = ctx.hooks.loadView(path)) {
      out.status = CommandStatus::Failed;
      out.error = *e;
      return out;
    }
    ctx.file.FileName = kUnNamed;
    ctx.editor.PicChanged = false;
    out.report.path = path;
    out.report.viewFile = true;
    out.report.windowState = ctx.hooks.windowSizes().windowState == 2 ? 2 : 0;
  } else {
    if (!HasExtension(path, "PNT") && !HasExtension(path, "COL")) {
      out.status = CommandStatus::Failed;
      out.error = "\"" + FileNameOf(path) + "\" is not a picture file.";
      return out;
    }
    ctx.hooks.showProgress(0);
    FileResult<PictureFile> read = ReadPictureFile(path);
    if (!read.ok()) {
      out.status = CommandStatus::Failed;
      out.error = read.error->message;
      return out;
    }
    ApplyPictureFile(ctx, *read.value, path, out.report);
    FixFList(ctx.file, path);
  }
  ctx.hooks.showProgress(120);
  if (ctx.file.StartMode == kStartRepaint || ctx.file.LoadOption == kLoadEraseColours) {
    ctx.hooks.eraseColours();
  }
  ctx.hooks.showProgress(160);
  out.status = CommandStatus::Done;
  return out;
}

// ---- New picture ---------------------------------------------------------------

NewOutcome FileNew(FileContext& ctx) {
  NewOutcome out;
  ctx.hooks.copyToBmap();
  PackPending(ctx.list);
  if (ctx.file.ZoomBoxMode) return out;
  if (!OfferToSave(ctx, out.error)) {
    if (!out.error.empty()) out.status = CommandStatus::Failed;
    return out;
  }
  ctx.file.FileName = kUnNamed;
  ctx.draw.PicBackColor = kWhiteRgb;
  ctx.list.reset();
  ctx.editor.GridMode = 0;
  ctx.draw.LineWidth = 1;
  ctx.sym.SymStart = ctx.sym.SymEnd = 0;
  ctx.sym.CurPart = 0;
  ctx.sym.SymTablesValid = false;
  ctx.editor.PicChanged = false;
  ctx.pic.ZoomFactor = 6.0f;
  ctx.pic.PictureTitle.clear();  // a new picture has no title of its own
  ctx.editor.ProjPages = 1;
  ctx.editor.ProjectView = false;
  const WindowSizes now = ctx.hooks.windowSizes();
  ResetViews(ctx.views, now.canvasWidth, now.canvasHeight);
  ctx.hooks.symmetryLoaded();
  ctx.hooks.coloursLoaded({});
  out.status = CommandStatus::Done;

  if (!ctx.file.StartPicture.empty() && !ctx.file.NewInLoad && !ctx.host.ctrlKeyDown()) {
    ctx.file.PicturePath = ctx.file.StartPicture;
    ctx.file.OpenForEditing = ctx.file.StartGallery;
    ctx.file.LoadOption = ctx.file.StartReCreate;
    out.reopened = true;
    out.load = FileLoadC(ctx, 0);
  }
  return out;
}

// ---- Saving --------------------------------------------------------------------

PictureFile CapturePicture(const FileContext& ctx, const WindowSizes& sizes) {
  PictureFile pf;
  pf.title = ctx.pic.PictureTitle;
  auto& h = pf.header;
  h[kHdrLineWidth] = static_cast<float>(ctx.draw.LineWidth);
  h[kHdrGridMode] = static_cast<float>(ctx.editor.GridMode);
  h[kHdrSplinePolyOn] = ctx.pic.SplinePolyOn ? -1.0f : 0.0f;
  h[kHdrWindowState] = static_cast<float>(sizes.windowState);
  h[kHdrNumPoints] = static_cast<float>(ctx.list.NumPoints);
  h[kHdrZoomFactor] = ctx.pic.ZoomFactor;
  h[kHdrPicBackColor] = static_cast<float>(ctx.draw.PicBackColor);
  h[kHdrGalleryBackColor] = ctx.pic.GalleryBackColor == 0 ? 1.0f : static_cast<float>(ctx.pic.GalleryBackColor);
  h[kHdrPicKind] = ctx.pic.PicKind;
  h[kHdrYellowBase] = ctx.editor.YellowBase ? -1.0f : 0.0f;
  const int lastRow = std::clamp(ctx.views.lastRow(), ViewBase, kViewLastRow);
  h[kHdrLastViewRow] = static_cast<float>(lastRow);
  h[kHdrProjPages] = static_cast<float>(ctx.editor.ProjPages);
  pf.views.assign(ctx.views.rows.begin(), ctx.views.rows.begin() + lastRow + 1);
  ViewRow& base = pf.views[ViewBase];
  base[0] = static_cast<float>(sizes.windowWidth);
  base[1] = static_cast<float>(sizes.windowHeight);
  base[2] = static_cast<float>(sizes.canvasWidth);
  base[3] = static_cast<float>(sizes.canvasHeight);
  const int n = ctx.list.NumPoints + 1;
  pf.g0.assign(ctx.list.G0.begin(), ctx.list.G0.begin() + n);
  pf.g1.assign(ctx.list.G1.begin(), ctx.list.G1.begin() + n);
  return pf;
}

SaveOutcome FileSaveC(FileContext& ctx) {
  FileState& file = ctx.file;
  ctx.hooks.copyToBmap();
  PackPending(ctx.list);
  file.SaveCancelled = false;
  if (ctx.list.recordOpen()) ctx.hooks.closeOpenRecord(ctx.list);
  if (IsSamplePath(file.FileName)) file.FileName = kUnNamed;

  if (file.FileName != kUnNamed && !file.SaveAsWanted) {
    if (IsStandardColFile(file.FileName)) return Refuse(ctx);
    return WritePicture(ctx);
  }

  file.SaveAsWanted = false;
  const bool bitmapMode = file.PrintMode != 0;
  file.PrintMode = 0;
  const auto chosen = ctx.dialogs.saveFile(SaveRequest(file, bitmapMode, ctx.draw.WallMeasure));
  if (!chosen || chosen->empty()) {
    file.SaveCancelled = true;
    return SaveOutcome{};
  }
  file.SaveWork = *chosen;
  if (bitmapMode || HasExtension(*chosen, "BMP")) {
    SaveOutcome out;
    out.bitmap = true;
    if (auto e = ctx.hooks.saveBitmap(*chosen)) {
      out.status = CommandStatus::Failed;
      out.error = *e;
    } else {
      out.status = CommandStatus::Done;
    }
    return out;
  }
  if (IsStandardColFile(*chosen)) return Refuse(ctx);
  const std::string previous = file.FileName;
  file.FileName = *chosen;
  SaveOutcome out = WritePicture(ctx);
  if (out.status == CommandStatus::Failed) file.FileName = previous;
  return out;
}

// ---- Recent files and path rules -------------------------------------------------

void FixFList(FileState& file, const std::string& fileName) {
  auto& r = file.RecentFiles;
  // Names are compared without regard to case; an entry found takes the
  // newest spelling.
  const std::string key = PathKey(fileName);
  auto same = [&](const std::string& s) { return !s.empty() && PathKey(s) == key; };
  if (same(r[0])) {
    r[0] = fileName;
    return;
  }
  if (IsSamplePath(fileName) || file.ShowMode != 0) return;
  int k = 1;
  while (k <= 3 && !same(r[k])) ++k;
  for (int j = (k <= 3 ? k - 1 : 2); j >= 0; --j) r[j + 1] = r[j];
  r[0] = fileName;
}

std::string RecentCaption(const std::string& path, const std::string& baseDir) {
  if (baseDir.empty()) return path;
  const std::string base = baseDir.back() == '/' ? baseDir : baseDir + "/";
  if (path.rfind(base, 0) != 0) return path;
  const std::string rest = path.substr(base.size());
  return rest.find('/') == std::string::npos ? rest : "../" + rest;
}

std::string PathKey(const std::string& path) {
  std::string s = Upper(path);
  std::replace(s.begin(), s.end(), '/', '\\');
  return s;
}

bool HasExtension(const std::string& path, const std::string& ext) {
  const std::string name = FileNameOf(path);
  const auto dot = name.find_last_of('.');
  return dot != std::string::npos && Upper(name.substr(dot + 1)) == Upper(ext);
}

bool IsSamplePath(const std::string& path) { return PathKey(path).find("\\STATIC\\OV") != std::string::npos; }

bool IsStandardColFile(const std::string& path) {
  const std::string name = Upper(FileNameOf(path));
  const std::string standard = "STANDARD.COL";
  return name.size() >= standard.size() && name.compare(name.size() - standard.size(), standard.size(), standard) == 0;
}

int ModelNumberOf(const std::string& path) {
  const std::string key = PathKey(path);
  auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : 0; };
  const std::string mod = "\\STATIC\\OVMOD";
  if (const auto p = key.find(mod); p != std::string::npos) {
    return p + mod.size() < key.size() ? digit(key[p + mod.size()]) : 0;
  }
  if (key.find("\\STATIC\\OVX") != std::string::npos && key.size() >= 5) return digit(key[key.size() - 5]);
  return 0;
}

bool WallpaperAllowed(float PicKind) { return PicKind < 7 || (PicKind >= 13 && PicKind <= 18); }

}  // namespace orn
