#pragma once
// The dialog "Set Line Width": the pen width of all drawing, 1 to 20 pixels,
// with a preview line drawn at that width.
#include <QDialog>

#include "platform/core/surface.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace orn {

class CanvasWidget;

class LineSet : public QDialog {
  Q_OBJECT
 public:
  // lineWidth: the width in force; the dialog starts on it.
  explicit LineSet(int lineWidth, QWidget* parent = nullptr);

  QPlainTextEdit* Text1 = nullptr;
  QLabel* Label1 = nullptr;  // the value
  QLabel* Label2 = nullptr;  // "Line Width"
  QScrollBar* VScroll1 = nullptr;
  CanvasWidget* Picture1 = nullptr;
  QPushButton* Command1 = nullptr;  // "OK"
  QPushButton* Command2 = nullptr;  // "Cancel"

  // The width chosen; OK hands it back.
  int value() const;

 private:
  void VScroll1_Change();
  void Form_Paint();

  Surface preview_;
};

}  // namespace orn
