// The editor's start and exit: Form_Load prepares an empty editor from what
// the main menu handed over and from "Paint.Dat"; StartTimer loads the
// picture once the window is painted; ExitC writes the settings back and
// returns to the main menu.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <filesystem>

#include "canvas/redraw.h"
#include "canvas/tools.h"
#include "canvas/ui/pic_edit.h"
#include "platform/one_shot_timer.h"
#include "canvas/ui/sym_p_load.h"
#include "canvas/ui/tool_buttons.h"
#include "colour/standard_colors.h"
#include "platform/canvas_widget.h"
#include "platform/core/app_folder.h"
#include "print/printer_setup.h"
#include "shell/help.h"
#include "shell/paint_dat.h"

namespace orn {

namespace {

constexpr int kStartDelayMs = 300;
constexpr int kReturnRetryMs = 300;
constexpr int kStartLine = 1000;
constexpr int kStartLineAfterProbes = 1001;
constexpr int kLowColorBits = 16;

}  // namespace

void PicEdit::buildStartTimers() {
  StartTimer = OneShotTimer(this, kStartDelayMs, trapped("StartTimer", kNoIndex, [this] { StartTimer_Timer(); }));
  LoadTimer = OneShotTimer(this, kStartDelayMs, trapped("LoadTimer", kNoIndex, [this] { LoadTimer_Timer(); }));
  // Retried until a running redraw or load has ended.
  ReturnToMain = new QTimer(this);
  ReturnToMain->setInterval(kReturnRetryMs);
  connect(ReturnToMain, &QTimer::timeout, this, trapped("ReturnToMain", kNoIndex, [this] {
            if (RedrawRunning(editor_) || loading_ || QApplication::activeModalWidget() != nullptr) return;
            ReturnToMain->stop();
            close();
          }));
}

// ---- Form_Load -----------------------------------------------------------------

void PicEdit::Form_Load() {
  if (StartDone) return;
  // Each step runs under the start's error box: Retry runs it again, Skip
  // goes on with the next, Cancel ends the start where it is (the picture is
  // still loaded by StartTimer).
  const auto step = [this](int line, const std::function<void()>& body) {
    errors_.state().LineMarker = line;
    for (;;) {
      try {
        body();
        return true;
      } catch (const std::exception& e) {
        if (!errors_.state().ErrorTrapOn) throw;
        const int answer = errors_.ShowErrorBox("Form_Load", line, e.what());
        // Help shows the editor's page, then asks again.
        if (answer == kErrorHelp) showHelp(kHelpEditor);
        if (answer == kErrorRetry || answer == kErrorHelp) continue;
        return answer == kErrorIgnore;
      }
    }
  };

  const bool done = step(kStartLine, [this] {
    const QScreen* screen = QGuiApplication::primaryScreen();
    LowColorDisplay = screen && screen->depth() < kLowColorBits;
  }) && step(kStartLineAfterProbes, [this] {
    // No default printer is no fault: the name stays empty.
    ReadDefaultPrinter(app_.Print, Profile(*profile_));
    setItemVisible("Th", false);
    setItemEnabled("Th", false);
    if (app_.DataFolder.empty()) app_.DataFolder = app_.AppFolder;
    host_.setHourglass(true);
    StartLoading = true;
    LoadTimer->start();
    // The working folder may have gone meanwhile: that is no fault.
    EditStartDir = QDir::currentPath().toStdString();
  }) && step(kStartLineAfterProbes, [this] {
    editor_.PaintOnlyMode = 0;
    setItemVisible("DebugXX", false);
    setItemChecked("PaintOrder", false);
    MenusAllOptions(false);
    file_.StartPicture = app_.PicturePath;
    file_.StartGallery = !app_.OpenForEditing;
    file_.StartReCreate = app_.LoadOption;
    file_.OpenForEditing = app_.OpenForEditing;
    file_.ShowMode = app_.ShowMode;
    applySplineOption();
    file_.DocWord = "Picture";
    setItemVisible("MenFileLoad(1)", false);
    menuItem("OptionsCustGray(0)")->setText("&Set Custom to Base Colors");
    editor_.ShowGeoNumbers = false;
    if (ToolButton* geo = tools_->DrawType(kToolGeometric)) geo->hide();
    Picture13->hide();
    // Out of paint-only mode: the symmetry controls shown, the caption "Ornivale".
    editor_.PaintOnlyMode = -1;
    switchPaintOnly();
  }) && step(kStartLineAfterProbes, [this] {
    list_.reset();
    draw_.LineWidth = 1;
    file_.NewInLoad = true;
    FileContext ctx = fileContext();
    afterNew(orn::FileNew(ctx));
    file_.NewInLoad = false;
    FitOnResize = true;
    PageAspect = 0.8;
    FormRSZ();
  }) && step(kStartLineAfterProbes, [this] {
    colour_.DitheredDisplay = app_.DitheredDisplay;
    ReadStandardColors(colour_, dataFolder(), host_);
  });
  if (!done) {
    // Cancel: the editor stays as far as it got, and the picture still loads.
    StartTimer->start();
    return;
  }

  // The settings file has its own, silent fall-back to the defaults.
  readSettings();

  views_.ViewDepth = 0;
  editor_.ProjPages = 1;
  sym_.SymStart = sym_.SymEnd = 0;
  editor_.SplineSteps = 12;
  tools_->engine().DrawType(kToolPolyLine);
  if (!app_.OpenForEditing) {
    Gallery_Click();
    setWindowTitle(QString());
  } else {
    MenusShowMode(true);
    setItemVisible("Gallery", true);
    setItemVisible("lingal", true);
  }
  if (app_.ShowMode != 0) {
    // A slide show: no file commands, no help, no way into editing.
    setItemVisible("MenGalEdit", false);
    setItemEnabled("MenGalEdit", false);
    setItemVisible("GalHelp", false);
    setItemEnabled("GalHelp", false);
    setItemEnabled("MenEditR(0)", false);
    setItemVisible("HelpP", false);
    setItemVisible("MenFile", false);
  }
  StartDone = false;
  StartTimer->start();
}

// Reads "Paint.Dat" into the editor's settings; a missing or damaged file
// gives the defaults without a word.
void PicEdit::readSettings() {
  const std::filesystem::path folder = dataFolder();
  const PaintDatRead r = ReadPaintDat(folder / kPaintDatName, app_.Print.PrintOrientation,
                                      colour_.DitheredDisplay);
  const EditorSettings& s = r.settings;
  app_.Print.PrintOrientation = s.PrintOrientation;
  app_.Print.PrintQuality = s.PrintQuality;
  draw_.LineWidth = s.LineWidth;
  canvas_.setPenWidth(s.LineWidth);
  MouseState& ms = tools_->engine().ms;
  ms.SnapSize = s.SnapSize;
  ms.DrawCursor = s.DrawCursor;
  sym_.WorkingSym = kAllReplicas;
  // The arrow until the start is done; the chosen cursor comes with the tools.
  Picture1->setCanvasCursor(CanvasCursor::Arrow);
  file_.RecentFiles = s.RecentFiles;
  colour_.CustomPalette = s.CustomPalette;
  DispCustColors();
  showRecentItems();
  settings_ = s;
}

// The spline tools are offered only while the option is on; the option
// lasts for the program's run.
void PicEdit::applySplineOption() {
  tools_->engine().ms.AllowSplines = app_.AllowSplines;
  showSplineTools();
}

// ---- StartTimer and LoadTimer ----------------------------------------------

void PicEdit::StartTimer_Timer() {
  StartTimer->stop();
  bool slideShown = false;
  if (app_.ShowMode != 0 && !app_.ShowList.empty()) {
    // The first slide whose picture is there.
    app_.ShowIndex = 0;
    file_.StartMode = app_.StartMode;
    slideShown = loadSlide(0);
    if (!slideShown) reportFailure("None of the pictures of this show can be found.", "Load Picture");
  } else if (!app_.PicturePath.empty() && app_.PicturePath != kUnNamed) {
    // The path as handed over may differ in case from the file on disk.
    const auto real = resolveNoCase(app_.PicturePath);
    file_.LoadOption = app_.LoadOption;
    file_.StartMode = app_.StartMode;
    if (real && std::filesystem::is_regular_file(*real)) {
      openingLoad_ = true;
      LoadPicture(real->string());
      openingLoad_ = false;
    } else
      reportFailure("The picture " + app_.PicturePath + " cannot be found.", "Load Picture");
  } else {
    file_.FileName = kUnNamed;
  }
  // The Geometric tool starts with a square.
  polyShape_ = PolyShape{};
  GeoSh();
  host_.setHourglass(false);
  Picture1->setCanvasCursor(CursorOfPointer(tools_->engine().ms.DrawCursor));
  setSnapCaption();
  setLineWidthCaption();
  editor_.PaintOnlyMode = 0;
  // The slides follow one another once the first has loaded.
  if (slideShown) ArtShowT->start();
  StartDone = true;
}

void PicEdit::LoadTimer_Timer() {
  StartLoading = false;
  LoadTimer->stop();
}

// ---- the exit --------------------------------------------------------------------

bool PicEdit::ExitC() {
  // A second request while the first one returns to the menu is ignored.
  if (exiting_) return false;
  if (RedrawRunning(editor_) || loading_) {
    // Never torn down under a running redraw or load: it is asked to stop
    // and the exit is tried again once it has.
    editor_.StopFlag = kStopRequested;
    ReturnToMain->start();
    return false;
  }
  if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != this) {
    // Nor under a box or dialog that waits for its answer (a retry's timer
    // runs while one is up): the exit is tried again once it has gone.
    ReturnToMain->start();
    return false;
  }
  CopyToBmap();
  // A save that was cancelled or failed keeps the editor and its picture.
  if (!offerSave()) return false;
  exiting_ = true;
  // An editor left before its picture loaded never ends the start's busy
  // pointer itself.
  if (StartTimer->isActive()) host_.setHourglass(false);
  StartTimer->stop();
  LoadTimer->stop();
  ReturnToMain->stop();
  ArtShowT->stop();
  app_.StartMode = app_.SavedStartMode;
  app_.AllowSplines = tools_->engine().ms.AllowSplines;
  errors_.Trap("ExitC", [this] { SaveSettings(); });
  // On its way out the editor takes no more clicks or keys: nothing may open
  // a box of its own that the editor's end would take away.
  setEnabled(false);
  return true;
}

void PicEdit::SaveSettings() {
  EditorSettings s = settings_;
  s.PrintOrientation = app_.Print.PrintOrientation;
  s.LineWidth = draw_.LineWidth;
  s.SnapSize = tools_->engine().ms.SnapSize;
  s.PrintQuality = app_.Print.PrintQuality;
  s.DrawCursor = tools_->engine().ms.DrawCursor;
  s.RecentFiles = file_.RecentFiles;
  s.CustomPalette = colour_.CustomPalette;
  const std::filesystem::path folder = dataFolder();
  if (auto error = WritePaintDat(folder / kPaintDatName, s)) throw CommandError(*error);
}

void PicEdit::finishExit() {
  exitDone_ = true;
  close();
}

void PicEdit::closeEvent(QCloseEvent* e) {
  if (exitDone_) {
    SymPLoad_->hide();
    e->accept();
    return;
  }
  if (!ExitC()) {
    e->ignore();
    return;
  }
  if (onExit) {
    // The main menu comes back first and then closes the editor, so that
    // there is always one window on the screen.
    e->ignore();
    onExit();
    return;
  }
  exitDone_ = true;
  SymPLoad_->hide();
  e->accept();
}

}  // namespace orn
