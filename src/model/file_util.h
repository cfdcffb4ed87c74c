#pragma once
// Small helpers: whether a file is there to be read, the rules on file names
// and paths the file commands and menus apply, and the Ctrl key.
#include <string>

#include "platform/core/host.h"

namespace orn {

// True when `path` names a regular file that opens for reading and is not
// empty. A folder, a missing file and an empty file give false. A trailing
// "\" or "/" is dropped first. Never throws.
bool FileExists(const std::string& path);

// The file name after the last "/" or "\".
std::string FileNameOf(const std::string& path);

// The menu caption of a recent path: the bare file name when it lies in
// `baseDir`, "../" and the rest when it lies below it, else the full path.
std::string RecentCaption(const std::string& path, const std::string& baseDir);

// The path upper-cased with "/" turned into "\", for the tests on path texts.
std::string PathKey(const std::string& path);
// True when the file name's extension is `ext` (without the dot), in any case.
bool HasExtension(const std::string& path, const std::string& ext);
// True when the text holds a carriage return or a line feed: such a name
// cannot stand on one line of a settings file.
bool HoldsLineBreak(const std::string& text);
// A sample picture of the program (a file "OV..." in a "STATIC" folder).
bool IsSamplePath(const std::string& path);
// The standard colours' colour file, which is never written over: a file
// name ending in "STANDARD.COL", in any case.
bool IsStandardColFile(const std::string& path);
// The model number of a model sample: the digit after "\STATIC\OVMOD", or
// for "\STATIC\OVX..." the digit before the extension; 0 otherwise.
int ModelNumberOf(const std::string& path);

// True while a Ctrl key is held down.
inline bool CtrlKeyDown(const Host& host) { return host.ctrlKeyDown(); }

}  // namespace orn
