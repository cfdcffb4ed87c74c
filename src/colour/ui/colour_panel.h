#pragma once
// The colour tools of the editor window, made and laid out together: beside
// the canvas the current colour (with the colour wheel below it while it is
// shown), the colours in use and their label; below the canvas the palette
// with its harmony scroll bar and, in the colour panel's frame, the custom
// colours and the "#" button; in the tool column the wheel's panel. The
// window wires their events to the colour tools' core.
#include <QObject>
#include <QRect>

#include <functional>

#include "colour/colour_state.h"
#include "colour/ui/colors_in_use_strip.h"
#include "colour/ui/current_color_box.h"
#include "colour/ui/custom_colors_box.h"
#include "colour/ui/palette_box.h"
#include "colour/ui/wheel_panel.h"

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace orn {

class ColourPanel : public QObject {
  Q_OBJECT
 public:
  // Makes the controls on `form`; `wheel` is the wheel's picture, `back` the
  // colour around the cells.
  ColourPanel(ColourState& colour, const Surface& wheel, QWidget* form, Rgb back);

  PaletteBox* Picture3 = nullptr;
  QScrollBar* VScroll2 = nullptr;
  CurrentColorBox* Picture4 = nullptr;
  QLabel* Label19 = nullptr;  // "Colors in Use", above their strip
  ColorsInUseStrip* CinUse = nullptr;
  // The frame around the colours in use, red with Label19 while a swap is
  // armed: the swatches it frames receive the colour.
  QFrame* CinUseFrame = nullptr;
  QFrame* Picture11 = nullptr;
  CustomColorsBox* Picture10 = nullptr;
  QPushButton* Command4 = nullptr;
  CanvasWidget* Wheel = nullptr;
  WheelPanel* Picture12 = nullptr;

  // The harmony scroll bar moved: its value as the palette counts it (the
  // top end HarmonyTop down to -2).
  std::function<void(int value)> onScroll;
  // A press on the wheel at (X, Y) in the wheel's pixels.
  std::function<void(int Button, int Shift, float X, float Y)> onWheel;

  // Lays the controls out for a canvas at `canvas` in a form of `form` size.
  // The palette, its scroll bar and the frame end `keepRight` pixels left of
  // the colours in use's right edge (that end of the bottom strip holds
  // another panel), or of the form's where it is narrower. They start at
  // `leftmost` or right of it; in a form too narrow for that, as far left as
  // `least`.
  void place(const QRect& canvas, const QSize& form, int keepRight, int leftmost, int least);
  // The width of the palette, its scroll bar and the frame side by side.
  static int rowWidth();
  // The current colour at left x, and below it the wheel (while it is
  // shown), the label and the colours in use.
  void PositionPic4(int x);
  // Shows or hides the colour tools; shown again, the strip is redrawn.
  void setShown(bool shown);
  // The frames (the custom colours' and the colours in use's) and the label
  // red while a swap is armed.
  void showSwapArmed(bool armed);
  // The wheel and its panel.
  void setWheelVisible(bool visible);
  // The scroll bar's range and value from the harmony.
  void syncScroll();
  // The current colour's box.
  void showCurrent();
  // The panels' own colour (gray at first): the custom colours' frame, the
  // label of the colours in use, the wheel's panel and the ground of the
  // strip, which the gray gives back the window's colour.
  void setUseColor(Rgb colour);

 private:
  ColourState& colour_;
  bool wheelShown_ = false;
  bool syncing_ = false;
  Rgb back_;
  Rgb useColor_;
  bool armed_ = false;
};

}  // namespace orn
