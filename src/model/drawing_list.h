#pragma once
// The drawing list: a picture held as one flat list of pairs of 32-bit floats.
// Entry i is (G0[i], G1[i]): a point in canvas coordinates, a record entry
// (a record code of 20000 or more in G0 and its parameter in G1), a colour
// entry (21000 + colour code, RGB colour) or a deleted point (G0 = -7777).
//
// The editor owns one DrawingList and passes it by reference to whatever
// reads or changes the picture.
#include <cstdint>
#include <vector>

namespace orn {

// Indexes into the list are 16-bit everywhere, so the list never holds more
// than this many entries.
constexpr int kMaxEntries = 32767;

struct DrawingList {
  std::vector<float> G0;
  std::vector<float> G1;

  // Index of the end marker, or of the open record's last entry.
  std::int16_t NumPoints = 0;
  // Header and first point of the open record; both equal NumPoints when no
  // record is open.
  std::int16_t ItemHead = 0;
  std::int16_t ItemFirst = 0;
  // Highest index that may be written before the arrays must grow; the arrays
  // always extend 10 entries beyond it.
  std::int32_t ListCapacity = 1000;
  // Lowest index awaiting packing, 0 when nothing is marked.
  std::int16_t PackFrom = 0;

  DrawingList();

  bool recordOpen() const { return ItemHead != NumPoints || ItemFirst != NumPoints; }
};

}  // namespace orn
