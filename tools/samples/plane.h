#pragma once
// Points and small plane helpers for drawing the samples, in canvas
// coordinates (y pointing down). "Turning" is counter-clockwise as the
// screen shows it.
#include <cmath>
#include <vector>

namespace orn::samples {

constexpr double kPi = 3.14159265358979323846;

struct P {
  double x = 0, y = 0;
};

inline P operator+(P a, P b) { return {a.x + b.x, a.y + b.y}; }
inline P operator-(P a, P b) { return {a.x - b.x, a.y - b.y}; }
inline P operator*(P a, double s) { return {a.x * s, a.y * s}; }
inline double len(P a) { return std::hypot(a.x, a.y); }
inline P unit(P a) { return a * (1.0 / len(a)); }
inline P lerp(P a, P b, double t) { return a + (b - a) * t; }
inline double rad(double deg) { return deg * kPi / 180.0; }
// `v` turned by `deg` degrees counter-clockwise on the screen.
inline P turn(P v, double deg) {
  const double c = std::cos(rad(deg)), s = std::sin(rad(deg));
  return {v.x * c + v.y * s, -v.x * s + v.y * c};
}
// The point at `r` from `c` in the direction `deg` (0 east, 90 up on the screen).
inline P polar(P c, double r, double deg) { return c + P{std::cos(rad(deg)), -std::sin(rad(deg))} * r; }
// The screen direction of v in degrees (0 east, 90 up).
inline double angleOf(P v) { return std::atan2(-v.y, v.x) * 180.0 / kPi; }

// A frame: local (u, v) to canvas o + u * eu + v * ev.
struct Frame {
  P o, eu, ev;
  P operator()(double u, double v) const { return o + eu * u + ev * v; }
  P operator()(P l) const { return (*this)(l.x, l.y); }
  std::vector<P> operator()(const std::vector<P>& ls) const {
    std::vector<P> out;
    for (P l : ls) out.push_back((*this)(l));
    return out;
  }
  // The frame mirrored in its u axis (v negated).
  Frame flipped() const { return {o, eu, ev * -1.0}; }
};

// The frame with origin `o`, u pointing in direction `deg`, v 90 degrees
// counter-clockwise from it on the screen, both of length `scale`.
inline Frame frameAt(P o, double deg, double scale) {
  return {o, polar({0, 0}, scale, deg), polar({0, 0}, scale, deg + 90)};
}

}  // namespace orn::samples
