#pragma once
// The solids of the model samples, and the folding of a flat net onto them.
//
// A solid is a closed surface of flat polygons: its vertices in space and its
// faces, each a cycle of vertex numbers counter-clockwise as seen from
// outside. Model numbers name them as the model samples do: 1 Great
// Dodecahedron (its visible surface: 60 obtuse golden triangles, three in
// each dimple of an icosahedron), 2 Cuboctahedron, 3 Octahedron,
// 4 Tetrahedron, 5 Icosahedron, 6 Cube, 7 Dodecahedron.
//
// A net is a set of polygons in the plane, as the base shapes of a picture
// hold them (canvas coordinates, y pointing down), printed side up. Folding
// finds, for every polygon, the face of the solid it becomes and which of
// the face's corners each of its corners becomes: polygons that share an edge
// in the plane become faces that share that edge on the solid.
#include <array>
#include <optional>
#include <vector>

namespace orn {

struct Vec3 {
  double x = 0, y = 0, z = 0;
  Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
  Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
  Vec3 operator*(double s) const { return {x * s, y * s, z * s}; }
  double dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
  Vec3 cross(const Vec3& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
  double length() const;
  Vec3 unit() const;
};

struct Solid {
  const char* name = "";
  std::vector<Vec3> vertices;
  std::vector<std::vector<int>> faces;  // counter-clockwise seen from outside
  // The order of its group of rotations.
  int rotations = 0;
};

constexpr int kFirstModel = 1;
constexpr int kLastModel = 7;

// The solid of a model number 1..7; nothing for any other number.
const Solid* ModelSolid(int modelNumber);

struct NetPoint {
  double x = 0, y = 0;
};

// One polygon of a net: its corners in order, without repeating the first.
using NetPolygon = std::vector<NetPoint>;

// Where a net polygon goes on the solid: its corner i becomes the corner
// corners[i] (a vertex number of the solid) of face `face`; face -1 when the
// polygon found no place.
struct FoldedPolygon {
  int face = -1;
  std::vector<int> corners;
};

struct Fold {
  std::vector<FoldedPolygon> polygons;  // one per net polygon, in net order
  int placed = 0;                       // polygons that found a face
  // Every polygon found a face and every face of the solid got one.
  bool complete = false;
};

// Folds the net onto the solid. Each connected piece of the net is placed on
// the solid where it fits without covering a face twice: the first piece
// with its first polygon on the lowest-numbered face that fits, the others
// on the first free faces that take the whole piece. Polygons must match the
// faces they become in shape (corner count and edge lengths up to one common
// scale, within 1 %); a piece that fits nowhere stays unplaced.
Fold FoldNet(const std::vector<NetPolygon>& net, const Solid& solid);

// The point of the solid that a net point inside polygon p becomes: the
// affine map that takes the polygon's first three corners to their faces'
// corners. Only for a placed polygon.
Vec3 LiftNetPoint(const std::vector<NetPolygon>& net, const Fold& fold, const Solid& solid, int p,
                  NetPoint q);

}  // namespace orn
