#include "print/print_job.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace orn {

void InitPrintSettings(PrintState& ps, const PrinterInfo& printer, int iMeasure, int canvasWidth,
                       int canvasHeight) {
  if (iMeasure == 0) {
    ps.UnitFactor = 2.54f;
    ps.UnitName = "cm";
  } else {
    ps.UnitFactor = 1.0f;
    ps.UnitName = "inches";
  }
  ps.PageWidth = printer.width;
  ps.PageHeight = printer.height;
  ps.PrintLandscape = ps.PageWidth > ps.PageHeight ? kLandscape : kPortrait;
  if (ps.SetupPanelOn) {
    ps.PrintOrientation = ps.PrintLandscape;
  } else if (ps.PrintOrientation != ps.PrintLandscape) {
    std::swap(ps.PageWidth, ps.PageHeight);
  }
  ps.PrinterDpiX = printer.dpiX;
  ps.PrinterDpiY = printer.dpiY;
  ps.ImageX = kFirstImageOffset;
  ps.ImageY = kFirstImageOffset;
  ps.ImageW = canvasWidth;
  ps.ImageH = canvasHeight;
  ps.AspectRatio = canvasHeight > 0 ? float(canvasWidth) / float(canvasHeight) : 1.0f;
  ps.Copies = 1;
  ps.ImageScale = 1.0f;
  ps.PrintBorder = 1;
}

PrinterScale BlackWhiteScale(const PrintState& ps, float SW, float SH, bool turned) {
  PrinterScale s;
  const float pw = float(ps.PageWidth), ph = float(ps.PageHeight);
  if (!turned) {
    s.devWidth = ps.PageWidth;
    s.devHeight = ps.PageHeight;
    s.width = pw * SW / float(ps.ImageW);
    s.left = -float(ps.ImageX) * s.width / pw;
    s.height = ph * SH / float(ps.ImageH);
    s.top = -float(ps.ImageY) * s.height / ph;
  } else {
    // The printer's own page is the laid-out page turned: PageHeight wide.
    s.devWidth = ps.PageHeight;
    s.devHeight = ps.PageWidth;
    s.height = pw * SW / float(ps.ImageW);
    s.top = -float(ps.ImageX) * s.height / pw;
    s.width = ph * SH / float(ps.ImageH);
    s.left = float(ps.ImageY + ps.ImageH) * s.width / ph - s.width;
  }
  return s;
}

namespace {

std::pair<int, int> dot(float x, float y) {
  auto whole = [](float v) {
    return static_cast<int>(std::clamp(std::nearbyint(double(v)), -1.0e9, 1.0e9));
  };
  return {whole(x), whole(y)};
}

// A path end: a point and a colour.
std::uint64_t endKey(std::pair<int, int> p, Rgb colour) {
  const std::uint64_t h = (std::uint64_t(std::uint32_t(p.first)) << 32) | std::uint32_t(p.second);
  return h * 0x9E3779B97F4A7C15ull ^ colour;
}

}  // namespace

std::vector<PrintedPath> JoinLines(const std::vector<PrintedLine>& lines) {
  std::vector<PrintedPath> paths;
  // The path that ends at a point in a colour. Keys may collide: the path's
  // own last point and colour are checked.
  std::unordered_map<std::uint64_t, std::size_t> ends;
  ends.reserve(lines.size());
  auto endsAt = [&](std::pair<int, int> p, Rgb c) -> PrintedPath* {
    const auto it = ends.find(endKey(p, c));
    if (it == ends.end()) return nullptr;
    PrintedPath& path = paths[it->second];
    if (path.colour != c || path.points.back() != p) return nullptr;
    ends.erase(it);
    return &path;
  };
  for (const PrintedLine& l : lines) {
    const auto a = dot(l.x1, l.y1), b = dot(l.x2, l.y2);
    PrintedPath* path = endsAt(a, l.colour);
    std::pair<int, int> next = b;
    if (path == nullptr && (path = endsAt(b, l.colour)) != nullptr) next = a;
    if (path == nullptr) {
      paths.push_back({l.colour, {a}});
      path = &paths.back();
    }
    path->points.push_back(next);
    ends[endKey(next, l.colour)] = static_cast<std::size_t>(path - paths.data());
  }
  return paths;
}

int PrintPenWidth(int LineWidth) { return LineWidth <= 1 ? 4 : 8 * LineWidth; }

void PageRecorder::PrintLine(float x1, float y1, float x2, float y2, Rgb colour) {
  orn::PrintLine(*this, offset_, x1, y1, x2, y2, colour);
}

void PageRecorder::line(float x1, float y1, float x2, float y2, Rgb colour) {
  const float kx = float(scale_.devWidth) / scale_.width;
  const float ky = float(scale_.devHeight) / scale_.height;
  out_.push_back({(x1 - scale_.left) * kx, (y1 - scale_.top) * ky, (x2 - scale_.left) * kx,
                  (y2 - scale_.top) * ky, colour});
}

}  // namespace orn
