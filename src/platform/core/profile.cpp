#include "platform/core/profile.h"

#include "platform/core/app_folder.h"

namespace orn {

namespace {

bool is(const std::string& a, const char* b) { return upperAscii(a) == upperAscii(b); }

}  // namespace

int Profile::getInt(const std::string& section, const std::string& key, int fallback) const {
  if (is(section, "intl") && is(key, "iMeasure")) return source_.metricMeasurement() ? 0 : 1;
  return fallback;
}

std::string Profile::getString(const std::string& section, const std::string& key,
                               const std::string& fallback) const {
  if (is(section, "windows") && is(key, "device")) return deviceText(source_.defaultPrinterName());
  if (is(section, "intl") && is(key, "iMeasure")) return source_.metricMeasurement() ? "0" : "1";
  return fallback;
}

std::string Profile::deviceText(const std::string& printerName) {
  // The name keeps any commas out of the text, so that readers splitting at
  // the first two commas still find the name, the driver and the port.
  std::string name;
  for (char c : printerName)
    if (c != ',' && c != '\r' && c != '\n') name += c;
  if (name.empty()) return {};
  return name + ",cups,";
}

}  // namespace orn
