#pragma once
// EditorDocument: the picture the editor has open, apart from the window that
// shows it. It owns the picture's state (the drawing list, the symmetry
// tables, the views, the editor flags, the drawing context, the colour state,
// the picture and file settings, the canvas and its off-screen copy) and
// runs the commands that change it as a whole: loading, saving and starting
// a new picture, and the full redraw. What only a window can do (dialogs,
// progress, panels) the commands ask through the interfaces they take.
#include "canvas/editor_state.h"
#include "canvas/picture_commands.h"
#include "canvas/progress.h"
#include "canvas/redraw.h"
#include "canvas/view_table.h"
#include "colour/colour_state.h"
#include "model/drawing_list.h"
#include "model/file_dialogs.h"
#include "model/list_edit.h"
#include "platform/core/host.h"
#include "platform/core/surface.h"
#include "symmetry/draw_context.h"
#include "symmetry/polygon_shape.h"
#include "symmetry/sym_state.h"

namespace orn {

class EditorDocument {
 public:
  // A new document on a white canvas of the given size; `host` (not owned)
  // answers the commands' message boxes and runs the event pump.
  EditorDocument(Host& host, int canvasWidth, int canvasHeight);
  // The drawing context points at the canvas: the document stays where it is made.
  EditorDocument(const EditorDocument&) = delete;
  EditorDocument& operator=(const EditorDocument&) = delete;

  // ---- the picture's state ----
  DrawingList& list() { return list_; }
  SymState& sym() { return sym_; }
  const SymState& sym() const { return sym_; }
  PickState& pick() { return pick_; }
  ViewTable& views() { return views_; }
  EditorState& editor() { return editor_; }
  const EditorState& editor() const { return editor_; }
  DrawContext& draw() { return draw_; }
  ColourState& colour() { return colour_; }
  PictureSettings& picture() { return pic_; }
  FileState& file() { return file_; }
  const FileState& file() const { return file_; }
  // The polygon the Geometric tool builds on a dragged edge.
  PolyShape& polyShape() { return polyShape_; }
  // The canvas the picture is drawn on, and its off-screen copy.
  Surface& canvas() { return canvas_; }
  Surface& bmap() { return bmap_; }
  const Surface& bmap() const { return bmap_; }
  Host& host() { return host_; }

  // ---- commands ----
  // The file commands' view of the document, asking `dialogs` for names and
  // `hooks` for what the window shows.
  FileContext fileContext(FileDialogs& dialogs, FileHooks& hooks);
  // New (FileNew), Load (FileLoadC, `kind` as there), Save (FileSaveC) and a
  // failed save's Retry (FileSaveRetry).
  NewOutcome newPicture(FileDialogs& dialogs, FileHooks& hooks);
  LoadOutcome load(FileDialogs& dialogs, FileHooks& hooks, int kind);
  SaveOutcome save(FileDialogs& dialogs, FileHooks& hooks);
  SaveOutcome saveRetry(FileDialogs& dialogs, FileHooks& hooks, const SaveOutcome& failed);
  // The redraw's view of the document, showing its progress on `controls`.
  RedrawEnv redrawEnv(EditorControls& controls);
  // The full redraw (Index as the Redraw commands pass it).
  void redraw(EditorControls& controls, int index);

 private:
  Host& host_;
  DrawingList list_;
  SymState sym_;
  PickState pick_;
  ViewTable views_;
  EditorState editor_;
  DrawContext draw_;
  ColourState colour_;
  PictureSettings pic_;
  FileState file_;
  PolyShape polyShape_;
  Surface canvas_;
  Surface bmap_;
};

}  // namespace orn
