#include "shell/first_run.h"

#include <system_error>

#include "platform/core/app_folder.h"

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

}  // namespace

FirstRunResult MoveSamplesIntoStatic(const fs::path& appFolder,
                                     const std::optional<fs::path>& wallpaperFolder) {
  FirstRunResult r;
  std::error_code ec;
  const fs::path staticFolder =
      findNoCase(appFolder, kStaticFolderName).value_or(appFolder / kStaticFolderName);
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

}  // namespace orn
