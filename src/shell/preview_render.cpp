#include "shell/preview_render.h"

#include <algorithm>
#include <cmath>

#include "canvas/picture_commands.h"
#include "shell/model_view.h"
#include "shell/sample_preview.h"

namespace orn {

std::optional<Surface> RenderPreview(const std::filesystem::path& picture, int width, int height) {
  const FileResult<PictureFile> read = ReadPictureFile(picture);
  if (!read.ok() || width < 1 || height < 1) return std::nullopt;
  const PictureFile& pf = *read.value;
  const std::string path = picture.string();
  const float backValue = pf.header[kHdrPicBackColor];
  const Rgb back = backValue >= 1.0f && backValue <= 16777215.0f ? Rgb(backValue) : kWhite;
  if (const int model = ModelNumberOf(path); model != 0) {
    const Surface view = RenderFoldedModel(pf, path, model, std::min(width, height), back);
    if (!view.empty()) return ShrinkToFit(view, width, height, back);
  }
  const std::optional<Surface> whole = RenderPictureFile(pf, path);
  if (!whole) return std::nullopt;
  if (!WallpaperAllowed(pf.header[kHdrPicKind])) return ShrinkToFit(*whole, width, height, back);
  const int cw = std::min(whole->width(), int(std::lround(double(whole->height()) * width / height)));
  const int ch = std::min(whole->height(), int(std::lround(double(cw) * height / width)));
  Surface middle(cw, ch, back);
  middle.blit(0, 0, cw, ch, *whole, (whole->width() - cw) / 2, (whole->height() - ch) / 2);
  return ShrinkToFit(middle, width, height, back);
}

}  // namespace orn
