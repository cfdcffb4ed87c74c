#pragma once
// The picture's shape: the height-to-width ratio of the canvas (PageAspect)
// that "Set Picture Shape" chooses, and the reply to "Enter Ratio...".
#include <optional>
#include <string>

namespace orn {

// The ratio of a shape choice: 0 "Horizontal" 0.8, 1 "Vertical" 1.25,
// 2 "Square" 1, 3 "Fill Window" the ratio of the whole area left free for
// the canvas, freeW x freeH. Nothing for another index, or for "Fill Window"
// in a window that leaves no free area.
std::optional<double> PageAspectChoice(int index, int freeW, int freeH);

// The text "Enter Ratio..." offers: the canvas's width / height, rounded
// down to two decimals, with a blank in front (" 1.5").
std::string RatioDefaultText(int canvasW, int canvasH);

// The ratio a reply asks for, as a height / width ratio: the number the reply
// begins with, inverted. An empty reply, a reply that is no number, zero, a
// negative number, or a ratio so extreme that a side of the canvas would
// shrink below a pixel gives nothing.
std::optional<float> RatioReply(const std::string& reply);

}  // namespace orn
