#include "platform/core/file_replace.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/core/file_read.h"

namespace orn {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTempPrefix = ".ornivale-save-";
constexpr std::size_t kTempSuffixLength = 6;  // what mkstemp puts in place of "XXXXXX"
// A new temporary is lost to another save's clean-up only in the moment
// before it is locked; a few tries always get one.
constexpr int kTemporaryTries = 8;

std::string Failure(const fs::path& path, const std::string& why) {
  // Built piece by piece: GCC 12 warns wrongly about "..." + std::string.
  std::string text = "\"";
  text += path.string();
  text += "\" could not be saved: ";
  text += why;
  text += ".";
  return text;
}

std::string Failure(const fs::path& path, int err) { return Failure(path, std::strerror(err)); }

// Removes the temporaries that killed saves left in `dir`. One that a save is
// writing at this moment is locked and stays.
void RemoveStaleTemporaries(const fs::path& dir, SaveFileSystem& files) {
  std::vector<fs::path> stale;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (IsSaveTemporary(it->path().filename().string())) stale.push_back(it->path());
  }
  for (const fs::path& p : stale) {
    // Not blocking: something else under such a name (a FIFO) must not stop the save.
    const int fd = ::open(p.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      files.remove(p.string());
    }
    ::close(fd);
  }
}

// Makes a new temporary in `dir` and locks it; 0, or the error. Another save
// clearing stale temporaries may remove a new one in the moment between its
// making and its locking: a temporary is ours once it is locked and still
// has its name, else a new one is made.
int MakeHeldTemporary(const fs::path& dir, SaveFileSystem& files, std::string& temp, int& fd) {
  for (int attempt = 0; attempt < kTemporaryTries; ++attempt) {
    temp = (dir / (std::string(kTempPrefix) + "XXXXXX")).string();
    fd = files.makeTemp(temp);
    if (fd < 0) return errno;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    // A file system without locks leaves the temporary unlocked, as it must.
    const bool lockless = !locked && errno != EWOULDBLOCK;
    if ((locked || lockless) && StillNamed(fd, temp)) return 0;
    // Another save has taken it for a stale one and removes it.
    files.close(fd);
  }
  return ENOENT;
}

// The permissions of a new file: the usual ones less the process's mask.
unsigned NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666u & ~static_cast<unsigned>(mask);
}

// What the new file is to be besides its bytes.
struct NewFile {
  unsigned mode = 0;
  const struct timespec* modified = nullptr;  // its modification time; now when null
};

// Writes `bytes` into the new file open on `fd` and gives it what `made`
// says. 0, or the error.
int WriteContents(int fd, std::span<const std::uint8_t> bytes, const NewFile& made, SaveFileSystem& files) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const long w = files.write(fd, bytes.data() + done, bytes.size() - done);
    if (w < 0 && errno == EINTR) continue;
    if (w < 0) return errno;
    if (w == 0) return ENOSPC;
    done += static_cast<std::size_t>(w);
  }
  if (made.modified != nullptr) {
    // Set before the file shows under its name, so that it never shows
    // with another time. A time that cannot be set is no error.
    const struct timespec times[2] = {{0, UTIME_OMIT}, *made.modified};
    ::futimens(fd, times);
  }
  return files.setMode(fd, made.mode) != 0 ? errno : 0;
}

// Writes `bytes` into a temporary in `path`'s folder and renames it to
// `path`. 0, or the error; on an error nothing of the temporary is left.
int WriteAndRename(const fs::path& path, std::span<const std::uint8_t> bytes, const NewFile& made,
                   SaveFileSystem& files) {
  const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
  RemoveStaleTemporaries(dir, files);
  std::string temp;
  int fd = -1;
  if (const int err = MakeHeldTemporary(dir, files, temp, fd)) return err;

  auto abandon = [&](int err) {
    files.remove(temp);
    files.close(fd);
    return err;
  };
  if (const int err = WriteContents(fd, bytes, made, files)) return abandon(err);
  if (files.sync(fd) != 0) return abandon(errno);
  if (files.rename(temp, path.string()) != 0) return abandon(errno);
  // The new contents are on the disk and in place: the save is done whatever
  // closing says (closing also gives up the lock).
  files.close(fd);
  // Makes the rename itself last on the disk; a failure here loses nothing.
  SyncPath(dir, files);
  return 0;
}

// A copy of a file: its bytes and what the copy is to be besides them.
struct CopySource {
  FileBytes contents;
  struct stat st {};
  // The copy has the file's time, and its permissions with read and write
  // for the user.
  NewFile made() const { return {static_cast<unsigned>(st.st_mode & 07777) | S_IRUSR | S_IWUSR, &st.st_mtim}; }
};

std::error_code ReadCopySource(const fs::path& from, CopySource& source) {
  if (::stat(from.c_str(), &source.st) != 0) return {errno, std::generic_category()};
  source.contents = ReadRegularFile(from);
  if (source.contents.ok()) return {};
  const ReadFailure why = *source.contents.failure;
  return std::make_error_code(why == ReadFailure::CannotOpen ? std::errc::permission_denied
                              : why == ReadFailure::NotAFile ? std::errc::invalid_argument
                                                             : std::errc::io_error);
}

}  // namespace

int SaveFileSystem::makeTemp(std::string& pathTemplate) { return ::mkostemp(pathTemplate.data(), O_CLOEXEC); }

long SaveFileSystem::write(int fd, const std::uint8_t* data, std::size_t size) {
  return static_cast<long>(::write(fd, data, size));
}

int SaveFileSystem::setMode(int fd, unsigned mode) { return ::fchmod(fd, static_cast<mode_t>(mode)); }

int SaveFileSystem::sync(int fd) { return ::fsync(fd); }

int SaveFileSystem::rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str());
}

int SaveFileSystem::close(int fd) { return ::close(fd); }

int SaveFileSystem::remove(const std::string& path) { return ::unlink(path.c_str()); }

SaveFileSystem& RealFileSystem() {
  static SaveFileSystem real;
  return real;
}

bool IsSaveTemporary(const std::string& entry) {
  const std::string prefix = kTempPrefix;
  if (entry.size() != prefix.size() + kTempSuffixLength || entry.compare(0, prefix.size(), prefix) != 0) {
    return false;
  }
  for (std::size_t i = prefix.size(); i < entry.size(); ++i) {
    const char c = entry[i];
    const bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!letterOrDigit) return false;
  }
  return true;
}

std::optional<std::string> ReplaceFile(const fs::path& given, std::span<const std::uint8_t> bytes,
                                       SaveFileSystem& files, AtLink atLink) {
  fs::path path = given;
  std::error_code ec;
  if (atLink == AtLink::Follow && fs::is_symlink(path, ec)) {
    const fs::path real = fs::weakly_canonical(path, ec);
    if (!ec) path = real;
  }

  struct stat st {};
  const bool exists = ::lstat(path.c_str(), &st) == 0 && !S_ISLNK(st.st_mode);
  if (exists && S_ISDIR(st.st_mode)) return Failure(given, "it is a folder");
  // Replacing a file takes only a writable folder; a file its owner or the
  // user may not write is kept all the same.
  if (exists && ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)) {
    return Failure(given, "the file is read-only");
  }
  // The new file takes the old file's permissions, or the usual ones.
  const NewFile made{exists ? static_cast<unsigned>(st.st_mode & 07777) : NewFileMode()};
  if (const int err = WriteAndRename(path, bytes, made, files)) return Failure(given, err);
  return std::nullopt;
}

std::error_code CopyFileReplacing(const fs::path& from, const fs::path& to, SaveFileSystem& files) {
  CopySource source;
  if (const std::error_code ec = ReadCopySource(from, source)) return ec;
  if (const int err = WriteAndRename(to, source.contents.bytes, source.made(), files)) {
    return {err, std::generic_category()};
  }
  return {};
}

std::error_code CopyFileUnsynced(const fs::path& from, const fs::path& to, SaveFileSystem& files) {
  CopySource source;
  if (const std::error_code ec = ReadCopySource(from, source)) return ec;
  // A new file only: whatever stands under the name is neither followed nor written.
  const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return {errno, std::generic_category()};
  int err = WriteContents(fd, source.contents.bytes, source.made(), files);
  // The disk starts writing it now, while the other files are copied; the
  // sync that follows then mostly finds it written.
  if (err == 0) ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
  if (files.close(fd) != 0 && err == 0) err = errno;
  if (err != 0) return {err, std::generic_category()};
  return {};
}

int SyncPath(const fs::path& path, SaveFileSystem& files) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int err = files.sync(fd) != 0 ? errno : 0;
  ::close(fd);
  return err;
}

bool StillNamed(int fd, const std::string& path) {
  struct stat open {}, named {};
  return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
         open.st_ino == named.st_ino;
}

}  // namespace orn
