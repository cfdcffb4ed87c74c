// A save that fails, answered on the program's real message boxes: Enter
// retries it, dialog and all, Escape ignores it, so no key alone ends the
// program or loses the picture; only the Abort button ends the program.
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt_host.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

// Answers the next message box that comes up and has not been answered yet
// (a box that follows may live at the same address) with `answer`, and notes
// its text and default button.
struct BoxAnswer {
  QString text;
  QString defaultButton;
};

void answerNextBox(std::function<void(QMessageBox&)> answer, BoxAnswer& seen, std::function<void()> then = {}) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [=, &seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("answered").toBool()) return;
    poll->stop();
    poll->deleteLater();
    box->setProperty("answered", true);
    seen.text = box->text();
    seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
    if (then) then();
    answer(*box);
  });
  poll->start();
}

std::function<void(QMessageBox&)> key(Qt::Key k) {
  return [k](QMessageBox& box) { QTest::keyClick(&box, k); };
}

TEST(SaveFailure, EnterRetriesEscapeIgnoresAndOnlyAbortEndsTheProgram) {
  app();
  ScratchFolder scratch;
  const std::filesystem::path& dir = scratch.dir();
  std::filesystem::copy_file(std::filesystem::path(ORNIVALE_SOURCE_DIR) / "data" / "Standard.Clr", dir / "Standard.Clr");
  AppState appState;
  appState.AppFolder = appState.DataFolder = dir.string() + "/";
  QtHost host;
  ScriptedDialogs dialogs;
  PicEdit w(host, appState, &dialogs);
  host.setParentWindow(&w);
  int programEnds = 0;
  w.errors().setEndProgram([&programEnds] { ++programEnds; });
  w.show();
  w.LoadTimer_Timer();
  w.StartTimer_Timer();
  QApplication::processEvents();

  DrawingList& list = w.list();
  AddShape(list, kTypePolyLine, {{100, 40}, {200, 80}});
  w.editor().PicChanged = true;
  const Entries before = LiveEntries(list);

  // A folder that cannot be made: its parent is a plain file.
  std::ofstream((dir / "plain").string()) << "x";
  const std::string target = (dir / "plain" / "ROSE.PNT").string();
  dialogs.saves = {target, target};

  BoxAnswer first, second;
  answerNextBox(key(Qt::Key_Return), first, [&second] { answerNextBox(key(Qt::Key_Escape), second); });
  w.menuItem("MenFileSaveAs")->trigger();
  QApplication::processEvents();

  EXPECT_TRUE(first.text.contains("in FileSaveC")) << first.text.toStdString();
  const QString retry = QMessageBox(QMessageBox::NoIcon, "", "", QMessageBox::Retry).button(QMessageBox::Retry)->text();
  EXPECT_EQ(first.defaultButton.toStdString(), retry.toStdString());
  EXPECT_TRUE(second.text.contains("in FileSaveC"));
  EXPECT_EQ(dialogs.saveRequests.size(), 2u);  // Enter retried the save, dialog and all
  EXPECT_EQ(programEnds, 0);                   // and Escape ignored the failure
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(w.editor().PicChanged);
  EXPECT_EQ(w.file().FileName, kUnNamed);
  EXPECT_EQ(w.windowTitle().toStdString(), "Ornivale");
  EXPECT_EQ(LiveEntries(list), before);

  dialogs.saves = {target};
  BoxAnswer third;
  answerNextBox([](QMessageBox& box) { box.button(QMessageBox::Abort)->click(); }, third);
  w.menuItem("MenFileSaveAs")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(programEnds, 1);
  w.editor().PicChanged = false;
}

}  // namespace
}  // namespace orn::test
