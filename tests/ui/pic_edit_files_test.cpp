// The File menu through the real menu actions: saving writes a file that
// loading reads back, a bad file is refused without harm, a failed save is
// reported with a chance to try again, and the recent files are offered.
#include <QAction>
#include <QLabel>

#include "canvas/ui/sym_p_load.h"
#include "model/picture_file.h"
#include "model/picture_io.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

class PicEditFiles : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(729, 664);
    // A polyline and a circle, as drawing leaves them.
    DrawingList& list = w->list();
    ASSERT_TRUE(list.CreateItem(1, 1, 100.0f, 40.0f));
    ASSERT_TRUE(list.AddPoint(200.0f, 80.0f, 1));
    ASSERT_TRUE(list.AddPoint(250.0f, 180.0f, 1));
    ASSERT_TRUE(list.closeRecord());
    ASSERT_TRUE(list.CreateItem(3, 0, 300.0f, 300.0f));
    ASSERT_TRUE(list.AddPoint(340.0f, 300.0f, 3));
    ASSERT_TRUE(list.closeRecord());
    w->editor().PicChanged = true;
    n = list.NumPoints;
    g0 = entries(list.G0, n);
    g1 = entries(list.G1, n);
  }
  void expectPictureKept(const std::string& why) {
    ASSERT_EQ(w->list().NumPoints, n) << why;
    EXPECT_EQ(entries(w->list().G0, n), g0) << why;
    EXPECT_EQ(entries(w->list().G1, n), g1) << why;
  }
  int inkedPixels() const {
    const Surface& s = w->canvasSurface();
    int count = 0;
    for (int y = 0; y < s.height(); ++y)
      for (int x = 0; x < s.width(); ++x) count += s.row(y)[x] != s.backColor();
    return count;
  }
  int n = 0;
  std::vector<float> g0, g1;
};

TEST_F(PicEditFiles, SavedPictureLoadsBackThroughTheMenusAndSavesAgainByteForByte) {
  w->draw().LineWidth = 3;
  const std::string file = path("ROSE.PNT");
  saveAs(file);
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  ROSE");
  EXPECT_FALSE(w->editor().PicChanged);
  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs.saveRequests[0].title, "Save Picture As");

  trigger("MenFileNew");
  EXPECT_EQ(w->list().NumPoints, 0);
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  <UnNamed>");
  EXPECT_EQ(inkedPixels(), 0);
  w->draw().LineWidth = 1;

  // While the file is read the loading window is up and names the file.
  std::vector<std::string> loadingCaptions;
  host.onPump = [&] {
    if (w->loadWindow()->isVisible()) loadingCaptions.push_back(w->loadWindow()->windowTitle().toStdString());
  };
  load(file);
  host.onPump = nullptr;
  ASSERT_FALSE(loadingCaptions.empty());
  EXPECT_EQ(loadingCaptions.front(), "Loading " + file);
  EXPECT_GT(inkedPixels(), 100);
  EXPECT_TRUE(host.boxes.empty()) << host.boxes.front().text;
  expectPictureKept("loaded");
  EXPECT_EQ(w->draw().LineWidth, 3);
  EXPECT_EQ(w->menuItem("MenOptionsLine")->text().toStdString(), "&Line Width 3...");
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  ROSE");
  EXPECT_EQ(w->file().LoadOption, kLoadNormal);
  EXPECT_TRUE(w->loadWindow()->isHidden());

  // Saving again under its own name asks nothing and writes the same bytes.
  const auto first = bytesOf(file);
  trigger("MenFileSave");
  EXPECT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(bytesOf(file), first);
}

TEST_F(PicEditFiles, RefusedFileLeavesTheOpenPictureAndCaptionAsTheyWere) {
  const std::string good = path("GOOD.PNT");
  saveAs(good);
  // Changed again, and not saved: the open picture differs from the file.
  ASSERT_TRUE(w->list().CreateItem(3, 0, 100.0f, 300.0f));
  ASSERT_TRUE(w->list().AddPoint(140.0f, 300.0f, 3));
  ASSERT_TRUE(w->list().closeRecord());
  w->editor().PicChanged = true;
  n = w->list().NumPoints;
  g0 = entries(w->list().G0, n);
  g1 = entries(w->list().G1, n);
  const QString caption = w->windowTitle();

  // The saved file cut short at several lengths, and a file of text.
  const auto whole = bytesOf(good);
  std::vector<std::string> bad;
  for (std::size_t len : {std::size_t(0), std::size_t(3), std::size_t(56), whole.size() - 8}) {
    bad.push_back(path("CUT" + std::to_string(len) + ".PNT"));
    std::ofstream(bad.back(), std::ios::binary).write(whole.data(), std::streamsize(len));
  }
  bad.push_back(path("NOTES.PNT"));
  std::ofstream(bad.back()) << "This is not a picture at all, just some words.\n";

  for (const std::string& p : bad) {
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
}

TEST_F(PicEditFiles, FileCommandsWaitWhileALoadLetsEventsRun) {
  const std::string file = path("ONE.PNT");
  saveAs(file);
  int pumps = 0;  // clicks on the File menu while the loading window is painted
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
  expectPictureKept("loaded once");
}

TEST_F(PicEditFiles, FailedSaveIsReportedRetryTriesAgainAndAbortEndsTheProgram) {
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
  EXPECT_EQ(dialogs.saveRequests.size(), 2u);  // Retry ran the command again, dialog and all
  EXPECT_EQ(w->file().FileName, kUnNamed);
  EXPECT_TRUE(w->editor().PicChanged);
  EXPECT_EQ(w->windowTitle().toStdString(), "Ornivale");
  EXPECT_EQ(programEnds, 0);

  dialogs.saves = {target};
  host.answers = {MsgResult::Abort};
  trigger("MenFileSaveAs");
  EXPECT_EQ(programEnds, 1);
}

TEST_F(PicEditFiles, RecentFilesAreOfferedAtTheFootOfTheFileMenu) {
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(w->menuItem("FName(" + std::to_string(i) + ")")->isVisible());
  const std::string a = path("A.PNT");
  dialogs.saves = {a, path("B.PNT")};
  trigger("MenFileSaveAs");
  trigger("MenFileSaveAs");
  EXPECT_TRUE(w->menuItem("FName(0)")->isVisible());
  EXPECT_TRUE(w->menuItem("FName(1)")->isVisible());
  EXPECT_FALSE(w->menuItem("FName(2)")->isVisible());
  EXPECT_TRUE(w->menuItem("FName(0)")->text().endsWith("B.PNT"));
  EXPECT_TRUE(w->menuItem("FName(1)")->text().endsWith("A.PNT"));

  // Choosing the older one loads it and moves it to the top.
  trigger("MenFileNew");
  trigger("FName(1)");
  EXPECT_EQ(w->file().FileName, a);
  EXPECT_EQ(w->windowTitle().toStdString(), "Picture  -  A");
  expectPictureKept("recent");
  EXPECT_TRUE(w->menuItem("FName(0)")->text().endsWith("A.PNT"));
  EXPECT_TRUE(w->file().PicturePath.empty());
  EXPECT_FALSE(w->file().LoadingRecent);
}

TEST_F(PicEditFiles, CancelledDialogsAndQuestionsKeepTheChangedPicture) {
  host.answers = {MsgResult::Cancel};
  trigger("MenFileNew");
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "Save Changes to <UnNamed>");
  EXPECT_EQ(host.boxes[0].title, "Symmetry");
  expectPictureKept("New cancelled");

  w->editor().PicChanged = false;
  load("");  // the dialog cancelled
  expectPictureKept("Load cancelled");
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(w->windowTitle().toStdString(), "Ornivale");

  w->editor().PicChanged = true;
  host.answers = {MsgResult::No};
  trigger("MenFileNew");
  EXPECT_EQ(w->list().NumPoints, 0);
  EXPECT_FALSE(w->editor().PicChanged);
}

}  // namespace
}  // namespace orn::test
