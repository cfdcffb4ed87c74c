#include "shell/first_run.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <system_error>

#include <sys/stat.h>

#include "platform/core/app_folder.h"
#include "platform/core/file_read.h"
#include "platform/core/file_replace.h"
#include "shell/help.h"

namespace orn {

namespace fs = std::filesystem;

bool SamplesAwaitMove(const fs::path& appFolder) {
  std::error_code ec;
  const auto marker = findNoCase(appFolder, kFirstRunMarker);
  return marker && fs::is_regular_file(*marker, ec);
}

namespace {

// Moves `file` to `target`: renamed where both are on one disk, so that it
// is never seen cut and nothing is written (a seeded file was brought to the
// disk when its folder was built); copied as a file is saved and deleted
// once its copy is whole where they are not, or where it is no plain file.
std::error_code moveFile(const fs::path& file, const fs::path& target, SaveFileSystem& files, bool& renamed) {
  struct stat st {};
  if (::lstat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
    renamed = files.rename(file.string(), target.string()) == 0;
    if (renamed) return {};
    if (errno != EXDEV) return {errno, std::generic_category()};
  }
  std::error_code ec = CopyFileReplacing(file, target, files);
  if (!ec) fs::remove(file, ec);
  return ec;
}

// A file to move and the folder it goes to.
struct Move {
  fs::path file;
  fs::path to;
};

// Moves the file; the folders a rename changed are added to `renamedIn`.
void moveOne(const Move& m, FirstRunResult& r, std::set<fs::path>& renamedIn, SaveFileSystem& files) {
  const fs::path target = m.to / m.file.filename();
  bool renamed = false;
  const std::error_code ec = moveFile(m.file, target, files, renamed);
  std::error_code probe;
  // Another start at the same moment has moved it: it is in place, whole.
  if (ec && !fs::exists(m.file, probe) && fs::exists(target, probe)) return;
  if (ec) {
    r.failures.push_back({m.file.filename().string(), ec.message()});
    return;
  }
  ++r.moved;
  if (renamed) renamedIn.insert({m.file.parent_path(), m.to});
}

bool isFirstRunMarker(const fs::path& file) {
  return upperAscii(file.filename().string()) == upperAscii(kFirstRunMarker);
}

fs::path staticFolderOf(const fs::path& appFolder) {
  return findNoCase(appFolder, kStaticFolderName).value_or(appFolder / kStaticFolderName);
}

bool isSampleFile(const std::string& name) {
  return matchesNoCase(name, "OV*.PNT") || matchesNoCase(name, "OV*.BMP");
}

bool sameContent(const fs::path& a, const fs::path& b) {
  std::error_code ea, eb;
  if (fs::file_size(a, ea) != fs::file_size(b, eb) || ea || eb) return false;
  const FileBytes x = ReadRegularFile(a), y = ReadRegularFile(b);
  return x.ok() && y.ok() && x.bytes == y.bytes;
}

// True when `copy` is what is left of a copy of `installed` that was cut
// short, by a start killed while copying or by a full disk: shorter than
// the installed file, and its beginning (an empty file is one). The program
// writes every file whole, and no whole file of its kinds is the bare
// beginning of another (a picture ends in its end marker, the colours file
// and a preview have the sizes their contents fix), so no file of the
// user's is taken for a cut copy.
bool isCutCopy(const fs::path& copy, const fs::path& installed) {
  std::error_code ec, ei;
  const std::uintmax_t size = fs::file_size(copy, ec), whole = fs::file_size(installed, ei);
  if (ec || ei || size >= whole) return false;
  const FileBytes part = ReadRegularFile(copy, size + 1), start = ReadRegularFile(installed, size);
  return part.ok() && start.ok() && part.bytes == start.bytes;
}

// The names in `folder`, in upper case: one listing answers every "is this
// sample there under any spelling" of a start.
std::set<std::string> upperNamesIn(const fs::path& folder) {
  std::set<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    names.insert(upperAscii(it->path().filename().string()));
  return names;
}

// Where the installed file `rel` belongs in the program folder, and whether
// a copy there that differs is replaced (else only a cut one is); nothing
// when the folder has it where the first run will take it from.
struct Place {
  fs::path target;
  bool replaceDiffering = false;
};

std::optional<Place> placeOf(const fs::path& appFolder, const fs::path& staticFolder,
                             const std::set<std::string>& appFolderNames, const fs::path& rel) {
  const std::string name = rel.filename().string();
  if (rel.parent_path().empty() && isSampleFile(name)) {
    if (appFolderNames.count(upperAscii(name)) != 0) return std::nullopt;
    return Place{staticFolder / name, false};
  }
  const bool help = upperAscii(rel.begin()->string()) == upperAscii(kHelpFolderName);
  return Place{appFolder / rel, help};
}

}  // namespace

AddedFiles AddMissingInstalledFiles(const fs::path& appFolder, const fs::path& installed,
                                    SaveFileSystem& saves) {
  AddedFiles r;
  std::error_code ec;
  if (!fs::is_directory(installed, ec) || !fs::is_directory(appFolder, ec)) return r;
  std::vector<fs::path> files;  // relative to `installed`, in name order
  for (fs::recursive_directory_iterator it(installed, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code fe;
    if (!it->is_regular_file(fe)) continue;
    // The iterator's paths all start with `installed`: a lexical cut finds
    // the relative name without resolving every link on the way.
    files.push_back(it->path().lexically_relative(installed));
  }
  std::sort(files.begin(), files.end());
  const fs::path staticFolder = staticFolderOf(appFolder);
  const std::set<std::string> appFolderNames = upperNamesIn(appFolder);
  for (const fs::path& rel : files) {
    const std::optional<Place> place = placeOf(appFolder, staticFolder, appFolderNames, rel);
    if (!place) continue;
    const fs::path source = installed / rel;
    fs::path target = place->target;
    if (const auto have = resolveNoCase(target)) {
      const bool replace = place->replaceDiffering ? !sameContent(*have, source) : isCutCopy(*have, source);
      if (!replace) continue;
      target = *have;
    }
    std::error_code fe;
    makeFolders(target.parent_path(), fe);
    if (!fe) fe = CopyFileReplacing(source, target, saves);
    // Another start at the same moment may have put the file in place.
    if (fe && sameContent(target, source)) continue;
    if (fe)
      r.failures.push_back({target.lexically_relative(staticFolder.parent_path()).string(), fe.message()});
    else
      ++r.added;
  }
  return r;
}

FirstRunResult MoveSamplesIntoStatic(const fs::path& appFolder,
                                     const std::optional<fs::path>& wallpaperFolder, SaveFileSystem& saves) {
  FirstRunResult r;
  std::error_code ec;
  const fs::path staticFolder = staticFolderOf(appFolder);
  makeFolders(staticFolder, ec);
  if (!fs::is_directory(staticFolder, ec)) {
    r.failures.push_back({staticFolder.filename().string(), "the folder cannot be made"});
    return r;
  }
  std::vector<Move> moves;
  const auto add = [&](const std::string& pattern, const fs::path& to) {
    for (const fs::path& file : listNoCase(appFolder, pattern)) moves.push_back({file, to});
  };
  add("OV*.PNT", staticFolder);
  add("OV*.BMP", staticFolder);
  if (wallpaperFolder) {
    fs::create_directories(*wallpaperFolder, ec);
    if (fs::is_directory(*wallpaperFolder, ec)) add("-*.BMP", *wallpaperFolder);
  }
  // The marker of the first run moves last, once every other move is on the
  // disk: a start killed (or a machine stopped) before then finds the marker
  // and moves the rest.
  const auto markers =
      std::stable_partition(moves.begin(), moves.end(), [](const Move& m) { return !isFirstRunMarker(m.file); });
  std::set<fs::path> renamedIn;
  for (auto m = moves.begin(); m != markers; ++m) moveOne(*m, r, renamedIn, saves);
  for (const fs::path& folder : renamedIn) SyncPath(folder, saves);
  for (auto m = markers; m != moves.end(); ++m) moveOne(*m, r, renamedIn, saves);
  return r;
}

void TakeProgramFolder(AppState& state, const AppFolderResult& folder) {
  state.AppFolder = folder.state == FolderState::Failed ? std::string() : withTrailingSeparator(folder.folder);
  state.AppFolderError = folder.error;
}

std::string FolderProblemText(const AppState& app) {
  if (app.AppFolder.empty()) {
    return "Ornivale cannot use the folder it keeps its settings and sample pictures in.\n\n" +
           app.AppFolderError +
           ".\n\nUntil then Ornivale runs without it: the sample pictures cannot be opened, and no settings or "
           "colours are kept. Start Ornivale again once that is done.";
  }
  // The folder is used as it is: what it holds can be read.
  return "Ornivale cannot write into the folder it keeps its settings and sample pictures in.\n\n" +
         app.AppFolderError +
         ".\n\nUntil it can, the settings, the standard colours and whatever is saved into that folder are not "
         "kept.";
}

std::string NoSamplesText(const AppState& app) {
  return "The sample pictures cannot be opened: Ornivale does not use its folder.\n\n" + app.AppFolderError + ".";
}

std::string FailedFilesText(const std::string& appFolder, const std::vector<FileFailure>& failures) {
  constexpr std::size_t kReasonsShown = 3;
  constexpr std::size_t kFilesShown = 4;
  // The reasons in the order they were first met, each with its files.
  std::vector<std::pair<std::string, std::vector<std::string>>> byReason;
  for (const FileFailure& f : failures) {
    auto it = std::find_if(byReason.begin(), byReason.end(), [&f](const auto& r) { return r.first == f.reason; });
    if (it == byReason.end()) it = byReason.insert(byReason.end(), {f.reason, {}});
    it->second.push_back(f.file);
  }
  const auto files = [](std::size_t n) { return std::to_string(n) + (n == 1 ? " file" : " files"); };
  std::string folder = appFolder;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  std::string text = files(failures.size()) + " could not be put into the program folder " + folder + ".";
  std::size_t told = 0;
  for (std::size_t i = 0; i < byReason.size() && i < kReasonsShown; ++i) {
    const auto& [reason, names] = byReason[i];
    text += "\n\n" + reason + " (" + files(names.size()) + "):";
    for (std::size_t k = 0; k < names.size() && k < kFilesShown; ++k) text += "\n    " + names[k];
    if (names.size() > kFilesShown) text += "\n    and " + std::to_string(names.size() - kFilesShown) + " more";
    told += names.size();
  }
  if (told < failures.size()) text += "\n\n" + files(failures.size() - told) + " more, for other reasons.";
  return text + "\n\nMend the reason, then start Ornivale again: each start adds the installed files the folder "
                "lacks.";
}

}  // namespace orn
