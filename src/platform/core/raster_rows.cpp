// The row kernels of the fill's row pass in each vector width. The wider
// forms are compiled for their unit alone and only ever called after the
// processor has been asked whether it has it.
#include "platform/core/raster_rows.h"

#include <unistd.h>

#include <algorithm>

#if defined(__x86_64__)
#include <immintrin.h>
#define ORN_X86 1
#endif

namespace orn::raster {

namespace {

constexpr Rgb kColourBits = 0xFFFFFF;
// Pixels to a cache line, and the line's size in bytes.
constexpr int kLinePixels = 16;
constexpr std::uintptr_t kLineBytes = 64;

// The open bits of the pixels from `base` to `end`, at most 64; `exact`
// turns false at a pixel with something in its top byte.
std::uint64_t openTail(const Rgb* line, int base, int end, Rgb c, bool& exact) {
  std::uint64_t open = 0;
  Rgb top = 0;
  for (int i = 0; i < end - base; ++i) {
    const Rgb p = line[base + i];
    open |= std::uint64_t((p & kColourBits) != c) << i;
    top |= p;
  }
  exact = exact && (top & ~kColourBits) == 0;
  return open;
}

void paintTail(Rgb* line, int base, int end, std::uint64_t bits, Rgb fill) {
  for (int i = 0; i < end - base; ++i)
    if (bits >> i & 1) line[base + i] = fill;
}

// The 16 pixels of the line at `at` of the word's 64 are all known: each is
// painted, or a border pixel of an exact row. Such a line is written without
// being read.
bool known(const PaintRow& r, std::uint64_t painted, std::uint64_t open, int at) {
  const std::uint64_t known = painted | (r.exactBorder ? ~open : 0);
  return (known >> at & 0xFFFF) == 0xFFFF;
}

// Streaming needs the line aligned.
bool aligned(const Rgb* p) { return (reinterpret_cast<std::uintptr_t>(p) & (kLineBytes - 1)) == 0; }

bool openBitsPlain(const Rgb* line, int width, Rgb c, std::uint64_t* bits) {
  bool exact = true;
  for (int base = 0; base < width; base += 64) *bits++ = openTail(line, base, std::min(width, base + 64), c, exact);
  return exact;
}

void paintBitsPlain(const PaintRow& r, bool /*stream*/) {
  const std::uint64_t* bits = r.painted;
  for (int base = 0; base < r.width; base += 64) paintTail(r.line, base, std::min(r.width, base + 64), *bits++, r.fill);
}

#if ORN_X86

bool openBitsSse2(const Rgb* line, int width, Rgb c, std::uint64_t* bits) {
  const __m128i mask = _mm_set1_epi32(int(kColourBits)), want = _mm_set1_epi32(int(c));
  __m128i top = _mm_setzero_si128();
  int base = 0;
  for (; width - base >= 64; base += 64) {
    const Rgb* p = line + base;
    auto eq4 = [&](int i) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
      top = _mm_or_si128(top, v);
      return _mm_cmpeq_epi32(_mm_and_si128(v, mask), want);
    };
    std::uint64_t border = 0;
    for (int i = 0; i < 64; i += 16) {
      const __m128i lo = _mm_packs_epi32(eq4(i), eq4(i + 4));
      const __m128i hi = _mm_packs_epi32(eq4(i + 8), eq4(i + 12));
      border |= std::uint64_t(std::uint32_t(_mm_movemask_epi8(_mm_packs_epi16(lo, hi)))) << i;
    }
    *bits++ = ~border;
  }
  bool exact = _mm_movemask_epi8(_mm_cmpeq_epi32(_mm_andnot_si128(mask, top), _mm_setzero_si128())) == 0xFFFF;
  if (base < width) *bits = openTail(line, base, width, c, exact);
  return exact;
}

// Four pixels at a time: the pixels under the word's bits take the colour,
// the others are written back as they were, or, streaming a line whose
// values are all known, are written as the border colour they have.
void paintBitsSse2(const PaintRow& r, bool stream) {
  alignas(16) static constexpr std::uint32_t kLanes[16][4] = {
      {0, 0, 0, 0},     {~0u, 0, 0, 0},     {0, ~0u, 0, 0},     {~0u, ~0u, 0, 0},
      {0, 0, ~0u, 0},   {~0u, 0, ~0u, 0},   {0, ~0u, ~0u, 0},   {~0u, ~0u, ~0u, 0},
      {0, 0, 0, ~0u},   {~0u, 0, 0, ~0u},   {0, ~0u, 0, ~0u},   {~0u, ~0u, 0, ~0u},
      {0, 0, ~0u, ~0u}, {~0u, 0, ~0u, ~0u}, {0, ~0u, ~0u, ~0u}, {~0u, ~0u, ~0u, ~0u}};
  const __m128i colour = _mm_set1_epi32(int(r.fill)), border = _mm_set1_epi32(int(r.border));
  auto lanes = [](std::uint64_t set) {
    return _mm_load_si128(reinterpret_cast<const __m128i*>(kLanes[set & 15]));
  };
  int base = 0;
  for (; r.width - base >= 64; base += 64) {
    const std::uint64_t set = r.painted[base / 64], open = r.open[base / 64];
    if (set == 0) continue;
    for (int at = 0; at < 64; at += kLinePixels) {
      Rgb* p = r.line + base + at;
      if (known(r, set, open, at)) {
        const bool streamed = stream && aligned(p);
        for (int i = 0; i < kLinePixels; i += 4) {
          const __m128i m = lanes(set >> (at + i));
          const __m128i v = _mm_or_si128(_mm_andnot_si128(m, border), _mm_and_si128(m, colour));
          if (streamed) {
            _mm_stream_si128(reinterpret_cast<__m128i*>(p + i), v);
          } else {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), v);
          }
        }
        continue;
      }
      for (int i = 0; i < kLinePixels; i += 4) {
        const __m128i m = lanes(set >> (at + i));
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i),
                         _mm_or_si128(_mm_andnot_si128(m, v), _mm_and_si128(m, colour)));
      }
    }
  }
  if (base < r.width) paintTail(r.line, base, r.width, r.painted[base / 64], r.fill);
  if (stream) _mm_sfence();
}

__attribute__((target("avx2"))) bool openBitsAvx2(const Rgb* line, int width, Rgb c,
                                                  std::uint64_t* bits) {
  const __m256i mask = _mm256_set1_epi32(int(kColourBits)), want = _mm256_set1_epi32(int(c));
  __m256i top = _mm256_setzero_si256();
  int base = 0;
  for (; width - base >= 64; base += 64) {
    std::uint64_t border = 0;
    for (int i = 0; i < 64; i += 8) {
      const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(line + base + i));
      const __m256i eq = _mm256_cmpeq_epi32(_mm256_and_si256(v, mask), want);
      top = _mm256_or_si256(top, v);
      border |= std::uint64_t(std::uint32_t(_mm256_movemask_ps(_mm256_castsi256_ps(eq)))) << i;
    }
    *bits++ = ~border;
  }
  bool exact = _mm256_testc_si256(mask, top) != 0;  // top within the colour bits
  if (base < width) *bits = openTail(line, base, width, c, exact);
  return exact;
}

// Eight pixels at a time, the others written back as they were (a masked
// store is slow on some processors), or streamed as paintBitsSse2 does.
__attribute__((target("avx2"))) void paintBitsAvx2(const PaintRow& r, bool stream) {
  const __m256i colour = _mm256_set1_epi32(int(r.fill)), border = _mm256_set1_epi32(int(r.border));
  const __m256i lane = _mm256_setr_epi32(1, 2, 4, 8, 16, 32, 64, 128);
  int base = 0;
  for (; r.width - base >= 64; base += 64) {
    const std::uint64_t set = r.painted[base / 64], open = r.open[base / 64];
    if (set == 0) continue;
    for (int at = 0; at < 64; at += kLinePixels) {
      Rgb* p = r.line + base + at;
      const bool whole = known(r, set, open, at), streamed = whole && stream && aligned(p);
      for (int i = 0; i < kLinePixels; i += 8) {
        const __m256i bits8 = _mm256_set1_epi32(int(set >> (at + i) & 0xFF));
        const __m256i m = _mm256_cmpeq_epi32(_mm256_and_si256(bits8, lane), lane);
        if (streamed) {
          _mm256_stream_si256(reinterpret_cast<__m256i*>(p + i), _mm256_blendv_epi8(border, colour, m));
        } else if (whole) {
          _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + i), _mm256_blendv_epi8(border, colour, m));
        } else {
          const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i));
          _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + i), _mm256_blendv_epi8(v, colour, m));
        }
      }
    }
  }
  if (base < r.width) paintTail(r.line, base, r.width, r.painted[base / 64], r.fill);
  if (stream) _mm_sfence();
}

#endif  // ORN_X86

}  // namespace

bool canRun(VectorUnit unit) {
#if ORN_X86
  switch (unit) {
    case VectorUnit::Plain:
    case VectorUnit::Sse2:
      return true;
    case VectorUnit::Avx2:
      return __builtin_cpu_supports("avx2");
  }
  return false;
#else
  return unit == VectorUnit::Plain;
#endif
}

std::size_t lastLevelCacheBytes() {
  static const std::size_t bytes = [] {
#if defined(_SC_LEVEL4_CACHE_SIZE) && defined(_SC_LEVEL3_CACHE_SIZE) && defined(_SC_LEVEL2_CACHE_SIZE)
    for (const int level : {_SC_LEVEL4_CACHE_SIZE, _SC_LEVEL3_CACHE_SIZE, _SC_LEVEL2_CACHE_SIZE}) {
      const long size = sysconf(level);
      if (size > 0) return std::size_t(size);
    }
#endif
    return std::size_t(0);
  }();
  return bytes;
}

VectorUnit bestVectorUnit() {
  static const VectorUnit best = [] {
    for (VectorUnit u : {VectorUnit::Avx2, VectorUnit::Sse2})
      if (canRun(u)) return u;
    return VectorUnit::Plain;
  }();
  return best;
}

RowKernels rowKernels(VectorUnit unit) {
#if ORN_X86
  switch (unit) {
    case VectorUnit::Plain:
      break;
    case VectorUnit::Sse2:
      return {openBitsSse2, paintBitsSse2};
    case VectorUnit::Avx2:
      return {openBitsAvx2, paintBitsAvx2};
  }
#else
  (void)unit;
#endif
  return {openBitsPlain, paintBitsPlain};
}

}  // namespace orn::raster
