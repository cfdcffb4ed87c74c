#include "platform/qt_host.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTime>

#include <optional>
#include <utility>
#include <vector>

namespace orn {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QMessageBox::StandardButton standardButtonOf(MsgResult r) {
  using B = QMessageBox;
  switch (r) {
    case MsgResult::OK: return B::Ok;
    case MsgResult::Cancel: return B::Cancel;
    case MsgResult::Abort: return B::Abort;
    case MsgResult::Retry: return B::Retry;
    case MsgResult::Ignore: return B::Ignore;
    case MsgResult::Yes: return B::Yes;
    case MsgResult::No: return B::No;
  }
  return B::Ok;
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
                             const std::string& title, std::optional<MsgResult> defaultAnswer) {
  QMessageBox box(parent_);
  box.setWindowTitle(title.empty() ? QGuiApplication::applicationDisplayName() : q(title));
  box.setText(q(text));
  box.setIcon(iconOf(icon));
  const MsgResult enter = ReturnAnswer(buttons, defaultAnswer);
  const MsgResult escape = EscapeAnswer(buttons);
  std::vector<std::pair<QAbstractButton*, MsgResult>> made;
  for (const MsgResult result : AnswersOf(buttons)) {
    QAbstractButton* b = box.addButton(standardButtonOf(result));
    made.emplace_back(b, result);
    if (result == enter) box.setDefaultButton(static_cast<QPushButton*>(b));
    if (result == escape) box.setEscapeButton(b);
  }
  box.exec();
  for (const auto& [b, result] : made)
    if (box.clickedButton() == b) return result;
  return escape;
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
