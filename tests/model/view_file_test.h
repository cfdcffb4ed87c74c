#pragma once
// Hand-made view files: records of four reals, written as IEEE singles or in
// the older four-byte format, encoded here independently of the reader.
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "model/picture_test_support.h"

namespace orn::test {

struct ViewBytes {
  std::vector<std::array<float, 4>> records;
  bool oldFormat = false;

  ViewBytes& rec(float a, float b, float c, float d) {
    records.push_back({a, b, c, d});
    return *this;
  }
  // Ends the file with the record that names its format.
  ViewBytes& mark() { return rec(0, 0, oldFormat ? 0.0f : 501.0f, 0); }
  std::vector<std::uint8_t> bytes() const {
    Bytes out;
    for (const auto& r : records)
      for (float v : r) {
        if (!oldFormat) {
          out.f(v);
          continue;
        }
        // Mantissa low to high, the sign in bit 7 of byte 2, then the
        // exponent (IEEE's + 2); zero is four zero bytes.
        int e = 0;
        const double m = std::frexp(std::fabs(double(v)), &e);
        const auto bits = static_cast<std::uint32_t>(std::ldexp(m, 24)) & 0x7FFFFF;
        const std::uint8_t b[4] = {std::uint8_t(bits), std::uint8_t(bits >> 8),
                                   std::uint8_t((bits >> 16) | (v < 0 ? 0x80 : 0)), std::uint8_t(e + 128)};
        for (int k = 0; k < 4; ++k) out.b.push_back(v == 0 ? 0 : b[k]);
      }
    return out.b;
  }
};

// Two lines (0,0)-(100,0) and (100,0)-(100,50) after the header marker, then
// the extent 0..100 x 0..50 and the format's record.
inline ViewBytes TwoLineView(bool oldFormat) {
  ViewBytes v;
  v.oldFormat = oldFormat;
  v.rec(0, 0, 0, 0).rec(-9988, 0, 0, 2).rec(0, 0, 100, 0).rec(100, 0, 100, 50).rec(0, 100, 0, 50);
  return v.mark();
}

// A view of `lines` horizontal lines (0,k)-(100,k) after the header marker,
// then its extent and the format's record.
inline ViewBytes ViewOfLines(int lines) {
  ViewBytes v;
  v.rec(0, 0, 0, 0).rec(-9988, 0, 0, float(lines));
  for (int k = 0; k < lines; ++k) v.rec(0, float(k), 100, float(k));
  return v.rec(0, 100, 0, float(lines)).mark();
}

}  // namespace orn::test
