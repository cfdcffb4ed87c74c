#pragma once
// The editor's menu states and its window caption.
//
// The menu bar is reached through the small MenuItems interface, by the
// items' names ("MenFile", "MenEditR(0)", ...), so that the rules below stay
// free of any window toolkit; the editor window implements it over its real
// menu actions.
#include <string>
#include <string_view>

namespace orn {

class MenuItems {
 public:
  virtual ~MenuItems() = default;
  // Each call names one item; an unknown name is ignored.
  virtual void setItemEnabled(std::string_view name, bool enabled) = 0;
  virtual void setItemVisible(std::string_view name, bool visible) = 0;
  virtual void setItemChecked(std::string_view name, bool checked) = 0;
};

// Greys the editor's top menus out (false) while a long operation runs, and
// back (true) afterwards. The "&Symmetry" menu is enabled only while the
// picture has a symmetry block (SymStart != SymEnd).
void MenEnable(MenuItems& menus, bool enable, int SymStart, int SymEnd);

// Shows the editing menus (edit true) or the show-mode menus (edit false).
void MenusShowMode(MenuItems& menus, bool edit);

// Shows or hides the advanced items of the "&Options" menu.
void MenusAllOptions(MenuItems& menus, bool show);

// The editor window's caption for a picture name. With asIs the name is the
// caption as it stands (picture titles, slide shows). Otherwise a real path
// (not beginning with "<", as "<UnNamed>" does) loses its folders and, when
// it ends in "PNT" in any case, its extension; then the caption is docWord,
// two blanks, a hyphen, two blanks and the name.
std::string ShowFileNameCaption(const std::string& name, bool asIs,
                                const std::string& docWord = "Picture");

}  // namespace orn
