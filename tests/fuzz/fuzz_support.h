#pragma once
// What the fuzz targets share: a check that ends the run when something that
// must hold does not, a file in memory for the readers that take a path, a
// reader of the fuzzer's bytes, and a small editor on a real canvas whose
// picture is loaded, redrawn, painted and saved as the window does it.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "canvas/canvas_fixture.h"
#include "canvas/picture_commands.h"
#include "canvas/progress.h"
#include "model/picture_file.h"
#include "model/picture_test_support.h"
#include "support/scripted_dialogs.h"

namespace orn::fuzz {

using test::Scene;

// Ends the run (a finding) when `cond` does not hold.
#define FUZZ_CHECK(cond)                                                                   \
  do {                                                                                     \
    if (!(cond)) {                                                                         \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);        \
      std::abort();                                                                        \
    }                                                                                      \
  } while (false)

// A file that lives in memory only, for readers that open a path.
class MemoryFile {
 public:
  MemoryFile() : fd_(::memfd_create("orn_fuzz", MFD_CLOEXEC)) { FUZZ_CHECK(fd_ >= 0); }
  ~MemoryFile() { ::close(fd_); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  // Replaces the contents and returns a path that opens them.
  std::filesystem::path hold(std::span<const std::uint8_t> bytes) {
    FUZZ_CHECK(::ftruncate(fd_, 0) == 0);
    FUZZ_CHECK(::pwrite(fd_, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()));
    return "/proc/self/fd/" + std::to_string(fd_);
  }

 private:
  int fd_;
};

// Takes values from the front of the fuzzer's bytes; zeros once they run out.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool empty() const { return pos_ >= bytes_.size(); }
  std::uint8_t byte() { return empty() ? 0 : bytes_[pos_++]; }
  std::uint16_t word() { return static_cast<std::uint16_t>(byte() | byte() << 8); }
  float real() {
    std::uint32_t u = 0;
    for (int k = 0; k < 4; ++k) u |= std::uint32_t(byte()) << (8 * k);
    float v;
    std::memcpy(&v, &u, 4);
    return v;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

// The canvas of the small editor: small, so that a run is quick; the
// pictures reach past it, so drawing is clipped at every edge.
constexpr int kCanvasWidth = 120;
constexpr int kCanvasHeight = 80;

// The work one redraw may do beyond its looks at the event pump once per
// record in each of its two passes, in further looks (one every hundred
// segments of a line or pieces of a curve): past it the small editor presses
// the stop sign, as a user would, so that an input whose curves run millions
// of pixels off the canvas ends as quickly as any other. The redraws of the
// seeds take at most 3 such looks.
constexpr int kPumpBudget = 30;

// The window around the small editor: a window of 640 x 480 with the canvas.
struct WindowHooks : FileHooks {
  WindowSizes windowSizes() override { return {640, 480, kCanvasWidth, kCanvasHeight, 0}; }
};

// A small editor: the canvas, drawing list and tables of a picture, its
// file commands' state, and the mouse engine.
struct Editor : test::MouseScene {
  PictureSettings pic;
  FileState file;
  test::ScriptedDialogs dialogs;
  WindowHooks hooks;
  FileContext fileContext{list, views, ed, ctx, sym, pic, file, host, dialogs, hooks};

  int pumpLimit = kPumpBudget;

  Editor() : MouseScene(kCanvasWidth, kCanvasHeight) {
    host.onPump = [this] {
      if (ed.Redrawing && host.pumps >= pumpLimit) StopSign_Click(ed);
    };
  }

  // Redraws the whole picture as the window does, within the budget.
  void redraw() {
    int records = 0;
    FrameWalker walk(list);
    for (Frame f; walk.next(f);) records += f.kind == FrameKind::Record;
    pumpLimit = 2 * records + kPumpBudget;
    host.pumps = 0;
    m.DrawAll(1);
  }

  // Takes a picture that was read and checked, as loading does.
  void load(const PictureFile& pf) {
    LoadReport report;
    ApplyPictureFile(fileContext, pf, "FUZZ.PNT", report);
  }

  // Saves the picture as the Save command does (an open record is closed
  // first) and reads the bytes back: what the editor holds must always load
  // again, entry for entry.
  void expectSavedPictureLoadsBack() {
    FUZZ_CHECK(test::ListIsSound(list));
    if (list.recordOpen()) hooks.closeOpenRecord(list);
    FUZZ_CHECK(test::ListIsSound(list) && !list.recordOpen());
    const PictureFile saved = CapturePicture(fileContext, hooks.windowSizes());
    const FileResult<PictureFile> back = ParsePictureFile(EncodePictureFile(saved), "FUZZ.PNT");
    if (!back.ok()) std::fprintf(stderr, "%s\n", back.error->message.c_str());
    FUZZ_CHECK(back.ok());
    FUZZ_CHECK(back.value->g0 == saved.g0);
    FUZZ_CHECK(back.value->g1 == saved.g1);
  }
};

// The fuzz targets, by the name scripts/fuzz knows them under.
void PictureFileTarget(std::span<const std::uint8_t> bytes);
void ColourFileTarget(std::span<const std::uint8_t> bytes);
void ViewFileTarget(std::span<const std::uint8_t> bytes);
void OrniskDatTarget(std::span<const std::uint8_t> bytes);
void PaintDatTarget(std::span<const std::uint8_t> bytes);
void ListMutationTarget(std::span<const std::uint8_t> bytes);

struct Target {
  const char* name;
  void (*run)(std::span<const std::uint8_t>);
};

inline constexpr Target kTargets[] = {
    {"picture_file", PictureFileTarget}, {"colour_file", ColourFileTarget}, {"view_file", ViewFileTarget},
    {"ornisk_dat", OrniskDatTarget},     {"paint_dat", PaintDatTarget},     {"list_mutation", ListMutationTarget},
};

}  // namespace orn::fuzz
