#include "platform/qt_host.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>

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

std::vector<std::pair<QMessageBox::StandardButton, MsgResult>> buttonsOf(MsgButtons b) {
  using B = QMessageBox;
  switch (b) {
    case MsgButtons::OKCancel: return {{B::Ok, MsgResult::OK}, {B::Cancel, MsgResult::Cancel}};
    case MsgButtons::AbortRetryIgnore:
      return {{B::Abort, MsgResult::Abort}, {B::Retry, MsgResult::Retry}, {B::Ignore, MsgResult::Ignore}};
    case MsgButtons::YesNoCancel:
      return {{B::Yes, MsgResult::Yes}, {B::No, MsgResult::No}, {B::Cancel, MsgResult::Cancel}};
    case MsgButtons::YesNo: return {{B::Yes, MsgResult::Yes}, {B::No, MsgResult::No}};
    case MsgButtons::RetryCancel: return {{B::Retry, MsgResult::Retry}, {B::Cancel, MsgResult::Cancel}};
    case MsgButtons::OK: break;
  }
  return {{B::Ok, MsgResult::OK}};
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
  const auto set = buttonsOf(buttons);
  std::vector<std::pair<QAbstractButton*, MsgResult>> made;
  QAbstractButton* cancel = nullptr;
  for (const auto& [sb, result] : set) {
    QAbstractButton* b = box.addButton(sb);
    made.emplace_back(b, result);
    if (result == MsgResult::Cancel) cancel = b;
  }
  box.setDefaultButton(static_cast<QPushButton*>(made.front().first));
  NoEscape noEscape;
  if (cancel) {
    box.setEscapeButton(cancel);
  } else if (set.size() == 1) {
    box.setEscapeButton(made.front().first);
  } else {
    box.installEventFilter(&noEscape);
  }
  box.exec();
  for (const auto& [b, result] : made)
    if (box.clickedButton() == b) return result;
  return cancel ? MsgResult::Cancel : made.front().second;
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
