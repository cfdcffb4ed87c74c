#include "editor/ui/tool_buttons.h"

#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

#include "canvas/tools.h"
#include "canvas/ui/part_labels.h"
#include "canvas/ui/tool_pictograms.h"
#include "editor/ui/pic_edit.h"
#include "editor/ui/zoom_control.h"
#include "platform/canvas_widget.h"
#include "platform/qt_colour.h"

namespace orn {

namespace {

constexpr int kButtonSize = 30;
constexpr int kButtonGap = 2;

QString buttonStyle(Rgb c) { return colourStyle(c, "border: 1px solid gray;"); }

}  // namespace

ToolButton::ToolButton(int tool, QWidget* parent) : QToolButton(parent), tool_(tool) {
  setAutoFillBackground(true);
  setFocusPolicy(Qt::NoFocus);
}

void ToolButton::setBackColor(Rgb c) {
  back_ = c & 0xFFFFFF;
  update();
}

void ToolButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRectF r = rect();
  p.fillRect(r, toQColor(back_));
  p.setPen(QColor(128, 128, 128));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  const double margin = std::max(2.0, r.height() * 0.12);
  const double side = std::min(r.width(), r.height()) - 2 * margin;
  const QRectF box(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
  DrawToolPictogram(p, tool_, box, text());
}

void ToolButton::mousePressEvent(QMouseEvent* e) {
  // A tool is chosen on the press, with any button.
  e->accept();
  emit pressedTool(tool_);
}

CanvasTools::CanvasTools(PicEdit& w) : QObject(&w), w_(w) {
  engine_ = std::make_unique<MouseEngine>(MouseEnv{
      w.list(), w.sym(), w.draw(), w.editor(), w.pick(), w.colour(), w.views(),
      w.host(), w.controls(), *this, w.picture().SplinePolyOn, w.polyShape()});
  buildButtons();
  wireCanvas();
  wireMenus();
}

CanvasTools::~CanvasTools() = default;

ToolButton* CanvasTools::DrawType(int tool) const {
  const auto it = buttons_.find(tool);
  return it == buttons_.end() ? nullptr : it->second;
}

void CanvasTools::buildButtons() {
  QWidget* panel = w_.DrawTypePanel;
  int k = 0;
  for (int tool : kAllTools) {
    auto* b = new ToolButton(tool, panel);
    b->setObjectName(QString("DrawType(%1)").arg(tool));
    b->setToolTip(QString::fromUtf8(ToolTipText(tool)));
    b->setGeometry(kButtonGap + (k % 2) * (kButtonSize + kButtonGap),
                   kButtonGap + (k / 2) * (kButtonSize + kButtonGap), kButtonSize, kButtonSize);
    b->setBackColor(ToolButtonIdleColour(tool));
    connect(b, &ToolButton::pressedTool, this, [this](int t) {
      w_.errors().Trap("DrawType", t, [this, t] { engine_->DrawType_MouseDown(t); });
    });
    buttons_[tool] = b;
    ++k;
  }
  const int below = kButtonGap + ((k + 1) / 2) * (kButtonSize + kButtonGap);
  SplinePoly = new ToolButton(-1, panel);
  SplinePoly->setObjectName("SplinePoly");
  SplinePoly->setGeometry(kButtonGap, below, kButtonSize, kButtonSize / 2);
  SplinePoly->setBackColor(SplinePolyColour(w_.picture().SplinePolyOn));
  connect(SplinePoly, &ToolButton::pressedTool, this, [this] {
    w_.errors().Trap("Spline-Poly", [this] { engine_->SplinePoly_Click(); });
  });
  // The polygon button beside the switch, clear of every tool button.
  if (w_.Picture13 != nullptr)
    w_.Picture13->setGeometry(2 * kButtonGap + kButtonSize, below, kButtonSize, kButtonSize);

  KillColor = new QWidget(panel);
  KillColor->setObjectName("KillColor");
  KillColor->setAutoFillBackground(true);
  KillColor->setGeometry(kButtonGap, below + kButtonSize, 2 * kButtonSize, kButtonSize / 2);
  KillColor->hide();
  // The Redraw button closes the column, across both of its rows.
  w_.redraws().DrawAll0->setGeometry(kButtonGap, below + kButtonSize + kButtonSize / 2 + kButtonGap,
                           2 * kButtonSize + kButtonGap, kButtonSize);

  // The Geometric tool and the duplicate tool wait for the geometry buttons.
  buttons_[kToolDuplicate]->hide();
  buttons_[kToolGeometric]->setVisible(w_.editor().ShowGeoNumbers);
  DrawType(w_.editor().CurDrawType)->setBackColor(kToolButtonSelected);
  w_.controls().GeoSh();

  UndoPoly = new QTimer(this);
  UndoPoly->setObjectName("UndoPoly");
  connect(UndoPoly, &QTimer::timeout, this, [this] {
    w_.errors().Trap("P1MD", 2, [this] { engine_->UndoPoly_Tick(); });
    if (!w_.editor().UndoPolyRunning) {
      UndoPoly->stop();
    } else {
      UndoPoly->setInterval(w_.editor().UndoPolyInterval);
    }
  });
}

void CanvasTools::wireCanvas() {
  // Presses and double clicks reach the engine through the window, which
  // lets the symmetry set-up take them first.
  CanvasWidget* c = w_.Picture1;
  c->setMouseTracking(true);
  c->onMouseMove = [this](int b, int s, int x, int y) {
    w_.errors().Trap("P1MM", [&] { engine_->P1MM(b, s, float(x), float(y)); });
  };
  c->onMouseUp = [this](int b, int s, int x, int y) {
    w_.errors().Trap("P1MU", b, [&] { engine_->Picture1_MouseUp(b, s, float(x), float(y)); });
  };
}

void CanvasTools::wireMenus() {
  auto wire = [this](const char* name, auto fn) {
    QAction* a = w_.menus().menuItem(name);
    if (a == nullptr) return;
    a->setProperty("ornBuilt", true);
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, fn);
  };
  wire("MenEditMark", [this] { w_.errors().Trap("MenEditMark", [this] { engine_->MarkC(); }); });
  wire("MenEditUndo", [this] { w_.errors().Trap("MenEditUndo", [this] { engine_->UndoToMarkC(); }); });
}

// ---- MouseUi ---------------------------------------------------------------------

void CanvasTools::canvasChanged() { w_.Picture1->update(); }

CanvasCursor CursorOfPointer(int pointer) {
  return pointer == kPointerCross     ? CanvasCursor::Cross
         : pointer == kPointerUpArrow ? CanvasCursor::UpArrow
                                      : CanvasCursor::Arrow;
}

void CanvasTools::setCanvasPointer(int pointer) { w_.Picture1->setCanvasCursor(CursorOfPointer(pointer)); }

void CanvasTools::LocateCursor(int x, int y) { w_.Picture1->placePointer(x, y); }

bool CanvasTools::zoomBoxMode() const { return w_.zoom().zoomBoxMode(); }

void CanvasTools::CalcBoxDrag(int Kind, int Button, int Shift, float X, float Y) {
  w_.zoom().CalcBoxDrag(Kind, Button, Shift, X, Y);
}

void CanvasTools::undoPolyChanged(bool running) {
  if (running) {
    UndoPoly->start(w_.editor().UndoPolyInterval);
  } else {
    UndoPoly->stop();
  }
}

// Canvas clicks are ignored while a recent file loads and while the editor opens.
bool CanvasTools::loading() const { return w_.file().LoadingRecent || w_.start().StartLoading; }

void CanvasTools::ExitC() { w_.files().MenFileExit_Click(); }

void CanvasTools::setDebugLabel(const std::string& text) {
  w_.special().Label1->setText(QString::fromStdString(text));
}

// Through the window, so that the "&Symmetry" menu that holds the item is
// offered with it.
void CanvasTools::setEditsymEnabled(bool enabled) { w_.symmetry().setEditsymEnabled(enabled); }

void CanvasTools::setToolButtonVisible(int tool, bool visible) {
  if (ToolButton* b = DrawType(tool)) b->setVisible(visible);
  // The spline/polyline switch stands beside the spline tool and goes with
  // it, so that no click converts the picture's splines while the tools are
  // away (show mode, the zoom box, the page panels).
  if (tool == kToolSpline) SplinePoly->setVisible(visible);
}

bool CanvasTools::toolButtonVisible(int tool) const {
  const ToolButton* b = DrawType(tool);
  return b && !b->isHidden();
}

void CanvasTools::showKillColor(bool visible, Rgb colour) {
  killColour_ = colour & 0xFFFFFF;
  KillColor->setStyleSheet(buttonStyle(killColour_));
  KillColor->setVisible(visible);
}

bool CanvasTools::colourWheelShown() const { return w_.colour().WheelShown; }

void CanvasTools::setWheelPanelVisible(bool visible) { w_.colours().setWheelPanelVisible(visible); }

void CanvasTools::currentColourChanged() { w_.colours().currentColourChanged(); }

void CanvasTools::colorsInUseChanged() { w_.colours().colorsInUseChanged(); }

void CanvasTools::setSplinePolyColour(Rgb colour) { SplinePoly->setBackColor(colour); }

void CanvasTools::SymUpdateMenus(bool) { w_.SymUpdateMenus(); }

void CanvasTools::hidePartPanel() { w_.Picture7->hide(); }

void CanvasTools::clearHasBaseGroup() {
  // Without a symmetry block no part has a base copy: no part label is offered.
  w_.Picture7->showParts({});
}

void CanvasTools::Trap(const char* tag, const std::function<void()>& command) {
  w_.errors().Trap(tag, command);
}

void CanvasTools::setPolygonButtonVisible(bool visible) {
  if (w_.Picture13 != nullptr) w_.Picture13->setVisible(visible);
}

}  // namespace orn
