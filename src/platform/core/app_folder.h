#pragma once
// The program folder and file names.
//
// The program keeps its settings, colour file, sample pictures and scratch
// files in one writable per-user folder, $XDG_DATA_HOME/ornivale/ (by default
// ~/.local/share/ornivale/). The first start creates it and seeds it with a
// copy of the installed, read-only data (samples, help pages, default files).
//
// The program's own file names come in fixed spellings ("Standard.Clr",
// "OV*.PNT") while the files on disk may be spelt in another case, so names
// are found without regard to case, and paths the program compares are
// compared in one upper-cased form with '\' separators.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orn {

namespace fs = std::filesystem;

// The per-user program folder for the given environment values (either may
// be null or empty). XDG_DATA_HOME counts only when it is an absolute path.
fs::path userProgramFolder(const char* xdgDataHome, const char* home);

// The first of `candidates` that is an existing folder: the installed data
// beside the executable or under the install prefix's share folder.
std::optional<fs::path> findInstalledData(const std::vector<fs::path>& candidates);

// The usual places of the installed data for an executable in `exeDir`:
// exeDir/data, exeDir/../share/ornivale, exeDir/share/ornivale.
std::vector<fs::path> installedDataCandidates(const fs::path& exeDir);

enum class FolderState { Existing, Created, Failed };

struct AppFolderResult {
  FolderState state = FolderState::Failed;
  fs::path folder;     // the program folder
  // Why the folder cannot be made (state Failed) or cannot be written to
  // (state Existing or Created), for the user; empty when it is usable.
  std::string error;
};

// Makes sure the program folder exists. When it does not, it is built under a
// temporary name next to it, filled with a copy of `installed` (when given and
// present) and then renamed into place, so an interrupted first start never
// leaves a half-seeded folder behind. An existing folder is left as it is.
// Either way the folder is then tried for writing.
AppFolderResult prepareAppFolder(const fs::path& folder, const std::optional<fs::path>& installed);

// Why no file can be written into `folder` (a file is made and removed
// again); nothing when one can.
std::optional<std::string> folderWriteError(const fs::path& folder);

// Copies a file as fs::copy_file does and gives the copy the original's
// modification time, as a move would: whatever compares files by their times
// (a preview against its sample) sees the copy as it saw the original. A time
// that cannot be set is no error; the copy is whole.
void copyFileKeepingTime(const fs::path& from, const fs::path& to, fs::copy_options options,
                         std::error_code& ec);

// Copies an installed file into the program folder, keeping its time, and
// makes the copy writable for the user: installed data is often read-only,
// but the copies are the user's own to change.
void copyInstalledFile(const fs::path& from, const fs::path& to, fs::copy_options options,
                       std::error_code& ec);

// The folder as the program's folder strings hold it: with a trailing separator.
std::string withTrailingSeparator(const fs::path& folder);

// ASCII upper case, the case the program compares names in.
std::string upperAscii(std::string s);

// The form in which the program compares paths: upper-cased, '/' turned into '\'.
std::string comparisonForm(const std::string& path);

// True when `path` ends in `ext` (for example ".PNT"), ignoring case.
bool hasExtension(const std::string& path, const std::string& ext);

// True when `name` matches `pattern` ('*' any run, '?' one character),
// ignoring case.
bool matchesNoCase(const std::string& name, const std::string& pattern);

// The entry of `dir` named `name` ignoring case, preferring the exact
// spelling; nothing when there is none.
std::optional<fs::path> findNoCase(const fs::path& dir, const std::string& name);

// The existing file or folder that `path` names when each part is matched
// ignoring case (the path itself when it exists); nothing when there is none.
std::optional<fs::path> resolveNoCase(const fs::path& path);

// The regular files of `dir` whose names match `pattern` ignoring case,
// sorted by name. An unreadable or missing folder gives an empty list.
std::vector<fs::path> listNoCase(const fs::path& dir, const std::string& pattern);

}  // namespace orn
