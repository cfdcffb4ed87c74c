#pragma once
// EditorParts: the editor window's parts, one class per menu or feature, each
// holding the window it belongs to. The window makes them all at its start and
// reaches each by its name.
#include "editor/ui/colour_controls.h"
#include "editor/ui/editor_help.h"
#include "editor/ui/editor_menus.h"
#include "editor/ui/editor_start.h"
#include "editor/ui/file_commands.h"
#include "editor/ui/grid_menu.h"
#include "editor/ui/model_frame.h"
#include "editor/ui/options_menu.h"
#include "editor/ui/print_commands.h"
#include "editor/ui/redraw_controls.h"
#include "editor/ui/show_mode.h"
#include "editor/ui/special_menu.h"
#include "editor/ui/symmetry_controls.h"
#include "editor/ui/view_controls.h"

namespace orn {

class PicEdit;

struct EditorParts {
  explicit EditorParts(PicEdit& w)
      : menus(w), files(w), start(w), shows(w), special(w), prints(w), symmetry(w), colours(w),
        options(w), viewing(w), grid(w), modelFrame(w), helpMenu(w), redraws(w) {}

  EditorMenus menus;
  FileCommands files;
  EditorStart start;
  ShowMode shows;
  SpecialMenu special;
  PrintCommands prints;
  SymmetryControls symmetry;
  ColourControls colours;
  OptionsMenu options;
  ViewControls viewing;
  GridMenu grid;
  ModelFrame modelFrame;
  EditorHelp helpMenu;
  RedrawControls redraws;
};

}  // namespace orn
