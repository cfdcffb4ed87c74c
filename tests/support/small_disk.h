#pragma once
// A small disk of a test's own, to fill up for real: a child process mounts
// a fresh tmpfs of the given size on a folder, in a mount namespace of its
// own so that nothing outside ever sees it, and runs the test's body there;
// the body's report comes back as text for the test to check. Mounting
// takes the superuser or user namespaces the system allows; where neither is
// to be had there is no small disk, and the caller skips.
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace orn::test {

inline constexpr int kNoSmallDisk = 77;

namespace small_disk_detail {

inline bool writeWhole(const std::string& file, const std::string& text) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  ::close(fd);
  return ok;
}

// Makes the calling (single-threaded, forked) process able to mount: a mount
// namespace of its own, and for an ordinary user a user namespace in which it
// is the superuser.
inline bool enterMountNamespace() {
  if (::geteuid() == 0) return ::unshare(CLONE_NEWNS) == 0;
  const std::string uid = std::to_string(::geteuid()), gid = std::to_string(::getegid());
  if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
  return writeWhole("/proc/self/setgroups", "deny") && writeWhole("/proc/self/uid_map", "0 " + uid + " 1") &&
         writeWhole("/proc/self/gid_map", "0 " + gid + " 1");
}

inline std::string sizeOption(std::size_t bytes) { return "size=" + std::to_string(bytes); }

}  // namespace small_disk_detail

// Gives the small disk mounted on `at` (inside OnSmallDisk's body) a new size.
inline bool ResizeSmallDisk(const std::filesystem::path& at, std::size_t bytes) {
  const std::string size = small_disk_detail::sizeOption(bytes);
  return ::mount("tmpfs", at.c_str(), "tmpfs", MS_REMOUNT, size.c_str()) == 0;
}

// Runs `body` in a child process with a tmpfs of `bytes` mounted on the
// existing folder `at`, and gives back what the body reported; nothing when
// no such disk can be had here.
inline std::optional<std::string> OnSmallDisk(const std::filesystem::path& at, std::size_t bytes,
                                              const std::function<std::string()>& body) {
  int pipe[2];
  if (::pipe(pipe) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    ::close(pipe[0]);
    namespace d = small_disk_detail;
    const std::string size = d::sizeOption(bytes);
    if (!d::enterMountNamespace() || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", at.c_str(), "tmpfs", 0, size.c_str()) != 0) {
      ::_exit(kNoSmallDisk);
    }
    const std::string report = body();
    const bool sent = ::write(pipe[1], report.data(), report.size()) == static_cast<ssize_t>(report.size());
    ::_exit(sent ? 0 : 1);
  }
  ::close(pipe[1]);
  std::string report;
  char chunk[4096];
  for (ssize_t got; (got = ::read(pipe[0], chunk, sizeof chunk)) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    report.append(chunk, static_cast<std::size_t>(got));
  }
  ::close(pipe[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (WIFEXITED(status) && WEXITSTATUS(status) == kNoSmallDisk) return std::nullopt;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child ended abnormally: " + std::to_string(status);
  return report;
}

}  // namespace orn::test
