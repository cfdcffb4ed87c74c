#pragma once
// The printed size of a polyhedron model: for a sample picture that is the
// flat net of a model, how tall the folded model will be at a printed width,
// and how many sheets the whole model needs.
#include <string>

namespace orn {

// Model numbers of the nets the program knows.
constexpr int kFirstModel = 1;
constexpr int kLastModel = 7;

// The dialog's model line for the net `ModelNumber` printed `width` units
// wide (centimetres when `metric`, else inches): the model's height and
// sheet count, and for the nets that carry further models a line for those.
// Lines are separated by '\r'. Empty for a number the program does not know.
std::string ModelSizeText(int ModelNumber, double width, bool metric);

}  // namespace orn
