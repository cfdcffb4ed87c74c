#pragma once
// The first run's set-up of the program folder: the sample pictures and
// their thumbnails ("OV*.PNT", "OV*.BMP") move from the program folder into
// its "STATIC" folder, and the wallpaper bitmaps ("-*.BMP") into the
// wallpaper folder.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orn {

inline constexpr const char* kStaticFolderName = "STATIC";
// The sample whose presence in the program folder marks a first run.
inline constexpr const char* kFirstRunMarker = "OVmod4a.pnt";

// True while the program folder still holds the samples (the first run).
bool SamplesAwaitMove(const std::filesystem::path& appFolder);

struct FirstRunResult {
  int moved = 0;
  // One line per file that could not be moved; it stays where it was.
  std::vector<std::string> failures;
};

// Moves the files. Each file is copied first, keeping its time as a move
// does (so the previews in the program folder stay current for the samples
// they were rendered from), and deleted only once its copy is complete, so a
// file that cannot be copied is never lost; the list of files is taken once,
// so a file that cannot be deleted is not met again.
// An existing "STATIC" folder is used as it is. Wallpaper bitmaps move only
// when `wallpaperFolder` is given (and exists or can be made); otherwise
// they stay.
FirstRunResult MoveSamplesIntoStatic(const std::filesystem::path& appFolder,
                                     const std::optional<std::filesystem::path>& wallpaperFolder);

}  // namespace orn
