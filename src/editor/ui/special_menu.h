#pragma once
// SpecialMenu: the editor's hidden "S&pecial" menu, for checking pictures and
// the program: the hot spot that shows or hides it, its nine items, the printed
// listings of the drawing list and of the view table, and the paint-only mode
// of the editor.
#include <array>
#include <string>
#include <vector>

#include "platform/core/surface.h"

class QLabel;
class QPushButton;

namespace orn {

class CanvasWidget;
class ClickLabel;
class PicEdit;

class SpecialMenu {
 public:
  explicit SpecialMenu(PicEdit& w) : w_(w) {}

  // The small caption-less hot spot whose Ctrl+click shows or hides the menu.
  ClickLabel* Label6 = nullptr;
  void Label6_Click();
  void DebugX_Click(int Index);
  void DebugXC(int Index);
  // The stamp buttons and the stamp box.
  std::array<QPushButton*, 2> Command2{};
  CanvasWidget* Picture9 = nullptr;
  // The debug label (mouse position with "Show &Numbers").
  QLabel* Label1 = nullptr;
  // The hot spot that prints the view table.
  ClickLabel* Label17 = nullptr;
  void Label17_Click();
  // Prints the drawing list.
  void DumpList();
  // The colour of the panels ("&Toggle Menu Color").
  Rgb UseColorRGB = 0xC0C0C0;
  // Prints a listing; where no printer is installed it goes into `fileName`
  // in the folder of the print's file.
  void printListing(const std::vector<std::string>& lines, const char* fileName);
  void placeSpecialWidgets(int stripTop);
  // Where the help box Text1 starts: right of the Special menu's numbers and
  // stamp buttons while they are shown.
  int helpBoxLeft() const;
  void switchPaintOnly();
  // The panels' colour; the gray of the window's own panels leaves them as
  // they are drawn.
  void setPanelColour(Rgb colour);
  void buildSpecialWidgets();
  void wireSpecialMenu();

 private:
  PicEdit& w_;
};

}  // namespace orn
