// The slide-show lists on real folders of pictures written by the program's
// own saver, and the order in which a show steps through them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/picture_test_support.h"
#include "shell/sample_pictures.h"
#include "shell/slide_show.h"

namespace orn {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::SaveLinePicture;
using test::ScratchFolder;
using test::WriteBytes;

TEST(SlideShow, TheProgramsShowHasEveryFinishedSampleOnceInItsFixedOrder) {
  const auto list = StandardShowList();
  ASSERT_EQ(list.size(), 25u);
  std::set<std::string> expected;
  for (int n = 1; n <= 6; ++n)
    for (std::string kind : {"ovpp", "ovro", "ovte"}) expected.insert(kind.append(std::to_string(n)).append("a"));
  for (int n = 1; n <= 7; ++n) expected.insert(std::string("ovmod").append(std::to_string(n)).append("a"));
  EXPECT_EQ(std::set<std::string>(list.begin(), list.end()), expected);
  EXPECT_EQ(SlidePath(1, "/prog/STATIC/", "/elsewhere", "ovmod4a"), fs::path("/prog/STATIC/OVMOD4A.PNT"));
}

// The user's show: every picture of the folder whatever the case of its
// name, never the colours picture, and for the titled show only pictures
// with a real title. A file whose title cannot be read is left out of the
// titled show rather than breaking it.
TEST(SlideShow, TheUsersShowTakesThePicturesOfTheFolderAndTheTitledShowOnlyRealTitles) {
  ScratchFolder dir;
  SaveLinePicture(dir.path("sunrise.pnt"), kWhite, "Sunrise over the Bay");
  SaveLinePicture(dir.path("PLAIN.PNT"));
  SaveLinePicture(dir.path("Unnamed.PNT"), kWhite, "<UnNamed>");
  SaveLinePicture(dir.path("blank.PNT"), kWhite, "   ");
  SaveLinePicture(dir.path("Made.Pnt"), kWhite, "picture - 3");
  SaveLinePicture(dir.path("Colors.PNT"), kWhite, "The colours");
  WriteBytes(dir.path("short.PNT"), Bytes().fs({32100, 32100, 65}).b);
  WriteBytes(dir.path("odd.PNT"), Bytes().fs({32100, 32100, 300}).zeros(39).fs({1, 0}).b);
  SaveLinePicture(dir.path("notes.txt"), kWhite, "Not a picture");

  auto all = UserShowList(dir.dir(), false);
  std::sort(all.begin(), all.end());
  EXPECT_EQ(all, (std::vector<std::string>{"Made", "PLAIN", "Unnamed", "blank", "odd", "short", "sunrise"}));
  EXPECT_EQ(UserShowList(dir.dir(), true), std::vector<std::string>{"sunrise"});
  EXPECT_EQ(SlidePath(2, "/prog/STATIC/", dir.dir(), "sunrise"), dir.path("sunrise.PNT"));
}

TEST(SlideShow, ATitleKeepsItsFortyCharactersAndAShowAtMostFiveHundredAndOnePictures) {
  ScratchFolder dir;
  const std::string fifty = "An evening by the sea with gulls, boats and a tide";
  ASSERT_EQ(fifty.size(), 50u);
  SaveLinePicture(dir.path("long.PNT"), kWhite, fifty);
  // The first forty characters, the blank that ends them trimmed.
  EXPECT_EQ(PictureFileTitle(dir.path("long.PNT")), "An evening by the sea with gulls, boats");
  SaveLinePicture(dir.path("none.PNT"));
  EXPECT_EQ(PictureFileTitle(dir.path("none.PNT")), std::nullopt);

  ScratchFolder many;
  for (int i = 0; i < 505; ++i) WriteBytes(many.path(std::to_string(i) + ".pnt"), Bytes().f(1).b);
  EXPECT_EQ(UserShowList(many.dir(), false).size(), std::size_t(kMaxSlides));
}

// The show goes round after its last slide, passes over slides whose file
// has gone, and has nothing to show when no file is left.
TEST(SlideShow, TheNextSlideWrapsAndPassesOverMissingFiles) {
  EXPECT_EQ(NextSlide(0, 2), 1);
  EXPECT_EQ(NextSlide(2, 2), 0);
  EXPECT_EQ(NextSlide(0, 0), 0) << "a show of one picture shows it again";
  const std::vector<bool> there = {true, false, false, true};
  auto exists = [&](int i) { return bool(there[std::size_t(i)]); };
  EXPECT_EQ(FindSlide(1, 3, exists), 3);
  EXPECT_EQ(FindSlide(NextSlide(3, 3), 3, exists), 0);
  EXPECT_EQ(FindSlide(0, 3, [](int) { return false; }), std::nullopt);
  EXPECT_EQ(FindSlide(0, -1, exists), std::nullopt) << "an empty show";
}

}  // namespace
}  // namespace orn
