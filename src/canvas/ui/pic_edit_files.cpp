// The editor window's File menu: new, load, save, the recent files, and
// what the window does around them (the loading window, the caption, the
// canvas size, the menus that follow the picture, the redraw).
#include <QAction>
#include <QDir>
#include <QMenu>

#include <algorithm>
#include <cmath>

#include "canvas/tools.h"
#include "canvas/ui/file_dialogs.h"
#include "canvas/ui/form_layout.h"
#include "canvas/ui/pic_edit.h"
#include "canvas/ui/pic_edit_hooks.h"
#include "canvas/ui/project_pages.h"
#include "canvas/ui/sym_p_load.h"
#include "canvas/zoom_views.h"
#include "model/record_codes.h"
#include "platform/canvas_widget.h"
#include "platform/qt_colour.h"

namespace orn {

namespace {

// A canvas size read from a file is used only inside these bounds.
constexpr float kMaxStoredCanvas = 16384.0f;

bool sane(float v) { return std::isfinite(v) && v >= 1.0f && v <= kMaxStoredCanvas; }

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

FileContext PicEdit::fileContext() {
  if (!hooks_) hooks_ = std::make_unique<Hooks>(*this);
  file_.GalleryShown = showMode();
  return FileContext{list_, views_, editor_, draw_, sym_, pic_, file_, host_, *dialogs_, *hooks_};
}

void PicEdit::wireFileMenu() {
  auto wire = [this](const std::string& name, const char* tag, int index, std::function<void()> fn) {
    connect(items_[name], &QAction::triggered, this, trapped(tag, index, std::move(fn)));
  };
  wire("MenFileNew", "MenFileNew", kNoIndex, [this] { MenFileNew_Click(); });
  wire("MenFileLoad(0)", "MenFileLoad", 0, [this] { MenFileLoad_Click(0); });
  wire("MenFileLoad(1)", "MenFileLoad", 1, [this] { MenFileLoad_Click(1); });
  wire("MenFileSave", "MenFileSave", kNoIndex, [this] { MenFileSave_Click(); });
  wire("MenFileSaveAs", "MenFileSaveAs", kNoIndex, [this] { MenFileSaveAs_Click(); });
  wire("MenFileExit", "MenFileExit", kNoIndex, [this] { MenFileExit_Click(); });
  wire("MenQuit", "MenFileExit", kNoIndex, [this] { MenFileExit_Click(); });
  for (int i = 0; i < 4; ++i) wire("FName(" + std::to_string(i) + ")", "FName", i, [this, i] { FName_Click(i); });
  auto* file = findChild<QMenu*>("MenFile");
  connect(file, &QMenu::aboutToShow, this, trapped("MenFile", kNoIndex, [this] { MenFile_Click(); }));
}

// ---- commands ----------------------------------------------------------------------

void PicEdit::MenFileNew_Click() {
  if (loading_) return;
  CopyToBmap();
  errors_.Trap("FileNew", [this] {
    FileContext ctx = fileContext();
    afterNew(orn::FileNew(ctx));
  });
}

void PicEdit::MenFileLoad_Click(int index) {
  CopyToBmap();
  PrintInitDone = false;
  file_.StartMode = kStartEdit;
  runLoad(index);
}

CommandStatus PicEdit::LoadPicture(const std::string& path) {
  file_.PicturePath = path;
  return runLoad(0);
}

void PicEdit::MenFileSave_Click() {
  if (loading_) return;
  runSave();
}

bool PicEdit::runSave() {
  // Retry in the error report repeats the very save that failed, to the file
  // it was writing (the name chosen in a Save As).
  std::optional<SaveOutcome> failed;
  bool saved = false;
  errors_.Trap("FileSaveC", [&] {
    FileContext ctx = fileContext();
    const SaveOutcome out = failed ? orn::FileSaveRetry(ctx, *failed) : orn::FileSaveC(ctx);
    failed.reset();
    if (out.status == CommandStatus::Failed) failed = out;
    saved = out.status == CommandStatus::Done;
    afterSave(out);
  });
  return saved;
}

void PicEdit::MenFileSaveAs_Click() {
  file_.SaveAsWanted = true;
  MenFileSave_Click();
}

void PicEdit::MenFileExit_Click() { close(); }

void PicEdit::MenFile_Click() {
  if (QDir::currentPath().toStdString() != EditStartDir) FixFName();
}

void PicEdit::FName_Click(int index) {
  errors_.Trap("FName", index, [this, index] {
    file_.LoadingRecent = true;
    file_.PicturePath = file_.RecentFiles[std::clamp(index, 0, 3)];
    file_.StartMode = kStartEdit;
    if (!file_.PicturePath.empty()) runLoad(0);
    file_.PicturePath.clear();
    file_.LoadingRecent = false;
  });
  file_.LoadingRecent = false;
}

// ---- loading ----------------------------------------------------------------------

CommandStatus PicEdit::runLoad(int kind) {
  // An editor on its way back to the menu loads nothing: the menu takes it
  // down at its next turn, and a load would pump events under it.
  if (loading_ || exiting_) return CommandStatus::Cancelled;
  loading_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{loading_};
  CommandStatus status = CommandStatus::Failed;
  errors_.Trap("FileLoadC", kind, [this, kind, &status] {
    FileContext ctx = fileContext();
    hooks_->loadingName = file_.PicturePath;
    NamingDialogs naming(*dialogs_, hooks_->loadingName);
    FileContext c{ctx.list, ctx.views, ctx.editor, ctx.draw, ctx.sym,
                  ctx.pic,  ctx.file,  ctx.host,   naming,   ctx.hooks};
    // However the load ends, the loading window goes.
    struct HideLoadWindow {
      SymPLoad* box;
      ~HideLoadWindow() { box->hide(); }
    } hide{SymPLoad_};
    const LoadOutcome out = orn::FileLoadC(c, kind);
    status = out.status;
    afterLoad(out);
  });
  return status;
}

void PicEdit::reportFailure(const std::string& text, const std::string& title) {
  host_.messageBox(text, MsgButtons::OK, MsgIcon::Exclamation, title);
}

void PicEdit::afterLoad(const LoadOutcome& out) {
  // A load that got as far as a file hides the model picture of the last one.
  if (out.status != CommandStatus::Cancelled && Model_ != nullptr) Model_->hide();
  if (out.status == CommandStatus::Failed) {
    // Nothing of the open picture was touched; say why the file was refused.
    // A slide show passes over the picture without a word.
    if (file_.ShowMode == 0) reportFailure(out.error, "Load Picture");
    return;
  }
  if (out.status != CommandStatus::Done) return;
  const LoadReport& r = out.report;
  printState().ModelNumber = r.ModelNumber;
  loadedPath_ = r.viewFile ? std::string() : r.path;
  loadedTitle_ = r.viewFile ? std::string() : r.title;
  // The canvas draws with the line width the picture was saved with.
  canvas_.setPenWidth(draw_.LineWidth);

  updatePictureMenus();
  // A view starts with the page menus of a new picture.
  if (r.viewRowsRead || r.viewFile) pages_->showPageItems();

  applyStoredSizes(r);

  if (showMode() && !pic_.PictureTitle.empty())
    ShowFileName(pic_.PictureTitle, true);
  else
    ShowFileName(file_.FileName, false);
  showRecentItems();

  editor_.SkipSplineRedraw = false;
  // The editor opening on a picture lays its canvas out for the window in
  // the picture's shape, now and at the layouts a change of the window's
  // state brings, so that no later layout (a zoom, Back) changes its size.
  const bool fitToWindow = openingLoad_ && !showMode();
  if (fitToWindow) PageAspect = double(canvas_.height()) / double(std::max(canvas_.width(), 1));
  if (r.windowState == 2) {
    if (!isMaximized()) showMaximized();
  } else if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
    // The layout this state change asks for runs later, from the event
    // loop; FitOnResize stays set until then, so that it passes and the
    // canvas keeps the size stored with the picture.
    FitOnResize = !fitToWindow;
    showNormal();
  }
  const int fw = inner_->width();
  const int fh = inner_->height();
  if (fitToWindow || fw - kFreeWidth < canvas_.width() || fh - kFreeHeight < canvas_.height()) {
    // The stored canvas does not fit (or the editor opens): it is fitted
    // now, not kept.
    FitOnResize = false;
    FormRSZ();
  }
  if (!editor_.SkipSplineRedraw) DrawAll(1);
  frameLoadedModel();

  if (r.viewFile) afterViewLoad();

  const bool geometricFirst = list_.G0[0] == float(kCodeGeometric) ||
                              list_.G0[0] == float(kCodeGeometric + kCodeOut);
  setItemEnabled("Editsym", geometricFirst);
  refreshSymmetryControls();
  colourTools_->showLoadedColours();
  if (file_.ShowMode != 0) showSlideCount();
}

// The canvas takes the size stored with the picture; a window of another size
// than the one the picture was saved in takes the ratio from that canvas.
void PicEdit::applyStoredSizes(const LoadReport& r) {
  if (r.hasStoredSizes && sane(r.storedCanvasWidth) && sane(r.storedCanvasHeight)) {
    const int w = int(std::lround(r.storedCanvasWidth));
    const int h = int(std::lround(r.storedCanvasHeight));
    if (float(width()) != r.storedWindowWidth || float(height()) != r.storedWindowHeight)
      PageAspect = kAspectFromCanvas;
    else
      PageAspect = double(r.storedCanvasHeight) / r.storedCanvasWidth;
    if (showMode()) {
      canvasLeft_ = int(std::lround((inner_->width() - r.storedCanvasWidth) / 2));
      canvasTop_ = int(std::lround((inner_->height() - r.storedCanvasHeight) / 2));
    }
    if (inner_->width() - kFreeWidth < w || inner_->height() - kFreeHeight < h) Picture1->hide();
    resizeCanvas(w, h);
    placeColourPanel();
  } else {
    canvas_.setBackColor(draw_.PicBackColor);
    canvas_.clear();
  }
  if (showMode()) {
    inner_->setAutoFillBackground(true);
    QPalette p = inner_->palette();
    const Rgb g = pic_.GalleryBackColor;
    p.setColor(QPalette::Window, toQColor(g));
    inner_->setPalette(p);
  }
}

// The menus that follow the picture's settings.
void PicEdit::updatePictureMenus() {
  setItemVisible("ZoomS(0)", views_.ViewDepth != 0);
  const auto& restore = views_.rows[kRestoreRow];
  setItemVisible("ZoomS(1)", restore[0] != 0 || restore[1] != 0 || restore[2] != 0 || restore[3] != 0);
  setItemEnabled("ZoomS(1)", ZoomRowUsable(views_, kRestoreRow));
  setItemChecked("MenGridBlack", editor_.GridMode == 0);
  setItemChecked("MenGridRed", editor_.GridMode == 1);
  setItemChecked("MenGridOff", editor_.GridMode == 2);
  setItemVisible("MenSaveWall", WallpaperAllowed(pic_.PicKind));
  setItemChecked("Yellow", editor_.YellowBase);
  setLineWidthCaption();
  // The switch shows the setting the picture brought, so its next press
  // visibly turns it the other way.
  if (tools_ != nullptr) tools_->SplinePoly->setBackColor(SplinePolyColour(pic_.SplinePolyOn));
  // The symmetry menus are offered only for a picture with a symmetry.
  const bool hasSymmetry = sym_.SymStart != sym_.SymEnd;
  for (auto n : {"Yellow", "Zoom(0)", "MenSym"}) setItemEnabled(n, hasSymmetry);
}

void PicEdit::setLineWidthCaption() {
  menuItem("MenOptionsLine")
      ->setText(QString::fromStdString("&Line Width" + NumberText(draw_.LineWidth) + "..."));
}

// ---- new picture ------------------------------------------------------------------

void PicEdit::afterNew(const NewOutcome& out) {
  if (out.status == CommandStatus::Failed) {
    // The picture could not be saved: it stays as it is, and the user is
    // offered to try again.
    throw CommandError(out.error);
  }
  if (out.status != CommandStatus::Done) return;
  loadedPath_.clear();
  loadedTitle_.clear();
  canvas_.setPenWidth(draw_.LineWidth);
  // A new picture is no model net: its print layout gives no folded height.
  printState().ModelNumber = 0;
  if (!file_.NewInLoad) ShowFileName(file_.FileName, false);
  canvas_.setBackColor(draw_.PicBackColor);
  canvas_.clear();
  Picture1->update();
  // A new picture starts with the Poly Line tool and nothing to duplicate.
  if (tools_) {
    if (ToolButton* b = tools_->DrawType(kToolDuplicate)) b->hide();
    tools_->engine().DrawType(kToolPolyLine);
  }
  setItemEnabled("Editsym", false);
  setItemVisible("ZoomS(0)", false);
  setItemVisible("ZoomS(1)", false);
  pages_->showPageItems();
  updatePictureMenus();
  refreshSymmetryControls();
  colourTools_->showLoadedColours();
  if (out.reopened) afterLoad(out.load);
}

// ---- saving -----------------------------------------------------------------------

void PicEdit::afterSave(const SaveOutcome& out) {
  if (out.status == CommandStatus::Failed) {
    // Reported through the common error report, which offers to try again.
    throw CommandError(out.error);
  }
  if (out.status != CommandStatus::Done || out.bitmap) return;
  ShowFileName(file_.FileName, false);
  showRecentItems();
}

bool PicEdit::offerSave() {
  if (list_.NumPoints == 0 || !editor_.PicChanged) return true;
  const MsgResult a = host_.messageBox("Save Changes to " + file_.FileName, MsgButtons::YesNoCancel,
                                       MsgIcon::Question, "Symmetry");
  if (a == MsgResult::Cancel) return false;
  if (a != MsgResult::Yes) return true;
  file_.SaveAsWanted = file_.FileName == kUnNamed;
  return runSave();
}

// ---- recent files -----------------------------------------------------------------

void PicEdit::showRecentItems() {
  for (int i = 0; i < 4; ++i)
    setItemVisible("FName(" + std::to_string(i) + ")", !file_.RecentFiles[i].empty());
  FixFName();
}

void PicEdit::FixFName() {
  errors_.Trap("FixFName", [this] {
    const std::string here = QDir::currentPath().toStdString();
    if (here != EditStartDir) EditStartDir = here;
    for (int i = 0; i < 4; ++i) {
      const std::string& path = file_.RecentFiles[i];
      if (path.empty()) continue;
      // An ampersand in a path is shown, not taken for a shortcut mark.
      QString caption = QString::fromStdString(RecentCaption(path, EditStartDir));
      caption.replace("&", "&&");
      menuItem("FName(" + std::to_string(i) + ")")->setText(caption);
    }
  });
}

}  // namespace orn
