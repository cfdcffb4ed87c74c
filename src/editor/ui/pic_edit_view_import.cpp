// The editor window's side of view files: the file itself is read, checked
// and laid into the canvas by the load command (canvas/view_load.h).
#include <filesystem>

#include "editor/ui/pic_edit.h"
#include "model/file_util.h"

namespace orn {

namespace {

// The file through which the sibling product hands a view over.
constexpr const char* kHandOverView = "TEMP628.VEW";

}  // namespace

void PicEdit::afterViewLoad() {
  if (dataFolder().empty()) return;
  const std::filesystem::path leftover = dataFolder() / kHandOverView;
  std::error_code ec;
  if (FileExists(leftover.string())) std::filesystem::remove(leftover, ec);
}

}  // namespace orn
