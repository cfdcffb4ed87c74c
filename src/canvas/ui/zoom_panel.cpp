#include "canvas/ui/zoom_panel.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace orn {

namespace {

constexpr int kPanelWidth = 64;
constexpr int kButtonHeight = 22;
constexpr int kBarRange = 30;
constexpr int kBarPageStep = 5;
constexpr int kBarHeight = 96;
constexpr int kBarWidth = 16;
constexpr int kGap = 4;

// A bar that reports a change once the user lets go of its thumb, or at
// once for an arrow or page click.
QScrollBar* makeBar(Qt::Orientation o, QWidget* parent) {
  auto* b = new QScrollBar(o, parent);
  b->setRange(-kBarRange, kBarRange);
  b->setSingleStep(1);
  b->setPageStep(kBarPageStep);
  b->setTracking(false);
  b->setValue(0);
  return b;
}

}  // namespace

ZoomPanel::ZoomPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("Picture2");
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  int y = kGap;
  Text2 = new QLabel("Fine Tuning", this);
  Text2->setObjectName("Text2");
  Text2->setAlignment(Qt::AlignCenter);
  Text2->setWordWrap(true);
  Text2->setGeometry(2, y, kPanelWidth - 4, 30);
  y += 30 + kGap;
  const char* const captions[] = {"OK", "Cancel", "Page", "Set"};
  for (int i = 0; i < 4; ++i) {
    auto* b = new QPushButton(captions[i], this);
    b->setObjectName(QString("BoxButton(%1)").arg(i));
    b->setGeometry(2, y, kPanelWidth - 4, kButtonHeight);
    connect(b, &QPushButton::clicked, this, [this, i] { emit boxButtonClicked(i); });
    BoxButton[static_cast<std::size_t>(i)] = b;
    y += kButtonHeight + 2;
  }
  y += kGap;
  HScroll1 = makeBar(Qt::Horizontal, this);
  HScroll1->setObjectName("HScroll1");
  HScroll1->setGeometry(2, y, kPanelWidth - 4, kBarWidth);
  connect(HScroll1, &QScrollBar::valueChanged, this, [this] { emit hScrollChanged(); });
  y += kBarWidth + kGap;
  // Each bar with its caption to its left.
  const int labelOf[] = {0, 2, 1};
  const char* const labels[] = {"Move", "Scale", "Rotate"};
  for (int i = 0; i < 3; ++i) {
    auto* bar = makeBar(Qt::Vertical, this);
    bar->setObjectName(QString("VScroll1(%1)").arg(i));
    bar->setGeometry(kPanelWidth - kBarWidth - 2, y, kBarWidth, kBarHeight);
    connect(bar, &QScrollBar::valueChanged, this, [this, i] { emit vScrollChanged(i); });
    VScroll1[static_cast<std::size_t>(i)] = bar;
    const int l = labelOf[i];
    auto* label = new QLabel(labels[l], this);
    label->setObjectName(QString("Label4(%1)").arg(l));
    label->setGeometry(2, y + kBarHeight / 2 - 8, kPanelWidth - kBarWidth - 6, 16);
    Label4[static_cast<std::size_t>(l)] = label;
    y += kBarHeight + kGap;
  }
  resize(kPanelWidth, y);
}

}  // namespace orn
