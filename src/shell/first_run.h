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

#include "platform/core/app_folder.h"
#include "platform/core/file_replace.h"
#include "shell/app_state.h"

namespace orn {

inline constexpr const char* kStaticFolderName = "STATIC";
// The sample whose presence in the program folder marks a first run.
inline constexpr const char* kFirstRunMarker = "OVmod4a.pnt";

// True while the program folder still holds the samples (the first run).
bool SamplesAwaitMove(const std::filesystem::path& appFolder);

// A file that could not be put into the program folder, and why.
struct FileFailure {
  std::string file;    // its name in the program folder ("STATIC/OVPP1A.PNT")
  std::string reason;  // the error met ("No space left on device")
};

struct FirstRunResult {
  int moved = 0;
  // Each file that could not be moved; it stays where it was.
  std::vector<FileFailure> failures;
};

// Moves the files. Each file is renamed where it goes, or, where that is on
// another disk, copied first, as a file is saved (through a temporary
// renamed into place, so that no copy is ever seen cut), keeping its time as
// a move does (so the previews in the program folder stay current for the
// samples they were rendered from), and deleted only once its copy is
// complete, so a file that cannot be copied is never lost; the list of files
// is taken once, so a file that cannot be deleted is not met again. The
// first run's marker moves last, once the other moves are on the disk, so
// that a start killed half-way leaves the rest to the next. A file that
// another start moved meanwhile is no failure.
// An existing "STATIC" folder is used as it is. Wallpaper bitmaps move only
// when `wallpaperFolder` is given (and exists or can be made); otherwise
// they stay. `saves` writes the copies.
FirstRunResult MoveSamplesIntoStatic(const std::filesystem::path& appFolder,
                                     const std::optional<std::filesystem::path>& wallpaperFolder,
                                     SaveFileSystem& saves = RealFileSystem());

struct AddedFiles {
  int added = 0;
  // Each file that could not be added.
  std::vector<FileFailure> failures;
};

// Adds to the program folder each file of the installed data it lacks, so
// that a folder made by an earlier or partial install gets what this one
// brings: a sample or thumbnail goes into "STATIC" (unless it still waits in
// the program folder for the first run's move), every other file (previews,
// the colour file, help pages) to its own place. A file the user has is never
// replaced, whatever its content; only a help page that differs from the
// installed one is, as the pages are the program's and not the user's, and
// a copy that was cut short (empty, or the installed file's beginning only),
// which a start killed while copying or a full disk left, counts as missing.
// Each copy is written as a file is saved, so that it is whole or absent;
// it keeps the file's time. Names are matched without regard to case. A file
// that another start put in place meanwhile is no failure. `saves` writes
// the copies.
AddedFiles AddMissingInstalledFiles(const std::filesystem::path& appFolder,
                                    const std::filesystem::path& installed,
                                    SaveFileSystem& saves = RealFileSystem());

// Takes the program folder prepared for this run into `state`. A folder that
// could not be made, or that others could change, is not used at all: the
// program then has no folder (every folder name empty) and tells why.
void TakeProgramFolder(AppState& state, const AppFolderResult& folder);

// The message that tells the user what is wrong with the program folder
// taken into `app` (its AppFolderError names the folder, the reason and what
// to do): a folder not used at all, or one used but not written to.
std::string FolderProblemText(const AppState& app);

// The message for a sample picture asked for while the program has no
// folder to take it from (see TakeProgramFolder).
std::string NoSamplesText(const AppState& app);

// The message that names the files that could not be put into the program
// folder `appFolder`: each reason once, with its count and its first few
// files, so that the box fits a screen however many failed.
std::string FailedFilesText(const std::string& appFolder, const std::vector<FileFailure>& failures);

}  // namespace orn
