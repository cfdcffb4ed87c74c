#include "shell/paint_dat.h"

#include "colour/base_colors.h"
#include "shell/settings_text.h"

namespace orn {

namespace {

constexpr long long kInt16Min = -32768;
constexpr long long kInt16Max = 32767;
constexpr int kMaxLineWidth = 20;
constexpr int kMaxSnap = 10;
constexpr int kMaxPrintQuality = 4;
constexpr long long kMaxRgb = 0xFFFFFF;
constexpr std::size_t kLineCount = 25;
constexpr std::size_t kZoneWidth = 14;

bool knownCursor(long long c) { return c == kPointerArrow || c == kPointerCross || c == kPointerUpArrow; }

// Four numbers in print zones of 14 columns; the last one unpadded.
std::string zonedLine(const std::array<int, 4>& v) {
  std::string line;
  for (std::size_t i = 0; i < v.size(); ++i) {
    std::string field = NumberField(v[i]);
    if (i + 1 < v.size() && field.size() < kZoneWidth) field.resize(kZoneWidth, ' ');
    line += field;
  }
  return line;
}

}  // namespace

EditorSettings DefaultEditorSettings(int printOrientation, bool ditheredDisplay) {
  EditorSettings s;
  s.PrintOrientation = printOrientation;
  s.CustomPalette = BaseCustomPalette(ditheredDisplay);
  return s;
}

PaintDatRead ReadPaintDat(const std::filesystem::path& file, int printOrientation,
                          bool ditheredDisplay) {
  PaintDatRead r{DefaultEditorSettings(printOrientation, ditheredDisplay), false};
  const auto lines = ReadTextLines(file, kLineCount);
  if (!lines || lines->empty()) return r;
  const auto& L = *lines;

  const auto first = ParseNumbers(L[0], 4, kInt16Min, kInt16Max);
  if (!first || (*first)[2] < 0 || (*first)[2] > 1 || (*first)[3] < 1 || (*first)[3] > kMaxLineWidth)
    return r;
  // From here a fault still keeps line 1's print orientation.
  r.settings.PrintOrientation = int((*first)[2]);
  if (L.size() < kLineCount) return r;

  const auto second = ParseNumbers(L[1], 4, kInt16Min, kInt16Max);
  if (!second || (*second)[0] < 0 || (*second)[0] > kMaxSnap || (*second)[2] < 0 ||
      (*second)[2] > kMaxPrintQuality || !knownCursor((*second)[3]))
    return r;
  for (std::size_t i = 7 - 1; i < 9; ++i)
    if (!ParseNumbers(L[i], 1, kInt16Min, kInt16Max)) return r;
  EditorSettings s = r.settings;
  for (std::size_t i = 0; i < s.CustomPalette.size(); ++i) {
    const auto c = ParseNumbers(L[9 + i], 1, 0, kMaxRgb);
    if (!c) return r;
    s.CustomPalette[i] = Rgb((*c)[0]);
  }
  s.ReservedSetting1 = int((*first)[0]);
  s.ReservedSetting2 = int((*first)[1]);
  s.LineWidth = int((*first)[3]);
  s.SnapSize = int((*second)[0]);
  s.DatFlag = int((*second)[1]);
  s.PrintQuality = (*second)[2] == 0 ? 1 : int((*second)[2]);
  s.DrawCursor = int((*second)[3]);
  for (std::size_t i = 0; i < s.RecentFiles.size(); ++i) s.RecentFiles[i] = NameLine(L[2 + i]);
  return {s, true};
}

std::string PaintDatText(const EditorSettings& s) {
  const std::string eol = "\r\n";
  std::string t;
  t += zonedLine({s.ReservedSetting1, s.ReservedSetting2, s.PrintOrientation, s.LineWidth}) + eol;
  t += zonedLine({s.SnapSize, s.DatFlag, s.PrintQuality, s.DrawCursor}) + eol;
  for (const auto& f : s.RecentFiles) t += NameLine(f) + eol;
  for (int i = 0; i < 3; ++i) t += NumberField(0) + eol;
  for (Rgb c : s.CustomPalette) t += NumberField(static_cast<long long>(c)) + eol;
  return t;
}

std::optional<std::string> WritePaintDat(const std::filesystem::path& file, const EditorSettings& s,
                                         SaveFileSystem& files) {
  return WriteTextFile(file, PaintDatText(s), files);
}

}  // namespace orn
