#pragma once
// An editor's worth of state for the file commands, wired to the scripted host,
// scripted file dialogs and window hooks that record what they were asked.
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "canvas/picture_commands.h"
#include "canvas_fixture.h"
#include "support/scripted_dialogs.h"
#include "support/scratch_folder.h"

namespace orn::test {

class RecordingHooks : public FileHooks {
 public:
  WindowSizes sizes{1024, 768, 800, 600, 2};
  int erased = 0, symmetryCalls = 0, standardColours = 0;
  std::vector<ColourUse> colours;
  std::vector<std::string> bitmaps;
  WindowSizes windowSizes() override { return sizes; }
  void symmetryLoaded() override { ++symmetryCalls; }
  void coloursLoaded(const std::vector<ColourUse>& c) override { colours = c; }
  void eraseColours() override { ++erased; }
  std::optional<std::string> saveBitmap(const std::string& path) override { bitmaps.push_back(path); return {}; }
  void saveStandardColors() override { ++standardColours; }
  struct ViewCanvas {
    int width = 0, height = 0;
    double aspect = 0;
  } viewCanvasSet;
  void viewCanvas(int width, int height, double aspect) override { viewCanvasSet = {width, height, aspect}; }
};

// One editor's state with its file commands' helpers.
struct Editor {
  DrawingList list;
  ViewTable views;
  EditorState editor;
  DrawContext draw;
  SymState sym;
  PictureSettings pic;
  FileState file;
  ScriptedHost host;
  ScriptedDialogs dialogs;
  RecordingHooks hooks;
  FileContext ctx{list, views, editor, draw, sym, pic, file, host, dialogs, hooks};

  Editor() {
    file.NewInLoad = true;
    FileNew(ctx);
    file.NewInLoad = false;
  }
};

inline std::unique_ptr<Editor> MakeEditor() { return std::make_unique<Editor>(); }

// Everything a load may change, for checking that a refused file changed nothing.
struct Snapshot {
  std::vector<float> g0, g1;
  int numPoints;
  std::array<ViewRow, kViewRowCount> rows;
  int depth, grid, pages, lineWidth;
  bool yellow, changed, splinePoly;
  Rgb back, gallery;
  float kind, zoom;
  std::string title, fileName;
  int symStart, symEnd, loadOption;
  std::array<std::string, 4> recent;

  explicit Snapshot(const Editor& e)
      : g0(e.list.G0.begin(), e.list.G0.begin() + e.list.NumPoints + 1),
        g1(e.list.G1.begin(), e.list.G1.begin() + e.list.NumPoints + 1),
        numPoints(e.list.NumPoints), rows(e.views.rows), depth(e.views.ViewDepth), grid(e.editor.GridMode),
        pages(e.editor.ProjPages), lineWidth(e.draw.LineWidth), yellow(e.editor.YellowBase),
        changed(e.editor.PicChanged), splinePoly(e.pic.SplinePolyOn), back(e.draw.PicBackColor),
        gallery(e.pic.GalleryBackColor), kind(e.pic.PicKind), zoom(e.pic.ZoomFactor), title(e.pic.PictureTitle),
        fileName(e.file.FileName), symStart(e.sym.SymStart), symEnd(e.sym.SymEnd),
        loadOption(e.file.LoadOption), recent(e.file.RecentFiles) {}
  bool operator==(const Snapshot&) const = default;
};

}  // namespace orn::test
