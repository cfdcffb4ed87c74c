// Lines, circles, arcs and fills drawn in the base cell land in every copy
// of the part.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "colour/colour_model.h"
#include "platform/core/surface.h"
#include "sym_fixtures.h"
#include "symmetry/replication.h"

namespace orn {
namespace {

using test::kSquare;
constexpr Rgb kRed = 0x0000FF;

struct Pt {
  int x, y;
};

struct Seg {
  int x1, y1, x2, y2;
};

// The segment (150,280)-(120,290) and its images in the square's copies.
const Seg kPlain[4] = {{150, 280, 120, 290}, {280, 250, 290, 280}, {250, 120, 280, 110}, {120, 150, 110, 120}};
const Seg kMirrored[4] = {{250, 280, 280, 290}, {280, 150, 290, 120}, {150, 120, 120, 110}, {120, 250, 110, 280}};

// A printed segment, shifted by one as the printer receives it.
void ExpectPrinted(const test::PrintRecorder::Seg& s, float x1, float y1, float x2, float y2) {
  EXPECT_NEAR(s.x1, x1 + 1, 1e-3);
  EXPECT_NEAR(s.y1, y1 + 1, 1e-3);
  EXPECT_NEAR(s.x2, x2 + 1, 1e-3);
  EXPECT_NEAR(s.y2, y2 + 1, 1e-3);
}

struct Replica : ::testing::Test {
  DrawingList list;
  SymState sym;
  DrawContext ctx;
  test::PrintRecorder rec;
  Surface canvas{400, 400};
  Surface expected{400, 400};
  std::vector<float> X = std::vector<float>(8, 0.0f), Y = std::vector<float>(8, 0.0f);
  void SetUp() override {
    ctx.Picture1 = &canvas;
    expected.setPenColor(kBlack);
  }
  void Reset() {
    canvas.clear();
    expected.clear();
  }
  void Print() { test::PrintEverything(ctx, rec); }
  Rgb At(Pt p) const { return static_cast<Rgb>(canvas.point(p.x, p.y)); }
  void Draw(Rgb colour = kBlack) { SymmLine(sym, ctx, 150, 280, 120, 290, colour); }
  // A black segment on the canvas: the line and its end pixel.
  void Expect(const Seg& g) {
    expected.line(g.x1, g.y1, g.x2, g.y2);
    expected.plot(g.x2, g.y2);
  }
  void Circle(SymState& s, float x, float y, float r) { SymmCircle(s, ctx, X, Y, x, y, r, kBlack, 3, 0, 0); }
  void Arc(SymState& s, float cx, float cy, float r) { SymmCircle(s, ctx, X, Y, cx, cy, r, kBlack, kArcType, 0, 2); }
  // A small closed black triangle around (150,280), replicated into every copy.
  void DrawTriangle() {
    SymmLine(sym, ctx, 140, 290, 165, 290, kBlack);
    SymmLine(sym, ctx, 165, 290, 150, 265, kBlack);
    SymmLine(sym, ctx, 150, 265, 140, 290, kBlack);
  }
  void Paint(Rgb c) { SymmPaint(sym, ctx, c, 150, 280, kBlack, FillType::Border); }
};

TEST_F(Replica, ALineLandsOnTheExpectedPixelsInEveryPlainAndMirroredCopy) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  Draw();
  for (const Seg& g : kPlain) Expect(g);
  EXPECT_TRUE(canvas == expected);

  Reset();
  SymState d4;
  ASSERT_EQ(test::LoadBlock(list, d4, test::SquareD4()), SymRebuild::Valid);
  SymmLine(d4, ctx, 150, 280, 120, 290, kBlack);
  for (int e = 0; e < 4; ++e) {
    Expect(kPlain[e]);
    Expect(kMirrored[e]);
  }
  EXPECT_TRUE(canvas == expected);

  // Only a black line closes its end pixel.
  Reset();
  SymState none;
  SymmLine(none, ctx, 150, 280, 120, 290, rgb(255, 0, 0));
  EXPECT_EQ(canvas.point(150, 280), std::int64_t(rgb(255, 0, 0)));
  EXPECT_EQ(canvas.point(120, 290), std::int64_t(kWhite));
}

TEST_F(Replica, WorkingSymmetryLimitsTheReplicasAndNoPartMeansNone) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  const struct {
    int working, part, copies;
  } cases[] = {{2, 1, 3}, {0, 1, 1}, {kAllReplicas, 0, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.working);
    Reset();
    sym.WorkingSym = c.working;
    sym.CurPart = c.part;
    CheckSymData(sym, list);
    Draw();
    for (int k = 0; k < c.copies; ++k) Expect(kPlain[k]);
    EXPECT_TRUE(canvas == expected);
  }
}

// A segment that continues the previous one starts every replica exactly
// where the previous one ended, also after WorkingSym grew, where the newly
// drawn replicas start at end points the previous segment never wrote.
TEST_F(Replica, EachReplicaOfAPolylineStartsWhereItsPreviousSegmentEnded) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  Print();
  SymmLine(sym, ctx, 150, 280, 120.3f, 290.7f, kBlack);
  SymmLine(sym, ctx, 120.3f, 290.7f, 160, 260, kBlack);
  ASSERT_EQ(rec.segs.size(), 8u);
  for (int k = 1; k < 4; ++k) {
    EXPECT_EQ(rec.segs[4 + k].x1, rec.segs[k].x2);
    EXPECT_EQ(rec.segs[4 + k].y1, rec.segs[k].y2);
  }
  rec.segs.clear();
  sym.WorkingSym = 1;
  SymmLine(sym, ctx, 160, 270, 150, 280, kBlack);
  sym.WorkingSym = kAllReplicas;
  SymmLine(sym, ctx, 150, 280, 120, 290, kBlack);
  ASSERT_EQ(rec.segs.size(), 6u);  // base and one replica, then all four
  for (int k = 1; k < 4; ++k) {
    EXPECT_NEAR(rec.segs[2 + k].x1 - 1, kPlain[k].x1, 1e-3) << k;
    EXPECT_NEAR(rec.segs[2 + k].y1 - 1, kPlain[k].y1, 1e-3) << k;
  }
}

// Separate strokes, each starting afresh, with ends on half pixels where the
// rounding of a start and an end are most easily told apart. `image` maps a
// base pixel to the pixel it must land on in copy k, computed in whole
// numbers apart from the mapping under test.
template <class Image>
void ExpectExactImages(SymState& sym, DrawContext& ctx, Surface& canvas, int copies, float x0, float y0,
                       float size, Image image) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> half(1, int(2 * size) - 1);
  Surface expected(canvas.width(), canvas.height());
  expected.setPenColor(kBlack);
  for (int stroke = 0; stroke < 400; ++stroke) {
    const float ax = x0 + 0.5f * half(random), ay = y0 + 0.5f * half(random);
    const float bx = x0 + 0.5f * half(random) + 0.1f, by = y0 + 0.5f * half(random);
    canvas.clear();
    expected.clear();
    SymmLine(sym, ctx, ax, ay, bx, by, kBlack);
    const Pt a{int(std::nearbyint(ax)), int(std::nearbyint(ay))}, b{int(std::nearbyint(bx)), int(std::nearbyint(by))};
    for (int k = 0; k < copies; ++k) {
      const Pt ka = image(k, a), kb = image(k, b);
      expected.line(ka.x, ka.y, kb.x, kb.y);
      expected.plot(kb.x, kb.y);
    }
    ASSERT_TRUE(canvas == expected) << "stroke " << stroke << ": (" << ax << ", " << ay << ")-(" << bx << ", "
                                    << by << ")";
  }
}

TEST_F(Replica, ReplicasOfSeparateStrokesAreExactTranslatesAndRotationsOfTheBasePixels) {
  // A frieze of five 120-pixel squares, each a shift of the first.
  const test::Tri cell{0, 300, 120, 300, 60, -300};
  std::vector<test::Tri> frieze;
  for (int k = 0; k < 5; ++k) frieze.push_back(test::Shifted(cell, 120.0f * k, 0));
  Surface wide(640, 320);
  ctx.Picture1 = &wide;
  ASSERT_EQ(test::LoadBlock(list, sym, test::Part(frieze)), SymRebuild::Valid);
  ExpectExactImages(sym, ctx, wide, 5, 0, 180, 119, [](int k, Pt p) { return Pt{p.x + 120 * k, p.y}; });

  // The square about the pixel centre (200, 200), turned a quarter at a time.
  ctx.Picture1 = &canvas;
  SymState c4;
  ASSERT_EQ(test::LoadBlock(list, c4, test::SquareC4()), SymRebuild::Valid);
  ExpectExactImages(c4, ctx, canvas, 4, 100, 200, 99, [](int k, Pt p) {
    for (int turn = 0; turn < k; ++turn) p = Pt{p.y, 400 - p.x};
    return p;
  });
}

TEST_F(Replica, AFullRedrawLengthensOnlyTheReplicas) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::Part({kSquare[0], test::Shifted(kSquare[0], 200, 0)})),
            SymRebuild::Valid);
  Print();
  ctx.ExtendLast = -1;
  ctx.ExtendLen = 0.5f;
  SymmLine(sym, ctx, 10, 5, 20, 5, kBlack);
  SymmLine(sym, ctx, 10, 5, 10, 15, kBlack);
  ctx.ExtendFirst = 1;
  SymmLine(sym, ctx, 30, 5, 40, 5, kBlack);
  ctx.ExtendFirst = 0;
  SymmLine(sym, ctx, 50, 5, 50.0005f, 5.0005f, kBlack);  // too short to have a direction
  ASSERT_EQ(rec.segs.size(), 8u);
  ExpectPrinted(rec.segs[0], 10, 5, 20, 5);
  ExpectPrinted(rec.segs[1], 209.5f, 5, 220.5f, 5);
  ExpectPrinted(rec.segs[3], 210, 4.5f, 210, 15.5f);
  ExpectPrinted(rec.segs[5], 230, 5, 240, 5);
  ExpectPrinted(rec.segs[7], 250, 5, 250.0005f, 5.0005f);
}

TEST_F(Replica, ThePrinterReceivesClippedSegmentsShiftedByOne) {
  Print();
  ctx.Clip = {0, 200, 400, 0};
  SymmLine(sym, ctx, 150, 100, 250, 100, kBlack);
  SymmLine(sym, ctx, 250, 50, 300, 60, kBlack);
  SymmLine(sym, ctx, 20, 30, 40, 50, rgb(0, 0, 255));
  ASSERT_EQ(rec.segs.size(), 2u);
  // Clipping may turn the segment round.
  EXPECT_FLOAT_EQ(std::min(rec.segs[0].x1, rec.segs[0].x2), 151);
  EXPECT_FLOAT_EQ(std::max(rec.segs[0].x1, rec.segs[0].x2), 201);
  EXPECT_FLOAT_EQ(rec.segs[0].y1, 101);
  EXPECT_FLOAT_EQ(rec.segs[0].y2, 101);
  ExpectPrinted(rec.segs[1], 20, 30, 40, 50);
  EXPECT_EQ(rec.segs[1].colour, rgb(0, 0, 255));
  EXPECT_EQ(At({240, 100}), kBlack);  // the canvas got every segment, unclipped
}

TEST_F(Replica, MeasuringFindsTheWallpaperTileAndDrawsNothing) {
  const test::Tri& b = kSquare[0];
  ASSERT_EQ(test::LoadBlock(list, sym, test::Part({b, kSquare[1], test::Shifted(b, 200, 0), test::Shifted(b, 400, 0),
                                                   test::Shifted(b, 0, 200), test::Shifted(b, 0, 400)})),
            SymRebuild::Valid);
  ctx.WallMeasure = true;
  SymmLine(sym, ctx, 100, 300, 110, 290, kBlack);
  EXPECT_EQ(ctx.WallLeft, 110);
  EXPECT_EQ(ctx.WallTop, 290);
  EXPECT_EQ(ctx.WallRight - ctx.WallLeft, 200);
  EXPECT_EQ(ctx.WallBottom - ctx.WallTop, 200);
  EXPECT_TRUE(canvas == expected);

  SymState rosette;  // no shifted copies: no tile
  ASSERT_EQ(test::LoadBlock(list, rosette, test::SquareC4()), SymRebuild::Valid);
  SymmLine(rosette, ctx, 100, 300, 110, 290, kBlack);
  EXPECT_EQ(ctx.WallRight, kWallNotFound);
  EXPECT_EQ(ctx.WallBottom, kWallNotFound);
}

TEST_F(Replica, DegenerateCopiesAndBadPointsArePassedOver) {
  const test::Tri flat{200, 200, 200, 200, 200, 200};
  ASSERT_EQ(test::LoadBlock(list, sym, test::Part({kSquare[0], flat, kSquare[1]})), SymRebuild::Valid);
  Draw();
  Expect(kPlain[0]);
  Expect(kPlain[1]);
  expected.plot(200, 200);  // the flat copy shrinks the segment onto its one point
  EXPECT_TRUE(canvas == expected);

  // A base cell without area carries nothing into its copies.
  Reset();
  SymState flatBase;
  ASSERT_EQ(test::LoadBlock(list, flatBase, test::Part({flat, kSquare[0], kSquare[1]})), SymRebuild::Valid);
  SymmLine(flatBase, ctx, 150, 280, 120, 290, kBlack);
  Expect(kPlain[0]);
  EXPECT_TRUE(canvas == expected);

  // A point that is not a number draws nothing at all; a point far off the
  // canvas draws the part of the segment that lies on it.
  Reset();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  SymmLine(sym, ctx, nan, 280, 120, 290, kBlack);
  SymmLine(sym, ctx, 150, 280, nan, 290, kBlack);
  EXPECT_TRUE(canvas == expected);
  SymmLine(flatBase, ctx, 1e30f, -1e30f, 120, 290, kBlack);  // along x + y = 410
  EXPECT_EQ(At({300, 110}), kBlack);
  EXPECT_EQ(At({120, 290}), kBlack);
  EXPECT_EQ(At({300, 300}), kWhite);
}

constexpr double kPiHere = 3.1415926535;


TEST_F(Replica, ACircleAppearsInEveryCopyWhateverTheWorkingSymmetryScaledWithItsBaseEdge) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  sym.WorkingSym = 1;  // limits lines only
  Circle(sym, 150, 280, 10);
  for (auto [x, y] : {std::pair{150, 280}, {280, 250}, {250, 120}, {120, 150}}) expected.circle(x, y, 10);
  EXPECT_TRUE(canvas == expected);

  canvas.clear();
  expected.clear();
  SymState s;  // a copy on half the base edge gets half the radius
  ASSERT_EQ(test::LoadBlock(list, s, test::Part({kSquare[0], test::Scaled(kSquare[0], 0.5f)})), SymRebuild::Valid);
  Circle(s, 150, 280, 10);
  expected.circle(150, 280, 10);
  expected.circle(75, 140, 5);
  EXPECT_TRUE(canvas == expected);
}

// Inked pixels within the square of half-side `reach` around (cx, cy), and
// whether all of them lie within 1.5 of the radius and inside the quadrant
// whose signs are (sx, sy) (0 = either side).
struct ArcInk {
  int count = 0;
  bool onCircle = true, inQuadrant = true;
};
ArcInk InkAround(const Surface& s, int cx, int cy, double r, int sx, int sy) {
  ArcInk ink;
  const int reach = int(r) + 3;
  for (int y = cy - reach; y <= cy + reach; ++y)
    for (int x = cx - reach; x <= cx + reach; ++x) {
      if (s.point(x, y) == std::int64_t(kWhite)) continue;
      ++ink.count;
      ink.onCircle = ink.onCircle && std::fabs(std::hypot(x - cx, y - cy) - r) <= 1.5;
      ink.inQuadrant = ink.inQuadrant && (sx == 0 || (x - cx) * sx >= 0) && (sy == 0 || (y - cy) * sy >= 0);
    }
  return ink;
}

TEST_F(Replica, AnArcTurnsTheWayItsThirdPointLiesAndIsMirroredInAMirroredCopy) {
  // Ends A above the centre and B to its left; C between them on the upper
  // left: the quarter from A to B.
  X = {200, 190, 192.93f};
  Y = {190, 200, 192.93f};
  Arc(sym, 200, 200, 10);
  ArcInk ink = InkAround(canvas, 200, 200, 10, -1, -1);
  EXPECT_GT(ink.count, 12);
  EXPECT_TRUE(ink.onCircle && ink.inQuadrant);
  EXPECT_EQ(At({193, 193}), kBlack);

  canvas.clear();
  X[2] = Y[2] = 207.07f;  // C on the other side: the long way round
  Arc(sym, 200, 200, 10);
  ink = InkAround(canvas, 200, 200, 10, 0, 0);
  EXPECT_GT(ink.count, 40);
  EXPECT_TRUE(ink.onCircle);
  EXPECT_EQ(At({193, 193}), kWhite);
  EXPECT_EQ(At({207, 207}), kBlack);

  canvas.clear();
  ASSERT_EQ(test::LoadBlock(list, sym, test::Part({kSquare[0], kSquare[0]}, 1, {0, -1})), SymRebuild::Valid);
  X = {150, 140, 142.93f};
  Y = {250, 260, 252.93f};
  Arc(sym, 150, 260, 10);
  ink = InkAround(canvas, 150, 260, 10, -1, -1);
  EXPECT_GT(ink.count, 12);
  EXPECT_TRUE(ink.onCircle && ink.inQuadrant);
  ink = InkAround(canvas, 250, 260, 10, 1, -1);  // the mirrored copy turns the other way
  EXPECT_GT(ink.count, 12);
  EXPECT_TRUE(ink.onCircle && ink.inQuadrant);
}

// An arc is drawn the same way whoever draws it: while the user draws, in a
// full redraw (without lengthened ends) and on the printer, as the same short
// segments.
TEST_F(Replica, AnArcIsTheSameSegmentsWhileDrawingInARedrawAndInPrint) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  X = {140, 160, 150};
  Y = {280, 280, 270};
  Arc(sym, 150, 280, 10);
  const Surface drawing = canvas;
  canvas.clear();
  ctx.ExtendLen = 0.0f;
  ctx.ExtendLast = -1;
  Arc(sym, 150, 280, 10);
  EXPECT_TRUE(canvas == drawing);
  ctx.ExtendLast = 0;
  canvas.clear();
  Print();
  SymState none;
  Arc(none, 150, 280, 10);
  ASSERT_FALSE(rec.segs.empty());
  for (const auto& g : rec.segs) {
    EXPECT_NEAR(std::hypot(g.x1 - 151, g.y1 - 281), 10, 1e-3);
    EXPECT_NEAR(std::hypot(g.x2 - 151, g.y2 - 281), 10, 1e-3);
  }
}

// While an arc is a rubber band (drawn with the XOR pen in the background
// colour), a counter-clockwise one marks its start with a red point of the
// pen's width; drawn again, the band and its mark are gone. A drawn arc has
// no mark.
TEST_F(Replica, ARubberBandArcMarksItsStartRedWithAPointOfThePensWidth) {
  canvas.setPenWidth(5);
  X = {200, 190, 192.93f};
  Y = {190, 200, 192.93f};
  canvas.setPenMode(PenMode::Xor);
  SymmCircle(sym, ctx, X, Y, 200, 200, 10, kWhite, kArcType, 0, 2);
  EXPECT_EQ(At({200, 190}), kRed);
  EXPECT_EQ(At({202, 190}), kRed);
  EXPECT_EQ(At({193, 193}), kBlack);
  SymmCircle(sym, ctx, X, Y, 200, 200, 10, kWhite, kArcType, 0, 2);
  EXPECT_TRUE(canvas == expected);
  canvas.setPenMode(PenMode::Copy);
  Arc(sym, 200, 200, 10);
  EXPECT_EQ(At({200, 190}), kBlack);
  EXPECT_EQ(canvas.penColor(), kBlack);
}

TEST_F(Replica, ASmallArcStaysSmallInAFullRedraw) {
  const double a0 = -0.3, a1 = a0 - 3 * kPiHere / 180;  // 3 degrees, radius 100
  X = {float(200 + 100 * std::cos(a0)), float(200 + 100 * std::cos(a1)), float(200 + 100 * std::cos((a0 + a1) / 2))};
  Y = {float(200 + 100 * std::sin(a0)), float(200 + 100 * std::sin(a1)), float(200 + 100 * std::sin((a0 + a1) / 2))};
  ctx.ExtendLast = -1;
  Arc(sym, 200, 200, 100);
  int black = 0;
  for (int i = 0; i < canvas.width() * canvas.height(); ++i) black += canvas.pixels()[i] == kBlack;
  EXPECT_GT(black, 2);
  EXPECT_LT(black, 12);
}

// Three points a tenth of a pixel off one line make an arc of a radius far
// beyond the canvas: it is drawn, as the segments of its curve, which here
// are its chord. Indexes beyond the points draw nothing.
TEST_F(Replica, NearlyCollinearArcPointsDrawTheirChordAndBadIndexesNothing) {
  X = {0, 400, 200};
  Y = {200, 200, 199.9f};
  SymmCircle(sym, ctx, X, Y, 200, 1000200, 1000000, kBlack, kArcType, 0, 2);
  for (int x : {10, 100, 200, 300, 390}) EXPECT_EQ(At({x, 200}), kBlack) << x;
  EXPECT_EQ(At({200, 199}), kWhite);
  const Surface chord = canvas;
  SymmCircle(sym, ctx, X, Y, 200, 200, 10, kBlack, kArcType, 2, 7);
  EXPECT_TRUE(canvas == chord);
}

// Images of the seed (150,280) in the square's copies, plain then mirrored.
const Pt kSeeds[4] = {{150, 280}, {280, 250}, {250, 120}, {120, 150}};
const Pt kMirrorSeeds[4] = {{250, 280}, {280, 150}, {150, 120}, {120, 250}};

TEST_F(Replica, AFillFillsTheSeedsRegionInEveryPlainAndMirroredCopyAndNothingElse) {
  for (bool mirrored : {false, true}) {
    SCOPED_TRACE(mirrored);
    canvas.clear();
    sym = SymState{};
    ASSERT_EQ(test::LoadBlock(list, sym, mirrored ? test::SquareD4() : test::SquareC4()), SymRebuild::Valid);
    DrawTriangle();
    sym.WorkingSym = 0;  // fills ignore the working symmetry
    Paint(kRed);
    EXPECT_FALSE(ctx.FillFailed);
    for (int e = 0; e < 4; ++e) {
      EXPECT_EQ(At(kSeeds[e]), kRed);
      EXPECT_EQ(At(kMirrorSeeds[e]), mirrored ? kRed : kWhite);
    }
    EXPECT_EQ(At({150, 295}), kWhite);
    EXPECT_EQ(At({200, 200}), kWhite);
  }
}

TEST_F(Replica, ASeedOnBlackFailsInTheBaseButTheReplicasAreStillFilled) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  DrawTriangle();
  canvas.pset(150, 280, kBlack);
  Paint(kRed);
  EXPECT_TRUE(ctx.FillFailed);
  EXPECT_EQ(At(kSeeds[0]), kBlack);
  EXPECT_EQ(At({150, 285}), kWhite);
  for (int k = 1; k < 4; ++k) EXPECT_EQ(At(kSeeds[k]), kRed);
}

TEST_F(Replica, ASeedOffTheCanvasIsSkippedAndGrayPaintFillsInGrey) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  canvas.resize(270, 400);
  DrawTriangle();
  ctx.GrayPaint = true;
  Paint(rgb(200, 40, 90));
  EXPECT_FALSE(ctx.FillFailed);
  for (int k : {0, 2, 3}) EXPECT_EQ(At(kSeeds[k]), GrayOf(rgb(200, 40, 90)));
}

TEST_F(Replica, HighSpeedRepaintMarksSeedsButNeverABorderPixel) {
  ASSERT_EQ(test::LoadBlock(list, sym, test::SquareC4()), SymRebuild::Valid);
  DrawTriangle();
  const Surface before = canvas;
  canvas.pset(kSeeds[1].x, kSeeds[1].y, kBlack);  // one replica seed lies on a border
  ctx.PaintOrderMode = 1;
  Paint(kRed);
  int changed = 0;
  for (int i = 0; i < canvas.width() * canvas.height(); ++i) changed += canvas.pixels()[i] != before.pixels()[i];
  EXPECT_EQ(changed, 4);  // three probes and the border pixel set above
  EXPECT_EQ(At(kSeeds[1]), kBlack);
  EXPECT_EQ(At(kSeeds[0]), ctx.ProbeColor);

  // The replay fills where a probe shows and leaves the border pixel black,
  // so nothing leaks out of the region.
  ctx.PaintOrderMode = 2;
  Paint(kRed);
  EXPECT_EQ(At(kSeeds[0]), kRed);
  EXPECT_EQ(At(kSeeds[2]), kRed);
  EXPECT_EQ(At(kSeeds[1]), kBlack);
  EXPECT_EQ(At({200, 200}), kWhite);
  Paint(rgb(0, 255, 0));  // a region whose probe a newer fill covered is not filled again
  EXPECT_EQ(At(kSeeds[0]), kRed);
}

}  // namespace
}  // namespace orn
