#pragma once
// PicEdit: the editor window, a frame of parts. It holds the picture's
// document (EditorDocument) and passes its state by reference to the core;
// it makes its parts (EditorParts: one class per menu or feature, each in a
// header of its own), lays out the canvas and its panels for the window's
// size and keeps the off-screen copy of the canvas. The symmetry panels reach
// it as their SymSetupHost, the core's redraw as its parts' EditorControls.
#include <filesystem>
#include <functional>
#include <memory>

#include "canvas/ui/sym_setup_host.h"
#include "editor/editor_document.h"
#include "editor/ui/editor_parts.h"
#include "platform/core/profile.h"
#include "shell/app_state.h"
#include "shell/error_report.h"
#include "shell/ui/editor_window.h"

class QLabel;
class QPushButton;
class QTimer;

namespace orn {

class CanvasTools;
class CanvasWidget;
class FileDialogs;
class HelpWindow;
class PartLabels;
class ProjectPages;
class SymPLoad;
class SymSetupPanel;
class ZoomControl;

class PicEdit : public EditorWindow, public SymSetupHost {
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
  DrawingList& list() override { return doc_.list(); }
  SymState& sym() override { return doc_.sym(); }
  ViewTable& views() override { return doc_.views(); }
  EditorState& editor() override { return doc_.editor(); }
  DrawContext& draw() override { return doc_.draw(); }
  ColourState& colour() { return doc_.colour(); }
  PictureSettings& picture() { return doc_.picture(); }
  FileState& file() { return doc_.file(); }
  PickState& pick() { return doc_.pick(); }
  // The polygon the Geometric tool builds on a dragged edge.
  PolyShape& polyShape() { return doc_.polyShape(); }
  ErrorReport& errors() { return errors_; }
  AppState& app() { return app_; }
  // The print settings, kept for the whole run.
  PrintState& printState() { return app_.Print; }
  // The folder of the settings and standard colours files.
  std::filesystem::path dataFolder() const { return app_.DataFolder; }
  // Where the measurement system is asked for (tests change it after the start).
  void setProfile(const ProfileSource& profile) { profile_ = &profile; }

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
  ColourTools& colourTools() { return *parts_->colours.colourTools_; }
  // The "&Zoom" menu and the zoom box; the picture shape and project pages.
  ZoomControl& zoom() { return *zoom_; }
  ProjectPages& pages() { return *pages_; }

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

  // ---- layout ----
  // Lays the window out for its size, rescales the picture with the canvas
  // and redraws.
  void FormRSZ();
  // Wanted canvas height / width; kAspectFromCanvas takes it from the canvas.
  double PageAspect = 0.8;
  bool RedrawPending = false;
  bool FitOnResize = false;
  bool HelpRedraw = false;
  // Printing must lay its pages out anew.
  bool PrintInitDone = false;
  // The inner area the layout works in (the form's scale width and height).
  QWidget* formArea() const { return inner_; }

  // ---- what the core and the main menu ask of the window ----
  // Redraws the whole picture (Index as the Redraw commands pass it).
  void DrawAll(int index) override;
  void MenEnable(bool enable) override;
  // The symmetry menus follow the picture's symmetry block (and base shapes).
  void SymUpdateMenus() override;
  void ToggleColorTools() override;
  // "&Back" for the symmetry set-up, and the view of a part's reference shape.
  void ZoomBack() override;
  void CalcItemView(int part, int header) override;
  // The editor is in show mode ("&Switch to Show Mode" is checked).
  bool showMode() const;
  // The main menu's onExit brings the menu back once the exit is settled;
  // the menu then calls finishExit(). Unset, the editor simply closes.
  void finishExit() override;
  // The pictures of the folded models that the model samples show.
  void setModelPictures(ModelPictureSource source) override { modelPictures_ = std::move(source); }
  // Shows a help page; where help pages are shown is set by setHelp (unset,
  // the editor opens a help window of its own).
  void showHelp(int topic) override;
  void setHelp(std::function<void(int topic)> viewer) override { help_ = std::move(viewer); }
  bool HelpShown = false;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // The parts work on the window's own members.
  class Hooks;
  friend class Hooks;
  friend class EditorMenus;
  friend class FileCommands;
  friend class EditorStart;
  friend class ShowMode;
  friend class SpecialMenu;
  friend class PrintCommands;
  friend class PrintCommands::Printing;
  friend class SymmetryControls;
  friend class ColourControls;
  friend class ColourControls::ColourHooks;
  friend class OptionsMenu;
  friend class ViewControls;
  friend class GridMenu;
  friend class ModelFrame;
  friend class EditorHelp;
  friend class RedrawControls;

  // What the redraw asks of the window through its parts.
  bool setupPanelVisible() const;
  void ShowSymme(int region);
  void SymShowHandles(int mode);
  void GeoSh();
  // SymSetupHost
  Surface& canvas() override { return doc_.canvas(); }
  Host& host() override { return host_; }
  QLabel* helpBox() override { return Text1; }
  void canvasChanged() override;
  void selectTool(int tool) override;
  void closeOpenRecord() override;
  void SetDrawButtons(bool enable) override;
  void setSymWorkingEnabled(bool enable) override;
  bool yellowChecked() const override;
  void Trap(const char* tag, int index, const std::function<void()>& command) override;
  // `command` as a handler of the window: run under the error report's trap
  // with `tag` and `index`.
  std::function<void()> trapped(const char* tag, int index, std::function<void()> command);

  void buildWidgets();
  void formRszSteps();
  void placeColourPanel();
  void placeBottomStrip();
  void resizeCanvas(int w, int h);
  void Form_Paint();

  std::unique_ptr<EditorParts> parts_;
  Host& host_;
  std::unique_ptr<FileDialogs> ownDialogs_;
  FileDialogs* dialogs_;
  std::unique_ptr<FileDialogs> folderDialogs_;
  std::unique_ptr<Hooks> hooks_;
  CanvasTools* tools_ = nullptr;
  ZoomControl* zoom_ = nullptr;
  ProjectPages* pages_ = nullptr;
  // The picture the window shows.
  EditorDocument doc_;
  ErrorReport errors_;
  Surface progress_;
  QWidget* inner_ = nullptr;
  SymPLoad* SymPLoad_ = nullptr;
  QTimer* layoutTimer_ = nullptr;
  int canvasLeft_;
  int canvasTop_;
  // A resize that came while a redraw walked the list: laid out once the
  // redraw has ended.
  bool resizeAfterRedraw_ = false;
  AppState& app_;
  FixedProfileSource noProfile_;
  const ProfileSource* profile_ = &noProfile_;
  bool exiting_ = false;
  std::function<void(int)> help_;
  HelpWindow* ownHelp_ = nullptr;
  ModelPictureSource modelPictures_;
};

}  // namespace orn
