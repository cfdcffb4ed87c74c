#include "platform/core/app_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

namespace orn {

fs::path userProgramFolder(const char* xdgDataHome, const char* home) {
  if (xdgDataHome && *xdgDataHome && fs::path(xdgDataHome).is_absolute())
    return fs::path(xdgDataHome) / "ornivale";
  fs::path base = (home && *home) ? fs::path(home) : fs::temp_directory_path();
  return base / ".local" / "share" / "ornivale";
}

std::optional<fs::path> findInstalledData(const std::vector<fs::path>& candidates) {
  std::error_code ec;
  for (const auto& c : candidates)
    if (fs::is_directory(c, ec)) return fs::weakly_canonical(c, ec);
  return std::nullopt;
}

std::vector<fs::path> installedDataCandidates(const fs::path& exeDir) {
  return {exeDir / "data", exeDir / ".." / "share" / "ornivale", exeDir / "share" / "ornivale"};
}

void copyFileKeepingTime(const fs::path& from, const fs::path& to, fs::copy_options options,
                         std::error_code& ec) {
  if (!fs::copy_file(from, to, options, ec) || ec) return;
  std::error_code te;
  const auto time = fs::last_write_time(from, te);
  if (!te) fs::last_write_time(to, time, te);
}

void copyInstalledFile(const fs::path& from, const fs::path& to, fs::copy_options options,
                       std::error_code& ec) {
  copyFileKeepingTime(from, to, options, ec);
  if (!ec) fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
}

std::optional<std::string> folderWriteError(const fs::path& folder) {
  const fs::path probe = folder / (".ornivale-write-test-" + std::to_string(std::random_device{}()));
  std::FILE* f = std::fopen(probe.c_str(), "wb");
  if (f == nullptr) return std::string(std::strerror(errno));
  int err = 0;
  if (std::fputc('x', f) == EOF) err = errno;
  if (std::fclose(f) != 0 && err == 0) err = errno;
  std::error_code ignored;
  fs::remove(probe, ignored);
  if (err != 0) return std::string(std::strerror(err));
  return std::nullopt;
}

namespace {

// Copies the installed files into `to` (folders made afresh), as the
// program folder's own copies.
void copyTree(const fs::path& from, const fs::path& to, std::error_code& ec) {
  for (fs::recursive_directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path target = to / fs::relative(it->path(), from, ec);
    if (ec) return;
    std::error_code te;
    if (it->is_directory(te)) {
      fs::create_directory(target, ec);
    } else if (it->is_regular_file(te)) {
      copyInstalledFile(it->path(), target, fs::copy_options::none, ec);
    }
    if (ec) return;
  }
}

AppFolderResult checkWritable(AppFolderResult r) {
  if (auto why = folderWriteError(r.folder)) r.error = "Cannot write into " + r.folder.string() + ": " + *why;
  return r;
}

}  // namespace

AppFolderResult prepareAppFolder(const fs::path& folder, const std::optional<fs::path>& installed) {
  AppFolderResult r;
  r.folder = folder;
  std::error_code ec;
  if (fs::is_directory(folder, ec)) {
    r.state = FolderState::Existing;
    return checkWritable(r);
  }
  if (fs::exists(folder, ec)) {
    r.error = folder.string() + " exists and is not a folder";
    return r;
  }
  fs::create_directories(folder.parent_path(), ec);
  std::error_code probe0;
  // A name of its own, so that two first starts at once cannot mix their copies.
  fs::path building = folder;
  building += ".new-" + std::to_string(std::random_device{}());
  fs::create_directory(building, ec);
  if (!ec && installed && fs::is_directory(*installed, probe0)) copyTree(*installed, building, ec);
  if (!ec) fs::rename(building, folder, ec);
  std::error_code probe;
  if (ec && fs::is_directory(folder, probe)) {
    // Another start created the folder first; use that one.
    std::error_code ignored;
    fs::remove_all(building, ignored);
    r.state = FolderState::Existing;
    return checkWritable(r);
  }
  if (ec) {
    r.error = "Cannot create " + folder.string() + ": " + ec.message();
    std::error_code ignored;
    fs::remove_all(building, ignored);
    return r;
  }
  r.state = FolderState::Created;
  return checkWritable(r);
}

std::string withTrailingSeparator(const fs::path& folder) {
  std::string s = folder.string();
  if (s.empty() || s.back() != '/') s += '/';
  return s;
}

std::string upperAscii(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

std::string comparisonForm(const std::string& path) {
  std::string s = upperAscii(path);
  std::replace(s.begin(), s.end(), '/', '\\');
  return s;
}

bool hasExtension(const std::string& path, const std::string& ext) {
  if (ext.size() > path.size()) return false;
  return upperAscii(path.substr(path.size() - ext.size())) == upperAscii(ext);
}

namespace {

bool match(const char* n, const char* p) {
  // Iterative wildcard match with one back-tracking point for the last '*'.
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*n) {
    if (*p == '*') {
      star = p++;
      resume = n;
    } else if (*p == '?' || (*p && *p == *n)) {
      ++p;
      ++n;
    } else if (star) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (*p == '*') ++p;
  return *p == 0;
}

}  // namespace

bool matchesNoCase(const std::string& name, const std::string& pattern) {
  return match(upperAscii(name).c_str(), upperAscii(pattern).c_str());
}

std::optional<fs::path> findNoCase(const fs::path& dir, const std::string& name) {
  std::error_code ec;
  if (name.empty()) return std::nullopt;
  if (fs::exists(dir / name, ec)) return dir / name;
  const std::string want = upperAscii(name);
  std::optional<fs::path> found;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    // Several spellings may exist; take the first by name so the choice is stable.
    if (upperAscii(entry) == want && (!found || entry < found->filename().string()))
      found = it->path();
  }
  return found;
}

std::optional<fs::path> resolveNoCase(const fs::path& path) {
  std::error_code ec;
  if (fs::exists(path, ec)) return path;
  fs::path at = path.root_path();
  if (at.empty()) at = ".";
  for (const auto& part : path.relative_path()) {
    const std::string name = part.string();
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      at /= "..";
    } else {
      auto next = findNoCase(at, name);
      if (!next) return std::nullopt;
      at = *next;
    }
  }
  if (path.is_relative() && at.string().rfind("./", 0) == 0) at = at.lexically_relative(".");
  return at;
}

std::vector<fs::path> listNoCase(const fs::path& dir, const std::string& pattern) {
  std::vector<fs::path> out;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code fe;
    if (it->is_regular_file(fe) && matchesNoCase(it->path().filename().string(), pattern))
      out.push_back(it->path());
  }
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace orn
