#include "shell/menu_pictures.h"

#include <cmath>

namespace orn {

namespace {

constexpr double kPi = 3.1415926535;
constexpr Rgb kInk = 0x303030;
constexpr Rgb kBlue = rgb(40, 90, 200);
constexpr Rgb kYellow = rgb(240, 200, 40);
constexpr Rgb kRed = rgb(210, 50, 40);
constexpr Rgb kWood = rgb(190, 140, 80);

int at(int size, double f) { return int(std::lround(size * f)); }

void eye(Surface& s, int n) {
  // Two arcs make the lids; the iris is a filled circle.
  const int r = at(n, 0.55);
  s.setPenColor(kInk);
  s.setPenWidth(2);
  s.arc(n / 2, at(n, 0.5) + at(n, 0.32), r, kPi * 0.25, kPi * 0.75);
  s.arc(n / 2, at(n, 0.5) - at(n, 0.32), r, kPi * 1.25, kPi * 1.75);
  s.setPenWidth(1);
  s.circle(n / 2, n / 2, at(n, 0.14));
  s.floodFill(n / 2, n / 2, kInk, kBlue);
  s.pset(n / 2 - 1, n / 2 - 1, kWhite);
}

void pencil(Surface& s, int n) {
  s.setPenColor(kYellow);
  s.setPenWidth(std::max(3, at(n, 0.16)));
  s.line(at(n, 0.78), at(n, 0.22), at(n, 0.34), at(n, 0.66));
  s.setPenColor(kRed);
  s.line(at(n, 0.84), at(n, 0.16), at(n, 0.78), at(n, 0.22));
  s.setPenColor(kWood);
  s.setPenWidth(std::max(2, at(n, 0.1)));
  s.line(at(n, 0.34), at(n, 0.66), at(n, 0.22), at(n, 0.78));
  s.setPenColor(kInk);
  s.setPenWidth(1);
  s.line(at(n, 0.22), at(n, 0.78), at(n, 0.16), at(n, 0.84));
}

void brush(Surface& s, int n) {
  s.setPenColor(kWood);
  s.setPenWidth(std::max(2, at(n, 0.08)));
  s.line(at(n, 0.82), at(n, 0.18), at(n, 0.45), at(n, 0.55));
  s.setPenColor(kInk);
  s.setPenWidth(std::max(3, at(n, 0.14)));
  s.line(at(n, 0.45), at(n, 0.55), at(n, 0.36), at(n, 0.64));
  s.setPenColor(kRed);
  s.setPenWidth(std::max(4, at(n, 0.2)));
  s.line(at(n, 0.34), at(n, 0.66), at(n, 0.2), at(n, 0.8));
  s.setPenWidth(1);
}

void compass(Surface& s, int n) {
  // A circle drawn by a compass whose legs meet at the top.
  s.setPenColor(kBlue);
  s.setPenWidth(2);
  s.arc(n / 2, at(n, 0.62), at(n, 0.3), kPi * 0.9, kPi * 2.1);
  s.setPenColor(kInk);
  s.line(n / 2, at(n, 0.1), at(n, 0.3), at(n, 0.7));
  s.line(n / 2, at(n, 0.1), at(n, 0.7), at(n, 0.7));
  s.setPenWidth(1);
  s.circle(n / 2, at(n, 0.12), 2);
}

}  // namespace

Surface ModePictogram(int mode, int size, Rgb back) {
  Surface s(size, size, back);
  switch (mode & 3) {
    case 0: eye(s, size); break;
    case 1: pencil(s, size); break;
    case 2: brush(s, size); break;
    default: compass(s, size); break;
  }
  return s;
}

Surface SplashRosette(int size) {
  Surface s(size, size, kWhite);
  const int c = size / 2;
  const int r = size / 5;
  s.setPenColor(kBlack);
  for (int k = 0; k < 6; ++k) {
    const double a = k * kPi / 3;
    s.circle(c + int(std::lround(r * std::cos(a))), c + int(std::lround(r * std::sin(a))), r);
  }
  s.circle(c, c, 2 * r);
  // Each petal's tip, between two neighbouring circles' crossings, takes a hue.
  const Rgb petals[] = {kRed, kYellow, kBlue, rgb(60, 170, 80), rgb(150, 70, 170), rgb(240, 130, 40)};
  for (int k = 0; k < 6; ++k) {
    const double a = k * kPi / 3;
    s.floodFill(c + int(std::lround(1.6 * r * std::cos(a))), c + int(std::lround(1.6 * r * std::sin(a))),
                kBlack, petals[k]);
  }
  return s;
}

}  // namespace orn
