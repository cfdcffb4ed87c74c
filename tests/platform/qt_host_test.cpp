#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "platform/qt_host.h"
#include "support/qt_app.h"

namespace orn {
namespace {

// Runs `answer` on the modal box as soon as it is up. The polling timer owns
// nothing that owns it, and goes away once it has answered.
void whenModal(std::function<void(QWidget*)> answer) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, answer] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) return;
    poll->stop();
    poll->deleteLater();
    answer(w);
  });
  poll->start();
}

TEST(QtHostBoxes, EachButtonSetShowsTextTitleAndIconAndAnswersWithItsCode) {
  test::app();
  QtHost host;
  using B = QMessageBox;
  struct Case {
    MsgButtons set;
    B::StandardButtons buttons;
    B::StandardButton click;
    MsgResult want;
  } cases[] = {
      {MsgButtons::OK, B::Ok, B::Ok, MsgResult::OK},
      {MsgButtons::OKCancel, B::Ok | B::Cancel, B::Cancel, MsgResult::Cancel},
      {MsgButtons::YesNo, B::Yes | B::No, B::No, MsgResult::No},
      {MsgButtons::YesNoCancel, B::Yes | B::No | B::Cancel, B::Yes, MsgResult::Yes},
      {MsgButtons::AbortRetryIgnore, B::Abort | B::Retry | B::Ignore, B::Ignore, MsgResult::Ignore},
      {MsgButtons::AbortRetryIgnore, B::Abort | B::Retry | B::Ignore, B::Retry, MsgResult::Retry},
      {MsgButtons::RetryCancel, B::Retry | B::Cancel, B::Retry, MsgResult::Retry},
  };
  for (const auto& c : cases) {
    QMessageBox::StandardButtons offered;
    QString text, title;
    QMessageBox::Icon icon{};
    whenModal([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      ASSERT_NE(box, nullptr);
      offered = box->standardButtons();
      text = box->text();
      title = box->windowTitle();
      icon = box->icon();
      box->button(c.click)->click();
    });
    EXPECT_EQ(host.messageBox("Something failed", c.set, MsgIcon::Exclamation, "Error Message"), c.want) << int(c.set);
    EXPECT_EQ(offered, c.buttons) << int(c.set);
    EXPECT_EQ(text, "Something failed");
    EXPECT_EQ(title, "Error Message");
    EXPECT_EQ(icon, QMessageBox::Warning);
  }
}

// Enter and Escape alone never end the program or throw work away.
TEST(QtHostBoxes, EnterKeepsTheWorkAndEscapeGivesTheMostHarmlessAnswer) {
  test::app();
  QtHost host;
  struct Case {
    MsgButtons set;
    Qt::Key key;
    MsgResult want;
  } cases[] = {
      {MsgButtons::AbortRetryIgnore, Qt::Key_Return, MsgResult::Retry},
      {MsgButtons::AbortRetryIgnore, Qt::Key_Escape, MsgResult::Ignore},
      {MsgButtons::YesNoCancel, Qt::Key_Return, MsgResult::Yes},
      {MsgButtons::YesNoCancel, Qt::Key_Escape, MsgResult::Cancel},
      {MsgButtons::OKCancel, Qt::Key_Escape, MsgResult::Cancel},
      {MsgButtons::RetryCancel, Qt::Key_Return, MsgResult::Retry},
      {MsgButtons::OK, Qt::Key_Escape, MsgResult::OK},
  };
  for (const auto& c : cases) {
    whenModal([&c](QWidget* w) { QTest::keyClick(w, c.key); });
    EXPECT_EQ(host.messageBox("Text", c.set, MsgIcon::Exclamation, "Title"), c.want)
        << int(c.set) << " key " << c.key;
  }

  // Closing the error box answers Ignore too.
  whenModal([](QWidget* w) { w->close(); });
  EXPECT_EQ(host.messageBox("Failed", MsgButtons::AbortRetryIgnore, MsgIcon::Exclamation, "Error Message"),
            MsgResult::Ignore);

  // A box whose first answer throws work away names the one that keeps it:
  // Return gives that, Escape and closing the box the harmless one.
  struct Safe {
    MsgButtons set;
    MsgResult keep;
  } safe[] = {{MsgButtons::YesNo, MsgResult::No}, {MsgButtons::OKCancel, MsgResult::Cancel}};
  for (const Safe& c : safe) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
      whenModal([key](QWidget* w) { QTest::keyClick(w, key); });
      EXPECT_EQ(host.messageBox("Sure?", c.set, MsgIcon::Question, "", c.keep), c.keep) << int(c.set);
    }
    whenModal([](QWidget* w) { w->close(); });
    EXPECT_EQ(host.messageBox("Sure?", c.set, MsgIcon::Question, "", c.keep), c.keep) << int(c.set);
  }
  // Without a named default a Yes/No box defaults to Yes; Escape still says No.
  whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
  EXPECT_EQ(host.messageBox("Sure?", MsgButtons::YesNo, MsgIcon::Question, ""), MsgResult::No);
  whenModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
  EXPECT_EQ(host.messageBox("Sure?", MsgButtons::YesNo, MsgIcon::Question, ""), MsgResult::Yes);
}

TEST(QtHostInput, ReturnsTheTextOrNothingWhenCancelled) {
  test::app();
  QtHost host;
  QString shownInitial, shownPrompt;
  whenModal([&](QWidget* w) {
    auto* dlg = qobject_cast<QInputDialog*>(w);
    ASSERT_NE(dlg, nullptr);
    shownInitial = dlg->textValue();
    shownPrompt = dlg->labelText();
    dlg->setTextValue("Blue Rose");
    dlg->accept();
  });
  EXPECT_EQ(host.inputBox("Picture title:", "Title", "old"), std::optional<std::string>("Blue Rose"));
  EXPECT_EQ(shownInitial, "old");
  EXPECT_EQ(shownPrompt, "Picture title:");

  whenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
  EXPECT_EQ(host.inputBox("Picture title:", "Title", "old"), std::nullopt);
}

TEST(QtHostState, HourglassNestsAndCtrlFollowsTheKeyboard) {
  test::app();
  QtHost host;
  // Two begins, then ends; an extra end does not unbalance later calls.
  for (bool on : {true, true, false}) host.setHourglass(on);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  host.setHourglass(false);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  for (bool on : {false, true}) host.setHourglass(on);
  EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
  host.setHourglass(false);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

  QWidget w;
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  QTest::keyPress(w.windowHandle(), Qt::Key_Control, Qt::ControlModifier);
  EXPECT_TRUE(host.ctrlKeyDown());
  QTest::keyRelease(w.windowHandle(), Qt::Key_Control, Qt::NoModifier);
  EXPECT_FALSE(host.ctrlKeyDown());
}

}  // namespace
}  // namespace orn
