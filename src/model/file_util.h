#pragma once
// Small helpers: whether a file is there to be read, and the Ctrl key.
#include <string>

#include "platform/core/host.h"

namespace orn {

// True when `path` names a regular file that opens for reading and is not
// empty. A folder, a missing file and an empty file give false. A trailing
// "\" or "/" is dropped first. Never throws.
bool FileExists(const std::string& path);

// True while a Ctrl key is held down.
inline bool CtrlKeyDown(const Host& host) { return host.ctrlKeyDown(); }

}  // namespace orn
