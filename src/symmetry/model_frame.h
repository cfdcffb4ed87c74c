#pragma once
// The picture of the folded model that stands in a corner of the canvas when
// a model sample is shown: which of the main menu's seven model pictures
// (PMod 0..6) it is and where it goes, from the digit that follows "OVMOD" in
// the sample's file name.
#include <optional>
#include <string>

namespace orn {

constexpr int kModelPictures = 7;
// The picture stands this far inside the canvas's edges; a corner on the far
// side leaves this much room for it.
constexpr int kModelInset = 10;
constexpr int kModelReach = 130;

struct ModelFramePlace {
  int PMod = 0;  // the main menu's model picture
  int left = 0;  // its top-left corner, in the units of the canvas's position
  int top = 0;
};

// The canvas's position and size in its window.
struct CanvasBounds {
  int left = 0, top = 0, width = 0, height = 0;
};

// The numeric value of the character right after "OVMOD", which stands at
// the 1-based position p of `fileName`: 0 for a character that is no digit
// or lies past the name's end.
int ModelDigit(const std::string& fileName, int p);

// The picture and corner of model d: nothing for a d outside 1..7.
std::optional<ModelFramePlace> ModelFramePlacement(int d, CanvasBounds canvas);

}  // namespace orn
