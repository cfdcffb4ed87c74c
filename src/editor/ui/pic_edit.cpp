// The editor window: its widgets, the layout for the window's size, the
// off-screen copy of the canvas and the full redraw.
#include "editor/ui/pic_edit.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>

#include <algorithm>
#include <cctype>

#include "canvas/redraw.h"
#include "canvas/ui/file_dialogs.h"
#include "canvas/ui/form_layout.h"
#include "canvas/ui/sym_p_load.h"
#include "editor/ui/pic_edit_hooks.h"
#include "editor/ui/tool_buttons.h"
#include "platform/canvas_widget.h"
#include "platform/qt_colour.h"
#include "shell/ui/error_msg_box.h"
#include "symmetry/ui/click_label.h"

namespace orn {

namespace {

// The canvas before the first layout: the shape of a new picture.
constexpr int kDesignCanvasWidth = 600;
constexpr int kDesignCanvasHeight = 480;
// The bottom strip: the help box above the progress strip.
constexpr int kHelpBoxHeight = 36;
constexpr int kProgressWidth = 200;
constexpr int kProgressHeight = 10;


}  // namespace

PicEdit::PicEdit(Host& host, AppState& app, FileDialogs* dialogs, const ProfileSource* profile,
                 QWidget* parent)
    : EditorWindow(parent),
      host_(host),
      dialogs_(dialogs),
      doc_(host, kDesignCanvasWidth, kDesignCanvasHeight),
      errors_(host),
      progress_(kProgressWidth, kProgressHeight, kWhite),
      canvasLeft_(kCanvasLeft),
      canvasTop_(kCanvasTop),
      app_(app) {
  setObjectName("PicEdit");
  parts_ = std::make_unique<EditorParts>(*this);
  if (profile) profile_ = profile;
  if (!dialogs_) {
    ownDialogs_ = std::make_unique<QtFileDialogs>(this);
    dialogs_ = ownDialogs_.get();
  }
  folderDialogs_ = std::make_unique<CurrentFolderDialogs>(*dialogs_);
  dialogs_ = folderDialogs_.get();
  errors_.setErrorBoxWindow([this](const std::string& text) { return ErrorMsgBox::ask(this, text); });
  buildWidgets();
  parts_->menus.buildMenus();
  parts_->start.buildStartTimers();
  tools_ = new CanvasTools(*this);
  parts_->options.showOptionStates();
  parts_->start.Form_Load();
}

PicEdit::~PicEdit() = default;

void PicEdit::buildWidgets() {
  inner_ = new QWidget(this);
  inner_->setObjectName("FormArea");
  inner_->installEventFilter(this);
  setCentralWidget(inner_);

  DrawTypePanel = new QWidget(inner_);
  DrawTypePanel->setObjectName("DrawTypePanel");

  Picture1 = new CanvasWidget(inner_);
  Picture1->setObjectName("Picture1");
  Picture1->setSurface(&canvas());
  // Canvas presses: while the symmetry set-up is up its handles take them
  // (routeSetup... return true); other presses go on to the drawing tools.
  // Each canvas event reports its own failures (the button as the index).
  Picture1->onMouseDown = [this](int b, int s, int x, int y) {
    errors_.Trap("P1MD", b, [&] {
      if (!parts_->symmetry.routeSetupPress(b, s, float(x), float(y)) && tools_)
        tools_->engine().P1MD(b, s, float(x), float(y));
    });
  };
  Picture1->onDoubleClick = [this](int, int, int, int) {
    errors_.Trap("P1DBL", [this] {
      if (!parts_->symmetry.routeSetupDoubleClick() && tools_) tools_->engine().P1DBL();
    });
  };

  Text1 = new QLabel(inner_);
  Text1->setObjectName("Text1");
  Text1->setWordWrap(true);
  Text1->setAutoFillBackground(true);
  Text1->setStyleSheet(colourStyle(0x00FFFF));
  Text1->hide();

  Progress = new CanvasWidget(inner_);
  Progress->setObjectName("Progress");
  Progress->setSurface(&progress_);

  parts_->colours.buildColourTools();

  SymPLoad_ = new SymPLoad(this);
  SymPLoad_->hide();

  layoutTimer_ = new QTimer(this);
  layoutTimer_->setSingleShot(true);
  layoutTimer_->setInterval(0);
  connect(layoutTimer_, &QTimer::timeout, this, [this] { FormRSZ(); });

  parts_->symmetry.buildSymmetryWidgets();
  parts_->special.buildSpecialWidgets();
  parts_->redraws.buildRedrawWidgets();
  parts_->viewing.buildViewWidgets();

  resizeCanvas(canvas().width(), canvas().height());
  placeColourPanel();
  placeBottomStrip();
}

// ---- layout ---------------------------------------------------------------------

void PicEdit::resizeCanvas(int w, int h) {
  canvas().setBackColor(draw().PicBackColor);
  canvas().resize(w, h);
  Picture1->setGeometry(canvasLeft_, canvasTop_, w, h);
  Picture1->update();
}

// The panels beside and below the canvas follow its right edge.
void PicEdit::placeColourPanel() {
  parts_->colours.placeColourTools();
  parts_->symmetry.placePartLabels();
}

void PicEdit::placeBottomStrip() {
  const int fh = inner_->height();
  const int top = std::max(fh - kFreeHeight, 0);
  DrawTypePanel->setGeometry(0, 0, kCanvasLeft, top);
  const int helpLeft = parts_->special.helpBoxLeft();
  Text1->setGeometry(helpLeft, top + 4, std::max(inner_->width() - kFreeWidth - (helpLeft - kCanvasLeft), 1),
                     kHelpBoxHeight);
  Progress->setGeometry(kCanvasLeft, top + kHelpBoxHeight + 10, kProgressWidth, kProgressHeight);
  // The stop button stands below the tool column, left of the help box and
  // the progress strip, where it hides nothing during a redraw.
  parts_->redraws.StopSign->move((kCanvasLeft - parts_->redraws.StopSign->width()) / 2,
                                 top + (kFreeHeight - parts_->redraws.StopSign->height()) / 2);
  parts_->special.placeSpecialWidgets(top);
  parts_->symmetry.placePartLabels();
}

void PicEdit::FormRSZ() {
  layoutTimer_->stop();
  if (RedrawRunning(editor())) {
    // The list must not be rescaled under the walk: lay out when it ends.
    resizeAfterRedraw_ = true;
    return;
  }
  errors_.Trap("FormRSZ", [this] { formRszSteps(); });
}

void PicEdit::formRszSteps() {
  if (isMinimized()) {
    RedrawPending = true;
    return;
  }
  if (RedrawPending) {
    // Restored from an icon: the canvas keeps its size, which is all a
    // pending FitOnResize asks.
    RedrawPending = false;
    FitOnResize = false;
    Picture1->show();
    DrawAll(1);
    return;
  }
  if (FitOnResize) {
    FitOnResize = false;
    return;
  }
  canvas().clear();
  const int fw = inner_->width();
  const int fh = inner_->height();
  const int w0 = canvas().width();
  const CanvasFit fit = FitCanvas(fw, fh, PageAspect, canvas().width(), canvas().height());
  PageAspect = fit.pageAspect;
  PrintInitDone = false;
  if (showMode()) {
    const CanvasPlace at = PlaceCanvas(fw, fh, fit.width, fit.height, true);
    canvasLeft_ = at.left;
    canvasTop_ = at.top;
  }
  resizeCanvas(fit.width, fit.height);
  placeColourPanel();
  placeBottomStrip();
  // The picture keeps its place relative to the canvas. Pending deletions
  // are packed first, so a marked point is never moved.
  if (RescaleToCanvas(views(), list(), w0, fit.width, fit.height)) sym().SymTablesValid = false;
  Picture1->show();
  DrawAll(1);
}

void PicEdit::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  // A drag of the window's edge sends many resizes: lay out once they stop.
  layoutTimer_->start();
}

void PicEdit::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  if (e->type() == QEvent::WindowStateChange) layoutTimer_->start();
}

bool PicEdit::eventFilter(QObject* watched, QEvent* e) {
  if (watched == inner_ && e->type() == QEvent::Paint) Form_Paint();
  return QMainWindow::eventFilter(watched, e);
}

void PicEdit::Form_Paint() {
  errors_.Trap("FormPaint", [this] {
    // The geometric tool's button shows its polygon's number, and a shown
    // colour wheel its segments and dot.
    GeoSh();
    if (const QAction* wheel = parts_->menus.menuItem("MenRotateColors");
        wheel && wheel->isChecked() && parts_->colours.colourTools_)
      parts_->colours.colourTools_->MakeWheel(colour().WheelStep);
    if (!HelpShown && !HelpRedraw) return;
    HelpShown = HelpRedraw = false;
    // Never redraw inside a paint event: the redraw pumps events itself.
    QTimer::singleShot(0, this, [this] { DrawAll(1); });
  });
}

// ---- the canvas and its copy ---------------------------------------------------

void PicEdit::CopyToBmap() {
  const bool copyWanted = PathKey(file().FileName).find("OVMOD") != std::string::npos ||
                          file().ShowMode == 0;
  if (!copyWanted || draw().WallMeasure || !LowColorDisplay) return;
  if (doc_.bmap().width() != canvas().width() || doc_.bmap().height() != canvas().height())
    doc_.bmap().resize(canvas().width(), canvas().height());
  doc_.bmap().blit(0, 0, canvas().width(), canvas().height(), canvas(), 0, 0);
}

void PicEdit::CopyBMAPtoPicture() {
  canvas().blit(0, 0, canvas().width(), canvas().height(), doc_.bmap(), 0, 0);
  Picture1->update();
}

}  // namespace orn
