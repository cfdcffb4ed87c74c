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
  bool specialShown() const {
    for (QAction* a : w->menuBar()->actions())
      if (a->isVisible() && a->text() == "S&pecial") return true;
    return false;
  }
  bool checked(const char* item) const { return w->menuItem(item)->isChecked(); }
  // The symmetric picture saved and opened again.
  void openSymmetricPicture() {
    setInnerSize(729, 544);
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
    int n = 0;
    for (int i = 0; i <= w->list().NumPoints; ++i) n += w->list().G0[i] == code;
    return n;
  }
};

TEST_F(SpecialMenu, CtrlClickOnTheHotSpotTogglesTheMenuAndItsItemsAreLive) {
  EXPECT_EQ(w->Label6->size(), QSize(9, 9));
  EXPECT_TRUE(w->Label6->isVisible());
  EXPECT_TRUE(w->formArea()->rect().contains(w->Label6->geometry()));
  EXPECT_FALSE(specialShown());
  const struct {
    bool ctrl, shownAfter;
  } clicks[] = {{false, false}, {true, true}, {false, true}, {true, false}, {true, true}};
  for (const auto& c : clicks) {
    clickLabel6(c.ctrl);
    EXPECT_EQ(specialShown(), c.shownAfter) << c.ctrl;
    EXPECT_EQ(w->Label17->isVisible(), c.shownAfter) << "the view table's hot spot comes with the menu";
  }
  for (int i = 0; i < 9; ++i) EXPECT_TRUE(enabled("DebugX(" + std::to_string(i) + ")")) << i;
  w->MenEnable(false);
  w->MenEnable(true);
  EXPECT_TRUE(enabled("DebugX(3)"));
}

// The geometry buttons come and go with the menu item; the Duplicate tool,
// once offered, goes with them.
TEST_F(SpecialMenu, GeometryButtonsShowTheGeometricToolAndPolygonButtonAndTakeDuplicateAwayWithThem) {
  setInnerSize(800, 600);
  ToolButton* geo = w->tools().DrawType(kToolGeometric);
  ToolButton* dup = w->tools().DrawType(kToolDuplicate);
  EXPECT_FALSE(geo->isVisible() || w->Picture13->isVisible());
  clickLabel6(true);
  trigger("DebugX(1)");
  EXPECT_TRUE(w->editor().ShowGeoNumbers && checked("DebugX(1)"));
  EXPECT_TRUE(geo->isVisible() && w->Picture13->isVisible());
  EXPECT_FALSE(dup->isVisible());
  dup->show();
  trigger("DebugX(1)");
  EXPECT_FALSE(w->editor().ShowGeoNumbers || checked("DebugX(1)"));
  EXPECT_FALSE(geo->isVisible() || w->Picture13->isVisible() || dup->isVisible());
}

// The stamp is the canvas shrunk into its box; a second press takes it
// away, and it is never written anywhere.
TEST_F(SpecialMenu, StampButtonsShowAndHideAStampOfTheCanvas) {
  setInnerSize(800, 600);
  EXPECT_FALSE(w->Command2[0]->isVisible());
  w->canvasSurface().fillBox(0, 0, 100, 100, 0x0000FF);
  trigger("DebugX(0)");
  EXPECT_TRUE(checked("DebugX(0)"));
  ASSERT_TRUE(w->Command2[0]->isVisible() && w->Command2[1]->isVisible());
  for (const QPushButton* b : w->Command2) EXPECT_EQ(covered(b), "") << "a stamp button hides a control";
  const auto before = std::distance(std::filesystem::directory_iterator(dir), {});
  QTest::mouseClick(w->Command2[1], Qt::LeftButton);
  EXPECT_TRUE(w->Picture9->isVisible());
  EXPECT_TRUE(*w->Picture9->surface() == MakeStamp(w->canvasSurface()));
  QTest::mouseClick(w->Command2[0], Qt::LeftButton);
  EXPECT_FALSE(w->Picture9->isVisible());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), before);
  trigger("DebugX(0)");
  EXPECT_FALSE(checked("DebugX(0)") || w->Command2[0]->isVisible());
}

TEST_F(SpecialMenu, ShowNumbersWritesTheMousePositionIntoTheDebugLabel) {
  setInnerSize(800, 600);
  trigger("DebugX(2)");
  EXPECT_TRUE(checked("DebugX(2)"));
  move({12, 7});
  EXPECT_EQ(w->Label1->text(), " 12  7");
  EXPECT_EQ(covered(w->Label1), "") << "the numbers hide a control";
  trigger("DebugX(2)");
  EXPECT_TRUE(w->Label1->text().isEmpty());
  move({30, 40});
  EXPECT_TRUE(w->Label1->text().isEmpty());
}

// The listings go to the printer (here one that keeps its jobs).
TEST_F(SpecialMenu, DumpPictureDataPrintsTheListAndTheHotSpotPrintsTheViewTable) {
  openSymmetricPicture();
  RecordingPrinter printer;
  w->setPrinter(&printer);
  clickLabel6(true);
  trigger("DebugX(3)");
  ASSERT_EQ(printer.jobs.size(), 1u);
  EXPECT_EQ(printer.jobs[0].text, DumpList(w->list(), w->sym()));
  EXPECT_NE(printer.jobs[0].text[1].find("Geometric"), std::string::npos);
  QTest::mouseClick(w->Label17, Qt::LeftButton);
  ASSERT_EQ(printer.jobs.size(), 2u);
  EXPECT_EQ(printer.jobs[1].text, DumpPageTable(w->views()));
  printer.toFile = path("Printout.pdf");
  trigger("DebugX(3)");
  ASSERT_FALSE(host.boxes.empty());
  EXPECT_NE(host.boxes.back().text.find(path("Printout.pdf")), std::string::npos);
  w->setPrinter(nullptr);
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
  for (int i = 0; i <= w->list().NumPoints; ++i) {
    if (w->list().G0[i] != kCodeSymmetryChg) continue;
    EXPECT_EQ(w->list().G1[i], 0.0f) << i;
  }
  EXPECT_FALSE(w->editor().DebugSymChg);
}

TEST_F(SpecialMenu, ZotForgetsTheNameAndTheRecentFiles) {
  SaveLinePicture(path("GULLS.PNT"));
  load(path("GULLS.PNT"));
  ASSERT_TRUE(w->menuItem("FName(0)")->isVisible());
  trigger("DebugX(5)");
  EXPECT_EQ(w->file().FileName, kUnNamed);
  EXPECT_EQ(w->windowTitle(), "Picture - <UnNamed>");
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(w->file().RecentFiles[std::size_t(i)].empty());
    EXPECT_FALSE(w->menuItem("FName(" + std::to_string(i) + ")")->isVisible());
  }
}

TEST_F(SpecialMenu, ToggleMenuColorTurnsThePanelsYellowAndBack) {
  const QColor normal = w->formArea()->palette().color(QPalette::Window);
  trigger("DebugX(6)");
  EXPECT_EQ(w->UseColorRGB, 0x00FFFFu);
  EXPECT_EQ(w->formArea()->palette().color(QPalette::Window), QColor(Qt::yellow));
  trigger("DebugX(6)");
  EXPECT_EQ(w->UseColorRGB, 0xC0C0C0u);
  EXPECT_EQ(w->formArea()->palette().color(QPalette::Window), normal);
}

TEST_F(SpecialMenu, ShowAllOptionsOffersMarkAndUndoToMark) {
  trigger("DebugX(7)");
  EXPECT_TRUE(checked("DebugX(7)"));
  for (auto n : {"MenEditMark", "MenEditUndo", "MenPageSh", "MenProjPages"})
    EXPECT_TRUE(w->menuItem(n)->isVisible()) << n;
  // Mark, draw a line, Undo to Mark: the line is gone.
  trigger("MenEditMark");
  const int marked = w->list().NumPoints;
  click({20, 20});
  dbl({60, 40});
  ASSERT_GT(w->list().NumPoints, marked);
  trigger("MenEditUndo");
  EXPECT_EQ(w->list().NumPoints, marked);
  trigger("DebugX(7)");
  EXPECT_FALSE(checked("DebugX(7)") || w->menuItem("MenEditMark")->isVisible());
}

// Paint-only mode hides what belongs to symmetries; in show mode the switch
// does nothing, not even to the caption.
TEST_F(SpecialMenu, PaintOnlyHidesTheSymmetryMenusButNotInShowMode) {
  EXPECT_EQ(w->windowTitle(), "Ornivale");
  trigger("DebugX(8)");
  EXPECT_EQ(w->editor().PaintOnlyMode, -1);
  EXPECT_EQ(w->windowTitle(), "Paint Program");
  EXPECT_FALSE(w->menuItem("MenSym")->isVisible() || w->menuItem("Gallery")->isVisible());
  EXPECT_TRUE(checked("Yellow"));
  trigger("DebugX(8)");
  EXPECT_EQ(w->editor().PaintOnlyMode, 0);
  EXPECT_EQ(w->windowTitle(), "Ornivale");
  EXPECT_TRUE(w->menuItem("MenSym")->isVisible() && w->menuItem("Gallery")->isVisible());

  trigger("Gallery");
  ASSERT_TRUE(w->showMode());
  const QString caption = w->windowTitle();
  trigger("DebugX(8)");
  EXPECT_EQ(w->editor().PaintOnlyMode, 0);
  EXPECT_EQ(w->windowTitle(), caption);
}

}  // namespace
}  // namespace orn::test
