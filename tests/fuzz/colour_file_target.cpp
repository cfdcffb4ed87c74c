// The standard colours file "Standard.Clr": exactly 756 bytes are a table,
// anything else is refused; a table that was read writes back byte for byte.
#include "colour/colour_table.h"
#include "fuzz/fuzz_support.h"

namespace orn::fuzz {

void ColourFileTarget(std::span<const std::uint8_t> bytes) {
  MemoryFile file;
  const std::optional<ColourTable> table = ReadColorTableFile(file.hold(bytes));
  FUZZ_CHECK(table.has_value() == (bytes.size() == kStandardColorsFileSize));
  if (!table) return;
  const StandardColorsBytes written = EncodeColorTable(*table);
  FUZZ_CHECK(std::equal(written.begin(), written.end(), bytes.begin(), bytes.end()));
  ColourTable shown = *table;
  SubstituteNearBlack(shown, false);
  for (int hue = 0; hue < kHueCount; ++hue) FUZZ_CHECK(shown(0, hue) != 0 || table->cells[hue][0] != 0);
}

}  // namespace orn::fuzz
