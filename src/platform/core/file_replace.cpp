#include "platform/core/file_replace.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orn {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTempInfix = ".saving-";
constexpr std::size_t kTempSuffixLength = 6;  // what mkstemp puts in place of "XXXXXX"

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

// Removes the temporaries a killed save of `target` left in `dir`. One that
// another save is writing at this moment is locked and stays.
void RemoveStaleTemporaries(const fs::path& dir, const std::string& target, SaveFileSystem& files) {
  std::vector<fs::path> stale;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (IsSaveTemporaryOf(it->path().filename().string(), target)) stale.push_back(it->path());
  }
  for (const fs::path& p : stale) {
    const int fd = ::open(p.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) continue;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) files.remove(p.string());
    ::close(fd);
  }
}

// Makes the rename itself last on the disk; a failure here loses nothing.
void SyncFolder(const fs::path& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The permissions of a new file: the usual ones less the process's mask.
unsigned NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666u & ~static_cast<unsigned>(mask);
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

bool IsSaveTemporaryOf(const std::string& entry, const std::string& target) {
  std::string prefix = ".";
  prefix += target;
  prefix += kTempInfix;
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
                                       SaveFileSystem& files) {
  // A link is followed: the file it names is replaced and the link stays.
  fs::path path = given;
  std::error_code ec;
  if (fs::is_symlink(path, ec)) {
    const fs::path real = fs::weakly_canonical(path, ec);
    if (!ec) path = real;
  }

  struct stat st {};
  const bool exists = ::stat(path.c_str(), &st) == 0;
  if (exists && S_ISDIR(st.st_mode)) return Failure(given, "it is a folder");
  // Replacing a file takes only a writable folder; a file its owner or the
  // user may not write is kept all the same.
  if (exists && ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)) {
    return Failure(given, "the file is read-only");
  }

  const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
  const std::string name = path.filename().string();
  RemoveStaleTemporaries(dir, name, files);

  std::string tempName = ".";
  tempName += name;
  tempName += kTempInfix;
  tempName += "XXXXXX";
  std::string temp = (dir / tempName).string();
  const int fd = files.makeTemp(temp);
  if (fd < 0) return Failure(given, errno);
  // Held until the file is closed, so that no other save takes it for stale.
  ::flock(fd, LOCK_EX | LOCK_NB);

  auto abandon = [&](int err) {
    files.remove(temp);
    files.close(fd);
    return Failure(given, err);
  };
  std::size_t done = 0;
  while (done < bytes.size()) {
    const long w = files.write(fd, bytes.data() + done, bytes.size() - done);
    if (w < 0 && errno == EINTR) continue;
    if (w < 0) return abandon(errno);
    if (w == 0) return abandon(ENOSPC);
    done += static_cast<std::size_t>(w);
  }
  // The new file takes the old file's permissions, or the usual ones.
  const unsigned mode = exists ? static_cast<unsigned>(st.st_mode & 07777) : NewFileMode();
  if (files.setMode(fd, mode) != 0) return abandon(errno);
  if (files.sync(fd) != 0) return abandon(errno);
  if (files.rename(temp, path.string()) != 0) return abandon(errno);
  // The new contents are on the disk and in place: the save is done whatever
  // closing says (closing also gives up the lock).
  files.close(fd);
  SyncFolder(dir);
  return std::nullopt;
}

}  // namespace orn
