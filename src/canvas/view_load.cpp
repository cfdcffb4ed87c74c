#include "canvas/view_load.h"

#include "model/view_file.h"

namespace orn {

std::optional<std::string> LoadView(FileContext& ctx, const std::string& path, LoadReport& report) {
  const FileResult<ViewFile> read = ReadViewFile(path);
  if (!read.ok()) return read.error->message;
  const auto [roomW, roomH] = ctx.hooks.canvasRoom();
  const FileResult<ViewImport> laid = ImportView(*read.value, roomW, roomH, FileNameOf(path));
  if (!laid.ok()) return laid.error->message;
  const ViewImport& view = *laid.value;

  ctx.list.replaceWith(view.g0, view.g1);
  // A view starts a picture of its own: nothing of the previous picture's
  // views, pages, symmetry, colours or title stays with it.
  ResetViews(ctx.views, view.width, view.height);
  ctx.editor.ProjPages = 1;
  ctx.editor.ProjectView = false;
  ctx.editor.GridMode = 0;
  ctx.draw.LineWidth = 1;
  ctx.sym.SymStart = ctx.sym.SymEnd = 0;
  ctx.sym.CurPart = 0;
  ctx.sym.SymTablesValid = false;
  ctx.pic.PictureTitle.clear();
  ctx.file.FileName = kUnNamed;
  ctx.editor.PicChanged = false;
  ctx.hooks.symmetryLoaded();
  ctx.hooks.coloursLoaded({});
  ctx.hooks.viewCanvas(view.width, view.height, view.aspect);

  report.path = path;
  report.viewFile = true;
  report.windowState = ctx.hooks.windowSizes().windowState == 2 ? 2 : 0;
  if (view.tooBig) ctx.host.messageBox(kViewTooBigText, MsgButtons::OK, MsgIcon::None, kViewTooBigTitle);
  return std::nullopt;
}

}  // namespace orn
