#include "shell/menu_state.h"

#include <initializer_list>

#include "model/file_util.h"

namespace orn {

namespace {

void enableAll(MenuItems& menus, std::initializer_list<std::string_view> names, bool on) {
  for (auto n : names) menus.setItemEnabled(n, on);
}

void showAll(MenuItems& menus, std::initializer_list<std::string_view> names, bool on) {
  for (auto n : names) menus.setItemVisible(n, on);
}

}  // namespace

void MenEnable(MenuItems& menus, bool enable, int SymStart, int SymEnd) {
  enableAll(menus,
            {"MenFile", "MenOptionS", "MenGrid", "MenColor", "MenZoom", "MenQuit", "HelpP",
             "GalHelp", "MenGalEdit", "mnuRedraw"},
            enable);
  menus.setItemEnabled("MenSym", enable && SymStart != SymEnd);
}

void MenusShowMode(MenuItems& menus, bool edit) {
  showAll(menus, {"MenSym", "MenOptionS", "MenGrid", "MenColor", "MenZoom"}, edit);
  for (auto n : {"MenGalEdit", "GalHelp"}) {
    menus.setItemVisible(n, !edit);
    menus.setItemEnabled(n, !edit);
  }
  menus.setItemVisible("HelpP", edit);
  menus.setItemEnabled("HelpP", edit);
  menus.setItemEnabled("MenEditR(0)", !edit);
}

void MenusAllOptions(MenuItems& menus, bool show) {
  showAll(menus, {"menuline", "MenEditMark", "MenEditUndo", "Lin099", "MenPageSh", "MenProjPages"},
          show);
  menus.setItemVisible("menline37", true);
  menus.setItemChecked("DebugX(7)", show);
}

std::string ShowFileNameCaption(const std::string& name, bool asIs, const std::string& docWord) {
  if (asIs) return name;
  std::string text = name;
  if (!text.empty() && text.front() != '<') {
    // A picture file's extension goes, in any case: paths keep the case they
    // have on disk. A dot in a folder name is never taken for it.
    if (HasExtension(text, "PNT")) text.erase(text.rfind('.'));
    // Either separator ends a folder name.
    const auto slash = text.find_last_of("/\\");
    if (slash != std::string::npos) text.erase(0, slash + 1);
  }
  return docWord + "  -  " + text;
}

}  // namespace orn
