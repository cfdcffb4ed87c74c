#pragma once
// Hand-made view files: records of four reals, written as IEEE singles or in
// the older four-byte binary format, encoded here independently of the
// reader.
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "model/picture_test_support.h"

namespace orn::test {

// The older format's bytes 0..3 of v: mantissa low to high, sign in bit 7 of
// byte 2, exponent (IEEE's + 2) in byte 3; zero is four zero bytes.
inline std::array<std::uint8_t, 4> OldReal(float v) {
  if (v == 0) return {0, 0, 0, 0};
  int e = 0;
  const double m = std::frexp(std::fabs(double(v)), &e);  // 0.5 <= m < 1
  const auto bits = static_cast<std::uint32_t>(std::ldexp(m, 24)) & 0x7FFFFF;
  return {std::uint8_t(bits), std::uint8_t(bits >> 8),
          std::uint8_t((bits >> 16) | (v < 0 ? 0x80 : 0)), std::uint8_t(e + 128)};
}

struct ViewBytes {
  std::vector<std::array<float, 4>> records;
  bool oldFormat = false;

  ViewBytes& rec(float a, float b, float c, float d) {
    records.push_back({a, b, c, d});
    return *this;
  }
  std::vector<std::uint8_t> bytes() const {
    Bytes out;
    for (const auto& r : records) {
      for (float v : r) {
        if (!oldFormat) {
          out.f(v);
        } else {
          const auto b = OldReal(v);
          out.b.insert(out.b.end(), b.begin(), b.end());
        }
      }
    }
    return out.b;
  }
};

// Two lines (0,0)-(100,0) and (100,0)-(100,50) with the header marker, the
// extent 0..100 x 0..50 after them, and a last record that names the format.
inline ViewBytes TwoLineView(bool oldFormat) {
  ViewBytes v;
  v.oldFormat = oldFormat;
  v.rec(0, 0, 0, 0).rec(-9988, 0, 0, 2).rec(0, 0, 100, 0).rec(100, 0, 100, 50).rec(0, 100, 0, 50);
  v.rec(0, 0, oldFormat ? 0.0f : 501.0f, 0);
  return v;
}

}  // namespace orn::test
