#pragma once
// Reading a file whose name comes from outside (the user, the program
// folder): only an ordinary file is read. A FIFO, a device, a socket or a
// folder under the name is refused at once; it is never opened in a way
// that could wait, as opening a FIFO for reading waits for a writer.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <optional>
#include <vector>

namespace orn {

enum class ReadFailure {
  CannotOpen,  // missing, or not readable by the user
  NotAFile,    // there, but no ordinary file
  ReadError,   // the system failed while reading
};

struct FileBytes {
  std::vector<std::uint8_t> bytes;
  std::optional<ReadFailure> failure;  // set when `bytes` holds nothing read
  bool ok() const { return !failure.has_value(); }
};

// The bytes of the file at `path` (a link is followed), at most `maxBytes`
// of them from its start.
FileBytes ReadRegularFile(const std::filesystem::path& path,
                          std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

}  // namespace orn
