#include "print/print_state.h"

#include <algorithm>

namespace orn {

bool IsFormatCode(int code) { return std::ranges::find(kFormatCodes, code) != std::end(kFormatCodes); }

void ClampPrintSettings(PrintState& ps) {
  if (ps.PrintQuality < 1 || ps.PrintQuality > 4) ps.PrintQuality = 1;
  if (ps.PrintOrientation != kLandscape) ps.PrintOrientation = kPortrait;
  if (ps.LastBitmapFormat != 0 && !IsFormatCode(ps.LastBitmapFormat)) ps.LastBitmapFormat = kFormatBmp8;
  ps.Copies = std::clamp(ps.Copies, 1, kMaxCopies);
  if (ps.PrintBorder != 0) ps.PrintBorder = 1;
}

}  // namespace orn
