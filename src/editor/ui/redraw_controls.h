#pragma once
// RedrawControls: the editor window's side of the full redraw, as the core
// reaches it (EditorControls): the Redraw button and its 500 ms guard, the
// stop button, and what every redraw shows in the window (the canvas as it is
// drawn, the progress strip, tool-button colours, the duplicate-shapes
// button, the part labels, a damaged symmetry block), whoever starts the
// redraw.
#include <cstdint>

#include "canvas/progress.h"

class QPushButton;
class QTimer;

namespace orn {

class PicEdit;
class ToolButton;

class RedrawControls : public EditorControls {
 public:
  explicit RedrawControls(PicEdit& w) : w_(w) {}

  void buildRedrawWidgets();
  // The Redraw button (DrawAll(0)) and the 500 ms guard after a redraw
  // during which it is ignored; the stop button.
  ToolButton* DrawAll0 = nullptr;
  QTimer* NoRedraw = nullptr;
  QPushButton* StopSign = nullptr;
  void DrawAll_Click(int Index);

  // EditorControls
  void showCanvas() override;
  Surface* progressStrip() override;
  void progressChanged() override;
  void setStopSignVisible(bool on) override;
  void MenEnable(bool enable) override;
  void setToolButtonColor(int tool, Rgb c) override;
  void setRedrawButtonColor(Rgb c) override;
  void GeoSh() override;
  bool dupButtonVisible() const override;
  void setDupButtonVisible(bool visible) override;
  bool showMode() const override;
  bool setupPanelVisible() const override;
  void ShowSymme(int region) override;
  void SymShowHandles(int mode) override;
  void reportCorruptSymmetry() override;
  void PutSymState(int CurPart) override;
  void redrawFinished() override;
  void CopyToBmap() override;
  void startNoRedrawTimer() override;
  bool noRedrawTimerActive() const override;

 private:
  PicEdit& w_;
  // When the canvas was last shown during a redraw (the host's clock, ms;
  // -1 none yet).
  std::int64_t canvasShownAt_ = -1;
};

}  // namespace orn
