#pragma once
// EditorMenus: the editor's menu bar: every menu and item, named as the
// editor's code names them, and the menu states reached through those names.
//
// Items whose commands the editor does not have yet are present but stay
// disabled whatever the menu states say; they are marked "built" = false.
#include <map>
#include <string>
#include <string_view>

#include "shell/menu_state.h"

class QAction;
class QMenu;

namespace orn {

class PicEdit;

class EditorMenus : public MenuItems {
 public:
  explicit EditorMenus(PicEdit& w) : w_(w) {}

  void MenusShowMode(bool edit);
  void MenusAllOptions(bool show);
  // Sets the caption for a picture name (see ShowFileNameCaption).
  void ShowFileName(const std::string& name, bool asIs);
  // A menu item by its name ("MenFileSave", "FName(2)"); null when unknown.
  QAction* menuItem(const std::string& name) const;
  void setItemEnabled(std::string_view name, bool enabled) override;
  void setItemVisible(std::string_view name, bool visible) override;
  void setItemChecked(std::string_view name, bool checked) override;
  void buildMenus();
  QMenu* addMenu(QMenu* parent, const char* name, const char* caption);
  QAction* addItem(QMenu* menu, const char* name, const char* caption, bool built = false,
                   bool checkable = false);
  void addSeparator(QMenu* menu, const char* name);
  std::map<std::string, QAction*, std::less<>> items_;

 private:
  PicEdit& w_;
};

}  // namespace orn
