#pragma once
// The text form shared by the two settings files: lines ended by CR LF
// (LF alone is read too), numbers as decimal text separated by blanks or
// commas, and a whole-file write that never leaves a half-written file.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/file_replace.h"

namespace orn {

// The longest line a settings file holds: a path, which the system keeps
// below 4096 bytes; read as text, each of its bytes may become one character
// of up to four bytes.
constexpr std::size_t kMaxSettingsLine = 4 * 4096;

// The lines of a text file without their line ends; nothing when the file
// cannot be read, or is longer than `maxLines` lines of kMaxSettingsLine
// bytes or holds a longer line: no settings file the program writes is, so
// only that much of it is ever read. A last line without a line end counts.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& file,
                                                      std::size_t maxLines);

// The `count` integers of a line, each within [lo, hi]. Numbers are separated
// by blanks, tabs or commas. Nothing when the line holds another count of
// numbers, something that is not an integer, or a value out of range.
std::optional<std::vector<long long>> ParseNumbers(const std::string& line, std::size_t count,
                                                   long long lo, long long hi);

// A name as a line of a settings file holds it: the name itself, or an empty
// line when it holds a line break, which would shift every line after it.
// The readers take a name through it too.
std::string NameLine(const std::string& name);

// A number as the files write it: a blank (or the minus sign), the digits
// and one blank: " 3 ", "-1 ".
std::string NumberField(long long n);

// Writes `text` to a temporary file beside `file` and renames it over it
// (a link under the name is replaced, not written through: the settings
// files are the program's own). An error text when the file could not be
// written; the old file is then untouched.
std::optional<std::string> WriteTextFile(const std::filesystem::path& file, const std::string& text,
                                         SaveFileSystem& files = RealFileSystem());

}  // namespace orn
