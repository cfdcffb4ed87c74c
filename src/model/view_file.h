#pragma once
// The view file (".VEW") of the sibling drawing product, read only: a flat
// set of line segments in 16-byte records of four 32-bit reals (a, b, c, d),
// numbered from 1:
//
//   record 1             minX, maxX, minY, maxY: the extent, when record 2
//                        has no header marker
//   record 2             a = -9988 or -9978 (header marker), d = count of lines
//   records 3..count+2   x1, y1, x2, y2: one line; a = -55555.55 is no line
//   record count+3       the extent, when record 2 has a header marker
//   the last record      c = 501.0 when the reals are IEEE singles; any
//                        other value: the older four-byte binary reals
//
// Reading checks the whole file before anything is taken from it, and
// ImportView turns a sound file into the entries of a new picture, so a
// refused file never touches the open picture.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "model/drawing_list.h"
#include "model/picture_file.h"

namespace orn {

// The third value of the last record that marks IEEE reals.
constexpr float kViewIeeeMark = 501.0f;
// Record 2's first value when the file has a header.
constexpr float kViewHeaderMark1 = -9988.0f;
constexpr float kViewHeaderMark2 = -9978.0f;
// A line record whose first value is this holds no line.
constexpr float kViewNoLine = -55555.55f;
// The import fills the list up to this index (its end marker included), so
// that room is left to draw into the view.
constexpr int kViewListLimit = 30000;
// The longest view file read: records 1 and 2, the extent, the format's
// mark and as many lines as the drawing list has entries, twice what it can
// take in. A longer file is refused before more of it is read.
constexpr std::size_t kViewMaxFileBytes = 16 * (std::size_t(kMaxEntries) + 4);
// Mapped points farther out than this lie outside anything the canvas can
// show; a file that puts lines there is refused.
constexpr float kViewMaxCoordinate = 30000.0f;

struct ViewSegment {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct ViewExtent {
  float minX = 0, maxX = 0, minY = 0, maxY = 0;
};

// A view file as read: its lines in file order (records that hold no line
// left out) and the extent they are shown in, with both ranges positive.
struct ViewFile {
  std::vector<ViewSegment> segments;
  ViewExtent extent;
};

// Decodes one real of the older four-byte binary format from its bytes 3
// (exponent), 2 (sign and the mantissa's high bits), 1 and 0. An exponent
// byte of 0, or a magnitude below 1e-12, gives 0.
float MBFToSingle(std::uint8_t exponent, std::uint8_t signHigh, std::uint8_t middle, std::uint8_t low);

// Parses the bytes of a view file; `name` is used in messages. Refuses a
// file longer than kViewMaxFileBytes, with fewer records than its count of
// lines needs, a value that is not a number, no lines, or lines without width
// or height.
FileResult<ViewFile> ParseViewFile(std::span<const std::uint8_t> bytes, const std::string& name);
FileResult<ViewFile> ReadViewFile(const std::filesystem::path& path);

// A view laid into a canvas: the canvas size with the view's proportions and
// the entries of the new drawing list, from index 0 to its end marker.
struct ViewImport {
  int width = 0;
  int height = 0;
  double aspect = 0;  // height / width of the view
  std::vector<float> g0;
  std::vector<float> g1;
  bool tooBig = false;  // lines past the list's room were left out
};

// Fits the view into a canvas of at most spaceW x spaceH, scaled by its width
// and centred, and makes it one Multi Line record (the two end points of each
// line in file order) followed by a Mark and the end marker. Only whole lines
// are taken, up to kViewListLimit. Refuses a view whose lines would land
// farther out than kViewMaxCoordinate.
FileResult<ViewImport> ImportView(const ViewFile& view, int spaceW, int spaceH, const std::string& name);

}  // namespace orn
