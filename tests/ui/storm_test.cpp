// A storm of random input on the real editor window with a sample picture
// loaded: presses, moves, releases and double clicks on the canvas, clicks
// on the tools and the other controls, menu commands and keys, with every
// message box, input box, file dialog and modal window answered at random.
// Afterwards the window still runs, the drawing list is well formed, and
// saving and loading the picture gives the same list back.
//
// The seed is fixed; ORNIVALE_STORM_SEED sets another (scripts/fuzz picks
// one at random), ORNIVALE_STORM_EVENTS the number of events.
#include <QScrollBar>

#include "canvas/canvas_fixture.h"
#include "ui/pic_edit_fixture.h"
#include "support/home_folder.h"
#include "ui/storm_support.h"

namespace orn::test {
namespace {

class Storm : public PicEditTest {
 protected:
  StormDice dice;
  int pick(int n) { return dice.pick(n); }
  bool chance(int percent) { return dice.chance(percent); }

  // Every menu command except those that leave the editor: the two exits,
  // and the gallery, where a click on the picture leaves it.
  std::vector<MenuCommand> commands() const { return MenuCommandsOf(*w, {"MenFileExit", "MenQuit", "Gallery"}); }

  // Answers whatever modal window or pop-up is up.
  void answerModals() {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != w.get()) AnswerModal(dice, modal);
  }

  // The file dialogs answer with a picture of the folder, a new name or Cancel.
  void scriptDialogs() {
    const std::string names[] = {"STORM1.PNT", "STORM2.PNT", "SAMPLE.PNT", "STORM.COL", ""};
    const std::string a = names[pick(5)], b = names[pick(5)];
    dialogs.opens = {a.empty() ? a : path(a)};
    dialogs.saves = {b.empty() ? b : path(b)};
  }

  QPoint canvasPoint() {
    // Often near the last point, so that shapes close and points are hit.
    if (chance(40)) return last_ + QPoint(pick(21) - 10, pick(21) - 10);
    last_ = QPoint(pick(std::max(1, w->Picture1->width())), pick(std::max(1, w->Picture1->height())));
    return last_;
  }

  void canvasEvent() {
    const QPoint p = canvasPoint();
    const Qt::MouseButton b = chance(80) ? Qt::LeftButton : Qt::RightButton;
    switch (pick(5)) {
      case 0: move(p, chance(20) ? Qt::MouseButtons(b) : Qt::NoButton); break;
      case 1: send(w->Picture1, QEvent::MouseButtonPress, p, b, b); break;
      case 2: send(w->Picture1, QEvent::MouseButtonRelease, p, b, Qt::NoButton); break;
      case 3: click(p, b); break;
      default: dbl(p); break;
    }
  }

  // A click on any visible control of the window: tool buttons, the colour
  // panel, the part labels, scroll bars and the like.
  void controlEvent() {
    std::vector<QWidget*> controls = ClickableControls(w.get(), w->Picture1);
    if (!controls.empty()) ClickSomewhere(dice, dice.any(controls));
  }

  void keyEvent() {
    const Qt::KeyboardModifiers mods = chance(15) ? Qt::ControlModifier : chance(10) ? Qt::ShiftModifier : Qt::NoModifier;
    host.ctrl = mods == Qt::ControlModifier;
    QWidget* to = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : w.get();
    QTest::keyClick(to, RandomKey(dice), mods);
    host.ctrl = false;
  }

  QPoint last_{100, 100};
};

TEST_F(Storm, TenThousandRandomEventsLeaveARunningEditorAndAListThatSavesAndLoadsBack) {
  const unsigned long seed = EnvNumber("ORNIVALE_STORM_SEED", 19);
  const unsigned long events = EnvNumber("ORNIVALE_STORM_EVENTS", 10000);
  dice.seed(seed);
  SCOPED_TRACE("storm seed " + std::to_string(seed));
  // Files the program writes outside its folder (wallpaper tiles) land here too.
  const HomeFolder home(dir);

  std::filesystem::copy_file(std::filesystem::path(ORNIVALE_SOURCE_DIR) / "tests" / "fuzz" / "bases" / "OVTE3A.PNT",
                             dir / "SAMPLE.PNT");
  setInnerSize(900, 640);
  load(path("SAMPLE.PNT"));
  ASSERT_GT(w->list().NumPoints, 100);

  host.answerWith = [this](MsgButtons b) {
    switch (b) {
      case MsgButtons::AbortRetryIgnore: return chance(50) ? MsgResult::Retry : MsgResult::Ignore;
      case MsgButtons::YesNoCancel: return std::array{MsgResult::Yes, MsgResult::No, MsgResult::Cancel}[pick(3)];
      case MsgButtons::YesNo: return chance(50) ? MsgResult::Yes : MsgResult::No;
      case MsgButtons::OKCancel: return chance(50) ? MsgResult::OK : MsgResult::Cancel;
      case MsgButtons::RetryCancel: return chance(30) ? MsgResult::Retry : MsgResult::Cancel;
      case MsgButtons::OK: break;
    }
    return MsgResult::OK;
  };
  host.replyWith = [this](const std::string& offered) -> std::optional<std::string> {
    switch (pick(4)) {
      case 0: return std::nullopt;
      case 1: return offered;
      case 2: return std::to_string(pick(2000) - 500);
      default: return std::string("Storm ") + char('A' + pick(26));
    }
  };
  QTimer modals;
  QObject::connect(&modals, &QTimer::timeout, [this] { answerModals(); });
  modals.start(2);

  const std::vector<MenuCommand> menu = commands();
  ASSERT_GT(menu.size(), 20u);
  for (unsigned long n = 0; n < events; ++n) {
    const int kind = pick(100);
    if (kind < 55) {
      canvasEvent();
    } else if (kind < 72) {
      controlEvent();
    } else if (kind < 82) {
      const MenuCommand& c = menu[std::size_t(pick(int(menu.size())))];
      if (Reachable(c)) {
        scriptDialogs();
        c.action->trigger();
      }
    } else if (kind < 95) {
      keyEvent();
    } else {
      QApplication::processEvents();
    }
    answerModals();
    if (n % 16 == 0) QApplication::processEvents();
    ASSERT_TRUE(w->isVisible()) << "the editor closed at event " << n;
  }
  modals.stop();
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top != w.get() && top->isVisible()) top->close();
  QApplication::processEvents();

  std::printf("storm: seed %lu, %lu events, %zu boxes, %zu input boxes, list end at %d\n", seed, events,
              host.boxes.size(), host.inputs.size(), int(w->list().NumPoints));
  for (const ShownBox& b : host.boxes)
    if (b.title == "Error Message") std::printf("storm: error report: %s\n", b.text.c_str());
  EXPECT_EQ(programEnds, 0);
  ASSERT_TRUE(w->isVisible());
  EXPECT_TRUE(ListIsSound(w->list()));

  // Save, then load what was saved: the same list.
  host.answerWith = nullptr;
  saveAs(path("AFTER.PNT"));
  ASSERT_TRUE(std::filesystem::exists(path("AFTER.PNT")));
  ASSERT_TRUE(ListIsSound(w->list()));
  ASSERT_FALSE(w->list().recordOpen());
  const int n = w->list().NumPoints;
  const Entries saved = EntriesOf(w->list(), 0, n);
  load(path("AFTER.PNT"));
  ASSERT_EQ(w->list().NumPoints, n);
  EXPECT_EQ(EntriesOf(w->list(), 0, n), saved);
}

}  // namespace
}  // namespace orn::test
