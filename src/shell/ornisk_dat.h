#pragma once
// "Ornisk.Dat", the main menu's settings file in the program folder: five
// text lines read at start-up and written when the program ends.
//
//   1  the working folder at exit
//   2  StartMode
//   3  MenuMode MenuArtType
//   4  PrintOrientation
//   5  the file's own full path (never read)
#include <filesystem>
#include <optional>
#include <string>

#include "platform/core/file_replace.h"

namespace orn {

inline constexpr const char* kOrniskDatName = "Ornisk.Dat";

struct MenuSettings {
  std::string LastFolder;
  int StartMode = 0;
  int MenuMode = 0;     // kept as read; the menu takes its two lowest bits
  int MenuArtType = 0;  // the same
  int PrintOrientation = 0;
};

// Reads the file into `s` line by line and stops at the first fault,
// keeping what was read before it; StartMode is taken only when lines 1 to 4
// were all sound. A print orientation other than 0 or 1 reads as 0. True
// when lines 1 to 4 were read.
bool ReadOrniskDat(const std::filesystem::path& file, MenuSettings& s);

// The file's text; `ownPath` is written as line 5.
std::string OrniskDatText(const MenuSettings& s, const std::string& ownPath);

// Writes the file through a temporary file; an error text on failure.
std::optional<std::string> WriteOrniskDat(const std::filesystem::path& file, const MenuSettings& s,
                                          SaveFileSystem& files = RealFileSystem());

}  // namespace orn
