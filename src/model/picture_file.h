#pragma once
// The picture file (".PNT") and the colour file (".COL", same layout): one flat
// stream of little-endian 32-bit floats with no magic number and no length
// field:
//
//   title block   (only for a titled picture) 32100, 32100, 40 character codes
//   header        14 values (see HeaderSlot)
//   view table    rows 0 .. value 13, 12 values each
//   drawing list  the pairs (G0, G1) up to the end marker, written as (30000, 0)
//
// Readers also accept two older layouts: no header and no view table (the
// first value after the title is already a record code), and a 12-value header
// without view table (value 13 is a record code).
//
// Reading takes the whole file into a separate PictureFile value and checks
// everything an index is later taken from, so that a bad file is refused before
// anything of the open picture is touched.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/drawing_list.h"
#include "platform/core/file_read.h"
#include "platform/core/file_replace.h"

namespace orn {

constexpr int kTitleLength = 40;  // characters of the title block

constexpr int kViewRowCount = 51;
constexpr int kViewColumns = 12;
constexpr int kViewBaseRow = 20;  // the view row of the whole picture
using ViewRow = std::array<float, kViewColumns>;

// Positions of the header values (value n of the header is at n - 1).
enum HeaderSlot : int {
  kHdrLineWidth = 0,
  kHdrGridMode = 1,
  kHdrSplinePolyOn = 2,
  kHdrReserved4 = 3,
  kHdrWindowState = 4,
  kHdrNumPoints = 5,
  kHdrZoomFactor = 6,
  kHdrPicBackColor = 7,
  kHdrGalleryBackColor = 8,
  kHdrPicKind = 9,
  kHdrYellowBase = 10,
  kHdrReserved12 = 11,
  kHdrLastViewRow = 12,  // ViewDepth + 20
  kHdrProjPages = 13,
  kHeaderValues = 14
};

// The largest file the editor can write: a title, the header, every view row
// and a full drawing list. A longer file is refused before more of it is read.
constexpr std::size_t kMaxPictureFileBytes =
    4 * (2 + kTitleLength + kHeaderValues + std::size_t(kViewRowCount) * kViewColumns + 2 * std::size_t(kMaxEntries));

enum class PictureLayout { Full, NoViewTable, NoHeader };

// The contents of a picture file as stored, value for value. The settings the
// header encodes (a gallery colour of 0 written as 1.0, ...) are turned into
// the editor's values by the loader, not here.
struct PictureFile {
  std::string title;  // UTF-8; empty means no title block
  PictureLayout layout = PictureLayout::Full;
  std::array<float, kHeaderValues> header{};  // values 12 and 13 unused without view table
  std::vector<ViewRow> views;                // rows 0 .. last stored row (Full layout)
  // Entries 0 .. end marker; the last entry is the end marker (20099, 0).
  std::vector<float> g0;
  std::vector<float> g1;

  int endIndex() const { return static_cast<int>(g0.size()) - 1; }
};

enum class FileErrorKind {
  CannotOpen,
  CannotWrite,
  Truncated,     // the file ends before its end marker
  NotANumber,    // a value that is infinite or not a number
  BadTitle,      // a title character code outside 0..255
  BadHeader,     // a header value out of range (view rows, pages, grid, colours)
  TooLong,       // more list entries than the list can hold
  BadRecord,     // a record whose offsets leave the list or go backwards
  BadGroup,      // a symmetry item naming a part outside 1..5
  BadColour,     // a fill's colour entry whose colour code is no 16-bit code
  NotAFile,      // a folder, a FIFO or a device under the file's name
};

struct FileError {
  FileErrorKind kind;
  std::string message;  // the text the editor shows to the user
};

// Either a value or the reason there is none.
template <typename T>
struct FileResult {
  std::optional<T> value;
  std::optional<FileError> error;
  bool ok() const { return value.has_value(); }
};

// Parses the bytes of a picture or colour file. `name` is used in messages.
// More bytes than kMaxPictureFileBytes are refused as too long.
FileResult<PictureFile> ParsePictureFile(std::span<const std::uint8_t> bytes,
                                         const std::string& name);
FileResult<PictureFile> ReadPictureFile(const std::filesystem::path& path);

// The error for a file that could not be read (see ReadRegularFile): a
// missing or unreadable file "cannot be opened"; a name that is no ordinary
// file gets the refusal a damaged file gets.
FileError ReadFailureError(ReadFailure failure, const std::filesystem::path& path);

// The bytes of the full layout. Value 13 is written from the number of view
// rows, and the last list entry is written as (30000, 0).
std::vector<std::uint8_t> EncodePictureFile(const PictureFile& pic);

// Writes the file as ReplaceFile does (a temporary file in the target's
// folder renamed over the target), so that a failure leaves an existing file
// as it was and an overwritten file has exactly the new length. Empty on
// success.
std::optional<FileError> WritePictureFile(const std::filesystem::path& path, const PictureFile& pic,
                                          SaveFileSystem& files = RealFileSystem());

// Writes any bytes the same way.
std::optional<FileError> WriteFileReplacing(const std::filesystem::path& path,
                                            std::span<const std::uint8_t> bytes,
                                            SaveFileSystem& files = RealFileSystem(),
                                            AtLink atLink = AtLink::Follow);

// Title characters are stored as single-byte codes of the Windows-1252 code
// page, so that titles read the same everywhere.
std::vector<int> TitleToCodes(const std::string& utf8);  // at most 40 codes, no padding
std::string CodesToTitle(const std::vector<int>& codes);

}  // namespace orn
