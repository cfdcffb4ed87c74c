#pragma once
// The main menu as the program builds it: its editors are PicEdits.
#include <QPointer>

#include <memory>

#include "editor/ui/editor_factory.h"
#include "editor/ui/pic_edit.h"
#include "shell/ui/main_menu.h"

namespace orn::test {

inline std::unique_ptr<MainMenu> MakeMainMenu(Host& host, AppState& state, const ProfileSource& profile,
                                              FileDialogs* dialogs) {
  return std::make_unique<MainMenu>(host, state, profile, PicEditFactory(), dialogs);
}

// The editor the menu has open; null while the menu is shown.
inline PicEdit* EditorOf(const MainMenu& menu) { return qobject_cast<PicEdit*>(menu.editor()); }

}  // namespace orn::test
