#pragma once
// Small pictures of picture files: what the main menu shows on its sample
// buttons. A picture is redrawn in full, as the editor shows it right after
// loading it, on a canvas of the size stored with it, and then shrunk to fit
// a small box; each small pixel is the average of the canvas pixels it
// covers, so thin lines stay visible as a shade. A model sample instead shows
// its solid, folded from the net it holds (model_view.h).
#include <filesystem>
#include <optional>
#include <string>

#include "model/picture_file.h"
#include "platform/core/surface.h"

namespace orn {

// The canvas size used for a picture that stores none (older layouts).
constexpr int kDefaultRenderWidth = 640;
constexpr int kDefaultRenderHeight = 480;

// The picture of `pf` after a full redraw on a canvas of the size stored
// with it, in its own background colour and line width; without its fills
// when `fills` is false, as the editor draws it with the paint panel hidden.
// `path` is the file's path; it only decides what the loader makes of a
// sample's name. Empty when the picture cannot be drawn.
std::optional<Surface> RenderPictureFile(const PictureFile& pf, const std::string& path, bool fills = true);

// `src` shrunk, keeping its proportions, to fit a width x height box and
// centred on `back`; every target pixel is the area-weighted average of the
// source pixels under it. A source smaller than the box is centred unscaled.
Surface ShrinkToFit(const Surface& src, int width, int height, Rgb back);

// The main menu's picture of a sample file: the folded solid for a model
// sample (a model number in its name and a net in its base shapes), the
// middle of a repeating pattern (a picture kind that offers the wallpaper)
// cut to the box's proportions and shrunk, else the whole picture shrunk.
// An empty Surface when the file cannot be read.
Surface RenderSamplePreview(const std::filesystem::path& pnt, int width, int height, Rgb back);

}  // namespace orn
