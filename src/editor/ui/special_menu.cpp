// The editor's hidden "S&pecial" menu, for checking pictures and the
// program: the hot spot that shows or hides it, its nine items, the printed
// listings of the drawing list and of the view table, and the paint-only
// mode of the editor.
#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "canvas/redraw.h"
#include "canvas/tools.h"
#include "canvas/ui/form_layout.h"
#include "canvas/ui/part_labels.h"
#include "colour/ui/colour_panel.h"
#include "editor/ui/pic_edit.h"
#include "editor/ui/tool_buttons.h"
#include "platform/canvas_widget.h"
#include "platform/qt_colour.h"
#include "print/printer_device.h"
#include "shell/list_dump.h"
#include "symmetry/ui/click_label.h"

namespace orn {

namespace {

constexpr int kHotSpotSize = 9;
constexpr int kDebugLabelWidth = 160;
constexpr int kDebugLabelHeight = 16;
// Between the numbers and stamp buttons and the help box beside them.
constexpr int kDebugGap = 8;

enum SpecialItem : int {
  kStampButtons = 0,
  kGeometryButtons = 1,
  kShowNumbers = 2,
  kDumpPictureData = 3,
  kStripSymmetry = 4,
  kZotNameAndList = 5,
  kToggleMenuColor = 6,
  kShowAllOptions = 7,
  kPaintOnly = 8,
};
constexpr int kItemCount = 9;
constexpr Rgb kPanelGray = 0xC0C0C0;
constexpr Rgb kPanelYellow = 0x00FFFF;

// The files the listings go into where no printer is installed.
constexpr const char* kPictureDataFileName = "Picture Data.pdf";
constexpr const char* kViewTableFileName = "View Table.pdf";

constexpr const char* kStripQuestion =
    "This will permanently remove the symmetry settings and colors from your picture.  Are you "
    "sure you want to do this?";

ClickLabel* hotSpot(const char* name, QWidget* parent) {
  auto* l = new ClickLabel(QString(), parent);
  l->setObjectName(name);
  l->setAutoFillBackground(false);
  l->resize(kHotSpotSize, kHotSpotSize);
  return l;
}

}  // namespace

void SpecialMenu::buildSpecialWidgets() {
  Label6 = hotSpot("Label6", w_.formArea());
  Label6->onClick = [this] { Label6_Click(); };
  // The view table's hot spot is there only while the menu is.
  Label17 = hotSpot("Label17", w_.formArea());
  Label17->onClick = [this] { Label17_Click(); };
  Label17->hide();
  Label1 = new QLabel(w_.formArea());
  Label1->setObjectName("Label1");
  Label1->resize(kDebugLabelWidth, kDebugLabelHeight);
  w_.shows().buildGalleryWidgets();
}

// The hot spots at the bottom-left corner; the debug label and under it the
// stamp buttons above the progress strip, left of the colour panel (where
// the help box shows only while the set-up or a zoom runs); the stamp at the
// bottom right.
void SpecialMenu::placeSpecialWidgets(int stripTop) {
  const int fh = w_.formArea()->height();
  Label6->move(2, std::max(fh - kHotSpotSize - 2, 0));
  Label17->move(Label6->x() + kHotSpotSize + 2, Label6->y());
  Label1->move(kCanvasLeft, stripTop + 4);
  int x = kCanvasLeft;
  for (QPushButton* b : Command2) {
    b->move(x, stripTop + 4 + kDebugLabelHeight + 2);
    x += b->width() + 4;
  }
  Picture9->move(std::max(w_.formArea()->width() - Picture9->width() - 2, 0),
                 std::max(fh - Picture9->height() - 2, 0));
}

int SpecialMenu::helpBoxLeft() const {
  // The help box stands right of the numbers and the stamp buttons while
  // they are shown, so that it hides neither.
  const QAction* stamps = w_.menus().menuItem("DebugX(0)");
  const QAction* numbers = w_.menus().menuItem("DebugX(2)");
  const bool shown = (stamps && stamps->isChecked()) || (numbers && numbers->isChecked());
  return shown ? kCanvasLeft + kDebugLabelWidth + kDebugGap : kCanvasLeft;
}

void SpecialMenu::wireSpecialMenu() {
  for (int i = 0; i < kItemCount; ++i) {
    QAction* a = w_.menus().menuItem("DebugX(" + std::to_string(i) + ")");
    a->setProperty("ornBuilt", true);
    a->setEnabled(true);
    QObject::connect(a, &QAction::triggered, &w_, [this, i, a] {
      // The item's check mark is the command's to set.
      if (a->isCheckable()) a->setChecked(!a->isChecked());
      DebugX_Click(i);
    });
  }
}

void SpecialMenu::Label6_Click() {
  if (!w_.host().ctrlKeyDown()) return;
  const bool show = !w_.menus().menuItem("DebugXX")->isVisible();
  w_.menus().setItemVisible("DebugXX", show);
  Label17->setVisible(show);
}

void SpecialMenu::Label17_Click() {
  w_.errors().Trap("Label17", [this] { printListing(DumpPageTable(w_.views()), kViewTableFileName); });
}

void SpecialMenu::DebugX_Click(int Index) { DebugXC(Index); }

void SpecialMenu::DebugXC(int Index) {
  w_.errors().Trap("DebugXC", Index, [this, Index] {
    switch (Index) {
      case kStampButtons: {
        const bool on = !w_.menus().menuItem("DebugX(0)")->isChecked();
        w_.menus().setItemChecked("DebugX(0)", on);
        for (QPushButton* b : Command2) b->setVisible(on);
        w_.layout().placeBottomStrip();
        break;
      }
      case kGeometryButtons: {
        // The Geometric tool and the polygon button come and go together;
        // the duplicate tool goes with them.
        w_.editor().ShowGeoNumbers = !w_.editor().ShowGeoNumbers;
        const bool geo = w_.editor().ShowGeoNumbers;
        w_.menus().setItemChecked("DebugX(1)", geo);
        if (ToolButton* b = w_.tools().DrawType(kToolGeometric)) b->setVisible(geo);
        ToolButton* dup = w_.tools().DrawType(kToolDuplicate);
        if (!geo && dup != nullptr && !dup->isHidden()) dup->hide();
        w_.Picture13->setVisible(geo);
        break;
      }
      case kShowNumbers: {
        bool& track = w_.tools().engine().ms.DebugTrack;
        track = !track;
        w_.menus().setItemChecked("DebugX(2)", track);
        Label1->clear();
        w_.layout().placeBottomStrip();
        break;
      }
      case kDumpPictureData:
        DumpList();
        break;
      case kStripSymmetry:
        // The list must not change under a redraw that walks it (this menu
        // stays open while one runs).
        if (RedrawRunning(w_.editor())) break;
        if (w_.host().messageBox(kStripQuestion, MsgButtons::YesNo, MsgIcon::None, "Strip Symmetry?",
                             MsgResult::No) != MsgResult::Yes)
          break;
        w_.colours().EraseC(kEraseSilent);
        // The redraw sets every symmetry change to 0 as it meets it.
        w_.editor().PicChanged = true;
        w_.editor().DebugSymChg = true;
        w_.DrawAll(1);
        w_.editor().DebugSymChg = false;
        break;
      case kZotNameAndList:
        for (int i = 0; i < 4; ++i) {
          w_.file().RecentFiles[std::size_t(i)].clear();
          w_.menus().setItemVisible("FName(" + std::to_string(i) + ")", false);
        }
        w_.files().FixFName();
        w_.file().FileName = kUnNamed;
        w_.setWindowTitle("Picture - <UnNamed>");
        break;
      case kToggleMenuColor:
        UseColorRGB = UseColorRGB == kPanelYellow || UseColorRGB == 0 ? kPanelGray : kPanelYellow;
        setPanelColour(UseColorRGB);
        break;
      case kShowAllOptions:
        w_.menus().MenusAllOptions(!w_.menus().menuItem("DebugX(7)")->isChecked());
        break;
      case kPaintOnly:
        switchPaintOnly();
        break;
      default:
        break;
    }
  });
}

// Paint-only mode hides what belongs to symmetries and pages, leaving the
// picture to paint; the switch does nothing in show mode.
void SpecialMenu::switchPaintOnly() {
  if (w_.showMode()) return;
  const bool show = w_.editor().PaintOnlyMode != 0;
  for (const char* name : {"Label14", "Label12", "VScroll3"})
    if (auto* w = w_.formArea()->findChild<QWidget*>(name)) w->setVisible(show);
  w_.menus().setItemVisible("MenSym", show);
  w_.menus().setItemEnabled("MenSym", show);
  w_.menus().setItemVisible("Gallery", show);
  w_.menus().setItemVisible("lingal", show);
  Label1->setVisible(show);
  w_.editor().PaintOnlyMode = show ? 0 : -1;
  w_.symmetry().refreshSymmetryControls();
  w_.menus().setItemVisible("MenFileLoad(1)", false);
  w_.menus().setItemChecked("Yellow", w_.editor().PaintOnlyMode != 0);
  w_.setWindowTitle(w_.editor().PaintOnlyMode != 0 ? "Paint Program" : "Ornivale");
}

void SpecialMenu::setPanelColour(Rgb colour) {
  w_.shows().setWindowBackground(colour == kPanelGray ? std::nullopt : std::optional<Rgb>(colour));
  w_.colours().colourPanel_->setUseColor(colour);
  // The wheel on the panels' colour, its dot where it was.
  w_.colours().colourTools_->setWheelBackground(
      colour == kPanelGray ? fromQColor(w_.palette().color(QPalette::Window)) : colour);
  w_.colours().colourTools_->MakeWheel(w_.colour().WheelStep);
}

// ---- the printed listings ------------------------------------------------------------

void SpecialMenu::DumpList() { printListing(orn::DumpList(w_.list(), w_.sym()), kPictureDataFileName); }

void SpecialMenu::printListing(const std::vector<std::string>& lines, const char* fileName) {
  PrintJob job;
  job.text = lines;
  // Where no printer is installed the listing goes into a file of its own
  // beside the print's file, never over it.
  job.fileName = w_.prints().printFilePath().replace_filename(fileName).string();
  const PrintOutcome out = w_.prints().listingPrinter().print(job, [this] { w_.host().pumpEvents(); });
  if (!out.ok) {
    w_.files().reportFailure(out.error, "Print");
  } else if (!out.toFile.empty()) {
    w_.host().messageBox("No printer is installed, so the listing was printed into the file\n" + out.toFile,
                     MsgButtons::OK, MsgIcon::Information, "");
  }
}

}  // namespace orn
