#include "editor/editor_document.h"

namespace orn {

EditorDocument::EditorDocument(Host& host, int canvasWidth, int canvasHeight)
    : host_(host), canvas_(canvasWidth, canvasHeight, kWhite) {
  draw_.Picture1 = &canvas_;
}

FileContext EditorDocument::fileContext(FileDialogs& dialogs, FileHooks& hooks) {
  return FileContext{list_, views_, editor_, draw_, sym_, pic_, file_, host_, dialogs, hooks};
}

NewOutcome EditorDocument::newPicture(FileDialogs& dialogs, FileHooks& hooks) {
  FileContext ctx = fileContext(dialogs, hooks);
  return FileNew(ctx);
}

LoadOutcome EditorDocument::load(FileDialogs& dialogs, FileHooks& hooks, int kind) {
  FileContext ctx = fileContext(dialogs, hooks);
  return FileLoadC(ctx, kind);
}

SaveOutcome EditorDocument::save(FileDialogs& dialogs, FileHooks& hooks) {
  FileContext ctx = fileContext(dialogs, hooks);
  return FileSaveC(ctx);
}

SaveOutcome EditorDocument::saveRetry(FileDialogs& dialogs, FileHooks& hooks, const SaveOutcome& failed) {
  FileContext ctx = fileContext(dialogs, hooks);
  return FileSaveRetry(ctx, failed);
}

RedrawEnv EditorDocument::redrawEnv(EditorControls& controls) {
  return RedrawEnv{list_, sym_, draw_, editor_, pick_, colour_, views_, host_, controls};
}

void EditorDocument::redraw(EditorControls& controls, int index) {
  RedrawEnv env = redrawEnv(controls);
  DrawAll(env, index);
}

}  // namespace orn
