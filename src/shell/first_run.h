#pragma once
// The set-up of the program folder at each start. On the first run the
// sample pictures and their thumbnails ("OV*.PNT", "OV*.BMP") move from the
// program folder into its "STATIC" folder, and the wallpaper bitmaps
// ("-*.BMP") into the wallpaper folder; at every start the folder gets the
// installed files it lacks.
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

struct AddedFiles {
  int added = 0;
  // One line per file that could not be added.
  std::vector<std::string> failures;
};

// Adds to the program folder each file of the installed data it lacks, so
// that a folder made by an earlier or partial install gets what this one
// brings: a sample or thumbnail goes into "STATIC" (unless it still waits in
// the program folder for the first run's move), every other file (previews,
// the colour file, help pages) to its own place. A file the user has is never
// replaced, whatever its content; only a help page that differs from the
// installed one is, as the pages are the program's and not the user's.
// Names are matched without regard to case; copies keep the files' times.
AddedFiles AddMissingInstalledFiles(const std::filesystem::path& appFolder,
                                    const std::filesystem::path& installed);

// The message that tells the user the program folder cannot be used, with
// `error`, which names the folder and the reason.
std::string FolderProblemText(const std::string& error);

}  // namespace orn
