// Step back, close and drop over strokes that share pixels with others: after
// every mouse action that leaves no rubber band on the canvas, the canvas
// equals a fresh full redraw of the list, in pictures with and without a
// symmetry and with and without fills.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "canvas_fixture.h"
#include "symmetry/sym_fixtures.h"

namespace orn::test {
namespace {

enum class Sym { None, Translation, Rotation4, Mirror8, Lattice };

const char* SymName(Sym s) {
  switch (s) {
    case Sym::None: return "no symmetry";
    case Sym::Translation: return "translation";
    case Sym::Rotation4: return "rotation by quarter turns";
    case Sym::Mirror8: return "quarter turns and mirrors";
    case Sym::Lattice: return "wallpaper lattice";
  }
  return "";
}

// The test square of the symmetry fixtures, halved: centre (100, 100).
void AddRosette(DrawingList& list, SymState& sym, std::vector<SymItem> items) {
  const int geo = AddShape(list, kTypeGeometric, {{50, 150}, {150, 150}, {150, 50}, {50, 50}, {50, 150}, {100, 100}});
  for (SymItem& it : items) {
    const Tri t = Scaled({it.P0x, it.P0y, it.P1x, it.P1y, it.P2x, it.P2y}, 0.5f);
    it.P0x = t.p0x, it.P0y = t.p0y, it.P1x = t.p1x, it.P1y = t.p1y, it.P2x = t.p2x, it.P2y = t.p2y;
    it.handleX *= 0.5f, it.handleY *= 0.5f;
    it.RefGeo = geo;
  }
  AppendSymBlock(list, sym, items);
}

// A picture to draw on, as the editor holds it: its symmetry laid and shown,
// in the pen width and on the background given.
struct Canvas : MouseScene {
  explicit Canvas(Sym s, int pen = 1, Rgb back = kWhite) {
    ctx.LineWidth = pen;
    ctx.PicBackColor = back;
    canvas = Surface(240, 200, back);
    ctx.ExtendLen = 0.5f;
    switch (s) {
      case Sym::None: break;
      case Sym::Translation: AddTranslationSymmetry(list, sym); break;
      case Sym::Rotation4: AddRosette(list, sym, SquareC4()); break;
      case Sym::Mirror8: AddRosette(list, sym, SquareD4()); break;
      case Sym::Lattice: AddLattice(list, sym, 4, 3, 60.0f, 200.0f / 3.0f, 20.0f, 20.0f); break;
    }
    m.DrawAll(1);
  }
  void right(float x, float y) { click(x, y, 2); }
};

// The steps of a user who found the fault, on an empty picture: an arc, a
// polyline over it taken back two points and closed, then a second arc taken
// back whole and the polyline re-opened, shortened and closed again.
TEST(StepBackOverSharedPixels, ARecordReopenedOverOthersLeavesThemWhole) {
  Canvas s(Sym::None);
  s.canvas = Surface(480, 360, kWhite);
  s.m.DrawAll(1);
  s.tool(kToolArc);
  s.click(328, 187);
  s.click(146, 94);
  s.dbl(251, 274);
  s.tool(kToolPolyLine);
  for (auto [x, y] : {std::pair{87, 117}, {277, 187}, {393, 306}, {160, 329}, {118, 110}}) s.click(x, y);
  s.right(118, 110);
  s.right(118, 110);
  s.dbl(169, 272);
  s.tool(kToolArc);
  s.click(205, 340);
  s.click(218, 157);
  s.click(213, 46);
  s.right(213, 46);
  EXPECT_SAME_AS_REDRAW(s);
  s.right(213, 46);  // the polyline again, its rubber band to its last point
  ASSERT_TRUE(s.list.recordOpen());
  EXPECT_TRUE(BandTakenOff(s) == RedrawnWithoutMovingPoint(s));
  s.dbl(209, 133);
  EXPECT_SAME_AS_REDRAW(s);
  EXPECT_EQ(s.canvas.point(314, 225), std::int64_t(kBlack));  // the first arc
  EXPECT_EQ(s.canvas.point(393, 306), std::int64_t(kWhite));  // the removed vertex
}

// Random runs of mouse actions with the drawing tools (and, where asked,
// the paint tool): moves, clicks, right clicks, double clicks and tool
// changes, half of the points near the last one so that strokes close,
// cross and overlap. After every action that leaves no rubber band (a step
// back that takes a record away, a double click, anything that leaves no
// record open) the canvas equals a fresh redraw of the list.
class RandomRun {
 public:
  // With `paint` the paint tool is among the tools, filling in colours, in
  // black and in the background colour, and the pen is 2 wide on a tinted
  // background.
  RandomRun(Sym sym, unsigned seed, bool paint)
      : s_(sym, paint ? 2 : 1, paint ? kTint : kWhite), rng_(seed), paint_(paint) {}

  // The first action after which the canvas differs from a redraw, with the
  // actions that led there; empty when none does.
  std::string run(int actions) {
    for (int k = 0; k < actions; ++k) {
      const bool bandless = act();
      if (!ListIsSound(s_.list)) return log_.str() + "  <- the list is damaged";
      if ((bandless || !s_.list.recordOpen()) && !(s_.canvas == s_.redrawn()))
        return log_.str() + "  <- the canvas differs from a redraw" + difference();
    }
    return {};
  }

 private:
  // How many pixels differ, and the first of them.
  std::string difference() const {
    const Surface r = s_.redrawn();
    std::ostringstream out;
    int n = 0;
    for (int y = 0; y < r.height(); ++y)
      for (int x = 0; x < r.width(); ++x) {
        if (r.point(x, y) == s_.canvas.point(x, y)) continue;
        if (n++ == 0)
          out << " at " << x << "," << y << std::hex << " (" << s_.canvas.point(x, y) << " for " << r.point(x, y) << ")" << std::dec;
      }
    out << ", " << n << " pixels";
    return out.str();
  }

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  std::pair<int, int> point() {
    if (pick(2) == 0) {
      const int d = pick(3) == 0 ? 0 : 6;
      last_ = {std::clamp(last_.first + pick(2 * d + 1) - d, 0, s_.canvas.width() - 1),
               std::clamp(last_.second + pick(2 * d + 1) - d, 0, s_.canvas.height() - 1)};
    } else {
      last_ = {pick(s_.canvas.width()), pick(s_.canvas.height())};
    }
    return last_;
  }

  // One action; true when it leaves no rubber band on the canvas.
  bool act() {
    const int what = pick(100);
    if (what < 10) {
      static const int kDrawing[] = {kToolSpline,  kToolPolyLine, kToolMultiLine, kToolCircle2,
                                     kToolCircle3, kToolArc,      kToolGeometric};
      const int tool = paint_ && pick(4) == 0 ? kToolPaint : kDrawing[pick(7)];
      if (tool == kToolPaint) s_.colour.CurrentColor = kColours[pick(5)];
      log_ << "tool " << tool << "\n";
      s_.tool(tool);  // closes a record of another tool
      return false;
    }
    const auto [x, y] = point();
    if (what < 35) {
      log_ << "move " << x << "," << y << "\n";
      s_.move(float(x), float(y));
      return false;
    }
    if (what < 70) {
      log_ << "click " << x << "," << y << "\n";
      s_.click(float(x), float(y));
      return false;
    }
    if (what < 88) {
      log_ << "right click " << x << "," << y << "\n";
      s_.right(float(x), float(y));
      // What stays of a stroke keeps its rubber band.
      return !s_.list.recordOpen();
    }
    log_ << "double click " << x << "," << y << "\n";
    s_.dbl(float(x), float(y));
    return true;
  }

  static constexpr Rgb kTint = 0xE8F4F0;
  static constexpr Rgb kColours[5] = {0x3366CC, 0x22AA22, 0xAA2222, kBlack, kTint};

  Canvas s_;
  std::mt19937 rng_;
  bool paint_;
  std::pair<int, int> last_{100, 100};
  std::ostringstream log_;
};

void RunSeeds(bool paint, unsigned seeds, int actions) {
  for (Sym sym : {Sym::None, Sym::Translation, Sym::Rotation4, Sym::Mirror8, Sym::Lattice}) {
    int failures = 0;
    for (unsigned seed = 1; seed <= seeds && failures < 3; ++seed) {
      const std::string failure = RandomRun(sym, seed, paint).run(actions);
      if (failure.empty()) continue;
      ++failures;
      ADD_FAILURE() << SymName(sym) << ", seed " << seed << ":\n" << failure;
    }
  }
}

TEST(StepBackOverSharedPixels, RandomStrokesLeaveTheCanvasAsARedrawShowsTheList) { RunSeeds(false, 300, 20); }

TEST(StepBackOverSharedPixels, RandomStrokesAndFillsLeaveTheCanvasAsARedrawShowsTheList) {
  RunSeeds(true, 300, 20);
}

}  // namespace
}  // namespace orn::test
