#pragma once
// TitleForm: the start-up window shown while the program sets itself up.
// It shows the program's name over a rosette (the picture TitPic(0), on
// which the start also tests the display's near-black) and, on the first
// run, the line "Initializing Files".
#include <QWidget>

#include "platform/core/surface.h"

class QLabel;

namespace orn {

class CanvasWidget;

class TitleForm : public QWidget {
  Q_OBJECT
 public:
  explicit TitleForm(QWidget* parent = nullptr);

  Surface& TitPic0() { return picture_; }
  QLabel* InitLab = nullptr;

 private:
  Surface picture_;
  CanvasWidget* view_ = nullptr;
};

}  // namespace orn
