#include "symmetry/ui/get_poly.h"

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

#include "platform/qt_colour.h"

namespace orn {

namespace {
constexpr int kMinCount = 3;
constexpr int kMaxCount = 24;
constexpr Rgb kGreen = 0x00C000;
constexpr Rgb kRed = 0x0000FF;
// Half the side of a vertex marker: 20 twips.
constexpr double kMarker = 20.0 / 15.0;
}  // namespace

GetPoly::GetPoly(PolyShape& shape, QWidget* parent) : QDialog(parent), shape_(shape) {
  setWindowTitle("Select Polygon");
  setObjectName("GetPoly");
  Label3 = new QLabel("How many edges?", this);
  Label3->setGeometry(8, 6, 120, 16);
  Label1 = new QLabel("Now", this);
  Label1->setGeometry(8, 28, 30, 16);
  Label2 = new QLabel(this);
  Label2->setObjectName("Label2");
  Label2->setGeometry(40, 28, 30, 16);
  VScroll1 = new QScrollBar(Qt::Vertical, this);
  VScroll1->setObjectName("VScroll1");
  VScroll1->setRange(kMinCount, kMaxCount);
  VScroll1->setInvertedAppearance(true);
  VScroll1->setGeometry(76, 26, 18, 60);
  const int counts[4] = {3, 4, 6, 8};
  for (int i = 0; i < 4; ++i) {
    auto* b = new QPushButton(QString::number(counts[i]), this);
    b->setObjectName(QString("Command1_%1").arg(counts[i]));
    b->setGeometry(8 + i * 28, 92, 26, 22);
    connect(b, &QPushButton::clicked, this, [this, n = counts[i]] {
      VScroll1->setValue(n);
      DrawPolyPreview(VScroll1->value());
    });
    Command1[static_cast<std::size_t>(i)] = b;
  }
  Label4[0] = new QLabel("great Dodecahedron", this);
  Label4[0]->setGeometry(8, 120, 150, 16);
  Label4[1] = new QLabel("triangle, rhombus and pentagons", this);
  Label4[1]->setGeometry(8, 164, 200, 16);
  for (int i = 0; i < kFixedShapeCount; ++i) {
    auto* b = new QPushButton(QString::number(i + 1), this);
    b->setObjectName(QString("grtdodeca_%1").arg(i));
    const int row = i < 3 ? 0 : 1, col = i < 3 ? i : i - 3;
    b->setGeometry(8 + col * 28, 138 + row * 44, 26, 22);
    connect(b, &QPushButton::clicked, this, [this, i] { DrawPolyPreview(-(i + 1)); });
    grtdodeca[static_cast<std::size_t>(i)] = b;
  }
  Picture1 = new QLabel(this);
  Picture1->setObjectName("Picture1");
  Picture1->setGeometry(150, 6, preview_.width(), preview_.height());
  Command2 = new QPushButton("OK", this);
  Command2->setGeometry(150, 210, 56, 24);
  Command3 = new QPushButton("Cancel", this);
  Command3->setGeometry(212, 210, 56, 24);
  connect(Command2, &QPushButton::clicked, this, [this] {
    int n = choice_;
    SetPolygonShape(shape_, n);
    accept();
  });
  connect(Command3, &QPushButton::clicked, this, &QDialog::reject);
  connect(VScroll1, &QScrollBar::valueChanged, this, [this](int v) {
    Label2->setText(QString::number(v));
    DrawPolyPreview(v);
  });
  setFixedSize(280, 242);

  // Start from the table's own shape: a regular count, or the fixed shape the
  // table holds.
  const int n = std::clamp(shape.count(), kMinCount, kMaxCount);
  int start = n;
  for (int code = -1; code >= -kFixedShapeCount; --code) {
    PolyShape probe = shape;
    int m = code;
    SetPolygonShape(probe, m);
    if (probe == shape) start = code;
  }
  const QSignalBlocker block(VScroll1);
  VScroll1->setValue(n);
  Label2->setText(QString::number(n));
  DrawPolyPreview(start);
}

void GetPoly::DrawPolyPreview(int code) {
  PolyShape s = shape_;
  int n = code;
  if (!SetPolygonShape(s, n)) return;
  choice_ = code;
  const std::vector<PolyPoint> pts = PolygonOnUnitEdge(s);

  double minX = 30000, minY = 30000, maxX = -30000, maxY = -30000;
  for (const PolyPoint& p : pts) {
    minX = std::min<double>(minX, p.x);
    maxX = std::max<double>(maxX, p.x);
    minY = std::min<double>(minY, p.y);
    maxY = std::max<double>(maxY, p.y);
  }
  const double m = (maxX - minX) / 2;
  minX -= m;
  maxX += m;
  minY -= m;
  maxY += m;
  const double scale = std::min((preview_.width() - 1) / (maxX - minX),
                                (preview_.height() - 1) / (maxY - minY));
  auto at = [&](const PolyPoint& p) {
    return std::pair<double, double>{(p.x - minX) * scale, (p.y - minY) * scale};
  };
  auto px = [&](const PolyPoint& p) {
    const auto [x, y] = at(p);
    return std::pair<int, int>{toPixel(x), toPixel(y)};
  };
  preview_.setBackColor(kWhite);
  preview_.clear();
  preview_.setPenWidth(1);
  preview_.setPenColor(kBlack);
  for (int k = 1; k <= n && k < static_cast<int>(pts.size()); ++k) {
    const auto a = px(pts[static_cast<std::size_t>(k - 1)]);
    const auto b = px(pts[static_cast<std::size_t>(k)]);
    preview_.line(a.first, a.second, b.first, b.second);
  }
  // Markers: green on the vertices built, red on the far end of the first
  // edge, the closing vertex and the centre.
  for (int k = 1; k <= n + 1 && k < static_cast<int>(pts.size()); ++k) {
    const auto [x, y] = at(pts[static_cast<std::size_t>(k)]);
    preview_.setPenColor((k >= 2 && k <= n - 1) ? kGreen : kRed);
    preview_.box(toPixel(x - kMarker), toPixel(y - kMarker), toPixel(x + kMarker),
                 toPixel(y + kMarker));
  }
  Picture1->setPixmap(QPixmap::fromImage(surfaceImage(preview_).copy()));
}

void GeoSh(QAbstractButton* button, const PolyShape& shape, bool ShowGeoNumbers) {
  if (button == nullptr || !ShowGeoNumbers) return;
  button->setText(QString::fromStdString(GeoShCaption(shape).text).trimmed());
}

}  // namespace orn
