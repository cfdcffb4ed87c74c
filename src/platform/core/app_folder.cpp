#include "platform/core/app_folder.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstring>
#include <fstream>
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
  // A relative HOME would put the folder wherever the program was started
  // from: the account's home serves instead, as when HOME is not set.
  std::optional<fs::path> base;
  if (home && *home && fs::path(home).is_absolute()) base = fs::path(home);
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

// A path as the shell reads it back, for a command the user is told to run.
std::string shellQuoted(const fs::path& p) {
  std::string q = "'";
  for (const char c : p.string()) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string notAFolder(const fs::path& p) {
  return p.string() + " exists and is not a folder. Move it aside, and the folder is made in its place at the "
                      "next start";
}

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

// The uid a user namespace shows as the owner of what belongs to a user it
// does not map.
uid_t overflowUid() {
  std::ifstream in("/proc/sys/kernel/overflowuid");
  unsigned long uid = 0;
  return in >> uid ? static_cast<uid_t>(uid) : 65534;
}

// True when the process runs in a user namespace that does not map the
// superuser of the namespace it was made in, as sandboxes and rootless
// containers run programs. Without /proc to tell, it does not.
bool inNamespaceWithoutSuperuser() {
  std::ifstream in("/proc/self/uid_map");
  unsigned long inside = 0, outside = 0, count = 0;
  bool mapped = false;
  while (in >> inside >> outside >> count) {
    if (outside == 0) return false;  // a range starting at the superuser maps it
    mapped = true;
  }
  return mapped;
}

std::optional<std::string> othersCanReplaceIn(const fs::path& dir);

// What is wrong when others may write into `at`, and how the user takes that away.
std::string othersMayWriteInto(const fs::path& at) {
  return "other users may write into " + at.string() + ". Run chmod go-w " + shellQuoted(at) + " to take that away";
}

// A folder above the program folder belongs to another user, who could put
// a folder of their own in its place.
std::string anotherUsersFolder(const fs::path& at) {
  return at.string() + " belongs to another user. Keep the program folder in a folder of your own: "
         "set XDG_DATA_HOME to one";
}

// True when `entry`, owned by `owner`, counts as the user's or the
// superuser's. In a namespace without the superuser its entries show as the
// overflow uid's, and so do those of every other user the namespace leaves
// out; such an entry counts as the superuser's only where no one else could
// have made it or can replace it: in a folder no one else may write into,
// itself safe as a folder above the program folder must be.
bool ownerTrusted(uid_t owner, const fs::path& entry) {
  if (owner == ::geteuid() || owner == 0) return true;
  if (owner != overflowUid() || !inNamespaceWithoutSuperuser()) return false;
  const fs::path holder = entry.parent_path();
  if (holder == entry) return true;  // the root folder, which only the superuser makes
  struct stat st {};
  return ::stat(holder.c_str(), &st) == 0 && !othersMayWrite(st) && !othersCanReplaceIn(holder);
}

// Why someone else could change what `dir` and the folders above it hold
// (`dir` taken with its links resolved); nothing when no one can.
std::optional<std::string> othersCanReplaceIn(const fs::path& dir) {
  for (fs::path at = dir;; at = at.parent_path()) {
    struct stat st {};
    if (::stat(at.c_str(), &st) != 0) return at.string() + ": " + std::strerror(errno);
    if (!ownerTrusted(st.st_uid, at)) return anotherUsersFolder(at);
    if (othersMayWrite(st) && (st.st_mode & S_ISVTX) == 0) return othersMayWriteInto(at);
    if (at == at.root_path() || !at.has_relative_path()) return std::nullopt;
  }
}

// `path` by its real path: every link on it followed, the names past the
// last existing one kept as they are. A link is followed only when it
// belongs to the user or the superuser: anyone else's, in a folder others
// may write into such as /tmp, could point the program at any folder of the
// user's. The error says which link was not followed.
struct RealPath {
  fs::path path;
  std::string error;
};

RealPath realPathThroughOwnLinks(const fs::path& path) {
  std::vector<fs::path> ahead;  // the names still to take, the next one last
  const auto take = [&ahead](const fs::path& names) {
    const fs::path relative = names.relative_path();
    const std::vector<fs::path> parts(relative.begin(), relative.end());
    ahead.insert(ahead.end(), parts.rbegin(), parts.rend());
  };
  std::error_code ec;
  fs::path whole = fs::absolute(path, ec);
  if (ec) whole = path;  // no working folder to start from: taken as it is
  take(whole);
  fs::path at = whole.root_path();
  bool exists = true;
  for (int links = 0; !ahead.empty();) {
    const fs::path name = ahead.back();
    ahead.pop_back();
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      at = at.parent_path();  // `at` holds no link
      continue;
    }
    const fs::path next = at / name;
    // The link is held open, so that the owner checked is that of the link read.
    const int fd = exists ? ::open(next.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC) : -1;
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISLNK(st.st_mode)) {
      exists = exists && fd >= 0;
      if (fd >= 0) ::close(fd);
      at = next;
      continue;
    }
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlinkat(fd, "", target.data(), target.size());
    ::close(fd);
    if (!ownerTrusted(st.st_uid, next)) {
      return {{},
              next.string() + " is a link that belongs to another user, and only your own links or the system's "
                              "are followed. Put a folder or link of your own in its place, or set XDG_DATA_HOME "
                              "to a folder of your own"};
    }
    if (length < 0 || ++links > 40) return {{}, next.string() + ": " + std::strerror(length < 0 ? errno : ELOOP)};
    target.resize(static_cast<std::size_t>(length));
    const fs::path to = target;
    if (to.is_absolute()) at = to.root_path();
    take(to);
  }
  return {at, {}};
}

// Why the folder at `real`, a path without links, may not serve as the
// program folder (see folderSafetyError).
std::optional<std::string> realFolderError(const fs::path& real) {
  struct stat st {};
  if (::stat(real.c_str(), &st) != 0) return real.string() + ": " + std::strerror(errno);
  if (!S_ISDIR(st.st_mode)) return notAFolder(real);
  if (st.st_uid != ::geteuid()) {
    return real.string() + " belongs to another user. Move it aside, and a folder of your own is made in its "
                           "place at the next start";
  }
  if (othersMayWrite(st)) return othersMayWriteInto(real);
  return othersCanReplaceIn(real.parent_path());
}

// The folder by its real path when it is safe to use, or why it is not.
RealPath safeFolder(const fs::path& folder) {
  RealPath real = realPathThroughOwnLinks(folder);
  if (real.error.empty()) real.error = realFolderError(real.path).value_or("");
  return real;
}

}  // namespace

std::optional<std::string> folderSafetyError(const fs::path& folder) {
  const RealPath safe = safeFolder(folder);
  if (safe.error.empty()) return std::nullopt;
  return safe.error;
}

namespace {

// The error that writing a new file into `folder` meets (a file is made and
// removed again); 0 when there is none.
int writeProbe(const fs::path& folder) {
  const fs::path probe = folder / (".ornivale-write-test-" + std::to_string(std::random_device{}()));
  // A new file only: whatever stands under the name is neither followed nor written.
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return errno;
  int err = 0;
  if (::write(fd, "x", 1) != 1) err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  std::error_code ignored;
  fs::remove(probe, ignored);
  return err;
}

}  // namespace

std::optional<std::string> folderWriteError(const fs::path& folder) {
  if (const int err = writeProbe(folder)) return std::string(std::strerror(err));
  return std::nullopt;
}

std::string cannotWriteInto(const fs::path& folder, int err) {
  std::string text = "Cannot write into " + folder.string() + ": " + std::strerror(err) + ". ";
  switch (err) {
    case EROFS:
      return text + "Its disk is mounted read-only: mount it for writing, or set XDG_DATA_HOME to a folder you "
                    "can write into";
    case ENOSPC:
    case EDQUOT:
      return text + "Make room on its disk";
    case EACCES:
    case EPERM:
      return text + "Run chmod u+w " + shellQuoted(folder) + " to let yourself write into it";
    default:
      return text + "Make sure you can write into it";
  }
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
  const RealPath above = realPathThroughOwnLinks(folder.parent_path());
  if (name.empty() || !above.error.empty() || othersCanReplaceIn(above.path)) return;
  std::error_code ec;
  std::vector<fs::path> found;
  for (fs::directory_iterator it(above.path, ec), end; !ec && it != end; it.increment(ec))
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
  if (const int err = writeProbe(r.folder)) r.error = cannotWriteInto(r.folder, err);
  return r;
}

std::string cannotCreate(const fs::path& folder, const std::error_code& ec) {
  return "Cannot create " + folder.string() + ": " + ec.message() +
         ". Make sure the folder can be made: the folder above it writable, its disk not full";
}

AppFolderResult refused(const fs::path& folder, const std::string& why) {
  AppFolderResult r;
  r.folder = folder;
  r.error = "Cannot use " + folder.string() + ": " + why;
  return r;
}

// The folder, made or found, when it is safe to use: named by its real path.
AppFolderResult usable(const fs::path& folder, FolderState state) {
  const RealPath safe = safeFolder(folder);
  if (!safe.error.empty()) return refused(folder, safe.error);
  AppFolderResult r;
  r.state = state;
  r.folder = safe.path;
  return checkWritable(r);
}

}  // namespace

AppFolderResult prepareAppFolder(const fs::path& folder, const std::optional<fs::path>& installed,
                                 SaveFileSystem& files) {
  AppFolderResult r;
  r.folder = folder;
  // No link of anyone else's on the way is followed, to read or to make anything.
  if (const RealPath real = realPathThroughOwnLinks(folder); !real.error.empty()) return refused(folder, real.error);
  removeAbandonedBuilds(folder);
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return usable(folder, FolderState::Existing);
  if (fs::exists(fs::symlink_status(folder, ec))) {
    r.error = notAFolder(folder);
    return r;
  }
  makeFolders(folder.parent_path(), ec);
  if (ec) {
    r.error = cannotCreate(folder, ec);
    return r;
  }
  // Nothing is built where someone else could change it.
  if (const RealPath above = realPathThroughOwnLinks(folder.parent_path()); !above.error.empty()) {
    return refused(folder, above.error);
  } else if (auto why = othersCanReplaceIn(above.path)) {
    return refused(folder, *why);
  }
  buildFolder(folder, installed, files, ec);
  std::error_code probe;
  if (ec && fs::is_directory(folder, probe)) {
    // Another start created the folder first; use that one.
    return usable(folder, FolderState::Existing);
  }
  if (ec) {
    r.error = cannotCreate(folder, ec);
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
