#pragma once
// PicEdit: the editor window. It holds the picture's document
// (EditorDocument: the drawing list, the symmetry tables, the views, the
// editor flags, the drawing context and the colour state) and passes its
// parts by reference to the core; it lays out the canvas and its panels for
// the window's size, keeps the off-screen copy of the canvas, keeps the menus
// and the caption in line with what the editor is doing, and runs the menus'
// commands.
#include <array>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "canvas/colour_tools.h"
#include "canvas/editor_state.h"
#include "canvas/picture_commands.h"
#include "canvas/progress.h"
#include "canvas/ui/sym_setup_host.h"
#include "canvas/view_table.h"
#include "colour/colour_state.h"
#include "editor/editor_document.h"
#include "editor/ui/editor_parts.h"
#include "model/drawing_list.h"
#include "model/list_edit.h"
#include "platform/core/host.h"
#include "platform/core/profile.h"
#include "platform/core/surface.h"
#include "shell/app_state.h"
#include "shell/error_report.h"
#include "shell/menu_state.h"
#include "shell/paint_dat.h"
#include "shell/ui/editor_window.h"
#include "symmetry/draw_context.h"
#include "symmetry/polygon_shape.h"
#include "symmetry/sym_state.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;

namespace orn {

class CanvasTools;
class CanvasWidget;
class ClickLabel;
class ColorsInUseStrip;
class ColourPanel;
class CurrentColorBox;
class CustomColorsBox;
class PaletteBox;
class WheelPanel;
class FileDialogs;
class HelpWindow;
class PartLabels;
class PrinterDevice;
class ProjectPages;
class SymSetupPanel;
class SymPLoad;
class ToolButton;
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
  ErrorReport& errors() { return errors_; }
  PickState& pick() { return doc_.pick(); }
  EditorControls& controls() { return parts_->redraws; }
  // The tool buttons and the canvas's mouse engine.
  CanvasTools& tools() { return *tools_; }
  // The folder of the settings and standard colours files.
  std::filesystem::path dataFolder() const { return app_.DataFolder; }

  // ---- the canvas and its copy ----
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

  // ---- menus and caption ----
  void MenEnable(bool enable) override;
  // The symmetry menus follow the picture's symmetry block (and base shapes).
  void SymUpdateMenus() override;
  // The editor is in show mode ("&Switch to Show Mode" is checked).
  bool showMode() const;

  // ---- the File menu (file_commands.h) ----
  FileCommands& files() { return parts_->files; }
  RedrawControls& redraws() { return parts_->redraws; }
  EditorMenus& menus() { return parts_->menus; }
  EditorHelp& helpMenu() { return parts_->helpMenu; }
  ModelFrame& modelFrame() { return parts_->modelFrame; }
  GridMenu& grid() { return parts_->grid; }
  ViewControls& viewing() { return parts_->viewing; }
  OptionsMenu& options() { return parts_->options; }
  ColourControls& colours() { return parts_->colours; }
  SymmetryControls& symmetry() { return parts_->symmetry; }
  PrintCommands& prints() { return parts_->prints; }
  SpecialMenu& special() { return parts_->special; }
  ShowMode& shows() { return parts_->shows; }
  EditorStart& start() { return parts_->start; }

  // ---- panels ----
  QLabel* Text1 = nullptr;         // the help box
  QWidget* DrawTypePanel = nullptr; // the tool button column
  CanvasWidget* Progress = nullptr;
  SymPLoad* loadWindow() const { return SymPLoad_; }

  // Redraws the whole picture (Index as the Redraw commands pass it).
  void DrawAll(int index) override;

  // ---- symmetry ----
  SymSetupPanel* Picture5 = nullptr;  // the set-up panel
  PartLabels* Picture7 = nullptr;     // the part labels
  QPushButton* Picture13 = nullptr;   // the polygon button beside the tools
  // The polygon the Geometric tool builds on a dragged edge.
  PolyShape& polyShape() { return doc_.polyShape(); }



  // ---- start and exit (pic_edit_start.cpp) ----
  AppState& app() { return app_; }
  // Where the measurement system is asked for (tests change it after the start).
  void setProfile(const ProfileSource& profile) { profile_ = &profile; }
  // The main menu's onExit brings the menu back once the exit is settled;
  // the menu then calls finishExit(). Unset, the editor simply closes.
  void finishExit() override;

  // The print settings, kept for the whole run.
  PrintState& printState() { return app_.Print; }

  // ---- view files, grid and base-shape highlight, model frame ----
  // After a view file was loaded: the hand-over file the sibling product
  // leaves in the program folder goes.
  void afterViewLoad();
  // The picture of the folded model over a corner of the canvas, for the
  // model samples. The pictures are the main menu's model pictures (PMod
  // 0..6), which the main menu hands over; without them the frame stays empty.
  void setModelPictures(ModelPictureSource source) override { modelPictures_ = std::move(source); }

  void showHelp(int topic) override;
  // Where help pages are shown; unset, the editor opens a help window of its own.
  void setHelp(std::function<void(int topic)> viewer) override { help_ = std::move(viewer); }
  bool HelpShown = false;

 private:
  std::unique_ptr<FileDialogs> folderDialogs_;
  std::function<void(int)> help_;
  HelpWindow* ownHelp_ = nullptr;

 private:
  ModelPictureSource modelPictures_;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  class Hooks;
  friend class Hooks;
  friend class FileCommands;
  friend class RedrawControls;
  friend class EditorMenus;
  friend class EditorHelp;
  friend class ModelFrame;
  friend class GridMenu;
  friend class ViewControls;
  friend class OptionsMenu;
  friend class ColourControls;
  friend class ColourControls::ColourHooks;
  friend class SymmetryControls;
  friend class PrintCommands;
  friend class PrintCommands::Printing;
  friend class SpecialMenu;
  friend class ShowMode;
  friend class EditorStart;
  std::unique_ptr<EditorParts> parts_;


  bool setupPanelVisible() const;
  void ShowSymme(int region);
  void SymShowHandles(int mode);
  void GeoSh();
  void Trap(const char* tag, int index, const std::function<void()>& command) override;
  // `command` as a handler of the window: run under the error report's trap
  // with `tag` and `index`.
  std::function<void()> trapped(const char* tag, int index, std::function<void()> command);
  // A resize that came while a redraw walked the list: laid out once the
  // redraw has ended.
  bool resizeAfterRedraw_ = false;

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


  void buildWidgets();

  void formRszSteps();
  void placeColourPanel();
  void placeBottomStrip();
  void resizeCanvas(int w, int h);
  void Form_Paint();


  Host& host_;
  std::unique_ptr<FileDialogs> ownDialogs_;
  FileDialogs* dialogs_;
  std::unique_ptr<Hooks> hooks_;
  CanvasTools* tools_ = nullptr;

  // The picture the window shows.
  EditorDocument doc_;
  ErrorReport errors_;
  Surface progress_;

  QWidget* inner_ = nullptr;
  SymPLoad* SymPLoad_ = nullptr;
  QTimer* layoutTimer_ = nullptr;
  int canvasLeft_;
  int canvasTop_;

  AppState& app_;
  FixedProfileSource noProfile_;
  const ProfileSource* profile_ = &noProfile_;
  bool exiting_ = false;

  // ---- views, zoom, picture shape and drawing options ----------------------
  // (pic_edit_zoom.cpp, pic_edit_options.cpp)
 public:
  // The "&Zoom" menu and the zoom box; the picture shape and project pages.
  ZoomControl& zoom() { return *zoom_; }
  ProjectPages& pages() { return *pages_; }
  // "&Back" for the symmetry set-up, and the view of a part's reference shape.
  void ZoomBack() override;
  void CalcItemView(int part, int header) override;


 private:

  ZoomControl* zoom_ = nullptr;
  ProjectPages* pages_ = nullptr;

  // ---- colour tools (colour_controls.h) ----
 public:
  ColourTools& colourTools() { return *parts_->colours.colourTools_; }
  void ToggleColorTools() override;
};

}  // namespace orn
