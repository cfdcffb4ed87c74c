#include "shell/model_view.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/record_codes.h"
#include "shell/sample_preview.h"

namespace orn {

namespace {

// The view of each solid: turned about the vertical axis, then tipped
// towards the viewer. A cube and the many-faced solids show their top and
// two sides; the tetrahedron is seen towards a corner, so that all three
// faces round it show, and the octahedron towards a corner too, off its
// axis, so that four faces show and none edge-on.
struct ViewAngles {
  double yaw, pitch;  // degrees
};
constexpr ViewAngles kGeneralView{-28.0, 22.0};
ViewAngles viewOf(int modelNumber) {
  switch (modelNumber) {
    case 3: return {-12.0, 10.0};
    case 4: return {-39.0, 40.0};
    default: return kGeneralView;
  }
}
// Rendered at this many pixels per pixel of the result, then averaged down.
constexpr int kSuper = 4;
// The solid's farthest corner lies this far from the centre, as a fraction
// of the square's side.
constexpr double kReach = 0.46;
constexpr Rgb kUncovered = 0xB4B4B4;

Vec3 turn(const Vec3& p, ViewAngles view) {
  const double a = view.yaw * 3.14159265358979 / 180.0;
  const double b = view.pitch * 3.14159265358979 / 180.0;
  const Vec3 q{p.x * std::cos(a) + p.z * std::sin(a), p.y, -p.x * std::sin(a) + p.z * std::cos(a)};
  return {q.x, q.y * std::cos(b) - q.z * std::sin(b), q.y * std::sin(b) + q.z * std::cos(b)};
}

Rgb shade(Rgb c, double f) {
  auto ch = [f](Rgb v) { return std::clamp(int(std::lround(double(v & 0xFF) * f)), 0, 255); };
  return rgb(ch(c), ch(c >> 8), ch(c >> 16));
}

struct Corner {
  double sx, sy, z;  // on the square, and towards the viewer
  NetPoint net;      // the net point it comes from
};

class Painter {
 public:
  Painter(int side, Rgb back) : img_(side, side, back), depth_(std::size_t(side) * side, -1e300) { img_.clear(); }

  // Fills the triangle, each pixel with the net's colour at the point it shows.
  void triangle(const Corner& a, const Corner& b, const Corner& c, const Surface* texture, Rgb flat,
                double light) {
    const double det = (b.sx - a.sx) * (c.sy - a.sy) - (b.sy - a.sy) * (c.sx - a.sx);
    if (std::fabs(det) < 1e-12) return;
    const int x0 = std::max(0, int(std::floor(std::min({a.sx, b.sx, c.sx}))));
    const int x1 = std::min(img_.width() - 1, int(std::ceil(std::max({a.sx, b.sx, c.sx}))));
    const int y0 = std::max(0, int(std::floor(std::min({a.sy, b.sy, c.sy}))));
    const int y1 = std::min(img_.height() - 1, int(std::ceil(std::max({a.sy, b.sy, c.sy}))));
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) {
        const double px = x + 0.5, py = y + 0.5;
        const double wb = ((px - a.sx) * (c.sy - a.sy) - (py - a.sy) * (c.sx - a.sx)) / det;
        const double wc = ((b.sx - a.sx) * (py - a.sy) - (b.sy - a.sy) * (px - a.sx)) / det;
        const double wa = 1.0 - wb - wc;
        if (wa < -1e-9 || wb < -1e-9 || wc < -1e-9) continue;
        const double z = wa * a.z + wb * b.z + wc * c.z;
        double& d = depth_[std::size_t(y) * img_.width() + x];
        if (z <= d) continue;
        d = z;
        Rgb colour = flat;
        if (texture != nullptr) {
          const double nx = wa * a.net.x + wb * b.net.x + wc * c.net.x;
          const double ny = wa * a.net.y + wb * b.net.y + wc * c.net.y;
          const int tx = std::clamp(int(std::floor(nx)), 0, texture->width() - 1);
          const int ty = std::clamp(int(std::floor(ny)), 0, texture->height() - 1);
          colour = static_cast<Rgb>(texture->point(tx, ty));
        }
        img_.pset(x, y, shade(colour, light));
      }
  }

  const Surface& image() const { return img_; }

 private:
  Surface img_;
  std::vector<double> depth_;
};

}  // namespace

std::vector<NetPolygon> PictureNet(const PictureFile& pf) {
  std::vector<NetPolygon> net;
  DrawingList list;
  const int end = pf.endIndex();
  if (end < 0 || !list.ensureIndex(end)) return net;
  std::copy(pf.g0.begin(), pf.g0.end(), list.G0.begin());
  std::copy(pf.g1.begin(), pf.g1.end(), list.G1.begin());
  list.NumPoints = list.ItemHead = list.ItemFirst = static_cast<std::int16_t>(end);
  FrameWalker walk(list, 0);
  Frame f;
  while (walk.next(f) && f.kind == FrameKind::Record && list.G0[f.head] == float(kCodeGeometric)) {
    NetPolygon poly;
    for (int i = f.first; i <= f.last - 2; ++i) poly.push_back({list.G0[i], list.G1[i]});
    if (poly.size() >= 3) net.push_back(poly);
  }
  return net;
}

Surface RenderFoldedModel(const PictureFile& pf, const std::string& path, int modelNumber, int size,
                          Rgb back) {
  const Solid* solid = ModelSolid(modelNumber);
  if (solid == nullptr || size <= 0) return Surface();
  const std::vector<NetPolygon> net = PictureNet(pf);
  const Fold fold = FoldNet(net, *solid);
  if (fold.placed == 0) return Surface();
  // The net's points are the file's; a picture drawn on a canvas smaller than
  // the one it stores has its points moved, and the net follows them.
  ViewMap toTexture;
  const std::optional<Surface> texture = RenderPictureFile(pf, path, true, &toTexture);
  if (!texture) return Surface();

  std::vector<int> polygonOf(solid->faces.size(), -1);
  for (std::size_t p = 0; p < fold.polygons.size(); ++p)
    if (fold.polygons[p].face >= 0) polygonOf[static_cast<std::size_t>(fold.polygons[p].face)] = int(p);

  const int side = size * kSuper;
  double reach = 0;
  std::vector<Vec3> seen;
  for (const Vec3& v : solid->vertices) {
    seen.push_back(turn(v, viewOf(modelNumber)));
    reach = std::max(reach, v.length());
  }
  const double scale = side * kReach / reach;
  const Vec3 light = Vec3{-0.35, 0.6, 0.72}.unit();
  Painter painter(side, back);
  for (std::size_t f = 0; f < solid->faces.size(); ++f) {
    const auto& fv = solid->faces[f];
    const Vec3 normal = (seen[fv[1]] - seen[fv[0]]).cross(seen[fv[2]] - seen[fv[0]]).unit();
    if (normal.z <= 1e-9) continue;  // facing away: hidden behind the solid
    const double lit = 0.58 + 0.42 * std::max(0.0, normal.dot(light));
    const int p = polygonOf[f];
    std::vector<Corner> c;
    for (std::size_t k = 0; k < fv.size(); ++k) {
      Corner corner{side / 2.0 + scale * seen[fv[k]].x, side / 2.0 - scale * seen[fv[k]].y, seen[fv[k]].z, {}};
      if (p >= 0) {
        const auto& corners = fold.polygons[static_cast<std::size_t>(p)].corners;
        const auto at = std::find(corners.begin(), corners.end(), fv[k]) - corners.begin();
        corner.net = net[static_cast<std::size_t>(p)][static_cast<std::size_t>(at)];
        float x = float(corner.net.x), y = float(corner.net.y);
        toTexture.apply(x, y);
        corner.net = {x, y};
      }
      c.push_back(corner);
    }
    for (std::size_t k = 1; k + 1 < c.size(); ++k)
      painter.triangle(c[0], c[k], c[k + 1], p >= 0 ? &*texture : nullptr, kUncovered, lit);
  }
  return ShrinkToFit(painter.image(), size, size, back);
}

}  // namespace orn
