#include "canvas/picture_commands.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "canvas/view_load.h"
#include "model/file_util.h"
#include "model/list_edit.h"

namespace orn {

namespace {

constexpr const char* kStandardColRefusal =
    "You are not allowed to save a .COL file named STANDARD.COL.  Use another name.";

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

FileDialogRequest OpenRequest(const FileState& file, int kind) {
  FileDialogRequest r;
  r.initialFolder = PictureFolder(file);
  if (kind == 0) {
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

FileDialogRequest SaveRequest(const FileState& file, const std::string& title, bool bitmap,
                              const DrawContext& draw) {
  if (bitmap) {
    FileDialogRequest r = BitmapSaveRequest(file, title, draw.WallMeasure);
    // The wallpaper tile's outline stays in view beside the dialog.
    if (draw.WallMeasure) {
      r.keepInView = {draw.WallLeft - kWallOutlines, draw.WallTop - kWallOutlines,
                      draw.WallRight + kWallOutlines, draw.WallBottom + kWallOutlines};
    }
    return r;
  }
  FileDialogRequest r;
  r.initialFolder = PictureFolder(file);
  r.defaultExtension = "PNT";
  if (file.FileName != kUnNamed) {
    // Proposed by its bare name when it lies in the dialog's folder.
    const std::filesystem::path name(file.FileName);
    r.proposedName = name.parent_path().string() == r.initialFolder ? name.filename().string() : file.FileName;
  }
  r.title = "Save " + file.DocWord + " As";
  r.filter = file.DocWord + " Files (*.PNT)|*.PNT|All Files (*.*)|*.*";
  return r;
}

SaveOutcome WritePicture(FileContext& ctx) {
  SaveOutcome out;
  out.target = ctx.file.FileName;
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

// Writes the picture (or the canvas as a bitmap) to `path`, a name chosen in
// the Save dialog. The picture takes the name only once it is written.
SaveOutcome SaveTo(FileContext& ctx, const std::string& path, bool bitmap) {
  if (bitmap) {
    SaveOutcome out;
    out.bitmap = true;
    out.target = path;
    if (auto e = ctx.hooks.saveBitmap(path)) {
      out.status = CommandStatus::Failed;
      out.error = *e;
    } else {
      out.status = CommandStatus::Done;
    }
    return out;
  }
  if (IsStandardColFile(path)) return Refuse(ctx);
  const std::string previous = ctx.file.FileName;
  ctx.file.FileName = path;
  SaveOutcome out = WritePicture(ctx);
  if (out.status == CommandStatus::Failed) ctx.file.FileName = previous;
  return out;
}

}  // namespace

// ---- Loading -----------------------------------------------------------------

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
  const std::string handed = ctx.file.PicturePath;
  if (!handed.empty() && (HasExtension(handed, "PNT") || HasExtension(handed, "COL") ||
                          HasExtension(handed, "VEW")) && FileExists(handed)) {
    path = handed;
  }
  ctx.file.PicturePath.clear();
  if (path.empty() && ctx.file.ShowMode != 0) {
    // A slide show never stops to ask for a file: a slide that is not there
    // to be read fails, and the show passes over it.
    out.status = CommandStatus::Failed;
    std::string text(1, '"');
    text += FileNameOf(handed);
    text += "\" cannot be loaded: it is missing or empty.";
    out.error = std::move(text);
    return out;
  }
  if (path.empty()) {
    const auto chosen = ctx.dialogs.openFile(OpenRequest(ctx.file, kind));
    if (!chosen || chosen->empty()) return out;  // cancelled
    path = *chosen;
  }

  if (HasExtension(path, "VEW")) {
    ctx.hooks.showProgress(0);
    if (auto e = LoadView(ctx, path, out.report)) {
      out.status = CommandStatus::Failed;
      out.error = *e;
      return out;
    }
  } else {
    if (!HasExtension(path, "PNT") && !HasExtension(path, "COL")) {
      out.status = CommandStatus::Failed;
      std::string text(1, '"');
      text += FileNameOf(path);
      text += "\" is not a picture file.";
      out.error = std::move(text);
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
  // Ctrl counts as it is when New is chosen: the user may let it go to
  // answer the offer to save.
  const bool ctrlHeld = ctx.host.ctrlKeyDown();
  ctx.hooks.copyToBmap();
  PackPending(ctx.list);
  if (ctx.file.ZoomBoxMode) return out;
  if (!OfferToSave(ctx, out.error)) {
    if (!out.error.empty()) out.status = CommandStatus::Failed;
    return out;
  }
  ctx.file.FileName = kUnNamed;
  ctx.draw.PicBackColor = kWhite;
  ctx.list.reset();
  ctx.editor.GridMode = 0;
  ctx.draw.LineWidth = 1;
  UseLineWidth(ctx.draw);
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

  if (!ctx.file.StartPicture.empty() && !ctx.file.NewInLoad && !ctrlHeld) {
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
  const auto chosen =
      ctx.dialogs.saveFile(SaveRequest(file, ctx.pic.PictureTitle, bitmapMode, ctx.draw));
  if (!chosen || chosen->empty()) {
    file.SaveCancelled = true;
    return SaveOutcome{};
  }
  file.SaveWork = *chosen;
  return SaveTo(ctx, *chosen, bitmapMode || HasExtension(*chosen, "BMP"));
}

SaveOutcome FileSaveRetry(FileContext& ctx, const SaveOutcome& failed) {
  if (failed.target.empty()) return FileSaveC(ctx);
  ctx.hooks.copyToBmap();
  PackPending(ctx.list);
  ctx.file.SaveCancelled = false;
  if (ctx.list.recordOpen()) ctx.hooks.closeOpenRecord(ctx.list);
  ctx.file.SaveAsWanted = false;
  ctx.file.PrintMode = 0;
  return SaveTo(ctx, failed.target, failed.bitmap);
}

// ---- File dialogs -----------------------------------------------------------------

std::string PictureFolder(const FileState& file) {
  const auto folderOf = [](const std::string& path) -> std::string {
    if (path.empty() || path == kUnNamed || IsSamplePath(path)) return {};
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return !folder.empty() && std::filesystem::is_directory(folder, ec) ? folder.string() : std::string();
  };
  if (std::string own = folderOf(file.FileName); !own.empty()) return own;
  for (const std::string& recent : file.RecentFiles) {
    if (std::string folder = folderOf(recent); !folder.empty()) return folder;
  }
  return file.DialogDir;
}

FileDialogRequest BitmapSaveRequest(const FileState& file, const std::string& name, bool wallpaper) {
  FileDialogRequest r;
  r.defaultExtension = "BMP";
  r.filter = "Bitmap Files (*.BMP)|*.BMP|All Files (*.*)|*.*";
  if (wallpaper) {
    r.title = "Save as Wallpaper";
    r.initialFolder = file.DialogDir;
    return r;
  }
  r.title = "Save as Bitmap";
  r.initialFolder = PictureFolder(file);
  const std::string own = FileNameOf(file.FileName);
  if (file.FileName != kUnNamed && own.size() >= 3) {
    r.proposedName = own.substr(0, own.size() - 3) + "BMP";
  } else if (!name.empty()) {
    // A title may hold what a file name cannot.
    std::string stem = name;
    std::replace(stem.begin(), stem.end(), '/', '-');
    r.proposedName = stem + ".BMP";
  }
  return r;
}

// ---- Recent files and path rules -------------------------------------------------

void FixFList(FileState& file, const std::string& fileName) {
  // The list is kept one name a line in the settings file.
  if (HoldsLineBreak(fileName)) return;
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

bool WallpaperAllowed(float PicKind) { return PicKind < 7 || (PicKind >= 13 && PicKind <= 18); }

}  // namespace orn
