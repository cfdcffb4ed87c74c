#include "print/ui/qt_printer.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "platform/core/file_replace.h"
#include "platform/qt_colour.h"
#include "print/print_state.h"

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
void paintText(QPagedPaintDevice& dev, int resolution, QPainter& painter, const std::vector<std::string>& text) {
  QFont font("Monospace");
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSize(kListingPoints);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetrics metrics(font, &dev);
  const int margin = resolution / 3;
  const QRect page = dev.pageLayout().paintRectPixels(resolution);
  const int step = std::max(1, metrics.lineSpacing());
  int y = margin + metrics.ascent();
  for (const std::string& line : text) {
    if (y + metrics.descent() > page.height() - margin && y > margin + metrics.ascent()) {
      dev.newPage();
      y = margin + metrics.ascent();
    }
    painter.drawText(margin, y, QString::fromStdString(line));
    y += step;
  }
}

// The picture goes to the printer in bands of whole rows of about this many
// pixels: the printer (or the PDF file) takes each in a few milliseconds,
// and the window sees to its events between two bands.
constexpr qsizetype kBandPixels = qsizetype(1) << 20;

struct Band {
  QImage image;
  QRect target;
};

// The job's picture in bands, each an opaque copy (the surface's unused
// fourth byte must not read as transparency, and the file keeps every pixel
// as it is) with the part of the image rectangle it fills. Band edges fall on
// whole device pixels, and every band but the last reaches one row into the
// next, which covers it again: stretched or not, no seam shows between them.
std::vector<Band> imageBands(const PrintJob& job, const PumpEvents& pump) {
  std::vector<Band> bands;
  const Surface& s = job.image;
  if (s.empty()) return bands;
  const QImage whole = surfaceImage(s);
  const int rows = int(std::max<qsizetype>(1, kBandPixels / std::max(1, s.width())));
  const auto edge = [&](int row) {
    return job.imageY + int(std::lround(double(row) * job.imageH / s.height()));
  };
  for (int r = 0; r < s.height(); r += rows) {
    const int last = std::min(r + rows, s.height());
    const int reach = std::min(last + 1, s.height());
    const QRect target(job.imageX, edge(r), job.imageW, edge(reach) - edge(r));
    if (target.height() <= 0) continue;
    bands.push_back({whole.copy(0, r, s.width(), reach - r).convertToFormat(QImage::Format_RGB888), target});
    if (pump) pump();
  }
  return bands;
}

// Paints every sheet of the job on `dev`, seeing to the window's events
// between the picture's bands. False when the device cannot be painted on
// or fails at the end.
bool paintSheets(QPagedPaintDevice& dev, int resolution, const PrintJob& job, int sheets,
                 const PumpEvents& pump) {
  QPainter painter;
  if (!painter.begin(&dev)) return false;
  painter.setRenderHint(QPainter::LosslessImageRendering, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  // Made once: every sheet shares the one copy of each picture.
  const std::vector<Band> bands = imageBands(job, pump);
  const QImage dots = job.page.empty() ? QImage() : dotImage(job.page);
  for (int sheet = 0; sheet < sheets; ++sheet) {
    if (sheet > 0) dev.newPage();
    for (const Band& b : bands) {
      painter.drawImage(b.target, b.image);
      if (pump) pump();
    }
    // One image pixel per device pixel.
    if (!dots.isNull()) painter.drawImage(QPoint(0, 0), dots);
    paintLines(painter, job.lines, job.penWidth);
    if (!job.text.empty()) paintText(dev, resolution, painter, job.text);
  }
  return painter.end();
}

QPageLayout::Orientation pageOrientation(int orientation) {
  return orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

int layoutOrientation(QPageLayout::Orientation o) { return o == QPageLayout::Landscape ? kLandscape : kPortrait; }

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

PrintOutcome QtPrinterDevice::printToFile(const PrintJob& job, const std::string& file,
                                          const PumpEvents& pump) {
  const QPrinter& p = printer();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPageLayout layout = p.pageLayout();
  if (job.turnPage) {
    layout.setOrientation(layout.orientation() == QPageLayout::Portrait ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
  }
  PrintOutcome out;
  bool painted = false;
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(p.resolution());
    pdf.setPageLayout(layout);
    painted = paintSheets(pdf, p.resolution(), job, std::max(1, job.copies), pump);
  }
  std::optional<std::string> error;
  if (!painted) {
    error = "the page could not be made";
  } else {
    error = ReplaceFile(file, std::span<const std::uint8_t>(
                                  reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                  std::size_t(bytes.size())));
  }
  if (error) {
    out.error = "The print could not be written into the file\n" + file + "\n" + *error;
    return out;
  }
  out.ok = true;
  out.toFile = file;
  return out;
}

PrintOutcome QtPrinterDevice::print(const PrintJob& job, const PumpEvents& pump) {
  QPrinter& p = printer();
  if (p.outputFormat() == QPrinter::PdfFormat) {
    // Into the job's own file, the program's file or the one chosen in the
    // printer set-up.
    std::string file = job.fileName;
    if (file.empty()) file = fallbackPdf_ ? pdfFile_ : p.outputFileName().toStdString();
    if (file.empty()) file = pdfFile_;
    return printToFile(job, file, pump);
  }
  // Copies the printer makes itself; otherwise one sheet per copy is sent.
  int sheets = std::max(1, job.copies);
  const bool printerCopies = p.supportsMultipleCopies();
  p.setCopyCount(printerCopies ? sheets : 1);
  if (printerCopies) sheets = 1;
  const QPageLayout::Orientation own = p.pageLayout().orientation();
  if (job.turnPage) {
    p.setPageOrientation(own == QPageLayout::Portrait ? QPageLayout::Landscape : QPageLayout::Portrait);
  }
  PrintOutcome out;
  out.ok = paintSheets(p, p.resolution(), job, sheets, pump);
  p.setPageOrientation(own);
  if (!out.ok) out.error = "The printer could not be started.";
  return out;
}

void QtPrinterDevice::printSetup(int& orientation) {
  QPrinter& p = printer();
  const QString ownFile = QString::fromStdString(pdfFile_);
  if (fallbackPdf_) p.setOutputFileName(ownFile);
  p.setPageOrientation(pageOrientation(orientation));
  QPrintDialog dialog(&p, parent_);
  dialog.setWindowTitle("Print Setup");
  // A printer or another file chosen here is used from now on.
  if (dialog.exec() == QDialog::Accepted) {
    fallbackPdf_ = p.outputFormat() == QPrinter::PdfFormat && p.outputFileName() == ownFile;
  }
  orientation = layoutOrientation(p.pageLayout().orientation());
}

void QtPrinterDevice::pageSetup(int& orientation) {
  QPrinter& p = printer();
  p.setPageOrientation(pageOrientation(orientation));
  QPageSetupDialog dialog(&p, parent_);
  dialog.exec();
  orientation = layoutOrientation(p.pageLayout().orientation());
}

}  // namespace orn
