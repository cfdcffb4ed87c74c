// The five-button error window: the report's text, the answer of each button, and
// the arrow pointer it shows over the hourglass of a load.
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

#include "shell/error_report.h"
#include "shell/ui/error_msg_box.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

TEST(ErrorMsgBox, ShowsTheReportAndAnswersWithTheButtonPressedUnderTheArrowPointer) {
  app();
  {
    ErrorMsgBox box("Bad file at Line 1000\r\nin Form_Load");
    EXPECT_EQ(box.Label1->text().toStdString(), "Bad file at Line 1000\r\nin Form_Load");
    box.reject();  // closed without a button: Cancel
    EXPECT_EQ(box.ErrorChoice(), kErrorCancel);
  }
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  for (int button : {kErrorRetry, kErrorIgnore, kErrorAbort, kErrorHelp}) {
    Qt::CursorShape whileUp = Qt::WaitCursor;
    whenModal<ErrorMsgBox>([&whileUp, button](ErrorMsgBox& box) {
      if (const QCursor* c = QGuiApplication::overrideCursor()) whileUp = c->shape();
      box.Command1[button]->click();
    });
    EXPECT_EQ(ErrorMsgBox::ask(nullptr, "x at Line 1000\r\nin Form_Load"), button);
    EXPECT_EQ(whileUp, Qt::ArrowCursor) << button;
  }
  // The hourglass is back once the window is answered.
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  QGuiApplication::restoreOverrideCursor();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace orn::test
