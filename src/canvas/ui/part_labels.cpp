#include "canvas/ui/part_labels.h"

#include <QLabel>

#include "canvas/ui/sym_setup_host.h"
#include "symmetry/parts_select.h"
#include "symmetry/setup_state.h"
#include "symmetry/sym_records.h"
#include "symmetry/ui/click_label.h"

namespace orn {

namespace {
constexpr int kLabelSize = 17;
}

PartLabels::PartLabels(SymSetupHost& host, QWidget* parent) : QFrame(parent), host_(host) {
  setObjectName("Picture7");
  Label8 = new QLabel("No Sym", this);
  Label8->setObjectName("Label8");
  // "No Sym" keeps the marker's square free at its left, so the marker
  // never hides its words; the part labels follow in three columns.
  int partsLeft = 0;
  for (int i = 0; i <= kMaxGroups; ++i) {
    auto* l = new ClickLabel(i == 0 ? "No Sym" : QString(), this);
    l->setObjectName(QString("Label7_%1").arg(i));
    if (i == 0) {
      l->setContentsMargins(kLabelSize + 2, 0, 0, 0);
      const int width = kLabelSize + 2 + l->fontMetrics().horizontalAdvance(l->text()) + 2;
      l->setGeometry(2, 18, width, kLabelSize);
      l->setBackColor(0xF0F0F0);
      partsLeft = 2 + width + 4;
    } else {
      const int col = (i - 1) % 3, row = (i - 1) / 3;
      l->setGeometry(partsLeft + col * (kLabelSize + 2), 18 + row * (kLabelSize + 2), kLabelSize,
                     kLabelSize);
      l->setBackColor(GroupColor(i));
      l->hide();
    }
    l->onPress = [this, i] { host_.Trap("Label7MD", i, [this, i] { Label7_MouseDown(i); }); };
    l->onRelease = [this, i] { Label7_MouseUp(i); };
    Label7[static_cast<std::size_t>(i)] = l;
  }
  exx2 = new ClickLabel(QString(), this);
  exx2->setObjectName("exx2");
  exx2->setToolTip("No Symmetry");
  exx2->setText(QString::fromUtf8("\u25CF"));
  exx2->onPress = [this] { exx2_MouseDown(); };
  exx2->onRelease = [this] { exx2_MouseUp(); };
  const int width = partsLeft + 3 * (kLabelSize + 2) + 2;
  Label8->setGeometry(2, 0, width - 4, 16);
  setFixedSize(width, 18 + 2 * (kLabelSize + 2));
  PutSymState(0);
}

void PartLabels::PutSymState(int i) {
  if (i < 0 || i > kMaxGroups) i = 0;
  ClickLabel* l = Label7[static_cast<std::size_t>(i)];
  exx2->hide();
  exx2->setGeometry(l->geometry().x(), l->geometry().y(), kLabelSize, kLabelSize);
  exx2->setBackColor(l->backColor());
  exx2->show();
  exx2->raise();
  Label8->setText(i != 0 ? "Symmetry" : "No Sym");
  host_.setSymWorkingEnabled(i != 0);
}

void PartLabels::showParts(const std::array<bool, 6>& shown) {
  for (int g = 1; g <= kMaxGroups; ++g) {
    Label7[static_cast<std::size_t>(g)]->setVisible(shown[static_cast<std::size_t>(g)]);
    Label7[static_cast<std::size_t>(g)]->setEnabled(shown[static_cast<std::size_t>(g)]);
  }
}

void PartLabels::showPartsFromBlock() {
  std::array<bool, 6> shown{};
  std::vector<SymItem> items;
  ReadSymBlock(host_.list(), host_.sym(), items);
  for (const SymItem& it : items)
    if (it.group < 0 && -it.group <= kMaxGroups) shown[static_cast<std::size_t>(-it.group)] = true;
  showParts(shown);
  PutSymState(host_.sym().CurPart);
}

bool PartLabels::redrawRunning() const {
  return host_.editor().DrawBusy || host_.editor().Redrawing;
}

void PartLabels::Label7_MouseDown(int index) {
  // The list must not change under a redraw that is walking it; the release
  // of an ignored press is ignored with it.
  pressIgnored_ = redrawRunning();
  if (pressIgnored_) return;
  DrawingList& list = host_.list();
  SymState& sym = host_.sym();
  if (list.PackFrom > 0) host_.PackBad();
  PutSymState(index);
  if (list.recordOpen()) host_.closeOpenRecord();
  const SelectPartResult r = SelectPart(list, sym, index);
  // Closing the stroke may have redrawn the picture, which shows the part
  // current before the choice: the labels show the part drawing now goes to.
  PutSymState(sym.CurPart);
  if (!r.done) {
    host_.host().beep();
    return;
  }
  host_.SymUpdateMenus();
  if (r.tables == SymRebuild::Corrupt)
    host_.host().messageBox(kCorruptSymmetryText, MsgButtons::OK, MsgIcon::None, "");
  ShowSymme(sym, host_.draw(), list, 0);
  host_.canvasChanged();
}

void PartLabels::Label7_MouseUp(int) {
  if (pressIgnored_) return;
  ShowSymme(host_.sym(), host_.draw(), host_.list(), 0);
  host_.canvasChanged();
}

void PartLabels::exx2_MouseDown() {
  pressIgnored_ = redrawRunning();
  if (pressIgnored_) return;
  if (host_.list().PackFrom > 0) host_.PackBad();
  ShowSymme(host_.sym(), host_.draw(), host_.list(), 0);
  host_.canvasChanged();
}

void PartLabels::exx2_MouseUp() {
  if (pressIgnored_) return;
  ShowSymme(host_.sym(), host_.draw(), host_.list(), 0);
  host_.canvasChanged();
}

}  // namespace orn
