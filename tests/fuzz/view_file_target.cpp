// View files (".VEW") of the sibling drawing product: any bytes are read or
// refused with a reason; a view that is read becomes a picture the editor
// redraws and saves.
#include "canvas/view_load.h"
#include "fuzz/fuzz_support.h"
#include "model/view_file.h"

namespace orn::fuzz {

void ViewFileTarget(std::span<const std::uint8_t> bytes) {
  const FileResult<ViewFile> read = ParseViewFile(bytes, "FUZZ.VEW");
  FUZZ_CHECK(read.ok() != read.error.has_value());
  bool sound = false;
  if (read.ok()) {
    const FileResult<ViewImport> laid = ImportView(*read.value, kCanvasWidth, kCanvasHeight, "FUZZ.VEW");
    FUZZ_CHECK(laid.ok() != laid.error.has_value());
    if (laid.ok()) {
      const ViewImport& v = *laid.value;
      FUZZ_CHECK(v.width >= 1 && v.height >= 1 && v.width <= kCanvasWidth && v.height <= kCanvasHeight);
      FUZZ_CHECK(v.g0.size() == v.g1.size() && int(v.g0.size()) <= kViewListLimit + 1);
      sound = true;
    }
  }

  // As the editor loads it: the open picture stays when the file is refused.
  MemoryFile file;
  Editor e;
  const std::vector<float> before(e.list.G0.begin(), e.list.G0.begin() + e.list.NumPoints + 1);
  LoadReport report;
  const bool refused = LoadView(e.fileContext, file.hold(bytes), report).has_value();
  FUZZ_CHECK(refused != sound);
  if (refused) {
    FUZZ_CHECK(std::equal(before.begin(), before.end(), e.list.G0.begin()));
    return;
  }
  e.redraw();
  e.expectSavedPictureLoadsBack();
}

}  // namespace orn::fuzz
