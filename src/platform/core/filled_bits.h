#pragma once
// One bit per pixel of an image, kept only for the rows that have a bit set:
// the pixels border fills have filled. A small fill costs little and a large
// one at most a thirty-second of the image.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orn::detail {

class FilledBits {
 public:
  FilledBits() = default;
  FilledBits(int width, int height) { reshape(width, height); }

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return bits_.empty(); }

  // Makes the bits those of a width x height image, all clear.
  void reshape(int width, int height) {
    width_ = width;
    height_ = height;
    words_ = std::size_t(std::max(width, 0) + 63) / 64;
    rowStart_.assign(std::size_t(std::max(height, 0)), kNone);
    bits_.clear();
  }
  // Clears every bit.
  void clear() {
    if (bits_.empty()) return;
    std::fill(rowStart_.begin(), rowStart_.end(), kNone);
    bits_.clear();
  }

  bool test(int row, int x) const {
    const std::size_t start = rowStart_[static_cast<std::size_t>(row)];
    return start != kNone && (bits_[start + (x >> 6)] >> (x & 63) & 1);
  }
  // Sets the bits x0..x1 of the row.
  void set(int row, int x0, int x1) {
    std::uint64_t* w = rowBits(row);
    for (int x = x0; x <= x1;) {
      const int bit = x & 63, n = std::min(64 - bit, x1 - x + 1);
      w[x >> 6] |= (n == 64 ? ~std::uint64_t(0) : ((std::uint64_t(1) << n) - 1)) << bit;
      x += n;
    }
  }
  // Sets the row's bits that are set in `bits`, a row of 64 pixels to a word
  // with nothing set past the image's width.
  void setRow(int row, const std::uint64_t* bits) {
    if (std::all_of(bits, bits + words_, [](std::uint64_t w) { return w == 0; })) return;
    std::uint64_t* w = rowBits(row);
    for (std::size_t i = 0; i < words_; ++i) w[i] |= bits[i];
  }

 private:
  static constexpr std::size_t kNone = ~std::size_t(0);

  std::uint64_t* rowBits(int row) {
    std::size_t& start = rowStart_[static_cast<std::size_t>(row)];
    if (start == kNone) {
      start = bits_.size();
      bits_.resize(bits_.size() + words_, 0);
    }
    return bits_.data() + start;
  }

  int width_ = 0;
  int height_ = 0;
  std::size_t words_ = 0;
  std::vector<std::size_t> rowStart_;
  std::vector<std::uint64_t> bits_;
};

}  // namespace orn::detail
