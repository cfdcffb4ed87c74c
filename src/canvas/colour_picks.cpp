// Picking the current colour from the palette, the custom colours and the
// colours in use, arming a swap on the current-colour box, and applying it
// to a colour in use.
#include <algorithm>

#include "canvas/colour_tools.h"
#include "canvas/redraw.h"
#include "canvas/tools.h"
#include "colour/colour_codes.h"
#include "colour/palette.h"
#include "model/list_edit.h"

namespace orn {

namespace {

constexpr const char* kBlackWarnText =
    "Because your system uses dithered colors it will be somewhat"
    " tricky to paint with the color black.  When you erase a black area the whole picture will"
    " be redrawn and recolored.  Also you will not be able to overpaint black areas"
    " with another color unless you first remove the black color by using the color editing buttons."
    "\n\n"
    "  The best way to proceed is to paint black areas some other color at first and then"
    " as the last step replace this color with black throughout your picture as described in the"
    " Ornivale book under the topic 'Replacing One Color with Another'."
    "\n\n"
    "Click OK to use black.  Click cancel to select another color.";

constexpr const char* kSwapInUseText =
    "You are already using this color.  If you click OK then two of the Colors-In-Use will be the "
    "same and you will have to do some manual repainting to make them different again.  You may "
    "want to click Cancel and select a slightly different shade to avoid having to do this.";

}  // namespace

ColourTools::ColourTools(const ColourEnv& env) : ColourEnv(env) { setWheelBackground(kWhite); }

void ColourTools::packPending() {
  if (list.PackFrom > 0) PackBad(list);
}

void ColourTools::selectPaint() {
  if (ed.CurDrawType != kToolPaint) ui.DrawType(kToolPaint);
}

void ColourTools::setCurrent(Rgb c, int code) {
  colour.CurrentColor = c & 0xFFFFFF;
  colour.CurrentCode = code;
  ui.currentChanged();
}

void ColourTools::showCurrent() {
  SetPalette(colour.PalRows);
  ui.customChanged();
}

void ColourTools::wheelForCurrent() {
  if (colour.WheelShown) MakeWheel(FetchTagIndex(colour.CurrentCode));
}

bool ColourTools::BlackWarn(Rgb c) {
  c &= 0xFFFFFF;
  if (!colour.DitheredDisplay || colour.BlackWarned || (c != kBlack && c != kNearBlack)) return true;
  colour.BlackWarned = true;
  return host.messageBox(kBlackWarnText, MsgButtons::OKCancel, MsgIcon::Information,
                         "Painting with Black") == MsgResult::OK;
}

void ColourTools::SetPalette(const PaletteRows& rows) {
  if (rows[0] == kNoColorCode) {
    host.messageBox("no colors", MsgButtons::OK, MsgIcon::None, "");
    return;
  }
  colour.PalRows = rows;
  ui.paletteChanged();
}

void ColourTools::P3MD(int /*Button*/, int /*Shift*/, float X, float Y) {
  const GridCell cell = PaletteCellAt(X, Y, colour.PalRows);
  const int hue = colour.PalRows[static_cast<std::size_t>(cell.row)];
  if (hue == kNoColorCode) return;
  const Rgb picked = colour.ColorTable(cell.column, hue);
  if (BlackWarn(picked)) {
    setCurrent(picked, PalettePickCode(cell.column, hue, colour.ColorTable));
    wheelForCurrent();
  }
  showCurrent();
  selectPaint();
  ed.ColorMode = kColorPicked;
  colour.SwapIndex = 0;
}

void ColourTools::Picture10_MouseDown(int /*Button*/, int /*Shift*/, float X, float Y) {
  const int cell = CustomCellAt(X, Y);
  Rgb& custom = colour.CustomPalette[static_cast<std::size_t>(cell)];
  if (ed.ColorMode == kColorSwapArmed) {
    // The armed swap stores the current colour into the cell.
    ed.ColorMode = kColorIdle;
    colour.SwapIndex = 0;
    custom = colour.CurrentColor;
    ui.customChanged();
  } else if (BlackWarn(custom)) {
    const int code = CustomPickCode(cell, custom, colour.ColorTable);
    setCurrent(custom, code);
    if (code != kOffTableCode) wheelForCurrent();
    ed.ColorMode = kColorPicked;
    colour.SwapIndex = 0;
    showCurrent();
  }
  selectPaint();
}

void ColourTools::Picture4_Click() {
  if (ed.CurDrawType != kToolPaint) {
    ui.DrawType(kToolPaint);
    ed.ColorMode = kColorIdle;
    colour.SwapIndex = 0;
  }
  if (ed.ColorMode == kColorPicked) {
    ed.ColorMode = kColorSwapArmed;
  } else if (ed.ColorMode == kColorSwapArmed) {
    ed.ColorMode = kColorIdle;
    colour.SwapIndex = 0;
  }
}

void ColourTools::CinUse_MouseDown(int /*Button*/, int /*Shift*/, float X, float Y) {
  const int index = InUseIndexAt(colour.InUse, X, Y);
  if (index == 0 || index > colour.InUseCount) {
    ui.ShowCInUse(-1);
    return;
  }
  if (ed.ColorMode == kColorSwapArmed) {
    applySwap(index);
    return;
  }
  ed.ColorMode = kColorPicked;
  colour.SwapIndex = index;
  const InUseColor& picked = colour.ColorsInUse[static_cast<std::size_t>(index - 1)];
  setCurrent(picked.rgb, picked.code);
  wheelForCurrent();
  showCurrent();
  selectPaint();
}

// The swap: fills of the clicked colour take the current colour; when the
// current colour was itself picked from the colours in use, the two trade
// places. The rewriting happens in the paint replay of the full redraw.
void ColourTools::applySwap(int index) {
  // A running redraw cannot replay the fills a second time: the swap waits.
  if (RedrawRunning(ed)) return;
  std::vector<InUseColor>& inUse = colour.ColorsInUse;
  if (colour.SwapIndex < 0 || colour.SwapIndex > colour.InUseCount) colour.SwapIndex = 0;
  if (colour.SwapIndex == 0) {
    const bool used = std::any_of(inUse.begin(), inUse.end(), [&](const InUseColor& c) {
      return (c.rgb & 0xFFFFFF) == colour.CurrentColor;
    });
    if (used && host.messageBox(kSwapInUseText, MsgButtons::OKCancel, MsgIcon::Critical,
                                "Swap Color is Already in Use", MsgResult::Cancel) != MsgResult::OK) {
      ed.ColorMode = kColorIdle;
      colour.SwapOldRGB = -1;
      return;
    }
  }
  const InUseColor clicked = inUse[static_cast<std::size_t>(index - 1)];
  colour.SwapOldRGB = clicked.rgb;
  colour.SwapOldCode = clicked.code;
  colour.SwapNewCode = colour.CurrentCode;
  if (colour.SwapIndex != 0) {
    inUse[static_cast<std::size_t>(colour.SwapIndex - 1)] = clicked;
    ui.ShowCInUse(colour.SwapIndex);
  }
  inUse[static_cast<std::size_t>(index - 1)] = {colour.CurrentCode, colour.CurrentColor};
  colour.SwapNewRGB = colour.CurrentColor;
  ui.ShowCInUse(index);

  // However the redraw ends, the swap is over afterwards.
  struct Done {
    ColourTools& t;
    ~Done() {
      t.ed.ColorMode = kColorIdle;
      t.colour.SwapIndex = 0;
      t.colour.SwapOldRGB = -1;
    }
  } done{*this};
  ed.ColorMode = kColorSwapApplying;
  ui.DrawAll(1);
}

}  // namespace orn
