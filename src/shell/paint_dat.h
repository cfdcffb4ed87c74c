#pragma once
// "Paint.Dat", the editor's settings file in the program folder: 25 text
// lines read at every editor start and written at every exit.
//
//   1      ReservedSetting1 ReservedSetting2 PrintOrientation LineWidth
//   2      SnapSize DatFlag PrintQuality DrawCursor
//   3-6    the four recent pictures, one full path a line (may be empty)
//   7-9    0 (place holders, read and dropped)
//   10-25  the sixteen custom colours, RGB with red in the low byte
//
// The four numbers of lines 1 and 2 stand in columns 1, 15, 29 and 43.
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "canvas/mouse_engine.h"
#include "colour/colour_state.h"
#include "platform/core/file_replace.h"

namespace orn {

inline constexpr const char* kPaintDatName = "Paint.Dat";

struct EditorSettings {
  int ReservedSetting1 = 1;
  int ReservedSetting2 = 0;
  int PrintOrientation = 0;  // 0 portrait, 1 landscape
  int LineWidth = 1;         // 1 .. 20 pixels
  int SnapSize = 3;          // 0 .. 10
  int DatFlag = -1;
  int PrintQuality = 1;      // 1 draft .. 4 high
  int DrawCursor = kPointerCross;
  std::array<std::string, 4> RecentFiles;
  std::array<Rgb, kCustomColorCount> CustomPalette{};

  bool operator==(const EditorSettings&) const = default;
};

// The settings an editor starts with when the file cannot be read: the
// custom colours set back to the base colours, no recent files, and the
// print orientation it already had.
EditorSettings DefaultEditorSettings(int printOrientation, bool ditheredDisplay);

struct PaintDatRead {
  EditorSettings settings;
  bool fromFile = false;  // false: the defaults were taken
};

// Reads the file. Any fault (no file, a missing line, a value that is not a
// number or is out of range) gives the defaults, silently; the print
// orientation then keeps what line 1 held when line 1 was sound, else
// `printOrientation`. A stored print quality of 0 is read as 1.
PaintDatRead ReadPaintDat(const std::filesystem::path& file, int printOrientation,
                          bool ditheredDisplay);

// The file's text, byte for byte.
std::string PaintDatText(const EditorSettings& s);

// Writes the file through a temporary file; an error text on failure.
std::optional<std::string> WritePaintDat(const std::filesystem::path& file, const EditorSettings& s,
                                         SaveFileSystem& files = RealFileSystem());

}  // namespace orn
