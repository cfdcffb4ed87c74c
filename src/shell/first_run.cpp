#include "shell/first_run.h"

#include <algorithm>
#include <set>
#include <system_error>

#include "platform/core/app_folder.h"
#include "platform/core/file_read.h"
#include "shell/help.h"

namespace orn {

namespace fs = std::filesystem;

bool SamplesAwaitMove(const fs::path& appFolder) {
  std::error_code ec;
  const auto marker = findNoCase(appFolder, kFirstRunMarker);
  return marker && fs::is_regular_file(*marker, ec);
}

namespace {

void moveAll(const fs::path& from, const std::string& pattern, const fs::path& to,
             FirstRunResult& r) {
  for (const fs::path& file : listNoCase(from, pattern)) {
    const fs::path target = to / file.filename();
    std::error_code ec;
    copyFileKeepingTime(file, target, fs::copy_options::overwrite_existing, ec);
    if (!ec) fs::remove(file, ec);
    if (ec)
      r.failures.push_back(file.filename().string() + ": " + ec.message());
    else
      ++r.moved;
  }
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
// a copy there that differs is replaced; nothing when the folder has it
// where the first run will take it from.
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

AddedFiles AddMissingInstalledFiles(const fs::path& appFolder, const fs::path& installed) {
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
    fs::path target = place->target;
    auto options = fs::copy_options::none;
    if (const auto have = resolveNoCase(target)) {
      if (!place->replaceDiffering || sameContent(*have, installed / rel)) continue;
      target = *have;
      options = fs::copy_options::overwrite_existing;
    }
    std::error_code fe;
    fs::create_directories(target.parent_path(), fe);
    if (!fe) copyInstalledFile(installed / rel, target, options, fe);
    if (fe)
      r.failures.push_back(target.string() + ": " + fe.message());
    else
      ++r.added;
  }
  return r;
}

FirstRunResult MoveSamplesIntoStatic(const fs::path& appFolder,
                                     const std::optional<fs::path>& wallpaperFolder) {
  FirstRunResult r;
  std::error_code ec;
  const fs::path staticFolder = staticFolderOf(appFolder);
  fs::create_directories(staticFolder, ec);
  if (!fs::is_directory(staticFolder, ec)) {
    r.failures.push_back(staticFolder.string() + ": the folder cannot be made");
    return r;
  }
  moveAll(appFolder, "OV*.PNT", staticFolder, r);
  moveAll(appFolder, "OV*.BMP", staticFolder, r);
  if (wallpaperFolder) {
    fs::create_directories(*wallpaperFolder, ec);
    if (fs::is_directory(*wallpaperFolder, ec)) moveAll(appFolder, "-*.BMP", *wallpaperFolder, r);
  }
  return r;
}

std::string FolderProblemText(const std::string& error) {
  return "Ornivale cannot use the folder it keeps its settings and sample pictures in.\n\n" + error +
         "\n\nThe sample pictures cannot be shown, and settings and colours cannot be kept. "
         "Make sure the folder can be made and written to, then start Ornivale again.";
}

}  // namespace orn
