#pragma once
// The table of standard colours: 21 hues by 9 shades of RGB values, and the
// file "Standard.Clr" that holds it.
//
// Hues 0-7 are four pairs of equal rows (grays, browns, the bright and the
// dark base colours), hues 8-19 the twelve steps of the colour wheel, hue 20
// one further row. Only shades 0-7 are painted with; shade 8 is carried
// through the file.
//
// "Standard.Clr" is exactly 756 bytes: for hue 0 to 20 one record of nine
// 32-bit little-endian colour values, shade 0 first. No header.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/core/file_replace.h"

#include "platform/core/surface.h"

namespace orn {

constexpr int kHueCount = 21;
constexpr int kShadeCount = 9;
constexpr std::size_t kStandardColorsFileSize = kHueCount * kShadeCount * 4;  // 756
constexpr const char* kStandardColorsFileName = "Standard.Clr";
// The near-black that stands for black in a fill, so that a painted region
// never turns into the black border at which flood fills stop.
constexpr Rgb kNearBlack = 0x202020;

struct ColourTable {
  // cells[hue][shade], each a 32-bit colour value as the file stores it.
  std::array<std::array<std::int32_t, kShadeCount>, kHueCount> cells{};

  // The colour of (shade, hue); 0 for a cell outside the table.
  Rgb operator()(int shade, int hue) const {
    if (shade < 0 || shade >= kShadeCount || hue < 0 || hue >= kHueCount) return 0;
    return static_cast<Rgb>(cells[hue][shade]) & 0xFFFFFF;
  }
  void set(int shade, int hue, Rgb c) {
    if (shade < 0 || shade >= kShadeCount || hue < 0 || hue >= kHueCount) return;
    cells[hue][shade] = static_cast<std::int32_t>(c);
  }
  bool operator==(const ColourTable&) const = default;
};

// The table the program ships with (the contents of the installed file).
const ColourTable& BuiltInColorTable();

using StandardColorsBytes = std::array<std::uint8_t, kStandardColorsFileSize>;
StandardColorsBytes EncodeColorTable(const ColourTable& table);
ColourTable DecodeColorTable(const StandardColorsBytes& bytes);

// Reads a colour file; empty when it is missing, unreadable or not exactly
// 756 bytes long (a short file must never yield a table padded with black).
std::optional<ColourTable> ReadColorTableFile(const std::filesystem::path& path);

// Writes the table as ReplaceFile does, so a failed write never leaves a
// damaged file behind; a link under the name is replaced, not written
// through (the file is the program's own). False on failure, with what went
// wrong in `why`.
bool WriteColorTableFile(const std::filesystem::path& path, const ColourTable& table,
                         std::string* why = nullptr, SaveFileSystem& files = RealFileSystem());

// The rule applied whenever the table is read: a shade-0 cell of exact black
// becomes the near-black, unless the display dithers colours (then it could
// not show the near-black exactly and black stays black).
void SubstituteNearBlack(ColourTable& table, bool ditheredDisplay);

}  // namespace orn
