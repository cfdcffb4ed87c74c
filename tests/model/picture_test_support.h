#pragma once
// A byte builder for hand-made picture files.
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "support/scratch_folder.h"

namespace orn::test {

// Little-endian 32-bit floats, one after another, as a picture file holds them.
struct Bytes {
  std::vector<std::uint8_t> b;
  Bytes& f(float v) {
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    for (int k = 0; k < 4; ++k) b.push_back(static_cast<std::uint8_t>(u >> (8 * k)));
    return *this;
  }
  Bytes& fs(std::initializer_list<float> vs) { for (float v : vs) f(v); return *this; }
  Bytes& zeros(int n) { for (int k = 0; k < n; ++k) f(0.0f); return *this; }
};

}  // namespace orn::test
