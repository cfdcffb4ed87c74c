#pragma once
// PicEdit: the editor window, a frame of parts. It holds the picture's
// document (EditorDocument) and passes its state by reference to the core;
// it makes its parts (EditorParts: one class per menu or feature, each in a
// header of its own), lays out the canvas and its panels for the window's
// size (WindowLayout) and keeps the off-screen copy of the canvas. The
// symmetry panels reach it through a WindowSymHost, the core's redraw through
// its parts' EditorControls.
#include <filesystem>
#include <functional>
#include <memory>

#include "editor/editor_document.h"
#include "editor/ui/editor_parts.h"
#include "editor/ui/window_layout.h"
#include "editor/ui/window_sym_host.h"
#include "platform/core/profile.h"
#include "shell/app_state.h"
#include "shell/error_report.h"
#include "shell/ui/editor_window.h"

class QLabel;
class QPushButton;

namespace orn {

class CanvasTools;
class CanvasWidget;
class FileDialogs;
class PartLabels;
class SymPLoad;
class SymSetupPanel;

class PicEdit : public EditorWindow {
  Q_OBJECT
 public:
  // `host` answers the message boxes; `app` is the application's state with
  // what the main menu hands over; `dialogs` the file dialogs (null: Qt's
  // own); `profile` the desktop's settings (null: none, no printer). None is
  // owned. The editor's start runs here (Form_Load), and reads the default
  // printer from `profile`.
  PicEdit(Host& host, AppState& app, FileDialogs* dialogs = nullptr,
          const ProfileSource* profile = nullptr, QWidget* parent = nullptr);
  ~PicEdit() override;

  // ---- the picture's state (the document's parts) ----
  EditorDocument& document() { return doc_; }
  DrawingList& list() { return doc_.list(); }
  SymState& sym() { return doc_.sym(); }
  ViewTable& views() { return doc_.views(); }
  EditorState& editor() { return doc_.editor(); }
  DrawContext& draw() { return doc_.draw(); }
  ColourState& colour() { return doc_.colour(); }
  PictureSettings& picture() { return doc_.picture(); }
  FileState& file() { return doc_.file(); }
  PickState& pick() { return doc_.pick(); }
  // The polygon the Geometric tool builds on a dragged edge.
  PolyShape& polyShape() { return doc_.polyShape(); }
  ErrorReport& errors() { return errors_; }
  Host& host() { return host_; }
  AppState& app() { return app_; }
  FileDialogs& dialogs() { return *dialogs_; }
  // The print settings, kept for the whole run.
  PrintState& printState() { return app_.Print; }
  // The folder of the settings and standard colours files.
  std::filesystem::path dataFolder() const { return app_.DataFolder; }
  // Where the measurement system is asked for (tests change it after the start).
  void setProfile(const ProfileSource& profile) { profile_ = &profile; }
  const ProfileSource& profile() const { return *profile_; }

  // ---- the window's parts ----
  EditorMenus& menus() { return parts_->menus; }
  FileCommands& files() { return parts_->files; }
  EditorStart& start() { return parts_->start; }
  ShowMode& shows() { return parts_->shows; }
  SpecialMenu& special() { return parts_->special; }
  PrintCommands& prints() { return parts_->prints; }
  SymmetryControls& symmetry() { return parts_->symmetry; }
  ColourControls& colours() { return parts_->colours; }
  OptionsMenu& options() { return parts_->options; }
  ViewControls& viewing() { return parts_->viewing; }
  GridMenu& grid() { return parts_->grid; }
  ModelFrame& modelFrame() { return parts_->modelFrame; }
  EditorHelp& helpMenu() { return parts_->helpMenu; }
  RedrawControls& redraws() { return parts_->redraws; }
  EditorControls& controls() { return parts_->redraws; }
  // The tool buttons and the canvas's mouse engine.
  CanvasTools& tools() { return *tools_; }
  bool hasTools() const { return tools_ != nullptr; }
  ColourTools& colourTools() { return *parts_->colours.colourTools_; }
  // The "&Zoom" menu and the zoom box; the picture shape and project pages.
  ZoomControl& zoom() { return *parts_->viewing.zoom_; }
  ProjectPages& pages() { return *parts_->viewing.pages_; }
  // Where the canvas and the panels stand; what the symmetry panels ask.
  WindowLayout& layout() { return layout_; }
  SymSetupHost& symHost() { return symHost_; }

  // ---- the canvas, its copy and the panels ----
  // The canvas Picture1 shows this surface; bmap is its off-screen copy.
  Surface& canvasSurface() { return doc_.canvas(); }
  const Surface& bmap() const { return doc_.bmap(); }
  CanvasWidget* Picture1 = nullptr;
  // Copies the canvas into bmap when the display needs the copy.
  void CopyToBmap();
  // Copies bmap back onto the canvas.
  void CopyBMAPtoPicture();
  // Kept for the custom-colour button: the copy needs no refresh there.
  void CopyPictureToBMAP() {}
  // The display shows fewer than 16 bits per pixel: only then is the copy kept.
  bool LowColorDisplay = false;
  QLabel* Text1 = nullptr;           // the help box
  QWidget* DrawTypePanel = nullptr;  // the tool button column
  CanvasWidget* Progress = nullptr;
  SymSetupPanel* Picture5 = nullptr;  // the set-up panel
  PartLabels* Picture7 = nullptr;     // the part labels
  QPushButton* Picture13 = nullptr;   // the polygon button beside the tools
  SymPLoad* loadWindow() const { return SymPLoad_; }

  // The inner area the layout works in (the form's scale width and height).
  QWidget* formArea() const { return inner_; }

  // ---- what the core and the main menu ask of the window ----
  // Redraws the whole picture (Index as the Redraw commands pass it).
  void DrawAll(int index);
  void MenEnable(bool enable);
  // The symmetry menus follow the picture's symmetry block (and base shapes).
  void SymUpdateMenus();
  void ToggleColorTools();
  // "&Back" for the symmetry set-up, and the view of a part's reference shape.
  void ZoomBack();
  void CalcItemView(int part, int header);
  // The editor is in show mode ("&Switch to Show Mode" is checked).
  bool showMode() const;
  // The main menu's onExit brings the menu back once the exit is settled;
  // the menu then calls finishExit(). Unset, the editor simply closes.
  void finishExit() override;
  // The pictures of the folded models that the model samples show.
  void setModelPictures(ModelPictureSource source) override { parts_->modelFrame.pictures_ = std::move(source); }
  // Shows a help page for `asker`, the editor or a dialog of it; where help
  // pages are shown is set by setHelp (unset, the editor opens a help window
  // of its own).
  void showHelp(int topic, QWidget& asker);
  void setHelp(std::function<void(int topic, QWidget& asker)> viewer) override {
    parts_->helpMenu.viewer_ = std::move(viewer);
  }
  bool HelpShown = false;
  bool HelpRedraw = false;
  // `command` as a handler of the window: run under the error report's trap
  // with `tag` and `index`.
  std::function<void()> trapped(const char* tag, int index, std::function<void()> command);

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void buildWidgets();
  void Form_Paint();

  std::unique_ptr<EditorParts> parts_;
  Host& host_;
  std::unique_ptr<FileDialogs> ownDialogs_;
  FileDialogs* dialogs_;
  std::unique_ptr<FileDialogs> folderDialogs_;
  CanvasTools* tools_ = nullptr;
  // The picture the window shows.
  EditorDocument doc_;
  ErrorReport errors_;
  QWidget* inner_ = nullptr;
  SymPLoad* SymPLoad_ = nullptr;
  AppState& app_;
  FixedProfileSource noProfile_;
  const ProfileSource* profile_ = &noProfile_;
  WindowSymHost symHost_{*this};
  WindowLayout layout_;
};

}  // namespace orn
