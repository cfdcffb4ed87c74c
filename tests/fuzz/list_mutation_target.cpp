// The drawing list of a valid picture, changed entry by entry as the
// fuzzer's bytes say: every list the reader accepts is loaded, redrawn
// (through the symmetry-block check, the replication and the fills), painted
// with the paint tool, redrawn again and saved, and must load back.
#include <array>
#include <cmath>
#include <fstream>
#include <iterator>

#include "fuzz/fuzz_support.h"
#include "model/record_codes.h"

namespace orn::fuzz {

namespace {

// The pictures the changes start from: a rosette, a tessellation with three
// parts, a model net and a drawing, all with symmetry blocks, each scaled to
// the small canvas as the window scales a picture to its canvas.
const std::vector<PictureFile>& Bases() {
  static const std::vector<PictureFile> bases = [] {
    std::vector<PictureFile> out;
    for (const char* name : {"OVRO4A.PNT", "OVTE3A.PNT", "OVMOD4D.PNT", "OVXOWL4.PNT"}) {
      const auto path = std::filesystem::path(ORNIVALE_SOURCE_DIR) / "tests" / "fuzz" / "bases" / name;
      FileResult<PictureFile> read = ReadPictureFile(path);
      FUZZ_CHECK(read.ok());
      Editor e;
      e.load(*read.value);
      const int storedWidth = int(read.value->views.at(ViewBase)[2]);
      FUZZ_CHECK(RescaleToCanvas(e.views, e.list, storedWidth, kCanvasWidth, kCanvasHeight));
      out.push_back(CapturePicture(e.fileContext, e.hooks.windowSizes()));
    }
    return out;
  }();
  return bases;
}

// Values worth trying in an entry: every record code, codes taken out,
// colour entries at and past the ends of the codes, the file-only codes,
// small counts and offsets, and far-away coordinates.
constexpr std::array<float, 52> kValues = {
    20000, 20001, 20002, 20003, 20004, 20005, 20006, 20010, 20077, 20090, 20091, 20092, 20099,
    20100, 20101, 20102, 20106, 20110, 20190, 21000, 21308, 21999, 53767, 30000, 32100, -7777,
    0,     1,     2,     3,     4,     5,     6,     7,     8,     9,     10,    -1,    -2,
    -3,    -5,    119.5, 240,  1e6,   -1e6,  3e9,   1e30,  -1e30, 65535, 32767, 32768, 0.5f};

float ValueFrom(ByteReader& r) {
  const std::uint8_t sel = r.byte();
  if (sel < kValues.size()) return kValues[sel];
  if (sel < 200) return float(int(sel) - 128);  // small whole numbers, both signs
  const float v = r.real();
  return std::isfinite(v) ? v : 0.0f;
}

// The entries of a list, its end marker last, as the fuzzer's bytes change them.
void Mutate(PictureFile& pf, ByteReader& r) {
  std::vector<float>& g0 = pf.g0;
  std::vector<float>& g1 = pf.g1;
  auto insert = [&](std::size_t at, float a, float b) {
    if (g0.size() > std::size_t(kMaxIndex)) return;
    g0.insert(g0.begin() + long(at), a);
    g1.insert(g1.begin() + long(at), b);
  };
  const int ops = r.byte() % 8 + 1;
  for (int n = 0; n < ops && !r.empty() && !g0.empty(); ++n) {
    const int kind = r.byte() % 6;
    const std::size_t i = r.word() % g0.size();
    switch (kind) {
      case 0: g0[i] = ValueFrom(r); break;
      case 1: g1[i] = ValueFrom(r); break;
      case 2:
        g0.erase(g0.begin() + long(i));
        g1.erase(g1.begin() + long(i));
        break;
      case 3: {
        const float a = ValueFrom(r);
        insert(i, a, ValueFrom(r));
        break;
      }
      case 4: {
        const std::size_t j = r.word() % g0.size();
        std::swap(g0[i], g0[j]);
        std::swap(g1[i], g1[j]);
        break;
      }
      default: {  // copies a run of entries (a record, often) to another place
        const std::size_t len = std::min<std::size_t>(r.byte() % 16 + 1, g0.size() - i);
        const std::size_t to = r.word() % g0.size();
        const std::vector<float> a(g0.begin() + long(i), g0.begin() + long(i + len));
        const std::vector<float> b(g1.begin() + long(i), g1.begin() + long(i + len));
        for (std::size_t k = 0; k < len; ++k) insert(to + k, a[k], b[k]);
        break;
      }
    }
  }
}

}  // namespace

void ListMutationTarget(std::span<const std::uint8_t> bytes) {
  ByteReader r(bytes);
  const std::vector<PictureFile>& bases = Bases();
  PictureFile changed = bases[r.byte() % bases.size()];
  Mutate(changed, r);
  if (changed.g0.empty()) return;

  // Only a list the reader takes can be in the editor: as a file it is read.
  const FileResult<PictureFile> read = ParsePictureFile(EncodePictureFile(changed), "FUZZ.PNT");
  if (!read.ok()) return;

  Editor e;
  e.load(*read.value);
  e.redraw();
  e.tool(kToolPaint);
  const int clicks = r.byte() % 4;
  for (int k = 0; k < clicks; ++k) {
    e.colour.CurrentColor = (Rgb(r.word()) << 8 | r.byte()) & 0xFFFFFF;
    e.colour.CurrentCode = r.byte() % 2 ? kOffTableCode : 100 * (r.byte() % 8) + r.byte() % 21;
    e.click(float(r.byte() % kCanvasWidth), float(r.byte() % kCanvasHeight));
  }
  if (clicks > 0) e.redraw();  // the new fills replayed
  e.expectSavedPictureLoadsBack();
}

}  // namespace orn::fuzz
