#pragma once
// A picture file drawn small, for the main menu's previews.
#include <filesystem>
#include <optional>

#include "platform/core/surface.h"

namespace orn {

// The picture's strokes scaled into a width x height surface on the
// picture's background colour; nothing when the file cannot be read.
std::optional<Surface> RenderPreview(const std::filesystem::path& picture, int width, int height);

}  // namespace orn
