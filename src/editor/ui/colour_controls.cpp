// The editor window's colour tools: it makes the colour panels, lays them out
// beside and below the canvas, and wires their events, the Color menu and the
// canvas's tools to the colour tools' core.
#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>

#include "canvas/ui/form_layout.h"
#include "canvas/ui/part_labels.h"
#include "colour/ui/colour_panel.h"
#include "editor/ui/pic_edit.h"
#include "editor/ui/tool_buttons.h"
#include "platform/canvas_widget.h"
#include "platform/qt_colour.h"

namespace orn {

namespace {

// The paint tool and the colour-handle tools belong to the colour tools.
constexpr int kPaintTools[] = {kToolPaint, kToolAdjustColorHandles, kToolDeleteColorHandle};

}  // namespace

// What the colour tools' core asks of the window.
class ColourControls::ColourHooks : public ColourUi {
 public:
  explicit ColourHooks(PicEdit& w) : w_(w) {}

  void DrawAll(int Index) override { w_.DrawAll(Index); }
  void DrawType(int tool) override {
    if (w_.hasTools()) w_.tools().engine().DrawType(tool);
  }
  void SetDrawButtons(bool show) override {
    if (w_.hasTools()) w_.tools().engine().SetDrawButtons(show);
  }
  void closeOpenRecord() override { w_.symHost().closeOpenRecord(); }
  void paletteChanged() override {
    w_.colours().colourPanel_->syncScroll();
    w_.colours().Picture3->redraw();
  }
  void customChanged() override { w_.colours().Picture10->redraw(); }
  void currentChanged() override { w_.colours().colourPanel_->showCurrent(); }
  void wheelChanged() override { w_.colours().Wheel->update(); }
  void ShowCInUse(int Index) override { w_.colours().CinUse->ShowCInUse(Index); }
  void colourToolsShown(bool shown) override {
    if (w_.hasTools()) {
      for (int tool : kPaintTools) {
        if (ToolButton* b = w_.tools().DrawType(tool)) {
          b->setVisible(shown);
          b->setEnabled(shown);
        }
      }
    }
    w_.colours().colourPanel_->setShown(shown);
  }
  std::optional<Rgb> chooseColour(Rgb initial) override {
    const QColor c = QColorDialog::getColor(toQColor(initial), &w_, "Make Custom Color");
    if (!c.isValid()) return std::nullopt;
    return fromQColor(c);
  }
  void CopyBMAPtoPicture() override {
    // The canvas is kept only where the display needs its copy.
    if (w_.LowColorDisplay) w_.CopyBMAPtoPicture();
  }
  void setMenuChecked(const char* item, bool checked) override { w_.menus().setItemChecked(item, checked); }

 private:
  PicEdit& w_;
};

void ColourControls::buildColourTools() {
  colourHooks_ = std::make_unique<ColourHooks>(w_);
  colourTools_ = std::make_unique<ColourTools>(
      ColourEnv{w_.colour(), w_.editor(), w_.draw(), w_.list(), w_.sym(), w_.host(), *colourHooks_});
  const Rgb back = fromQColor(w_.palette().color(QPalette::Window));
  colourTools_->setWheelBackground(back);
  colourPanel_ = new ColourPanel(w_.colour(), colourTools_->wheel(), w_.formArea(), back);
  Picture3 = colourPanel_->Picture3;
  VScroll2 = colourPanel_->VScroll2;
  Picture4 = colourPanel_->Picture4;
  CinUse = colourPanel_->CinUse;
  Label19 = colourPanel_->Label19;
  Picture11 = colourPanel_->Picture11;
  Picture10 = colourPanel_->Picture10;
  Command4 = colourPanel_->Command4;
  Wheel = colourPanel_->Wheel;
  Picture12 = colourPanel_->Picture12;
  ColourTools& t = *colourTools_;
  Picture3->onPress = [this](int b, int s, float x, float y) {
    w_.errors().Trap("P3MD", b, [&] { colourTools_->P3MD(b, s, x, y); });
  };
  Picture3->onDrag = [this](int, int, float x, float y) {
    w_.errors().Trap("P3MD", 1, [&] { colourTools_->P3MD(1, 0, x, y); });
  };
  Picture10->onPress = [this](int b, int s, float x, float y) {
    w_.errors().Trap("P10MD", b, [&] { colourTools_->Picture10_MouseDown(b, s, x, y); });
  };
  CinUse->onPress = [this](int b, int s, float x, float y) {
    w_.errors().Trap("CinUse", [&] { colourTools_->CinUse_MouseDown(b, s, x, y); });
  };
  Picture4->onClick = [this] { w_.errors().Trap("P4C", [&] { colourTools_->Picture4_Click(); }); };
  QObject::connect(Command4, &QPushButton::clicked, &w_,
          [this] { w_.errors().Trap("Cmd4", [&] { colourTools_->Command4_Click(); }); });
  colourPanel_->onScroll = [this](int v) {
    w_.errors().Trap("VScroll2C", [&] { colourTools_->VScroll2_Change(v); });
  };
  colourPanel_->onWheel = [this](int b, int s, float x, float y) {
    w_.errors().Trap("WheelMD", b, [&] { colourTools_->WheelMD(b, s, x, y); });
  };
  Picture12->onRotOK = [this](int i) { w_.errors().Trap("RotOK", i, [&] { colourTools_->RotOK_Click(i); }); };

  // The frame and label follow the colour action state, whatever changes it.
  w_.editor().ColorMode.watch = [this](int mode) { colourPanel_->showSwapArmed(mode == kColorSwapArmed); };

  // The editor's start: the custom colours until the settings say otherwise,
  // and the palette's first two runs, which choose the current colour.
  t.CustGrayC(1);
  t.VScroll2_Change(0);
  t.VScroll2C();
  Picture10->redraw();
}

void ColourControls::wireColourMenu() {
  auto wire = [this](const std::string& name, const char* tag, auto fn) {
    QAction* a = w_.menus().menuItem(name);
    if (a == nullptr) return;
    a->setProperty("ornBuilt", true);
    a->setEnabled(true);
    QObject::connect(a, &QAction::triggered, &w_, [this, tag, fn] { w_.errors().Trap(tag, fn); });
  };
  ColourTools* t = colourTools_.get();
  wire("MenRotateColors", "ToggleColorWheel", [t] { t->ToggleColorWheel(); });
  for (int i = 0; i < 4; ++i)
    wire("MenHarmony(" + std::to_string(i) + ")", "MenHarm", [t, i] { t->MenHarmony_Click(i); });
  w_.menus().setItemChecked("MenHarmony(0)", true);
  wire("MenColorGray", "MenColorGray", [t] { t->MenColorGray_Click(); });
  wire("OptionsShowColor", "ShowColorC", [t] { t->ShowColorC(); });
  wire("OptionsCustGray(0)", "CustGrayC", [t] { t->CustGrayC(0); });
  wire("MenSetBackCol(0)", "MenSetBack", [t] { t->MenSetBackCol_Click(0); });
  wire("MenSetBackCol(1)", "MenSetBack", [t] { t->MenSetBackCol_Click(1); });
  wire("MenEditErase", "EraseC", [t] { t->EraseC(kEraseAsks); });
}

// The part labels keep the right end of the bottom strip.
void ColourControls::placeColourTools(int leftmost, int least) {
  const int keep = w_.Picture7 != nullptr ? w_.Picture7->width() + kColourPanelGap : 0;
  colourPanel_->place(w_.Picture1->geometry(), w_.formArea()->size(), keep, leftmost, least);
}

void ColourControls::PositionPic4(int x) { colourPanel_->PositionPic4(x); }

void ColourControls::DispCustColors() { Picture10->redraw(); }

void ColourControls::CustGrayC(int Index) {
  w_.errors().Trap("CustGrayC", [&] { colourTools_->CustGrayC(Index); });
}

void ColourControls::EraseC(int SilentErase) {
  w_.errors().Trap("EraseC", [&] { colourTools_->EraseC(SilentErase); });
}

void PicEdit::ToggleColorTools() {
  errors_.Trap("ToggleColorTools", [&] { parts_->colours.colourTools_->ToggleColorTools(); });
}

void ColourControls::setWheelPanelVisible(bool visible) { colourPanel_->setWheelVisible(visible); }

void ColourControls::currentColourChanged() {
  colourPanel_->showCurrent();
  Picture3->redraw();
  Picture10->redraw();
}

void ColourControls::colorsInUseChanged() { CinUse->ShowCInUse(w_.colour().InUseCount); }

}  // namespace orn
