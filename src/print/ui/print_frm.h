#pragma once
// PrintFrm: the page-layout dialog. In its print layout ("Print Menu - "
// and the printer's name) the user chooses the orientation, the style and
// the number of copies and places and sizes the picture on a preview of the
// page; in its export layout ("Save Bitmap Menu") the format and the size
// of a bitmap. Everything it reads and leaves is in the print settings and
// PrintMode; the closing buttons leave the verdict there and close it.
#include <QDialog>

#include <array>
#include <functional>
#include <map>

#include "platform/core/surface.h"
#include "print/page_layout.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orn {

class PagePreview;

class PrintFrm : public QDialog {
  Q_OBJECT
 public:
  // `canvas` gives the preview's thumbnail; `help` opens a help topic for
  // the dialog that asks for it.
  PrintFrm(PrintState& ps, int& PrintMode, const Surface& canvas, std::function<void(int, QWidget&)> help,
           QWidget* parent = nullptr);

  PageLayout& layout() { return layout_; }

  // Closing buttons: "Print" (or "Save") and "Cancel".
  std::array<QPushButton*, 2> PrtGlob{};
  QGroupBox* Picture1 = nullptr;  // orientation
  std::array<QRadioButton*, 2> PortLand{};
  QGroupBox* Picture3 = nullptr;  // style
  std::array<QRadioButton*, 3> Style{};  // 1 "Color", 2 "B && W"
  QGroupBox* Bits = nullptr;             // format
  std::map<int, QRadioButton*> fmt;      // by format code
  QGroupBox* CopBox = nullptr;
  QLineEdit* TCopy = nullptr;
  QGroupBox* Picture2 = nullptr;  // sizes; its title is CapBox's caption
  QLineEdit* WBox = nullptr;
  QLineEdit* HBox = nullptr;
  QLineEdit* LBox = nullptr;
  QLineEdit* TBox = nullptr;
  std::array<QLabel*, 4> Label14{};  // "Width", "Height", "Left ", "Top"
  PagePreview* Preview = nullptr;     // pg, bm, p1 and the handles
  QLabel* Label1 = nullptr;           // resolution or model size
  QPushButton* PrtSetup = nullptr;
  QPushButton* HelpCmd = nullptr;

  void PrtGlob_Click(int Index);
  void PrtSetup_Click();
  void HelpCmd_Click();

 protected:
  // Escape and the window's close button answer "Cancel".
  void reject() override;

 private:
  void buildWidgets();
  void placeWidgets();
  // Shows what the layout holds: texts (without feeding them back), the
  // selected options and the preview.
  void refresh();

  PageLayout layout_;
  std::function<void(int, QWidget&)> help_;
  int shown_ = -1;
};

}  // namespace orn
