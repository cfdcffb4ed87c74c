#pragma once
// A FIFO (named pipe) in a test's folder that notes whether anything opened it
// for reading. Such a reader waits for a writer for ever; the FIFO's watch
// lets it go at once (it opens the FIFO for writing and closes it again, so
// the reader sees an empty file) and remembers that it had to.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <thread>

namespace orn::test {

class WatchedFifo {
 public:
  explicit WatchedFifo(std::filesystem::path path) : path_(std::move(path)) {
    made_ = ::mkfifo(path_.c_str(), 0644) == 0;
    watch_ = std::thread([this] {
      while (!stop_) {
        // Opening for writing without waiting succeeds only while a reader has
        // it open (or once a save has put an ordinary file in its place).
        const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
          struct stat st {};
          if (::fstat(fd, &st) == 0 && S_ISFIFO(st.st_mode)) opened_ = true;
          ::close(fd);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    });
  }
  ~WatchedFifo() {
    stop_ = true;
    watch_.join();
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }
  WatchedFifo(const WatchedFifo&) = delete;
  WatchedFifo& operator=(const WatchedFifo&) = delete;

  bool made() const { return made_; }
  // True once anything had the FIFO open for reading.
  bool openedForReading() const { return opened_; }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  bool made_ = false;
  std::atomic<bool> stop_{false};
  std::atomic<bool> opened_{false};
  std::thread watch_;
};

}  // namespace orn::test
