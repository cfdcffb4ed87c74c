// The editor window: its widgets, the layout for the window's size, the
// off-screen copy of the canvas and the full redraw.
#include "canvas/ui/pic_edit.h"

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
#include "canvas/ui/pic_edit_hooks.h"
#include "canvas/ui/sym_p_load.h"
#include "canvas/ui/tool_buttons.h"
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
    : QMainWindow(parent),
      host_(host),
      dialogs_(dialogs),
      errors_(host),
      canvas_(kDesignCanvasWidth, kDesignCanvasHeight, kWhite),
      progress_(kProgressWidth, kProgressHeight, kWhite),
      canvasLeft_(kCanvasLeft),
      canvasTop_(kCanvasTop),
      app_(app) {
  setObjectName("PicEdit");
  if (profile) profile_ = profile;
  if (!dialogs_) {
    ownDialogs_ = std::make_unique<QtFileDialogs>(this);
    dialogs_ = ownDialogs_.get();
  }
  folderDialogs_ = std::make_unique<CurrentFolderDialogs>(*dialogs_);
  dialogs_ = folderDialogs_.get();
  draw_.Picture1 = &canvas_;
  errors_.setErrorBoxWindow([this](const std::string& text) { return ErrorMsgBox::ask(this, text); });
  buildWidgets();
  buildMenus();
  buildStartTimers();
  tools_ = new CanvasTools(*this);
  showOptionStates();
  Form_Load();
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
  Picture1->setSurface(&canvas_);
  // Canvas presses: while the symmetry set-up is up its handles take them
  // (routeSetup... return true); other presses go on to the drawing tools.
  // Each canvas event reports its own failures (the button as the index).
  Picture1->onMouseDown = [this](int b, int s, int x, int y) {
    errors_.Trap("P1MD", b, [&] {
      if (!routeSetupPress(b, s, float(x), float(y)) && tools_) tools_->engine().P1MD(b, s, float(x), float(y));
    });
  };
  Picture1->onDoubleClick = [this](int, int, int, int) {
    errors_.Trap("P1DBL", [this] {
      if (!routeSetupDoubleClick() && tools_) tools_->engine().P1DBL();
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

  buildColourTools();

  SymPLoad_ = new SymPLoad(this);
  SymPLoad_->hide();

  layoutTimer_ = new QTimer(this);
  layoutTimer_->setSingleShot(true);
  layoutTimer_->setInterval(0);
  connect(layoutTimer_, &QTimer::timeout, this, [this] { FormRSZ(); });

  buildSymmetryWidgets();
  buildSpecialWidgets();
  buildRedrawWidgets();
  buildViewWidgets();

  resizeCanvas(canvas_.width(), canvas_.height());
  placeColourPanel();
  placeBottomStrip();
}

// ---- layout ---------------------------------------------------------------------

void PicEdit::resizeCanvas(int w, int h) {
  canvas_.setBackColor(draw_.PicBackColor);
  canvas_.resize(w, h);
  Picture1->setGeometry(canvasLeft_, canvasTop_, w, h);
  Picture1->update();
}

// The panels beside and below the canvas follow its right edge.
void PicEdit::placeColourPanel() {
  placeColourTools();
  placePartLabels();
}

void PicEdit::placeBottomStrip() {
  const int fh = inner_->height();
  const int top = std::max(fh - kFreeHeight, 0);
  DrawTypePanel->setGeometry(0, 0, kCanvasLeft, top);
  const int helpLeft = helpBoxLeft();
  Text1->setGeometry(helpLeft, top + 4, std::max(inner_->width() - kFreeWidth - (helpLeft - kCanvasLeft), 1),
                     kHelpBoxHeight);
  Progress->setGeometry(kCanvasLeft, top + kHelpBoxHeight + 10, kProgressWidth, kProgressHeight);
  // The stop button stands below the tool column, left of the help box and
  // the progress strip, where it hides nothing during a redraw.
  StopSign->move((kCanvasLeft - StopSign->width()) / 2, top + (kFreeHeight - StopSign->height()) / 2);
  placeSpecialWidgets(top);
  placePartLabels();
}

void PicEdit::FormRSZ() {
  layoutTimer_->stop();
  if (RedrawRunning(editor_)) {
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
  canvas_.clear();
  const int fw = inner_->width();
  const int fh = inner_->height();
  const int w0 = canvas_.width();
  const CanvasFit fit = FitCanvas(fw, fh, PageAspect, canvas_.width(), canvas_.height());
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
  if (RescaleToCanvas(views_, list_, w0, fit.width, fit.height)) sym_.SymTablesValid = false;
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
    if (const QAction* wheel = menuItem("MenRotateColors"); wheel && wheel->isChecked() && colourTools_)
      colourTools_->MakeWheel(colour_.WheelStep);
    if (!HelpShown && !HelpRedraw) return;
    HelpShown = HelpRedraw = false;
    // Never redraw inside a paint event: the redraw pumps events itself.
    QTimer::singleShot(0, this, [this] { DrawAll(1); });
  });
}

// ---- the canvas and its copy ---------------------------------------------------

void PicEdit::CopyToBmap() {
  const bool copyWanted = PathKey(file_.FileName).find("OVMOD") != std::string::npos ||
                          file_.ShowMode == 0;
  if (!copyWanted || draw_.WallMeasure || !LowColorDisplay) return;
  if (bmap_.width() != canvas_.width() || bmap_.height() != canvas_.height())
    bmap_.resize(canvas_.width(), canvas_.height());
  bmap_.blit(0, 0, canvas_.width(), canvas_.height(), canvas_, 0, 0);
}

void PicEdit::CopyBMAPtoPicture() {
  canvas_.blit(0, 0, canvas_.width(), canvas_.height(), bmap_, 0, 0);
  Picture1->update();
}

}  // namespace orn
