#include "canvas/ui/grav.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

#include "platform/canvas_widget.h"

namespace orn {

namespace {

constexpr int kMaxSnap = 10;
constexpr int kOptionStep = 18;
constexpr int kPreviewSize = 39;
constexpr Rgb kPointColour = 0x0000FF;  // red
// The point of the preview and its centre.
constexpr int kPointLow = 18, kPointHigh = 20, kPointCentre = 19;

}  // namespace

Grav::Grav(int snapSize, QWidget* parent)
    : QDialog(parent), SnapChoice(std::clamp(snapSize, 0, kMaxSnap)),
      preview_(kPreviewSize, kPreviewSize, kWhite) {
  setWindowTitle("Set Snap");
  setObjectName("Grav");
  auto* group = new QButtonGroup(this);
  for (int i = 0; i <= kMaxSnap; ++i) {
    // The numbers "0" to "10", each over its option button.
    auto* number = new QLabel(QString::number(i), this);
    number->setAlignment(Qt::AlignCenter);
    number->setGeometry(8 + i * kOptionStep - 4, 8, kOptionStep, 16);
    auto* b = new QRadioButton(this);
    b->setObjectName(QString("op(%1)").arg(i));
    b->setGeometry(8 + i * kOptionStep, 26, kOptionStep, 18);
    group->addButton(b, i);
    op[static_cast<std::size_t>(i)] = b;
  }
  Picture1 = new CanvasWidget(this);
  Picture1->setObjectName("Picture1");
  Picture1->setSurface(&preview_);
  Picture1->setGeometry(8, 52, kPreviewSize, kPreviewSize);
  Command1 = new QPushButton("OK", this);
  Command1->setGeometry(120, 52, 70, 24);
  Command1->setDefault(true);
  Command2 = new QPushButton("Cancel", this);
  Command2->setGeometry(120, 80, 70, 24);
  connect(group, &QButtonGroup::idClicked, this, [this](int i) { op_Click(i); });
  connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
  setFixedSize(11 * kOptionStep + 24, 112);
  op[static_cast<std::size_t>(SnapChoice)]->setChecked(true);
  Form_Paint();
}

void Grav::op_Click(int Index) {
  SnapChoice = Index;
  Form_Paint();
}

// A point and, around it, the reach within which points snap onto it.
void Grav::Form_Paint() {
  preview_.clear();
  preview_.setPenMode(PenMode::Copy);
  preview_.setPenWidth(1);
  preview_.setPenColor(kPointColour);
  preview_.box(kPointLow, kPointLow, kPointHigh, kPointHigh);
  preview_.setPenColor(kBlack);
  preview_.circle(kPointCentre, kPointCentre, SnapChoice);
  Picture1->update();
}

}  // namespace orn
