#pragma once
// The colour tools of the editor: picking the current colour from the
// palette, the custom colours and the colours in use; arming and applying a
// colour swap; the colour wheel and the palette harmonies; the custom
// colours, painting in gray, the background colour, erasing all colours and
// hiding the colour tools.
//
// The current colour lives in ColourState (CurrentColor and its code
// CurrentCode, 999 when it is not a cell of the table). ColorMode (in
// EditorState) is the one colour action state: 0 idle, 1 a colour was just
// picked, 2 a swap is armed (the next click on a colour in use or a custom
// cell receives the current colour), 3 a swap is being applied, 4 a wheel
// turn is being applied, 8 all fills are being repainted.
//
// Plain C++: what only the window can show or ask goes through ColourUi.
#include <optional>
#include <vector>

#include "canvas/editor_state.h"
#include "canvas/picture_commands.h"
#include "colour/colour_state.h"
#include "model/drawing_list.h"
#include "platform/core/host.h"
#include "platform/core/surface.h"
#include "symmetry/draw_context.h"
#include "symmetry/sym_state.h"

namespace orn {

// SilentErase values of EraseC.
constexpr int kEraseAsks = 0;
constexpr int kEraseSilent = -1;        // no question, no redraw, no tool change
constexpr int kEraseSilentRedraw = -2;  // no question, no tool change, a redraw

class ColourUi {
 public:
  virtual ~ColourUi() = default;
  // The canvas's full redraw and tool selection.
  virtual void DrawAll(int Index) = 0;
  virtual void DrawType(int tool) = 0;
  // Shows or hides the drawing tool buttons, or the wheel's panel in their
  // place while the wheel is shown.
  virtual void SetDrawButtons(bool /*show*/) {}
  // Closes the record being drawn as a double click on the canvas does.
  virtual void closeOpenRecord() {}
  // Repaints the palette, the custom colours, the current-colour box, the
  // wheel.
  virtual void paletteChanged() {}
  virtual void customChanged() {}
  virtual void currentChanged() {}
  virtual void wheelChanged() {}
  // Draws swatch Index (1..) of the colours in use, or the whole strip for
  // -1 or a swatch the grid has no room for.
  virtual void ShowCInUse(int /*Index*/) {}
  // Shows or hides every control of the colour tools.
  virtual void colourToolsShown(bool /*shown*/) {}
  // The colour dialog, opened on `initial`; nothing when cancelled.
  virtual std::optional<Rgb> chooseColour(Rgb /*initial*/) { return std::nullopt; }
  // The canvas's copy shown back on the canvas.
  virtual void CopyBMAPtoPicture() {}
  // The check mark of a menu item ("MenRotateColors", "MenHarmony(2)", ...).
  virtual void setMenuChecked(const char* /*item*/, bool /*checked*/) {}
};

struct ColourEnv {
  ColourState& colour;
  EditorState& ed;
  DrawContext& ctx;
  DrawingList& list;
  SymState& sym;
  Host& host;
  ColourUi& ui;
};

class ColourTools : private ColourEnv {
 public:
  explicit ColourTools(const ColourEnv& env);

  // ---- palette and current colour (colour_picks.cpp) ----
  // Shows the palette rows; without a first row it only says "no colors".
  void SetPalette(const PaletteRows& rows);
  // A press on the palette at (X, Y) in cells; a drag picks as it goes.
  void P3MD(int Button, int Shift, float X, float Y);
  // A press on the custom colours: picks, or stores the current colour into
  // the cell while a swap is armed.
  void Picture10_MouseDown(int Button, int Shift, float X, float Y);
  // A click on the current-colour box arms the swap after a pick, disarms it
  // when armed.
  void Picture4_Click();
  // A click on the colours in use: picks, or applies the armed swap.
  void CinUse_MouseDown(int Button, int Shift, float X, float Y);
  // Asks once per run before painting with black on a dithering display;
  // false when the user chose Cancel.
  bool BlackWarn(Rgb colour);

  // ---- colour wheel and harmonies (colour_wheel_tools.cpp) ----
  void ToggleColorWheel();
  // Repaints the wheel and marks segment Step (none for 12 or more).
  void MakeWheel(int Step);
  // A press on the wheel at (X, Y) in its pixels turns the picture's colours.
  void WheelMD(int Button, int Shift, float X, float Y);
  // The wheel panel's buttons: 0 "Draw" closes it, 1 "Reset" turns back.
  void RotOK_Click(int Index);
  void MenHarmony_Click(int Index);
  // The harmony scroll bar moved to `value`.
  void VScroll2_Change(int value);
  // Shows the palette rows of the harmony at the scroll value; its first two
  // runs also make shade 3 of the first row the current colour.
  void VScroll2C();
  // The wheel's pixels, and the colour around its rim.
  const Surface& wheel() const { return Wheel_; }
  void setWheelBackground(Rgb back);

  // ---- commands of the Color menu and the panel (colour_commands.cpp) ----
  // Sets the custom colours back to the base colours; Index 0 asks first.
  void CustGrayC(int Index);
  // "#": the colour dialog makes the current colour.
  void Command4_Click();
  // Background to the current colour (0) or white (1).
  void MenSetBackCol_Click(int Index);
  void MenColorGray_Click();
  // "Hide Colors Temporarily".
  void ShowColorC();
  void ToggleColorTools();
  // Erases all colour from the picture (SilentErase: kEraseAsks,
  // kEraseSilent or kEraseSilentRedraw). False when the user declined.
  bool EraseC(int SilentErase);

  // ---- a picture loaded or started (colour_commands.cpp) ----
  // The colours of the new picture become the colours in use; the last one
  // found becomes the current colour.
  void coloursLoaded(const std::vector<ColourUse>& colours);
  // Brings the panels into line with the picture: strip, palette, custom
  // colours, and the wheel (its turns forgotten).
  void showLoadedColours();

 private:
  void packPending();
  void selectPaint();
  void setCurrent(Rgb colour, int code);
  // The palette and custom colours after the current colour changed.
  void showCurrent();
  // The wheel redrawn for the current colour when it is shown.
  void wheelForCurrent();
  void applySwap(int index);
  // Applies RotateStep to the picture, the current colour and the colours in
  // use.
  void turnColours();

  Surface WheelPicture_;
  Surface Wheel_;
};

}  // namespace orn
