// The File menu through the real menu actions: saving writes a file that
// loading reads back, a bad file is refused without harm, a failed save is
// reported with a chance to try again, and the recent files are offered.
#include <QAction>
#include <QLabel>

#include <fstream>

#include "model/picture_file.h"
#include "canvas/ui/sym_p_load.h"
#include "model/picture_io.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

// A picture with a polyline and a circle, as drawing leaves it.
void drawSomething(PicEdit& w) {
  DrawingList& list = w.list();
  ASSERT_TRUE(list.CreateItem(1, 1, 100.0f, 40.0f));
  ASSERT_TRUE(list.AddPoint(200.0f, 80.0f, 1));
  ASSERT_TRUE(list.AddPoint(250.0f, 180.0f, 1));
  ASSERT_TRUE(list.closeRecord());
  ASSERT_TRUE(list.CreateItem(3, 0, 300.0f, 300.0f));
  ASSERT_TRUE(list.AddPoint(340.0f, 300.0f, 3));
  ASSERT_TRUE(list.closeRecord());
  w.editor().PicChanged = true;
}

std::vector<float> entries(const std::vector<float>& g, int n) {
  return std::vector<float>(g.begin(), g.begin() + n + 1);
}

// Pixels of the canvas that are not the background.
int inkedPixels(const Surface& s) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) n += s.row(y)[x] != s.backColor();
  return n;
}

std::vector<char> bytesOf(const std::string& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

TEST_F(PicEditTest, SavedPictureLoadsBackThroughTheMenus) {
  setInnerSize(729, 664);
  drawSomething(*w);
  w->draw().LineWidth = 3;
  const int n = w->list().NumPoints;
  const auto g0 = entries(w->list().G0, n);
  const auto g1 = entries(w->list().G1, n);

  const std::string file = path("ROSE.PNT");
  dialogs.saves = {file};
  trigger("MenFileSaveAs");
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  ROSE");
  EXPECT_FALSE(w->editor().PicChanged);
  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs.saveRequests[0].title, "Save Picture As");

  // A new picture, then the saved one again.
  trigger("MenFileNew");
  EXPECT_EQ(w->list().NumPoints, 0);
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  <UnNamed>");
  EXPECT_EQ(inkedPixels(w->canvasSurface()), 0);
  w->draw().LineWidth = 1;

  // While the file is read the loading window is up and names the file.
  std::vector<std::string> loadingCaptions;
  host.onPump = [&] {
    if (w->loadWindow()->isVisible())
      loadingCaptions.push_back(w->loadWindow()->windowTitle().toStdString());
  };
  dialogs.opens = {file};
  trigger("MenFileLoad(0)");
  host.onPump = nullptr;
  ASSERT_FALSE(loadingCaptions.empty());
  EXPECT_EQ(loadingCaptions.front(), "Loading " + file);
  // The loaded picture is drawn on the canvas.
  EXPECT_GT(inkedPixels(w->canvasSurface()), 100);
  EXPECT_TRUE(host.boxes.empty()) << host.boxes.front().text;
  ASSERT_EQ(w->list().NumPoints, n);
  EXPECT_EQ(entries(w->list().G0, n), g0);
  EXPECT_EQ(entries(w->list().G1, n), g1);
  EXPECT_EQ(w->draw().LineWidth, 3);
  EXPECT_EQ(w->menuItem("MenOptionsLine")->text().toStdString(), "&Line Width 3...");
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  ROSE");
  EXPECT_EQ(w->file().LoadOption, kLoadNormal);
  EXPECT_TRUE(w->loadWindow()->isHidden());

  // Saving it again under its own name asks nothing and writes the same bytes.
  const auto first = bytesOf(file);
  trigger("MenFileSave");
  EXPECT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(bytesOf(file), first);
}

TEST_F(PicEditTest, RefusedFileLeavesTheOpenPictureAndCaptionAsTheyWere) {
  setInnerSize(729, 664);
  drawSomething(*w);
  const std::string good = path("GOOD.PNT");
  dialogs.saves = {good};
  trigger("MenFileSaveAs");
  drawSomething(*w);  // changed again, and not saved
  const int n = w->list().NumPoints;
  const auto g0 = entries(w->list().G0, n);
  const auto g1 = entries(w->list().G1, n);
  const QString caption = w->windowTitle();

  // The saved file cut short at several lengths, and a file of text.
  const auto whole = bytesOf(good);
  std::vector<std::string> bad;
  for (std::size_t len : {std::size_t(0), std::size_t(3), std::size_t(56), whole.size() - 8}) {
    const std::string p = path("CUT" + std::to_string(len) + ".PNT");
    std::ofstream(p, std::ios::binary).write(whole.data(), std::streamsize(len));
    bad.push_back(p);
  }
  const std::string text = path("NOTES.PNT");
  std::ofstream(text) << "This is not a picture at all, just some words.\n";
  bad.push_back(text);

  for (const std::string& p : bad) {
    host.boxes.clear();
    // The changed picture is offered for saving first: No keeps it unsaved.
    host.answers = {MsgResult::No};
    w->file().LoadOption = kLoadEraseColours;
    dialogs.opens = {p};
    trigger("MenFileLoad(0)");
    ASSERT_EQ(host.boxes.size(), 2u) << p;
    EXPECT_EQ(host.boxes[0].text, "Save Changes to " + good);
    EXPECT_EQ(host.boxes[1].title, "Load Picture") << p;
    EXPECT_EQ(host.boxes[1].buttons, MsgButtons::OK);
    EXPECT_FALSE(host.boxes[1].text.empty());
    EXPECT_EQ(w->list().NumPoints, n) << p;
    EXPECT_EQ(entries(w->list().G0, n), g0) << p;
    EXPECT_EQ(entries(w->list().G1, n), g1) << p;
    EXPECT_EQ(w->windowTitle(), caption) << p;
    EXPECT_EQ(w->file().FileName, good) << p;
    EXPECT_TRUE(w->editor().PicChanged);
    EXPECT_EQ(w->file().LoadOption, kLoadNormal);
    EXPECT_TRUE(w->loadWindow()->isHidden());
  }
}

TEST_F(PicEditTest, FileCommandsWaitWhileALoadLetsEventsRun) {
  setInnerSize(729, 664);
  drawSomething(*w);
  const std::string file = path("ONE.PNT");
  dialogs.saves = {file};
  trigger("MenFileSaveAs");
  // A click on the File menu while the loading window is painted.
  int pumps = 0;
  host.onPump = [&] {
    ++pumps;
    w->menuItem("MenFileLoad(0)")->trigger();
    w->menuItem("MenFileNew")->trigger();
  };
  dialogs.opens = {file, file};
  trigger("MenFileLoad(0)");
  host.onPump = nullptr;
  EXPECT_GT(pumps, 0);
  EXPECT_EQ(dialogs.openRequests.size(), 1u);
  EXPECT_EQ(w->file().FileName, file);
  EXPECT_GT(w->list().NumPoints, 0);
}

TEST_F(PicEditTest, CancelledOpenDialogChangesNothing) {
  setInnerSize(729, 664);
  drawSomething(*w);
  w->editor().PicChanged = false;
  const int n = w->list().NumPoints;
  dialogs.opens = {""};
  trigger("MenFileLoad(0)");
  EXPECT_EQ(w->list().NumPoints, n);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(w->windowTitle().toStdString(), "Ornivale");
}

TEST_F(PicEditTest, FailedSaveIsReportedAndRetryTriesAgain) {
  setInnerSize(729, 664);
  drawSomething(*w);
  // A folder that cannot exist: its parent is a plain file.
  const std::string blocker = path("plain");
  std::ofstream(blocker) << "x";
  const std::string target = blocker + "/ROSE.PNT";
  dialogs.saves = {target, target};
  host.answers = {MsgResult::Retry, MsgResult::Ignore};
  trigger("MenFileSaveAs");
  ASSERT_EQ(host.boxes.size(), 2u);
  for (const ShownBox& b : host.boxes) {
    EXPECT_EQ(b.title, "Error Message");
    EXPECT_EQ(b.buttons, MsgButtons::AbortRetryIgnore);
    EXPECT_NE(b.text.find("in FileSaveC"), std::string::npos) << b.text;
  }
  // Retry ran the command again from its start, dialog and all.
  EXPECT_EQ(dialogs.saveRequests.size(), 2u);
  EXPECT_EQ(w->file().FileName, kUnNamed);
  EXPECT_TRUE(w->editor().PicChanged);
  EXPECT_EQ(w->windowTitle().toStdString(), "Ornivale");
  EXPECT_EQ(programEnds, 0);

  // Abort ends the program through the report.
  host.boxes.clear();
  dialogs.saves = {target};
  host.answers = {MsgResult::Abort};
  trigger("MenFileSaveAs");
  EXPECT_EQ(programEnds, 1);
}

TEST_F(PicEditTest, RecentFilesAreOfferedAtTheFootOfTheFileMenu) {
  setInnerSize(729, 664);
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(w->menuItem("FName(" + std::to_string(i) + ")")->isVisible());
  drawSomething(*w);
  const std::string a = path("A.PNT");
  const std::string b = path("B.PNT");
  dialogs.saves = {a, b};
  trigger("MenFileSaveAs");
  trigger("MenFileSaveAs");
  QAction* first = w->menuItem("FName(0)");
  QAction* second = w->menuItem("FName(1)");
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(second->isVisible());
  EXPECT_FALSE(w->menuItem("FName(2)")->isVisible());
  EXPECT_TRUE(first->text().endsWith("B.PNT"));
  EXPECT_TRUE(second->text().endsWith("A.PNT"));

  // Choosing the older one loads it and moves it to the top.
  trigger("MenFileNew");
  trigger("FName(1)");
  EXPECT_EQ(w->file().FileName, a);
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  A");
  EXPECT_GT(w->list().NumPoints, 0);
  EXPECT_TRUE(w->menuItem("FName(0)")->text().endsWith("A.PNT"));
  EXPECT_TRUE(w->file().PicturePath.empty());
  EXPECT_FALSE(w->file().LoadingRecent);
}

TEST_F(PicEditTest, NewOnAChangedPictureAsksAndCancelKeepsIt) {
  setInnerSize(729, 664);
  drawSomething(*w);
  const int n = w->list().NumPoints;
  host.answers = {MsgResult::Cancel};
  trigger("MenFileNew");
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "Save Changes to <UnNamed>");
  EXPECT_EQ(host.boxes[0].title, "Symmetry");
  EXPECT_EQ(w->list().NumPoints, n);

  host.answers = {MsgResult::No};
  trigger("MenFileNew");
  EXPECT_EQ(w->list().NumPoints, 0);
  EXPECT_FALSE(w->editor().PicChanged);
}

}  // namespace
}  // namespace orn::test
