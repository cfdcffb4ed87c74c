#pragma once
// The printer the program prints on: Qt's printer for the default printer,
// or, where no printer is installed, a PDF file in the program folder.
#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>

#include "print/printer_device.h"

class QPrinter;

namespace orn {

class QtPrinterDevice : public PrinterDevice {
 public:
  // Resolution of the PDF file that stands in for a missing printer.
  static constexpr int kPdfResolution = 300;

  // Prints on the default printer, or into `pdfFile` when there is none (or
  // always, with `alwaysPdf`). Page set-up dialogs are owned by `parent`.
  // A PDF page is A4 where the locale measures in metric units, else Letter.
  QtPrinterDevice(QWidget* parent, std::string pdfFile, bool metric, bool alwaysPdf = false);
  ~QtPrinterDevice() override;

  std::string name() const override;
  std::optional<PrinterInfo> pageInfo() override;
  // A print into a file is made whole in memory and then saved as every file
  // of the program is saved: a print that cannot be written whole is a
  // failure and leaves the earlier file as it was.
  PrintOutcome print(const PrintJob& job, const PumpEvents& pump) override;
  void printSetup(int& orientation) override;
  void pageSetup(int& orientation) override;

  bool printsToPdf() const;

 private:
  QPrinter& printer();
  PrintOutcome printToFile(const PrintJob& job, const std::string& file, const PumpEvents& pump);

  QPointer<QWidget> parent_;
  std::string pdfFile_;
  bool metric_;
  bool alwaysPdf_;
  std::unique_ptr<QPrinter> printer_;
  // Prints go into pdfFile_: no printer, and none chosen in the set-up.
  bool fallbackPdf_ = false;
};

}  // namespace orn
