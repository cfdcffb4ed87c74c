#include "canvas/ui/tool_buttons.h"

#include <QAction>
#include <QCursor>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "canvas/tools.h"
#include "canvas/ui/pic_edit.h"
#include "platform/canvas_widget.h"
#include "platform/qt_colour.h"

namespace orn {

namespace {

constexpr int kButtonSize = 30;
constexpr int kButtonGap = 2;

QString buttonStyle(Rgb c) { return colourStyle(c, "border: 1px solid gray;"); }

// Short captions for the buttons.
QString caption(int tool) {
  switch (tool) {
    case 0: return "S";
    case 1: return "P";
    case 2: return "L";
    case 3: return "C";
    case 4: return "3C";
    case 5: return "A";
    case 6: return " 4";
    case 10: return "R";
    case 75: return "Ad";
    case 76: return "Er";
    case 77: return "CH";
    case 78: return "DH";
    case 79: return "D";
    case 80: return "S/L";
    default: return "";
  }
}

}  // namespace

ToolButton::ToolButton(int tool, QWidget* parent) : QToolButton(parent), tool_(tool) {
  setAutoFillBackground(true);
  setFocusPolicy(Qt::NoFocus);
}

void ToolButton::setBackColor(Rgb c) {
  back_ = c & 0xFFFFFF;
  setStyleSheet(buttonStyle(back_));
}

void ToolButton::mousePressEvent(QMouseEvent* e) {
  // A tool is chosen on the press, with any button.
  e->accept();
  emit pressedTool(tool_);
}

// The window's controls as the engine's redraws reach them, with the tool
// buttons of this column in place of the window's.
class CanvasTools::Controls : public EditorControls {
 public:
  Controls(EditorControls& inner, CanvasTools& t) : in_(inner), t_(t) {}
  Surface* progressStrip() override { return in_.progressStrip(); }
  void progressChanged() override { in_.progressChanged(); }
  void setStopSignVisible(bool v) override { in_.setStopSignVisible(v); }
  void MenEnable(bool on) override { in_.MenEnable(on); }
  void setToolButtonColor(int tool, Rgb c) override {
    if (ToolButton* b = t_.DrawType(tool)) b->setBackColor(c);
  }
  void setRedrawButtonColor(Rgb c) override { in_.setRedrawButtonColor(c); }
  void GeoSh() override { in_.GeoSh(); }
  bool dupButtonVisible() const override {
    const ToolButton* b = t_.DrawType(kToolDuplicate);
    return b && !b->isHidden();
  }
  void setDupButtonVisible(bool v) override {
    if (ToolButton* b = t_.DrawType(kToolDuplicate)) b->setVisible(v);
  }
  bool showMode() const override { return in_.showMode(); }
  bool setupPanelVisible() const override { return in_.setupPanelVisible(); }
  void ShowSymme(int r) override { in_.ShowSymme(r); }
  void SymShowHandles(int m) override { in_.SymShowHandles(m); }
  void reportCorruptSymmetry() override { in_.reportCorruptSymmetry(); }
  void CopyToBmap() override { in_.CopyToBmap(); }
  void startNoRedrawTimer() override { in_.startNoRedrawTimer(); }
  bool noRedrawTimerActive() const override { return in_.noRedrawTimerActive(); }

 private:
  EditorControls& in_;
  CanvasTools& t_;
};

CanvasTools::CanvasTools(PicEdit& w) : QObject(&w), w_(w) {
  controls_ = std::make_unique<Controls>(w.controls(), *this);
  engine_ = std::make_unique<MouseEngine>(MouseEnv{w.list(), w.sym(), w.draw(), w.editor(), w.pick(),
                                                   w.colour(), w.views(), static_cast<SymSetupHost&>(w).host(), *controls_,
                                                   *this, w.picture().SplinePolyOn, w.polyShape()});
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
    b->setText(caption(tool));
    b->setGeometry(kButtonGap + (k % 2) * (kButtonSize + kButtonGap),
                   kButtonGap + (k / 2) * (kButtonSize + kButtonGap), kButtonSize, kButtonSize);
    b->setBackColor(ToolButtonIdleColour(tool));
    connect(b, &ToolButton::pressedTool, this, [this](int t) { engine_->DrawType_MouseDown(t); });
    buttons_[tool] = b;
    ++k;
  }
  const int below = kButtonGap + ((k + 1) / 2) * (kButtonSize + kButtonGap);
  SplinePoly = new ToolButton(-1, panel);
  SplinePoly->setObjectName("SplinePoly");
  SplinePoly->setGeometry(kButtonGap, below, kButtonSize, kButtonSize / 2);
  SplinePoly->setBackColor(w_.picture().SplinePolyOn ? 255 : kToolButtonDrawing);
  connect(SplinePoly, &ToolButton::pressedTool, this, [this] { engine_->SplinePoly_Click(); });
  // The polygon button beside the switch, clear of every tool button.
  if (w_.Picture13 != nullptr)
    w_.Picture13->setGeometry(2 * kButtonGap + kButtonSize, below, kButtonSize, kButtonSize);

  KillColor = new QWidget(panel);
  KillColor->setObjectName("KillColor");
  KillColor->setAutoFillBackground(true);
  KillColor->setGeometry(kButtonGap, below + kButtonSize, 2 * kButtonSize, kButtonSize / 2);
  KillColor->hide();

  // The Geometric tool and the duplicate tool wait for the geometry buttons.
  buttons_[kToolDuplicate]->hide();
  buttons_[kToolGeometric]->setVisible(w_.editor().ShowGeoNumbers);
  controls_->setToolButtonColor(w_.editor().CurDrawType, kToolButtonSelected);
  controls_->GeoSh();

  UndoPoly = new QTimer(this);
  UndoPoly->setObjectName("UndoPoly");
  connect(UndoPoly, &QTimer::timeout, this, [this] {
    engine_->UndoPoly_Tick();
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
  c->onMouseMove = [this](int b, int s, int x, int y) { engine_->P1MM(b, s, float(x), float(y)); };
  c->onMouseUp = [this](int b, int s, int x, int y) {
    engine_->Picture1_MouseUp(b, s, float(x), float(y));
  };
}

void CanvasTools::wireMenus() {
  auto wire = [this](const char* name, auto fn) {
    QAction* a = w_.menuItem(name);
    if (a == nullptr) return;
    a->setProperty("ornBuilt", true);
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, fn);
  };
  wire("MenEditMark", [this] { engine_->MarkC(); });
  wire("MenEditUndo", [this] { engine_->UndoToMarkC(); });
}

// ---- MouseUi ---------------------------------------------------------------------

void CanvasTools::canvasChanged() { w_.Picture1->update(); }

void CanvasTools::setCanvasPointer(int pointer) {
  w_.Picture1->setCanvasCursor(pointer == kPointerCross     ? CanvasCursor::Cross
                               : pointer == kPointerUpArrow ? CanvasCursor::UpArrow
                                                            : CanvasCursor::Arrow);
}

void CanvasTools::LocateCursor(int x, int y) {
  const qreal dpr = w_.Picture1->devicePixelRatioF();
  QCursor::setPos(w_.Picture1->mapToGlobal(QPointF(x / dpr, y / dpr).toPoint()));
}

void CanvasTools::undoPolyChanged(bool running) {
  if (running) {
    UndoPoly->start(w_.editor().UndoPolyInterval);
  } else {
    UndoPoly->stop();
  }
}

bool CanvasTools::loading() const { return w_.file().LoadingRecent; }

void CanvasTools::ExitC() { w_.MenFileExit_Click(); }

// Through the window, so that the "&Symmetry" menu that holds the item is
// offered with it.
void CanvasTools::setEditsymEnabled(bool enabled) { w_.setEditsymEnabled(enabled); }

void CanvasTools::setToolButtonVisible(int tool, bool visible) {
  if (ToolButton* b = DrawType(tool)) b->setVisible(visible);
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

void CanvasTools::setWheelPanelVisible(bool visible) { w_.setWheelPanelVisible(visible); }

void CanvasTools::currentColourChanged() { w_.currentColourChanged(); }

void CanvasTools::colorsInUseChanged() { w_.colorsInUseChanged(); }

void CanvasTools::setSplinePolyColour(Rgb colour) { SplinePoly->setBackColor(colour); }

void CanvasTools::setPolygonButtonVisible(bool visible) {
  if (w_.Picture13 != nullptr) w_.Picture13->setVisible(visible);
}

}  // namespace orn
