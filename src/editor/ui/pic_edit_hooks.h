#pragma once
// What the file commands ask of the editor window (internal to the window's
// parts).
#include <algorithm>
#include <cmath>
#include <utility>

#include "canvas/ui/form_layout.h"
#include "canvas/ui/sym_p_load.h"
#include "colour/standard_colors.h"
#include "editor/ui/pic_edit.h"
#include "editor/ui/tool_buttons.h"
#include "platform/canvas_widget.h"
#include "symmetry/sym_table.h"

namespace orn {

// Colours of the loading progress: yellow in the loading window, red in show
// mode's progress strip.
inline constexpr Rgb kLoadBarColour = 0x00FFFF;
inline constexpr Rgb kShowBarColour = 0x0000FF;

// What the file commands ask of the window.
class WindowFileHooks : public FileHooks {
 public:
  explicit WindowFileHooks(PicEdit& w) : w_(w) {}

  void copyToBmap() override { w_.CopyToBmap(); }

  void showCanvas() override { w_.Picture1->update(); }

  // Closes the open record as a double click on the canvas does: the mouse
  // engine drops a repeated end point and finishes the figure.
  void closeOpenRecord(DrawingList&) override { w_.symHost().closeOpenRecord(); }

  WindowSizes windowSizes() override {
    WindowSizes s;
    s.windowWidth = w_.width();
    s.windowHeight = w_.height();
    s.canvasWidth = w_.canvasSurface().width();
    s.canvasHeight = w_.canvasSurface().height();
    s.windowState = w_.isMaximized() ? 2 : w_.isMinimized() ? 1 : 0;
    return s;
  }

  std::pair<int, int> canvasRoom() override {
    return {std::max(w_.formArea()->width() - kFreeWidth, kMinCanvas),
            std::max(w_.formArea()->height() - kFreeHeight, kMinCanvas)};
  }

  void viewCanvas(int width, int height, double aspect) override {
    w_.layout().PrintInitDone = false;
    w_.layout().resizeCanvas(width, height);
    w_.layout().placeColourPanel();
    w_.layout().PageAspect = aspect;
  }

  void showProgress(int p) override {
    if (w_.showMode()) {
      Surface& bar = w_.layout().progress();
      if (p == 0) bar.clear();
      const int right = int(std::lround(p * (bar.width() / 160.0))) - 1;
      if (right >= 0) bar.fillBox(0, 0, right, bar.height() - 1, kShowBarColour);
      w_.Progress->update();
    } else {
      SymPLoad& box = *w_.loadWindow();
      if (p == 0) {
        box.clearBar();
        box.setWindowTitle(QString::fromStdString("Loading " + loadingName));
        box.show();
      }
      box.drawBox(p, kLoadBarColour);
      if (p >= SymPLoad::kBarScale) box.hide();
    }
    // Let the loading window paint itself.
    w_.host().pumpEvents();
  }

  void symmetryLoaded() override { InvalidateSymTables(w_.sym()); }

  void coloursLoaded(const std::vector<ColourUse>& colours) override {
    w_.colours().colourTools_->coloursLoaded(colours);
  }

  std::optional<std::string> saveBitmap(const std::string& path) override {
    return w_.prints().saveCanvasBitmap(path);
  }

  // A load that repaints the picture starts it without colours and with the
  // colour wheel switched over; the picture still counts as unchanged.
  void eraseColours() override {
    ColourTools& t = *w_.colours().colourTools_;
    t.EraseC(kEraseSilent);
    t.ToggleColorWheel();
    w_.editor().PicChanged = false;
  }

  void saveStandardColors() override {
    SaveStandardColors(w_.list(), w_.colour(), w_.dataFolder(), w_.host());
  }

  // The file being loaded, for the loading window's caption.
  std::string loadingName;

 private:
  PicEdit& w_;
};

}  // namespace orn
