// A storm of random input on the whole program, from its main menu, on the
// program's real message and input boxes: the main menu's buttons, samples
// and commands lead into the editor in each mode and into the slide shows;
// there the canvas, the controls, the menus and the keys lead on into show
// mode, the zoom box and its panel, the colour wheel, the print layout, the
// help window and the dialogs of the Special menu, and back to the menu.
// Every modal window that comes up gets random clicks and keys of its own
// before it is answered (never with Abort). The events each window received
// are counted: every one of them must have been reached. Afterwards the
// program still runs, the editor's drawing list is well formed, and saving
// and loading the picture gives the same list back.
//
// The seed is fixed; ORNIVALE_STORM_SEED sets another (scripts/fuzz picks
// one at random), ORNIVALE_STORM_EVENTS the number of events.
#include <QLineEdit>
#include <QTimer>

#include <map>

#include "canvas/redraw.h"
#include "canvas/ui/zoom_panel.h"
#include "colour/ui/wheel_panel.h"
#include "editor/ui/zoom_control.h"
#include "platform/canvas_widget.h"
#include "platform/core/app_folder.h"
#include "platform/core/profile.h"
#include "platform/qt_host.h"
#include "print/ui/print_frm.h"
#include "shell/ui/help_window.h"
#include "shell/ui/main_menu.h"
#include "ui/main_menu_support.h"
#include "ui/pic_edit_fixture.h"
#include "support/home_folder.h"
#include "ui/storm_support.h"

namespace orn::test {
namespace {

namespace fs = std::filesystem;

// The windows the storm must reach, by the names it counts them under.
const char* const kWindows[] = {"main menu", "editor",      "show mode",    "slide show", "zoom box",
                                "zoom panel", "colour wheel", "print layout", "help",       "Special menu's dialogs"};

// The editor's commands that lead into its other windows: the zoom box,
// the colour wheel, the print layout, help, show mode and the Special
// menu's listings and question.
const QStringList kDoors = {"ZoomSS(2)", "MenRotateColors", "MenFilePrint", "HelpP", "GalHelp",
                            "Gallery",   "DebugX(3)",       "DebugX(4)"};

// The program's own boxes, with the Ctrl key as the storm holds it.
class StormHost : public QtHost {
 public:
  bool ctrl = false;
  bool ctrlKeyDown() const override { return ctrl; }
};

bool Inside(const QWidget* w, const QWidget* in) {
  for (; w != nullptr; w = w->parentWidget())
    if (w == in) return true;
  return false;
}

class MenuStorm : public ::testing::Test {
 protected:
  void SetUp() override {
    app();
    // A program folder as a first run makes it from the build's data: the
    // samples, their previews and the help pages.
    ASSERT_EQ(prepareAppFolder(folder.path("program"), fs::path(ORNIVALE_DATA_DIR)).state, FolderState::Created);
    state.AppFolder = withTrailingSeparator(folder.path("program"));
    // The user's own pictures, where the Your Art shows and the file
    // dialogs find them: two sound ones, an empty one and a damaged one.
    fs::create_directories(mine());
    fs::copy_file(fs::path(ORNIVALE_DATA_DIR) / "OVRO4A.PNT", mine() / "ROSE.PNT");
    fs::copy_file(fs::path(ORNIVALE_DATA_DIR) / "OVTE3A.PNT", mine() / "TILES.PNT");
    WriteBytes(mine() / "EMPTY.PNT", {});
    WriteBytes(mine() / "BROKEN.PNT", {0, 0, 0x80, 0x3f, 1, 2, 3});
    fs::current_path(mine());
  }
  void TearDown() override {
    modals.stop();
    if (menu && test::EditorOf(*menu)) test::EditorOf(*menu)->editor().PicChanged = false;
    menu.reset();
  }

  fs::path mine() const { return folder.path("mine"); }
  PicEdit* editor() const { return menu ? test::EditorOf(*menu) : nullptr; }

  // The window an event to `w` reaches, as the storm counts it.
  std::string windowOf(QWidget* w) const {
    if (special_) return "Special menu's dialogs";
    QWidget* top = w->window();
    if (qobject_cast<PrintFrm*>(top)) return "print layout";
    if (qobject_cast<HelpWindow*>(top)) return "help";
    if (qobject_cast<MainMenu*>(top)) return "main menu";
    if (auto* e = qobject_cast<PicEdit*>(top)) {
      if (Inside(w, e->zoom().Picture2)) return "zoom panel";
      if (Inside(w, e->colours().Picture12) || Inside(w, e->colours().Wheel)) return "colour wheel";
      if (e->zoom().zoomBoxMode()) return "zoom box";
      if (e->showMode()) return state.ShowMode != 0 ? "slide show" : "show mode";
      return "editor";
    }
    return top->metaObject()->className();
  }
  void count(QWidget* w) {
    ++received[windowOf(w)];
    ++total;
  }

  // ---- modal windows: a few random events of their own, then an answer ----
  void modalStep() {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || qobject_cast<QMainWindow*>(modal)) return;
    if (answering_ || dice.chance(30)) {
      AnswerModal(dice, modal);
      return;
    }
    count(modal);
    std::vector<QWidget*> controls = ClickableControls(modal);
    if (controls.empty() || dice.chance(25)) {
      QWidget* to = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : modal;
      if (auto* edit = qobject_cast<QLineEdit*>(to); edit != nullptr && dice.chance(50)) {
        QTest::keyClicks(edit, QString::number(dice.pick(3000) - 1000));
      } else {
        QTest::keyClick(to, RandomKey(dice));
      }
      return;
    }
    ClickSomewhere(dice, dice.any(controls));
  }

  // ---- the main menu ----
  void menuStep(MainMenu& m) {
    const int kind = dice.pick(100);
    if (kind < 75) {
      std::vector<QWidget*> controls = ClickableControls(&m);
      if (controls.empty()) return;
      QWidget* c = dice.any(controls);
      count(c);
      ClickSomewhere(dice, c);
    } else if (kind < 87) {
      std::vector<MenuCommand> commands = MenuCommandsOf(m, {"Quitter"});
      const MenuCommand& c = dice.any(commands);
      if (!Reachable(c)) return;
      count(&m);
      c.action->trigger();
    } else {
      count(&m);
      QTest::keyClick(&m, RandomKey(dice));
    }
  }

  // ---- the editor, in whichever of its modes ----
  void scriptDialogs() {
    const std::string names[] = {"ROSE.PNT", "TILES.PNT", "EMPTY.PNT", "STORM.PNT", "STORM.COL", ""};
    const std::string a = names[dice.pick(6)], b = names[dice.pick(6)];
    dialogs.opens = {a.empty() ? a : (mine() / a).string()};
    dialogs.saves = {b.empty() ? b : (mine() / b).string()};
  }
  void editorStep(PicEdit& e) {
    const int kind = dice.pick(1000);
    if (kind < 500) {
      canvasEvent(e);
    } else if (kind < 680) {
      std::vector<QWidget*> controls = ClickableControls(&e, e.Picture1);
      if (controls.empty()) return;
      QWidget* c = dice.any(controls);
      count(c);
      ClickSomewhere(dice, c);
    } else if (kind < 800) {
      std::vector<MenuCommand> commands = MenuCommandsOf(e, {});
      // A quarter of the commands are the doors into the editor's other
      // windows, so that every storm goes through each of them.
      if (dice.chance(25)) {
        std::erase_if(commands, [](const MenuCommand& c) { return !kDoors.contains(c.action->objectName()); });
        if (commands.empty()) return;
      }
      const MenuCommand& c = dice.any(commands);
      // Leaving the editor is rarer than the other commands.
      const bool exit = c.action->objectName() == "MenFileExit" || c.action->objectName() == "MenQuit";
      if (!Reachable(c) || (exit && dice.chance(70))) return;
      count(e.Picture1);
      scriptDialogs();
      special_ = c.action->objectName().startsWith("DebugX(");
      // Now and then with Ctrl held, as some commands read it (Set Zoom
      // then puts up the frame and its panel at once).
      host.ctrl = dice.chance(c.action->objectName() == "ZoomSS(2)" ? 50 : 15);
      c.action->trigger();
      special_ = false;
      host.ctrl = false;
    } else if (kind < 957) {
      const Qt::KeyboardModifiers mods =
          dice.chance(15) ? Qt::ControlModifier : dice.chance(10) ? Qt::ShiftModifier : Qt::NoModifier;
      host.ctrl = mods == Qt::ControlModifier;
      QWidget* to = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &e;
      count(to);
      QTest::keyClick(to, RandomKey(dice), mods);
      host.ctrl = false;
    } else if (kind < 975) {
      // The Special menu's hot spots answer a click with Ctrl held.
      QWidget* spot = dice.chance(70) ? static_cast<QWidget*>(e.special().Label6) : static_cast<QWidget*>(e.special().Label17);
      if (!spot->isVisible()) return;
      host.ctrl = true;
      special_ = spot == e.special().Label17;
      count(spot);
      ClickSomewhere(dice, spot, Qt::ControlModifier);
      special_ = false;
      host.ctrl = false;
    } else if (kind < 997) {
      QApplication::processEvents();
    } else {
      // The window's close button: back to the menu, unless a question
      // about the picture is answered with Cancel.
      count(&e);
      e.close();
    }
  }
  void canvasEvent(PicEdit& e) {
    QWidget* canvas = e.Picture1;
    // Often near the last point, so that shapes close, points are hit and
    // the zoom box is grabbed.
    if (!dice.chance(40))
      last_ = QPoint(dice.pick(std::max(1, canvas->width())), dice.pick(std::max(1, canvas->height())));
    const QPoint p = last_ + (dice.chance(40) ? QPoint(dice.pick(21) - 10, dice.pick(21) - 10) : QPoint());
    const Qt::MouseButton b = dice.chance(80) ? Qt::LeftButton : Qt::RightButton;
    count(canvas);
    switch (dice.pick(5)) {
      case 0: SendMouse(canvas, QEvent::MouseMove, p, Qt::NoButton, dice.chance(20) ? Qt::MouseButtons(b) : Qt::NoButton); break;
      case 1: SendMouse(canvas, QEvent::MouseButtonPress, p, b, b); break;
      case 2: SendMouse(canvas, QEvent::MouseButtonRelease, p, b, Qt::NoButton); break;
      case 3: ClickSomewhere(dice, canvas); break;
      default:
        SendMouse(canvas, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        SendMouse(canvas, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        SendMouse(canvas, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
        SendMouse(canvas, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        break;
    }
  }

  // ---- the help window ----
  void helpStep(QWidget& help) {
    count(&help);
    if (dice.chance(15)) {
      help.close();
      return;
    }
    std::vector<QWidget*> controls = ClickableControls(&help);
    if (!controls.empty() && dice.chance(70)) {
      ClickSomewhere(dice, dice.any(controls));
    } else {
      QTest::keyClick(&help, RandomKey(dice));
    }
  }

  // One event in one of the windows up: the editor or the menu mostly, the
  // help window at times. False when no window is up.
  bool step() {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    HelpWindow* help = menu->helpWindow();
    if (help != nullptr && help->isVisible() && dice.chance(10)) {
      helpStep(*help);
      return true;
    }
    if (PicEdit* e = editor(); e != nullptr && e->isVisible()) {
      // While it opens the editor lets the canvas wait, and on its way back
      // to the menu it takes no input at all: the storm waits too.
      if (!e->isEnabled() || !e->start().StartDone || e->start().StartLoading) return false;
      editorStep(*e);
      return true;
    }
    if (menu->isVisible()) {
      menuStep(*menu);
      return true;
    }
    return false;
  }

  // The editor's picture saved under a new name and loaded again.
  void expectSaveThenLoadGivesTheSameList(PicEdit& e) {
    e.shows().ArtShowT->stop();
    ASSERT_TRUE(ListIsSound(e.list()));
    const std::string saved = (mine() / "AFTER.PNT").string();
    dialogs.saves = {saved};
    e.files().MenFileSaveAs_Click();
    ASSERT_TRUE(fs::exists(saved));
    ASSERT_TRUE(ListIsSound(e.list()));
    ASSERT_FALSE(e.list().recordOpen());
    const int n = e.list().NumPoints;
    const Entries before = EntriesOf(e.list(), 0, n);
    // An editor opened to repaint loads pictures without their colours:
    // the picture comes back whole only as an editing load.
    e.file().StartMode = kStartEdit;
    e.file().LoadOption = kLoadNormal;
    ASSERT_EQ(e.files().LoadPicture(saved), CommandStatus::Done);
    ASSERT_EQ(e.list().NumPoints, n);
    EXPECT_EQ(EntriesOf(e.list(), 0, n), before);
  }

  ScratchFolder folder;
  // Files the program writes outside its folder (wallpaper tiles) land here too.
  HomeFolder home{folder.dir()};
  StormHost host;
  ScriptedDialogs dialogs;
  FixedProfileSource profile;
  AppState state;
  std::unique_ptr<MainMenu> menu;
  StormDice dice;
  QTimer modals;
  std::map<std::string, long> received;
  long total = 0;
  bool special_ = false;
  bool answering_ = false;
  QPoint last_{100, 100};
};

TEST_F(MenuStorm, TenThousandRandomEventsFromTheMainMenuReachEveryWindowAndLeaveARunningProgram) {
  const unsigned long seed = EnvNumber("ORNIVALE_STORM_SEED", 23);
  const long events = long(EnvNumber("ORNIVALE_STORM_EVENTS", 10000));
  dice.seed(seed);
  SCOPED_TRACE("storm seed " + std::to_string(seed));

  menu = test::MakeMainMenu(host, state, profile, &dialogs);
  menu->setStartDelays(0, 0);
  menu->MainMenu_Form_Load();
  ASSERT_TRUE(waitFor([this] { return menu->ready(); }));
  host.setParentWindow(menu.get());
  QObject::connect(&modals, &QTimer::timeout, [this] { modalStep(); });
  modals.start(2);

  int idle = 0;
  while (total < events) {
    const long before = total;
    if (!step()) QTest::qWait(5);  // between the editor and the menu
    idle = total == before ? idle + 1 : 0;
    ASSERT_LT(idle, 5000) << "no window took an event after event " << total;
    if (total % 16 == 0) QApplication::processEvents();
    if (PicEdit* e = editor(); e != nullptr && total % 256 == 0 && !RedrawRunning(e->editor())) {
      ASSERT_TRUE(ListIsSound(e->list())) << "after event " << total;
    }
  }

  // Whatever is still up is answered, and the program must still run.
  answering_ = true;
  for (int k = 0; k < 1000 && QApplication::activeModalWidget() != nullptr; ++k) QTest::qWait(5);
  ASSERT_EQ(QApplication::activeModalWidget(), nullptr);
  if (menu->helpWindow() != nullptr) menu->helpWindow()->close();
  // An editor on its way back to the menu (it takes no input then) is
  // waited out: the menu takes it down at its next turn.
  const auto settled = [this] {
    if (PicEdit* e = editor()) return e->isVisible() && e->isEnabled();
    return menu->isVisible();
  };
  for (int k = 0; k < 2000 && !settled(); ++k) QTest::qWait(5);
  ASSERT_TRUE(settled());

  std::printf("storm from the main menu: seed %lu, %ld events\n", seed, total);
  for (const auto& [window, n] : received) std::printf("storm:   %-24s %6ld\n", window.c_str(), n);
  for (const char* window : kWindows) EXPECT_GT(received[window], 0) << window << " was never reached";

  // The editor's picture, or one opened now when the storm ended in the menu.
  if (editor() == nullptr) {
    QTest::mouseClick(menu->MaMode[kStartEdit], Qt::LeftButton);
    QTest::mouseClick(menu->MaPat[kArtRose], Qt::LeftButton);
    QTest::mouseClick(menu->samples[kArtRose][0], Qt::LeftButton);
    for (int k = 0; k < 2000 && !(editor() != nullptr && editor()->start().StartDone); ++k) QTest::qWait(5);
    ASSERT_NE(editor(), nullptr);
  }
  PicEdit& e = *editor();
  for (int k = 0; k < 2000 && (RedrawRunning(e.editor()) || !e.start().StartDone); ++k) QTest::qWait(5);
  expectSaveThenLoadGivesTheSameList(e);
}

}  // namespace
}  // namespace orn::test
