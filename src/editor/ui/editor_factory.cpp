#include "editor/ui/editor_factory.h"

#include "editor/ui/pic_edit.h"

namespace orn {

EditorFactory PicEditFactory() {
  return [](Host& host, AppState& app, FileDialogs* dialogs, const ProfileSource* profile) -> EditorWindow* {
    return new PicEdit(host, app, dialogs, profile);
  };
}

}  // namespace orn
