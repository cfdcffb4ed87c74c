// The commands of the Color menu and the colour panel's buttons: custom
// colours back to the base colours, the colour dialog, the background colour,
// painting in gray, hiding the colour tools, erasing all colours; and the
// colours of a picture just loaded or started.
#include "canvas/colour_tools.h"
#include "canvas/erase_colours.h"
#include "canvas/redraw.h"
#include "canvas/tools.h"
#include "colour/base_colors.h"
#include "colour/colour_codes.h"
#include "model/record_codes.h"

namespace orn {

void ColourTools::CustGrayC(int Index) {
  packPending();
  if (Index == 0 &&
      host.messageBox("Your custom colors will be replaced with the base colors.", MsgButtons::OKCancel,
                      MsgIcon::Critical, "Erase Custom Colors", MsgResult::Cancel) != MsgResult::OK) {
    return;
  }
  colour.CustomPalette = BaseCustomPalette(colour.DitheredDisplay);
  ui.customChanged();
}

void ColourTools::Command4_Click() {
  if (ed.DrawBusy) return;
  const std::optional<Rgb> chosen = ui.chooseColour(colour.CurrentColor);
  if (!chosen) return;
  // A colour of the dialog is not a cell of the table, and did not come from
  // the colours in use; it is picked, so that a swap can be armed with it.
  setCurrent(*chosen, kOffTableCode);
  colour.SwapIndex = 0;
  ed.ColorMode = kColorPicked;
  showCurrent();
  ui.CopyBMAPtoPicture();
  ui.DrawAll(1);
}

void ColourTools::MenSetBackCol_Click(int Index) {
  Rgb back = kWhite;
  if (Index == 0) {
    if (colour.CurrentColor == kBlack) {
      host.messageBox("Sorry but you cannot have a black background.", MsgButtons::OK, MsgIcon::None, "");
      return;
    }
    back = colour.CurrentColor;
  }
  // The background is stored with the picture.
  if (back != ctx.PicBackColor) ed.PicChanged = true;
  ctx.PicBackColor = back;
  if (ctx.Picture1 != nullptr) ctx.Picture1->setBackColor(back);
  ui.DrawAll(1);
}

void ColourTools::MenColorGray_Click() {
  packPending();
  ctx.GrayPaint = !ctx.GrayPaint;
  ui.setMenuChecked("MenColorGray", ctx.GrayPaint);
  ui.DrawAll(1);
}

void ColourTools::ShowColorC() {
  packPending();
  ToggleColorTools();
  ui.setMenuChecked("OptionsShowColor", !ed.ColorToolsOn);
  const int tool = ed.CurDrawType;
  if (tool == kToolAdjustColorHandles || tool == kToolDeleteColorHandle) {
    // Leaving an editing tool redraws by itself.
    ui.DrawType(kToolPolyLine);
    return;
  }
  if (tool == kToolPaint) ui.DrawType(kToolPolyLine);
  ui.DrawAll(1);
}

void ColourTools::ToggleColorTools() {
  ed.ColorToolsOn = !ed.ColorToolsOn;
  ui.colourToolsShown(ed.ColorToolsOn);
}

bool ColourTools::EraseC(int SilentErase) {
  packPending();
  bool resetSymmetryChanges = false;
  if (SilentErase == kEraseAsks) {
    // With Ctrl held the recorded part changes go as well.
    resetSymmetryChanges = host.ctrlKeyDown();
    if (host.messageBox(kEraseColoursQuestion, MsgButtons::OKCancel, MsgIcon::Question,
                        kEraseColoursTitle, MsgResult::Cancel) != MsgResult::OK) {
      selectPaint();
      return false;
    }
  }
  if (list.recordOpen() || list.G0[list.NumPoints] != float(kCodeEnd)) {
    ui.closeOpenRecord();
    packPending();
  }
  const int removed = RemovePaintRecords(list, sym);
  const bool partsReset = resetSymmetryChanges && ResetSymmetryChanges(list);
  // The picture's file changes: leaving must offer to save it.
  if (removed > 0 || partsReset) ed.PicChanged = true;
  if (SilentErase != kEraseSilent) ui.DrawAll(1);
  if (removed > 0 || SilentErase != kEraseAsks) {
    colour.ColorsInUse.clear();
    colour.InUseCount = 0;
    colour.SwapIndex = 0;
    ui.ShowCInUse(-1);
  }
  if (SilentErase == kEraseAsks) selectPaint();
  return true;
}

void ColourTools::coloursLoaded(const std::vector<ColourUse>& colours) {
  colour.ColorsInUse.clear();
  for (const ColourUse& u : colours) {
    if (static_cast<int>(colour.ColorsInUse.size()) == kMaxColorsInUse) break;
    colour.ColorsInUse.push_back({u.code, u.rgb & 0xFFFFFF});
  }
  colour.InUseCount = static_cast<int>(colour.ColorsInUse.size());
  colour.SwapIndex = 0;
  // The last colour found becomes the current colour.
  if (!colour.ColorsInUse.empty()) setCurrent(colour.ColorsInUse.back().rgb, colour.ColorsInUse.back().code);
}

void ColourTools::showLoadedColours() {
  ui.ShowCInUse(-1);
  showCurrent();
  if (colour.WheelShown) {
    colour.HarmonyOffset = 0;
    MakeWheel(FetchTagIndex(colour.CurrentCode));
  }
}

}  // namespace orn
