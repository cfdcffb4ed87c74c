#pragma once
// The drawing list: a picture held as one flat list of pairs of 32-bit floats.
// Entry i is (G0[i], G1[i]): a point in canvas coordinates, a record entry
// (a record code of 20000 or more in G0 and its parameter in G1), a colour
// entry (21000 + colour code, RGB colour) or a deleted point (G0 = -7777).
// Record codes and the record layout are in record_codes.h.
//
// The editor owns one DrawingList and passes it by reference to whatever
// reads or changes the picture.
//
// Every operation that writes an entry checks the index against the 16-bit
// limit first: an operation that would pass it returns false and leaves the
// list exactly as it was.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/core/surface.h"

namespace orn {

// Indexes into the list are 16-bit everywhere, so the list never holds more
// than this many entries (indexes 0 to kMaxIndex).
constexpr int kMaxEntries = 32767;
constexpr int kMaxIndex = kMaxEntries - 1;

// The arrays start with indexes 0 to 1010 and grow by 1000 entries at a time,
// always reaching 10 entries beyond the capacity mark.
constexpr int kInitialCapacity = 1000;
constexpr int kSpareEntries = 10;
constexpr int kGrowStep = 1000;

// Where a record lies: its header, first point and last entry, and its type
// (header code - 20000, modulo 100, so a record taken out has its live type).
struct ShapeSpan {
  int header = 0;
  int first = 0;
  int last = 0;
  int type = 0;
};

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
  std::int32_t ListCapacity = kInitialCapacity;
  // Lowest index awaiting packing, 0 when nothing is marked.
  std::int16_t PackFrom = 0;

  // Arrays with indexes 0 to 1010, capacity mark 1000, and an empty picture:
  // the end marker at 0.
  DrawingList();

  bool recordOpen() const { return ItemHead != NumPoints || ItemFirst != NumPoints; }

  // An empty picture: the end marker (20099, 0) at index 0, no record open,
  // nothing awaiting packing. The arrays keep their size.
  void reset();

  // Replaces the whole list by entries 0 .. end marker (the last entry), no
  // record open and nothing awaiting packing; the arrays grow so that the end
  // marker stays at or below the capacity mark, with the spare entries past
  // it. False, with the list unchanged, for more entries than the list holds.
  bool replaceWith(const std::vector<float>& g0, const std::vector<float>& g1);

  // Number of entries the arrays hold (ListCapacity + 11 after every growth).
  int size() const { return static_cast<int>(G0.size()); }

  // Grows both arrays by 1000 entries; new entries are (0, 0).
  void BiggerArrays();

  // Makes index i writable, growing the arrays as often as needed. False
  // (nothing changed) when i lies outside 0..kMaxIndex.
  bool ensureIndex(int i);

  // Opens a new record of the given type (the header code is 20000 + type)
  // with nParams parameter slots and first point (x, y), in the place of the
  // end marker. False, with the list unchanged, when a record is already open,
  // the arguments are out of range or the record would pass the entry limit.
  // The canvas sets its drawing cursor itself when this succeeds.
  bool CreateItem(int type, int nParams, float x, float y);

  // Appends (x, y) to the open record unless it repeats the entry before the
  // last one. The repeat is kept while the tool `curDrawType` is the paint
  // tool (10), and with the Multi Line tool (2) when NumPoints - ItemFirst is
  // even. The record's "Begin Data" offset is brought up to date either way.
  // False, with the list unchanged, when no record is open or the point would
  // pass the entry limit; true when appended or skipped as a repeat.
  bool AddPoint(float x, float y, int curDrawType);

  // Removes the open record's last entry, leaving (0, 0) in its place. False,
  // with the list unchanged, when only the record's first point is left (the
  // caller drops the whole record then) or no record is open.
  bool DelLastPt();

  // Closes the open record: the end marker (20099, 0) goes one past its last
  // entry, and ItemHead and ItemFirst follow NumPoints. False, with the list
  // unchanged, when no record is open or the end marker would pass the limit.
  bool closeRecord();

  // The record whose points hold entry i: the record with the last "Begin
  // Data" before i (so for a header or a parameter slot, the record before
  // it). Empty when no record starts before i or i lies outside the list.
  // Records are found by their frames, so coordinates that look like record
  // codes do not mislead it.
  std::optional<ShapeSpan> SeekShape(int i) const;
};

// The colour of the box that marks a colour handle: blue (&HFF0000), or cyan
// (&HFFFF00) when the fill colour `fillRgb` is dark (mean of R, G, B below 128).
Rgb PtMarkColor(float fillRgb);

// Draws a small box around the seed point at `HitIndex`, in a colour that
// stands out against the fill colour stored in the colour entry just before
// it. Does nothing when HitIndex is not an entry of the list after its first.
// The surface's pen colour is restored afterwards.
void DispPtMark(const DrawingList& list, int HitIndex, Surface& surface);

}  // namespace orn
