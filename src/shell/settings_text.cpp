#include "shell/settings_text.h"

#include <cstdint>
#include <span>

#include "model/file_util.h"
#include "platform/core/file_read.h"
#include "shell/error_report.h"

namespace orn {

std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& file,
                                                      std::size_t maxLines) {
  // Each line with its CR LF; one byte more, so that a longer file shows.
  const std::size_t maxBytes = maxLines * (kMaxSettingsLine + 2);
  const FileBytes read = ReadRegularFile(file, maxBytes + 1);
  if (!read.ok() || read.bytes.size() > maxBytes) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  const auto take = [&lines, &line] {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > kMaxSettingsLine) return false;
    lines.push_back(std::move(line));
    line.clear();
    return true;
  };
  for (std::size_t i = 0; i < read.bytes.size(); ++i) {
    const char c = static_cast<char>(read.bytes[i]);
    if (c != '\n') {
      line += c;
    } else if (!take()) {
      return std::nullopt;
    }
  }
  if (!line.empty() && !take()) return std::nullopt;
  return lines;
}

std::optional<std::vector<long long>> ParseNumbers(const std::string& line, std::size_t count,
                                                   long long lo, long long hi) {
  std::vector<long long> out;
  std::size_t i = 0;
  const auto separator = [](char c) { return c == ' ' || c == '\t' || c == ','; };
  while (i < line.size()) {
    while (i < line.size() && separator(line[i])) ++i;
    if (i == line.size()) break;
    std::size_t j = i;
    bool negative = false;
    if (line[j] == '-' || line[j] == '+') negative = line[j++] == '-';
    long long v = 0;
    const std::size_t digits = j;
    // Values are bounded well inside long long: longer numbers are out of range anyway.
    while (j < line.size() && line[j] >= '0' && line[j] <= '9' && j - digits < 12)
      v = v * 10 + (line[j++] - '0');
    if (j == digits || (j < line.size() && !separator(line[j]))) return std::nullopt;
    if (negative) v = -v;
    if (v < lo || v > hi) return std::nullopt;
    out.push_back(v);
    i = j;
  }
  if (out.size() != count) return std::nullopt;
  return out;
}

std::string NameLine(const std::string& name) { return HoldsLineBreak(name) ? std::string() : name; }

std::string NumberField(long long n) { return NumberText(n) + " "; }

std::optional<std::string> WriteTextFile(const std::filesystem::path& file, const std::string& text,
                                         SaveFileSystem& files) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  // A settings file is the program's own, in its folder: a link there is
  // replaced, never written through.
  return ReplaceFile(file, std::span<const std::uint8_t>(bytes, text.size()), files, AtLink::Replace);
}

}  // namespace orn
