#include <gtest/gtest.h>

#include <algorithm>

#include "platform/core/profile.h"

namespace orn {
namespace {

TEST(Profile, MeasurementComesFromTheLocaleSource) {
  FixedProfileSource metric(true), us(false);
  EXPECT_EQ(Profile(metric).getInt("intl", "iMeasure", 1), 0);
  EXPECT_EQ(Profile(us).getInt("intl", "iMeasure", 0), 1);
  // Sections and keys are looked up without regard to case.
  EXPECT_EQ(Profile(metric).getInt("INTL", "imeasure", 1), 0);
  EXPECT_EQ(Profile(us).getString("Intl", "IMEASURE", ""), "1");
}

TEST(Profile, DeviceTextNamesTheDefaultPrinter) {
  FixedProfileSource src(true, "Office Laser");
  const std::string device = Profile(src).getString("windows", "device", "unused");
  EXPECT_EQ(device, "Office Laser,cups,");
  // Readers split at the first two commas: a comma in the printer's name must
  // not move the driver.
  FixedProfileSource odd(true, "Hall, first floor");
  const std::string t = Profile(odd).getString("windows", "device", "");
  ASSERT_EQ(std::count(t.begin(), t.end(), ','), 2);
  EXPECT_EQ(t.substr(0, t.find(',')), "Hall first floor");
}

TEST(Profile, NoPrinterGivesAnEmptyDeviceText) {
  FixedProfileSource none(true, "");
  EXPECT_EQ(Profile(none).getString("windows", "device", "fallback"), "");
  FixedProfileSource blank(true, ",\r\n");
  EXPECT_EQ(Profile(blank).getString("windows", "device", ""), "");
}

TEST(Profile, UnknownKeysGiveTheCallersDefault) {
  FixedProfileSource src(false, "P");
  Profile p(src);
  EXPECT_EQ(p.getInt("intl", "iCountry", 44), 44);
  EXPECT_EQ(p.getInt("windows", "iMeasure", 7), 7);
  EXPECT_EQ(p.getString("windows", "spooler", "yes"), "yes");
  EXPECT_EQ(p.getString("", "", "d"), "d");
}

}  // namespace
}  // namespace orn
