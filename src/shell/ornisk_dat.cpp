#include "shell/ornisk_dat.h"

#include "shell/settings_text.h"

namespace orn {

namespace {
constexpr long long kInt16Min = -32768;
constexpr long long kInt16Max = 32767;
constexpr std::size_t kLineCount = 5;
}  // namespace

bool ReadOrniskDat(const std::filesystem::path& file, MenuSettings& s) {
  const auto lines = ReadTextLines(file, kLineCount);
  if (!lines || lines->empty()) return false;
  const auto& L = *lines;
  // The folder is the whole line: a comma in a folder name is part of it.
  s.LastFolder = NameLine(L[0]);
  if (L.size() < 2) return false;
  const auto start = ParseNumbers(L[1], 1, kInt16Min, kInt16Max);
  if (!start || L.size() < 3) return false;
  const auto rows = ParseNumbers(L[2], 2, kInt16Min, kInt16Max);
  if (!rows) return false;
  s.MenuMode = int((*rows)[0]);
  s.MenuArtType = int((*rows)[1]);
  if (L.size() < 4) return false;
  const auto orientation = ParseNumbers(L[3], 1, kInt16Min, kInt16Max);
  if (!orientation) return false;
  s.PrintOrientation = (*orientation)[0] == 1 ? 1 : 0;
  s.StartMode = int((*start)[0]);
  return true;
}

std::string OrniskDatText(const MenuSettings& s, const std::string& ownPath) {
  const std::string eol = "\r\n";
  return NameLine(s.LastFolder) + eol + NumberField(s.StartMode) + eol + NumberField(s.MenuMode) +
         NumberField(s.MenuArtType) + eol + NumberField(s.PrintOrientation) + eol + NameLine(ownPath) + eol;
}

std::optional<std::string> WriteOrniskDat(const std::filesystem::path& file, const MenuSettings& s,
                                          SaveFileSystem& files) {
  return WriteTextFile(file, OrniskDatText(s, file.string()), files);
}

}  // namespace orn
