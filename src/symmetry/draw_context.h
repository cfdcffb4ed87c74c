#pragma once
// Where and how the replication routines draw: the canvas, the enlarged
// memory bitmap and the printer, and the drawing flags that the full redraw,
// the print command, the bitmap and wallpaper exports and the paint tool set
// around their calls to SymmLine, SymmCircle and SymmPaint.
//
// The editor owns one DrawContext; the commands that draw elsewhere point its
// targets at their own surfaces for the length of their redraw.
#include "model/geometry.h"
#include "platform/core/surface.h"

namespace orn {

// Receives the printer's segments while PrintPath is set. The print command
// implements it (PrintLine maps the page offset and draws on the printer);
// tests collect the segments.
class PrintSink {
 public:
  virtual ~PrintSink() = default;
  // One segment, already clipped to the clip rectangle and shifted by one
  // unit in x and y.
  virtual void PrintLine(float x1, float y1, float x2, float y2, Rgb colour) = 0;
  // Width of the printed page in the units of the segments; decides how
  // finely circles and arcs are cut into segments.
  virtual float PrintScaleWidth() const = 0;
};

// The enlarged memory bitmap, in its own device pixels (callers scale by
// BitmapScale). The print command implements it on a second Surface
// (print/mem_bmp.h); lines and circles use that Surface's pen, in the
// stroke's colour.
class MemBmpTarget {
 public:
  virtual ~MemBmpTarget() = default;
  // The colour of the lines and circles that follow.
  virtual void MemBmpPenColor(Rgb colour) = 0;
  virtual void MemBmpLine(int x1, int y1, int x2, int y2) = 0;
  virtual void MemBmpEllipse(int x, int y, int r) = 0;
  virtual void MemBmpFill(int x, int y, Rgb colour) = 0;
};

// DrawTarget values.
constexpr int kDrawCanvas = 0;
constexpr int kDrawMemBmp = -1;

// Value of WallRight / WallBottom when no translated copy was found.
constexpr int kWallNotFound = 10000;
// The wallpaper tile is marked by this many outlines around it, one pixel
// apart, while its name is asked.
constexpr int kWallOutlines = 4;

// The colour the canvas shows for a probe pixel set to this value.
constexpr Rgb kProbeRequest = 0x808081;

struct DrawContext {
  // 0 = draw on the canvas Picture1; -1 = on the memory bitmap only.
  int DrawTarget = kDrawCanvas;
  // Factor from canvas coordinates to memory-bitmap pixels (1, 2 or 3).
  float BitmapScale = 1.0f;

  // Segments also go to the printer, clipped to Clip (the printed area).
  bool PrintPath = false;
  // Page offset used by PrintLine (0 = none).
  float PrintOffset = 0.0f;
  ClipRect Clip;

  // Wallpaper measuring: SymmLine draws nothing and finds the size of one
  // translation tile of its segment.
  bool WallMeasure = false;
  int WallLeft = kWallNotFound;
  int WallTop = kWallNotFound;
  int WallRight = kWallNotFound;
  int WallBottom = kWallNotFound;

  // -1 while the drawing pass of a full redraw runs, else 0: only then are
  // replicated segments lengthened by ExtendLen and arcs cut into segments.
  int ExtendLast = 0;
  // 1 = the segment being drawn is not lengthened (inner pieces of a run).
  int ExtendFirst = 0;
  // A full redraw draws every replica whatever the working symmetry; a
  // figure finished while the user draws is drawn as a redraw draws it but
  // with the working symmetry's replicas, while this is set.
  bool LimitReplicas = false;
  // "Extend Lines": 0, 0.25, 0.5, 1 or 2.
  float ExtendLen = 0.5f;

  // "High Speed Repaint": 0 off, -1 on and idle, 1 the redraw marks fill
  // seeds with ProbeColor, 2 the replay fills only at marked seeds.
  int PaintOrderMode = 0;
  // What the canvas really shows for kProbeRequest (measured at start).
  Rgb ProbeColor = kProbeRequest;
  // Set by SymmPaint when the fill in the base cell fails.
  bool FillFailed = false;
  // "Paint Picture Gray": fills are made in the grey of their colour.
  bool GrayPaint = false;

  // The user's pen width (1..20) and the picture's background colour, in
  // which rubber bands are drawn with the XOR pen.
  int LineWidth = 1;
  Rgb PicBackColor = kWhite;

  // Drawing targets. Picture1 is the canvas: its size is the "scale width
  // and height" that bounds seeds and arcs. A null target is not drawn on.
  Surface* Picture1 = nullptr;
  MemBmpTarget* MemBmp = nullptr;
  PrintSink* Printer = nullptr;
};

// The canvas draws everything with the user's pen width.
inline void UseLineWidth(DrawContext& ctx) {
  if (ctx.Picture1 != nullptr) ctx.Picture1->setPenWidth(ctx.LineWidth);
}

}  // namespace orn
