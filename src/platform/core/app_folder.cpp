#include "platform/core/app_folder.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/file_replace.h"

namespace orn {

std::optional<fs::path> userProgramFolder(const char* xdgDataHome, const char* home) {
  if (xdgDataHome && *xdgDataHome && fs::path(xdgDataHome).is_absolute())
    return fs::path(xdgDataHome) / "ornivale";
  std::optional<fs::path> base;
  if (home && *home) base = fs::path(home);
  else base = accountHome();
  if (!base) return std::nullopt;
  return *base / ".local" / "share" / "ornivale";
}

std::optional<fs::path> accountHome() {
  const passwd* account = ::getpwuid(::geteuid());
  if (account == nullptr || account->pw_dir == nullptr) return std::nullopt;
  const fs::path home = account->pw_dir;
  if (!home.is_absolute()) return std::nullopt;
  return home;
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

void makeFolders(const fs::path& dir, std::error_code& ec) {
  ec.clear();
  fs::path at;
  for (const fs::path& part : dir) {
    at /= part;
    // No write for the group or others, whatever the mask allows.
    if (::mkdir(at.c_str(), 0755) != 0 && errno != EEXIST) {
      ec.assign(errno, std::generic_category());
      return;
    }
  }
  if (!fs::is_directory(dir, ec) && !ec) ec = std::make_error_code(std::errc::not_a_directory);
}

namespace {

// True when `gid` is the user's own private group: the user's primary group,
// named after the user, with no one else listed in it.
bool isPrivateGroup(gid_t gid) {
  const passwd* account = ::getpwuid(::geteuid());
  if (account == nullptr || account->pw_gid != gid) return false;
  const std::string user = account->pw_name;
  const group* g = ::getgrgid(gid);
  if (g == nullptr || user != g->gr_name) return false;
  for (char** member = g->gr_mem; *member != nullptr; ++member)
    if (user != *member) return false;
  return true;
}

bool othersMayWrite(const struct stat& st) {
  return (st.st_mode & S_IWOTH) != 0 || ((st.st_mode & S_IWGRP) != 0 && !isPrivateGroup(st.st_gid));
}

// Why someone else could change what `dir` and the folders above it hold
// (`dir` taken with its links resolved); nothing when no one can.
std::optional<std::string> othersCanReplaceIn(const fs::path& dir) {
  const uid_t user = ::geteuid();
  for (fs::path at = dir;; at = at.parent_path()) {
    struct stat st {};
    if (::stat(at.c_str(), &st) != 0) return at.string() + ": " + std::strerror(errno);
    if (st.st_uid != user && st.st_uid != 0) return at.string() + " belongs to another user";
    if (othersMayWrite(st) && (st.st_mode & S_ISVTX) == 0) return "other users may write into " + at.string();
    if (at == at.root_path() || !at.has_relative_path()) return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> folderSafetyError(const fs::path& folder) {
  std::error_code ec;
  const fs::path real = fs::canonical(folder, ec);
  if (ec) return folder.string() + ": " + ec.message();
  struct stat st {};
  if (::stat(real.c_str(), &st) != 0) return real.string() + ": " + std::strerror(errno);
  if (!S_ISDIR(st.st_mode)) return real.string() + " is not a folder";
  if (st.st_uid != ::geteuid()) return real.string() + " belongs to another user";
  if (othersMayWrite(st)) return "other users may write into " + real.string();
  return othersCanReplaceIn(real.parent_path());
}

std::optional<std::string> folderWriteError(const fs::path& folder) {
  const fs::path probe = folder / (".ornivale-write-test-" + std::to_string(std::random_device{}()));
  // A new file only: whatever stands under the name is neither followed nor written.
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return std::string(std::strerror(errno));
  int err = 0;
  if (::write(fd, "x", 1) != 1) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  std::error_code ignored;
  fs::remove(probe, ignored);
  if (err != 0) return std::string(std::strerror(err));
  return std::nullopt;
}

namespace {

// Copies the installed files into `to` (folders made afresh), as the
// program folder's own copies, and lists in `made` what it made.
void copyTree(const fs::path& from, const fs::path& to, std::vector<fs::path>& made, SaveFileSystem& files,
              std::error_code& ec) {
  for (fs::recursive_directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path target = to / fs::relative(it->path(), from, ec);
    if (ec) return;
    std::error_code te;
    if (it->is_directory(te)) {
      makeFolders(target, ec);
    } else if (it->is_regular_file(te)) {
      ec = CopyFileUnsynced(it->path(), target, files);
    } else {
      continue;
    }
    if (ec) return;
    made.push_back(target);
  }
}

// What a first start names the folder it builds the program folder in:
// the program folder's name, this mark and a number.
constexpr const char* kBuildMark = ".new-";
// A new build folder is lost to another start's clean-up only in the moment
// before it is locked; a few tries always get one.
constexpr int kBuildTries = 8;

bool isBuildName(const std::string& entry, const std::string& folderName) {
  const std::string prefix = folderName + kBuildMark;
  return entry.size() > prefix.size() && entry.compare(0, prefix.size(), prefix) == 0 &&
         std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

// A folder that a start builds the program folder in, under a name of its
// own beside it, and holds locked (on `fd`) until it has renamed or removed
// it: no other start takes it for one a killed start left.
struct Build {
  fs::path path;
  int fd = -1;
};

// Makes a new build folder and locks it. Each has a name of its own, so that
// two first starts at once cannot mix their copies; one that another start's
// clean-up takes in the moment before it is locked is given up for a new one.
Build startBuild(const fs::path& folder, std::error_code& ec) {
  for (int attempt = 0; attempt < kBuildTries; ++attempt) {
    fs::path path = folder;
    path += kBuildMark + std::to_string(std::random_device{}());
    // No write for the group or others, whatever the mask allows.
    if (::mkdir(path.c_str(), 0755) != 0) {
      if (errno == EEXIST) continue;
      ec.assign(errno, std::generic_category());
      return {};
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) continue;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    // A file system without locks leaves it unlocked, and no start then removes it.
    const bool lockless = !locked && errno != EWOULDBLOCK;
    if ((locked || lockless) && StillNamed(fd, path.string())) return {path, fd};
    // Another start's clean-up has taken it for one a killed start left.
    ::close(fd);
  }
  ec = std::make_error_code(std::errc::resource_unavailable_try_again);
  return {};
}

// Builds the program folder under a name of its own, fills it with a copy
// of `installed` (when given and present), brings everything in it to the
// disk at once and only then renames it into place: a start killed or
// failing at any point leaves nothing under the program folder's name, or a
// whole folder, even when the machine stops. A build that fails is removed.
void buildFolder(const fs::path& folder, const std::optional<fs::path>& installed, SaveFileSystem& files,
                 std::error_code& ec) {
  const Build build = startBuild(folder, ec);
  if (ec) return;
  std::vector<fs::path> made;
  std::error_code probe;
  if (installed && fs::is_directory(*installed, probe)) copyTree(*installed, build.path, made, files, ec);
  made.push_back(build.path);
  for (const fs::path& p : made) {
    if (ec) break;
    if (const int err = SyncPath(p, files)) ec.assign(err, std::generic_category());
  }
  if (!ec) fs::rename(build.path, folder, ec);
  std::error_code ignored;
  if (ec) {
    fs::remove_all(build.path, ignored);
  } else {
    // The rename itself lasts; a failure here loses nothing.
    SyncPath(folder.parent_path(), files);
  }
  ::close(build.fd);
}

// Removes the folders beside `folder` that first starts killed while they
// built it left: folders of the user's under a build's name that no running
// start holds. Nothing else is touched, no link is followed, and nothing is
// removed where others could change what the folder above holds.
void removeAbandonedBuilds(const fs::path& folder) {
  const std::string name = folder.filename().string();
  std::error_code ec;
  const fs::path above = fs::canonical(folder.parent_path(), ec);
  if (name.empty() || ec || othersCanReplaceIn(above)) return;
  std::vector<fs::path> found;
  for (fs::directory_iterator it(folder.parent_path(), ec), end; !ec && it != end; it.increment(ec))
    if (isBuildName(it->path().filename().string(), name)) found.push_back(it->path());
  for (const fs::path& p : found) {
    const int fd = ::open(p.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    // Held while it is removed, so that no start can take it up meanwhile.
    if (::fstat(fd, &st) == 0 && st.st_uid == ::geteuid() && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        StillNamed(fd, p.string())) {
      std::error_code ignored;
      fs::remove_all(p, ignored);
    }
    ::close(fd);
  }
}

AppFolderResult checkWritable(AppFolderResult r) {
  if (auto why = folderWriteError(r.folder)) r.error = "Cannot write into " + r.folder.string() + ": " + *why;
  return r;
}

AppFolderResult refused(const fs::path& folder, const std::string& why) {
  AppFolderResult r;
  r.folder = folder;
  r.error = "Cannot use " + folder.string() + ": " + why;
  return r;
}

// The folder, made or found, when it is safe to use: named by its real path.
AppFolderResult usable(const fs::path& folder, FolderState state) {
  if (auto why = folderSafetyError(folder)) return refused(folder, *why);
  AppFolderResult r;
  r.state = state;
  std::error_code ec;
  r.folder = fs::canonical(folder, ec);
  if (ec) r.folder = folder;
  return checkWritable(r);
}

}  // namespace

AppFolderResult prepareAppFolder(const fs::path& folder, const std::optional<fs::path>& installed,
                                 SaveFileSystem& files) {
  removeAbandonedBuilds(folder);
  AppFolderResult r;
  r.folder = folder;
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return usable(folder, FolderState::Existing);
  if (fs::exists(fs::symlink_status(folder, ec))) {
    r.error = folder.string() + " exists and is not a folder";
    return r;
  }
  makeFolders(folder.parent_path(), ec);
  if (ec) {
    r.error = "Cannot create " + folder.string() + ": " + ec.message();
    return r;
  }
  // Nothing is built where someone else could change it.
  if (const fs::path above = fs::canonical(folder.parent_path(), ec); ec) {
    return refused(folder, ec.message());
  } else if (auto why = othersCanReplaceIn(above)) {
    return refused(folder, *why);
  }
  buildFolder(folder, installed, files, ec);
  std::error_code probe;
  if (ec && fs::is_directory(folder, probe)) {
    // Another start created the folder first; use that one.
    return usable(folder, FolderState::Existing);
  }
  if (ec) {
    r.error = "Cannot create " + folder.string() + ": " + ec.message();
    return r;
  }
  return usable(folder, FolderState::Created);
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
  // An empty folder name names no folder (not the working folder).
  if (name.empty() || dir.empty()) return std::nullopt;
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
