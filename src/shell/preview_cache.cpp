#include "shell/preview_cache.h"

#include <array>
#include <cstdint>
#include <algorithm>
#include <span>
#include <vector>

#include "model/picture_file.h"
#include "platform/core/app_folder.h"
#include "platform/core/file_read.h"

namespace orn {

namespace fs = std::filesystem;

namespace {

constexpr std::array<char, 6> kMagic = {'O', 'R', 'N', 'P', 'V', '1'};
constexpr int kMaxSide = 4096;
// The magic, the width and the height.
constexpr std::size_t kHeaderBytes = kMagic.size() + 4;

}  // namespace

bool WritePreviewFile(const fs::path& file, const Surface& s) {
  if (s.empty() || s.width() > kMaxSide || s.height() > kMaxSide) return false;
  std::vector<std::uint8_t> bytes(kMagic.begin(), kMagic.end());
  for (int v : {s.width(), s.height()}) {
    bytes.push_back(std::uint8_t(v & 0xFF));
    bytes.push_back(std::uint8_t(v >> 8));
  }
  bytes.reserve(bytes.size() + std::size_t(s.width()) * std::size_t(s.height()) * 3);
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) {
      const Rgb c = s.row(y)[x];
      bytes.push_back(std::uint8_t(c & 0xFF));
      bytes.push_back(std::uint8_t((c >> 8) & 0xFF));
      bytes.push_back(std::uint8_t((c >> 16) & 0xFF));
    }
  // The program's own file in its folder: a link there is replaced, not written through.
  return !WriteFileReplacing(file, bytes, RealFileSystem(), AtLink::Replace);
}

std::optional<Surface> ReadPreviewFile(const fs::path& file) {
  const FileBytes head = ReadRegularFile(file, kHeaderBytes);
  if (!head.ok() || head.bytes.size() < kHeaderBytes) return std::nullopt;
  if (!std::equal(kMagic.begin(), kMagic.end(), head.bytes.begin())) return std::nullopt;
  const auto u16 = [&](std::size_t at) { return int(head.bytes[at]) | int(head.bytes[at + 1]) << 8; };
  const int w = u16(6), h = u16(8);
  if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide) return std::nullopt;
  const std::size_t pixels = std::size_t(w) * std::size_t(h);
  // Exactly the pixels the size promises, and one byte more, so that a
  // longer file shows: a shorter or longer file is not ours.
  const FileBytes read = ReadRegularFile(file, kHeaderBytes + 3 * pixels + 1);
  const std::vector<std::uint8_t>& b = read.bytes;
  if (!read.ok() || b.size() != kHeaderBytes + 3 * pixels ||
      !std::equal(head.bytes.begin(), head.bytes.end(), b.begin()))
    return std::nullopt;
  Surface s(w, h);
  Rgb* out = s.pixels();
  const std::uint8_t* px = b.data() + kHeaderBytes;
  for (std::size_t i = 0; i < pixels; ++i) out[i] = rgb(px[3 * i], px[3 * i + 1], px[3 * i + 2]);
  return s;
}

PreviewCache::PreviewCache(fs::path cacheFolder, PreviewRenderer render)
    : folder_(std::move(cacheFolder)), render_(std::move(render)) {}

std::optional<Surface> PreviewCache::preview(const fs::path& sample, int width, int height) {
  std::error_code ec;
  const auto sampleTime = fs::last_write_time(sample, ec);
  if (ec) return std::nullopt;
  const fs::path stored = folder_ / (sample.filename().string() + ".pv");
  const auto storedTime = fs::last_write_time(stored, ec);
  if (!ec && storedTime >= sampleTime) {
    auto s = ReadPreviewFile(stored);
    if (s && s->width() == width && s->height() == height) return s;
  }
  auto s = render_(sample, width, height);
  if (!s) return std::nullopt;
  ++rendered_;
  makeFolders(folder_, ec);
  WritePreviewFile(stored, *s);
  return s;
}

}  // namespace orn
