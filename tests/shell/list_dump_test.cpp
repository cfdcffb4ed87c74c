// The listings of the editor's tables: the drawing list with its record
// names and markers, printed and written to the program folder, and the
// view table.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/scratch_folder.h"
#include "model/record_codes.h"
#include "shell/list_dump.h"

namespace orn {
namespace {

using test::ScratchFolder;

// A symmetry block of two copies of part 1 (a base copy and a mirrored
// one) closed by a change from part 3 to part 2, then a Poly Line.
DrawingList SymmetricList() {
  DrawingList list;
  const std::vector<float> g0 = {20091, 20090, -1, 5, 20077, 10, 20, 15, 15, 20090, 1, 5, 20077, 30, 40, 35, 35,
                                 20091, 20001, 0, 20077, 1.5f, 3, 20099};
  const std::vector<float> g1 = {-2, 4, 0, 0, 7, 10, 10, 12, 60, 4, 1, -1, 7, 10, 10, 12, 60,
                                 302, 3, 0, 4, 2.25f, 4, 0};
  EXPECT_TRUE(list.replaceWith(g0, g1));
  return list;
}

SymState SymmetryOf(bool tables) {
  SymState sym;
  sym.SymStart = 0;
  sym.SymEnd = 17;
  sym.SymTablesValid = tables;
  sym.SymGroups[1] = {0, 1, 5};
  sym.SymData[1][kP0x] = 30;
  sym.SymData[1][kReflect] = -1;
  return sym;
}

TEST(ListDump, ThePrintedListNamesRecordsShowsSymmetryItemsAndMarksTheListsPositions) {
  const DrawingList list = SymmetricList();
  const Listing out = DumpList(list, SymmetryOf(false));
  const Listing expected = {
      "   G0() & G1()",
      "SYMMETRY CHG Was 0 Now-2           20091 -2      <SymStart",
      "Symmetry Item                      20090  4",
      "     2     Base Sym Grp 1 Dot 0   -1  0",
      "     3     RefGeo at 5 Normal      5  0",
      "           NO TABLES",
      "Begin Data                         20077  7",
      "Symmetry Item                      20090  4",
      "     10    Sym Grp 1 Dot 1         1  1",
      "     11    RefGeo at 5 Reflect     5 -1",
      "Begin Data                         20077  7",
      "SYMMETRY CHG Was 3 Now 2           20091  302    <SymEnd",
      "     18 Poly Line                  20001  3",
      "     19    0.00    0.00",
      "     20 Begin Data                 20077  4",
      "     21    1.50    2.25",
      "     22    3.00    4.00",
      "     23    20099.00 0.00<G<B<S",
      "     24    0.00    0.00",
  };
  EXPECT_EQ(out, expected);
}

TEST(ListDump, WithTheCopyTableBuiltABaseCopyIsFollowedByItsPartsCopies) {
  const Listing out = DumpList(SymmetricList(), SymmetryOf(true));
  ASSERT_GE(out.size(), 11u);
  EXPECT_EQ(out[5], " ");
  EXPECT_EQ(out[6], "           Group is in SymData(0-1) RefGeo on Line 5");
  EXPECT_EQ(out[7].substr(9, 10), "  x1      ");
  EXPECT_EQ(out[8], "     0   0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00    0.00");
  EXPECT_EQ(out[9], "     1   30.00   0.00    0.00    0.00    0.00    0.00    0.00    0.00    -1.00");
  EXPECT_EQ(out[10], " ");
}

// The file listing puts each entry's pair first and its name after it, and
// goes into the program folder given, nowhere else.
TEST(ListDump, TheFileListingIsWrittenIntoTheProgramFolder) {
  ScratchFolder dir;
  const DrawingList list = SymmetricList();
  ASSERT_FALSE(DumpToFile(dir.dir(), list, SymmetryOf(false)));
  std::ifstream in(dir.path(kDumpFileName), std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(text.substr(0, 16), "   G0() & G1()\r\n");
  EXPECT_NE(text.find("     18    20001.00 3.00 Poly Line\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("           20091.00 302.00 SYMMETRY CHG Was 3 Now 2<SymEnd\r\n"), std::string::npos);
  EXPECT_TRUE(DumpToFile(dir.path("no/such/folder"), list, SymmetryOf(false)).has_value());
}

TEST(ListDump, ThePageTableListsEachViewRowOnTwoLines) {
  ViewTable views;
  views.ViewDepth = 1;  // rows 1 .. 21
  views.rows[21] = ViewRow{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12.5f};
  const Listing out = DumpPageTable(views);
  ASSERT_EQ(out.size(), 42u);
  EXPECT_EQ(out[40], "     21  1.00    2.00    3.00    4.00    5.00    6.00");
  EXPECT_EQ(out[41], "         7.00    8.00    9.00    10.00   11.00   12.50");
}

}  // namespace
}  // namespace orn
