#pragma once
// The application's own state: the program's folders, the choices of the
// main menu, and what the main menu hands to the editor and gets back from
// it. The program owns one AppState for its whole run and passes it by
// reference to the main menu and to each editor it opens.
#include <string>
#include <vector>

#include "canvas/picture_commands.h"
#include "print/print_state.h"

namespace orn {

// Art types of the main menu.
constexpr int kArtPattern = 0;
constexpr int kArtRose = 1;
constexpr int kArtDrawing = 2;
constexpr int kArtModel = 3;

struct AppState {
  // ---- folders, each with a trailing '/'; all empty when the program has
  // no folder (it could not be made, or others could change it) ----
  std::string AppFolder;     // the program folder
  std::string StaticFolder;  // AppFolder + "STATIC/", the sample pictures
  std::string DataFolder;    // where the settings files are written (= AppFolder)
  std::string HelpFile;      // the help pages' folder
  std::string DialogDir;     // the program folder: the file dialogs' folder for a picture with none of the user's
  // The installed, read-only data (samples, previews, help pages, default
  // colour file) the program folder is kept supplied from; empty when none
  // was found.
  std::string InstalledFolder;
  // Why the program folder cannot be made, used or written to, told to the
  // user at start; empty when the folder is usable.
  std::string AppFolderError;

  // ---- the desktop ----
  bool DitheredDisplay = false;  // near-black reads back as black
  bool Metric = true;            // the locale measures in metric units

  // ---- the main menu's choices (0 Display, 1 Edit, 2 Repaint, 3 Redraw;
  // 0 Pattern, 1 Rose, 2 Drawing, 3 Model) ----
  int MenuMode = 0;
  int MenuArtType = 0;
  std::string LastFolder;

  // ---- handed to the editor ----
  std::string PicturePath;
  int StartMode = kStartDisplay;
  int SavedStartMode = kStartDisplay;  // put back into StartMode when the editor closes
  int LoadOption = kLoadNormal;
  bool OpenForEditing = true;  // false: the editor opens in show mode
  int ShowMode = 0;            // 0 one picture, 1 the program's slide show, 2 the user's
  // The slides: picture names without extension, in the sample folder for
  // the program's show, in ShowFolder for the user's. ShowIndex is the slide
  // shown (from 0).
  std::vector<std::string> ShowList;
  int ShowIndex = 0;
  std::string ShowFolder;
  // False while an editor is open; true once the main menu is back.
  bool MenuBackFlag = true;

  // ---- settings both settings files carry or the editor keeps between runs ----
  // The print settings, PrintOrientation and PrintQuality among them, which
  // the page-layout dialog and the print command keep for the whole run.
  PrintState Print;
  bool AllowSplines = false; // the spline tools are offered
};

}  // namespace orn
