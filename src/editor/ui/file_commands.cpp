// The editor window's File menu: new, load, save, the recent files, and
// what the window does around them (the loading window, the caption, the
// canvas size, the menus that follow the picture, the redraw).
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QScopedValueRollback>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "canvas/tools.h"
#include "canvas/ui/file_dialogs.h"
#include "canvas/ui/form_layout.h"
#include "canvas/ui/sym_p_load.h"
#include "canvas/zoom_views.h"
#include "editor/ui/pic_edit.h"
#include "editor/ui/pic_edit_hooks.h"
#include "editor/ui/project_pages.h"
#include "model/file_util.h"
#include "model/record_codes.h"
#include "platform/canvas_widget.h"
#include "platform/qt_colour.h"

namespace orn {

namespace {

// A canvas size read from a file is used only within the canvas's bounds.
bool sane(float v) { return std::isfinite(v) && v >= 1.0f && v <= float(kMaxCanvas); }

// The file through which the sibling product hands a view over.
constexpr const char* kHandOverView = "TEMP628.VEW";

}  // namespace

// Passes the dialogs through and notes the file chosen to open, so that the
// loading window can name it.
class NamingDialogs : public FileDialogs {
 public:
  NamingDialogs(FileDialogs& inner, std::string& chosen) : inner_(inner), chosen_(chosen) {}
  std::optional<std::string> openFile(const FileDialogRequest& r) override {
    auto p = inner_.openFile(r);
    if (p) chosen_ = *p;
    return p;
  }
  std::optional<std::string> saveFile(const FileDialogRequest& r) override {
    return inner_.saveFile(r);
  }

 private:
  FileDialogs& inner_;
  std::string& chosen_;
};

FileCommands::FileCommands(PicEdit& w) : w_(w) {}
FileCommands::~FileCommands() = default;

FileContext FileCommands::fileContext() {
  if (!hooks_) hooks_ = std::make_unique<WindowFileHooks>(w_);
  w_.file().GalleryShown = w_.showMode();
  return w_.document().fileContext(w_.dialogs(), *hooks_);
}

void FileCommands::wireFileMenu() {
  auto wire = [this](const std::string& name, const char* tag, int index, std::function<void()> fn) {
    QObject::connect(w_.menus().items_[name], &QAction::triggered, &w_,
                     w_.trapped(tag, index, std::move(fn)));
  };
  wire("MenFileNew", "MenFileNew", kNoIndex, [this] { MenFileNew_Click(); });
  wire("MenFileLoad(0)", "MenFileLoad", 0, [this] { MenFileLoad_Click(0); });
  wire("MenFileLoad(1)", "MenFileLoad", 1, [this] { MenFileLoad_Click(1); });
  wire("MenFileSave", "MenFileSave", kNoIndex, [this] { MenFileSave_Click(); });
  wire("MenFileSaveAs", "MenFileSaveAs", kNoIndex, [this] { MenFileSaveAs_Click(); });
  wire("MenFileExit", "MenFileExit", kNoIndex, [this] { MenFileExit_Click(); });
  wire("MenQuit", "MenFileExit", kNoIndex, [this] { MenFileExit_Click(); });
  for (int i = 0; i < 4; ++i)
    wire("FName(" + std::to_string(i) + ")", "FName", i, [this, i] { FName_Click(i); });
  auto* file = w_.findChild<QMenu*>("MenFile");
  QObject::connect(file, &QMenu::aboutToShow, &w_,
                   w_.trapped("MenFile", kNoIndex, [this] { MenFile_Click(); }));
}

// ---- commands ----------------------------------------------------------------------

void FileCommands::MenFileNew_Click() {
  if (loading_) return;
  w_.CopyToBmap();
  w_.errors().Trap("FileNew", [this] {
    FileContext ctx = fileContext();
    afterNew(orn::FileNew(ctx));
  });
}

void FileCommands::MenFileLoad_Click(int index) {
  w_.CopyToBmap();
  w_.layout().PrintInitDone = false;
  w_.file().StartMode = kStartEdit;
  runLoad(index);
}

CommandStatus FileCommands::LoadPicture(const std::string& path) {
  w_.file().PicturePath = path;
  return runLoad(0);
}

void FileCommands::MenFileSave_Click() {
  if (loading_) return;
  runSave();
}

bool FileCommands::runSave() {
  // Retry in the error report repeats the very save that failed, to the file
  // it was writing (the name chosen in a Save As).
  std::optional<SaveOutcome> failed;
  bool saved = false;
  w_.errors().Trap("FileSaveC", [&] {
    FileContext ctx = fileContext();
    const SaveOutcome out = failed ? orn::FileSaveRetry(ctx, *failed) : orn::FileSaveC(ctx);
    failed.reset();
    if (out.status == CommandStatus::Failed) failed = out;
    saved = out.status == CommandStatus::Done;
    afterSave(out);
  });
  return saved;
}

void FileCommands::MenFileSaveAs_Click() {
  w_.file().SaveAsWanted = true;
  MenFileSave_Click();
}

void FileCommands::MenFileExit_Click() { w_.close(); }

void FileCommands::MenFile_Click() {
  if (QDir::currentPath().toStdString() != EditStartDir) FixFName();
}

void FileCommands::FName_Click(int index) {
  w_.errors().Trap("FName", index, [this, index] {
    w_.file().LoadingRecent = true;
    w_.file().PicturePath = w_.file().RecentFiles[std::clamp(index, 0, 3)];
    w_.file().StartMode = kStartEdit;
    if (!w_.file().PicturePath.empty()) runLoad(0);
    w_.file().PicturePath.clear();
    w_.file().LoadingRecent = false;
  });
  w_.file().LoadingRecent = false;
}

// ---- loading ----------------------------------------------------------------------

CommandStatus FileCommands::runLoad(int kind) {
  // An editor on its way back to the menu loads nothing: the menu takes it
  // down at its next turn, and a load would pump events under it.
  if (loading_ || w_.start().exiting_) return CommandStatus::Cancelled;
  loading_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{loading_};
  CommandStatus status = CommandStatus::Failed;
  w_.errors().Trap("FileLoadC", kind, [this, kind, &status] {
    FileContext ctx = fileContext();
    hooks_->loadingName = w_.file().PicturePath;
    NamingDialogs naming(w_.dialogs(), hooks_->loadingName);
    FileContext c{ctx.list, ctx.views, ctx.editor, ctx.draw, ctx.sym,
                  ctx.pic,  ctx.file,  ctx.host,   naming,   ctx.hooks};
    // However the load ends, the loading window goes.
    struct HideLoadWindow {
      SymPLoad* box;
      ~HideLoadWindow() { box->hide(); }
    } hide{w_.loadWindow()};
    const LoadOutcome out = orn::FileLoadC(c, kind);
    status = out.status;
    afterLoad(out);
  });
  return status;
}

void FileCommands::reportFailure(const std::string& text, const std::string& title) {
  w_.host().messageBox(text, MsgButtons::OK, MsgIcon::Exclamation, title);
}

void FileCommands::afterLoad(const LoadOutcome& out) {
  // A load that got as far as a file hides the model picture of the last one.
  if (out.status != CommandStatus::Cancelled && w_.modelFrame().Model_ != nullptr)
    w_.modelFrame().Model_->hide();
  if (out.status == CommandStatus::Failed) {
    // Nothing of the open picture was touched; say why the file was refused.
    // A slide show passes over the picture without a word.
    if (w_.file().ShowMode == 0) reportFailure(out.error, "Load Picture");
    return;
  }
  if (out.status != CommandStatus::Done) return;
  const LoadReport& r = out.report;
  w_.printState().ModelNumber = r.ModelNumber;
  loadedPath_ = r.viewFile ? std::string() : r.path;
  loadedTitle_ = r.viewFile ? std::string() : r.title;
  // The canvas draws with the line width the picture was saved with.
  w_.canvasSurface().setPenWidth(w_.draw().LineWidth);

  updatePictureMenus();
  // A view starts with the page menus of a new picture.
  if (r.viewRowsRead || r.viewFile) w_.pages().showPageItems();

  const auto [laidW, laidH] = applyStoredSizes(r);

  if (w_.showMode() && !w_.picture().PictureTitle.empty())
    w_.menus().ShowFileName(w_.picture().PictureTitle, true);
  else
    w_.menus().ShowFileName(w_.file().FileName, false);
  showRecentItems();

  w_.editor().SkipSplineRedraw = false;
  // The editor opening on a picture lays its canvas out for the window in
  // the picture's shape, now and at the layouts a change of the window's
  // state brings, so that no later layout (a zoom, Back) changes its size.
  const bool fitToWindow = openingLoad_ && !w_.showMode();
  if (fitToWindow) w_.layout().PageAspect = double(laidH) / double(std::max(laidW, 1));
  if (r.windowState == 2) {
    if (!w_.isMaximized()) w_.showMaximized();
  } else if (w_.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
    // The layout this state change asks for runs later, from the event
    // loop; FitOnResize stays set until then, so that it passes and the
    // canvas keeps the size stored with the picture.
    w_.layout().FitOnResize = !fitToWindow;
    w_.showNormal();
  }
  const int fw = w_.formArea()->width();
  const int fh = w_.formArea()->height();
  if (fitToWindow || fw - kFreeWidth < laidW || fh - kFreeHeight < laidH) {
    // The stored canvas does not fit (or the editor opens): it is fitted
    // now, not kept, and never takes up the memory of the size stored.
    w_.layout().FitOnResize = false;
    w_.layout().fitCanvas(laidW, laidH);
  } else {
    w_.viewing().sizeCanvas(laidW, laidH);
  }
  if (!w_.editor().SkipSplineRedraw) w_.DrawAll(1);
  w_.modelFrame().frameLoadedModel();

  if (r.viewFile) afterViewLoad();

  const bool geometricFirst = w_.list().G0[0] == float(kCodeGeometric) ||
                              w_.list().G0[0] == float(kCodeGeometric + kCodeOut);
  w_.menus().setItemEnabled("Editsym", geometricFirst);
  w_.symmetry().refreshSymmetryControls();
  w_.colours().colourTools_->showLoadedColours();
  if (w_.file().ShowMode != 0) w_.shows().showSlideCount();
}

// The canvas takes the size stored with the picture; a window of another size
// than the one the picture was saved in takes the ratio from that canvas.
std::pair<int, int> FileCommands::applyStoredSizes(const LoadReport& r) {
  Surface& canvas = w_.canvasSurface();
  canvas.setBackColor(w_.draw().PicBackColor);
  canvas.clear();
  std::pair<int, int> laid{canvas.width(), canvas.height()};
  if (r.hasStoredSizes && sane(r.storedCanvasWidth) && sane(r.storedCanvasHeight)) {
    laid = {int(std::lround(r.storedCanvasWidth)), int(std::lround(r.storedCanvasHeight))};
    if (float(w_.width()) != r.storedWindowWidth || float(w_.height()) != r.storedWindowHeight)
      w_.layout().PageAspect = kAspectFromCanvas;
    else
      w_.layout().PageAspect = double(r.storedCanvasHeight) / r.storedCanvasWidth;
    if (w_.showMode()) {
      w_.layout().canvasLeft = int(std::lround((w_.formArea()->width() - r.storedCanvasWidth) / 2));
      w_.layout().canvasTop = int(std::lround((w_.formArea()->height() - r.storedCanvasHeight) / 2));
    }
  }
  if (w_.showMode()) {
    w_.formArea()->setAutoFillBackground(true);
    QPalette p = w_.formArea()->palette();
    const Rgb g = w_.picture().GalleryBackColor;
    p.setColor(QPalette::Window, toQColor(g));
    w_.formArea()->setPalette(p);
  }
  return laid;
}

// The menus that follow the picture's settings.
void FileCommands::updatePictureMenus() {
  w_.menus().setItemVisible("ZoomS(0)", w_.views().ViewDepth != 0);
  const auto& restore = w_.views().rows[kRestoreRow];
  w_.menus().setItemVisible("ZoomS(1)",
                            restore[0] != 0 || restore[1] != 0 || restore[2] != 0 || restore[3] != 0);
  w_.menus().setItemEnabled("ZoomS(1)", ZoomRowUsable(w_.views(), kRestoreRow));
  w_.menus().setItemChecked("MenGridBlack", w_.editor().GridMode == 0);
  w_.menus().setItemChecked("MenGridRed", w_.editor().GridMode == 1);
  w_.menus().setItemChecked("MenGridOff", w_.editor().GridMode == 2);
  w_.menus().setItemVisible("MenSaveWall", WallpaperAllowed(w_.picture().PicKind));
  w_.menus().setItemChecked("Yellow", w_.editor().YellowBase);
  setLineWidthCaption();
  // The switch shows the setting the picture brought, so its next press
  // visibly turns it the other way.
  if (w_.hasTools()) w_.tools().SplinePoly->setBackColor(SplinePolyColour(w_.picture().SplinePolyOn));
  // The symmetry menus are offered only for a picture with a symmetry.
  const bool hasSymmetry = w_.sym().SymStart != w_.sym().SymEnd;
  for (auto n : {"Yellow", "Zoom(0)", "MenSym"}) w_.menus().setItemEnabled(n, hasSymmetry);
}

void FileCommands::setLineWidthCaption() {
  w_.menus().menuItem("MenOptionsLine")
      ->setText(QString::fromStdString("&Line Width" + NumberText(w_.draw().LineWidth) + "..."));
}

// ---- new picture ------------------------------------------------------------------

void FileCommands::afterNew(const NewOutcome& out) {
  if (out.status == CommandStatus::Failed) {
    // The picture could not be saved: it stays as it is, and the user is
    // offered to try again.
    throw CommandError(out.error);
  }
  if (out.status != CommandStatus::Done) return;
  loadedPath_.clear();
  loadedTitle_.clear();
  w_.canvasSurface().setPenWidth(w_.draw().LineWidth);
  // A new picture is no model net: its print layout gives no folded height.
  w_.printState().ModelNumber = 0;
  if (!w_.file().NewInLoad) w_.menus().ShowFileName(w_.file().FileName, false);
  w_.canvasSurface().setBackColor(w_.draw().PicBackColor);
  w_.canvasSurface().clear();
  w_.Picture1->update();
  // A new picture starts with the Poly Line tool and nothing to duplicate.
  if (w_.hasTools()) {
    if (ToolButton* b = w_.tools().DrawType(kToolDuplicate)) b->hide();
    w_.tools().engine().DrawType(kToolPolyLine);
  }
  w_.menus().setItemEnabled("Editsym", false);
  w_.menus().setItemVisible("ZoomS(0)", false);
  w_.menus().setItemVisible("ZoomS(1)", false);
  w_.pages().showPageItems();
  updatePictureMenus();
  w_.symmetry().refreshSymmetryControls();
  w_.colours().colourTools_->showLoadedColours();
  if (out.reopened) {
    // The picture the editor was opened with comes back as the opening
    // showed it: laid out for the window, not at the size stored with it.
    const QScopedValueRollback<bool> opening(openingLoad_, true);
    afterLoad(out.load);
  }
}

// ---- saving -----------------------------------------------------------------------

void FileCommands::afterSave(const SaveOutcome& out) {
  if (out.status == CommandStatus::Failed) {
    // Reported through the common error report, which offers to try again.
    throw CommandError(out.error);
  }
  if (out.status != CommandStatus::Done || out.bitmap) return;
  w_.menus().ShowFileName(w_.file().FileName, false);
  showRecentItems();
}

bool FileCommands::offerSave() {
  if (w_.list().NumPoints == 0 || !w_.editor().PicChanged) return true;
  const MsgResult a = w_.host().messageBox("Save Changes to " + w_.file().FileName, MsgButtons::YesNoCancel,
                                       MsgIcon::Question, "Symmetry");
  if (a == MsgResult::Cancel) return false;
  if (a != MsgResult::Yes) return true;
  w_.file().SaveAsWanted = w_.file().FileName == kUnNamed;
  return runSave();
}

// ---- recent files -----------------------------------------------------------------

void FileCommands::showRecentItems() {
  for (int i = 0; i < 4; ++i)
    w_.menus().setItemVisible("FName(" + std::to_string(i) + ")", !w_.file().RecentFiles[i].empty());
  FixFName();
}

void FileCommands::FixFName() {
  w_.errors().Trap("FixFName", [this] {
    const std::string here = QDir::currentPath().toStdString();
    if (here != EditStartDir) EditStartDir = here;
    for (int i = 0; i < 4; ++i) {
      const std::string& path = w_.file().RecentFiles[i];
      if (path.empty()) continue;
      // A menu takes an ampersand for a shortcut mark and a tab for the
      // start of a shortcut label: the name shows whole, a tab as a space.
      QString caption = QString::fromStdString(RecentCaption(path, EditStartDir));
      caption.replace("&", "&&");
      caption.replace('\t', ' ');
      w_.menus().menuItem("FName(" + std::to_string(i) + ")")->setText(caption);
    }
  });
}

// ---- view files -------------------------------------------------------------------
// The file itself is read, checked and laid into the canvas by the load
// command (canvas/view_load.h).

void FileCommands::afterViewLoad() {
  if (w_.dataFolder().empty()) return;
  const std::filesystem::path leftover = w_.dataFolder() / kHandOverView;
  std::error_code ec;
  if (FileExists(leftover.string())) std::filesystem::remove(leftover, ec);
}

}  // namespace orn
