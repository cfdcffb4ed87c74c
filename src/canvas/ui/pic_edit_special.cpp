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
#include "canvas/ui/pic_edit.h"
#include "canvas/ui/tool_buttons.h"
#include "colour/ui/colour_panel.h"
#include "platform/canvas_widget.h"
#include "platform/qt_colour.h"
#include "print/printer_device.h"
#include "shell/list_dump.h"
#include "symmetry/ui/click_label.h"
#include "symmetry/ui/part_labels.h"

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

void PicEdit::buildSpecialWidgets() {
  Label6 = hotSpot("Label6", inner_);
  Label6->onClick = [this] { Label6_Click(); };
  // The view table's hot spot is there only while the menu is.
  Label17 = hotSpot("Label17", inner_);
  Label17->onClick = [this] { Label17_Click(); };
  Label17->hide();
  Label1 = new QLabel(inner_);
  Label1->setObjectName("Label1");
  Label1->resize(kDebugLabelWidth, kDebugLabelHeight);
  buildGalleryWidgets();
}

// The hot spots at the bottom-left corner; the debug label and under it the
// stamp buttons above the progress strip, left of the colour panel (where
// the help box shows only while the set-up or a zoom runs); the stamp at the
// bottom right.
void PicEdit::placeSpecialWidgets(int stripTop) {
  const int fh = inner_->height();
  Label6->move(2, std::max(fh - kHotSpotSize - 2, 0));
  Label17->move(Label6->x() + kHotSpotSize + 2, Label6->y());
  Label1->move(kCanvasLeft, stripTop + 4);
  int x = kCanvasLeft;
  for (QPushButton* b : Command2) {
    b->move(x, stripTop + 4 + kDebugLabelHeight + 2);
    x += b->width() + 4;
  }
  Picture9->move(std::max(inner_->width() - Picture9->width() - 2, 0),
                 std::max(fh - Picture9->height() - 2, 0));
}

int PicEdit::helpBoxLeft() const {
  // The help box stands right of the numbers and the stamp buttons while
  // they are shown, so that it hides neither.
  const QAction* stamps = menuItem("DebugX(0)");
  const QAction* numbers = menuItem("DebugX(2)");
  const bool shown = (stamps && stamps->isChecked()) || (numbers && numbers->isChecked());
  return shown ? kCanvasLeft + kDebugLabelWidth + kDebugGap : kCanvasLeft;
}

void PicEdit::wireSpecialMenu() {
  for (int i = 0; i < kItemCount; ++i) {
    QAction* a = menuItem("DebugX(" + std::to_string(i) + ")");
    a->setProperty("ornBuilt", true);
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, [this, i, a] {
      // The item's check mark is the command's to set.
      if (a->isCheckable()) a->setChecked(!a->isChecked());
      DebugX_Click(i);
    });
  }
}

void PicEdit::Label6_Click() {
  if (!host_.ctrlKeyDown()) return;
  const bool show = !menuItem("DebugXX")->isVisible();
  setItemVisible("DebugXX", show);
  Label17->setVisible(show);
}

void PicEdit::Label17_Click() {
  errors_.Trap("Label17", [this] { printListing(DumpPageTable(views_), kViewTableFileName); });
}

void PicEdit::DebugX_Click(int Index) { DebugXC(Index); }

void PicEdit::DebugXC(int Index) {
  errors_.Trap("DebugXC", Index, [this, Index] {
    switch (Index) {
      case kStampButtons: {
        const bool on = !menuItem("DebugX(0)")->isChecked();
        setItemChecked("DebugX(0)", on);
        for (QPushButton* b : Command2) b->setVisible(on);
        placeBottomStrip();
        break;
      }
      case kGeometryButtons: {
        // The Geometric tool and the polygon button come and go together;
        // the duplicate tool goes with them.
        editor_.ShowGeoNumbers = !editor_.ShowGeoNumbers;
        const bool geo = editor_.ShowGeoNumbers;
        setItemChecked("DebugX(1)", geo);
        if (ToolButton* b = tools_->DrawType(kToolGeometric)) b->setVisible(geo);
        ToolButton* dup = tools_->DrawType(kToolDuplicate);
        if (!geo && dup != nullptr && !dup->isHidden()) dup->hide();
        Picture13->setVisible(geo);
        break;
      }
      case kShowNumbers: {
        bool& track = tools_->engine().ms.DebugTrack;
        track = !track;
        setItemChecked("DebugX(2)", track);
        Label1->clear();
        placeBottomStrip();
        break;
      }
      case kDumpPictureData:
        DumpList();
        break;
      case kStripSymmetry:
        // The list must not change under a redraw that walks it (this menu
        // stays open while one runs).
        if (RedrawRunning(editor_)) break;
        if (host_.messageBox(kStripQuestion, MsgButtons::YesNo, MsgIcon::None, "Strip Symmetry?",
                             MsgResult::No) != MsgResult::Yes)
          break;
        EraseC(kEraseSilent);
        // The redraw sets every symmetry change to 0 as it meets it.
        editor_.PicChanged = true;
        editor_.DebugSymChg = true;
        DrawAll(1);
        editor_.DebugSymChg = false;
        break;
      case kZotNameAndList:
        for (int i = 0; i < 4; ++i) {
          file_.RecentFiles[std::size_t(i)].clear();
          setItemVisible("FName(" + std::to_string(i) + ")", false);
        }
        FixFName();
        file_.FileName = kUnNamed;
        setWindowTitle("Picture - <UnNamed>");
        break;
      case kToggleMenuColor:
        UseColorRGB = UseColorRGB == kPanelYellow || UseColorRGB == 0 ? kPanelGray : kPanelYellow;
        setPanelColour(UseColorRGB);
        break;
      case kShowAllOptions:
        MenusAllOptions(!menuItem("DebugX(7)")->isChecked());
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
void PicEdit::switchPaintOnly() {
  if (showMode()) return;
  const bool show = editor_.PaintOnlyMode != 0;
  for (const char* name : {"Label14", "Label12", "VScroll3"})
    if (auto* w = inner_->findChild<QWidget*>(name)) w->setVisible(show);
  setItemVisible("MenSym", show);
  setItemEnabled("MenSym", show);
  setItemVisible("Gallery", show);
  setItemVisible("lingal", show);
  Label1->setVisible(show);
  editor_.PaintOnlyMode = show ? 0 : -1;
  refreshSymmetryControls();
  setItemVisible("MenFileLoad(1)", false);
  setItemChecked("Yellow", editor_.PaintOnlyMode != 0);
  setWindowTitle(editor_.PaintOnlyMode != 0 ? "Paint Program" : "Ornivale");
}

void PicEdit::setPanelColour(Rgb colour) {
  setWindowBackground(colour == kPanelGray ? std::nullopt : std::optional<Rgb>(colour));
  colourPanel_->setUseColor(colour);
  // The wheel on the panels' colour, its dot where it was.
  colourTools_->setWheelBackground(colour == kPanelGray ? fromQColor(palette().color(QPalette::Window)) : colour);
  colourTools_->MakeWheel(colour_.WheelStep);
}

// ---- the printed listings ------------------------------------------------------------

void PicEdit::DumpList() { printListing(orn::DumpList(list_, sym_), kPictureDataFileName); }

void PicEdit::printListing(const std::vector<std::string>& lines, const char* fileName) {
  PrintJob job;
  job.text = lines;
  // Where no printer is installed the listing goes into a file of its own
  // beside the print's file, never over it.
  job.fileName = printFilePath().replace_filename(fileName).string();
  const PrintOutcome out = listingPrinter().print(job, [this] { host_.pumpEvents(); });
  if (!out.ok) {
    reportFailure(out.error, "Print");
  } else if (!out.toFile.empty()) {
    host_.messageBox("No printer is installed, so the listing was printed into the file\n" + out.toFile,
                     MsgButtons::OK, MsgIcon::Information, "");
  }
}

}  // namespace orn
