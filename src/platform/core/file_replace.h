#pragma once
// Saving a file so that the old one is never lost: the new contents go to a
// temporary file beside the target, are flushed to the disk, and only then
// renamed over the target in one step. A save that fails at any point (a
// full disk, a folder that cannot be written, a crash) leaves the old file
// whole and removes its temporary file.
//
// A temporary file is named "." + the target's name + ".saving-" + six
// characters, and is locked while it is written. A save that was killed
// half-way leaves one behind; the next save of the same file removes every
// unlocked temporary of that name, and nothing else.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace orn {

// The calls a save makes to the file system, so that tests can stand in one
// that fails at any of them. Each does what the system call of the same
// purpose does, returns its result and leaves errno set when it fails.
class SaveFileSystem {
 public:
  virtual ~SaveFileSystem() = default;
  // Creates and opens a new file from a template ending in "XXXXXX" (mkstemp).
  virtual int makeTemp(std::string& pathTemplate);
  virtual long write(int fd, const std::uint8_t* data, std::size_t size);
  virtual int setMode(int fd, unsigned mode);
  virtual int sync(int fd);
  virtual int rename(const std::string& from, const std::string& to);
  virtual int close(int fd);
  virtual int remove(const std::string& path);
};

// The machine's own file system.
SaveFileSystem& RealFileSystem();

// Writes `bytes` as the new contents of `path` (see above). A file that
// exists and may not be written (no write permission for the user, or
// marked read-only) is refused and left as it is. Empty on success, else the
// text to show: the file's path and what went wrong.
std::optional<std::string> ReplaceFile(const std::filesystem::path& path,
                                       std::span<const std::uint8_t> bytes,
                                       SaveFileSystem& fs = RealFileSystem());

// True when `entry` is the name of a save's temporary file for a target
// named `target` (both bare file names).
bool IsSaveTemporaryOf(const std::string& entry, const std::string& target);

}  // namespace orn
