// A save that fails, answered from the keyboard on the program's real boxes:
// no key alone ends the program or loses the picture.
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt_host.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

// Presses `key` on the next message box that comes up and has not been
// answered yet (a box that follows may live at the same address), and notes
// the box's text and default button.
struct BoxAnswer {
  QString text;
  QString defaultButton;
};

void answerNextBox(Qt::Key key, BoxAnswer& seen, std::function<void()> then = {}) {
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
    QTest::keyClick(box, key);
  });
  poll->start();
}

TEST(SaveFailure, EnterRetriesAndEscapeIgnoresSoTheProgramGoesOnWithThePicture) {
  app();
  ScratchFolder scratch;
  const std::filesystem::path& dir = scratch.dir();
  std::filesystem::copy_file(std::filesystem::path(ORNIVALE_SOURCE_DIR) / "data" / "Standard.Clr",
                             dir / "Standard.Clr", std::filesystem::copy_options::overwrite_existing);
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
  ASSERT_TRUE(list.CreateItem(1, 1, 100.0f, 40.0f));
  ASSERT_TRUE(list.AddPoint(200.0f, 80.0f, 1));
  ASSERT_TRUE(list.closeRecord());
  w.editor().PicChanged = true;
  const int n = list.NumPoints;
  const Entries before = EntriesOf(list, 0, n);

  // A folder that cannot be made: its parent is a plain file.
  std::ofstream((dir / "plain").string()) << "x";
  const std::string target = (dir / "plain" / "ROSE.PNT").string();
  dialogs.saves = {target, target};

  BoxAnswer first, second;
  answerNextBox(Qt::Key_Return, first, [&second] { answerNextBox(Qt::Key_Escape, second); });
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
  ASSERT_EQ(list.NumPoints, n);
  EXPECT_EQ(EntriesOf(list, 0, n), before);
  w.editor().PicChanged = false;
}

}  // namespace
}  // namespace orn::test
