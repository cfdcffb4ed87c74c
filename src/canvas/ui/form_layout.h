#pragma once
// Where the editor window puts its canvas and panels for a given inner size.
// Plain arithmetic, kept apart from the widgets so that it can be checked at
// any window size.
namespace orn {

// Space of the window's inner area kept free beside and below the canvas for
// the tool column, the colour panel and the bottom strip.
constexpr int kFreeWidth = 129;
constexpr int kFreeHeight = 64;
// The colour panel stands this far right of the canvas.
constexpr int kColourPanelGap = 8;
// The canvas's place in edit mode: right of the tool column, at the top.
constexpr int kCanvasLeft = 64;
constexpr int kCanvasTop = 0;
// The smallest canvas the layout makes, however small the window.
constexpr int kMinCanvas = 16;
// The largest canvas side: however large the window, and whatever size a
// picture file stores, the canvas is never wider or higher than this (a
// gigabyte of pixels at the most).
constexpr int kMaxCanvas = 16384;
// PageAspect's value that asks to take the ratio from the canvas as it is.
constexpr double kAspectFromCanvas = -100.0;

struct CanvasFit {
  int width = 0;
  int height = 0;
  double pageAspect = 0.0;  // the ratio used (taken from the canvas for -100)
};

// The canvas size for an inner area of formW x formH: the largest rectangle
// of height/width pageAspect in the free space, or the present canvas
// (curW x curH) when pageAspect asks for it and the canvas fits as it is.
// Neither side passes kMaxCanvas.
CanvasFit FitCanvas(int formW, int formH, double pageAspect, int curW, int curH);

// The canvas's top-left corner: centred in show mode, else its fixed place.
struct CanvasPlace {
  int left = kCanvasLeft;
  int top = kCanvasTop;
};
CanvasPlace PlaceCanvas(int formW, int formH, int canvasW, int canvasH, bool showMode);

}  // namespace orn
