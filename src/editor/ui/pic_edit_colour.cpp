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
class PicEdit::ColourHooks : public ColourUi {
 public:
  explicit ColourHooks(PicEdit& w) : w_(w) {}

  void DrawAll(int Index) override { w_.DrawAll(Index); }
  void DrawType(int tool) override {
    if (w_.tools_) w_.tools_->engine().DrawType(tool);
  }
  void SetDrawButtons(bool show) override {
    if (w_.tools_) w_.tools_->engine().SetDrawButtons(show);
  }
  void closeOpenRecord() override { w_.closeOpenRecord(); }
  void paletteChanged() override {
    w_.colourPanel_->syncScroll();
    w_.Picture3->redraw();
  }
  void customChanged() override { w_.Picture10->redraw(); }
  void currentChanged() override { w_.colourPanel_->showCurrent(); }
  void wheelChanged() override { w_.Wheel->update(); }
  void ShowCInUse(int Index) override { w_.CinUse->ShowCInUse(Index); }
  void colourToolsShown(bool shown) override {
    if (w_.tools_) {
      for (int tool : kPaintTools) {
        if (ToolButton* b = w_.tools_->DrawType(tool)) {
          b->setVisible(shown);
          b->setEnabled(shown);
        }
      }
    }
    w_.colourPanel_->setShown(shown);
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
  void setMenuChecked(const char* item, bool checked) override { w_.setItemChecked(item, checked); }

 private:
  PicEdit& w_;
};

void PicEdit::buildColourTools() {
  colourHooks_ = std::make_unique<ColourHooks>(*this);
  colourTools_ = std::make_unique<ColourTools>(
      ColourEnv{colour_, editor_, draw_, list_, sym_, host_, *colourHooks_});
  const Rgb back = fromQColor(palette().color(QPalette::Window));
  colourTools_->setWheelBackground(back);
  colourPanel_ = new ColourPanel(colour_, colourTools_->wheel(), inner_, back);
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
    errors_.Trap("P3MD", b, [&] { colourTools_->P3MD(b, s, x, y); });
  };
  Picture3->onDrag = [this](int, int, float x, float y) {
    errors_.Trap("P3MD", 1, [&] { colourTools_->P3MD(1, 0, x, y); });
  };
  Picture10->onPress = [this](int b, int s, float x, float y) {
    errors_.Trap("P10MD", b, [&] { colourTools_->Picture10_MouseDown(b, s, x, y); });
  };
  CinUse->onPress = [this](int b, int s, float x, float y) {
    errors_.Trap("CinUse", [&] { colourTools_->CinUse_MouseDown(b, s, x, y); });
  };
  Picture4->onClick = [this] { errors_.Trap("P4C", [&] { colourTools_->Picture4_Click(); }); };
  connect(Command4, &QPushButton::clicked, this,
          [this] { errors_.Trap("Cmd4", [&] { colourTools_->Command4_Click(); }); });
  colourPanel_->onScroll = [this](int v) {
    errors_.Trap("VScroll2C", [&] { colourTools_->VScroll2_Change(v); });
  };
  colourPanel_->onWheel = [this](int b, int s, float x, float y) {
    errors_.Trap("WheelMD", b, [&] { colourTools_->WheelMD(b, s, x, y); });
  };
  Picture12->onRotOK = [this](int i) { errors_.Trap("RotOK", i, [&] { colourTools_->RotOK_Click(i); }); };

  // The frame and label follow the colour action state, whatever changes it.
  editor_.ColorMode.watch = [this](int mode) { colourPanel_->showSwapArmed(mode == kColorSwapArmed); };

  // The editor's start: the custom colours until the settings say otherwise,
  // and the palette's first two runs, which choose the current colour.
  t.CustGrayC(1);
  t.VScroll2_Change(0);
  t.VScroll2C();
  Picture10->redraw();
}

void PicEdit::wireColourMenu() {
  auto wire = [this](const std::string& name, const char* tag, auto fn) {
    QAction* a = menuItem(name);
    if (a == nullptr) return;
    a->setProperty("ornBuilt", true);
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, [this, tag, fn] { errors_.Trap(tag, fn); });
  };
  ColourTools* t = colourTools_.get();
  wire("MenRotateColors", "ToggleColorWheel", [t] { t->ToggleColorWheel(); });
  for (int i = 0; i < 4; ++i)
    wire("MenHarmony(" + std::to_string(i) + ")", "MenHarm", [t, i] { t->MenHarmony_Click(i); });
  setItemChecked("MenHarmony(0)", true);
  wire("MenColorGray", "MenColorGray", [t] { t->MenColorGray_Click(); });
  wire("OptionsShowColor", "ShowColorC", [t] { t->ShowColorC(); });
  wire("OptionsCustGray(0)", "CustGrayC", [t] { t->CustGrayC(0); });
  wire("MenSetBackCol(0)", "MenSetBack", [t] { t->MenSetBackCol_Click(0); });
  wire("MenSetBackCol(1)", "MenSetBack", [t] { t->MenSetBackCol_Click(1); });
  wire("MenEditErase", "EraseC", [t] { t->EraseC(kEraseAsks); });
}

// The part labels keep the right end of the bottom strip.
void PicEdit::placeColourTools() {
  const int keep = Picture7 != nullptr ? Picture7->width() + kColourPanelGap : 0;
  colourPanel_->place(Picture1->geometry(), inner_->size(), keep);
}

void PicEdit::PositionPic4(int x) { colourPanel_->PositionPic4(x); }

void PicEdit::DispCustColors() { Picture10->redraw(); }

void PicEdit::CustGrayC(int Index) {
  errors_.Trap("CustGrayC", [&] { colourTools_->CustGrayC(Index); });
}

void PicEdit::EraseC(int SilentErase) {
  errors_.Trap("EraseC", [&] { colourTools_->EraseC(SilentErase); });
}

void PicEdit::ToggleColorTools() {
  errors_.Trap("ToggleColorTools", [&] { colourTools_->ToggleColorTools(); });
}

void PicEdit::setWheelPanelVisible(bool visible) { colourPanel_->setWheelVisible(visible); }

void PicEdit::currentColourChanged() {
  colourPanel_->showCurrent();
  Picture3->redraw();
  Picture10->redraw();
}

void PicEdit::colorsInUseChanged() { CinUse->ShowCInUse(colour_.InUseCount); }

}  // namespace orn
