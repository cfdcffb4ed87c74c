// The colour wheel: showing it, turning the picture's colours round it and
// back, and the palette harmonies with their scroll bar.
#include <string>

#include "canvas/colour_tools.h"
#include "canvas/redraw.h"
#include "canvas/tools.h"
#include "colour/colour_codes.h"
#include "colour/colour_wheel.h"

namespace orn {

void ColourTools::setWheelBackground(Rgb back) {
  WheelPicture_ = WheelImage(back);
  Wheel_ = WheelPicture_;
}

void ColourTools::MakeWheel(int Step) {
  orn::MakeWheel(Wheel_, WheelPicture_, colour.ColorTable, Step, colour.WheelStep);
  ui.wheelChanged();
}

void ColourTools::ToggleColorWheel() {
  packPending();
  if (colour.WheelShown) {
    // The panel goes and the drawing tools come back.
    ui.SetDrawButtons(false);
    colour.WheelShown = false;
    ui.setMenuChecked("MenRotateColors", false);
    ui.SetDrawButtons(true);
    return;
  }
  selectPaint();
  ui.SetDrawButtons(false);
  colour.WheelShown = true;
  ui.setMenuChecked("MenRotateColors", true);
  ui.SetDrawButtons(true);
  colour.HarmonyOffset = 0;
  MakeWheel(FetchTagIndex(colour.CurrentCode));
}

void ColourTools::WheelMD(int /*Button*/, int /*Shift*/, float X, float Y) {
  // A turn while a redraw runs would change the colours in use but not the
  // fills, which that redraw cannot replay a second time.
  if (RedrawRunning(ed)) return;
  packPending();
  const int old = colour.WheelStep;
  MakeWheel(NearestWheelSpot(X, Y) / 2);
  colour.RotateStep = WheelRotateStep(old, colour.WheelStep);
  colour.HarmonyOffset = (colour.HarmonyOffset + colour.RotateStep) % kWheelSteps;
  turnColours();
}

void ColourTools::RotOK_Click(int Index) {
  if (RedrawRunning(ed)) return;
  packPending();
  if (Index == 0) {
    ToggleColorWheel();
    return;
  }
  colour.RotateStep = (kWheelSteps - colour.HarmonyOffset) % kWheelSteps;
  colour.HarmonyOffset = 0;
  turnColours();
  MakeWheel(FetchTagIndex(colour.CurrentCode));
}

// Every fill, the current colour and each colour in use turn by RotateStep.
void ColourTools::turnColours() {
  {
    struct Done {
      EditorState& ed;
      ~Done() { ed.ColorMode = kColorIdle; }
    } done{ed};
    ed.ColorMode = kColorWheelApplying;
    colour.SwapIndex = 0;
    ui.DrawAll(1);
  }
  int code = colour.CurrentCode;
  Rgb rgb = colour.CurrentColor;
  if (TurnColour(code, rgb, colour.RotateStep, colour.ColorTable)) setCurrent(rgb, code);
  showCurrent();
  for (int i = 1; i <= colour.InUseCount; ++i) {
    InUseColor& c = colour.ColorsInUse[static_cast<std::size_t>(i - 1)];
    if (TurnColour(c.code, c.rgb, colour.RotateStep, colour.ColorTable)) ui.ShowCInUse(i);
  }
}

void ColourTools::MenHarmony_Click(int Index) {
  packPending();
  colour.HarmonyMode = Index;
  for (int i = 0; i < 4; ++i)
    ui.setMenuChecked(("MenHarmony(" + std::to_string(i) + ")").c_str(), i == Index);
  colour.HarmonyScroll = 0;
  VScroll2C();
}

void ColourTools::VScroll2_Change(int value) {
  colour.HarmonyScroll = value;
  VScroll2C();
}

void ColourTools::VScroll2C() {
  SetPalette(HarmonyRows(colour.HarmonyMode, colour.HarmonyScroll));
  if (colour.VScroll2Count >= 2) return;
  // The editor's start: shade 3 of the first row becomes the current colour.
  ++colour.VScroll2Count;
  const int hue = colour.PalRows[0];
  setCurrent(colour.ColorTable(3, hue), MakeColorCode(3, hue));
  showCurrent();
}

}  // namespace orn
