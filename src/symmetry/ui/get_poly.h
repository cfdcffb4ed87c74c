#pragma once
// The polygon dialog "Select Polygon": a regular polygon of 3 to 24 edges or
// one of the eight fixed shapes, with a preview. The dialog keeps its own
// choice and paints from it; OK writes the choice into the table, Cancel
// leaves the table as it was.
#include <array>

#include <QDialog>

#include "platform/core/surface.h"
#include "symmetry/polygon_shape.h"

class QAbstractButton;
class QLabel;
class QPushButton;
class QScrollBar;

namespace orn {

class GetPoly : public QDialog {
  Q_OBJECT
 public:
  explicit GetPoly(PolyShape& shape, QWidget* parent = nullptr);

  QScrollBar* VScroll1 = nullptr;
  QLabel* Label1 = nullptr;  // "Now"
  QLabel* Label2 = nullptr;  // the count
  QLabel* Label3 = nullptr;  // "How many edges?"
  std::array<QLabel*, 2> Label4{};
  std::array<QPushButton*, 4> Command1{};  // "3", "4", "6", "8"
  std::array<QPushButton*, kFixedShapeCount> grtdodeca{};
  QPushButton* Command2 = nullptr;  // "OK"
  QPushButton* Command3 = nullptr;  // "Cancel"
  QLabel* Picture1 = nullptr;       // the preview

  // The shape being shown: a count (3..24) or a fixed code (-1..-8).
  int choice() const { return choice_; }
  // The preview's pixels.
  const Surface& preview() const { return preview_; }

  // Draws the shape of `code` in the preview and makes it the choice.
  void DrawPolyPreview(int code);

 private:
  PolyShape& shape_;
  int choice_ = 4;
  Surface preview_{120, 120};
};

// Writes the vertex count on the Geometric tool's button (only while the
// geometry buttons are shown).
void GeoSh(QAbstractButton* button, const PolyShape& shape, bool ShowGeoNumbers);

}  // namespace orn
