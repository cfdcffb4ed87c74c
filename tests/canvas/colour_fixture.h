#pragma once
// The colour tools on a small editor: the mouse engine's scene with a window
// stand-in that redraws and selects tools through the engine and records
// what else the colour tools ask of the window.
#include <map>
#include <string>
#include <vector>

#include "canvas/colour_tools.h"
#include "canvas_fixture.h"

namespace orn::test {

struct ColourScene;

class RecordingColourUi : public ColourUi {
 public:
  explicit RecordingColourUi(MouseScene& s) : s_(s) {}
  void DrawAll(int Index) override {
    ++redraws;
    s_.m.DrawAll(Index);
  }
  void DrawType(int tool) override { s_.m.DrawType(tool); }
  void SetDrawButtons(bool show) override { s_.m.SetDrawButtons(show); }
  void closeOpenRecord() override { s_.m.listHooks().closeOpenRecord(s_.list); }
  void ShowCInUse(int Index) override { swatches.push_back(Index); }
  std::optional<Rgb> chooseColour(Rgb) override { return dialog; }
  void setMenuChecked(const char* item, bool on) override { checked[item] = on; }

  int redraws = 0;
  std::vector<int> swatches;
  std::optional<Rgb> dialog;
  std::map<std::string, bool> checked;

 private:
  MouseScene& s_;
};

struct ColourScene : MouseScene {
  RecordingColourUi cui{*this};
  ColourTools t{ColourEnv{colour, ed, ctx, list, sym, host, cui}};

  // Colours in use as the strip holds them, laid out one column of ten rows.
  void useColours(std::initializer_list<InUseColor> colours) {
    colour.ColorsInUse = colours;
    colour.InUseCount = int(colour.ColorsInUse.size());
    colour.InUse = InUseGridFor(200, colour.InUseCount);
  }
  // A click on swatch i (1..) of that strip.
  void clickSwatch(int i) {
    const int c = (i - 1) % colour.InUse.cols, r = (i - 1) / colour.InUse.cols;
    t.CinUse_MouseDown(1, 0, c + 0.5f, r + 0.5f);
  }
};

}  // namespace orn::test
