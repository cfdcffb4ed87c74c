#pragma once
// ColourControls: the editor window's colour panels (the palette, the current
// colour, the colours in use, the custom colours, the wheel), the Color menu,
// and what the colour tools' core asks of the window.
#include <memory>

#include "canvas/colour_tools.h"

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace orn {

class CanvasWidget;
class ColorsInUseStrip;
class ColourPanel;
class CurrentColorBox;
class CustomColorsBox;
class PaletteBox;
class PicEdit;
class WheelPanel;

class ColourControls {
 public:
  explicit ColourControls(PicEdit& w) : w_(w) {}

  // Puts the current-colour swatch at left x and the colour wheel beside it.
  void PositionPic4(int x);
  // The colour panels, named as the editor's code names them.
  PaletteBox* Picture3 = nullptr;       // the palette
  QScrollBar* VScroll2 = nullptr;       // its harmony scroll bar
  CurrentColorBox* Picture4 = nullptr;  // the current colour
  ColorsInUseStrip* CinUse = nullptr;   // the colours in use
  QLabel* Label19 = nullptr;            // their label, red while a swap is armed
  QFrame* Picture11 = nullptr;          // the frame, red while a swap is armed
  CustomColorsBox* Picture10 = nullptr; // the custom colours
  QPushButton* Command4 = nullptr;      // "#", the colour dialog
  CanvasWidget* Wheel = nullptr;        // the colour wheel
  WheelPanel* Picture12 = nullptr;      // the wheel's panel in the tool column
  // Repaints the custom colours (after the settings were read).
  void DispCustColors();
  // Sets the custom colours to the base colours; Index 0 asks first.
  void CustGrayC(int Index);
  // Erases all colour from the picture: kEraseAsks asks first, selects the
  // paint tool and redraws; kEraseSilent does neither; kEraseSilentRedraw
  // only redraws.
  void EraseC(int SilentErase = kEraseAsks);
  // The wheel and its panel shown in place of the drawing tools.
  void setWheelPanelVisible(bool visible);
  // The canvas's tools changed the current colour or the colours in use.
  void currentColourChanged();
  void colorsInUseChanged();
  void buildColourTools();
  void wireColourMenu();
  // Beside the canvas and in the bottom strip, the palette's row from
  // `leftmost`, or from as far left as `least` in a narrow window.
  void placeColourTools(int leftmost, int least);
  // What the colour tools' core asks of the window.
  class ColourHooks;
  std::unique_ptr<ColourUi> colourHooks_;
  std::unique_ptr<ColourTools> colourTools_;
  ColourPanel* colourPanel_ = nullptr;

 private:
  PicEdit& w_;
};

}  // namespace orn
