#pragma once
// Bitmap and wallpaper export: the canvas saved as a bitmap file as the
// screen shows it, and one repeat tile of a wallpaper pattern saved as a
// bitmap into the wallpaper folder.
#include <optional>
#include <string>

#include "model/file_dialogs.h"
#include "canvas/picture_commands.h"
#include "platform/core/host.h"
#include "platform/core/surface.h"
#include "symmetry/draw_context.h"
#include "symmetry/sym_state.h"

namespace orn {

// Writes bitmap files. The program writes 24-bit Windows bitmaps through Qt's
// image writer, completely or not at all (an existing file is replaced only
// by a complete new one).
class ImageWriter {
 public:
  virtual ~ImageWriter() = default;
  // The w x h rectangle of `source` at (x, y); an error text on failure.
  virtual std::optional<std::string> writeBmp(const Surface& source, int x, int y, int w, int h,
                                              const std::string& path) = 0;
  std::optional<std::string> writeBmp(const Surface& source, const std::string& path) {
    return writeBmp(source, 0, 0, source.width(), source.height(), path);
  }
};

// The message for a file that could not be written.
std::string NotWrittenText(const std::string& path);

// ---- Save as Bitmap --------------------------------------------------------------

// A bitmap name ends in ".bmp", in any case.
bool BitmapNameOk(const std::string& path);

// "Save as Bitmap...": the canvas as the screen shows it, under a name the
// user chooses in the Save dialog `request` asks for (BitmapSaveRequest). A
// name with another ending is refused with "Bad Name - " and the name; a
// failed write is reported. Cancelling saves nothing.
void MenSaveBitmap(const Surface& canvas, const FileDialogRequest& request, FileDialogs& dialogs, Host& host,
                   ImageWriter& images);

// ---- Save as Wallpaper -----------------------------------------------------------

constexpr const char* kNoWallpaperText = "can't make wallpaper of this drawing";
// Colour of the outline that marks the tile on the canvas while the name is
// asked, drawn with the XOR pen.
constexpr Rgb kWallOutlineColour = 0x00FFFF;

constexpr const char* kWallSeamText =
    "This pattern does not repeat after a whole number of pixels within the canvas, so the "
    "wallpaper tile shows a seam where its copies meet.";

// How a wallpaper tile fits the pattern.
enum class WallFit {
  None,          // no tile: no horizontal or no vertical translation, or too large
  WholePeriods,  // the tile spans whole periods each way, within a fifth of a pixel
  NotWhole,      // no such tile fits on the canvas: one period each way, with a seam
};

// The tile: across and down, the fewest whole periods of the pattern that
// come within a fifth of a pixel of a whole number of pixels (a period need
// not be a whole number of pixels), centred on the base copy's handle and
// moved the least way that brings it onto the canvas. Leaves WallLeft..WallBottom
// (inclusive bounds) in `ctx`. Measures in part 1 when no part is selected,
// and leaves the selection and the copy table as they were.
WallFit MeasureWallTile(SymState& sym, DrawContext& ctx, const DrawingList& list, int canvasWidth,
                        int canvasHeight);

// The four outlines around the tile, drawn (and drawn again to remove them)
// with the XOR pen.
void WallOutline(Surface& canvas, const DrawContext& ctx);

// "Save as Wallpaper": measures the tile, marks it, and saves it through the
// picture save's bitmap dialog, which opens in `wallFolder` (made when it is
// missing); a tile that cannot span whole periods is saved after the user
// has been told so. The canvas ends as it was before the command.
void MenSaveWall(FileContext& fc, Surface& canvas, const std::string& wallFolder);

// What the picture save writes for a bitmap: the tile while the wallpaper
// command measures, else the whole canvas.
std::optional<std::string> SaveCanvasBitmap(const Surface& canvas, const DrawContext& ctx,
                                            ImageWriter& images, const std::string& path);

}  // namespace orn
