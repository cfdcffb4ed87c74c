#include "platform/core/file_read.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orn {

FileBytes ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
  FileBytes out;
  auto fail = [&out](ReadFailure f) {
    out.bytes.clear();
    out.failure = f;
    return out;
  };
  // What the name is, first, so that a FIFO is never opened at all.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return fail(ReadFailure::CannotOpen);
  if (!S_ISREG(st.st_mode)) return fail(ReadFailure::NotAFile);
  // Should the name change between the look and the open, the open still
  // does not wait, and what was opened is looked at again.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return fail(ReadFailure::CannotOpen);
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  if (::fstat(fd, &st) != 0) return fail(ReadFailure::ReadError);
  if (!S_ISREG(st.st_mode)) return fail(ReadFailure::NotAFile);

  const auto size = static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0);
  out.bytes.reserve(size < maxBytes ? size : maxBytes);
  std::uint8_t chunk[1 << 16];
  while (out.bytes.size() < maxBytes) {
    const std::size_t want = std::min(sizeof chunk, maxBytes - out.bytes.size());
    const ssize_t got = ::read(fd, chunk, want);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return fail(ReadFailure::ReadError);
    if (got == 0) break;
    out.bytes.insert(out.bytes.end(), chunk, chunk + got);
  }
  return out;
}

}  // namespace orn
