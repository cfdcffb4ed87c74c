// The editor window: its widgets, its events and the off-screen copy of the
// canvas.
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
#include "platform/frame_on_screen.h"
#include "platform/qt_colour.h"
#include "shell/ui/error_msg_box.h"
#include "symmetry/ui/click_label.h"

namespace orn {

namespace {

// The canvas before the first layout: the shape of a new picture.
constexpr int kDesignCanvasWidth = 600;
constexpr int kDesignCanvasHeight = 480;
}  // namespace

PicEdit::PicEdit(Host& host, AppState& app, FileDialogs* dialogs, const ProfileSource* profile,
                 QWidget* parent)
    : EditorWindow(parent),
      host_(host),
      dialogs_(dialogs),
      doc_(host, kDesignCanvasWidth, kDesignCanvasHeight),
      errors_(host),
      app_(app),
      layout_(*this) {
  setObjectName("PicEdit");
  parts_ = std::make_unique<EditorParts>(*this);
  if (profile) profile_ = profile;
  if (!dialogs_) {
    ownDialogs_ = std::make_unique<QtFileDialogs>(this, [this] { return static_cast<QWidget*>(Picture1); });
    dialogs_ = ownDialogs_.get();
  }
  folderDialogs_ = std::make_unique<CurrentFolderDialogs>(*dialogs_);
  dialogs_ = folderDialogs_.get();
  errors_.setErrorBoxWindow([this](const std::string& text) { return ErrorMsgBox::ask(this, text); });
  // Opened maximised over the screen, un-maximised it keeps its title bar on it.
  new FrameOnScreen(*this);
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
  Picture1->setSurface(&canvasSurface());
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
  Progress->setSurface(&layout_.progress());

  parts_->colours.buildColourTools();

  SymPLoad_ = new SymPLoad(this);
  SymPLoad_->hide();

  parts_->symmetry.buildSymmetryWidgets();
  parts_->special.buildSpecialWidgets();
  parts_->redraws.buildRedrawWidgets();
  parts_->viewing.buildViewWidgets();

  layout_.resizeCanvas(canvasSurface().width(), canvasSurface().height());
  layout_.placeColourPanel();
  layout_.placeBottomStrip();
}

// ---- events ---------------------------------------------------------------------

void PicEdit::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  // Without a window manager nothing holds the window to its least size: it
  // takes that size back itself, so that no control is cut off.
  const QSize least = minimumSize();
  if (!isMinimized() && (width() < least.width() || height() < least.height()))
    resize(size().expandedTo(least));
  // A drag of the window's edge sends many resizes: lay out once they stop.
  layout_.schedule();
}

void PicEdit::changeEvent(QEvent* e) {
  QMainWindow::changeEvent(e);
  if (e->type() == QEvent::WindowStateChange) layout_.schedule();
}

bool PicEdit::eventFilter(QObject* watched, QEvent* e) {
  if (watched == inner_ && e->type() == QEvent::Paint) Form_Paint();
  return QMainWindow::eventFilter(watched, e);
}

void PicEdit::Form_Paint() {
  errors_.Trap("FormPaint", [this] {
    // The geometric tool's button shows its polygon's number, and a shown
    // colour wheel its segments and dot.
    parts_->symmetry.GeoSh();
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
  if (doc_.bmap().width() != canvasSurface().width() || doc_.bmap().height() != canvasSurface().height())
    doc_.bmap().resize(canvasSurface().width(), canvasSurface().height());
  doc_.bmap().blit(0, 0, canvasSurface().width(), canvasSurface().height(), canvasSurface(), 0, 0);
}

void PicEdit::CopyBMAPtoPicture() {
  canvasSurface().blit(0, 0, canvasSurface().width(), canvasSurface().height(), doc_.bmap(), 0, 0);
  Picture1->update();
}

}  // namespace orn
