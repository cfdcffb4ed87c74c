#include "model/view_file.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <optional>

#include "model/record_codes.h"

namespace orn {

namespace {

constexpr std::size_t kRecordBytes = 16;
// Records 1 and 2 and the format mark: anything shorter is no view file.
constexpr std::size_t kMinRecords = 3;
// Extent values this close to 0 count as 0.
constexpr float kExtentZero = 0.0001f;
// A computed extent is widened by this part of its range on each side.
constexpr float kExtentMargin = 1.0f / 20.0f;
// The canvas the view is laid into is never narrower or lower than this, so
// that the scale stays positive.
constexpr double kMinViewCanvas = 16.0;
// Space left beside the view in the canvas width.
constexpr double kViewBorder = 10.0;

using Record = std::array<float, 4>;

FileError Fail(FileErrorKind kind, const std::string& name, const std::string& why) {
  return FileError{kind, "\"" + name + "\" cannot be loaded as a view: " + why};
}

// The records of the file, numbered from 1, decoded in the file's format.
class Records {
 public:
  explicit Records(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::size_t count() const { return bytes_.size() / kRecordBytes; }
  void setIeee(bool ieee) { ieee_ = ieee; }
  Record ieee(std::size_t k) const { return read(k, true); }
  Record operator[](std::size_t k) const { return read(k, ieee_); }

 private:
  Record read(std::size_t k, bool ieee) const {
    Record r{};
    const std::uint8_t* p = bytes_.data() + (k - 1) * kRecordBytes;
    for (int v = 0; v < 4; ++v, p += 4) {
      if (ieee) {
        const std::uint32_t u = std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                                std::uint32_t(p[3]) << 24;
        r[v] = std::bit_cast<float>(u);
      } else {
        r[v] = MBFToSingle(p[3], p[2], p[1], p[0]);
      }
    }
    return r;
  }

  std::span<const std::uint8_t> bytes_;
  bool ieee_ = true;
};

bool Finite(const Record& r) {
  return std::all_of(r.begin(), r.end(), [](float v) { return std::isfinite(v); });
}

float Snap(float v) { return std::fabs(v) < kExtentZero ? 0.0f : v; }

// The extent of the lines, widened by a twentieth of each range on each side.
ViewExtent ExtentOfLines(const std::vector<ViewSegment>& lines) {
  ViewExtent e{30000, -30000, 30000, -30000};
  for (const ViewSegment& s : lines) {
    e.minX = std::min({e.minX, s.x1, s.x2});
    e.maxX = std::max({e.maxX, s.x1, s.x2});
    e.minY = std::min({e.minY, s.y1, s.y2});
    e.maxY = std::max({e.maxY, s.y1, s.y2});
  }
  const float dx = (e.maxX - e.minX) * kExtentMargin;
  const float dy = (e.maxY - e.minY) * kExtentMargin;
  return {e.minX - dx, e.maxX + dx, e.minY - dy, e.maxY + dy};
}

bool HasArea(const ViewExtent& e) { return e.maxX > e.minX && e.maxY > e.minY; }

}  // namespace

float MBFToSingle(std::uint8_t exponent, std::uint8_t signHigh, std::uint8_t middle, std::uint8_t low) {
  if (exponent == 0) return 0.0f;
  // The mantissa's leading bit is not stored: it is always 1.
  const std::uint32_t mantissa = (std::uint32_t(signHigh | 0x80) << 16) | (std::uint32_t(middle) << 8) | low;
  const double magnitude = std::ldexp(double(mantissa), int(exponent) - 128 - 24);
  if (magnitude < 1e-12) return 0.0f;
  return static_cast<float>((signHigh & 0x80) != 0 ? -magnitude : magnitude);
}

FileResult<ViewFile> ParseViewFile(std::span<const std::uint8_t> bytes, const std::string& name) {
  FileResult<ViewFile> result;
  auto fail = [&](FileErrorKind kind, const std::string& why) {
    result.error = Fail(kind, name, why);
    return result;
  };
  if (bytes.size() > kViewMaxFileBytes) return fail(FileErrorKind::TooLong, "it holds more lines than the editor can hold.");
  Records records(bytes);
  const std::size_t n = records.count();
  if (n < kMinRecords) return fail(FileErrorKind::Truncated, "it is too short to be a view file.");
  records.setIeee(records.ieee(n)[2] == kViewIeeeMark);

  const Record head = records[2];
  const float countValue = head[3];
  if (!std::isfinite(countValue) || countValue < 0 || countValue > float(n))
    return fail(FileErrorKind::BadHeader, "its count of lines does not match its records.");
  const auto count = static_cast<std::size_t>(std::lround(std::nearbyint(countValue)));
  const bool hasHeader = head[0] == kViewHeaderMark1 || head[0] == kViewHeaderMark2;
  const std::size_t extentRecord = hasHeader ? count + 3 : 1;
  if (count + 2 > n || extentRecord > n)
    return fail(FileErrorKind::Truncated, "it ends before its last line.");

  ViewFile view;
  for (std::size_t k = 3; k <= count + 2; ++k) {
    const Record r = records[k];
    if (r[0] == kViewNoLine) continue;
    if (!Finite(r)) return fail(FileErrorKind::NotANumber, "it holds a value that is not a number.");
    view.segments.push_back({r[0], r[1], r[2], r[3]});
  }
  if (view.segments.empty()) return fail(FileErrorKind::BadRecord, "it holds no lines.");

  const Record ext = records[extentRecord];
  if (!Finite(ext)) return fail(FileErrorKind::NotANumber, "it holds a value that is not a number.");
  view.extent = {Snap(ext[0]), Snap(ext[1]), Snap(ext[2]), Snap(ext[3])};
  // An extent without width or height is taken from the lines instead.
  if (!HasArea(view.extent)) view.extent = ExtentOfLines(view.segments);
  if (!HasArea(view.extent)) return fail(FileErrorKind::BadRecord, "its lines have no width or no height.");
  result.value = std::move(view);
  return result;
}

FileResult<ViewFile> ReadViewFile(const std::filesystem::path& path) {
  // One byte more than the longest view file, so that a longer file shows.
  const FileBytes file = ReadRegularFile(path, kViewMaxFileBytes + 1);
  if (!file.ok()) {
    FileResult<ViewFile> r;
    r.error = ReadFailureError(*file.failure, path);
    return r;
  }
  return ParseViewFile(file.bytes, path.filename().string());
}

FileResult<ViewImport> ImportView(const ViewFile& view, int spaceW, int spaceH, const std::string& name) {
  FileResult<ViewImport> result;
  const ViewExtent& e = view.extent;
  const double dx = double(e.maxX) - e.minX;
  const double dy = double(e.maxY) - e.minY;

  // The canvas takes the view's proportions within the space given.
  ViewImport out;
  out.aspect = dy / dx;
  double W = std::max(double(spaceW), kMinViewCanvas);
  double H = std::max(double(spaceH), kMinViewCanvas);
  if (W * out.aspect <= H) {
    H = W * out.aspect;
  } else {
    W = H / out.aspect;
  }
  W = std::max(W, kMinViewCanvas);
  H = std::max(H, kMinViewCanvas);
  out.width = int(std::lround(W));
  out.height = int(std::lround(H));

  // Scaled by the width, centred in both directions; y keeps its direction.
  const double scale = (W - kViewBorder) / dx;
  const double offX = (W - dx * scale) / 2 - 1;
  const double offY = (H - dy * scale) / 2 - 1;
  auto mapX = [&](float x) { return static_cast<float>((x - e.minX) * scale + offX); };
  auto mapY = [&](float y) { return static_cast<float>((y - e.minY) * scale + offY); };

  out.g0 = {float(kCodeMultiLine), float(kCodeBeginData)};
  out.g1 = {2.0f, 0.0f};
  for (const ViewSegment& s : view.segments) {
    const float p[4] = {mapX(s.x1), mapY(s.y1), mapX(s.x2), mapY(s.y2)};
    if (std::any_of(std::begin(p), std::end(p), [](float v) { return !(std::fabs(v) <= kViewMaxCoordinate); })) {
      result.error = Fail(FileErrorKind::BadRecord, name, "it holds lines far outside its extent.");
      return result;
    }
    // Two points, then the Mark and the end marker must stay within the room.
    const int last = static_cast<int>(out.g0.size()) + 1;
    if (last + 2 > kViewListLimit) {
      out.tooBig = true;
      continue;
    }
    out.g0.insert(out.g0.end(), {p[0], p[2]});
    out.g1.insert(out.g1.end(), {p[1], p[3]});
  }
  const int last = static_cast<int>(out.g0.size()) - 1;
  out.g1[1] = static_cast<float>(last);
  out.g0.insert(out.g0.end(), {float(kCodeMark), float(kCodeEnd)});
  out.g1.insert(out.g1.end(), {0.0f, 0.0f});
  result.value = std::move(out);
  return result;
}

}  // namespace orn
