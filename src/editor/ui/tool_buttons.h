#pragma once
// The canvas's tools in the editor window: the column of tool buttons, the
// Delete Color Handle swatch, the spline/polyline switch, the step-back
// repeat timer, and the wiring of the canvas's mouse events to the mouse
// engine.
#include <QToolButton>
#include <QObject>

#include <map>
#include <memory>

#include "canvas/mouse_engine.h"
#include "platform/canvas_widget.h"

class QTimer;

namespace orn {

class PicEdit;

// The canvas's pointer for a drawing-cursor code (1 arrow, 2 cross, 10 up arrow).
CanvasCursor CursorOfPointer(int pointer);

// One tool button: a coloured box with the pictogram of its tool, that acts
// on the press (not the click).
class ToolButton : public QToolButton {
  Q_OBJECT
 public:
  ToolButton(int tool, QWidget* parent);
  int tool() const { return tool_; }
  void setBackColor(Rgb c);
  Rgb backColor() const { return back_; }

 signals:
  void pressedTool(int tool);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  // The back colour, a thin frame and the tool's pictogram.
  void paintEvent(QPaintEvent* e) override;

 private:
  int tool_;
  Rgb back_ = 0;
};

class CanvasTools : public QObject, private MouseUi {
  Q_OBJECT
 public:
  explicit CanvasTools(PicEdit& w);
  ~CanvasTools() override;

  MouseEngine& engine() { return *engine_; }
  // The button of a tool (DrawType(i)); null for an unknown code.
  ToolButton* DrawType(int tool) const;
  QWidget* KillColor = nullptr;
  ToolButton* SplinePoly = nullptr;
  QTimer* UndoPoly = nullptr;

 private:
  // MouseUi
  void canvasChanged() override;
  void setCanvasPointer(int pointer) override;
  void LocateCursor(int x, int y) override;
  bool zoomBoxMode() const override;
  void CalcBoxDrag(int Kind, int Button, int Shift, float X, float Y) override;
  void undoPolyChanged(bool running) override;
  bool loading() const override;
  void ExitC() override;
  void setEditsymEnabled(bool enabled) override;
  void setToolButtonVisible(int tool, bool visible) override;
  bool toolButtonVisible(int tool) const override;
  void showKillColor(bool visible, Rgb colour) override;
  Rgb killColor() const override { return killColour_; }
  bool colourWheelShown() const override;
  void setWheelPanelVisible(bool visible) override;
  void currentColourChanged() override;
  void colorsInUseChanged() override;
  void setSplinePolyColour(Rgb colour) override;
  void setPolygonButtonVisible(bool visible) override;
  void SymUpdateMenus(bool hasBlock) override;
  void hidePartPanel() override;
  void clearHasBaseGroup() override;
  void Trap(const char* tag, const std::function<void()>& command) override;
  void setDebugLabel(const std::string& text) override;

  void buildButtons();
  void wireCanvas();
  void wireMenus();

  PicEdit& w_;
  std::unique_ptr<MouseEngine> engine_;
  std::map<int, ToolButton*> buttons_;
  Rgb killColour_ = 0;
};

}  // namespace orn
