#pragma once
// The default printer as the profile names it ("name,driver,port"), and the
// printer set-up command.
#include <string>

#include "platform/core/host.h"
#include "platform/core/profile.h"
#include "print/print_state.h"
#include "print/printer_device.h"

namespace orn {

// The profile's device text of the default printer; "" when there is none.
std::string GetDefaultPrinter(const Profile& profile);
// The fields of a device text: the text before the first comma, between the
// first and the second, and all after the second. A missing comma leaves the
// later fields empty (a text without commas is all name).
std::string GetPrinterName(const std::string& Dev);
std::string GetPrinterDriver(const std::string& Dev);
std::string GetPrinterPort(const std::string& Dev);

// The default printer's name, and whether the print layout offers its
// "Print Setup" button for it (printers of one family get it).
void ReadDefaultPrinter(PrintState& ps, const Profile& profile);

// "P&rinter Setup...": the page set-up (paper, orientation) of the printer
// the program prints on: the default printer, or the PDF file that stands
// in for it where no printer is installed. It shows the print layout's
// orientation, and the one chosen becomes the layout's.
void PrtMen(PrinterDevice& printer, PrintState& ps);

}  // namespace orn
