#pragma once
// The profile facts of this desktop: the locale's measurement system and the
// print system's default printer.
#include "platform/core/profile.h"

namespace orn {

class QtProfileSource : public ProfileSource {
 public:
  // Metric unless the locale uses US units (British imperial counts as metric,
  // as the desktop the program first ran on reported it).
  bool metricMeasurement() const override;
  std::string defaultPrinterName() const override;
};

}  // namespace orn
