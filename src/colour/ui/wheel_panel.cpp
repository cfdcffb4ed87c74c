#include "colour/ui/wheel_panel.h"

#include <QLabel>
#include <QPushButton>

namespace orn {

namespace {

constexpr int kWidth = 60;
constexpr int kLabelHeight = 32;
constexpr int kButtonHeight = 24;
constexpr int kGap = 4;

}  // namespace

WheelPanel::WheelPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("Picture12");
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setAutoFillBackground(true);
  Label21 = new QLabel("Rotate  Colors  ", this);
  Label21->setObjectName("Label21");
  Label21->setWordWrap(true);
  Label21->setAlignment(Qt::AlignCenter);
  Label21->setGeometry(2, 2, kWidth - 4, kLabelHeight);
  const char* const captions[] = {"Draw", "Reset"};
  for (int i = 0; i < 2; ++i) {
    RotOK[i] = new QPushButton(captions[i], this);
    RotOK[i]->setObjectName(QString("RotOK(%1)").arg(i));
    RotOK[i]->setFocusPolicy(Qt::NoFocus);
    RotOK[i]->setGeometry(kGap, kLabelHeight + kGap + i * (kButtonHeight + kGap), kWidth - 2 * kGap,
                          kButtonHeight);
    connect(RotOK[i], &QPushButton::clicked, this, [this, i] {
      if (onRotOK) onRotOK(i);
    });
  }
  resize(kWidth, kLabelHeight + 3 * kGap + 2 * kButtonHeight);
}

}  // namespace orn
