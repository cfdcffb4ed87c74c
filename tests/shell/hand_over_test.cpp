// The main menu's rules: mode x art type x sample -> file, view and load option.
#include <gtest/gtest.h>

#include "canvas/picture_commands.h"
#include "shell/app_state.h"
#include "shell/hand_over.h"

namespace orn {
namespace {

const std::string kStatic = "/data/STATIC/";

TEST(HandOver, ModeAndArtTypeDecideFileViewAndLoadOption) {
  struct Case {
    int art, index, mode;
    const char* file;
    bool editing;
    int option;
  };
  const Case cases[] = {
      {kArtPattern, 0, kStartDisplay, "OVPP1A.PNT", false, kLoadNormal},
      {kArtPattern, 5, kStartEdit, "OVPP6A.PNT", true, kLoadNormal},
      {kArtPattern, 3, kStartRedraw, "OVPP4A.PNT", true, kLoadEraseColours},
      {kArtRose, 0, kStartRedraw, "OVRO1A.PNT", true, kLoadReCreate},
      {kArtDrawing, 3, kStartRedraw, "OVTE4A.PNT", true, kLoadReCreate},
      {kArtModel, 0, kStartDisplay, "OVMOD4A.PNT", false, kLoadNormal},
      {kArtModel, 6, kStartRepaint, "OVMOD1A.PNT", true, kLoadNormal},
      {kArtModel, 2, kStartRedraw, "OVMOD6D.PNT", true, kLoadNormal},
      {kArtModel, 10, kStartDisplay, "OVXOWL4.PNT", false, kLoadNormal},
      {kArtModel, 10, kStartRedraw, "OVMOD4D.PNT", true, kLoadNormal},
      {kArtModel, 12, kStartRedraw, "OVMOD3D.PNT", true, kLoadNormal},
      {kArtModel, 15, kStartRedraw, "OVMOD5D.PNT", true, kLoadNormal},
      {kArtModel, 16, kStartRedraw, "OVMOD1D.PNT", true, kLoadNormal},
  };
  for (const Case& c : cases) {
    const auto h = SampleHandOver(c.art, c.index, c.mode, kStatic);
    ASSERT_TRUE(h) << c.file;
    EXPECT_EQ(h->PicturePath, kStatic + c.file);
    EXPECT_EQ(h->OpenForEditing, c.editing) << c.file;
    EXPECT_EQ(h->LoadOption, c.option) << c.file;
  }
}

TEST(HandOver, IndexesOutsideTheTablesOpenNothing) {
  for (auto [art, index] : {std::pair{kArtPattern, 6}, {kArtRose, -1}, {kArtModel, 7}, {kArtModel, 17}, {4, 0}})
    EXPECT_FALSE(SampleHandOver(art, index, kStartEdit, kStatic)) << art << " " << index;
}

TEST(HandOver, CaptionsNameTheArtAndTheModeInLowerCase) {
  EXPECT_EQ(ModeArtCaption(ArtWord(1)), "Roses");
  EXPECT_EQ(MainMsgCaption(ArtWord(1), ModeWord(3)), "Click on the rose below that you want to redraw");
  // The rows take the two lowest bits of what they are given.
  EXPECT_STREQ(ModeWord(5), "Edit");
  EXPECT_STREQ(ArtWord(6), "Drawing");
  EXPECT_STREQ(ArtWord(-1), "Model");
}

}  // namespace
}  // namespace orn
