#include "symmetry/model_frame.h"

#include <array>
#include <cctype>

namespace orn {

namespace {

enum class Corner { TopLeft, BottomLeft, BottomRight, TopRight };

struct Row {
  int PMod;
  Corner corner;
};

// By model digit 1..7: the main menu's picture of that model and the canvas
// corner that its net leaves free.
constexpr std::array<Row, kModelPictures> kRows{{
    {6, Corner::TopLeft},      // 1
    {5, Corner::BottomLeft},   // 2
    {1, Corner::BottomLeft},   // 3
    {0, Corner::TopLeft},      // 4
    {3, Corner::BottomLeft},   // 5
    {2, Corner::BottomRight},  // 6
    {4, Corner::TopRight},     // 7
}};

// The characters of "OVMOD" before the digit.
constexpr int kMarkLength = 5;

}  // namespace

int ModelDigit(const std::string& fileName, int p) {
  const long at = long(p) - 1 + kMarkLength;
  if (p < 1 || at >= long(fileName.size())) return 0;
  const auto c = static_cast<unsigned char>(fileName[std::size_t(at)]);
  return std::isdigit(c) ? c - '0' : 0;
}

std::optional<ModelFramePlace> ModelFramePlacement(int d, CanvasBounds canvas) {
  if (d < 1 || d > kModelPictures) return std::nullopt;
  const Row& row = kRows[std::size_t(d - 1)];
  const bool right = row.corner == Corner::BottomRight || row.corner == Corner::TopRight;
  const bool bottom = row.corner == Corner::BottomLeft || row.corner == Corner::BottomRight;
  ModelFramePlace place;
  place.PMod = row.PMod;
  place.left = right ? canvas.left + canvas.width - kModelReach : canvas.left + kModelInset;
  place.top = bottom ? canvas.top + canvas.height - kModelReach : canvas.top + kModelInset;
  return place;
}

}  // namespace orn
