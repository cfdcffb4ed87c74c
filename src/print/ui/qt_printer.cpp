#include "print/ui/qt_printer.h"

#include <QPageSetupDialog>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "platform/qt_colour.h"

namespace orn {

namespace {

// The page of dots as a 1-bit image. Qt puts a 1-bit image into a PDF (and
// so onto a printer) as such only when colour 0 is black and colour 1 white.
QImage dotImage(const DotPage& page) {
  QImage image(page.width(), page.height(), QImage::Format_Mono);
  if (image.isNull()) return image;
  image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  for (int y = 0; y < page.height(); ++y) {
    uchar* row = image.scanLine(y);
    page.copyRow(y, row);
    for (int i = 0; i < page.rowBytes(); ++i) row[i] = static_cast<uchar>(~row[i]);
  }
  return image;
}

// Lines with the job's round pen, in their colours, ends on whole pixels as
// the page's dots have them.
void paintLines(QPainter& p, const std::vector<PrintedLine>& lines, int penWidth) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const PrintedLine& l = lines[i];
    if (i == 0 || l.colour != lines[i - 1].colour)
      p.setPen(QPen(toQColor(l.colour), penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(std::nearbyint(l.x1), std::nearbyint(l.y1)),
               QPointF(std::nearbyint(l.x2), std::nearbyint(l.y2)));
  }
}

constexpr int kListingPoints = 9;

// Prints a listing from the top of the page down, a new page whenever one
// is full, inside a margin of a third of an inch (a file has no margin of
// its own).
void paintText(QPrinter& p, QPainter& painter, const std::vector<std::string>& text) {
  QFont font("Monospace");
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(kListingPoints);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetrics metrics(font, &p);
  const int margin = p.resolution() / 3;
  const QRect page = p.pageLayout().paintRectPixels(p.resolution());
  const int step = std::max(1, metrics.lineSpacing());
  int y = margin + metrics.ascent();
  for (const std::string& line : text) {
    if (y + metrics.descent() > page.height() - margin && y > margin + metrics.ascent()) {
      p.newPage();
      y = margin + metrics.ascent();
    }
    painter.drawText(margin, y, QString::fromStdString(line));
    y += step;
  }
}

}  // namespace

QtPrinterDevice::QtPrinterDevice(QWidget* parent, std::string pdfFile, bool metric, bool alwaysPdf)
    : parent_(parent), pdfFile_(std::move(pdfFile)), metric_(metric), alwaysPdf_(alwaysPdf) {}

QtPrinterDevice::~QtPrinterDevice() = default;

QPrinter& QtPrinterDevice::printer() {
  if (printer_) return *printer_;
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (!alwaysPdf_ && !info.isNull()) {
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  } else {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setResolution(kPdfResolution);
    printer_->setPageSize(QPageSize(metric_ ? QPageSize::A4 : QPageSize::Letter));
    printer_->setPageOrientation(QPageLayout::Portrait);
    // A file has no unprintable edge: the whole sheet is the page.
    printer_->setPageMargins(QMarginsF(0, 0, 0, 0));
    fallbackPdf_ = true;
  }
  return *printer_;
}

bool QtPrinterDevice::printsToPdf() const {
  return printer_ ? printer_->outputFormat() == QPrinter::PdfFormat
                  : alwaysPdf_ || QPrinterInfo::defaultPrinter().isNull();
}

std::string QtPrinterDevice::name() const {
  if (printsToPdf()) return "PDF file";
  return printer_ ? printer_->printerName().toStdString()
                  : QPrinterInfo::defaultPrinterName().toStdString();
}

std::optional<PrinterInfo> QtPrinterDevice::pageInfo() {
  QPrinter& p = printer();
  if (!p.isValid()) return std::nullopt;
  const QRect area = p.pageLayout().paintRectPixels(p.resolution());
  if (area.isEmpty()) return std::nullopt;
  return PrinterInfo{area.width(), area.height(), p.logicalDpiX(), p.logicalDpiY()};
}

bool QtPrinterDevice::paint(const PrintJob& job, int sheets) {
  QPrinter& p = printer();
  const QPageLayout::Orientation own = p.pageLayout().orientation();
  if (job.turnPage) {
    p.setPageOrientation(own == QPageLayout::Portrait ? QPageLayout::Landscape : QPageLayout::Portrait);
  }
  QPainter painter;
  const bool started = painter.begin(&p);
  if (started) {
    // An opaque copy: the surface's unused fourth byte must not read as
    // transparency, and the file keeps every pixel as it is.
    const QImage image =
        job.image.empty() ? QImage() : surfaceImage(job.image).convertToFormat(QImage::Format_RGB888);
    const QImage dots = job.page.empty() ? QImage() : dotImage(job.page);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int sheet = 0; sheet < sheets; ++sheet) {
      if (sheet > 0) p.newPage();
      if (!image.isNull()) painter.drawImage(QRect(job.imageX, job.imageY, job.imageW, job.imageH), image);
      // One image pixel per device pixel; every sheet shares the one image.
      if (!dots.isNull()) painter.drawImage(QPoint(0, 0), dots);
      paintLines(painter, job.lines, job.penWidth);
      if (!job.text.empty()) paintText(p, painter, job.text);
    }
    painter.end();
  }
  p.setPageOrientation(own);
  return started;
}

PrintOutcome QtPrinterDevice::printToFile(const PrintJob& job) {
  // The file is written in full under a scratch name and then put in place,
  // so that an earlier print survives a failed one.
  const std::string part = pdfFile_ + ".part";
  QPrinter& p = printer();
  p.setOutputFileName(QString::fromStdString(part));
  PrintOutcome out;
  const bool painted = paint(job, std::max(1, job.copies));
  std::error_code ec;
  if (painted) std::filesystem::rename(part, pdfFile_, ec);
  if (!painted || ec) {
    std::filesystem::remove(part, ec);
    out.error = "The print could not be written into the file\n" + pdfFile_;
    return out;
  }
  out.ok = true;
  out.toFile = pdfFile_;
  return out;
}

PrintOutcome QtPrinterDevice::print(const PrintJob& job) {
  QPrinter& p = printer();
  if (fallbackPdf_) return printToFile(job);
  // Copies the printer makes itself; otherwise one sheet per copy is sent.
  int sheets = std::max(1, job.copies);
  const bool printerCopies = p.outputFormat() == QPrinter::NativeFormat && p.supportsMultipleCopies();
  p.setCopyCount(printerCopies ? sheets : 1);
  if (printerCopies) sheets = 1;
  PrintOutcome out;
  out.ok = paint(job, sheets);
  if (!out.ok) out.error = "The printer could not be started.";
  if (out.ok && p.outputFormat() == QPrinter::PdfFormat) out.toFile = p.outputFileName().toStdString();
  return out;
}

void QtPrinterDevice::printSetup() {
  QPrinter& p = printer();
  const QString ownFile = QString::fromStdString(pdfFile_);
  if (fallbackPdf_) p.setOutputFileName(ownFile);
  QPrintDialog dialog(&p, parent_);
  dialog.setWindowTitle("Print Setup");
  // A printer or another file chosen here is used from now on.
  if (dialog.exec() == QDialog::Accepted) {
    fallbackPdf_ = p.outputFormat() == QPrinter::PdfFormat && p.outputFileName() == ownFile;
  }
}

void QtPrinterDevice::pageSetup() {
  QPageSetupDialog dialog(&printer(), parent_);
  dialog.exec();
}

}  // namespace orn
