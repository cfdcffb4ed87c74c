#pragma once
// Exact integer helpers shared by the rasterisers. Pixel sets are decided
// with whole numbers so that the same figure always gives the same pixels;
// 128-bit arithmetic covers coordinates anywhere in the int range.
#include <cmath>
#include <cstdint>

namespace orn::raster {

__extension__ typedef __int128 i128;
__extension__ typedef unsigned __int128 u128;

// Floor and ceiling of a / b for any signs (b != 0).
template <class T>
constexpr T floorDiv(T a, T b) {
  T q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}
template <class T>
constexpr T ceilDiv(T a, T b) {
  T q = a / b;
  if ((a % b != 0) && ((a < 0) == (b < 0))) ++q;
  return q;
}

// Largest s with s * s <= n (n >= 0).
inline std::int64_t isqrt(std::int64_t n) {
  if (n <= 0) return 0;
  auto s = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
  while (s > 0 && s * s > n) --s;
  while ((s + 1) * (s + 1) <= n) ++s;
  return s;
}
inline i128 isqrt(i128 n) {
  if (n <= 0) return 0;
  auto s = static_cast<i128>(std::sqrt(static_cast<long double>(n)));
  while (s > 0 && s * s > n) --s;
  while ((s + 1) * (s + 1) <= n) ++s;
  return s;
}

template <class T>
constexpr T tmin(T a, T b) { return a < b ? a : b; }
template <class T>
constexpr T tmax(T a, T b) { return a < b ? b : a; }

}  // namespace orn::raster
