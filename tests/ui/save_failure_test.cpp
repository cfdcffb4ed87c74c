// A save that fails, answered on the program's real message boxes: Enter
// retries it, dialog and all, Escape ignores it, so no key alone ends the
// program or loses the picture; only the Abort button ends the program.
#include <QMessageBox>
#include <QPushButton>

#include <sys/stat.h>

#include "model/picture_file.h"
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

// The editor on the program's real message boxes.
struct EditorWithRealBoxes {
  ScratchFolder scratch;
  const std::filesystem::path& dir = scratch.dir();
  AppState appState;
  QtHost host;
  ScriptedDialogs dialogs;
  std::unique_ptr<PicEdit> editor;
  int programEnds = 0;

  EditorWithRealBoxes() {
    app();
    std::filesystem::copy_file(std::filesystem::path(ORNIVALE_SOURCE_DIR) / "data" / "Standard.Clr",
                               dir / "Standard.Clr");
    appState.AppFolder = appState.DataFolder = dir.string() + "/";
    editor = std::make_unique<PicEdit>(host, appState, &dialogs);
    host.setParentWindow(editor.get());
    editor->errors().setEndProgram([this] { ++programEnds; });
    editor->show();
    editor->start().LoadTimer_Timer();
    editor->start().StartTimer_Timer();
    QApplication::processEvents();
  }
  ~EditorWithRealBoxes() { editor->editor().PicChanged = false; }

  // A path in a folder that cannot be made while "plain" is a plain file.
  std::string blockedPath(const std::string& name) {
    std::ofstream((dir / "plain").string()) << "x";
    return (dir / "plain" / name).string();
  }
  // Lets the blocked path be written from now on.
  void unblock() {
    std::filesystem::remove(dir / "plain");
    std::filesystem::create_directory(dir / "plain");
  }
};

TEST(SaveFailure, EnterRetriesEscapeIgnoresAndOnlyAbortEndsTheProgram) {
  EditorWithRealBoxes e;
  PicEdit& w = *e.editor;
  ScriptedDialogs& dialogs = e.dialogs;
  int& programEnds = e.programEnds;
  DrawingList& list = w.list();
  AddShape(list, kTypePolyLine, {{100, 40}, {200, 80}});
  w.editor().PicChanged = true;
  const Entries before = LiveEntries(list);

  const std::string target = e.blockedPath("ROSE.PNT");
  dialogs.saves = {target};

  BoxAnswer first, second;
  answerNextBox(key(Qt::Key_Return), first, [&second] { answerNextBox(key(Qt::Key_Escape), second); });
  w.menus().menuItem("MenFileSaveAs")->trigger();
  QApplication::processEvents();

  EXPECT_TRUE(first.text.contains("in FileSaveC")) << first.text.toStdString();
  const QString retry = QMessageBox(QMessageBox::NoIcon, "", "", QMessageBox::Retry).button(QMessageBox::Retry)->text();
  EXPECT_EQ(first.defaultButton.toStdString(), retry.toStdString());
  EXPECT_TRUE(second.text.contains("in FileSaveC"));
  EXPECT_EQ(dialogs.saveRequests.size(), 1u);  // Enter retried the save to the name chosen
  EXPECT_EQ(programEnds, 0);                   // and Escape ignored the failure
  EXPECT_TRUE(w.isVisible());
  EXPECT_TRUE(w.editor().PicChanged);
  EXPECT_EQ(w.file().FileName, kUnNamed);
  EXPECT_EQ(w.windowTitle().toStdString(), "Ornivale");
  EXPECT_EQ(LiveEntries(list), before);

  dialogs.saves = {target};
  BoxAnswer third;
  answerNextBox([](QMessageBox& box) { box.button(QMessageBox::Abort)->click(); }, third);
  w.menus().menuItem("MenFileSaveAs")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(programEnds, 1);
  w.editor().PicChanged = false;
}

TEST(SaveFailure, RetryAfterAFailedSaveAsWritesTheChosenFileAndNeverTheOneBefore) {
  EditorWithRealBoxes e;
  PicEdit& w = *e.editor;
  AddShape(w.list(), kTypePolyLine, {{100, 40}, {200, 80}});
  const std::filesystem::path before = e.dir / "BEFORE.PNT";
  e.dialogs.saves = {before.string()};
  w.menus().menuItem("MenFileSaveAs")->trigger();
  QApplication::processEvents();
  ASSERT_EQ(w.file().FileName, before.string());
  struct stat was {};
  ASSERT_EQ(::stat(before.c_str(), &was), 0);
  const std::vector<std::uint8_t> beforeBytes = ReadBytes(before);
  AddShape(w.list(), kTypeCircle2, {{300, 200}, {340, 200}});  // changes the previous file must not get
  w.editor().PicChanged = true;
  const Entries drawn = LiveEntries(w.list());

  // Save As onto a file that cannot be written; while the box is up the
  // trouble is mended, and Enter retries.
  const std::string chosen = e.blockedPath("CHOSEN.PNT");
  e.dialogs.saves = {chosen};
  BoxAnswer box;
  answerNextBox(key(Qt::Key_Return), box, [&e] { e.unblock(); });
  w.menus().menuItem("MenFileSaveAs")->trigger();
  QApplication::processEvents();

  EXPECT_TRUE(box.text.contains("CHOSEN.PNT")) << box.text.toStdString();
  EXPECT_EQ(e.dialogs.saveRequests.size(), 2u);  // the retry asked for no name again
  ASSERT_TRUE(std::filesystem::exists(chosen));
  EXPECT_EQ(w.file().FileName, chosen);
  EXPECT_FALSE(w.editor().PicChanged);
  const FileResult<PictureFile> saved = ReadPictureFile(chosen);
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(saved.value->g0.size(), std::size_t(w.list().NumPoints + 1));
  EXPECT_EQ(LiveEntries(w.list()), drawn);
  // The previous file: the same file, untouched.
  struct stat now {};
  ASSERT_EQ(::stat(before.c_str(), &now), 0);
  EXPECT_EQ(now.st_ino, was.st_ino);
  EXPECT_EQ(now.st_mtim.tv_sec, was.st_mtim.tv_sec);
  EXPECT_EQ(now.st_mtim.tv_nsec, was.st_mtim.tv_nsec);
  EXPECT_EQ(ReadBytes(before), beforeBytes);
  EXPECT_EQ(e.programEnds, 0);
}

}  // namespace
}  // namespace orn::test
