#pragma once
// Saving a file so that the old one is never lost: the new contents go to a
// temporary file beside the target, are flushed to the disk, and only then
// renamed over the target in one step. A save that fails at any point (a
// full disk, a folder that cannot be written, a crash) leaves the old file
// whole and removes its temporary file.
//
// A temporary file has a short name of its own, ".ornivale-save-" and six
// characters, whatever the target's name, so that a target may have the
// longest name the folder allows. A save holds its temporary locked from the
// moment it makes it until it is renamed. A save that was killed half-way
// leaves one behind; the next save into the same folder removes every
// temporary that no save holds, and nothing else.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <system_error>

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

// What a save does with a link that stands under the target's name.
enum class AtLink {
  // The file the link names is replaced and the link stays: for files the
  // user names, who may keep a picture behind a link.
  Follow,
  // The link itself gives way to the new file; nothing is written through
  // it: for the program's own files in its folder.
  Replace,
};

// Writes `bytes` as the new contents of `path` (see above). A file that
// exists and may not be written (no write permission for the user, or
// marked read-only) is refused and left as it is. Empty on success, else the
// text to show: the file's path and what went wrong.
std::optional<std::string> ReplaceFile(const std::filesystem::path& path,
                                       std::span<const std::uint8_t> bytes,
                                       SaveFileSystem& fs = RealFileSystem(),
                                       AtLink atLink = AtLink::Follow);

// Copies the file `from` to `to` the same way, so that `to` is either as it
// was or a whole copy, never an empty or cut one. The copy has `from`'s
// modification time, as a moved file has, and its permissions with read and
// write added for the user: installed data is often read-only, but the
// copies are the user's own to change. Whatever stands at `to` is replaced
// (a link gives way, nothing is written through it). No error on success.
std::error_code CopyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to,
                                  SaveFileSystem& fs = RealFileSystem());

// Copies the file `from` to `to`, a new name in a folder that is built under
// a name of its own and shown (renamed into place) only once it is whole,
// with the time and permissions CopyFileReplacing gives, but without waiting
// for the disk: the folder's builder brings all it made to the disk at once
// (SyncPath on each) before it shows the folder. Nothing that stands under
// `to` is followed or replaced. A failed copy may leave part of the file,
// which goes with the folder its builder gives up. No error on success.
std::error_code CopyFileUnsynced(const std::filesystem::path& from, const std::filesystem::path& to,
                                 SaveFileSystem& fs = RealFileSystem());

// Waits until `path`, a file or a folder (the names it holds), is on the
// disk (through `fs`'s sync). 0, or the error.
int SyncPath(const std::filesystem::path& path, SaveFileSystem& fs = RealFileSystem());

// True while the file or folder open on `fd` is the one named `path`: a
// lock taken on it then holds what the name names.
bool StillNamed(int fd, const std::string& path);

// True when `entry` (a bare file name) is the name of a save's temporary file.
bool IsSaveTemporary(const std::string& entry);

}  // namespace orn
