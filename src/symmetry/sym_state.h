#pragma once
// The symmetry tables of the open picture: the copy table, the picture parts
// and the selection that the replication routines read.
//
// The editor owns one SymState and passes it by reference to whatever maps,
// replicates or sets up the symmetry.
#include <array>

namespace orn {

// Copies are numbered 0..kMaxCopy; each has kSymFields fields.
constexpr int kMaxCopy = 800;
constexpr int kSymFields = 14;
// Picture parts are rows 1..kMaxParts of SymGroups; row 0 is no part.
constexpr int kMaxParts = 5;
// A copy's end-point cache holds this in both fields when it holds no point.
constexpr float kNoCachedPoint = -22222.0f;
// WorkingSym at editor start: every replica.
constexpr int kAllReplicas = 1000;

// Fields of a copy in the drawing layout that CheckSymData builds.
enum SymField : int {
  kP0x = 0, kP0y = 1,        // first corner; P0-P1 is the copy's base edge
  kP1x = 2, kP1y = 3,        // second corner
  kP2x = 4, kP2y = 5,        // apex opposite the base edge
  kHandleX = 6, kHandleY = 7,
  kCacheX = 8, kCacheY = 9,  // last line end point mapped into this copy
  kReflect = 10,             // 0 = same orientation as the base cell, else mirrored
};

// Columns of a SymGroups row.
enum SymGroupColumn : int { kFirstCopy = 0, kLastCopy = 1, kRefGeo = 2 };

struct SymState {
  // The copy table. Outside the symmetry set-up it holds the drawing layout
  // above; while the set-up panel is up (GeoCapture != 0) it holds the set-up
  // layout written by the capture redraw and the set-up panel.
  std::array<std::array<float, kSymFields>, kMaxCopy + 1> SymData{};

  // Row g (1..5): first copy (the part's base copy), last copy, RefGeo (list
  // index of the header of the part's reference Geometric record).
  std::array<std::array<int, 3>, kMaxParts + 1> SymGroups{};

  // The selected picture part, 0 = none (nothing is replicated).
  int CurPart = 0;
  // First and last copy of the selected part; its replicas are
  // BaseCopy + 1 .. LastCopy.
  int BaseCopy = 0;
  int LastCopy = 0;

  // Number of replicas that lines are drawn into while drawing; kAllReplicas
  // (1000) = all, 0 = none.
  int WorkingSym = kAllReplicas;

  // List indexes of the SYMMETRY CHG entries that open and close the
  // symmetry block; equal = the picture has no block.
  int SymStart = 0;
  int SymEnd = 0;

  // SymData and SymGroups hold the drawing layout of the current block.
  // Whoever changes the block or the stored coordinates clears it (or calls
  // InvalidateSymTables); only CheckSymData sets it.
  bool SymTablesValid = false;

  // 0 in normal drawing; 1 during the set-up's capture redraw (GeoSegments
  // records every edge of the base shapes as a copy); 2 in later set-up
  // redraws. While it is not 0 the table holds the set-up layout and
  // CheckSymData leaves it alone.
  int GeoCapture = 0;
  // Copies recorded by the capture redraw (set-up copies 1..SymCount).
  int SymCount = 0;
  // Set when the capture met more edges than the table holds; the set-up
  // panel tells the user once and clears it.
  bool CaptureOverflow = false;

  // For each base copy, the highest replica whose end-point cache was written
  // together with the base copy's cache by the last line drawn in its part.
  // Replicas above it hold an older point and are mapped afresh.
  std::array<int, kMaxCopy + 1> CacheReach{};

  // The corrupt block last reported, so that one bad block is reported once
  // and not at every part change of every redraw (-1 = none reported).
  int CorruptStart = -1;
  int CorruptEnd = -1;
  int CorruptAt = -1;
};

}  // namespace orn
