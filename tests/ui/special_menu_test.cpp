// The hidden "S&pecial" menu on the real window: the hot spot shows and hides
// it only with Ctrl held; its items show the geometry and stamp buttons and
// the mouse position, print the drawing list, strip a picture's symmetry,
// forget the file's name, change the panels' colour, show the advanced
// options and switch the paint-only mode.
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "canvas/tools.h"
#include "model/record_codes.h"
#include "pic_edit_fixture.h"
#include "print/print_fixture.h"
#include "shell/list_dump.h"
#include "shell/sample_pictures.h"
#include "shell/stamp.h"
#include "symmetry/ui/click_label.h"
#include "ui/end_to_end_picture.h"

namespace orn::test {
namespace {

class SpecialMenu : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(800, 600);
  }
  bool specialShown() const {
    for (QAction* a : w->menuBar()->actions())
      if (a->isVisible() && a->text() == "S&pecial") return true;
    return false;
  }
  bool checked(const char* item) const { return w->menus().menuItem(item)->isChecked(); }
  bool shown(const char* item) const { return w->menus().menuItem(item)->isVisible(); }
  // The symmetric picture saved and opened again.
  void openSymmetricPicture() {
    w->list() = EndToEndPicture().list;
    saveAs(path("ROSE8.PNT"));
    load(path("ROSE8.PNT"));
  }
  // The other controls of the window that `c` lies over.
  std::string covered(const QWidget* c) const {
    std::string names;
    for (const QWidget* o : w->formArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (o != c && o->isVisible() && o->geometry().intersects(c->geometry()))
        names += o->objectName().toStdString() + " ";
    return names;
  }
  int codesOf(float code) const {
    return int(std::count(w->list().G0.begin(), w->list().G0.begin() + w->list().NumPoints + 1, code));
  }
};

TEST_F(SpecialMenu, CtrlClickOnTheHotSpotTogglesTheMenuWithTheViewTablesHotSpot) {
  EXPECT_TRUE(w->formArea()->rect().contains(w->special().Label6->geometry()));
  for (const auto& [ctrl, shownAfter] : {std::pair{false, false}, {true, true}, {false, true}, {true, false}, {true, true}}) {
    clickLabel6(ctrl);
    EXPECT_EQ(specialShown(), shownAfter) << ctrl;
    EXPECT_EQ(w->special().Label17->isVisible(), shownAfter) << ctrl;
  }
  w->MenEnable(false);
  w->MenEnable(true);
  for (int i = 0; i < 9; ++i) EXPECT_TRUE(enabled("DebugX(" + std::to_string(i) + ")")) << i;
}

// The geometry buttons come and go with the item, the Duplicate tool with
// them; the stamp is the canvas shrunk into its box and never written anywhere.
TEST_F(SpecialMenu, GeometryAndStampButtonsComeAndGoWithTheirItems) {
  ToolButton* geo = w->tools().DrawType(kToolGeometric);
  ToolButton* dup = w->tools().DrawType(kToolDuplicate);
  EXPECT_FALSE(geo->isVisible() || w->Picture13->isVisible());
  trigger("DebugX(1)");
  EXPECT_TRUE(w->editor().ShowGeoNumbers && checked("DebugX(1)") && geo->isVisible() && w->Picture13->isVisible());
  EXPECT_FALSE(dup->isVisible());
  dup->show();
  trigger("DebugX(1)");
  EXPECT_FALSE(w->editor().ShowGeoNumbers || checked("DebugX(1)") || geo->isVisible() || w->Picture13->isVisible() ||
               dup->isVisible());

  w->canvasSurface().fillBox(0, 0, 100, 100, 0x0000FF);
  trigger("DebugX(0)");
  ASSERT_TRUE(checked("DebugX(0)") && w->special().Command2[0]->isVisible() && w->special().Command2[1]->isVisible());
  for (const QPushButton* b : w->special().Command2) EXPECT_EQ(covered(b), "") << "a stamp button hides a control";
  const auto files = std::distance(std::filesystem::directory_iterator(dir), {});
  QTest::mouseClick(w->special().Command2[1], Qt::LeftButton);
  EXPECT_TRUE(w->special().Picture9->isVisible() && *w->special().Picture9->surface() == MakeStamp(w->canvasSurface()));
  QTest::mouseClick(w->special().Command2[0], Qt::LeftButton);
  EXPECT_FALSE(w->special().Picture9->isVisible());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), files);
  trigger("DebugX(0)");
  EXPECT_FALSE(checked("DebugX(0)") || w->special().Command2[0]->isVisible());
}

TEST_F(SpecialMenu, ShowNumbersWritesTheMousePositionIntoTheDebugLabel) {
  trigger("DebugX(2)");
  move({12, 7});
  EXPECT_EQ(w->special().Label1->text(), " 12  7");
  EXPECT_EQ(covered(w->special().Label1), "") << "the numbers hide a control";
  trigger("DebugX(2)");
  move({30, 40});
  EXPECT_TRUE(w->special().Label1->text().isEmpty());
}

// The listings go to the printer (here one that keeps its jobs).
TEST_F(SpecialMenu, DumpPictureDataPrintsTheListAndTheHotSpotPrintsTheViewTable) {
  openSymmetricPicture();
  RecordingPrinter printer;
  w->prints().setPrinter(&printer);
  clickLabel6(true);
  trigger("DebugX(3)");
  ASSERT_EQ(printer.jobs.size(), 1u);
  EXPECT_EQ(printer.jobs[0].text, DumpList(w->list(), w->sym()));
  EXPECT_NE(printer.jobs[0].text[1].find("Geometric"), std::string::npos);
  QTest::mouseClick(w->special().Label17, Qt::LeftButton);
  ASSERT_EQ(printer.jobs.size(), 2u);
  EXPECT_EQ(printer.jobs[1].text, DumpPageTable(w->views()));
  printer.toFile = path("Printout.pdf");
  trigger("DebugX(3)");
  EXPECT_NE(host.boxes.back().text.find(path("Printout.pdf")), std::string::npos);
  w->prints().setPrinter(nullptr);
}

// Every symmetry change is set to 0 and every fill goes, also when the
// redraw that shows it is stopped at once (Ctrl held); while a redraw walks
// the list, the command waits for another time.
TEST_F(SpecialMenu, StripSymmetryAsksAndLeavesNoSymmetryChangeAndNoFillButNeverUnderARedraw) {
  openSymmetricPicture();
  ASSERT_EQ(codesOf(kCodePaint), 1);
  w->editor().Redrawing = true;
  host.answers = {MsgResult::Yes};
  trigger("DebugX(4)");
  w->editor().Redrawing = false;
  EXPECT_EQ(codesOf(kCodePaint), 1);
  host.answers = {MsgResult::No};
  trigger("DebugX(4)");
  EXPECT_EQ(host.boxes.back().title, "Strip Symmetry?");
  EXPECT_EQ(codesOf(kCodePaint), 1) << "No changes nothing";
  host.answers = {MsgResult::Yes};
  host.ctrl = true;
  trigger("DebugX(4)");
  host.ctrl = false;
  EXPECT_EQ(codesOf(kCodePaint), 0);
  ASSERT_EQ(codesOf(kCodeSymmetryChg), 2);
  for (int i = 0; i <= w->list().NumPoints; ++i)
    if (w->list().G0[i] == kCodeSymmetryChg) {
      EXPECT_EQ(w->list().G1[i], 0.0f) << i;
    }
}

TEST_F(SpecialMenu, ZotForgetsTheNameAndTheRecentFilesAndMenuColourTurnsThePanelsYellowAndBack) {
  SaveLinePicture(path("GULLS.PNT"));
  load(path("GULLS.PNT"));
  ASSERT_TRUE(shown("FName(0)"));
  trigger("DebugX(5)");
  EXPECT_EQ(w->file().FileName, kUnNamed);
  EXPECT_EQ(w->windowTitle(), "Picture - <UnNamed>");
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(w->file().RecentFiles[std::size_t(i)].empty());
    EXPECT_FALSE(shown(("FName(" + std::to_string(i) + ")").c_str()));
  }

  const QColor normal = w->formArea()->palette().color(QPalette::Window);
  trigger("DebugX(6)");
  EXPECT_EQ(w->formArea()->palette().color(QPalette::Window), QColor(Qt::yellow));
  trigger("DebugX(6)");
  EXPECT_EQ(w->formArea()->palette().color(QPalette::Window), normal);
}

// Show All Options brings the advanced items; paint-only mode hides what
// belongs to symmetries; in show mode the switch does nothing, not even to
// the caption.
TEST_F(SpecialMenu, ShowAllOptionsAndPaintOnlyShowAndHideTheirItemsButNotInShowMode) {
  trigger("DebugX(7)");
  for (auto n : {"MenEditMark", "MenEditUndo", "MenPageSh", "MenProjPages"}) EXPECT_TRUE(shown(n)) << n;
  trigger("DebugX(7)");
  EXPECT_FALSE(checked("DebugX(7)") || shown("MenEditMark"));

  trigger("DebugX(8)");
  EXPECT_EQ(w->editor().PaintOnlyMode, -1);
  EXPECT_EQ(w->windowTitle(), "Paint Program");
  EXPECT_FALSE(shown("MenSym") || shown("Gallery"));
  EXPECT_TRUE(checked("Yellow"));
  trigger("DebugX(8)");
  EXPECT_EQ(w->editor().PaintOnlyMode, 0);
  EXPECT_EQ(w->windowTitle(), "Ornivale");
  EXPECT_TRUE(shown("MenSym") && shown("Gallery"));

  trigger("Gallery");
  ASSERT_TRUE(w->showMode());
  const QString caption = w->windowTitle();
  trigger("DebugX(8)");
  EXPECT_EQ(w->editor().PaintOnlyMode, 0);
  EXPECT_EQ(w->windowTitle(), caption);
}

}  // namespace
}  // namespace orn::test
