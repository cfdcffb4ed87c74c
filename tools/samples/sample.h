#pragma once
// One sample picture made as a user makes it in the editor: base shapes laid
// with the polygon tool, the symmetry set up by clicking the copies' handles
// and accepted, then strokes, circles, arcs and fills recorded into the
// drawing list and the picture captured by the program's own saver.
#include <string>
#include <vector>

#include "canvas/view_table.h"
#include "colour/colour_table.h"
#include "canvas/picture_commands.h"
#include "symmetry/polygon_shape.h"
#include "symmetry/setup_state.h"
#include "symmetry/sym_state.h"
#include "tools/samples/plane.h"

namespace orn::samples {

// A polygon laid on the canvas: its corners in record order (corner e to
// corner e + 1 is its edge e) and its centre, as the polygon tool stored them.
struct Poly {
  int index = 0;   // among the base shapes, in list order
  int header = 0;  // list index of its record's header
  std::vector<P> v;
  P centre;
  int n() const { return static_cast<int>(v.size()); }
  P corner(int k) const { return v[static_cast<std::size_t>(((k % n()) + n()) % n())]; }
  P mid(int e) const { return (corner(e) + corner(e + 1)) * 0.5; }
};

// A colour of the table by shade (0 light .. 7 dark) and hue.
struct Colour {
  int shade = 0;
  int hue = 0;
  int code() const { return 100 * shade + hue; }
};

// The hues of the table.
namespace hue {
constexpr int kGray = 0, kBrown = 2, kBase = 4, kDarkBase = 6;
constexpr int kRed = 8, kOrange = 9, kYellow = 10, kLime = 11, kGreen = 12, kSpring = 13;
constexpr int kCyan = 14, kAzure = 15, kBlue = 16, kViolet = 17, kMagenta = 18, kRose = 19;
constexpr int kTan = 20;
}  // namespace hue

// (x, y) lies in the cell of copy k of a drawing-layout copy table: the
// triangle of the copy's edge and the centre of its polygon (a tenth of the
// way from the edge's middle to the stored apex).
bool InCell(const SymState& sym, int k, double x, double y);

class Sample {
 public:
  Sample(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }

  // Picture settings stored in the file.
  std::string title;
  int lineWidth = 2;
  int gridMode = 0;      // 0 black, 1 red, 2 hidden base shapes
  float picKind = 0.0f;
  Rgb background = kWhite;
  Rgb gallery = 0xC0C0C0;

  // ---- base shapes --------------------------------------------------------
  // Lays the polygon of `shape` (a corner count, or a fixed shape -1..-8 of
  // the polygon dialog) on the edge from a to b; it lies to the left of a->b
  // as the screen shows it.
  Poly polygon(int shape, P a, P b);
  // Lays a polygon on edge e of `parent`, on its far side.
  Poly polygonOn(const Poly& parent, int e, int shape);
  const std::vector<Poly>& polygons() const { return polys_; }

  // ---- symmetry set-up ------------------------------------------------------
  // Puts the copy of edge e of `poly` into `group` (1..5), mirrored or not:
  // one click on its handle, two for a mirrored copy. The first copy put into
  // a group is its base cell. Clicks are made in the order of these calls.
  void join(const Poly& poly, int e, int group, bool mirrored = false);
  // Makes the copy of edge e of `poly` its group's base cell (clicked first
  // in its group): the cell the drawing is made in. It must have been joined.
  void base(const Poly& poly, int e);
  // Runs the set-up on the base shapes and accepts it; `initialPart` is the
  // part current when the picture opens and the one drawing starts in.
  void accept(int initialPart = 1);
  const SymState& sym() const { return sym_; }

  // ---- drawing ----------------------------------------------------------------
  // Switches drawing to part p (0 = no copies), as a click on a part label.
  void part(int p);
  void polyline(const std::vector<P>& pts);
  // Independent segments: a pair of points each.
  void segments(const std::vector<P>& pts);
  void spline(const std::vector<P>& pts);
  void circle(P centre, double radius);
  // The arc from a to b through c.
  void arc(P a, P b, P c);
  // Fills the regions at the seeds with a colour of the table.
  void fill(Colour c, const std::vector<P>& seeds);
  void fill(Colour c, P seed) { fill(c, std::vector<P>{seed}); }

  const DrawingList& list() const { return list_; }
  const ColourTable& table() const;

  // The picture as the saver writes it.
  PictureFile picture();

 private:
  struct Click {
    int copy;  // set-up copy number before any click
    int group;
    bool mirrored;
  };
  void shape(int type, int nParams, const std::vector<P>& pts);
  // One fill: a colour entry (21000 + code, RGB) and its seed.
  void addFill(float entry, float colour, P seed);
  void closePaint();
  void reachCutCopies();
  PictureFile capture();

  int width_, height_;
  DrawingList list_;
  SymState sym_;
  SetupState setup_;
  PolyShape shape_;
  ViewTable views_;
  std::vector<Poly> polys_;
  std::vector<int> firstCopy_;  // per polygon: set-up copy of its edge 0
  std::vector<Click> clicks_;
  bool accepted_ = false;
  bool paintOpen_ = false;
};

}  // namespace orn::samples
