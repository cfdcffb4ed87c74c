// A storm of random input on the real editor window with a sample picture
// loaded: presses, moves, releases and double clicks on the canvas, clicks
// on the tools and the other controls, menu commands and keys, with every
// message box, input box, file dialog and modal window answered at random.
// Afterwards the window still runs, the drawing list is well formed, and
// saving and loading the picture gives the same list back.
//
// The seed is fixed; ORNIVALE_STORM_SEED sets another (scripts/fuzz picks
// one at random), ORNIVALE_STORM_EVENTS the number of events.
#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

#include <cstdlib>
#include <random>

#include "canvas/canvas_fixture.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

unsigned long EnvNumber(const char* name, unsigned long fallback) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0' ? std::strtoul(v, nullptr, 10) : fallback;
}

class Storm : public PicEditTest {
 protected:
  std::mt19937 rng;
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
  bool chance(int percent) { return pick(100) < percent; }

  // Every menu command, with the menus it sits in, except those that leave
  // the editor: the two exits, and the gallery, where a click on the
  // picture leaves it.
  struct Command {
    QAction* action;
    std::vector<QAction*> menus;  // the menus it sits in, outermost first
  };
  std::vector<Command> commands() const {
    const QStringList leaving = {"MenFileExit", "MenQuit", "Gallery"};
    std::vector<Command> out;
    std::vector<std::pair<QMenu*, std::vector<QAction*>>> menus;
    for (QAction* a : w->menuBar()->actions())
      if (a->menu()) menus.push_back({a->menu(), {a}});
    while (!menus.empty()) {
      auto [m, path] = menus.back();
      menus.pop_back();
      for (QAction* a : m->actions()) {
        if (a->menu()) {
          auto inner = path;
          inner.push_back(a);
          menus.push_back({a->menu(), inner});
        } else if (!a->isSeparator() && !leaving.contains(a->objectName())) {
          out.push_back({a, path});
        }
      }
    }
    return out;
  }

  // A command the user can reach now: it and every menu it sits in are
  // shown and enabled.
  static bool reachable(const Command& c) {
    if (!c.action->isVisible() || !c.action->isEnabled()) return false;
    for (QAction* m : c.menus)
      if (!m->isVisible() || !m->isEnabled()) return false;
    return true;
  }

  // Answers whatever modal window or pop-up is up, at random: Enter,
  // Escape or one of its buttons (never one that aborts the program), and
  // after a few tries it is closed outright.
  void answerModals() {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == w.get()) return;
    if (++modalTries_ > 6) {
      if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
      modal->close();
      modalTries_ = 0;
      return;
    }
    const int how = pick(3);
    if (how == 0) {
      QTest::keyClick(modal, Qt::Key_Return);
    } else if (how == 1) {
      QTest::keyClick(modal, Qt::Key_Escape);
    } else {
      std::vector<QAbstractButton*> buttons;
      for (QAbstractButton* b : modal->findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled() && !b->text().contains("Abort")) buttons.push_back(b);
      if (!buttons.empty()) buttons[std::size_t(pick(int(buttons.size())))]->click();
    }
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
    std::vector<QWidget*> controls;
    for (QWidget* c : w->findChildren<QWidget*>()) {
      if (!c->isVisible() || !c->isEnabled() || c == w->Picture1) continue;
      if (qobject_cast<QMenuBar*>(c) || qobject_cast<QMenu*>(c) || qobject_cast<QComboBox*>(c)) continue;
      if (c->width() < 1 || c->height() < 1) continue;
      controls.push_back(c);
    }
    if (controls.empty()) return;
    QWidget* c = controls[std::size_t(pick(int(controls.size())))];
    const QPoint p(pick(c->width()), pick(c->height()));
    const Qt::MouseButton b = chance(85) ? Qt::LeftButton : Qt::RightButton;
    send(c, QEvent::MouseButtonPress, p, b, b);
    send(c, QEvent::MouseButtonRelease, p, b, Qt::NoButton);
  }

  void keyEvent() {
    static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Delete, Qt::Key_Backspace,
                                   Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,
                                   Qt::Key_Space,  Qt::Key_Tab,    Qt::Key_A,      Qt::Key_Z,
                                   Qt::Key_1,      Qt::Key_F1,     Qt::Key_PageUp, Qt::Key_Home};
    const Qt::KeyboardModifiers mods = chance(15) ? Qt::ControlModifier : chance(10) ? Qt::ShiftModifier : Qt::NoModifier;
    host.ctrl = mods == Qt::ControlModifier;
    QWidget* to = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : w.get();
    QTest::keyClick(to, keys[pick(16)], mods);
    host.ctrl = false;
  }

  QPoint last_{100, 100};
  int modalTries_ = 0;
};

TEST_F(Storm, TenThousandRandomEventsLeaveARunningEditorAndAListThatSavesAndLoadsBack) {
  const unsigned long seed = EnvNumber("ORNIVALE_STORM_SEED", 19);
  const unsigned long events = EnvNumber("ORNIVALE_STORM_EVENTS", 10000);
  rng.seed(static_cast<std::mt19937::result_type>(seed));
  SCOPED_TRACE("storm seed " + std::to_string(seed));
  // Files the program writes outside its folder (wallpaper tiles) land here too.
  struct Home {
    QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    ~Home() {
      qputenv("HOME", home);
      qputenv("XDG_CONFIG_HOME", config);
    }
  } keepHome;
  qputenv("HOME", QByteArray::fromStdString(dir.string()));
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((dir / "config").string()));

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

  const std::vector<Command> menu = commands();
  ASSERT_GT(menu.size(), 20u);
  for (unsigned long n = 0; n < events; ++n) {
    const int kind = pick(100);
    if (kind < 55) {
      canvasEvent();
    } else if (kind < 72) {
      controlEvent();
    } else if (kind < 82) {
      const Command& c = menu[std::size_t(pick(int(menu.size())))];
      if (reachable(c)) {
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
