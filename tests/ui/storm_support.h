#pragma once
// What the storms of random input share: the dice, the menu commands a
// window offers, clicks on its controls, keys, and the answers to whatever
// modal window comes up (never one that ends the program).
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>

#include <cstdlib>
#include <random>
#include <vector>

namespace orn::test {

// A number from the environment (ORNIVALE_STORM_SEED, ORNIVALE_STORM_EVENTS),
// or `fallback` when it is not set.
inline unsigned long EnvNumber(const char* name, unsigned long fallback) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0' ? std::strtoul(v, nullptr, 10) : fallback;
}

class StormDice {
 public:
  void seed(unsigned long s) { rng_.seed(static_cast<std::mt19937::result_type>(s)); }
  // 0 .. n - 1.
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool chance(int percent) { return pick(100) < percent; }
  template <class T>
  T& any(std::vector<T>& from) { return from[std::size_t(pick(int(from.size())))]; }

 private:
  std::mt19937 rng_;
};

// A menu command with the menus it sits in, outermost first.
struct MenuCommand {
  QAction* action;
  std::vector<QAction*> menus;
};

// Every command of the window's menu bar except those named in `leaving`.
inline std::vector<MenuCommand> MenuCommandsOf(const QMainWindow& w, const QStringList& leaving) {
  std::vector<MenuCommand> out;
  std::vector<std::pair<QMenu*, std::vector<QAction*>>> menus;
  for (QAction* a : w.menuBar()->actions())
    if (a->menu()) {
      menus.push_back({a->menu(), {a}});
    } else if (!a->isSeparator() && !leaving.contains(a->objectName())) {
      out.push_back({a, {}});
    }
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

// A command the user can reach now: it and every menu it sits in are shown
// and enabled.
inline bool Reachable(const MenuCommand& c) {
  if (!c.action->isVisible() || !c.action->isEnabled()) return false;
  for (QAction* m : c.menus)
    if (!m->isVisible() || !m->isEnabled()) return false;
  return true;
}

// The shown, enabled controls of `top` a click may reach, `except` left out,
// and never a button that aborts the program.
inline std::vector<QWidget*> ClickableControls(QWidget* top, const QWidget* except = nullptr) {
  std::vector<QWidget*> out;
  for (QWidget* c : top->findChildren<QWidget*>()) {
    if (c == except || !c->isVisible() || !c->isEnabled() || c->width() < 1 || c->height() < 1) continue;
    if (qobject_cast<QMenuBar*>(c) || qobject_cast<QMenu*>(c) || qobject_cast<QComboBox*>(c)) continue;
    if (auto* b = qobject_cast<QAbstractButton*>(c); b != nullptr && b->text().contains("Abort")) continue;
    out.push_back(c);
  }
  return out;
}

inline void SendMouse(QWidget* to, QEvent::Type type, QPoint p, Qt::MouseButton b, Qt::MouseButtons held,
                      Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QMouseEvent e(type, QPointF(p), to->mapToGlobal(QPointF(p)), b, held, mods);
  QApplication::sendEvent(to, &e);
}

// A press and a release at a random point of the control.
inline void ClickSomewhere(StormDice& dice, QWidget* c, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  const QPoint p(dice.pick(c->width()), dice.pick(c->height()));
  const Qt::MouseButton b = dice.chance(85) ? Qt::LeftButton : Qt::RightButton;
  SendMouse(c, QEvent::MouseButtonPress, p, b, b, mods);
  SendMouse(c, QEvent::MouseButtonRelease, p, b, Qt::NoButton, mods);
}

// One of the keys a user hits most, now and then with Shift.
inline Qt::Key RandomKey(StormDice& dice) {
  static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Delete, Qt::Key_Backspace,
                                 Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,
                                 Qt::Key_Space,  Qt::Key_Tab,    Qt::Key_A,      Qt::Key_Z,
                                 Qt::Key_1,      Qt::Key_F1,     Qt::Key_PageUp, Qt::Key_Home};
  return keys[dice.pick(16)];
}

// Answers a modal window at random: Enter, Escape or one of its buttons
// (never Abort); after `tries` answers it has not gone from, it is closed.
inline void AnswerModal(StormDice& dice, QWidget* modal) {
  const int tries = modal->property("stormAnswers").toInt() + 1;
  modal->setProperty("stormAnswers", tries);
  if (tries > 6) {
    if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
    modal->close();
    return;
  }
  const int how = dice.pick(3);
  if (how == 0) {
    QTest::keyClick(modal, Qt::Key_Return);
  } else if (how == 1) {
    QTest::keyClick(modal, Qt::Key_Escape);
  } else {
    std::vector<QAbstractButton*> buttons;
    for (QAbstractButton* b : modal->findChildren<QAbstractButton*>())
      if (b->isVisible() && b->isEnabled() && !b->text().contains("Abort")) buttons.push_back(b);
    if (!buttons.empty()) dice.any(buttons)->click();
  }
}

}  // namespace orn::test
