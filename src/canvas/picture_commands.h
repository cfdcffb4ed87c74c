#pragma once
// The editor's file commands without their window: loading a picture or
// colour file (FileLoadC), starting a new picture (FileNew), saving
// (FileSaveC) and the list of recent files (FixFList). Reading, checking and
// writing the file itself is PictureFile's work (model/picture_file.h); these
// commands apply a file to the editor's state and capture that state again.
//
// A command works on the editor's state through FileContext and asks the
// window for what only the window can do (dialogs, message boxes, the
// symmetry and colour panels, the progress bar) through FileHooks, Host and
// FileDialogs. What the window does after a command (menus, caption, canvas
// size, full redraw) it reads from the command's outcome.
//
// Loading reads and checks the whole file first; the open picture is replaced
// only when the file is sound, so a refused file leaves it exactly as it was.
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "canvas/editor_state.h"
#include "canvas/view_table.h"
#include "model/drawing_list.h"
#include "model/file_dialogs.h"
#include "model/file_util.h"
#include "model/picture_file.h"
#include "platform/core/host.h"
#include "symmetry/draw_context.h"
#include "symmetry/sym_state.h"

namespace orn {

inline constexpr const char* kUnNamed = "<UnNamed>";

// LoadOption values.
constexpr int kLoadNormal = 10000;
constexpr int kLoadReCreate = 1;       // keep only the geometric shapes and the symmetry
constexpr int kLoadEraseColours = 1000;
// StartMode values.
constexpr int kStartDisplay = 0;
constexpr int kStartEdit = 1;
constexpr int kStartRepaint = 2;
constexpr int kStartRedraw = 3;

// Picture settings carried by the file that no other state struct holds.
// (LineWidth and PicBackColor live in DrawContext; GridMode, YellowBase,
// ProjPages, ProjectView and PicChanged in EditorState.)
struct PictureSettings {
  bool SplinePolyOn = false;
  float ZoomFactor = 6.0f;
  Rgb GalleryBackColor = 0xC0C0C0;
  float PicKind = 0.0f;
  std::string PictureTitle;
};

// The state of the file commands and the values handed over to them.
struct FileState {
  std::string FileName = kUnNamed;  // full path of the open picture
  bool SaveAsWanted = false;
  bool SaveCancelled = false;
  std::string SaveWork;             // the name chosen in the last Save dialog
  std::string DocWord = "Picture";
  std::array<std::string, 4> RecentFiles;  // most recent first
  bool LoadingRecent = false;

  // Handed in by the caller of a load.
  std::string PicturePath;
  int LoadOption = kLoadNormal;
  int StartMode = kStartEdit;
  int ShowMode = 0;          // 0 single picture, else a slide show
  bool GalleryShown = false; // the editor is in show mode
  std::string DialogDir;     // where the file dialogs open

  // The picture the editor was opened with, reopened by New.
  std::string StartPicture;
  bool StartGallery = false;
  int StartReCreate = kLoadNormal;
  bool NewInLoad = false;    // the editor's own start is running New
  bool OpenForEditing = true;

  // Bitmap save requested (the bitmap and wallpaper commands); reset by the save.
  int PrintMode = 0;
  bool ZoomBoxMode = false;
};

// Sizes the window reports for the file: they are written into view row 20.
struct WindowSizes {
  int windowWidth = 0;
  int windowHeight = 0;
  int canvasWidth = 1;
  int canvasHeight = 1;
  int windowState = 0;  // 0 normal, 1 minimised, 2 maximised
};

// One colour the picture uses: its colour code and RGB value.
struct ColourUse {
  int code = 0;
  Rgb rgb = 0;
};

constexpr int kMaxColoursInUse = 200;

class FileHooks {
 public:
  virtual ~FileHooks() = default;
  // Copies the canvas to its off-screen copy before a command changes it.
  virtual void copyToBmap() {}
  // Closes the open record as a double click on the canvas does.
  virtual void closeOpenRecord(DrawingList& list) { list.closeRecord(); }
  // The window and canvas sizes and the window state at this moment.
  virtual WindowSizes windowSizes() { return {}; }
  // Loading progress: 0 .. 160.
  virtual void showProgress(int /*p*/) {}
  // The new list and SymStart/SymEnd are in place: take the symmetry block
  // into the copy table (or clear it when SymStart = SymEnd).
  virtual void symmetryLoaded() {}
  // The colours the new picture uses, in order of first use, at most 200,
  // black left out. An empty list clears the colours in use.
  virtual void coloursLoaded(const std::vector<ColourUse>& /*colours*/) {}
  // Removes all paint from the list without asking or redrawing, clears the
  // colours in use, and shows the colour wheel.
  virtual void eraseColours() {}
  // The room the window's layout gives the canvas: its inner area less the
  // tool column, the colour panel and the bottom strip.
  virtual std::pair<int, int> canvasRoom() {
    const WindowSizes s = windowSizes();
    return {s.canvasWidth, s.canvasHeight};
  }
  // A view file was imported: the canvas takes the view's size, and later
  // layouts keep its proportions (height / width).
  virtual void viewCanvas(int /*width*/, int /*height*/, double /*aspect*/) {}
  // Saves the canvas as a bitmap file; an error text on failure.
  virtual std::optional<std::string> saveBitmap(const std::string& /*path*/) { return std::nullopt; }
  // Derives and saves the standard colours after a colour file was saved.
  virtual void saveStandardColors() {}
  // Shows the canvas as it is now: a mark drawn on it outside a redraw
  // (the wallpaper tile's outline) is seen while a dialog waits.
  virtual void showCanvas() {}
};

struct FileContext {
  DrawingList& list;
  ViewTable& views;
  EditorState& editor;
  DrawContext& draw;
  SymState& sym;
  PictureSettings& pic;
  FileState& file;
  Host& host;
  FileDialogs& dialogs;
  FileHooks& hooks;
};

// What the window needs to bring itself into line with a loaded picture.
struct LoadReport {
  std::string path;          // the file read (the real path)
  bool viewFile = false;
  bool viewRowsRead = false; // the file had a view table
  bool sample = false;       // a sample picture: FileName became "<UnNamed>"
  std::string title;         // the title the file carries (a sample's too, which the picture drops)
  int windowState = 0;       // 2: maximise the window
  bool hasStoredSizes = false;
  float storedWindowWidth = 0, storedWindowHeight = 0;
  float storedCanvasWidth = 0, storedCanvasHeight = 0;
  int ModelNumber = 0;
  bool HasBaseGroup = false;
  std::array<bool, 6> baseGroup{};  // [g]: part g has its base copy here
  bool tallPartPanel = false;       // a base copy of part 3, 4 or 5
  int progressTotal = 1;
};

enum class CommandStatus { Done, Cancelled, Refused, Failed };

struct LoadOutcome {
  CommandStatus status = CommandStatus::Cancelled;
  std::string error;  // for Failed: the text to show
  LoadReport report;
};

struct SaveOutcome {
  CommandStatus status = CommandStatus::Cancelled;
  bool bitmap = false;  // the canvas was saved as a bitmap instead
  std::string error;    // for Failed: the text to show
  std::string target;   // the file written, or that could not be written
};

struct NewOutcome {
  CommandStatus status = CommandStatus::Cancelled;
  std::string error;      // for Failed: the save that was asked for failed
  bool reopened = false;  // the start picture was loaded again
  LoadOutcome load;       // when reopened
};

// Loads a picture or colour file (kind 0) or a view file (other kinds,
// which only selects the dialog). Asks to save a changed picture first. The
// path comes from PicturePath when it names a file with the extension PNT,
// COL or VEW in any case, else from the open dialog; in a slide show
// (ShowMode not 0) the dialog is never opened and such a load fails.
// LoadOption is back at 10000 and PicturePath empty when it returns,
// whatever happened.
LoadOutcome FileLoadC(FileContext& ctx, int kind);

// Clears the editor to a new picture (after asking to save a changed one),
// or reopens the picture the editor was opened with.
NewOutcome FileNew(FileContext& ctx);

// Saves the picture to FileName, or through the Save dialog when it has no
// name or SaveAsWanted is set; saves a bitmap when PrintMode is set.
SaveOutcome FileSaveC(FileContext& ctx);

// Repeats a save that failed (Retry in the error report): writes the picture,
// or the bitmap, to the very file the failed save was writing, without asking
// for a name again. As with Save As, the picture takes that name only once
// it is written; the file it had before is never touched.
SaveOutcome FileSaveRetry(FileContext& ctx, const SaveOutcome& failed);

// The picture as it would be written now: settings, view rows 0 .. last
// stored row (row 20 with the window and canvas sizes) and the list.
PictureFile CapturePicture(const FileContext& ctx, const WindowSizes& sizes);

// Replaces the open picture by a file already read and checked.
// `report` receives what the window must do next.
void ApplyPictureFile(FileContext& ctx, const PictureFile& pf, const std::string& path,
                      LoadReport& report);

// ---- File dialogs -------------------------------------------------------------

// The folder the file dialogs open in: the open picture's own folder, or for
// a picture that has none (a new picture, a sample) the folder of the most
// recent of the user's pictures whose folder is there; else DialogDir.
std::string PictureFolder(const FileState& file);

// The Save dialog for a bitmap of the picture: "Save as Bitmap", in the
// picture's folder, proposing the picture's file name with "BMP" in place of
// its last three characters, or for a picture without one `name` (its title,
// or the sample's it was read from) with ".BMP"; or for the wallpaper tile
// "Save as Wallpaper" in DialogDir with no name proposed.
FileDialogRequest BitmapSaveRequest(const FileState& file, const std::string& name, bool wallpaper);

// ---- Recent files -------------------------------------------------------------

// Puts `fileName` at the top of the recent list: unchanged when it is on top
// already, or is a sample, loaded by a slide show or holds a line break (the
// settings file keeps one name a line); moved to the top when it
// is further down; else the oldest entry drops out. Names are compared
// without regard to case, and an entry found takes the new spelling.
void FixFList(FileState& file, const std::string& fileName);

// The wallpaper command is offered for these picture kinds.
bool WallpaperAllowed(float PicKind);

}  // namespace orn
