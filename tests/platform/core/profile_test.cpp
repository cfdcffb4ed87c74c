#include <gtest/gtest.h>

#include <algorithm>

#include "platform/core/profile.h"

namespace orn {
namespace {

TEST(Profile, MeasurementComesFromTheLocaleAndUnknownKeysGiveTheDefault) {
  FixedProfileSource metric(true), us(false, "P");
  EXPECT_EQ(Profile(metric).getInt("intl", "iMeasure", 1), 0);
  EXPECT_EQ(Profile(us).getInt("intl", "iMeasure", 0), 1);
  // Sections and keys are looked up without regard to case.
  EXPECT_EQ(Profile(metric).getInt("INTL", "imeasure", 1), 0);
  EXPECT_EQ(Profile(us).getString("Intl", "IMEASURE", ""), "1");
  EXPECT_EQ(Profile(us).getInt("intl", "iCountry", 44), 44);
  EXPECT_EQ(Profile(us).getInt("windows", "iMeasure", 7), 7);
  EXPECT_EQ(Profile(us).getString("", "", "d"), "d");
}

TEST(Profile, DeviceTextNamesTheDefaultPrinterOrIsEmptyWithoutOne) {
  FixedProfileSource src(true, "Office Laser");
  EXPECT_EQ(Profile(src).getString("windows", "device", "unused"), "Office Laser,cups,");
  // Readers split at the first two commas: a comma in the printer's name must not move the driver.
  FixedProfileSource odd(true, "Hall, first floor");
  const std::string t = Profile(odd).getString("windows", "device", "");
  ASSERT_EQ(std::count(t.begin(), t.end(), ','), 2);
  EXPECT_EQ(t.substr(0, t.find(',')), "Hall first floor");
  for (const char* none : {"", ",\r\n"}) {
    FixedProfileSource empty(true, none);
    EXPECT_EQ(Profile(empty).getString("windows", "device", "fallback"), "");
  }
}

}  // namespace
}  // namespace orn
