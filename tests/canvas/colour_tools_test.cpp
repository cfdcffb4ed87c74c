// The colour tools on a real canvas: picks and the swap's state, one-way
// swaps and exchanges, wheel turns and their reset, and the colour commands.
#include <gtest/gtest.h>

#include "colour/colour_model.h"
#include "colour/colour_wheel.h"
#include "colour_fixture.h"

namespace orn::test {
namespace {

const ColourTable& T = BuiltInColorTable();
const Rgb kRed = T(4, 8), kBlue = T(4, 16), kYellow = T(4, 10);

// Boxes side by side, each painted: fills of (code, colour) in order.
struct PaintedBoxes : ColourScene {
  std::vector<int> fillAt;  // list index of each fill's colour entry
  explicit PaintedBoxes(std::initializer_list<std::pair<int, Rgb>> fills) {
    int x = 2;
    for (std::size_t k = 0; k < fills.size(); ++k, x += 26)
      AddShape(list, kTypePolyLine, {{float(x), 10}, {float(x + 22), 10}, {float(x + 22), 60}, {float(x), 60}, {float(x), 10}});
    list.CreateItem(kTypePaint, 0, 0, 0);
    x = 13;
    for (const auto& [code, rgb] : fills) {
      if (!fillAt.empty()) list.AddPoint(0, 0, kToolPaint);
      fillAt.push_back(list.NumPoints);
      list.G0[list.NumPoints] = float(kColorEntryBase + code);
      list.G1[list.NumPoints] = float(rgb);
      list.AddPoint(float(x), 35, kToolPaint);
      x += 26;
    }
    list.closeRecord();
    m.DrawAll(1);
  }
  Entries fill(std::size_t k) const { return EntriesOf(list, fillAt[k], fillAt[k]); }
  std::int64_t pixel(std::size_t k) const { return canvas.point(13 + 26 * int(k), 35); }
};

TEST(ColourPicks, PaletteAndCustomPicksGiveCodeAndColourAndArmTheSwapOnTheBox) {
  ColourScene s;
  s.t.P3MD(1, 0, 2.5f, 1.5f);
  EXPECT_EQ(s.colour.CurrentColor, T(2, 9));
  EXPECT_EQ(s.colour.CurrentCode, 209);
  EXPECT_EQ(s.ed.ColorMode, kColorPicked);
  EXPECT_EQ(s.ed.CurDrawType, kToolPaint);

  s.t.Picture4_Click();
  EXPECT_EQ(s.ed.ColorMode, kColorSwapArmed);
  s.t.Picture4_Click();
  EXPECT_EQ(s.ed.ColorMode, kColorIdle);
  s.t.Picture4_Click();  // nothing picked: nothing to arm
  EXPECT_EQ(s.ed.ColorMode, kColorIdle);

  // The base colours' row: a base red is the wheel's red.
  s.t.SetPalette({4, 6, -1, -1});
  s.t.P3MD(1, 0, 4.5f, 0.5f);
  EXPECT_EQ(s.colour.CurrentCode, 408);
  s.t.P3MD(1, 0, 1.5f, 3.9f);  // below the rows: the last row
  EXPECT_EQ(s.colour.CurrentColor, T(1, 6));

  // A custom pick; armed, a custom cell receives the current colour instead.
  s.t.Picture10_MouseDown(1, 0, 3.5f, 0.5f);
  EXPECT_EQ(s.colour.CurrentColor, s.colour.CustomPalette[3]);
  s.t.Picture4_Click();
  const Rgb armedWith = s.colour.CurrentColor;
  s.t.Picture10_MouseDown(1, 0, 8.0f, 2.0f);  // the grid's last pixel: its last cell
  EXPECT_EQ(s.colour.CustomPalette[15], armedWith);
  EXPECT_EQ(s.ed.ColorMode, kColorIdle);

  // Another tool: the box selects the paint tool and arms nothing.
  s.t.P3MD(1, 0, 0.5f, 0.5f);
  s.tool(kToolPolyLine);
  s.t.Picture4_Click();
  EXPECT_EQ(s.ed.CurDrawType, kToolPaint);
  EXPECT_EQ(s.ed.ColorMode, kColorIdle);
}

TEST(ColourPicks, BlackOnADitheringDisplayIsAskedForOnceAndCancelKeepsTheColour) {
  ColourScene s;
  s.colour.DitheredDisplay = true;
  s.t.SetPalette({0, 2, -1, -1});
  const Rgb before = s.colour.CurrentColor;
  s.host.answer = MsgResult::Cancel;
  s.t.P3MD(1, 0, 7.5f, 0.5f);  // the near-black
  ASSERT_EQ(s.host.boxes.size(), 1u);
  EXPECT_EQ(s.host.boxes[0].title, "Painting with Black");
  EXPECT_EQ(s.colour.CurrentColor, before);
  EXPECT_EQ(s.ed.ColorMode, kColorPicked);
  EXPECT_EQ(s.ed.CurDrawType, kToolPaint);
  s.t.P3MD(1, 0, 7.5f, 0.5f);
  EXPECT_EQ(s.host.boxes.size(), 1u);
  EXPECT_EQ(s.colour.CurrentColor, kNearBlack);
}

TEST(ColourSwap, OneWaySwapRecoloursOnlyTheClickedColourInListPixelsAndStrip) {
  PaintedBoxes s({{408, kRed}, {416, kBlue}});
  s.useColours({{408, kRed}, {416, kBlue}});
  s.t.P3MD(1, 0, 4.5f, 2.5f);  // yellow from the palette
  s.t.Picture4_Click();
  s.clickSwatch(2);
  EXPECT_EQ(s.fill(0), (Entries{{21408, float(kRed)}}));
  EXPECT_EQ(s.fill(1), (Entries{{21410, float(kYellow)}}));
  EXPECT_EQ(s.pixel(0), kRed);
  EXPECT_EQ(s.pixel(1), kYellow);
  EXPECT_EQ(s.colour.ColorsInUse[1].rgb, kYellow);
  EXPECT_EQ(s.colour.ColorsInUse[1].code, 410);
  EXPECT_EQ(s.ed.ColorMode, kColorIdle);
  EXPECT_EQ(s.colour.SwapOldRGB, -1);
  EXPECT_TRUE(s.ed.PicChanged);
  EXPECT_SAME_AS_REDRAW(s);
}

TEST(ColourSwap, AnExchangeTradesTwoColoursInUseWithAndWithoutHighSpeedRepaint) {
  for (int order : {0, -1}) {
    SCOPED_TRACE(order);
    PaintedBoxes s({{408, kRed}, {416, kBlue}, {408, kRed}});
    s.ctx.PaintOrderMode = order;
    s.useColours({{408, kRed}, {416, kBlue}});
    s.clickSwatch(1);
    EXPECT_EQ(s.colour.SwapIndex, 1);
    s.t.Picture4_Click();
    s.clickSwatch(2);
    EXPECT_EQ(s.fill(0), (Entries{{21416, float(kBlue)}}));
    EXPECT_EQ(s.fill(1), (Entries{{21408, float(kRed)}}));
    EXPECT_EQ(s.fill(2), (Entries{{21416, float(kBlue)}}));
    EXPECT_EQ(s.pixel(0), kBlue);
    EXPECT_EQ(s.pixel(1), kRed);
    EXPECT_EQ(s.colour.ColorsInUse[0].code, 416);
    EXPECT_EQ(s.colour.ColorsInUse[1].code, 408);
    EXPECT_EQ(s.colour.ColorsInUse[1].rgb, kRed);
  }
}

TEST(ColourSwap, AColourAlreadyInUseIsAskedForAndAClickPastTheSwatchesKeepsTheSwapArmed) {
  PaintedBoxes s({{408, kRed}, {416, kBlue}});
  s.useColours({{408, kRed}, {416, kBlue}});
  s.t.P3MD(1, 0, 4.5f, 0.5f);  // red from the palette, not from the strip
  s.t.Picture4_Click();
  s.t.CinUse_MouseDown(1, 0, 0.5f, 5.5f);  // no swatch there
  EXPECT_EQ(s.ed.ColorMode, kColorSwapArmed);
  EXPECT_EQ(s.cui.swatches.back(), -1);
  s.ed.DrawBusy = true;  // nor while a redraw runs
  s.clickSwatch(2);
  s.ed.DrawBusy = false;
  EXPECT_EQ(s.ed.ColorMode, kColorSwapArmed);
  EXPECT_TRUE(s.host.boxes.empty());

  const DrawingList before = s.list;
  s.host.answer = MsgResult::Cancel;
  s.clickSwatch(2);
  ASSERT_EQ(s.host.boxes.size(), 1u);
  EXPECT_EQ(s.host.boxes[0].title, "Swap Color is Already in Use");
  EXPECT_EQ(s.list.G0, before.G0);
  EXPECT_EQ(s.list.G1, before.G1);
  EXPECT_EQ(s.colour.ColorsInUse[1].rgb, kBlue);
  EXPECT_EQ(s.ed.ColorMode, kColorIdle);

  s.t.P3MD(1, 0, 4.5f, 0.5f);
  s.t.Picture4_Click();
  s.host.answer = MsgResult::OK;
  s.clickSwatch(2);
  EXPECT_EQ(s.colour.ColorsInUse[0].rgb, s.colour.ColorsInUse[1].rgb);
  EXPECT_EQ(s.pixel(1), kRed);
}

// Fills of every kind of code, the wheel shown on the current colour (hue 8).
struct WheelScene : PaintedBoxes {
  WheelScene()
      : PaintedBoxes({{408, kRed}, {512, T(5, 12)}, {719, T(7, 19)}, {999, kRed}, {999, 0x123456},
                      {20, T(0, 20)}, {106, T(1, 6)}}) {
    useColours({{408, kRed}, {999, 0x123456}, {719, T(7, 19)}, {999, kYellow}});
    t.ToggleColorWheel();
  }
  // A press on segment `step` of the wheel.
  void turnTo(int step) {
    const WheelSpot p = WheelSpots[static_cast<std::size_t>(2 * step)];
    t.WheelMD(1, 0, p.x, p.y);
  }
};

TEST(ColourWheel, ATurnRecodesEveryFillTheCurrentColourAndTheColoursInUse) {
  WheelScene s;
  ASSERT_TRUE(s.colour.WheelShown);
  EXPECT_EQ(s.ed.CurDrawType, kToolPaint);
  EXPECT_EQ(s.colour.WheelStep, 0);
  s.ed.PicChanged = false;
  s.turnTo(4);
  EXPECT_EQ(s.colour.RotateStep, 4);
  const std::pair<int, Rgb> want[] = {{412, T(4, 12)}, {516, T(5, 16)},   {711, T(7, 11)}, {412, T(4, 12)},
                                      {999, 0x123456}, {20, T(0, 20)}, {106, T(1, 6)}};
  for (std::size_t k = 0; k < std::size(want); ++k) {
    EXPECT_EQ(s.fill(k), (Entries{{float(kColorEntryBase + want[k].first), float(want[k].second)}})) << k;
    EXPECT_EQ(s.pixel(k), want[k].second) << k;
  }
  EXPECT_EQ(s.colour.CurrentCode, 312);
  EXPECT_EQ(s.colour.ColorsInUse[0].code, 412);
  EXPECT_EQ(s.colour.ColorsInUse[1].rgb, 0x123456u);
  EXPECT_EQ(s.colour.ColorsInUse[2].rgb, T(7, 11));
  EXPECT_EQ(s.colour.ColorsInUse[3].code, 414);  // off the table but the wheel's yellow: turned as its fills
  EXPECT_TRUE(s.ed.PicChanged);
  EXPECT_EQ(s.ed.ColorMode, kColorIdle);
}

TEST(ColourWheel, TurnsThenResetGiveBackEveryFillColourAndThePicture) {
  WheelScene s;
  const Surface start = s.canvas;
  std::vector<float> colours;
  for (int at : s.fillAt) colours.push_back(s.list.G1[at]);
  const std::vector<InUseColor> inUse = s.colour.ColorsInUse;
  for (int step : {3, 8, 10}) s.turnTo(step);
  EXPECT_EQ(s.colour.HarmonyOffset, 10);
  s.t.RotOK_Click(1);
  EXPECT_EQ(s.colour.HarmonyOffset, 0);
  for (std::size_t k = 0; k < s.fillAt.size(); ++k) EXPECT_EQ(s.list.G1[s.fillAt[k]], colours[k]) << k;
  for (std::size_t k = 0; k < inUse.size(); ++k) EXPECT_EQ(s.colour.ColorsInUse[k].rgb, inUse[k].rgb) << k;
  EXPECT_TRUE(s.canvas == start);
  EXPECT_EQ(s.colour.WheelStep, 0);  // the dot back on the current colour's hue
}

TEST(ColourWheel, AClickWhileARedrawRunsTurnsNothing) {
  WheelScene s;
  const DrawingList before = s.list;
  s.ed.DrawBusy = true;
  s.turnTo(6);
  s.ed.DrawBusy = false;
  EXPECT_EQ(s.list.G0, before.G0);
  EXPECT_EQ(s.colour.CurrentCode, 308);
}

// (The dialog's colour stored as a custom colour: the window's colour panel test.)
TEST(ColourCommands, TheDialogsColourIsOffTheTableAndForgetsTheSwatchAndCancelChangesNothing) {
  ColourScene s;
  s.clickSwatch(1);  // no colours in use: nothing
  s.useColours({{408, kRed}});
  s.clickSwatch(1);
  ASSERT_EQ(s.colour.SwapIndex, 1);
  s.cui.dialog = std::nullopt;  // Cancel changes nothing
  s.t.Command4_Click();
  EXPECT_EQ(s.colour.CurrentCode, 408);
  s.cui.dialog = 0x0000FE;  // a colour beside the wheel's red
  s.t.Command4_Click();
  EXPECT_EQ(s.colour.CurrentCode, kOffTableCode);
  EXPECT_EQ(s.colour.SwapIndex, 0);
}

TEST(ColourCommands, BackgroundGrayAndBaseColoursChangeWhatTheyShouldAndMarkThePicture) {
  PaintedBoxes s({{408, kRed}});
  s.colour.CurrentColor = kBlack;
  s.t.MenSetBackCol_Click(0);
  EXPECT_EQ(s.host.boxes.back().text, "Sorry but you cannot have a black background.");
  EXPECT_EQ(s.ctx.PicBackColor, kWhite);
  EXPECT_FALSE(s.ed.PicChanged);
  s.colour.CurrentColor = kNearBlack;
  s.t.MenSetBackCol_Click(0);
  EXPECT_EQ(s.canvas.point(100, 100), kNearBlack);
  EXPECT_TRUE(s.ed.PicChanged);
  s.t.MenSetBackCol_Click(1);
  EXPECT_EQ(s.canvas.point(100, 100), kWhite);

  s.t.MenColorGray_Click();
  EXPECT_EQ(s.pixel(0), GrayOf(kRed));
  EXPECT_TRUE(s.cui.checked["MenColorGray"]);

  s.colour.CustomPalette[2] = 0x123456;
  s.host.answer = MsgResult::Cancel;
  s.t.CustGrayC(0);
  EXPECT_EQ(s.colour.CustomPalette[2], 0x123456u);
  s.t.CustGrayC(1);  // never asks
  EXPECT_EQ(s.colour.CustomPalette[2], 0x00FF00u);
  EXPECT_EQ(s.colour.CustomPalette[8], kNearBlack);
}

TEST(ColoursInUse, StopAtTwoHundredWhetherPaintedOrLoadedAndTheLastLoadedBecomesCurrent) {
  ColourScene s;
  AddShape(s.list, kTypePolyLine, {{10, 10}, {100, 10}, {100, 100}, {10, 100}, {10, 10}});
  s.tool(kToolPaint);
  for (int k = 1; k <= kMaxColorsInUse + 5; ++k) {
    s.colour.CurrentColor = Rgb(k);
    s.click(50, 50);
  }
  EXPECT_EQ(s.colour.InUseCount, kMaxColorsInUse);
  EXPECT_EQ(s.canvas.point(50, 50), kMaxColorsInUse + 5);  // painting goes on

  std::vector<ColourUse> many;
  for (int k = 1; k <= 250; ++k) many.push_back({kOffTableCode, Rgb(k)});
  s.t.coloursLoaded(many);
  EXPECT_EQ(s.colour.InUseCount, kMaxColorsInUse);
  EXPECT_EQ(s.colour.CurrentColor, Rgb(kMaxColorsInUse));
  EXPECT_EQ(s.colour.CurrentCode, kOffTableCode);
}

}  // namespace
}  // namespace orn::test
