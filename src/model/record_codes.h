#pragma once
// Record codes of the drawing list and the layout of a record.
//
// A shape record made by CreateItem at header index h:
//   h              (20000 + type, offset from h to the first point)
//   h+1 .. h+p     p parameter slots (1 for Spline, Poly Line, Multi Line)
//   first - 1      (20077 "Begin Data", offset from h to the record's last entry)
//   first .. last  the points
// A PAINT record holds pairs (21000 + colour code, RGB colour), seed (x, y).
// A Symmetry Item record has the same frame with two slots and four points.
// Between records stand single entries: a symmetry change (20091), a Mark
// (20092) and, at NumPoints when no record is open, the end marker (20099).
//
// Codes and coordinates share G0, and a zoomed coordinate can reach 20000 or
// more. Code that looks for a particular entry therefore walks the list by
// its frames (FrameWalker) instead of testing raw values.
#include <cmath>
#include <vector>

#include "model/drawing_list.h"

namespace orn {

// Record types: header code - 20000, modulo 100. Tool codes share them.
constexpr int kTypeSpline = 0;
constexpr int kTypePolyLine = 1;
constexpr int kTypeMultiLine = 2;
constexpr int kTypeCircle2 = 3;  // "2 Pt Circle"
constexpr int kTypeCircle3 = 4;  // "3 Pt Circle"
constexpr int kTypeArc = 5;
constexpr int kTypeGeometric = 6;
constexpr int kTypePaint = 10;
constexpr int kTypeSymmetryItem = 90;

// Codes in G0.
constexpr int kCodeHeader = 20000;  // + type: a shape or PAINT header
constexpr int kCodeSpline = 20000;
constexpr int kCodePolyLine = 20001;
constexpr int kCodeMultiLine = 20002;
constexpr int kCodeCircle2 = 20003;
constexpr int kCodeCircle3 = 20004;
constexpr int kCodeArc = 20005;
constexpr int kCodeGeometric = 20006;
constexpr int kCodePaint = 20010;
constexpr int kCodeBeginData = 20077;
constexpr int kCodeSymmetryItem = 20090;
constexpr int kCodeSymmetryChg = 20091;
constexpr int kCodeMark = 20092;
constexpr int kCodeEnd = 20099;
constexpr int kCodeOut = 100;       // added to a header taken out of the picture
constexpr int kCodeColour = 21000;  // + colour code, RGB colour in G1
constexpr float kDeletedPoint = -7777.0f;

// Values that occur only in picture files, never in the list.
constexpr int kFileEnd = 30000;
constexpr int kFileTitle = 32100;
constexpr int kFileHeaderThreshold = 19999;  // above it, a header value is a code

// The text the debug dumps print for a code, or nullptr for a value that is
// no record code (a coordinate, a colour entry, a deleted point).
const char* recordCodeName(float code);

// Rounds an offset or code read from the list to a whole number, halves to
// even; values that are not finite or far outside any index give a value
// outside every valid index, so the checks that follow fail cleanly.
inline int roundEntry(float v) {
  if (!std::isfinite(v) || v > 1.0e6f || v < -1.0e6f) return -2000000;
  return static_cast<int>(std::nearbyint(v));
}

// The type of a record from its header code: (code - 20000) modulo 100.
inline int headerType(float code) { return (roundEntry(code) - kCodeHeader) % 100; }

// True for a header code that opens a framed record: a shape, a PAINT record
// or a Symmetry Item, live or taken out (20000-20090 except "Begin Data", and
// 20100 and above).
inline bool isFramedCode(float g0) {
  if (g0 != std::floor(g0)) return false;
  return g0 >= kCodeHeader && g0 != kCodeBeginData &&
         (g0 <= kCodeSymmetryItem || g0 >= kCodeHeader + kCodeOut);
}

// True for a code that stands alone between records (symmetry change, Mark,
// end marker and the other codes 20091-20099).
inline bool isSingleCode(float g0) {
  return g0 > kCodeSymmetryItem && g0 <= kCodeEnd && g0 == std::floor(g0);
}

// The first point and the last entry of the record whose header is at h, read
// from its offsets. No checks: use FrameWalker or frameAt on untrusted lists.
inline int firstPointOf(const DrawingList& list, int h) { return h + roundEntry(list.G1[h]); }
inline int lastEntryOf(const DrawingList& list, int h) {
  return h + roundEntry(list.G1[firstPointOf(list, h) - 1]);
}

enum class FrameKind {
  Record,     // a framed record: head = header, first point, last entry
  Single,     // a single entry between records (head = first = last)
  End,        // the end marker at NumPoints
  Malformed,  // offsets that do not make a frame inside the list
};

struct Frame {
  FrameKind kind = FrameKind::Malformed;
  int head = 0;
  int first = 0;
  int last = 0;
  int type = -1;  // record type for a Record, -1 otherwise
  int next() const { return last + 1; }
};

// Reads the frame that starts at entry i, never looking past NumPoints. A
// record must have a header offset of at least 2, "Begin Data" just before
// its first point and its last entry between that and NumPoints.
Frame frameAt(const DrawingList& list, int i);

// Walks the list from `from` (a record boundary) frame by frame. It returns
// each frame in turn and stops after the end marker, after the record that
// ends at NumPoints (an open record), or at a malformed frame (returned once,
// with kind Malformed). It never reads past NumPoints.
class FrameWalker {
 public:
  explicit FrameWalker(const DrawingList& list, int from = 0) : list_(list), pos_(from) {}
  bool next(Frame& out);
  // The index the walk has reached: the start of the next frame.
  int position() const { return pos_; }

 private:
  const DrawingList& list_;
  int pos_;
  bool done_ = false;
};

// Index of the last Mark entry (20092) that stands between records, or -1.
int lastMarkIndex(const DrawingList& list);

// Indexes of the colour entries of the PAINT records (taken out ones too when
// includeOut), in list order. Only the first entry of each pair after "Begin
// Data" is a colour entry; deleted pairs are left out.
std::vector<int> colourEntryIndexes(const DrawingList& list, bool includeOut);

}  // namespace orn
