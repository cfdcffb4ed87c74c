#pragma once
// The factory the main menu opens its editors with: each is a PicEdit.
#include "shell/ui/editor_window.h"

namespace orn {

EditorFactory PicEditFactory();

}  // namespace orn
