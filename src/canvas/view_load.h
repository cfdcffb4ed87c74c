#pragma once
// Loading a view file of the sibling drawing product as a new picture.
#include <optional>
#include <string>

#include "canvas/picture_commands.h"

namespace orn {

// The message and caption shown when only part of a view fitted the list.
inline constexpr const char* kViewTooBigText = "Only part of your view could be loaded.";
inline constexpr const char* kViewTooBigTitle = "H3 View Too Big";

// Reads the view file at `path` and makes it the open picture: one Multi
// Line record on a canvas of the view's proportions within the window's
// room, the views of a new picture, no symmetry, no colours, no title, no
// name. Returns the text to show when the file is refused; the open picture
// is then untouched.
std::optional<std::string> LoadView(FileContext& ctx, const std::string& path, LoadReport& report);

}  // namespace orn
