// View files loaded through the load command: a new unnamed picture of one
// multi-line record, refused files that leave the open picture as it was,
// and the message for a view too big for the list.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "canvas/view_load.h"
#include "file_commands_fixture.h"
#include "model/view_file.h"
#include "model/view_file_test.h"

namespace orn {
namespace {

using test::Editor;
using test::MakeEditor;
using test::TwoLineView;
using test::ViewBytes;

// An open picture with a title, a name, pages, a restore view, a symmetry
// block, colours and settings that a view must not inherit.
std::unique_ptr<Editor> EditorWithAPicture() {
  auto e = MakeEditor();
  e->append({{20006, 2}, {20077, 5}, {0, 0}, {100, 0}, {100, 100}, {0, 100}, {20091, -2}, {20091, 1},
             {20092, 0}, {20010, 2}, {20077, 3}, {21305, 255}, {5, 5}});
  e->sym.SymStart = 6;
  e->sym.SymEnd = 7;
  e->pic.PictureTitle = "Rose window";
  e->file.FileName = "/pictures/ROSE.PNT";
  e->file.RecentFiles[0] = "/pictures/ROSE.PNT";
  e->editor.ProjPages = 3;
  e->editor.GridMode = 2;
  e->draw.LineWidth = 4;
  e->views.rows[6] = ViewRow{10, 10, 410, 10, 410, 310, 0, 0, 799, 0, 799, 599};
  SaveScale(e->views, 800, 600);
  e->hooks.colours = {{305, 255}};
  return e;
}

LoadOutcome ChooseInLoadPicture(Editor& e, const std::filesystem::path& p) {
  e.dialogs.opens.push_back(p.string());
  return FileLoadC(e.ctx, 0);
}

TEST(ViewLoad, AViewChosenInLoadPictureBecomesANewUnnamedPicture) {
  test::ScratchFolder folder;
  test::WriteBytes(folder.path("house.vew"), TwoLineView(true).bytes());
  auto e = EditorWithAPicture();
  const LoadOutcome out = ChooseInLoadPicture(*e, folder.path("house.vew"));
  ASSERT_EQ(out.status, CommandStatus::Done) << out.error;
  EXPECT_TRUE(out.report.viewFile);

  const std::vector<float> g0{20002, 20077, 4, 794, 794, 794, 20092, 20099};
  const std::vector<float> g1{2, 5, 1.5f, 1.5f, 1.5f, 396.5f, 0, 0};
  ASSERT_EQ(e->list.NumPoints, 7);
  EXPECT_EQ(e->list.ItemHead, 7);
  EXPECT_EQ(e->list.ItemFirst, 7);
  for (int i = 0; i <= 7; ++i) {
    EXPECT_NEAR(e->list.G0[i], g0[i], 1e-3) << i;
    EXPECT_NEAR(e->list.G1[i], g1[i], 1e-3) << i;
  }
  EXPECT_EQ(e->hooks.viewCanvasSet.width, 800);
  EXPECT_EQ(e->hooks.viewCanvasSet.height, 400);
  EXPECT_DOUBLE_EQ(e->hooks.viewCanvasSet.aspect, 0.5);

  // Nothing of the previous picture stays with the view.
  EXPECT_EQ(e->file.FileName, kUnNamed);
  EXPECT_EQ(e->pic.PictureTitle, "");
  EXPECT_EQ(e->editor.ProjPages, 1);
  EXPECT_EQ(e->editor.GridMode, 0);
  EXPECT_EQ(e->draw.LineWidth, 1);
  EXPECT_EQ(e->sym.SymStart, 0);
  EXPECT_EQ(e->sym.SymEnd, 0);
  EXPECT_TRUE(e->hooks.colours.empty());
  EXPECT_TRUE(e->views.rowEmpty(6));
  EXPECT_EQ(e->views.ViewDepth, 0);
  EXPECT_EQ(e->views.rows[1], (ViewRow{0, 0, 799, 0, 799, 399, 0, 0, 799, 0, 799, 399}));
  EXPECT_FALSE(e->editor.PicChanged);
  EXPECT_EQ(e->file.RecentFiles[0], "/pictures/ROSE.PNT");  // a view is not a recent picture
  EXPECT_TRUE(e->host.asked.empty());
}

TEST(ViewLoad, ARefusedViewLeavesTheOpenPictureAsItWas) {
  test::ScratchFolder folder;
  std::vector<std::pair<std::string, ViewBytes>> bad;
  ViewBytes noLines = TwoLineView(false);
  noLines.records[2][0] = noLines.records[3][0] = -55555.55f;
  bad.push_back({"empty.VEW", noLines});
  ViewBytes flat = TwoLineView(false);
  flat.records[3] = {0, 0, 100, 0};
  flat.records[4] = {};
  bad.push_back({"flat.VEW", flat});
  ViewBytes cut = TwoLineView(false);
  cut.records.resize(2);
  bad.push_back({"cut.VEW", cut});
  ViewBytes nan = TwoLineView(true);
  nan.oldFormat = false;
  nan.records[5][2] = 501;
  nan.records[2][1] = std::numeric_limits<float>::infinity();
  bad.push_back({"nan.VEW", nan});

  auto e = EditorWithAPicture();
  const test::Snapshot before(*e);
  for (const auto& [name, file] : bad) {
    test::WriteBytes(folder.path(name), file.bytes());
    const LoadOutcome out = ChooseInLoadPicture(*e, folder.path(name));
    EXPECT_EQ(out.status, CommandStatus::Failed) << name;
    EXPECT_NE(out.error.find(name), std::string::npos) << out.error;
    EXPECT_TRUE(test::Snapshot(*e) == before) << name;
    EXPECT_EQ(e->hooks.viewCanvasSet.width, 0) << name;
  }
}

TEST(ViewLoad, AViewTooBigForTheListLoadsInPartAndSaysSo) {
  test::ScratchFolder folder;
  ViewBytes big;
  big.rec(0, 0, 0, 0).rec(-9988, 0, 0, 15500);
  for (int k = 0; k < 15500; ++k) big.rec(0, float(k % 100), 100, float(k % 100));
  big.rec(0, 100, 0, 100).rec(0, 0, 501, 0);
  test::WriteBytes(folder.path("BIG.VEW"), big.bytes());
  auto e = MakeEditor();
  ASSERT_EQ(ChooseInLoadPicture(*e, folder.path("BIG.VEW")).status, CommandStatus::Done);
  ASSERT_EQ(e->host.asked.size(), 1u);
  EXPECT_EQ(e->host.asked[0].first, kViewTooBigText);
  EXPECT_EQ(e->host.asked[0].second, kViewTooBigTitle);
  EXPECT_EQ(e->host.buttons, MsgButtons::OK);
  EXPECT_LE(e->list.NumPoints, kViewListLimit);
  EXPECT_EQ(e->list.G0[e->list.NumPoints], 20099.0f);
}

}  // namespace
}  // namespace orn
