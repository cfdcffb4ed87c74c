#pragma once
// A sample picture as the editor holds it after loading: read from the file
// the build made and applied by the program's own loader, with its copy
// table built.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "shell/sample_preview.h"
#include "model/record_codes.h"
#include "symmetry/sym_table.h"

namespace orn::test {

// FNV-1a, 64 bits: a checksum of bytes.
inline std::uint64_t Checksum(const void* bytes, std::size_t size) {
  std::uint64_t h = 0xcbf29ce484222325ull;
  const auto* p = static_cast<const std::uint8_t*>(bytes);
  for (std::size_t i = 0; i < size; ++i) h = (h ^ p[i]) * 0x100000001b3ull;
  return h;
}

inline std::filesystem::path BuiltSample(const std::string& file) {
  return std::filesystem::path(ORNIVALE_BINARY_DIR) / "samples" / file;
}

// The model number a model sample's name carries: the digit after "OVMOD",
// or the one before the extension of an extra model "OVX...".
inline int ModelOfSample(const std::string& f) {
  if (f.rfind("OVMOD", 0) == 0) return f[5] - '0';
  if (f.rfind("OVX", 0) == 0) return f[f.size() - 5] - '0';
  return 0;
}

struct LoadedSample : OffscreenEditor {
  PictureFile picture;  // the file as read
  LoadReport report;
  FileContext ctx() { return context(); }

  // Loads the file as the editor loads a sample (path inside a STATIC folder).
  bool load(const std::filesystem::path& p, int loadOption = kLoadNormal) {
    FileResult<PictureFile> read = ReadPictureFile(p);
    if (!read.ok()) return false;
    picture = *read.value;
    file.LoadOption = loadOption;
    OffscreenEditor::load(picture, "/opt/ornivale/STATIC/" + p.filename().string(), report);
    return true;
  }

  // The parts in force at each record after the block, as a redraw follows
  // the symmetry changes: (first index of the record, part).
  template <typename Visit>
  void forEachRecordInPart(Visit visit) {
    FrameWalker walk(list, 0);
    Frame f;
    int part = 0;
    while (walk.next(f)) {
      if (f.kind == FrameKind::Single && list.G0[f.head] == float(kCodeSymmetryChg)) {
        const int v = roundEntry(list.G1[f.head]);
        if (v >= 0) part = v % 100;
      } else if (f.kind == FrameKind::Record) {
        visit(f, part);
      }
    }
  }

  // Selects a part as a redraw does; false when the block is damaged.
  bool select(int part) {
    sym.CurPart = part;
    const SymRebuild r = CheckSymData(sym, list);
    return r == SymRebuild::Valid || r == SymRebuild::NoBlock;
  }
};

}  // namespace orn::test
