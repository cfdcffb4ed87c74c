#pragma once
// The small previews of the sample pictures that the main menu shows. Each is
// rendered from its sample by our own Surface and kept in the program
// folder, so later starts only read it; a sample newer than its preview is
// rendered again. The build renders the samples' previews the same way into
// the installed data, so the first start finds them ready (the copies that
// seed the program folder keep the files' times).
#include <filesystem>
#include <functional>
#include <optional>

#include "platform/core/surface.h"

namespace orn {

// The folder of the program folder that keeps the previews, and their size
// on the main menu.
inline constexpr const char* kPreviewFolderName = "previews";
inline constexpr int kMenuPreviewSize = 120;

// Renders a picture file into a width x height surface; nothing when the file
// cannot be read.
using PreviewRenderer =
    std::function<std::optional<Surface>(const std::filesystem::path& picture, int width, int height)>;

// The preview file format: "ORNPV1", width and height as 16-bit little-endian
// numbers, then the pixels row by row as red, green, blue bytes. A link
// under the file's name is replaced, not written through.
bool WritePreviewFile(const std::filesystem::path& file, const Surface& s);
std::optional<Surface> ReadPreviewFile(const std::filesystem::path& file);

class PreviewCache {
 public:
  PreviewCache(std::filesystem::path cacheFolder, PreviewRenderer render);

  // The preview of `sample` at width x height: the stored one when it has that
  // size and is not older than the sample, else a fresh rendering, which is
  // stored (a preview that cannot be stored is still returned). Nothing when
  // the sample is missing or cannot be rendered.
  std::optional<Surface> preview(const std::filesystem::path& sample, int width, int height);

  // How many previews this cache has rendered (the rest came from files).
  int rendered() const { return rendered_; }

 private:
  std::filesystem::path folder_;
  PreviewRenderer render_;
  int rendered_ = 0;
};

}  // namespace orn
