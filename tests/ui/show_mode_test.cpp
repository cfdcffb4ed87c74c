// Show mode, the slide show, titles and help in the real editor window under
// offscreen Qt, on pictures written by the program's own saver.
#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

#include "canvas/ui/sym_setup_panel.h"
#include "model/record_codes.h"
#include "pic_edit_fixture.h"
#include "print/print_fixture.h"
#include "print/ui/print_frm.h"
#include "shell/help.h"
#include "shell/sample_pictures.h"
#include "shell/ui/get_tit.h"
#include "shell/ui/help_window.h"
#include "ui/end_to_end_picture.h"

namespace orn::test {
namespace {

namespace fs = std::filesystem;

class ShowMode : public PicEditTest {
 protected:
  // Enters show mode and opens `file` there (saved first when it does not
  // exist).
  void show(const std::string& file) {
    setInnerSize(800, 600);
    if (!fs::exists(file)) SaveLinePicture(file);
    if (!w->showMode()) trigger("Gallery");
    ASSERT_TRUE(w->showMode());
    load(file);
  }
  // The editor opened again with the application state as it is now.
  void reopen() {
    w.reset();
    w = std::make_unique<PicEdit>(host, appState, &dialogs);
    w->show();
    w->resize(800, 600);
    QApplication::processEvents();
    w->start().LoadTimer_Timer();
    w->start().StartTimer_Timer();
  }
  void answerTitle(const QString& text, bool ok) {
    whenModal<GetTit>([text, ok](GetTit& d) {
      if (!text.isNull()) d.Text1->setText(text);
      d.Command1[ok ? 0 : 1]->click();
    });
    trigger("GalTitle");
  }
  std::string helpPage() {
    auto* help = w->findChild<HelpWindow*>();
    if (help == nullptr || !help->isVisible()) return {};
    return fs::path(help->browser()->source().toLocalFile().toStdString()).filename();
  }
  bool visible(const char* item) { return w->menus().menuItem(item)->isVisible(); }
};

// The help window closes from the keyboard (Escape, Ctrl+W) and by its
// Close button.
TEST_F(ShowMode, TheHelpWindowClosesByEscapeCtrlWAndItsCloseButton) {
  appState.HelpFile = (fs::path(ORNIVALE_SOURCE_DIR) / "data" / kHelpFolderName).string() + "/";
  const std::function<void(HelpWindow&)> closes[] = {
      [](HelpWindow& h) { QTest::keyClick(h.browser(), Qt::Key_Escape); },
      [](HelpWindow& h) { QTest::keyClick(h.browser(), Qt::Key_W, Qt::ControlModifier); },
      [](HelpWindow& h) { QTest::mouseClick(h.CloseButton, Qt::LeftButton); },
  };
  for (const auto& close : closes) {
    trigger("HelpP");
    auto* help = w->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(help->isVisible());
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    close(*help);
    EXPECT_FALSE(help->isVisible());
  }
}

TEST_F(ShowMode, ShowsThePictureAloneCentredAndLeavingPutsEverythingBackWhereItWas) {
  SaveLinePicture(path("GULLS.PNT"), kWhite, "Gulls at dawn");
  setInnerSize(800, 600);
  load(path("GULLS.PNT"));
  const QPoint editPlace = w->Picture1->pos();
  trigger("MenOpSpline");  // the spline switch goes with the spline tool
  ASSERT_TRUE(w->tools().SplinePoly->isVisible());
  trigger("Gallery");
  ASSERT_TRUE(w->showMode());
  const QSize c = w->Picture1->size();
  EXPECT_EQ(w->Picture1->pos(), QPoint((800 - c.width()) / 2, (600 - c.height()) / 2));
  EXPECT_EQ(w->windowTitle(), "Gulls at dawn") << "a titled picture shows its title alone";
  EXPECT_FALSE(w->tools().DrawType(kToolPolyLine)->isVisible() || w->redraws().DrawAll0->isVisible() ||
               w->tools().SplinePoly->isVisible());
  EXPECT_FALSE(visible("MenOptionS") || visible("MenSym") || visible("HelpP"));
  EXPECT_TRUE(visible("MenGalEdit") && visible("GalHelp"));

  // A resize in show mode does not move the place the canvas returns to.
  setInnerSize(900, 650);
  trigger("MenEditR(0)");
  EXPECT_FALSE(w->showMode());
  EXPECT_EQ(w->Picture1->pos(), editPlace);
  EXPECT_TRUE(w->tools().DrawType(kToolPolyLine)->isVisible() && w->redraws().DrawAll0->isVisible() &&
              w->tools().SplinePoly->isVisible());
  EXPECT_TRUE(visible("MenOptionS") && visible("Gallery") && visible("HelpP"));
  EXPECT_EQ(w->windowTitle(), "Picture  -  GULLS");
}

// The picture in show mode is the picture as drawn: its fills painted
// (though the colour panel is away) and its lines as wide as it was saved
// with.
TEST_F(ShowMode, APictureInShowModeShowsItsFillsAndItsLineWidthWithoutTheColourPanel) {
  setInnerSize(729, 544);
  w->list() = EndToEndPicture().list;
  w->draw().LineWidth = 5;
  saveAs(path("ROSE8.PNT"));
  trigger("MenFileNew");
  ASSERT_EQ(w->draw().LineWidth, 1);
  show(path("ROSE8.PNT"));
  EXPECT_EQ(w->draw().LineWidth, 5);
  EXPECT_FALSE(w->colours().Picture3->isVisible() || w->colours().CinUse->isVisible() ||
               w->tools().DrawType(kToolPaint)->isVisible());
  EXPECT_GT(PixelsOf(w->canvasSurface(), EndToEndPicture::kFill), 8 * 100) << "the fills are painted";
  // A horizontal cut through the base shape's bottom edge: 5 pixels of black.
  int thick = 0;
  for (int y = 330; y < 350; ++y) thick += w->canvasSurface().point(300, y) == std::int64_t(kBlack);
  EXPECT_EQ(thick, 5);
  trigger("MenEditR(0)");
  EXPECT_TRUE(w->colours().Picture3->isVisible() && w->colours().CinUse->isVisible() &&
              w->tools().DrawType(kToolPaint)->isVisible()) << "the colour tools come back";
}

// A title is up to the 40 characters the file keeps; a new title is a change
// the editor offers to save; Cancel keeps the old one.
TEST_F(ShowMode, ATitleIsTypedInItsDialogShownAsTheCaptionAndSavedWithThePicture) {
  show(path("PLAIN.PNT"));
  EXPECT_EQ(w->windowTitle(), "Picture  -  PLAIN") << "no title: the file's name";
  answerTitle("An evening by the sea with gulls, boats and a tide", true);
  EXPECT_EQ(w->picture().PictureTitle, "An evening by the sea with gulls, boats ");
  EXPECT_EQ(w->windowTitle().toStdString(), w->picture().PictureTitle);
  EXPECT_TRUE(w->editor().PicChanged);
  w->editor().PicChanged = false;
  answerTitle("Something else", false);
  EXPECT_EQ(w->picture().PictureTitle, "An evening by the sea with gulls, boats ");
  EXPECT_FALSE(w->editor().PicChanged);

  saveAs(path("TITLED.PNT"));
  load(path("PLAIN.PNT"));
  load(path("TITLED.PNT"));
  EXPECT_EQ(w->picture().PictureTitle, "An evening by the sea with gulls, boats");
  answerTitle("", true);
  EXPECT_EQ(w->windowTitle(), "");
  saveAs(path("UNTITLED.PNT"));
  EXPECT_EQ(ReadPictureFile(path("UNTITLED.PNT")).value->title, "");

  // The title box stands in the middle of the editor, not in a corner.
  QPoint centre, editorCentre = w->frameGeometry().center();
  whenModal<GetTit>([&centre](GetTit& d) {
    centre = d.frameGeometry().center();
    d.Command1[1]->click();
  });
  trigger("GalTitle");
  EXPECT_LE((centre - editorCentre).manhattanLength(), 4) << centre.x() << "," << centre.y();
}

TEST_F(ShowMode, TheBackgroundColourIsChosenInTheColourDialogAndCancelChangesNothing) {
  show(path("PLAIN.PNT"));
  whenModal<QColorDialog>([](QColorDialog& d) {
    d.setCurrentColor(QColor(10, 20, 30));
    d.accept();
  });
  trigger("GalBackColor");
  EXPECT_EQ(w->picture().GalleryBackColor, 0x1E140Au);
  EXPECT_EQ(w->formArea()->palette().color(QPalette::Window), QColor(10, 20, 30));
  EXPECT_FALSE(w->editor().PicChanged) << "kept with the next save, not a change";
  whenModal<QColorDialog>([](QColorDialog& d) { d.reject(); });
  trigger("GalBackColor");
  EXPECT_EQ(w->picture().GalleryBackColor, 0x1E140Au);
}

// Erasing a changed picture's colours asks first; Cancel stays in show mode.
TEST_F(ShowMode, RecolourAsksForAChangedPictureAndTakesEveryFillAway) {
  setInnerSize(729, 544);
  w->list() = EndToEndPicture().list;
  saveAs(path("ROSE8.PNT"));
  show(path("ROSE8.PNT"));
  w->editor().PicChanged = true;
  host.answers = {MsgResult::Cancel};
  trigger("MenEditR(1)");
  EXPECT_TRUE(w->showMode());
  EXPECT_EQ(host.boxes.back().title, "Erase All Color From Picture");
  EXPECT_EQ(w->windowTitle(), "Picture  -  ROSE8");
  host.answers = {MsgResult::OK};
  trigger("MenEditR(1)");
  EXPECT_FALSE(w->showMode());
  for (int i = 0; i <= w->list().NumPoints; ++i) EXPECT_NE(w->list().G0[i], float(kCodePaint)) << i;
}

// A sample shown in show mode is "<UnNamed>" (so that it is never saved
// over), yet re-created from the file it came from, without a dialog; a
// model sample from its construction drawing.
TEST_F(ShowMode, ReCreateKeepsThePolygonsAndSymmetryOfTheSampleShownAndAModelTakesItsDrawing) {
  fs::create_directories(dir / "STATIC");
  setInnerSize(729, 544);
  const EndToEndPicture rose;
  w->list() = rose.list;
  saveAs(path("STATIC/OVRO1A.PNT"));
  show(path("STATIC/OVRO1A.PNT"));
  ASSERT_EQ(w->file().FileName, kUnNamed);
  dialogs.openRequests.clear();
  trigger("MenEditR(2)");
  EXPECT_TRUE(dialogs.openRequests.empty());
  EXPECT_FALSE(w->showMode());
  EXPECT_EQ(w->file().FileName, kUnNamed);
  EXPECT_GT(w->sym().SymEnd, 0);
  EXPECT_EQ(w->list().NumPoints, w->sym().SymEnd + 3) << "the symmetry, a Mark, a part change, the end";
  EXPECT_EQ(w->list().G0[w->list().NumPoints - 1], float(kCodeSymmetryChg));

  SaveLinePicture(path("STATIC/OVMOD4A.PNT"), kWhite, "Fire");
  std::filesystem::copy_file(path("STATIC/OVRO1A.PNT"), path("STATIC/OVMOD4D.PNT"));
  show(path("STATIC/OVMOD4A.PNT"));
  trigger("MenEditR(2)");
  EXPECT_FALSE(w->showMode());
  EXPECT_EQ(w->list().G0[0], float(kCodeGeometric)) << "the drawing of the model";
  EXPECT_EQ(w->file().FileName, kUnNamed);
}

// The slide show: one slide after another, after the last the first again,
// a slide whose file has gone passed over, no step while the window is
// minimised or a redraw walks the list.
TEST_F(ShowMode, TheSlideShowStepsThroughItsListWrapsAndWaits) {
  for (auto n : {"A", "B", "C"}) SaveLinePicture(path(std::string(n) + ".PNT"), kWhite, std::string("Slide ") + n);
  appState.ShowMode = 2;
  appState.ShowList = {"A", "B", "C"};
  appState.ShowFolder = dir.string();
  appState.OpenForEditing = false;
  reopen();
  ASSERT_TRUE(w->showMode());
  EXPECT_EQ(w->windowTitle(), "Slide A");
  EXPECT_EQ(w->shows().CountLab->text(), "1 of 3 ");
  EXPECT_TRUE(w->shows().CountLab->isVisible());
  EXPECT_TRUE(w->shows().ArtShowT->isActive());
  EXPECT_EQ(w->shows().ArtShowT->interval(), 5000);
  EXPECT_FALSE(visible("MenFile") || visible("MenGalEdit") || visible("GalHelp"));

  w->shows().ArtShowT_Timer();
  EXPECT_EQ(w->windowTitle(), "Slide B");
  EXPECT_EQ(w->shows().CountLab->text(), "2 of 3 ");
  fs::remove(path("C.PNT"));
  w->shows().ArtShowT_Timer();
  EXPECT_EQ(w->windowTitle(), "Slide A");
  EXPECT_EQ(appState.ShowIndex, 0);
  EXPECT_TRUE(host.boxes.empty()) << "a missing slide asks nothing";

  w->layout().RedrawPending = true;
  w->shows().ArtShowT_Timer();
  w->layout().RedrawPending = false;
  w->editor().Redrawing = true;
  w->shows().ArtShowT_Timer();
  w->editor().Redrawing = false;
  EXPECT_EQ(w->windowTitle(), "Slide A");
  EXPECT_TRUE(w->shows().ArtShowT->isActive()) << "it waits, and steps later";

  // A click on the picture while a slide loads waits for the load; the show
  // then ends with the editor.
  bool clicked = false;
  host.onPump = [&] {
    if (clicked) return;
    clicked = true;
    QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, {20, 20});
    EXPECT_TRUE(w->isVisible());
  };
  w->shows().ArtShowT_Timer();
  host.onPump = nullptr;
  ASSERT_TRUE(clicked);
  EXPECT_EQ(w->windowTitle(), "Slide B");
  EXPECT_TRUE(w->isVisible());
  EXPECT_TRUE(waitFor([this] { return !w->isVisible(); }));
  EXPECT_FALSE(w->shows().ArtShowT->isActive());
}

// A slide that cannot be loaded (an empty file, a damaged one) is passed
// over as a missing one is: no file dialog, no message, the show goes on.
TEST_F(ShowMode, TheSlideShowPassesOverPicturesItCannotLoadWithoutAsking) {
  for (auto n : {"B", "D"}) SaveLinePicture(path(std::string(n) + ".PNT"), kWhite, std::string("Slide ") + n);
  WriteBytes(path("A.PNT"), {});
  WriteBytes(path("C.PNT"), {1, 2, 3, 4, 5, 6, 7, 8, 9});
  appState.ShowMode = 2;
  appState.ShowList = {"A", "B", "C", "D"};
  appState.ShowFolder = dir.string();
  appState.OpenForEditing = false;
  reopen();
  EXPECT_EQ(w->windowTitle(), "Slide B");
  EXPECT_EQ(w->shows().CountLab->text(), "2 of 4 ");
  w->shows().ArtShowT_Timer();
  EXPECT_EQ(w->windowTitle(), "Slide D");
  EXPECT_EQ(appState.ShowIndex, 3);
  w->shows().ArtShowT_Timer();
  EXPECT_EQ(w->windowTitle(), "Slide B");
  EXPECT_TRUE(w->shows().ArtShowT->isActive());
  EXPECT_TRUE(dialogs.openRequests.empty());
  EXPECT_TRUE(host.boxes.empty());

  // When none of them loads the show says so once, and asks for nothing.
  for (auto n : {"B", "D"}) WriteBytes(path(std::string(n) + ".PNT"), {});
  reopen();
  EXPECT_TRUE(dialogs.openRequests.empty());
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "None of the pictures of this show can be found.");
  EXPECT_FALSE(w->shows().ArtShowT->isActive());
}

// A click on the picture in show mode leads back to the menu, but never
// while a redraw walks the list.
TEST_F(ShowMode, AClickOnThePictureLeavesOnlyWhenNoRedrawRuns) {
  show(path("PLAIN.PNT"));
  w->editor().Redrawing = true;
  // The press is refused as it comes, and nothing is left to run later.
  QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, {20, 20});
  QApplication::processEvents();
  EXPECT_FALSE(w->start().ReturnToMain->isActive());
  EXPECT_TRUE(w->isVisible() && w->showMode());
  w->editor().Redrawing = false;
  QTest::mouseClick(w->Picture1, Qt::LeftButton, {}, {20, 20});
  EXPECT_TRUE(waitFor([this] { return !w->isVisible(); }));
}

// Each window asks for its own page; F1 is the editor's page in show mode
// too; after help the picture is drawn again once, at the next paint.
TEST_F(ShowMode, HelpOpensThePageOfTheWindowAndTheNextPaintRedrawsOnce) {
  appState.HelpFile = (fs::path(ORNIVALE_SOURCE_DIR) / "data" / kHelpFolderName).string() + "/";
  setInnerSize(800, 600);
  trigger("HelpP");
  EXPECT_EQ(helpPage(), "editor.html");
  w->Picture5->Command3->click();
  EXPECT_EQ(helpPage(), "symmetry.html");

  RecordingPrinter printer;
  w->prints().setPrinter(&printer);
  whenModal<PrintFrm>([](PrintFrm& d) {
    d.HelpCmd->click();
    d.PrtGlob[1]->click();
  });
  trigger("MenFilePrint");
  EXPECT_EQ(helpPage(), "printing.html");
  w->prints().setPrinter(nullptr);

  // In show mode, after the picture's redraw, Alt+H opens the show-mode
  // page (the editing "&Help", hidden, must not take the key from it).
  show(path("PLAIN.PNT"));
  w->findChild<HelpWindow*>()->close();
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  QTest::keyClick(w.get(), Qt::Key_H, Qt::AltModifier);
  EXPECT_EQ(helpPage(), "show-mode.html");
  // Back in the editor, the user presses F1.
  w->findChild<HelpWindow*>()->close();
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  QTest::keyClick(w.get(), Qt::Key_F1);
  EXPECT_EQ(helpPage(), "editor.html");

  // A mark on the canvas that is not in the picture goes with the redraw.
  auto paintWithMark = [&] {
    w->canvasSurface().fillBox(0, 0, 3, 3, 0x0000FF);
    w->formArea()->repaint();
    QApplication::processEvents();
    return w->canvasSurface().point(1, 1) == 0x0000FF;
  };
  EXPECT_FALSE(paintWithMark()) << "the first paint after help redraws";
  EXPECT_TRUE(paintWithMark()) << "later paints do not";
}

// The user's show looks where the user last opened or saved a picture.
TEST_F(ShowMode, TheWorkingFolderFollowsTheFileDialogs) {
  fs::create_directories(dir / "mine");
  SaveLinePicture(path("mine/X.PNT"));
  load(path("mine/X.PNT"));
  EXPECT_EQ(fs::current_path(), dir / "mine");
  saveAs(path("Y.PNT"));
  EXPECT_EQ(fs::current_path(), dir);

  // A working folder that has gone since is no fault of the next editor.
  load(path("mine/X.PNT"));
  fs::remove_all(dir / "mine");
  bool boxShown = false;
  QTimer::singleShot(0, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      boxShown = true;
      box->close();
    }
  });
  reopen();
  EXPECT_FALSE(boxShown);
  EXPECT_TRUE(w->start().StartDone);
}

}  // namespace
}  // namespace orn::test
