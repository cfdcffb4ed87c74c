#include "platform/qt_host.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>

#include <optional>
#include <utility>
#include <vector>

namespace orn {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// Keeps Escape and the window's close button from answering a box whose
// buttons have no Cancel.
class NoEscape : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape)
      return true;
    if (e->type() == QEvent::Close) {
      e->ignore();
      return true;
    }
    return false;
  }
};

// The buttons of a set, the answer Enter gives and the answer Escape and the
// window's close button give (none: they are ignored). A box that can end
// the program or throw work away defaults to an answer that keeps the work,
// and Escape gives the most harmless one: on the error report Enter retries
// and Escape ignores, so no key alone ever picks Abort.
struct ButtonSet {
  std::vector<std::pair<QMessageBox::StandardButton, MsgResult>> buttons;
  MsgResult enter;
  std::optional<MsgResult> escape;
};

ButtonSet buttonsOf(MsgButtons b) {
  using B = QMessageBox;
  using R = MsgResult;
  switch (b) {
    case MsgButtons::OKCancel: return {{{B::Ok, R::OK}, {B::Cancel, R::Cancel}}, R::OK, R::Cancel};
    case MsgButtons::AbortRetryIgnore:
      return {{{B::Abort, R::Abort}, {B::Retry, R::Retry}, {B::Ignore, R::Ignore}}, R::Retry, R::Ignore};
    case MsgButtons::YesNoCancel:
      return {{{B::Yes, R::Yes}, {B::No, R::No}, {B::Cancel, R::Cancel}}, R::Yes, R::Cancel};
    case MsgButtons::YesNo: return {{{B::Yes, R::Yes}, {B::No, R::No}}, R::Yes, std::nullopt};
    case MsgButtons::RetryCancel:
      return {{{B::Retry, R::Retry}, {B::Cancel, R::Cancel}}, R::Retry, R::Cancel};
    case MsgButtons::OK: break;
  }
  return {{{B::Ok, R::OK}}, R::OK, R::OK};
}

QMessageBox::Icon iconOf(MsgIcon i) {
  switch (i) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QtHost::QtHost(QWidget* parent) : parent_(parent) { clock_.start(); }

void QtHost::pumpEvents() { QCoreApplication::processEvents(); }

bool QtHost::ctrlKeyDown() const {
  return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

void QtHost::beep() { QApplication::beep(); }

void QtHost::setHourglass(bool on) {
  // Calls nest: the pointer comes back when the outermost operation ends.
  if (on) {
    if (hourglassDepth_++ == 0) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (hourglassDepth_ > 0) {
    if (--hourglassDepth_ == 0) QGuiApplication::restoreOverrideCursor();
  }
}

double QtHost::secondsSinceMidnight() const {
  return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

std::int64_t QtHost::milliseconds() const { return clock_.elapsed(); }

MsgResult QtHost::messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                             const std::string& title) {
  QMessageBox box(parent_);
  box.setWindowTitle(title.empty() ? QGuiApplication::applicationDisplayName() : q(title));
  box.setText(q(text));
  box.setIcon(iconOf(icon));
  const ButtonSet set = buttonsOf(buttons);
  std::vector<std::pair<QAbstractButton*, MsgResult>> made;
  QAbstractButton* escape = nullptr;
  for (const auto& [sb, result] : set.buttons) {
    QAbstractButton* b = box.addButton(sb);
    made.emplace_back(b, result);
    if (result == set.enter) box.setDefaultButton(static_cast<QPushButton*>(b));
    if (set.escape && result == *set.escape) escape = b;
  }
  NoEscape noEscape;
  if (escape) {
    box.setEscapeButton(escape);
  } else {
    box.installEventFilter(&noEscape);
  }
  box.exec();
  for (const auto& [b, result] : made)
    if (box.clickedButton() == b) return result;
  return set.escape.value_or(set.enter);
}

std::optional<std::string> QtHost::inputBox(const std::string& prompt, const std::string& title,
                                            const std::string& initial) {
  QInputDialog dlg(parent_);
  dlg.setWindowTitle(title.empty() ? QGuiApplication::applicationDisplayName() : q(title));
  dlg.setLabelText(q(prompt));
  dlg.setTextValue(q(initial));
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return dlg.textValue().toStdString();
}

}  // namespace orn
