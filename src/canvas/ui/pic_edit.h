#pragma once
// PicEdit: the editor window. It owns the picture's state (the drawing list,
// the symmetry tables, the views, the editor flags, the drawing context and
// the colour state) and passes it by reference to the core; it lays out the
// canvas and its panels for the window's size, keeps the off-screen copy of
// the canvas, keeps the menus and the caption in line with what the editor
// is doing, and runs the File menu's commands.
#include <QMainWindow>

#include <array>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "canvas/colour_tools.h"
#include "canvas/editor_state.h"
#include "canvas/progress.h"
#include "canvas/view_table.h"
#include "colour/colour_state.h"
#include "model/drawing_list.h"
#include "model/list_edit.h"
#include "canvas/picture_commands.h"
#include "platform/core/host.h"
#include "platform/core/profile.h"
#include "platform/core/surface.h"
#include "shell/app_state.h"
#include "shell/paint_dat.h"
#include "shell/error_report.h"
#include "shell/menu_state.h"
#include "symmetry/draw_context.h"
#include "symmetry/polygon_shape.h"
#include "symmetry/sym_state.h"
#include "symmetry/ui/sym_setup_host.h"

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

class PicEdit : public QMainWindow,
                private MenuItems,
                private EditorControls,
                public SymSetupHost {
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

  // ---- state the editor owns ----
  DrawingList& list() override { return list_; }
  SymState& sym() override { return sym_; }
  ViewTable& views() override { return views_; }
  EditorState& editor() override { return editor_; }
  DrawContext& draw() override { return draw_; }
  ColourState& colour() { return colour_; }
  PictureSettings& picture() { return pic_; }
  FileState& file() { return file_; }
  ErrorReport& errors() { return errors_; }
  PickState& pick() { return pick_; }
  EditorControls& controls() { return *this; }
  // The tool buttons and the canvas's mouse engine.
  CanvasTools& tools() { return *tools_; }
  // The folder of the settings and standard colours files.
  std::filesystem::path dataFolder() const { return app_.DataFolder; }

  // ---- the canvas and its copy ----
  // The canvas Picture1 shows this surface; bmap is its off-screen copy.
  Surface& canvasSurface() { return canvas_; }
  const Surface& bmap() const { return bmap_; }
  CanvasWidget* Picture1 = nullptr;
  // Copies the canvas into bmap when the display needs the copy.
  void CopyToBmap() override;
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
  // Puts the current-colour swatch at left x and the colour wheel beside it.
  void PositionPic4(int x);
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
  // "&Setup Symmetry" is offered: the drawing starts with base shapes.
  void setEditsymEnabled(bool enabled);
  void MenusShowMode(bool edit);
  void MenusAllOptions(bool show);
  // Sets the caption for a picture name (see ShowFileNameCaption).
  void ShowFileName(const std::string& name, bool asIs);
  // A menu item by its name ("MenFileSave", "FName(2)"); null when unknown.
  QAction* menuItem(const std::string& name) const;
  // The editor is in show mode ("&Switch to Show Mode" is checked).
  bool showMode() const override;

  // ---- File menu commands ----
  void MenFileNew_Click();
  void MenFileLoad_Click(int index);
  void MenFileSave_Click();
  void MenFileSaveAs_Click();
  void MenFileExit_Click();
  void MenFile_Click();
  void FName_Click(int index);
  // Loads the picture named by `path` as the main menu hands one over.
  CommandStatus LoadPicture(const std::string& path);
  // Rebuilds the captions of the recent-file items.
  void FixFName();
  // The folder the recent-file captions were last made relative to.
  std::string EditStartDir;

  // ---- panels ----
  QLabel* Text1 = nullptr;         // the help box
  QWidget* DrawTypePanel = nullptr; // the tool button column
  QPushButton* StopSign = nullptr;
  CanvasWidget* Progress = nullptr;
  SymPLoad* loadWindow() const { return SymPLoad_; }

  // Redraws the whole picture (Index as the Redraw commands pass it).
  void DrawAll(int index) override;

  // ---- symmetry ----
  SymSetupPanel* Picture5 = nullptr;  // the set-up panel
  PartLabels* Picture7 = nullptr;     // the part labels
  QPushButton* Picture13 = nullptr;   // the polygon button beside the tools
  // The polygon the Geometric tool builds on a dragged edge.
  PolyShape& polyShape() { return polyShape_; }
  // "&Setup Symmetry", "&Working Symmetry..." and the polygon button.
  void Editsym_Click();
  void SymWorking_Click();
  void Picture13_Click();
  // A canvas press or double click during the set-up goes to its handles;
  // true when the set-up took it.
  bool routeSetupPress(int Button, int Shift, float X, float Y);
  bool routeSetupDoubleClick();
  void SymTestHandle(int Button, int Shift, float X, float Y);
  void repeatSetupPress();

  // ---- the hidden "S&pecial" menu ----
  // The small caption-less hot spot whose Ctrl+click shows or hides the menu.
  ClickLabel* Label6 = nullptr;
  void Label6_Click();
  void DebugX_Click(int Index);
  void DebugXC(int Index);

  // ---- the Redraw button and the window's side of every redraw ----
  // The Redraw button (DrawAll(0)) and the 500 ms guard after a redraw
  // during which it is ignored.
  ToolButton* DrawAll0 = nullptr;
  QTimer* NoRedraw = nullptr;
  void DrawAll_Click(int Index);

  // ---- start and exit (pic_edit_start.cpp) ----
  AppState& app() { return app_; }
  // Where the measurement system is asked for (tests change it after the start).
  void setProfile(const ProfileSource& profile) { profile_ = &profile; }
  // The start: Form_Load prepares the empty editor; StartTimer (300 ms)
  // loads the handed-over picture; LoadTimer (300 ms) ends the guard that
  // keeps canvas clicks off a half-built editor.
  void Form_Load();
  void StartTimer_Timer();
  void LoadTimer_Timer();
  QTimer* StartTimer = nullptr;
  QTimer* LoadTimer = nullptr;
  QTimer* ReturnToMain = nullptr;
  bool StartLoading = false;
  bool StartDone = false;
  // Leaves the editor: waits for a running redraw or load, offers to save a
  // changed picture, writes "Paint.Dat". False when the editor stays open.
  bool ExitC();
  void SaveSettings();
  // Set by the main menu: brings the menu back once the exit is settled;
  // the menu then calls finishExit(). Unset, the editor simply closes.
  std::function<void()> onExit;
  void finishExit();

  // ---- printing and image export (pic_edit_print.cpp) ----
  PrintState& printState() { return app_.Print; }
  void MenFilePrint_Click();
  void MenFilePset_Click();
  void MenSaveBitmap_Click();
  void MenSaveWall_Click();
  // What the picture save writes for a bitmap: the wallpaper tile while the
  // wallpaper command measures, else the canvas. An error text on failure.
  std::optional<std::string> saveCanvasBitmap(const std::string& path);
  // Prints on `printer` (kept by the caller) instead of the default printer
  // or its stand-in file; null: back to those.
  void setPrinter(PrinterDevice* printer);
  // The PDF file that stands in for a missing printer, and the wallpaper
  // folder.
  std::filesystem::path printFilePath() const;
  std::filesystem::path wallpaperFolder() const;
  // ---- end of printing and image export ----

  // ---- view files, grid and base-shape highlight, model frame ----
  // After a view file was loaded: the hand-over file the sibling product
  // leaves in the program folder goes.
  void afterViewLoad();
  // "&Grid Color": the base shapes ahead of the symmetry drawn black, red or
  // not at all; then a full redraw.
  void MenGridBlack_Click();
  void MenGridRed_Click();
  void MenGridOff_Click();
  // "&Yellow Base Shape ": switches the highlight of part 1's base shape,
  // leaving an editing tool first, and redraws.
  void Yellow_Click();
  // The picture of the folded model over a corner of the canvas, for the
  // model samples. The pictures are the main menu's model pictures (PMod
  // 0..6), which the main menu hands over; without them the frame stays empty.
  using ModelPictureSource = std::function<std::optional<Surface>(int PMod)>;
  void setModelPictures(ModelPictureSource source) { modelPictures_ = std::move(source); }
  CanvasWidget& Model();
  // Shows the model picture for the digit after "OVMOD", which stands at the
  // 1-based position p of FileName.
  void FrameModel(int p);
  // After a load: a picture named as a model sample, opened while the main
  // menu shows the models, shows its model.
  void frameLoadedModel();

  // ---- show mode, slide shows, titles, help, stamps and the Special menu's
  // commands (pic_edit_gallery.cpp, pic_edit_help.cpp, pic_edit_special.cpp) ----
  // Switches show mode on or off ("&Switch to Show Mode").
  void Gallery_Click();
  // "&Modify": 0 edit, 1 recolour, 2 re-create the picture shown.
  void MenEditR_Click(int Index);
  void GalBackColor_Click();
  void GalTitle_Click();
  // One step of a slide show: the next slide, 5 s after the last has loaded.
  void ArtShowT_Timer();
  QTimer* ArtShowT = nullptr;
  QLabel* CountLab = nullptr;  // "3 of 12 "
  // Help: the editor's page (menu and F1), the show-mode page, and any page
  // a panel or dialog of the editor asks for. Each repaints the picture once
  // when the editor is painted next.
  void HelpP_Click();
  void GalHelp_Click();
  void showHelp(int topic) override;
  // Where help pages are shown; unset, the editor opens a help window of its own.
  void setHelp(std::function<void(int topic)> viewer) { help_ = std::move(viewer); }
  bool HelpShown = false;
  // The stamp buttons and the stamp box.
  std::array<QPushButton*, 2> Command2{};
  CanvasWidget* Picture9 = nullptr;
  void Command2_Click(int Index);
  // The debug label (mouse position with "Show &Numbers").
  QLabel* Label1 = nullptr;
  // The hot spot that prints the view table.
  ClickLabel* Label17 = nullptr;
  void Label17_Click();
  // Prints the drawing list.
  void DumpList();
  // The colour of the panels ("&Toggle Menu Color").
  Rgb UseColorRGB = 0xC0C0C0;

 private:
  void buildGalleryWidgets();
  void wireGalleryMenu();
  void enterShowMode();
  void leaveShowMode();
  void setWindowBackground(std::optional<Rgb> colour);
  // Loads the first slide from `from` on (wrapping round) that loads; false
  // when none does.
  bool loadSlide(int from);
  void showSlideCount();
  // The file the picture shown came from: its name, or for a picture loaded
  // as "<UnNamed>" (a sample) the file it was read from.
  std::string reloadPath() const;
  // Prints a listing; where no printer is installed it goes into `fileName`
  // in the folder of the print's file.
  void printListing(const std::vector<std::string>& lines, const char* fileName);
  PrinterDevice& listingPrinter();
  void placeSpecialWidgets(int stripTop);
  // Where the help box Text1 starts: right of the Special menu's numbers and
  // stamp buttons while they are shown.
  int helpBoxLeft() const;
  void switchPaintOnly();
  // The panels' colour; the gray of the window's own panels leaves them as
  // they are drawn.
  void setPanelColour(Rgb colour);
  void wireHelp();
  int SavedPicLeft = 0;
  int SavedPicTop = 0;
  std::string loadedPath_;
  // The title of the file loaded last, a sample's too (its picture has none).
  std::string loadedTitle_;
  std::unique_ptr<FileDialogs> folderDialogs_;
  std::function<void(int)> help_;
  HelpWindow* ownHelp_ = nullptr;
  Surface stamp_;

 private:
  CanvasWidget* Model_ = nullptr;
  Surface modelPicture_;
  ModelPictureSource modelPictures_;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  class Hooks;
  friend class Hooks;

  // MenuItems
  void setItemEnabled(std::string_view name, bool enabled) override;
  void setItemVisible(std::string_view name, bool visible) override;
  void setItemChecked(std::string_view name, bool checked) override;

  // EditorControls
  Surface* progressStrip() override { return &progress_; }
  void showCanvas() override;
  void progressChanged() override;
  void setStopSignVisible(bool on) override;
  bool setupPanelVisible() const override;
  void ShowSymme(int region) override;
  void SymShowHandles(int mode) override;
  void GeoSh() override;
  void setToolButtonColor(int tool, Rgb c) override;
  void setRedrawButtonColor(Rgb c) override;
  bool dupButtonVisible() const override;
  void setDupButtonVisible(bool visible) override;
  void reportCorruptSymmetry() override;
  void PutSymState(int CurPart) override;
  void redrawFinished() override;
  void startNoRedrawTimer() override;
  bool noRedrawTimerActive() const override;
  void buildRedrawWidgets();
  void Trap(const char* tag, int index, const std::function<void()>& command) override;
  // `command` as a handler of the window: run under the error report's trap
  // with `tag` and `index`.
  std::function<void()> trapped(const char* tag, int index, std::function<void()> command);
  // A resize that came while a redraw walked the list: laid out once the
  // redraw has ended.
  bool resizeAfterRedraw_ = false;

  // SymSetupHost
  Surface& canvas() override { return canvas_; }
  Host& host() override { return host_; }
  QLabel* helpBox() override { return Text1; }
  void canvasChanged() override;
  void selectTool(int tool) override;
  void closeOpenRecord() override;
  void SetDrawButtons(bool enable) override;
  void setSymWorkingEnabled(bool enable) override;
  bool yellowChecked() const override;

  void buildSymmetryWidgets();
  void wireSymmetryMenu();
  void placePartLabels();
  // The part labels and symmetry menus for the picture now in the list.
  void refreshSymmetryControls();
  bool setupOffered() const;

  void buildWidgets();
  void buildMenus();
  void buildSpecialWidgets();
  void wireSpecialMenu();
  QMenu* addMenu(QMenu* parent, const char* name, const char* caption);
  QAction* addItem(QMenu* menu, const char* name, const char* caption, bool built = false,
                   bool checkable = false);
  void addSeparator(QMenu* menu, const char* name);
  void wireFileMenu();

  void formRszSteps();
  void placeColourPanel();
  void placeBottomStrip();
  void resizeCanvas(int w, int h);
  void Form_Paint();

  FileContext fileContext();
  // Runs the Load command under the error report; how it ended.
  CommandStatus runLoad(int kind);
  void afterLoad(const LoadOutcome& out);
  void applyStoredSizes(const LoadReport& r);
  void afterNew(const NewOutcome& out);
  void afterSave(const SaveOutcome& out);
  bool offerSave();
  // Runs the Save command under the error report; true when it saved.
  bool runSave();
  void showRecentItems();
  void updatePictureMenus();
  void setLineWidthCaption();
  void reportFailure(const std::string& text, const std::string& title);

  Host& host_;
  std::unique_ptr<FileDialogs> ownDialogs_;
  FileDialogs* dialogs_;
  std::unique_ptr<Hooks> hooks_;
  CanvasTools* tools_ = nullptr;

  DrawingList list_;
  SymState sym_;
  PickState pick_;
  ViewTable views_;
  EditorState editor_;
  DrawContext draw_;
  ColourState colour_;
  PictureSettings pic_;
  FileState file_;
  ErrorReport errors_;

  Surface canvas_;
  Surface bmap_;
  Surface progress_;
  PolyShape polyShape_;

  QWidget* inner_ = nullptr;
  SymPLoad* SymPLoad_ = nullptr;
  QTimer* layoutTimer_ = nullptr;
  // A load is under way: the loading window lets events run, and a second
  // file command must not start inside it.
  bool loading_ = false;
  // The load that opens the editor on the picture the main menu handed over:
  // in edit mode its canvas is laid out for the window, as every later
  // layout lays it out, not kept at the size stored with the picture.
  bool openingLoad_ = false;
  // When the canvas was last shown during a redraw (the host's clock, ms;
  // -1 none yet).
  std::int64_t canvasShownAt_ = -1;
  int canvasLeft_;
  int canvasTop_;
  std::map<std::string, QAction*, std::less<>> items_;

  // Printing and image export (pic_edit_print.cpp).
  class Printing;
  struct PrintingDeleter {
    void operator()(Printing* p) const;
  };
  std::unique_ptr<Printing, PrintingDeleter> printing_;
  void wirePrintMenu();
  Printing& printing();

  // start and exit
  void buildStartTimers();
  void readSettings();
  void applySplineOption();
  AppState& app_;
  // The settings as read, for the values only written back.
  EditorSettings settings_;
  FixedProfileSource noProfile_;
  const ProfileSource* profile_ = &noProfile_;
  bool exiting_ = false;
  bool exitDone_ = false;

  // ---- views, zoom, picture shape and drawing options ----------------------
  // (pic_edit_zoom.cpp, pic_edit_options.cpp)
 public:
  // The "&Zoom" menu and the zoom box; the picture shape and project pages.
  ZoomControl& zoom() { return *zoom_; }
  ProjectPages& pages() { return *pages_; }
  // The menu items by name, with the menu states' rules.
  MenuItems& menus() { return *this; }
  // Sizes the canvas for a stored view; the layout that follows fits it to
  // the window and rescales the picture with it.
  void sizeCanvas(int w, int h);
  // The part labels, when the picture has parts and the editor draws.
  void showPartLabels();
  // The Redraw button, put away while a panel owns the canvas.
  void setRedrawButtonVisible(bool visible);
  // "&Back" for the symmetry set-up, and the view of a part's reference shape.
  void ZoomBack() override;
  void CalcItemView(int part, int header) override;

  // The "&Options" menu's drawing options.
  void MenOptionsGravity_Click();
  void MenOptionsLine_Click();
  void MenOpSplineC();
  void MenOptionSound_Click();
  void PickDrawCurse_Click(int Index);
  void ExtendV_Click(int Index);
  // "&Snap n..." for the snap distance in force.
  void setSnapCaption();
  // The check marks of the switches, as the settings stand.
  void showOptionStates();
  // The spline tools and their menu check, as AllowSplines stands.
  void showSplineTools();

 private:
  void buildViewWidgets();
  void wireZoomMenu();
  void wireOptionsMenu();
  // After every full redraw that ran: the panels that own the canvas keep
  // the menus away, and the zoom box goes back over the picture.
  void afterRedraw();

  ZoomControl* zoom_ = nullptr;
  ProjectPages* pages_ = nullptr;

  // ---- colour tools (pic_edit_colour.cpp) ----
 public:
  // The colour panels, named as the editor's code names them.
  PaletteBox* Picture3 = nullptr;       // the palette
  QScrollBar* VScroll2 = nullptr;       // its harmony scroll bar
  CurrentColorBox* Picture4 = nullptr;  // the current colour
  ColorsInUseStrip* CinUse = nullptr;   // the colours in use
  QLabel* Label19 = nullptr;            // their label, red while a swap is armed
  QFrame* Picture11 = nullptr;          // the frame, red while a swap is armed
  CustomColorsBox* Picture10 = nullptr; // the custom colours
  QPushButton* Command4 = nullptr;      // "#", the colour dialog
  CanvasWidget* Wheel = nullptr;        // the colour wheel
  WheelPanel* Picture12 = nullptr;      // the wheel's panel in the tool column
  ColourTools& colourTools() { return *colourTools_; }
  // Repaints the custom colours (after the settings were read).
  void DispCustColors();
  // Sets the custom colours to the base colours; Index 0 asks first.
  void CustGrayC(int Index);
  // Erases all colour from the picture: kEraseAsks asks first, selects the
  // paint tool and redraws; kEraseSilent does neither; kEraseSilentRedraw
  // only redraws.
  void EraseC(int SilentErase = kEraseAsks);
  void ToggleColorTools() override;
  // The wheel and its panel shown in place of the drawing tools.
  void setWheelPanelVisible(bool visible);
  // The canvas's tools changed the current colour or the colours in use.
  void currentColourChanged();
  void colorsInUseChanged();

 private:
  class ColourHooks;
  void buildColourTools();
  void wireColourMenu();
  void placeColourTools();
  std::unique_ptr<ColourUi> colourHooks_;
  std::unique_ptr<ColourTools> colourTools_;
  ColourPanel* colourPanel_ = nullptr;
};

}  // namespace orn
