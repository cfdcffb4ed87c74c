#pragma once
// A picture file drawn small, for the main menu's previews and the editor's
// model frame.
#include <filesystem>
#include <optional>

#include "platform/core/surface.h"

namespace orn {

// The picture as the editor shows it after loading it, shrunk into a width x
// height box on the picture's background colour. A model sample (a model
// number in its name and the net of that model in its base shapes) shows its
// folded solid instead; a repeating pattern (a picture kind that offers the
// wallpaper) shows its middle, cut to the box's proportions, so that it fills
// the box larger than the whole would. Nothing when the file cannot be read.
std::optional<Surface> RenderPreview(const std::filesystem::path& picture, int width, int height);

}  // namespace orn
