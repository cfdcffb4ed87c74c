#pragma once
// The number a text begins with, as typed into a box or an input box.
#include <string>

namespace orn {

// The leading number of a text: an optional sign, digits and one decimal
// point after leading blanks; 0 when there is none.
double LeadingNumber(const std::string& text);

}  // namespace orn
