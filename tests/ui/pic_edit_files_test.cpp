// The File menu through the real menu actions and what only the window shows
// of it: captions, message boxes, the loading window, the recent-file items,
// the tools after New, and the window state and canvas size a load brings.
#include <QAction>
#include <QLabel>

#include "canvas/picture_commands.h"
#include "canvas/tools.h"
#include "canvas/ui/form_layout.h"
#include "canvas/ui/sym_p_load.h"
#include "model/picture_file.h"
#include "model/record_codes.h"
#include "platform/canvas_widget.h"
#include "support/watched_fifo.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

// A polyline as the tools leave it.
void addPolyline(DrawingList& list) { AddShape(list, kTypePolyLine, {{100, 40}, {200, 80}, {250, 180}}); }

class PicEditFiles : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(729, 664);
    addPolyline(w->list());
    keepPicture();
  }
  // Remembers the open picture as changed, for expectPictureKept.
  void keepPicture() {
    w->editor().PicChanged = true;
    n = w->list().NumPoints;
    kept = EntriesOf(w->list(), 0, n);
  }
  void expectPictureKept(const std::string& why) {
    ASSERT_EQ(w->list().NumPoints, n) << why;
    EXPECT_EQ(EntriesOf(w->list(), 0, n), kept) << why;
  }
  int inkedPixels() const { return PixelsOf(w->canvasSurface(), kBlack); }
  int n = 0;
  Entries kept;
};

TEST_F(PicEditFiles, RefusedFileIsReportedAndLeavesTheOpenPictureAndCaptionAsTheyWere) {
  const std::string good = path("GOOD.PNT");
  saveAs(good);
  AddShape(w->list(), kTypeCircle2, {{100, 300}, {140, 300}});  // changed again, and not saved: the open picture differs from the file
  keepPicture();
  const QString caption = w->windowTitle();
  std::vector<std::uint8_t> whole = ReadBytes(good);
  const std::string cut = path("CUT.PNT"), words = path("NOTES.PNT"), pipe = path("PIPE.PNT");
  whole.resize(whole.size() - 8);
  WriteBytes(cut, whole);
  std::ofstream(words) << "This is not a picture at all, just some words.\n";
  // A FIFO is refused as a damaged file is, and never waited on.
  WatchedFifo fifo(pipe);
  ASSERT_TRUE(fifo.made());

  for (const std::string& p : {cut, words, pipe}) {
    SCOPED_TRACE(p);
    host.boxes.clear();
    host.answers = {MsgResult::No};  // the offer to save the changed picture first
    w->file().LoadOption = kLoadEraseColours;
    load(p);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].text, "Save Changes to " + good);
    EXPECT_EQ(host.boxes[1].title, "Load Picture");
    EXPECT_EQ(host.boxes[1].buttons, MsgButtons::OK);
    EXPECT_FALSE(host.boxes[1].text.empty());
    expectPictureKept(p);
    EXPECT_EQ(w->windowTitle(), caption);
    EXPECT_EQ(w->file().FileName, good);
    EXPECT_TRUE(w->editor().PicChanged);
    EXPECT_EQ(w->file().LoadOption, kLoadNormal);
    EXPECT_TRUE(w->loadWindow()->isHidden());
  }
  EXPECT_EQ(host.boxes[1].text, "\"PIPE.PNT\" cannot be loaded: it is not an ordinary file.");
  EXPECT_FALSE(fifo.openedForReading());
}

TEST_F(PicEditFiles, FileCommandsWaitWhileALoadLetsEventsRun) {
  const std::string file = path("ONE.PNT");
  saveAs(file);
  int pumps = 0;  // clicks on the File menu while the loading window is painted
  host.onPump = [&] {
    ++pumps;
    w->menus().menuItem("MenFileLoad(0)")->trigger();
    w->menus().menuItem("MenFileNew")->trigger();
  };
  dialogs.opens = {file, file};
  trigger("MenFileLoad(0)");
  host.onPump = nullptr;
  EXPECT_GT(pumps, 0);
  EXPECT_EQ(dialogs.openRequests.size(), 1u);
  EXPECT_EQ(w->file().FileName, file);
  expectPictureKept("loaded once");
}

TEST_F(PicEditFiles, RecentFilesAtTheFootOfTheFileMenuLoadWithCaptionAndSettings) {
  EXPECT_FALSE(w->menus().menuItem("FName(0)")->isVisible());
  w->draw().LineWidth = 3;
  const std::string a = path("A.PNT");
  dialogs.saves = {a, path("B.PNT")};
  trigger("MenFileSaveAs");
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  A");
  EXPECT_FALSE(w->editor().PicChanged);
  EXPECT_EQ(dialogs.saveRequests.at(0).title, "Save Picture As");
  trigger("MenFileSaveAs");
  EXPECT_TRUE(w->menus().menuItem("FName(0)")->text().endsWith("B.PNT"));
  EXPECT_TRUE(w->menus().menuItem("FName(1)")->isVisible());
  EXPECT_TRUE(w->menus().menuItem("FName(1)")->text().endsWith("A.PNT"));
  EXPECT_FALSE(w->menus().menuItem("FName(2)")->isVisible());

  trigger("MenFileNew");
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  <UnNamed>");
  EXPECT_EQ(inkedPixels(), 0);
  w->draw().LineWidth = 1;
  // Choosing the older one loads it, with the loading window up and naming
  // the file meanwhile, and moves it to the top.
  std::vector<std::string> loadingCaptions;
  host.onPump = [&] {
    if (w->loadWindow()->isVisible()) loadingCaptions.push_back(w->loadWindow()->windowTitle().toStdString());
  };
  trigger("FName(1)");
  host.onPump = nullptr;
  ASSERT_FALSE(loadingCaptions.empty());
  EXPECT_EQ(loadingCaptions.front(), "Loading " + a);
  EXPECT_TRUE(w->loadWindow()->isHidden());
  EXPECT_TRUE(host.boxes.empty()) << host.boxes.front().text;
  EXPECT_EQ(w->file().FileName, a);
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  A");
  expectPictureKept("recent");
  EXPECT_GT(inkedPixels(), 100);
  EXPECT_EQ(w->menus().menuItem("MenOptionsLine")->text().toStdString(), "&Line Width 3...");
  EXPECT_TRUE(w->menus().menuItem("FName(0)")->text().endsWith("A.PNT"));
  EXPECT_TRUE(w->file().PicturePath.empty());
  EXPECT_FALSE(w->file().LoadingRecent);
}

TEST_F(PicEditFiles, NewPictureStartsWithThePolyLineToolAndNoDuplicateButton) {
  chooseTool(kToolAdjustPoints);
  ASSERT_EQ(w->editor().CurDrawType, kToolAdjustPoints);
  w->tools().DrawType(kToolDuplicate)->show();
  host.answers = {MsgResult::No};
  trigger("MenFileNew");
  EXPECT_EQ(w->list().NumPoints, 0);
  EXPECT_EQ(w->editor().CurDrawType, kToolPolyLine);
  EXPECT_TRUE(w->tools().DrawType(kToolDuplicate)->isHidden());
}

// New in an editor opened on a picture brings that picture back, and gives
// an empty canvas when Ctrl is held as the item is chosen: the key counts as
// it was then, not as it is once the offer to save is answered.
TEST_F(PicEditFiles, CtrlHeldAsNewIsChosenGivesAnEmptyCanvasWhateverItIsAtTheAnswer) {
  const std::string start = path("START.PNT");
  saveAs(start);
  w.reset();
  appState.PicturePath = start;
  appState.OpenForEditing = true;
  appState.StartMode = appState.SavedStartMode = kStartEdit;
  w = std::make_unique<PicEdit>(host, appState, &dialogs);
  w->show();
  w->start().LoadTimer_Timer();
  w->start().StartTimer_Timer();
  QApplication::processEvents();
  ASSERT_EQ(w->file().FileName, start);
  for (const bool ctrlAtChoice : {true, false}) {
    SCOPED_TRACE(ctrlAtChoice);
    chooseTool(kToolPolyLine);
    click({300, 300});
    dbl({400, 350});
    ASSERT_TRUE(w->editor().PicChanged);
    // The user lets the key go (or takes it) to answer No.
    host.ctrl = ctrlAtChoice;
    host.onBox = [&](const std::string&) { host.ctrl = !ctrlAtChoice; };
    host.answers = {MsgResult::No};
    trigger("MenFileNew");
    host.onBox = nullptr;
    host.ctrl = false;
    ASSERT_FALSE(host.boxes.empty());
    EXPECT_EQ(host.boxes.back().text.rfind("Save Changes to ", 0), 0u);
    if (ctrlAtChoice) {
      EXPECT_EQ(w->list().NumPoints, 0);
      EXPECT_EQ(w->file().FileName, kUnNamed);
      EXPECT_EQ(inkedPixels(), 0);
    } else {
      EXPECT_EQ(w->file().FileName, start);
      EXPECT_EQ(w->list().NumPoints, n) << "the start picture again";
    }
  }
}

// The line width and the spline switch a picture was saved with come back
// with it: in the menu caption, in the thickness of every line (loaded or
// drawn after), and in the switch's colour.
TEST_F(PicEditFiles, ALoadedPictureBringsItsLineWidthAndSplineSwitch) {
  w->draw().LineWidth = 3;
  w->picture().SplinePolyOn = true;
  saveAs(path("WIDE.PNT"));
  w->draw().LineWidth = 1;
  w->picture().SplinePolyOn = false;
  saveAs(path("THIN.PNT"));
  // Black pixels in the column x = 150 where the first segment crosses it.
  auto thickness = [&] {
    int k = 0;
    for (int y = 40; y <= 80; ++y) k += Rgb(w->canvasSurface().point(150, y)) == kBlack;
    return k;
  };
  for (const auto& [file, width] : {std::pair{"WIDE.PNT", 3}, {"THIN.PNT", 1}, {"WIDE.PNT", 3}}) {
    SCOPED_TRACE(file);
    load(path(file));
    EXPECT_EQ(w->menus().menuItem("MenOptionsLine")->text().toStdString(), "&Line Width " + std::to_string(width) + "...");
    EXPECT_EQ(thickness(), width);
    EXPECT_EQ(w->tools().SplinePoly->backColor(), width == 3 ? 0x0000FFu : kToolButtonDrawing);
  }
  chooseTool(kToolPolyLine);
  click({300, 300});
  click({400, 300});
  dbl({400, 300});
  int thick = 0;
  for (int y = 290; y <= 310; ++y) thick += Rgb(w->canvasSurface().point(350, y)) == kBlack;
  EXPECT_EQ(thick, 3);
  EXPECT_TRUE(w->canvasSurface() == redrawn());
}

TEST_F(PicEditFiles, ShowModeKeepsATitledSampleUnderItsNameWithItsTitleAsCaption) {
  w->picture().PictureTitle = "Blue Rose";
  std::filesystem::create_directories(dir / "STATIC");
  const std::string sample = path("STATIC/OVROSE.PNT");
  saveAs(sample);
  ASSERT_TRUE(std::filesystem::exists(sample));
  w->picture().PictureTitle.clear();

  w->menus().menuItem("Gallery")->setChecked(true);
  ASSERT_TRUE(w->showMode());
  w->files().LoadPicture(sample);
  EXPECT_EQ(w->windowTitle().toStdString(), "Blue Rose");
  EXPECT_EQ(w->picture().PictureTitle, "Blue Rose");
  EXPECT_EQ(w->file().FileName, sample);
}

TEST_F(PicEditTest, SavingWhileALineIsDrawnClosesItAsADoubleClickWould) {
  setInnerSize(800, 600);
  chooseTool(kToolPolyLine);
  for (QPoint p : {QPoint(20, 20), QPoint(100, 20), QPoint(100, 90)}) click(p);
  ASSERT_TRUE(w->list().recordOpen());  // the moving end point repeats the last click
  const std::string file = path("OPEN.PNT");
  saveAs(file);
  const auto read = ReadPictureFile(file);
  ASSERT_TRUE(read.ok()) << read.error->message;
  // Header, slot, "Begin Data", three points, end marker: the repeat is gone.
  EXPECT_EQ(read.value->g0, (std::vector<float>{20001, 0, 20077, 20, 100, 100, 20099}));
  EXPECT_EQ(read.value->g1, (std::vector<float>{3, 0, 5, 20, 20, 90, 0}));
  EXPECT_FALSE(w->list().recordOpen());
  EXPECT_EQ(w->list().NumPoints, 6);
}

// A picture saved from a normal window loads into a maximised one: the window
// takes the picture's state, and the layouts that change brings about later
// leave the canvas at the stored size, so no point is rescaled and saving
// again leaves the file as it was.
TEST_F(PicEditTest, PictureSavedInANormalWindowLoadsIntoAMaximisedOneWithItsCanvasKept) {
  w->showMaximized();
  QApplication::processEvents();
  if (!w->isMaximized()) GTEST_SKIP() << "the platform does not maximise windows";
  const QSize full = w->size();
  w->showNormal();
  QApplication::processEvents();
  setInnerSize(729, 544);
  // A normal window as large as the maximised one, keeping a smaller canvas.
  w->layout().PageAspect = kAspectFromCanvas;
  w->resize(full);
  QApplication::processEvents();
  ASSERT_EQ(w->size(), full);
  ASSERT_EQ(w->Picture1->size(), QSize(600, 480));
  DrawingList& list = w->list();
  addPolyline(list);
  w->editor().PicChanged = true;
  const int n = list.NumPoints;
  const Entries before = EntriesOf(list, 0, n);
  const std::string file = path("NORMAL.PNT");
  saveAs(file);
  const auto saved = ReadBytes(file);
  ASSERT_FALSE(saved.empty());

  w->showMaximized();
  QApplication::processEvents();
  ASSERT_TRUE(w->isMaximized());
  load(file);
  for (int i = 0; i < 5; ++i) QApplication::processEvents();  // every layout the load asked for
  EXPECT_FALSE(w->isMaximized());
  EXPECT_EQ(w->Picture1->size(), QSize(600, 480));
  EXPECT_EQ(QSize(w->canvasSurface().width(), w->canvasSurface().height()), QSize(600, 480));
  ASSERT_EQ(list.NumPoints, n);
  EXPECT_EQ(EntriesOf(list, 0, n), before);
  EXPECT_FALSE(w->layout().FitOnResize);

  // Saving under its own name asks nothing and writes the same bytes.
  trigger("MenFileSave");
  EXPECT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(ReadBytes(file), saved);
  // A later resize by the user lays the window out again as usual.
  setInnerSize(1029, 784);
  EXPECT_EQ(w->Picture1->size(), QSize(900, 720));
}

}  // namespace
}  // namespace orn::test
