// The default printer's device text, and the model-net size line.
#include <gtest/gtest.h>

#include "print/model_size.h"
#include "print/printer_setup.h"

namespace orn {
namespace {

TEST(PrinterSetup, ADeviceTextSplitsIntoNameDriverAndPortAndNeverFails) {
  const struct {
    const char* dev;
    const char* name;
    const char* driver;
    const char* port;
  } cases[] = {
      {"My Printer,DRV5,LPT1:", "My Printer", "DRV5", "LPT1:"},
      {"A,B,C,D", "A", "B", "C,D"},  // the port keeps further commas
      {"", "", "", ""},              // no printer at all
      {"Solo", "Solo", "", ""},
      {"A,B", "A", "B", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetPrinterName(c.dev), c.name) << c.dev;
    EXPECT_EQ(GetPrinterDriver(c.dev), c.driver) << c.dev;
    EXPECT_EQ(GetPrinterPort(c.dev), c.port) << c.dev;
  }
}

TEST(PrinterSetup, TheDefaultPrinterNamesThePrintLayoutsSetupButtonFamily) {
  PrintState ps;
  FixedProfileSource deskjet(true, "office hp deskjet 5100");
  ReadDefaultPrinter(ps, Profile(deskjet));
  EXPECT_EQ(ps.PrinterName, "office hp deskjet 5100");
  EXPECT_TRUE(ps.SetupPanelOn);
  FixedProfileSource laser(true, "Laser");
  ReadDefaultPrinter(ps, Profile(laser));
  EXPECT_FALSE(ps.SetupPanelOn);
  FixedProfileSource none(true, "");
  ReadDefaultPrinter(ps, Profile(none));
  EXPECT_EQ(ps.PrinterName, "");
}

TEST(ModelSize, TheLineGivesTheFoldedHeightAndSheetsOfEachKnownNet) {
  const struct {
    int model;
    double width;
    bool metric;
    const char* text;
  } cases[] = {
      {6, 10.0, false, "3D Cube will be 3.7 inches high\r(2 sheets required)."},
      {4, 20.0, true,
       "3D Tetrahedron will be 10.3 cm high\r(2 sheets required).\r  Octahedron 10.9 cm (4).   "
       "Icosahedron 19.8 cm (10)."},
      {3, 10.0, false, "3D Octahedron will be 3.6 inches high\r(2 sheets required).\r  Tetrahedron 3.5\" (1)."},
      {6, 2.5, false, "3D Cube will be .9 inches high\r(2 sheets required)."},
      {2, 10.737, true, "3D Cuboctahedron will be 4.0 cm high\r(2 sheets required)."},
      {1, 8.0, false, "3D Great Dodecahedron will be 4.0 inches high\r(4 sheets required)."},
      // 10 x 0.5882 + 0.0049 = 5.887; 10 x 0.5347 + 0.0049 = 5.352.
      {5, 10.0, false, "3D Icosahedron will be 5.9 inches high\r(4 sheets required)."},
      {7, 10.0, false, "3D Dodecahedron will be 5.4 inches high\r(3 sheets required)."},
      {7, 10.0, true, "3D Dodecahedron will be 5.4 cm high\r(3 sheets required)."},
      // 1.5 x 0.5347 + 0.0049 = .807: no leading zero.
      {7, 1.5, false, "3D Dodecahedron will be .8 inches high\r(3 sheets required)."},
  };
  for (const auto& c : cases) EXPECT_EQ(ModelSizeText(c.model, c.width, c.metric), c.text) << c.model;
  EXPECT_EQ(ModelSizeText(0, 10, false), "");
  EXPECT_EQ(ModelSizeText(8, 10, false), "");
}

}  // namespace
}  // namespace orn
