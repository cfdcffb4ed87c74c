#pragma once
// The program folder and file names.
//
// The program keeps its settings, colour file, sample pictures and scratch
// files in one writable per-user folder, $XDG_DATA_HOME/ornivale/ (by default
// ~/.local/share/ornivale/, the home folder taken from the password database
// when HOME is not set or is not an absolute path). The first start creates it and seeds it with a copy
// of the installed, read-only data (samples, help pages, default files). A
// folder that others can change is never used.
//
// The program's own file names come in fixed spellings ("Standard.Clr",
// "OV*.PNT") while the files on disk may be spelt in another case, so names
// are found without regard to case, and paths the program compares are
// compared in one upper-cased form with '\' separators.
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "platform/core/file_replace.h"

namespace orn {

namespace fs = std::filesystem;

// The per-user program folder for the given environment values (either may
// be null or empty). Each counts only when it is an absolute path; without
// a home that does, the account's home from the password database serves.
// Nothing when none gives a folder: there is no home folder.
std::optional<fs::path> userProgramFolder(const char* xdgDataHome, const char* home);

// The user's home folder as the password database has it; nothing when it
// has none (or none that is an absolute path).
std::optional<fs::path> accountHome();

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
  // Why the folder cannot be made or may not be used (state Failed: the
  // program then has no folder), or cannot be written to (state Existing or
  // Created), and what the user can do about it; empty when it is usable.
  std::string error;
};

// Makes sure the program folder exists. When it does not, it is built under a
// temporary name next to it (the folder's name, ".new-" and a number), held
// locked while it is built, filled with a copy of `installed` (when given and
// present), brought to the disk whole, each file and folder once, and then
// renamed into place, so an interrupted first start never leaves a
// half-seeded folder behind, even when the machine stops; the folders it
// makes are writable by the user alone. Such temporary folders that killed
// starts left (the user's own, held by no running start) are removed. An
// existing folder is left as it is. Either way the folder must then be safe
// to use (see folderSafetyError), and is tried for writing. No link on the
// way that belongs to someone other than the user or the superuser is
// followed, to find the folder, to make it or to clear what killed starts
// left. The result names the folder by its real path, links resolved, so
// that no later change of a link can lead the program elsewhere. `files`
// makes the syncs.
AppFolderResult prepareAppFolder(const fs::path& folder, const std::optional<fs::path>& installed,
                                 SaveFileSystem& files = RealFileSystem());

// Why `folder` may not serve as the program folder, or nothing when it may.
// The program reads its settings and samples from it and writes into it, so
// no one but the user may have put anything there or be able to: the folder
// must belong to the user and be writable by no one else, and every folder
// above it must belong to the user or the superuser and let no one else
// replace what it holds (no one else may write into it, unless it is sticky,
// as /tmp is, where only an entry's owner may move it). A folder writable by
// its group counts as writable by no one else only when the group is the
// user's own private group. Only links that belong to the user or the
// superuser are followed to it: anyone else's could point anywhere. In a
// sandbox (a user namespace that does not map the superuser) the
// superuser's folders and links show as owned by the overflow uid, and count
// as the superuser's where no one else could have made them.
std::optional<std::string> folderSafetyError(const fs::path& folder);

// Why no file can be written into `folder` (a file is made and removed
// again); nothing when one can.
std::optional<std::string> folderWriteError(const fs::path& folder);

// What the user is told when writing into the program folder `folder` fails
// with the error number `err`: the reason and what to do about it.
std::string cannotWriteInto(const fs::path& folder, int err);

// Makes `dir` and the folders above it that are missing, none of them
// writable by anyone but the user, whatever the process's mask allows.
void makeFolders(const fs::path& dir, std::error_code& ec);

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
// spelling; nothing when there is none, or when `dir` is empty.
std::optional<fs::path> findNoCase(const fs::path& dir, const std::string& name);

// The existing file or folder that `path` names when each part is matched
// ignoring case (the path itself when it exists); nothing when there is none.
std::optional<fs::path> resolveNoCase(const fs::path& path);

// The regular files of `dir` whose names match `pattern` ignoring case,
// sorted by name. An unreadable or missing folder gives an empty list.
std::vector<fs::path> listNoCase(const fs::path& dir, const std::string& pattern);

}  // namespace orn
