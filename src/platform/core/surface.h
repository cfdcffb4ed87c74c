#pragma once
// A raster drawing surface: the canvas, its off-screen copy, the enlarged
// memory bitmap and the small colour panels all draw on one of these.
//
// Pixels are 32-bit RGB values with red in the low byte (0x00BBGGRR), the
// same form the drawing list stores colours in. Nothing is anti-aliased:
// flood fills stop at black lines, so every pixel must be exactly the pen
// colour or untouched.
//
// Rules every drawing call keeps:
//  - each call touches each pixel at most once, so an XOR figure drawn twice
//    restores the surface exactly;
//  - a segment rasterises to the same pixels whichever end it starts from;
//  - a width-1 line leaves out its end pixel; wider pens have round ends;
//  - everything is clipped before rasterising, so far-away coordinates and
//    huge radii cost nothing and never overflow.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/core/filled_bits.h"

namespace orn {

using Rgb = std::uint32_t;

constexpr Rgb kBlack = 0x000000;
constexpr Rgb kWhite = 0xFFFFFF;

constexpr Rgb rgb(int r, int g, int b) {
  return Rgb(r & 0xFF) | (Rgb(g & 0xFF) << 8) | (Rgb(b & 0xFF) << 16);
}

// Drawing modes, numbered as the editor's drawing code names them.
enum class PenMode : int { Copy = 13, Xor = 7 };

// How a flood fill finds its region: up to a border colour, or over the
// connected area that has the given colour.
enum class FillType : int { Border = 0, Surface = 1 };

// Rounds a coordinate for a whole-pixel drawing call: halves go to even, and
// values beyond any surface are pinned far outside it instead of overflowing.
int toPixel(double v);

namespace detail {
// Memory for pixel buffers. Large buffers are aligned to and marked for the
// processor's large pages: fills and vertical lines step a whole row per
// pixel, which otherwise costs an address translation miss per row.
void* allocatePixels(std::size_t bytes);
void freePixels(void* p, std::size_t bytes) noexcept;

template <class T>
struct PixelAllocator {
  using value_type = T;
  PixelAllocator() = default;
  template <class U>
  PixelAllocator(const PixelAllocator<U>&) {}
  T* allocate(std::size_t n) { return static_cast<T*>(allocatePixels(n * sizeof(T))); }
  void deallocate(T* p, std::size_t n) noexcept { freePixels(p, n * sizeof(T)); }
  template <class U>
  bool operator==(const PixelAllocator<U>&) const { return true; }
};
}  // namespace detail

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Rgb back = kWhite);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }

  // Changes the size; the contents are cleared to the back colour. A surface
  // made smaller gives the memory of the larger one back.
  void resize(int width, int height);
  // The same, for a surface so large that taking up its memory takes a while:
  // the pixels are cleared in bands, with `betweenBands` called between two.
  void resize(int width, int height, const std::function<void()>& betweenBands);

  Rgb backColor() const { return back_; }
  void setBackColor(Rgb c) { back_ = c & 0xFFFFFF; }
  // Fills the whole surface with the back colour.
  void clear();

  // The pen used by line, box, circle and arc.
  Rgb penColor() const { return pen_; }
  void setPenColor(Rgb c) { pen_ = c & 0xFFFFFF; }
  int penWidth() const { return penWidth_; }
  void setPenWidth(int w);  // clamped to 1..20
  PenMode penMode() const { return mode_; }
  void setPenMode(PenMode m) { mode_ = m; }

  // Line from (x1, y1) to (x2, y2) with the current pen. At width 1 the end
  // pixel (x2, y2) is left out, so a line to the start point draws nothing;
  // wider pens cover every pixel centre within half the width of the segment
  // (round ends, a round dot for a zero-length line). An even pen is centred
  // half a pixel right of and below the segment, so a horizontal or vertical
  // line is exactly as many pixels thick as the pen is wide.
  void line(int x1, int y1, int x2, int y2);
  // Outline of the box with corners (x1, y1) and (x2, y2), both included. A
  // wide pen widens the outline on both sides of it (square corners).
  void box(int x1, int y1, int x2, int y2);
  // Box filled with `fill` (copy mode, corners included), no outline.
  void fillBox(int x1, int y1, int x2, int y2, Rgb fill);
  // Circle outline around (cx, cy); radius 0 is one pixel, a negative radius
  // draws nothing. A wide pen covers the pixel centres within half the width
  // of the circle (centred as a wide line's pen is).
  void circle(int cx, int cy, int r);
  // Arc counter-clockwise from angle `start` to `end` (radians, 0 = east,
  // angles grow towards the top of the surface since y points down): the
  // pixels of circle(cx, cy, r) whose direction from the centre lies in that
  // sweep, with round ends for a wide pen. Equal angles (or a sweep of a full
  // turn or more) draw the whole circle; non-finite angles draw nothing.
  void arc(int cx, int cy, int r, double start, double end);

  // Sets one pixel in the given colour (always copy mode).
  void pset(int x, int y, Rgb c);
  // Sets one pixel with the current pen colour and mode.
  void plot(int x, int y);
  // A round dot of the pen's width in the pen colour and mode: what a point
  // set draws with a wide pen (one pixel at width 1).
  void dot(int x, int y);
  // The pixel's colour, or -1 outside the surface.
  std::int64_t point(int x, int y) const;

  // 4-connected flood fill from (x, y) with `fill`. Border: stops at pixels of
  // colour `c`; Surface: covers the connected pixels of colour `c`. Fails and
  // changes nothing when the seed is outside, on the border colour (Border) or
  // not of colour `c` (Surface).
  //
  // The surface remembers which pixels its border fills (up to one border
  // colour, in other colours) have covered since anything else was drawn on
  // it: such a fill leaves the regions as they were and gives its whole
  // region one colour. So a fill whose seed lies in a region covered since,
  // and shows the fill colour, would change nothing and is passed over at
  // once: a picture's copies, whose seeds often fall into one region, fill
  // it once. Any other drawing, a border fill in the border colour or a
  // change of border colour forgets what was covered.
  bool floodFill(int x, int y, Rgb c, Rgb fill, FillType type = FillType::Border);

  // The nearest colour the surface can show: itself on a 24-bit surface.
  Rgb nearestColor(Rgb c) const { return c & 0xFFFFFF; }

  // Block copy of a w x h rectangle of `src` at (sx, sy) to (dx, dy) here.
  // Pixels whose source or target lies outside its surface are skipped; the
  // source may be this surface, overlapping or not.
  void blit(int dx, int dy, int w, int h, const Surface& src, int sx, int sy);
  // Stretch copy of a rectangle of `src` onto a rectangle here: each target
  // pixel takes the source pixel under its centre. Empty rectangles copy
  // nothing; the same clipping as blit.
  void stretch(int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
               int sw, int sh);

  // Raw access for display and tests: rows of `width()` pixels, top to bottom.
  const Rgb* pixels() const { return px_.data(); }
  Rgb* pixels() {
    forgetFills();  // the caller may draw through it
    return px_.data();
  }
  const Rgb* row(int y) const { return px_.data() + static_cast<std::size_t>(y) * width_; }
  // The memory the pixels take up.
  std::size_t bytesHeld() const { return px_.capacity() * sizeof(Rgb); }

  bool operator==(const Surface& o) const {
    return width_ == o.width_ && height_ == o.height_ && px_ == o.px_;
  }

 private:
  // Every drawing call but a remembered border fill forgets the pixels those
  // fills covered (see floodFill).
  void forgetFills() {
    if (!filled_.empty()) filled_.clear();
  }
  // Takes the new size and returns its number of pixels; memory of another
  // size is given back first.
  std::size_t setSize(int width, int height);
  // Pen colour (copy or XOR) over the pixels x0..x1 of row y, all inside.
  void penSpan(int y, int x0, int x1);
  void thinLine(int x1, int y1, int x2, int y2);
  void thinLineInside(int x1, int y1, int x2, int y2);
  void wideLine(int x1, int y1, int x2, int y2);

  int width_ = 0;
  int height_ = 0;
  Rgb back_ = kWhite;
  Rgb pen_ = kBlack;
  int penWidth_ = 1;
  PenMode mode_ = PenMode::Copy;
  std::vector<Rgb, detail::PixelAllocator<Rgb>> px_;
  // The pixels the border fills up to filledBorder_ have covered.
  detail::FilledBits filled_;
  Rgb filledBorder_ = kBlack;
};

}  // namespace orn
