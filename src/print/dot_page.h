#pragma once
// A printer page drawn dot by dot: one bit per printer dot, set where ink
// goes. The black-and-white print draws its lines here at the printer's
// resolution and hands the page over as one picture, which a printer (or a
// PDF file) takes in far less time than hundreds of thousands of strokes.
//
// Coordinates are printer dots with the page's top-left corner at (0, 0);
// dot (i, j) covers the square from (i, j) to (i + 1, j + 1).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orn {

class DotPage {
 public:
  DotPage() = default;
  // A blank page.
  DotPage(int width, int height);

  int width() const { return page_.width; }
  int height() const { return page_.height; }
  bool empty() const { return width() <= 0 || height() <= 0; }

  // False outside the page.
  bool inked(int x, int y) const;
  // Bytes of one row: a bit per dot, the leftmost dot of a byte in its
  // highest bit, unused bits at the row's end clear.
  int rowBytes() const { return (width() + 7) / 8; }
  // Writes row y's rowBytes() bytes to `out`.
  void copyRow(int y, std::uint8_t* out) const;

  // The segment drawn with a round pen `pen` dots wide: its ends are moved to
  // the nearest dot corner for an even pen, to the centre of the nearest dot
  // (the dot whose index is the nearest whole number) for an odd one, and
  // every dot whose centre lies within half the pen's width of the segment is
  // inked; a line along a row is so exactly `pen` dots high. The same dots
  // whichever end comes first; parts off the page cost nothing.
  void line(float x1, float y1, float x2, float y2, int pen);

 private:
  // The dots of a round pen around a dot corner (X, Y), or for an odd width
  // around the centre of dot (X, Y): on row Y + first + k the dots
  // X + lo[k] .. X + hi[k].
  struct Pen {
    int width = 0;
    int first = 0;
    std::vector<int> lo, hi;
  };
  const Pen& pen(int width);

  // Dots in tiles of kTile x kTile, a word per tile row with its leftmost
  // dot in the highest bit: a line steps from row to row within a few cache
  // lines.
  using Word = std::uint32_t;
  static constexpr int kTile = 32;
  struct Plane {
    int width = 0, height = 0;
    std::size_t across = 0;  // tiles in a row of tiles
    std::vector<Word> words;

    Plane() = default;
    Plane(int w, int h);
    // The first word of row y; each next word of the row lies a tile further.
    Word* row(long y) { return words.data() + index(y); }
    const Word* row(long y) const { return words.data() + index(y); }
    std::size_t index(long y) const {
      return static_cast<std::size_t>(y / kTile) * across * kTile + static_cast<std::size_t>(y % kTile);
    }
    bool inked(long x, long y) const;
    // Inks the dots x0 .. x1 of row y, all on the plane.
    void span(long y, long x0, long x1);
    // The segment between dot corners with the pen, as for DotPage::line.
    void line(double X1, double Y1, double X2, double Y2, const Pen& pen);
  };
  // Adds the ink of the turned page to the page.
  void settle() const;

  // The page, and the page turned over its diagonal (x and y swapped): a
  // line that runs more down than across is drawn turned, so that it runs
  // across and takes fewer rows; its ink joins the page when the page is read.
  mutable Plane page_, turned_;
  mutable bool unsettled_ = false;
  Pen pen_;
};

}  // namespace orn
