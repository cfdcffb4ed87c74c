#include "canvas/ui/line_set.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "platform/canvas_widget.h"

namespace orn {

namespace {

constexpr int kMinWidth = 1;
constexpr int kMaxWidth = 20;
constexpr int kPreviewSize = 41;
// The preview line runs between these corners.
constexpr int kLineFrom = 8, kLineTo = 32;

}  // namespace

LineSet::LineSet(int lineWidth, QWidget* parent)
    : QDialog(parent), preview_(kPreviewSize, kPreviewSize, kWhite) {
  setWindowTitle("Set Line Width");
  setObjectName("LineSet");
  Text1 = new QPlainTextEdit(this);
  Text1->setReadOnly(true);
  Text1->setPlainText(
      "You can control the widths of all lines in your drawing by changing the number below.  "
      "Fatter lines may look better.  Also fat lines may be helpful in plugging small gaps that "
      "are causing problems when you try to paint your drawing.  ");
  Text1->setGeometry(8, 8, 260, 112);
  const int row = 128;
  Label2 = new QLabel("Line Width", this);
  Label2->setGeometry(8, row + 2, 70, 16);
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(80, row + 2, 30, 16);
  VScroll1 = new QScrollBar(Qt::Vertical, this);
  VScroll1->setObjectName("VScroll1");
  VScroll1->setRange(kMinWidth, kMaxWidth);
  VScroll1->setGeometry(116, row, 18, 60);
  Picture1 = new CanvasWidget(this);
  Picture1->setObjectName("Picture1");
  Picture1->setSurface(&preview_);
  Picture1->setGeometry(146, row, kPreviewSize, kPreviewSize);
  Command1 = new QPushButton("OK", this);
  Command1->setGeometry(200, row, 68, 24);
  Command1->setDefault(true);
  Command2 = new QPushButton("Cancel", this);
  Command2->setGeometry(200, row + 28, 68, 24);
  connect(VScroll1, &QScrollBar::valueChanged, this, [this](int) { VScroll1_Change(); });
  connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
  setFixedSize(276, 196);
  VScroll1->setValue(lineWidth);
  VScroll1_Change();
}

int LineSet::value() const { return VScroll1->value(); }

void LineSet::VScroll1_Change() {
  Label1->setText(QString::number(VScroll1->value()));
  Form_Paint();
}

// A line at the chosen width.
void LineSet::Form_Paint() {
  preview_.clear();
  preview_.setPenMode(PenMode::Copy);
  preview_.setPenColor(kBlack);
  preview_.setPenWidth(VScroll1->value());
  preview_.line(kLineFrom, kLineFrom, kLineTo, kLineTo);
  Picture1->update();
}

}  // namespace orn
