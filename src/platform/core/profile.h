#pragma once
// The two desktop settings the program reads from the system profile: the
// measurement system ([intl] "iMeasure") and the default printer ([windows]
// "device"). A ProfileSource supplies the facts; the Qt one asks the locale
// and the print system, tests supply their own.
#include <string>

namespace orn {

class ProfileSource {
 public:
  virtual ~ProfileSource() = default;
  // True when the user's locale measures in metric units.
  virtual bool metricMeasurement() const = 0;
  // The default printer's name; empty when there is no printer.
  virtual std::string defaultPrinterName() const = 0;
};

// Fixed answers, for tests and for a machine without a desktop.
class FixedProfileSource : public ProfileSource {
 public:
  FixedProfileSource(bool metric = true, std::string printer = {})
      : metric_(metric), printer_(std::move(printer)) {}
  bool metricMeasurement() const override { return metric_; }
  std::string defaultPrinterName() const override { return printer_; }

 private:
  bool metric_;
  std::string printer_;
};

// Answers profile look-ups by section and key, both compared without regard
// to case. Known keys:
//   [intl]    iMeasure  0 metric, 1 US units
//   [windows] device    "name,driver,port" of the default printer, or ""
// Any other key gives the caller's default.
class Profile {
 public:
  explicit Profile(const ProfileSource& source) : source_(source) {}

  int getInt(const std::string& section, const std::string& key, int fallback) const;
  std::string getString(const std::string& section, const std::string& key,
                        const std::string& fallback) const;

  // The device text for a printer name: "name,cups," (empty for no printer).
  static std::string deviceText(const std::string& printerName);

 private:
  const ProfileSource& source_;
};

}  // namespace orn
