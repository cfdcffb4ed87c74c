// The four recent-file items at the foot of the File menu: each one, the
// newest and the oldest included, loads its own picture and brings it to the
// top, and the captions follow the list.
#include <QAction>

#include "model/record_codes.h"
#include "ui/pic_edit_fixture.h"

namespace orn::test {
namespace {

class RecentFiles : public PicEditTest {
 protected:
  void SetUp() override {
    PicEditTest::SetUp();
    setInnerSize(729, 664);
    // Pictures in the current folder are listed by their bare names.
    std::filesystem::current_path(dir);
    // Four pictures, each a line longer than the last, saved A to D: the
    // menu lists them D, C, B, A.
    for (int k = 0; k < 4; ++k) {
      AddShape(w->list(), kTypePolyLine, {{40.0f + 30 * k, 40}, {60.0f + 30 * k, 200}, {80.0f + 30 * k, 60}});
      const std::string name = std::string(1, char('A' + k)) + ".PNT";
      saveAs(path(name));
      saved[name] = LiveEntries(w->list());
    }
  }
  // The recent-file items show these names, in order, and the list holds
  // their paths.
  void expectItems(const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < 4; ++i) {
      const QAction* item = w->menus().menuItem("FName(" + std::to_string(i) + ")");
      EXPECT_TRUE(item->isVisible()) << i;
      EXPECT_EQ(item->text().toStdString(), names[i]) << i;
      EXPECT_EQ(w->file().RecentFiles[i], path(names[i])) << i;
    }
  }
  std::map<std::string, Entries> saved;
};

TEST_F(RecentFiles, EachItemFromTheNewestToTheOldestLoadsItsOwnPictureAndBringsItToTheTop) {
  expectItems({"D.PNT", "C.PNT", "B.PNT", "A.PNT"});
  trigger("MenFileNew");
  const struct {
    int item;
    const char* loads;
    std::vector<std::string> after;
  } clicks[] = {
      {0, "D.PNT", {"D.PNT", "C.PNT", "B.PNT", "A.PNT"}},  // the newest: the list stays
      {3, "A.PNT", {"A.PNT", "D.PNT", "C.PNT", "B.PNT"}},  // the oldest
      {1, "D.PNT", {"D.PNT", "A.PNT", "C.PNT", "B.PNT"}},
      {2, "C.PNT", {"C.PNT", "D.PNT", "A.PNT", "B.PNT"}},
      {3, "B.PNT", {"B.PNT", "C.PNT", "D.PNT", "A.PNT"}},
  };
  for (const auto& c : clicks) {
    SCOPED_TRACE(::testing::Message() << "FName(" << c.item << ")");
    trigger("FName(" + std::to_string(c.item) + ")");
    EXPECT_TRUE(host.boxes.empty()) << host.boxes.front().text;
    EXPECT_EQ(w->file().FileName, path(c.loads));
    EXPECT_EQ(w->windowTitle().toStdString(), std::string("Picture  -  ") + c.loads[0]);
    EXPECT_EQ(LiveEntries(w->list()), saved[c.loads]);
    expectItems(c.after);
    EXPECT_FALSE(w->file().LoadingRecent);
  }
}

// A menu takes a tab in an item's text as the start of its shortcut label
// and an ampersand as a shortcut mark: a name holding either shows whole,
// the tab as a space, and the item still loads the file of that name.
TEST_F(RecentFiles, ANameWithATabOrAnAmpersandShowsWholeAndLoadsItsPicture) {
  const std::string name = "Rose\tof Tom & Ann.PNT";
  saveAs(path(name));
  const QAction* item = w->menus().menuItem("FName(0)");
  EXPECT_FALSE(item->text().contains('\t'));
  EXPECT_EQ(item->text().toStdString(), "Rose of Tom && Ann.PNT");
  trigger("MenFileNew");
  trigger("FName(0)");
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(w->file().FileName, path(name));
}

}  // namespace
}  // namespace orn::test
