#include "model/picture_file.h"

#include "model/drawing_list.h"
#include "model/record_codes.h"

#include <bit>
#include <cmath>

namespace orn {

namespace {

constexpr float kTitleCode = kFileTitle;
constexpr float kFileEndCode = kFileEnd;
constexpr float kHeaderThreshold = kFileHeaderThreshold;
constexpr int kMaxListEntries = kMaxIndex + 1;

bool IsWholeNumber(float v) { return std::isfinite(v) && std::floor(v) == v; }

// The language's conversion of a stored value to an integer: halves to even.
long RoundHalfEven(double v) { return std::lround(std::nearbyint(v)); }

// ---- Windows-1252 ----------------------------------------------------------

// Unicode of the bytes 0x80 to 0x9F; 0 where the code page leaves the byte
// undefined (such bytes stand for the control character of the same number).
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t Cp1252ToUnicode(int code) {
  if (code >= 0x80 && code <= 0x9F && kCp1252High[code - 0x80] != 0) return kCp1252High[code - 0x80];
  return static_cast<char32_t>(code);
}

int UnicodeToCp1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i) {
    if (kCp1252High[i] == cp) return 0x80 + i;
  }
  if (cp >= 0x80 && cp <= 0x9F && kCp1252High[cp - 0x80] == 0) return static_cast<int>(cp);
  return '?';
}

// Decodes UTF-8; a malformed byte becomes U+FFFD (written as '?').
std::vector<char32_t> DecodeUtf8(const std::string& s) {
  std::vector<char32_t> out;
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + len > s.size()) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    char32_t cp = len == 1 ? b : static_cast<char32_t>(b & (0x7F >> len));
    bool good = true;
    for (int k = 1; k < len; ++k) {
      const auto c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) good = false;
      cp = (cp << 6) | (c & 0x3F);
    }
    out.push_back(good ? cp : 0xFFFD);
    i += good ? len : 1;
  }
  return out;
}

void AppendUtf8(std::string& s, char32_t cp) {
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (cp >> 18));
    s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// ---- Reading ---------------------------------------------------------------

class FloatReader {
 public:
  explicit FloatReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::size_t remaining() const { return (bytes_.size() - pos_) / 4; }
  std::size_t position() const { return pos_; }
  // True when the value v stands anywhere from byte `from` to the end.
  bool holds(float v, std::size_t from) const {
    for (std::size_t p = from; p + 4 <= bytes_.size(); p += 4) {
      if (at(p) == v) return true;
    }
    return false;
  }
  bool next(float& v) {
    if (remaining() == 0) return false;
    v = at(pos_);
    pos_ += 4;
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;

  float at(std::size_t p) const {
    std::uint32_t u = 0;
    for (int k = 3; k >= 0; --k) u = (u << 8) | bytes_[p + k];
    return std::bit_cast<float>(u);
  }
};

FileError Fail(FileErrorKind kind, const std::string& name, const std::string& why) {
  return FileError{kind, "\"" + name + "\" cannot be loaded: " + why};
}

const char* kEndsEarly = "the file ends before the end of the picture.";

std::string Entry(long i) { return "entry " + std::to_string(i); }

FileError TooLong(const std::string& name) {
  return Fail(FileErrorKind::TooLong, name, "the picture has more entries than the editor can hold.");
}

bool InRangeWhole(float v, long lo, long hi) {
  if (!std::isfinite(v) || v < lo - 1 || v > hi + 1) return false;
  const long r = RoundHalfEven(v);
  return r >= lo && r <= hi;
}

bool IsColour(float v) { return IsWholeNumber(v) && v >= 0 && v <= 0xFFFFFF; }

std::optional<FileError> CheckHeader(const PictureFile& pic, const std::string& name) {
  const auto& h = pic.header;
  const int count = pic.layout == PictureLayout::Full ? kHeaderValues : kHdrLastViewRow;
  for (int k = 0; k < count; ++k) {
    if (!std::isfinite(h[k])) {
      return Fail(FileErrorKind::NotANumber, name, "its header holds a value that is not a number.");
    }
  }
  if (!IsColour(h[kHdrPicBackColor])) {
    return Fail(FileErrorKind::BadHeader, name, "its background colour is not a colour.");
  }
  if (!IsColour(h[kHdrGalleryBackColor])) {
    return Fail(FileErrorKind::BadHeader, name, "its gallery colour is not a colour.");
  }
  if (!InRangeWhole(h[kHdrGridMode], 0, 2)) {
    return Fail(FileErrorKind::BadHeader, name, "its grid setting is not 0, 1 or 2.");
  }
  if (pic.layout == PictureLayout::Full) {
    if (!InRangeWhole(h[kHdrLastViewRow], kViewBaseRow, kViewRowCount - 1)) {
      return Fail(FileErrorKind::BadHeader, name, "its number of view rows is outside 21 to 51.");
    }
    if (!InRangeWhole(h[kHdrProjPages], 0, 6)) {
      return Fail(FileErrorKind::BadHeader, name, "its number of picture parts is outside 0 to 6.");
    }
  }
  return std::nullopt;
}

// A colour entry (21000 + colour code, RGB) holds a 16-bit colour code.
bool IsColourEntryCode(float g0) {
  return IsWholeNumber(g0) && g0 - static_cast<float>(kCodeColour) <= 32767.0f;
}

// Walks the list by record frames, as every later walk over the list does,
// and finds the end marker: only an entry that starts at the top level of the
// list ends it, never a point inside a record that happens to be 30000.
// Every frame is checked so that those walks never leave the list, and every
// colour entry so that its code converts to a colour code.
//
// A file that holds no end marker at all is short; in a file that holds one,
// a record that reaches over the last end marker has a wrong offset.
std::optional<FileError> ReadList(PictureFile& pic, std::vector<float>& g0, std::vector<float>& g1,
                                  const std::string& name) {
  const long n = static_cast<long>(g0.size());
  long lastEnd = n - 1;
  while (lastEnd >= 0 && g0[lastEnd] != kFileEndCode) --lastEnd;
  auto finite = [&](long j) { return std::isfinite(g0[j]) && std::isfinite(g1[j]); };
  auto notANumber = [&](long j) {
    return Fail(FileErrorKind::NotANumber, name, Entry(j) + " of the drawing list is not a number.");
  };
  auto badRecord = [&](long j, const std::string& why) {
    return Fail(FileErrorKind::BadRecord, name, "the record at " + Entry(j) + " " + why);
  };
  const FileError tooLong = TooLong(name);
  long i = 0;
  while (true) {
    if (i > kMaxListEntries - 1) return tooLong;
    if (i >= n) return Fail(FileErrorKind::Truncated, name, kEndsEarly);
    if (!finite(i)) return notANumber(i);
    if (g0[i] == kFileEndCode) break;
    if (isSingleCode(g0[i]) && g0[i] != kCodeEnd) {  // a symmetry change or a Mark
      ++i;
      continue;
    }
    // Anything else at this level must be a record: header, parameter slots,
    // "Begin Data" at first - 1, then the points up to the last entry.
    if (!isFramedCode(g0[i])) {
      return Fail(FileErrorKind::BadRecord, name, Entry(i) + " stands between records but is no record code.");
    }
    if (!IsWholeNumber(g1[i]) || g1[i] < 2 || g1[i] > kMaxListEntries) {
      return badRecord(i, "has a header offset that is not a whole number from 2 to 32768.");
    }
    const int kind = headerType(g0[i]);
    const long first = i + static_cast<long>(g1[i]);
    const long begin = first - 1;
    const char* pastEnd = "runs past the end of the picture.";
    if (lastEnd >= 0 && begin >= lastEnd) return badRecord(i, pastEnd);
    if (begin > kMaxListEntries - 1) return tooLong;
    if (begin >= n) return Fail(FileErrorKind::Truncated, name, kEndsEarly);
    if (!finite(begin)) return notANumber(begin);
    if (g0[begin] != kCodeBeginData) return badRecord(i, "has no \"Begin Data\" entry where its header points.");
    if (!IsWholeNumber(g1[begin]) || std::fabs(g1[begin]) > 1e7f) {
      return badRecord(i, "has a last-entry offset that is not a whole number.");
    }
    const long last = i + static_cast<long>(g1[begin]);
    if (last < begin) return badRecord(i, "ends before its points begin.");
    // The editor never keeps a record without points (packing drops them),
    // and its walks over a record take its first point for granted.
    if (last == begin) return badRecord(i, "holds no points.");
    if (lastEnd >= 0 && last >= lastEnd) return badRecord(i, pastEnd);
    if (last > kMaxListEntries - 1) return tooLong;
    if (last >= n) return Fail(FileErrorKind::Truncated, name, kEndsEarly);
    for (long j = i + 1; j <= last; ++j) {
      if (!finite(j)) return notANumber(j);
    }
    if (kind == kTypeSymmetryItem) {  // its second entry names the part
      const float g = std::fabs(g0[i + 1]);
      if (!IsWholeNumber(g) || g < 1 || g > 5) {
        const std::string part = IsWholeNumber(g) && g < 1e6f ? "part " + std::to_string(long(g)) : "no part";
        return Fail(FileErrorKind::BadGroup, name,
                    "the symmetry item at " + Entry(i) + " names " + part + "; parts are numbered 1 to 5.");
      }
    }
    if (kind == kTypePaint) {  // pairs of a colour entry and a seed point
      for (long j = first; j <= last; j += 2) {
        if (g0[j] >= kCodeColour && !IsColourEntryCode(g0[j])) {
          return Fail(FileErrorKind::BadColour, name,
                      "the fill colour at " + Entry(j) + " has a colour code that is no colour code.");
        }
      }
    }
    i = last + 1;
  }
  g0.resize(i + 1);
  g1.resize(i + 1);
  g0[i] = kCodeEnd;
  g1[i] = 0.0f;
  pic.g0 = std::move(g0);
  pic.g1 = std::move(g1);
  return std::nullopt;
}

// ---- Writing ---------------------------------------------------------------

void Put(std::vector<std::uint8_t>& out, float v) {
  const auto u = std::bit_cast<std::uint32_t>(v);
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(u >> (8 * k)));
}

}  // namespace

std::vector<int> TitleToCodes(const std::string& utf8) {
  std::vector<int> codes;
  for (char32_t cp : DecodeUtf8(utf8)) {
    if (static_cast<int>(codes.size()) == kTitleLength) break;
    codes.push_back(UnicodeToCp1252(cp));
  }
  return codes;
}

std::string CodesToTitle(const std::vector<int>& codes) {
  std::string s;
  for (int c : codes) AppendUtf8(s, Cp1252ToUnicode(c));
  return s;
}

FileResult<PictureFile> ParsePictureFile(std::span<const std::uint8_t> bytes, const std::string& name) {
  FileResult<PictureFile> result;
  auto fail = [&](FileError e) {
    result.error = std::move(e);
    return result;
  };
  if (bytes.size() > kMaxPictureFileBytes) return fail(TooLong(name));
  const FileError truncated = Fail(FileErrorKind::Truncated, name, kEndsEarly);
  FloatReader in(bytes);
  PictureFile pic;
  float a = 0, b = 0;
  if (!in.next(a) || !in.next(b)) return fail(truncated);

  if (a == kTitleCode) {
    std::vector<int> codes;
    for (int k = 0; k < kTitleLength; ++k) {
      float c = 0;
      if (!in.next(c)) return fail(truncated);
      if (!std::isfinite(c)) {
        return fail(Fail(FileErrorKind::NotANumber, name, "its title holds a value that is not a number."));
      }
      if (!InRangeWhole(c, 0, 255)) {
        return fail(Fail(FileErrorKind::BadTitle, name, "its title holds a character code outside 0 to 255."));
      }
      codes.push_back(static_cast<int>(RoundHalfEven(c)));
    }
    while (!codes.empty() && codes.back() == ' ') codes.pop_back();
    pic.title = CodesToTitle(codes);
    if (!in.next(a) || !in.next(b)) return fail(truncated);
  }

  std::vector<float> g0, g1;  // the list, starting with the pair that opens it
  if (a > kHeaderThreshold) {
    pic.layout = PictureLayout::NoHeader;
  } else {
    pic.header[kHdrLineWidth] = a;
    pic.header[kHdrGridMode] = b;
    for (int k = kHdrSplinePolyOn; k <= kHdrReserved12; ++k) {
      if (!in.next(pic.header[k])) return fail(truncated);
    }
    if (!in.next(a) || !in.next(b)) return fail(truncated);
    if (a > kHeaderThreshold) {
      pic.layout = PictureLayout::NoViewTable;
    } else {
      pic.header[kHdrLastViewRow] = a;
      pic.header[kHdrProjPages] = b;
    }
    if (auto e = CheckHeader(pic, name)) return fail(*e);
    if (pic.layout == PictureLayout::Full) {
      const long rows = RoundHalfEven(a) + 1;
      const std::size_t viewsStart = in.position();
      pic.views.resize(rows);
      for (long r = 0; r < rows; ++r) {
        for (float& v : pic.views[r]) {
          if (!in.next(v)) {
            // A whole file whose header counts more rows than it holds.
            if (in.holds(kFileEndCode, viewsStart)) {
              return fail(Fail(FileErrorKind::BadHeader, name, "its header counts more view rows than it holds."));
            }
            return fail(truncated);
          }
          if (!std::isfinite(v)) {
            return fail(Fail(FileErrorKind::NotANumber, name,
                             "view row " + std::to_string(r) + " holds a value that is not a number."));
          }
        }
      }
      if (!in.next(a) || !in.next(b)) return fail(truncated);
    }
  }
  g0.push_back(a);
  g1.push_back(b);
  const std::size_t pairs = in.remaining() / 2;
  const std::size_t limit = std::min<std::size_t>(pairs, kMaxListEntries + 1);
  g0.reserve(limit + 1);
  g1.reserve(limit + 1);
  for (std::size_t k = 0; k < limit; ++k) {
    in.next(a);
    in.next(b);
    g0.push_back(a);
    g1.push_back(b);
  }
  if (auto e = ReadList(pic, g0, g1, name)) return fail(*e);
  result.value = std::move(pic);
  return result;
}

FileResult<PictureFile> ReadPictureFile(const std::filesystem::path& path) {
  // One byte more than the longest picture, so that a longer file shows.
  const FileBytes file = ReadRegularFile(path, kMaxPictureFileBytes + 1);
  if (!file.ok()) {
    FileResult<PictureFile> r;
    r.error = ReadFailureError(*file.failure, path);
    return r;
  }
  return ParsePictureFile(file.bytes, path.filename().string());
}

FileError ReadFailureError(ReadFailure failure, const std::filesystem::path& path) {
  if (failure == ReadFailure::NotAFile)
    return Fail(FileErrorKind::NotAFile, path.filename().string(), "it is not an ordinary file.");
  std::string text = "\"";
  text += path.string();
  text += "\" cannot be opened.";
  return FileError{FileErrorKind::CannotOpen, text};
}

std::vector<std::uint8_t> EncodePictureFile(const PictureFile& pic) {
  std::vector<std::uint8_t> out;
  out.reserve(4 * (2 + kTitleLength + kHeaderValues + kViewColumns * pic.views.size() + 2 * pic.g0.size()));
  if (!pic.title.empty()) {
    Put(out, kTitleCode);
    Put(out, kTitleCode);
    std::vector<int> codes = TitleToCodes(pic.title);
    codes.resize(kTitleLength, ' ');
    for (int c : codes) Put(out, static_cast<float>(c));
  }
  for (int k = 0; k < kHeaderValues; ++k) {
    const float v = k == kHdrLastViewRow ? static_cast<float>(pic.views.size()) - 1.0f : pic.header[k];
    Put(out, v);
  }
  for (const auto& row : pic.views) {
    for (float v : row) Put(out, v);
  }
  const std::size_t n = pic.g0.size();
  for (std::size_t i = 0; i < n; ++i) {
    const bool end = i + 1 == n;
    Put(out, end ? kFileEndCode : pic.g0[i]);
    Put(out, end ? 0.0f : pic.g1[i]);
  }
  return out;
}

std::optional<FileError> WriteFileReplacing(const std::filesystem::path& path,
                                            std::span<const std::uint8_t> bytes, SaveFileSystem& files,
                                            AtLink atLink) {
  if (auto e = ReplaceFile(path, bytes, files, atLink)) return FileError{FileErrorKind::CannotWrite, *e};
  return std::nullopt;
}

std::optional<FileError> WritePictureFile(const std::filesystem::path& path, const PictureFile& pic,
                                          SaveFileSystem& files) {
  const std::vector<std::uint8_t> bytes = EncodePictureFile(pic);
  return WriteFileReplacing(path, bytes, files);
}

}  // namespace orn
