// The settings files "Ornisk.Dat" and "Paint.Dat": any bytes are read or
// give the defaults; settings that were read write back to a text that
// reads as the same settings.
#include "fuzz/fuzz_support.h"
#include "shell/ornisk_dat.h"
#include "shell/paint_dat.h"

namespace orn::fuzz {

namespace {

std::span<const std::uint8_t> BytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

void OrniskDatTarget(std::span<const std::uint8_t> bytes) {
  MemoryFile file;
  MenuSettings s;
  if (!ReadOrniskDat(file.hold(bytes), s)) return;
  FUZZ_CHECK(s.PrintOrientation == 0 || s.PrintOrientation == 1);
  MenuSettings again;
  FUZZ_CHECK(ReadOrniskDat(file.hold(BytesOf(OrniskDatText(s, "/home/u/Ornisk.Dat"))), again));
  FUZZ_CHECK(again.LastFolder == s.LastFolder && again.StartMode == s.StartMode && again.MenuMode == s.MenuMode &&
             again.MenuArtType == s.MenuArtType && again.PrintOrientation == s.PrintOrientation);
}

void PaintDatTarget(std::span<const std::uint8_t> bytes) {
  MemoryFile file;
  const PaintDatRead read = ReadPaintDat(file.hold(bytes), 1, false);
  const EditorSettings& s = read.settings;
  FUZZ_CHECK(s.LineWidth >= 1 && s.LineWidth <= 20 && s.SnapSize >= 0 && s.SnapSize <= 10);
  FUZZ_CHECK(s.PrintQuality >= 1 && s.PrintQuality <= 4 && (s.PrintOrientation == 0 || s.PrintOrientation == 1));
  for (Rgb c : s.CustomPalette) FUZZ_CHECK(c <= 0xFFFFFF);
  if (!read.fromFile) return;
  const PaintDatRead again = ReadPaintDat(file.hold(BytesOf(PaintDatText(s))), 0, true);
  FUZZ_CHECK(again.fromFile && again.settings == s);
}

}  // namespace orn::fuzz
