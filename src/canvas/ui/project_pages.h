#pragma once
// The picture's shape and its project pages: "Set &Picture Shape" (the
// canvas's height-to-width ratio), "&Screen is Picture..." (the present
// screen becomes the full picture), and with Ctrl held the same item's
// project-pages panel (Picture6), where the user chooses how many pages
// lie one below the other; the "&Zoom" menu then offers one view per page
// and the view of the whole project.
#include <QFrame>
#include <QObject>

#include <array>

class QLabel;
class QPushButton;
class QScrollBar;

namespace orn {

class PicEdit;

// The panel: "Pages", "Set Page", the page count and its bar (1 to 5),
// "OK" and "Cancel".
class ProjPagesPanel : public QFrame {
  Q_OBJECT
 public:
  explicit ProjPagesPanel(QWidget* parent = nullptr);

  // The page count the bar shows. The bar's up arrow raises it: the
  // higher the slider stands, the more pages.
  int pages() const;
  void setPages(int pages);

  QLabel* Label12 = nullptr;  // "Pages"
  QLabel* Label13 = nullptr;  // "Set Page"
  QLabel* Label14 = nullptr;  // the page count
  QScrollBar* VScroll3 = nullptr;
  std::array<QPushButton*, 2> ProjOk{};  // 0 "OK", 1 "Cancel"

 signals:
  void projOkClicked(int index);
};

class ProjectPages : public QObject {
  Q_OBJECT
 public:
  explicit ProjectPages(PicEdit& w);

  ProjPagesPanel* Picture6 = nullptr;
  bool panelOpen() const;

  // "Set &Picture Shape": 0 "&Horizontal", 1 "&Vertical", 2 "&Square",
  // 3 "&Fill Window", 4 "&Enter Ratio...".
  void MenPageShape_Click(int Index);
  // "&Screen is Picture...": asks, then rebuilds the page views from the
  // present canvas; with Ctrl held opens the project-pages panel.
  void MenProjPages_Click();
  // The panel's buttons: 0 "OK" divides the picture into pages, 1 "Cancel".
  void ProjOk_Click(int Index);

  // Divides the picture into the panel's number of pages and shows the
  // matching items of the "&Zoom" menu.
  void ArrangeParts();
  // The "&Zoom" menu's page items for the picture's page count.
  void showPageItems();

 private:
  void openPanel();
  void VScroll3_Change();

  PicEdit& w_;
  // The help text and its visibility before the panel replaced them.
  QString OldHelpText;
  bool oldHelpShown_ = false;
  // The paint panel was put away when the panel opened.
  bool PageShapePending = false;
};

}  // namespace orn
