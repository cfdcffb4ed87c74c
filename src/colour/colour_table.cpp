#include "colour/colour_table.h"

#include <algorithm>

#include "platform/core/file_read.h"

namespace orn {

namespace {

// Rows of shades 0-7, light to dark; shade 8 is unused and stays 0.
constexpr std::int32_t kRows[kHueCount][8] = {
    // 0, 1: grays
    {0xFFFFFF, 0xDFDFDF, 0xBFBFBF, 0x9F9F9F, 0x808080, 0x606060, 0x404040, 0x202020},
    {0xFFFFFF, 0xDFDFDF, 0xBFBFBF, 0x9F9F9F, 0x808080, 0x606060, 0x404040, 0x202020},
    // 2, 3: browns (hue 30 degrees, saturation 0.5)
    {0xD9E6F2, 0xB3CCE6, 0x8CB2D9, 0x6699CC, 0x4080BF, 0x336699, 0x264C73, 0x19334D},
    {0xD9E6F2, 0xB3CCE6, 0x8CB2D9, 0x6699CC, 0x4080BF, 0x336699, 0x264C73, 0x19334D},
    // 4, 5: the bright base colours
    {0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF},
    {0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF},
    // 6, 7: the dark base colours, black shipped as the near-black
    {0x202020, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0},
    {0x202020, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0},
    // 8-19: the wheel, 30 degrees apart from red; shade 4 is the pure hue
    {0xCCCCFF, 0x9999FF, 0x6666FF, 0x3333FF, 0x0000FF, 0x0000CC, 0x000099, 0x000066},
    {0xCCE6FF, 0x99CCFF, 0x66B2FF, 0x3399FF, 0x0080FF, 0x0066CC, 0x004C99, 0x003366},
    {0xCCFFFF, 0x99FFFF, 0x66FFFF, 0x33FFFF, 0x00FFFF, 0x00CCCC, 0x009999, 0x006666},
    {0xCCFFE6, 0x99FFCC, 0x66FFB2, 0x33FF99, 0x00FF80, 0x00CC66, 0x00994C, 0x006633},
    {0xCCFFCC, 0x99FF99, 0x66FF66, 0x33FF33, 0x00FF00, 0x00CC00, 0x009900, 0x006600},
    {0xE6FFCC, 0xCCFF99, 0xB2FF66, 0x99FF33, 0x80FF00, 0x66CC00, 0x4C9900, 0x336600},
    {0xFFFFCC, 0xFFFF99, 0xFFFF66, 0xFFFF33, 0xFFFF00, 0xCCCC00, 0x999900, 0x666600},
    {0xFFE6CC, 0xFFCC99, 0xFFB266, 0xFF9933, 0xFF8000, 0xCC6600, 0x994C00, 0x663300},
    {0xFFCCCC, 0xFF9999, 0xFF6666, 0xFF3333, 0xFF0000, 0xCC0000, 0x990000, 0x660000},
    {0xFFCCE6, 0xFF99CC, 0xFF66B2, 0xFF3399, 0xFF0080, 0xCC0066, 0x99004C, 0x660033},
    {0xFFCCFF, 0xFF99FF, 0xFF66FF, 0xFF33FF, 0xFF00FF, 0xCC00CC, 0x990099, 0x660066},
    {0xE6CCFF, 0xCC99FF, 0xB266FF, 0x9933FF, 0x8000FF, 0x6600CC, 0x4C0099, 0x330066},
    // 20: tan
    {0xD6E3F5, 0xADC7EB, 0x85ABE0, 0x5C8FD6, 0x3373CC, 0x295CA3, 0x1F457A, 0x142E52},
};

ColourTable makeBuiltIn() {
  ColourTable t;
  for (int h = 0; h < kHueCount; ++h) {
    for (int s = 0; s < 8; ++s) t.cells[h][s] = kRows[h][s];
  }
  return t;
}

}  // namespace

const ColourTable& BuiltInColorTable() {
  static const ColourTable table = makeBuiltIn();
  return table;
}

StandardColorsBytes EncodeColorTable(const ColourTable& table) {
  StandardColorsBytes out{};
  std::size_t k = 0;
  for (int h = 0; h < kHueCount; ++h) {
    for (int s = 0; s < kShadeCount; ++s) {
      const auto v = static_cast<std::uint32_t>(table.cells[h][s]);
      for (int b = 0; b < 4; ++b) out[k++] = static_cast<std::uint8_t>(v >> (8 * b));
    }
  }
  return out;
}

ColourTable DecodeColorTable(const StandardColorsBytes& bytes) {
  ColourTable t;
  std::size_t k = 0;
  for (int h = 0; h < kHueCount; ++h) {
    for (int s = 0; s < kShadeCount; ++s) {
      std::uint32_t v = 0;
      for (int b = 0; b < 4; ++b) v |= std::uint32_t(bytes[k++]) << (8 * b);
      t.cells[h][s] = static_cast<std::int32_t>(v);
    }
  }
  return t;
}

std::optional<ColourTable> ReadColorTableFile(const std::filesystem::path& path) {
  // One byte more than a table, so that a longer file, not ours either, shows.
  const FileBytes read = ReadRegularFile(path, kStandardColorsFileSize + 1);
  if (!read.ok() || read.bytes.size() != kStandardColorsFileSize) return std::nullopt;
  StandardColorsBytes bytes{};
  std::copy(read.bytes.begin(), read.bytes.end(), bytes.begin());
  return DecodeColorTable(bytes);
}

bool WriteColorTableFile(const std::filesystem::path& path, const ColourTable& table, std::string* why,
                         SaveFileSystem& files) {
  const StandardColorsBytes bytes = EncodeColorTable(table);
  // The standard colours file is the program's own, in its folder: a link
  // there is replaced, never written through.
  const std::optional<std::string> e = ReplaceFile(path, bytes, files, AtLink::Replace);
  if (e && why) *why = *e;
  return !e;
}

void SubstituteNearBlack(ColourTable& table, bool ditheredDisplay) {
  if (ditheredDisplay) return;
  for (auto& row : table.cells) {
    if (row[0] == 0) row[0] = static_cast<std::int32_t>(kNearBlack);
  }
}

}  // namespace orn
