#pragma once
// What the file commands ask of the editor window (internal to the window).
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
class PicEdit::Hooks : public FileHooks {
 public:
  explicit Hooks(PicEdit& w) : w_(w) {}

  void copyToBmap() override { w_.CopyToBmap(); }

  // Closes the open record as a double click on the canvas does: the mouse
  // engine drops a repeated end point and finishes the figure.
  void closeOpenRecord(DrawingList&) override { w_.closeOpenRecord(); }

  WindowSizes windowSizes() override {
    WindowSizes s;
    s.windowWidth = w_.width();
    s.windowHeight = w_.height();
    s.canvasWidth = w_.canvas().width();
    s.canvasHeight = w_.canvas().height();
    s.windowState = w_.isMaximized() ? 2 : w_.isMinimized() ? 1 : 0;
    return s;
  }

  std::pair<int, int> canvasRoom() override {
    return {std::max(w_.inner_->width() - kFreeWidth, kMinCanvas),
            std::max(w_.inner_->height() - kFreeHeight, kMinCanvas)};
  }

  void viewCanvas(int width, int height, double aspect) override {
    w_.PrintInitDone = false;
    w_.resizeCanvas(width, height);
    w_.placeColourPanel();
    w_.PageAspect = aspect;
  }

  void showProgress(int p) override {
    if (w_.showMode()) {
      if (p == 0) w_.progress_.clear();
      const int right = int(std::lround(p * (w_.progress_.width() / 160.0))) - 1;
      if (right >= 0) w_.progress_.fillBox(0, 0, right, w_.progress_.height() - 1, kShowBarColour);
      w_.Progress->update();
    } else {
      SymPLoad& box = *w_.SymPLoad_;
      if (p == 0) {
        box.clearBar();
        box.setWindowTitle(QString::fromStdString("Loading " + loadingName));
        box.show();
      }
      box.drawBox(p, kLoadBarColour);
      if (p >= SymPLoad::kBarScale) box.hide();
    }
    // Let the loading window paint itself.
    w_.host_.pumpEvents();
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
    SaveStandardColors(w_.list(), w_.colour(), w_.dataFolder(), w_.host_);
  }

  // The file being loaded, for the loading window's caption.
  std::string loadingName;

 private:
  PicEdit& w_;
};

}  // namespace orn
