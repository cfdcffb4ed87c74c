#pragma once
// Plane geometry shared by the symmetry engine, the shape rendering and the
// zoom box. Coordinates are canvas coordinates, y growing downwards, so an
// angle that grows from +x towards +y turns clockwise on the screen.
#include <array>

namespace orn {

// pi and 2 pi with exactly the digits the picture's geometry has always used.
constexpr double kPi = 3.1415926535;
constexpr double kTwoPi = 6.283185307;

// Direction angle of (dx, dy) in radians, 0 <= a < 2 pi. A vector shorter than
// 0.000001 in both directions has the angle 0.
double AngleOf(double dx, double dy);

// Angle from the ray (x0, y0)->(x1, y1) to the ray (x0, y0)->(x2, y2),
// 0 <= s < 2 pi.
double SweepAngle(double x0, double y0, double x1, double y1, double x2, double y2);

float RadToDeg(float r);
float DegToRad(float d);

// Intersection of the line through (a, b) and (c, d) with the line through
// (e, f) and (g, h); the lines are unbounded. Returns false for lines that
// count as parallel (|den| < 0.001), leaving xi and yi unchanged.
bool LineIntersect(float a, float b, float c, float d, float e, float f, float g, float h,
                   float& xi, float& yi);

// The point at distance `radius` from (cx, cy) in the direction of (x, y)
// turned by dAngle degrees (clockwise on the screen for a positive dAngle).
void RotateAbout(float x, float y, float cx, float cy, float& nx, float& ny, float dAngle,
                 float radius);

struct ClipPoint {
  float x = 0.0f;
  float y = 0.0f;
};

// The clip rectangle, set by the caller before clipping.
struct ClipRect {
  float ClipXMin = 0.0f;
  float ClipXMax = 0.0f;
  float ClipYMax = 0.0f;
  float ClipYMin = 0.0f;
};

// Out-code flags: [0] x < ClipXMin, [1] x > ClipXMax, [2] y > ClipYMax,
// [3] y < ClipYMin.
using OutCodeFlags = std::array<bool, 4>;
OutCodeFlags OutCode(const ClipRect& rect, const ClipPoint& p);

struct ClipResult {
  bool visible = false;  // some part of the segment lies inside
  bool clipped = false;  // false only when the whole segment lay inside
};

// Clips the segment p0-p1 to the rectangle, moving the end points in place.
// Draw p0-p1 afterwards when visible. A segment with a coordinate that is not
// finite, or whose clipping does not settle, is reported not visible.
ClipResult ClipLine(const ClipRect& rect, ClipPoint& p0, ClipPoint& p1);

}  // namespace orn
