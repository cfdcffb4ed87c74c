#include "tools/samples/sample.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "canvas/editor_state.h"
#include "canvas/zoom_views.h"
#include "shell/sample_preview.h"
#include "model/record_codes.h"
#include "symmetry/setup_accept.h"
#include "symmetry/setup_capture.h"
#include "symmetry/setup_handles.h"
#include "symmetry/sym_records.h"
#include "symmetry/sym_table.h"

namespace orn::samples {

namespace {

void require(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(what);
}

float F(double v) { return static_cast<float>(v); }

}  // namespace

bool InCell(const SymState& sym, int k, double x, double y) {
  const auto& t = sym.SymData[static_cast<std::size_t>(k)];
  const P a{t[kP0x], t[kP0y]}, b{t[kP1x], t[kP1y]}, apex{t[kP2x], t[kP2y]};
  const P m = (a + b) * 0.5, c = m + (apex - m) * 0.1, p{x, y};
  auto side = [](P u, P v, P w) { return (v.x - u.x) * (w.y - u.y) - (v.y - u.y) * (w.x - u.x); };
  const double s1 = side(a, b, p), s2 = side(b, c, p), s3 = side(c, a, p);
  return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
}

Sample::Sample(int width, int height) : width_(width), height_(height) {
  ResetViews(views_, width, height);
}

const ColourTable& Sample::table() const { return BuiltInColorTable(); }

Poly Sample::polygon(int shape, P a, P b) {
  require(!accepted_, "base shapes come before the symmetry");
  int n = shape;
  require(SetPolygonShape(shape_, n), "no such polygon");
  // The Geometric tool: a record opened at the edge's start, the edge's end
  // added, and the polygon built on it when the record closes.
  const int head = list_.NumPoints;
  require(list_.CreateItem(kTypeGeometric, 0, F(a.x), F(a.y)), "list full");
  require(list_.AddPoint(F(b.x), F(b.y), kToolGeometric), "list full");
  const int first = list_.ItemFirst;
  require(list_.ensureIndex(first + 1 + PolygonRoomNeeded(shape_) + 1), "list full");
  int last = 0;
  require(BuildPolygonOnEdge(shape_, list_.G0, list_.G1, head, first, last), "polygon not built");
  list_.NumPoints = static_cast<std::int16_t>(last);
  require(list_.closeRecord(), "list full");

  Poly p;
  p.index = static_cast<int>(polys_.size());
  p.header = head;
  for (int i = first; i <= last - 2; ++i) p.v.push_back({list_.G0[i], list_.G1[i]});
  p.centre = {list_.G0[last], list_.G1[last]};
  firstCopy_.push_back(polys_.empty() ? 1 : firstCopy_.back() + polys_.back().n());
  polys_.push_back(p);
  return p;
}

Poly Sample::polygonOn(const Poly& parent, int e, int shape) {
  return polygon(shape, parent.corner(e + 1), parent.corner(e));
}

void Sample::join(const Poly& poly, int e, int group, bool mirrored) {
  require(e >= 0 && e < poly.n(), "no such edge");
  const int copy = firstCopy_[static_cast<std::size_t>(poly.index)] + e;
  require(std::none_of(clicks_.begin(), clicks_.end(), [copy](const Click& c) { return c.copy == copy; }),
          "a copy joins once");
  clicks_.push_back({copy, group, mirrored});
}

void Sample::base(const Poly& poly, int e) {
  const int copy = firstCopy_[static_cast<std::size_t>(poly.index)] + e;
  auto it = std::find_if(clicks_.begin(), clicks_.end(), [copy](const Click& c) { return c.copy == copy; });
  require(it != clicks_.end(), "the base must be joined");
  require(!it->mirrored, "a base cell is never mirrored");
  // First among the clicks of its group.
  const Click c = *it;
  clicks_.erase(it);
  auto first = std::find_if(clicks_.begin(), clicks_.end(), [&c](const Click& o) { return o.group == c.group; });
  clicks_.insert(first, c);
}

void Sample::accept(int initialPart) {
  require(!accepted_, "set up twice");
  // Entering the set-up: the capture redraw makes a copy of every edge of
  // the base shapes and the handles are placed beside them.
  sym_.GeoCapture = 1;
  CaptureLeadingShapes(sym_, list_);
  require(!sym_.CaptureOverflow, "more than 800 edges");
  sym_.GeoCapture = 2;
  Surface canvas(width_, height_, kWhite);
  SymShowHandles(sym_, canvas, 0, true);
  std::vector<P> handle(static_cast<std::size_t>(sym_.SymCount) + 1);
  std::vector<std::array<float, 4>> edge(handle.size());
  for (int k = 1; k <= sym_.SymCount; ++k) {
    const auto& f = sym_.SymData[static_cast<std::size_t>(k)];
    handle[static_cast<std::size_t>(k)] = {f[kHandlePosX], f[kHandlePosY]};
    edge[static_cast<std::size_t>(k)] = {f[kEdgeP0x], f[kEdgeP0y], f[kEdgeP1x], f[kEdgeP1y]};
  }
  NullHost host;
  for (const Click& c : clicks_) {
    setup_.CurSymGroup = c.group;
    const P h = handle[static_cast<std::size_t>(c.copy)];
    for (int times = c.mirrored ? 2 : 1; times > 0; --times) {
      const HandleAction a = SymTestHandle(setup_, sym_, canvas, host, 1, 0, F(h.x), F(h.y));
      require(a == HandleAction::Joined || a == HandleAction::Mirrored, "handle click refused");
    }
    // The click must have found this very copy, not a neighbour's handle.
    const auto& f = sym_.SymData[static_cast<std::size_t>(setup_.SymActive)];
    require(std::array<float, 4>{f[kEdgeP0x], f[kEdgeP0y], f[kEdgeP1x], f[kEdgeP1y]} ==
                edge[static_cast<std::size_t>(c.copy)],
            "a handle hides another");
  }
  setup_.CurSymType = initialPart;
  const AcceptOutcome out = AcceptSymmetry(setup_, sym_, list_);
  require(out.result == AcceptResult::Written, "symmetry refused");
  // As the set-up's OK does: each part's view, from its reference shape,
  // for the canvas the picture is drawn on (Zoom > Symmetry shows it).
  for (int g = 1; g <= kMaxGroups; ++g)
    if (out.partShown[static_cast<std::size_t>(g)])
      require(CalcItemView(views_, list_, g, out.partRefGeo[static_cast<std::size_t>(g)], width_, height_),
              "no view of a part");
  require(CheckSymData(sym_, list_) == SymRebuild::Valid || clicks_.empty(), "symmetry damaged");
  accepted_ = true;
}

void Sample::part(int p) {
  closePaint();
  const int at = list_.NumPoints;
  require(list_.ensureIndex(at + 1), "list full");
  list_.G0[at] = float(kCodeSymmetryChg);
  list_.G1[at] = float(100 * sym_.CurPart + p);
  list_.G0[at + 1] = float(kCodeEnd);
  list_.G1[at + 1] = 0.0f;
  list_.NumPoints = list_.ItemHead = list_.ItemFirst = static_cast<std::int16_t>(at + 1);
  sym_.CurPart = p;
  CheckSymData(sym_, list_);
}

void Sample::shape(int type, int nParams, const std::vector<P>& pts) {
  closePaint();
  require(!pts.empty(), "a shape needs points");
  require(list_.CreateItem(type, nParams, F(pts[0].x), F(pts[0].y)), "list full");
  for (std::size_t i = 1; i < pts.size(); ++i)
    require(list_.AddPoint(F(pts[i].x), F(pts[i].y), kToolPaint), "list full");
  require(list_.closeRecord(), "list full");
}

void Sample::polyline(const std::vector<P>& pts) { shape(kTypePolyLine, 1, pts); }
void Sample::segments(const std::vector<P>& pts) { shape(kTypeMultiLine, 1, pts); }
void Sample::spline(const std::vector<P>& pts) { shape(kTypeSpline, 1, pts); }
void Sample::circle(P c, double r) { shape(kTypeCircle2, 0, {c, c + P{r, 0}}); }
void Sample::arc(P a, P b, P c) { shape(kTypeArc, 0, {a, b, c}); }

void Sample::fill(Colour c, const std::vector<P>& seeds) {
  for (P s : seeds) addFill(float(kCodeColour + c.code()), float(table()(c.shade, c.hue)), s);
}

void Sample::addFill(float entry, float colour, P s) {
  // The paint tool: the first click opens the record and its point becomes
  // the colour entry; every fill is a colour entry and its seed.
  if (!paintOpen_) {
    require(list_.CreateItem(kTypePaint, 0, F(s.x), F(s.y)), "list full");
    list_.G0[list_.ItemFirst] = entry;
    list_.G1[list_.ItemFirst] = colour;
    paintOpen_ = true;
  } else {
    require(list_.AddPoint(entry, colour, kToolPaint), "list full");
  }
  require(list_.AddPoint(F(s.x), F(s.y), kToolPaint), "list full");
}

void Sample::closePaint() {
  if (!paintOpen_) return;
  require(list_.closeRecord(), "list full");
  paintOpen_ = false;
}

PictureFile Sample::picture() {
  closePaint();
  reachCutCopies();
  return capture();
}

// A cell that the canvas's border cuts is painted as far as it shows, as a
// user clicks into each part of a cut cell that shows. Where a piece of the
// canvas at its border is left unpainted (a fill's seed falls off the canvas
// in that copy, or the border cuts the copy's region in two), a pixel of the
// piece is carried back through the copies to the base cell; where it lands
// in a region that a fill of that copy's part paints, a seed of that fill
// goes there, so that its copy falls in the piece.
void Sample::reachCutCopies() {
  const std::optional<Surface> drawn = RenderPictureFile(capture(), "lines.pnt", false);
  require(drawn.has_value(), "the picture does not draw");
  const Surface& lines = *drawn;
  const int w = lines.width(), h = lines.height();
  auto open = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && lines.point(x, y) != kBlack; };
  auto pixel = [](double v) { return static_cast<int>(std::floor(v + 0.5)); };
  // The pieces of the canvas that the lines and its border leave, numbered,
  // each with its pixels.
  std::vector<int> piece(std::size_t(w) * h, -1);
  std::vector<std::vector<int>> pixels;
  for (int start = 0; start < w * h; ++start) {
    if (piece[std::size_t(start)] >= 0 || !open(start % w, start / w)) continue;
    const int id = int(pixels.size());
    pixels.emplace_back();
    std::vector<int> todo{start};
    piece[std::size_t(start)] = id;
    while (!todo.empty()) {
      const int at = todo.back();
      todo.pop_back();
      pixels.back().push_back(at);
      const int x = at % w, y = at / w;
      for (auto [nx, ny] : {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}})
        if (open(nx, ny) && piece[std::size_t(ny) * w + nx] < 0) {
          piece[std::size_t(ny) * w + nx] = id;
          todo.push_back(ny * w + nx);
        }
    }
  }
  auto pieceAt = [&](double x, double y) { return open(pixel(x), pixel(y)) ? piece[std::size_t(pixel(y)) * w + pixel(x)] : -1; };

  // The fills of each part: the base cell's piece each paints, and its colour.
  struct Fill {
    int piece;
    float entry, colour;
  };
  std::vector<std::vector<Fill>> fills(kMaxGroups + 1);
  int inPart = 0;
  FrameWalker walk(list_, 0);
  orn::Frame f;
  while (walk.next(f)) {
    if (f.kind == FrameKind::Single && list_.G0[f.head] == float(kCodeSymmetryChg)) {
      const int v = roundEntry(list_.G1[f.head]);
      if (v >= 0) inPart = v % 100;
    }
    if (f.kind != FrameKind::Record || f.type != kTypePaint || inPart <= 0 || inPart > kMaxGroups) continue;
    for (int i = f.first; i + 1 <= f.last; i += 2)
      if (const int id = pieceAt(list_.G0[i + 1], list_.G1[i + 1]); id >= 0)
        fills[std::size_t(inPart)].push_back({id, list_.G0[i], list_.G1[i]});
  }

  const int lastPart = sym_.CurPart;
  // A few rounds: a seed added for one piece may leave another.
  for (int round = 0; round < 3; ++round) {
    PictureFile painted = capture();
    constexpr Rgb kUnpainted = 0x010203;
    painted.header[kHdrPicBackColor] = float(kUnpainted);
    const std::optional<Surface> shown = RenderPictureFile(painted, "fills.pnt");
    require(shown.has_value(), "the picture does not paint");
    std::vector<bool> done(pixels.size(), false);
    struct Extra {
      int part;
      Fill fill;
      P seed;
    };
    std::vector<Extra> extras;
    auto tryPiece = [&](int id) {
      // Pixels spread over the piece, each carried back through every copy.
      const std::vector<int>& px = pixels[std::size_t(id)];
      const std::size_t step = std::max<std::size_t>(1, px.size() / 24);
      for (std::size_t j = 0; j < px.size(); j += step)
        for (int p = 1; p <= kMaxGroups; ++p) {
          if (fills[std::size_t(p)].empty()) continue;
          sym_.CurPart = p;
          CheckSymData(sym_, list_);
          for (int k = sym_.BaseCopy + 1; k <= sym_.LastCopy; ++k) {
            UV uv;
            double bx, by, cx, cy;
            if (!PointToUV(sym_, k, px[j] % w, px[j] / w, uv)) continue;
            if (sym_.SymData[std::size_t(k)][kReflect] != 0) {  // undo the copy's mirroring
              uv.u = 1 - uv.u;
              std::swap(uv.w0, uv.w1);
            }
            if (!UVToCopy(sym_, sym_.BaseCopy, uv, bx, by)) continue;
            const P seed{double(pixel(bx)), double(pixel(by))};
            const int base = pieceAt(seed.x, seed.y);
            if (base < 0) continue;
            auto fill = std::find_if(fills[std::size_t(p)].begin(), fills[std::size_t(p)].end(),
                                     [base](const Fill& f) { return f.piece == base; });
            // The seed's own copy must fall in the piece.
            UV back;
            if (fill == fills[std::size_t(p)].end() || !PointToUV(sym_, sym_.BaseCopy, seed.x, seed.y, back) ||
                !UVToCopy(sym_, k, back, cx, cy) || pieceAt(cx, cy) != id)
              continue;
            extras.push_back({p, *fill, seed});
            return;
          }
        }
    };
    for (int at = 0; at < w * h; ++at) {
      const int x = at % w, y = at / w;
      if (x != 0 && y != 0 && x != w - 1 && y != h - 1) continue;
      const int id = piece[std::size_t(at)];
      if (id < 0 || done[std::size_t(id)] || shown->point(x, y) != kUnpainted) continue;
      done[std::size_t(id)] = true;
      tryPiece(id);
    }
    sym_.CurPart = lastPart;
    CheckSymData(sym_, list_);
    if (extras.empty()) break;
    std::stable_sort(extras.begin(), extras.end(), [](const Extra& a, const Extra& b) { return a.part < b.part; });
    for (const Extra& e : extras) {
      if (e.part != sym_.CurPart) part(e.part);
      addFill(e.fill.entry, e.fill.colour, e.seed);
    }
    if (sym_.CurPart != lastPart) part(lastPart);
    closePaint();
  }
}

PictureFile Sample::capture() {
  OffscreenEditor e;
  e.list = list_;
  e.views = views_;
  e.sym = sym_;
  e.editor.GridMode = gridMode;
  e.editor.YellowBase = false;
  e.editor.ProjPages = 1;
  e.draw.LineWidth = lineWidth;
  e.draw.PicBackColor = background;
  e.pic.PicKind = picKind;
  e.pic.PictureTitle = title;
  e.pic.GalleryBackColor = gallery;
  // Saved from a maximised editor whose canvas has the picture's size.
  WindowSizes sizes;
  sizes.windowWidth = width_ + 160;
  sizes.windowHeight = height_ + 120;
  sizes.canvasWidth = width_;
  sizes.canvasHeight = height_;
  sizes.windowState = 2;
  return CapturePicture(e.context(), sizes);
}

}  // namespace orn::samples
