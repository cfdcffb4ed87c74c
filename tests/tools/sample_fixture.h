#pragma once
// A sample picture as the editor holds it after loading: read from the file
// the build made and applied by the program's own loader, with its copy
// table built.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/picture_io.h"
#include "model/record_codes.h"
#include "symmetry/sym_table.h"

namespace orn::test {

inline std::filesystem::path BuiltSample(const std::string& file) {
  return std::filesystem::path(ORNIVALE_BINARY_DIR) / "samples" / file;
}

class NoDialogs : public FileDialogs {
 public:
  std::optional<std::string> openFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }
};

struct LoadedSample {
  PictureFile file;
  DrawingList list;
  ViewTable views;
  EditorState editor;
  DrawContext draw;
  SymState sym;
  PictureSettings pic;
  FileState state;
  NullHost host;
  NoDialogs dialogs;
  FileHooks hooks;
  LoadReport report;

  FileContext ctx() { return FileContext{list, views, editor, draw, sym, pic, state, host, dialogs, hooks}; }

  // Loads the file as the editor loads a sample (path inside a STATIC folder).
  bool load(const std::filesystem::path& p, int loadOption = kLoadNormal) {
    FileResult<PictureFile> read = ReadPictureFile(p);
    if (!read.ok()) return false;
    file = *read.value;
    state.LoadOption = loadOption;
    FileContext c = ctx();
    ApplyPictureFile(c, file, "/opt/ornivale/STATIC/" + p.filename().string(), report);
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
