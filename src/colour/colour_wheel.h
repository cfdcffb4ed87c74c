#pragma once
// The colour wheel: twelve segments painted in the wheel hues 8-19 of the
// colour table, a white dot on the selected one, and the arithmetic of a
// turn. A click on a segment turns every colour of the picture on the circle
// by the steps from the marked segment to the clicked one.
#include <array>

#include "colour/colour_table.h"
#include "platform/core/surface.h"

namespace orn {

// The wheel picture's size in pixels: its rim and spokes reach the last
// row and column.
constexpr int kWheelWidth = 64;
constexpr int kWheelHeight = 64;
constexpr int kWheelSteps = 12;

// The 24 click points of the wheel in the picture's pixels: segment s owns
// point 2s (outer, also where the segment is filled from) and 2s + 1
// (inner). Segments follow each other counter-clockwise, segment 0 just
// below the right-hand horizontal.
struct WheelSpot {
  float x;
  float y;
};
extern const std::array<WheelSpot, 2 * kWheelSteps> WheelSpots;

// The point nearest to (X, Y); on equal distances the lower number.
int NearestWheelSpot(float X, float Y);

// The turn from the marked segment to the clicked one, 0 to 11 steps
// counter-clockwise.
int WheelRotateStep(int oldStep, int newStep);

// The wheel's picture without colours: the black borders of the segments (an
// outer circle, a hub and twelve spokes) on `back`.
Surface WheelImage(Rgb back);

// Paints the wheel: starts again from `image`, fills segment s with shade 4
// of hue 8 + s, and puts a white dot on segment `Step`. A Step past the last
// segment draws no dot and leaves WheelStep alone; otherwise WheelStep
// becomes Step.
void MakeWheel(Surface& wheel, const Surface& image, const ColourTable& table, int Step,
               int& WheelStep);

// The code a colour takes before a turn: a code whose hue is off the wheel
// hues 8-20 takes the code of an equal colour of those hues (hue by hue
// upwards, shade upwards), if there is one. Codes may carry 21000.
int WheelCodeOf(int code, Rgb colour, const ColourTable& table);

// Turns one colour by `rotateStep`: first WheelCodeOf, then the turn of its
// code. True when it turned; `code` and `colour` then hold the turned colour.
bool TurnColour(int& code, Rgb& colour, int rotateStep, const ColourTable& table);

}  // namespace orn
