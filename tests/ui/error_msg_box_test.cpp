// The five-button error window answers with the button pressed, through the
// report that shows it.
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

#include "shell/error_report.h"
#include "shell/ui/error_msg_box.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

// Presses a button of the error window as soon as it is up.
void pressWhenShown(int button, std::string* textSeen = nullptr) {
  whenModal<ErrorMsgBox>([=](ErrorMsgBox& box) {
    if (textSeen) *textSeen = box.Label1->text().toStdString();
    box.Command1[button]->click();
  });
}

TEST(ErrorMsgBox, ReportAnswersWithTheButtonPressedAndAbortEndsTheProgram) {
  app();
  {
    ErrorMsgBox box("Bad file at Line 1000\r\nin Form_Load");
    EXPECT_EQ(box.Label3->text().toStdString(), "An Error has Occurred");
    EXPECT_EQ(box.Label2[2]->text().toStdString(), "Skip -Skips the failed operation");
    EXPECT_EQ(box.Label2[0]->text().toStdString(), "Abort - Stops the Program");
    const char* const captions[] = {"Retry", "Skip", "Cancel", "Abort", "Help"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(box.Command1[i]->text().toStdString(), captions[i]);
    box.reject();  // closed without a button: Cancel
    EXPECT_EQ(box.ErrorChoice(), kErrorCancel);
  }
  NullHost host;
  int ends = 0;
  ErrorReport report(host, [&] { ++ends; });
  report.setErrorBoxWindow([](const std::string& t) { return ErrorMsgBox::ask(nullptr, t); });
  std::string seen;
  pressWhenShown(1, &seen);
  EXPECT_EQ(report.ShowErrorBox("Form_Load", 1001, "File not found"), kErrorIgnore);
  EXPECT_EQ(seen, "File not found at Line 1001\r\nin Form_Load");
  EXPECT_FALSE(report.state().ErrorBoxOpen);
  pressWhenShown(4);
  EXPECT_EQ(report.ShowErrorBox("Form_Load", 1001, "x"), kErrorHelp);
  EXPECT_EQ(ends, 0);
  pressWhenShown(3);
  report.ShowErrorBox("Form_Load", 1001, "x");
  EXPECT_EQ(ends, 1);
}

// Over the hourglass of a load the window shows the arrow pointer, and the
// hourglass is back once it is answered.
TEST(ErrorMsgBox, ShowsTheArrowPointerOverAnHourglass) {
  app();
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  Qt::CursorShape whileUp = Qt::WaitCursor;
  whenModal<ErrorMsgBox>([&](ErrorMsgBox& box) {
    if (const QCursor* c = QGuiApplication::overrideCursor()) whileUp = c->shape();
    box.Command1[kErrorRetry]->click();
  });
  EXPECT_EQ(ErrorMsgBox::ask(nullptr, "x at Line 1000\r\nin Form_Load"), kErrorRetry);
  EXPECT_EQ(whileUp, Qt::ArrowCursor);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  QGuiApplication::restoreOverrideCursor();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace orn::test
