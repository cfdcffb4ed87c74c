#include "colour/base_colors.h"

#include "colour/colour_table.h"

namespace orn {

Rgb BaseColor(int n) {
  static constexpr std::array<Rgb, 16> kBase = {
      0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
      0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  return kBase[static_cast<std::size_t>(n & 15)];
}

std::array<Rgb, kCustomColorCount> BaseCustomPalette(bool ditheredDisplay) {
  std::array<Rgb, kCustomColorCount> p{};
  for (int i = 0; i < 8; ++i) {
    p[static_cast<std::size_t>(i)] = BaseColor(i + 8);
    p[static_cast<std::size_t>(i + 8)] = BaseColor(i);
  }
  if (!ditheredDisplay) p[8] = kNearBlack;
  return p;
}

}  // namespace orn
