#pragma once
// Small pictures of picture files: what the main menu shows on its sample
// buttons. A picture is redrawn in full, as the editor shows it right after
// loading it, on a canvas of the size stored with it (a huge one fitted to a
// bounded size, as the editor fits it to its window), and then shrunk to fit
// a small box; each small pixel is the average of the canvas pixels it
// covers, so thin lines stay visible as a shade. A model sample instead shows
// its solid, folded from the net it holds (model_view.h).
#include <filesystem>
#include <optional>
#include <string>

#include "canvas/picture_commands.h"
#include "canvas/view_table.h"
#include "model/picture_file.h"
#include "platform/core/surface.h"

namespace orn {

// An editor's worth of picture state with no window: what the program's own
// file commands load a picture into and capture it from.
struct OffscreenEditor {
  DrawingList list;
  ViewTable views;
  EditorState editor;
  DrawContext draw;
  SymState sym;
  PictureSettings pic;
  FileState file;
  NullHost host;
  NoFileDialogs dialogs;
  FileHooks hooks;

  FileContext context() { return FileContext{list, views, editor, draw, sym, pic, file, host, dialogs, hooks}; }
  // Loads a picture as the editor's loader does; `report` tells the rest.
  void load(const PictureFile& pf, const std::string& path, LoadReport& report) {
    FileContext ctx = context();
    ApplyPictureFile(ctx, pf, path, report);
  }
};

// The largest canvas side a picture is drawn on here: 17 times the main
// menu's previews and four times the folded model's drawing (120 pixels at
// four samples each), and more than twice any sample's canvas. A larger
// stored canvas would take up its memory for a small picture.
inline constexpr int kLargestPreviewCanvas = 2048;

// The picture of `pf` after a full redraw on a canvas of the size stored
// with it (or, for a picture that stores none, just large enough for it), in its own background colour and line width; without its fills
// when `fills` is false, as the editor draws it with the paint panel hidden.
// A canvas wider or higher than kLargestPreviewCanvas is fitted within that
// square first, the picture's points moved with it as the editor moves them
// when it fits a picture to a smaller canvas; `fitted`, when given, receives
// the map of those points (the identity when the canvas was kept).
// `path` is the file's path; it only decides what the loader makes of a
// sample's name. Empty when the picture cannot be drawn.
std::optional<Surface> RenderPictureFile(const PictureFile& pf, const std::string& path, bool fills = true,
                                         ViewMap* fitted = nullptr);

// `src` shrunk, keeping its proportions, to fit a width x height box and
// centred on `back`; every target pixel is the area-weighted average of the
// source pixels under it. A source smaller than the box is centred unscaled.
Surface ShrinkToFit(const Surface& src, int width, int height, Rgb back);

}  // namespace orn
