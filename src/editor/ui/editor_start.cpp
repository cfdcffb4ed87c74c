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
#include "canvas/ui/sym_p_load.h"
#include "colour/standard_colors.h"
#include "editor/ui/pic_edit.h"
#include "editor/ui/tool_buttons.h"
#include "platform/canvas_widget.h"
#include "platform/core/app_folder.h"
#include "platform/one_shot_timer.h"
#include "print/printer_setup.h"
#include "shell/help.h"
#include "shell/paint_dat.h"
#include "shell/ui/error_msg_box.h"

namespace orn {

namespace {

constexpr int kStartDelayMs = 300;
constexpr int kReturnRetryMs = 300;
constexpr int kStartLine = 1000;
constexpr int kStartLineAfterProbes = 1001;
constexpr int kLowColorBits = 16;

}  // namespace

void EditorStart::buildStartTimers() {
  StartTimer =
      OneShotTimer(&w_, kStartDelayMs, w_.trapped("StartTimer", kNoIndex, [this] { StartTimer_Timer(); }));
  LoadTimer =
      OneShotTimer(&w_, kStartDelayMs, w_.trapped("LoadTimer", kNoIndex, [this] { LoadTimer_Timer(); }));
  // Retried until a running redraw or load has ended.
  ReturnToMain = new QTimer(&w_);
  ReturnToMain->setInterval(kReturnRetryMs);
  QObject::connect(ReturnToMain, &QTimer::timeout, &w_, w_.trapped("ReturnToMain", kNoIndex, [this] {
    if (RedrawRunning(w_.editor()) || w_.files().loading_ ||
        QApplication::activeModalWidget() != nullptr)
      return;
    ReturnToMain->stop();
    w_.close();
  }));
}

// ---- Form_Load -----------------------------------------------------------------

void EditorStart::Form_Load() {
  if (StartDone) return;
  // Each step runs under the start's error box: Retry runs it again, Skip
  // goes on with the next, Cancel ends the start where it is (the picture is
  // still loaded by StartTimer).
  const auto step = [this](int line, const std::function<void()>& body) {
    w_.errors().state().LineMarker = line;
    for (;;) {
      try {
        body();
        return true;
      } catch (const std::exception& e) {
        if (!w_.errors().state().ErrorTrapOn) throw;
        int answer = w_.errors().ShowErrorBox("Form_Load", line, e.what());
        // Help asks again, with the editor's page shown once the box is up:
        // for the box, in front of it, to be read while the box waits.
        while (answer == kErrorHelp) {
          QTimer::singleShot(0, &w_, [this] {
            QWidget* box = w_.findChild<ErrorMsgBox*>();
            w_.showHelp(kHelpEditor, box ? *box : w_);
          });
          answer = w_.errors().ShowErrorBox("Form_Load", line, e.what());
        }
        if (answer == kErrorRetry) continue;
        return answer == kErrorIgnore;
      }
    }
  };

  const bool done = step(kStartLine, [this] {
    const QScreen* screen = QGuiApplication::primaryScreen();
    w_.LowColorDisplay = screen && screen->depth() < kLowColorBits;
  }) && step(kStartLineAfterProbes, [this] {
    // No default printer is no fault: the name stays empty.
    ReadDefaultPrinter(w_.app().Print, Profile(w_.profile()));
    w_.menus().setItemVisible("Th", false);
    w_.menus().setItemEnabled("Th", false);
    if (w_.app().DataFolder.empty()) w_.app().DataFolder = w_.app().AppFolder;
    w_.host().setHourglass(true);
    StartLoading = true;
    LoadTimer->start();
    // The working folder may have gone meanwhile: that is no fault.
    w_.files().EditStartDir = QDir::currentPath().toStdString();
  }) && step(kStartLineAfterProbes, [this] {
    w_.editor().PaintOnlyMode = 0;
    w_.menus().setItemVisible("DebugXX", false);
    w_.menus().setItemChecked("PaintOrder", false);
    w_.menus().MenusAllOptions(false);
    w_.file().StartPicture = w_.app().PicturePath;
    w_.file().StartGallery = !w_.app().OpenForEditing;
    w_.file().StartReCreate = w_.app().LoadOption;
    w_.file().OpenForEditing = w_.app().OpenForEditing;
    w_.file().ShowMode = w_.app().ShowMode;
    w_.file().DialogDir = w_.app().DialogDir;
    applySplineOption();
    w_.file().DocWord = "Picture";
    w_.menus().setItemVisible("MenFileLoad(1)", false);
    w_.menus().menuItem("OptionsCustGray(0)")->setText("&Set Custom to Base Colors");
    w_.editor().ShowGeoNumbers = false;
    if (ToolButton* geo = w_.tools().DrawType(kToolGeometric)) geo->hide();
    w_.Picture13->hide();
    // Out of paint-only mode: the symmetry controls shown, the caption "Ornivale".
    w_.editor().PaintOnlyMode = -1;
    w_.special().switchPaintOnly();
  }) && step(kStartLineAfterProbes, [this] {
    w_.list().reset();
    w_.draw().LineWidth = 1;
    w_.file().NewInLoad = true;
    FileContext ctx = w_.files().fileContext();
    w_.files().afterNew(orn::FileNew(ctx));
    w_.file().NewInLoad = false;
    w_.layout().FitOnResize = true;
    w_.layout().PageAspect = 0.8;
    w_.layout().FormRSZ();
  }) && step(kStartLineAfterProbes, [this] {
    w_.colour().DitheredDisplay = w_.app().DitheredDisplay;
    ReadStandardColors(w_.colour(), w_.dataFolder(), w_.host());
  });
  if (!done) {
    // Cancel: the editor stays as far as it got, and the picture still loads.
    StartTimer->start();
    return;
  }

  // The settings file has its own, silent fall-back to the defaults.
  readSettings();

  w_.views().ViewDepth = 0;
  w_.editor().ProjPages = 1;
  w_.sym().SymStart = w_.sym().SymEnd = 0;
  w_.editor().SplineSteps = 12;
  w_.tools().engine().DrawType(kToolPolyLine);
  if (!w_.app().OpenForEditing) {
    w_.shows().Gallery_Click();
    w_.setWindowTitle(QString());
  } else {
    w_.menus().MenusShowMode(true);
    w_.menus().setItemVisible("Gallery", true);
    w_.menus().setItemVisible("lingal", true);
  }
  if (w_.app().ShowMode != 0) {
    // A slide show: no file commands, no help, no way into editing.
    w_.menus().setItemVisible("MenGalEdit", false);
    w_.menus().setItemEnabled("MenGalEdit", false);
    w_.menus().setItemVisible("GalHelp", false);
    w_.menus().setItemEnabled("GalHelp", false);
    w_.menus().setItemEnabled("MenEditR(0)", false);
    w_.menus().setItemVisible("HelpP", false);
    w_.menus().setItemVisible("MenFile", false);
  }
  StartDone = false;
  StartTimer->start();
}

// Reads "Paint.Dat" into the editor's settings; a missing or damaged file
// gives the defaults without a word.
void EditorStart::readSettings() {
  const std::filesystem::path folder = w_.dataFolder();
  // Without a program folder there is no file: the defaults.
  const PaintDatRead r = ReadPaintDat(folder.empty() ? folder : folder / kPaintDatName,
                                      w_.app().Print.PrintOrientation, w_.colour().DitheredDisplay);
  const EditorSettings& s = r.settings;
  w_.app().Print.PrintOrientation = s.PrintOrientation;
  w_.app().Print.PrintQuality = s.PrintQuality;
  w_.draw().LineWidth = s.LineWidth;
  w_.canvasSurface().setPenWidth(s.LineWidth);
  MouseState& ms = w_.tools().engine().ms;
  ms.SnapSize = s.SnapSize;
  ms.DrawCursor = s.DrawCursor;
  w_.sym().WorkingSym = kAllReplicas;
  // The arrow until the start is done; the chosen cursor comes with the tools.
  w_.Picture1->setCanvasCursor(CanvasCursor::Arrow);
  w_.file().RecentFiles = s.RecentFiles;
  w_.colour().CustomPalette = s.CustomPalette;
  w_.colours().DispCustColors();
  w_.files().showRecentItems();
  settings_ = s;
}

// The spline tools are offered only while the option is on; the option
// lasts for the program's run.
void EditorStart::applySplineOption() {
  w_.tools().engine().ms.AllowSplines = w_.app().AllowSplines;
  w_.options().showSplineTools();
}

// ---- StartTimer and LoadTimer ----------------------------------------------

void EditorStart::StartTimer_Timer() {
  StartTimer->stop();
  bool slideShown = false;
  if (w_.app().ShowMode != 0 && !w_.app().ShowList.empty()) {
    // The first slide whose picture is there.
    w_.app().ShowIndex = 0;
    w_.file().StartMode = w_.app().StartMode;
    slideShown = w_.shows().loadSlide(0);
    if (!slideShown)
      w_.files().reportFailure("None of the pictures of this show can be found.", "Load Picture");
  } else if (!w_.app().PicturePath.empty() && w_.app().PicturePath != kUnNamed) {
    // The path as handed over may differ in case from the file on disk.
    const auto real = resolveNoCase(w_.app().PicturePath);
    w_.file().LoadOption = w_.app().LoadOption;
    w_.file().StartMode = w_.app().StartMode;
    if (real && std::filesystem::is_regular_file(*real)) {
      w_.files().openingLoad_ = true;
      w_.files().LoadPicture(real->string());
      w_.files().openingLoad_ = false;
    } else
      w_.files().reportFailure("The picture " + w_.app().PicturePath + " cannot be found.",
                                     "Load Picture");
  } else {
    w_.file().FileName = kUnNamed;
  }
  // The Geometric tool starts with a square.
  w_.polyShape() = PolyShape{};
  w_.symmetry().GeoSh();
  w_.host().setHourglass(false);
  w_.Picture1->setCanvasCursor(CursorOfPointer(w_.tools().engine().ms.DrawCursor));
  w_.options().setSnapCaption();
  w_.files().setLineWidthCaption();
  w_.editor().PaintOnlyMode = 0;
  // The slides follow one another once the first has loaded.
  if (slideShown) w_.shows().ArtShowT->start();
  StartDone = true;
}

void EditorStart::LoadTimer_Timer() {
  StartLoading = false;
  LoadTimer->stop();
}

// ---- the exit --------------------------------------------------------------------

bool EditorStart::ExitC() {
  // A second request while the first one returns to the menu is ignored.
  if (w_.start().exiting_) return false;
  if (RedrawRunning(w_.editor()) || w_.files().loading_) {
    // Never torn down under a running redraw or load: it is asked to stop
    // and the exit is tried again once it has.
    w_.editor().StopFlag = kStopRequested;
    ReturnToMain->start();
    return false;
  }
  if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != &w_) {
    // Nor under a box or dialog that waits for its answer (a retry's timer
    // runs while one is up): the exit is tried again once it has gone.
    ReturnToMain->start();
    return false;
  }
  w_.CopyToBmap();
  // A save that was cancelled or failed keeps the editor and its picture.
  if (!w_.files().offerSave()) return false;
  w_.start().exiting_ = true;
  // An editor left before its picture loaded never ends the start's busy
  // pointer itself.
  if (StartTimer->isActive()) w_.host().setHourglass(false);
  StartTimer->stop();
  LoadTimer->stop();
  ReturnToMain->stop();
  w_.shows().ArtShowT->stop();
  w_.app().StartMode = w_.app().SavedStartMode;
  w_.app().AllowSplines = w_.tools().engine().ms.AllowSplines;
  w_.errors().Trap("ExitC", [this] { SaveSettings(); });
  // On its way out the editor takes no more clicks or keys: nothing may open
  // a box of its own that the editor's end would take away.
  w_.setEnabled(false);
  return true;
}

void EditorStart::SaveSettings() {
  EditorSettings s = settings_;
  s.PrintOrientation = w_.app().Print.PrintOrientation;
  s.LineWidth = w_.draw().LineWidth;
  s.SnapSize = w_.tools().engine().ms.SnapSize;
  s.PrintQuality = w_.app().Print.PrintQuality;
  s.DrawCursor = w_.tools().engine().ms.DrawCursor;
  s.RecentFiles = w_.file().RecentFiles;
  s.CustomPalette = w_.colour().CustomPalette;
  const std::filesystem::path folder = w_.dataFolder();
  // Without a program folder the settings cannot be kept; the user was told at the start.
  if (folder.empty()) return;
  if (auto error = WritePaintDat(folder / kPaintDatName, s)) throw CommandError(*error);
}

void PicEdit::finishExit() {
  parts_->start.exitDone_ = true;
  close();
}

void PicEdit::closeEvent(QCloseEvent* e) {
  if (parts_->start.exitDone_) {
    SymPLoad_->hide();
    e->accept();
    return;
  }
  if (!parts_->start.ExitC()) {
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
  parts_->start.exitDone_ = true;
  SymPLoad_->hide();
  e->accept();
}

}  // namespace orn
