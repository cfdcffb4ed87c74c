// Picture and colour-chart files (".PNT", ".COL"): any bytes are read or
// refused with a reason; a picture that is read writes back to the same
// entries, loads, redraws with its fills and saves as the editor does, and
// gives the standard colours a colour file's save derives from it.
#include "colour/standard_colors.h"
#include "fuzz/fuzz_support.h"

namespace orn::fuzz {

void PictureFileTarget(std::span<const std::uint8_t> bytes) {
  const FileResult<PictureFile> read = ParsePictureFile(bytes, "FUZZ.PNT");
  FUZZ_CHECK(read.ok() != read.error.has_value());
  if (!read.ok()) {
    FUZZ_CHECK(read.error->message.find("FUZZ.PNT") != std::string::npos);
    return;
  }
  const PictureFile& pf = *read.value;
  FUZZ_CHECK(!pf.g0.empty() && pf.g0.size() == pf.g1.size() && pf.g0.back() == kCodeEnd);
  if (pf.layout == PictureLayout::Full) {
    const std::vector<std::uint8_t> written = EncodePictureFile(pf);
    const FileResult<PictureFile> again = ParsePictureFile(written, "FUZZ.PNT");
    FUZZ_CHECK(again.ok());
    FUZZ_CHECK(again.value->g0 == pf.g0 && again.value->g1 == pf.g1 && again.value->views == pf.views);
    FUZZ_CHECK(EncodePictureFile(*again.value) == written);
  }

  Editor e;
  e.load(pf);
  e.redraw();
  e.expectSavedPictureLoadsBack();

  ColourTable table = BuiltInColorTable();
  RebuildColorTableFromChart(e.list, table);
}

}  // namespace orn::fuzz
