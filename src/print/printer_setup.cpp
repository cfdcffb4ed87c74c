#include "print/printer_setup.h"

#include <algorithm>

#include "platform/core/app_folder.h"

namespace orn {

namespace {

// The printer family whose print layout shows "Print Setup".
constexpr const char* kSetupPanelPrinters = "HP DESKJET";

}  // namespace

std::string GetDefaultPrinter(const Profile& profile) {
  const std::string dev = profile.getString("windows", "device", "");
  // Read as a zero-terminated buffer of at most 127 characters.
  return dev.substr(0, std::min(dev.find('\0'), std::size_t{127}));
}

std::string GetPrinterName(const std::string& Dev) { return Dev.substr(0, Dev.find(',')); }

std::string GetPrinterDriver(const std::string& Dev) {
  const std::size_t p1 = Dev.find(',');
  if (p1 == std::string::npos) return {};
  const std::size_t p2 = Dev.find(',', p1 + 1);
  return Dev.substr(p1 + 1, p2 == std::string::npos ? std::string::npos : p2 - p1 - 1);
}

std::string GetPrinterPort(const std::string& Dev) {
  const std::size_t p1 = Dev.find(',');
  if (p1 == std::string::npos) return {};
  const std::size_t p2 = Dev.find(',', p1 + 1);
  return p2 == std::string::npos ? std::string() : Dev.substr(p2 + 1);
}

void ReadDefaultPrinter(PrintState& ps, const Profile& profile) {
  ps.PrinterName = GetPrinterName(GetDefaultPrinter(profile));
  ps.SetupPanelOn = upperAscii(ps.PrinterName).find(kSetupPanelPrinters) != std::string::npos;
}

void PrtMen(PrinterDevice& printer, PrintState& ps) { printer.pageSetup(ps.PrintOrientation); }

}  // namespace orn
