#include "canvas/ui/sym_p_load.h"

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "platform/canvas_widget.h"

namespace orn {

namespace {
constexpr int kBarWidth = 240;
constexpr int kBarHeight = 14;
}  // namespace

SymPLoad::SymPLoad(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint),
      bar_(kBarWidth, kBarHeight, kWhite) {
  setObjectName("SymPLoad");
  auto* layout = new QVBoxLayout(this);
  Label1 = new QLabel("Loading", this);
  Label1->setObjectName("Label1");
  Picture1 = new CanvasWidget(this);
  Picture1->setObjectName("Picture1");
  Picture1->setSurface(&bar_);
  Picture1->setFixedSize(kBarWidth, kBarHeight);
  layout->addWidget(Label1);
  layout->addWidget(Picture1);
}

void SymPLoad::drawBox(double p, Rgb colour) {
  const double clamped = std::clamp(p, 0.0, double(kBarScale));
  const int right = int(std::lround(clamped * bar_.width() / kBarScale)) - 1;
  if (right >= 0) bar_.fillBox(0, 0, right, bar_.height() - 1, colour);
  Picture1->update();
}

void SymPLoad::clearBar() {
  bar_.clear();
  Picture1->update();
}

}  // namespace orn
