#include "symmetry/ui/sym_setup_panel.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include <cmath>

#include "model/record_codes.h"
#include "platform/qt_colour.h"
#include "symmetry/setup_accept.h"
#include "symmetry/setup_capture.h"
#include "symmetry/setup_handles.h"
#include "symmetry/sym_table.h"
#include "symmetry/ui/click_label.h"
#include "symmetry/ui/part_labels.h"
#include "symmetry/ui/sym_setup_host.h"

namespace orn {

namespace {

constexpr int kChoice = 17;  // 255 twips
constexpr int kHelpTopic = 1000;
constexpr const char* kTooLongText =
    "The symmetry does not fit into the picture's list of points; nothing was changed.";


// The column is as narrow as the tool column: the caption's longest word
// fits it only in a smaller type. Shrinks the label's font until every
// wording of the caption can be read whole.
void fitCaption(QLabel* l, std::initializer_list<const char*> wordings) {
  QFont f = l->font();
  auto fits = [&] {
    const QFontMetrics fm(f);
    const QRect r = l->contentsRect();
    for (const char* text : wordings)
      if (!r.contains(fm.boundingRect(r, int(l->alignment()) | Qt::TextWordWrap, text))) return false;
    return true;
  };
  while (f.pointSizeF() > 6.0 && !fits()) f.setPointSizeF(f.pointSizeF() - 0.5);
  l->setFont(f);
}

}  // namespace

SymSetupPanel::SymSetupPanel(SymSetupHost& host, PartLabels& parts, QWidget* parent)
    : QFrame(parent), host_(host), parts_(parts) {
  setObjectName("Picture5");
  setFrameShape(QFrame::Box);
  // Opaque: the tool buttons it stands over do not show through.
  setAutoFillBackground(true);
  // One narrow column, as wide as the tool column it stands over, so that
  // it covers no part of the canvas and its handles.
  Label10 = new QLabel(" Symmetry Group", this);
  Label10->setObjectName("Label10");
  Label10->setWordWrap(true);
  Label10->setGeometry(1, 2, 62, 30);
  fitCaption(Label10, {" Symmetry Group", "Initial Symmetry"});
  // Choices 0..5 in two rows of three, 16 pixels apart.
  for (int i = 0; i <= kMaxGroups; ++i) {
    auto* l = new ClickLabel(QString(), this);
    l->setObjectName(QString("Label9_%1").arg(i));
    l->setGeometry(8 + (i % 3) * 16, 32 + (i / 3) * 16, kChoice, kChoice);
    l->setBackColor(GroupColor(i));
    l->setFrameShape(QFrame::Box);
    l->onClick = [this, i] { host_.Trap("Label9C", i, [this, i] { Label9_Click(i); }); };
    if (i == 0) l->hide();
    Label9[static_cast<std::size_t>(i)] = l;
  }
  exx = new ClickLabel(QString::fromUtf8("\u2022"), this);
  exx->setObjectName("exx");
  exx->setStyleSheet("color: red;");
  exx->setFrameShape(QFrame::Box);
  Label11 = new ClickLabel(QString(), this);
  Label11->setObjectName("Label11");
  Label11->setGeometry(4, 70, kChoice, kChoice);
  Label11->setFrameShape(QFrame::Box);
  Label11->onClick = [this] { host_.Trap("SymInitialC", kNotAnArray, [this] { SymInitialC(); }); };

  auto button = [this](const char* name, const char* caption, int x, int y) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(x, y, 56, 22);
    return b;
  };
  SymInitial = button("SymInitial", "Initial", 4, 90);
  SymClear = button("SymClear", "Clear", 4, 118);
  Command1 = button("Command1", "Base", 4, 142);
  SymOK[0] = button("SymOK_0", "OK", 4, 170);
  SymOK[1] = button("SymOK_1", "Cancel", 4, 194);
  Command3 = button("Command3", "Help", 4, 218);
  // Each button's command reports its own failures, under its tag.
  auto on = [this](QPushButton* b, const char* tag, int index, std::function<void()> command) {
    connect(b, &QPushButton::clicked, this,
            [this, tag, index, command = std::move(command)] { host_.Trap(tag, index, command); });
  };
  on(SymInitial, "SymInitialC", kNotAnArray, [this] { SymInitialC(); });
  on(SymClear, "SymClear", kNotAnArray, [this] { SymClear_Click(); });
  on(Command1, "Cmd1", kNotAnArray, [this] { Command1_Click(); });
  on(SymOK[0], "SymOK", 0, [this] { SymOK_Click(0); });
  on(SymOK[1], "SymOK", 1, [this] { SymOK_Click(1); });
  on(Command3, "SymHelp", kNotAnArray, [this] { host_.showHelp(kHelpTopic); });
  // Deep enough to cover the Redraw button at the foot of the tool column
  // whole, so that no sliver of it shows under the panel.
  setFixedSize(64, 248);
  PutSymType(1);
  hide();
}

void SymSetupPanel::PutSymType(int i) {
  if (i < 0 || i > kMaxGroups) return;
  const ClickLabel* l = Label9[static_cast<std::size_t>(i)];
  exx->setGeometry(l->geometry());
  exx->setBackColor(l->backColor());
  exx->show();
  exx->raise();
}

void SymSetupPanel::setHelpText(const char* text, int group) {
  QLabel* t = host_.helpBox();
  if (t == nullptr) return;
  t->setText(text);
  t->setStyleSheet(colourStyle(GroupColor(group)));
  t->show();
}

void SymSetupPanel::Editsym_Click() {
  DrawingList& list = host_.list();
  SymState& sym = host_.sym();
  EditorState& ed = host_.editor();
  if (list.PackFrom > 0) host_.PackBad();
  if (list.G0.empty() || list.G0[0] != float(kCodeGeometric)) {
    host_.host().messageBox(kNoGeometryText, MsgButtons::OK, MsgIcon::None, "");
    return;
  }
  const Surface& canvas = host_.canvas();
  SaveScale(host_.views(), canvas.width(), canvas.height());
  if (list.recordOpen()) host_.closeOpenRecord();
  if (ed.CurDrawType > kEditToolBoundary) host_.selectTool(kToolMultiLine);
  setup_.SavedColorTools = ed.ColorToolsOn;
  if (setup_.SavedColorTools) host_.ToggleColorTools();
  host_.MenEnable(false);
  host_.SetDrawButtons(false);
  const bool secondPart = parts_.Label7[2]->isVisibleTo(&parts_);
  parts_.hide();

  const int offered = OfferedGroupChoices(ed.ShowGeoNumbers, secondPart);
  for (int i = 1; i <= kMaxGroups; ++i) Label9[static_cast<std::size_t>(i)]->setVisible(i <= offered);
  show();
  raise();
  InvalidateSymTables(sym);
  setup_.GroupCounts.fill(0);
  if (sym.GeoCapture == 0) {
    sym.GeoCapture = 1;
    sym.SymCount = 0;
    setup_.CurSymGroup = 1;
    PutSymType(1);
  }

  // Zoom onto the base shapes; the redraw captures their edges as copies.
  const auto frame = SymRangeFrame(list, canvas.width(), canvas.height());
  ViewTable& views = host_.views();
  if (frame) {
    SaveScale(views, canvas.width(), canvas.height());
    for (int c = 0; c < 6; ++c) views.at(views.lastRow(), c) = (*frame)[static_cast<std::size_t>(c)];
    TransformView(views, list, views.lastRow(), CanvasRect{0, canvas.width(), 0, canvas.height()});
    views.ViewDepth -= 1;
  }
  host_.DrawAll(1);
  CaptureLeadingShapes(sym, list);
  sym.GeoCapture = 2;
  if (sym.CaptureOverflow) {
    host_.host().messageBox(kTooManyEdgesText, MsgButtons::OK, MsgIcon::None, "");
    sym.CaptureOverflow = false;
  }

  setup_.CurSymType = 0;
  setup_.SymActive = 0;
  if (sym.SymStart == sym.SymEnd) {
    ed.SymSetupDraw = true;
    SymShowHandles(sym, host_.canvas(), 0, true);
    ed.SymSetupDraw = false;
  } else {
    if (!MatchSymRecords(setup_, sym, list))
      host_.host().messageBox(kCorruptSymmetryText, MsgButtons::OK, MsgIcon::None, "");
    ed.SymSetupDraw = true;
    host_.DrawAll(1);
    SymShowHandles(sym, host_.canvas(), 0, true);
    ed.SymSetupDraw = false;
    const int p = roundEntry(list.G1[sym.SymEnd]);
    setup_.CurSymType = (p >= 0 && p <= kMaxGroups) ? p : 0;
    setup_.SymActive = kSymActiveMatched;
  }
  host_.canvasChanged();

  Label11->setBackColor(GroupColor(setup_.CurSymType));
  if (QLabel* t = host_.helpBox()) setup_.OldHelpText = t->text().toStdString();
  setHelpText(kSetupHelpText, setup_.CurSymGroup);
}

void SymSetupPanel::Label9_Click(int Index) {
  if (Index < 0 || Index > kMaxGroups) return;
  if (!setup_.SymInitialMode) {
    if (Index == 0) return;
    setup_.CurSymGroup = Index;
    if (QLabel* t = host_.helpBox()) t->setStyleSheet(colourStyle(GroupColor(Index)));
  } else {
    setup_.CurSymType = Index;
  }
  PutSymType(Index);
}

void SymSetupPanel::SymClear_Click() {
  orn::SymClear(setup_, host_.sym());
  host_.DrawAll(1);
  SymShowHandles(host_.sym(), host_.canvas(), 0, false);
  host_.canvasChanged();
}

void SymSetupPanel::SymInitialC() {
  Label10->setText("Initial Symmetry");
  for (QWidget* w : {static_cast<QWidget*>(SymInitial), static_cast<QWidget*>(Command1),
                     static_cast<QWidget*>(Label11), static_cast<QWidget*>(SymClear),
                     static_cast<QWidget*>(SymOK[1])}) {
    w->hide();
    w->setEnabled(false);
  }
  if (QLabel* t = host_.helpBox()) t->hide();
  Label9[0]->show();
  Label9[0]->setEnabled(true);
  PutSymType(setup_.CurSymType);
  setup_.SymInitialMode = true;
}

void SymSetupPanel::Command1_Click() {
  setup_.MovingBase = true;
  hide();
  setHelpText(kMoveBaseHelpText, setup_.CurSymGroup);
}

void SymSetupPanel::SymTestHandle(int Button, int Shift, float X, float Y) {
  SymState& sym = host_.sym();
  const HandleAction a =
      orn::SymTestHandle(setup_, sym, host_.canvas(), host_.host(), Button, Shift, X, Y);
  if (a == HandleAction::Missed) return;
  if (a == HandleAction::BaseMoved) {
    show();
    setHelpText(kSetupHelpText, setup_.CurSymGroup);
    host_.editor().YellowBase = false;
    host_.DrawAll(1);
    SymShowHandles(sym, host_.canvas(), 0, false);
  }
  host_.canvasChanged();
}

void SymSetupPanel::repeatLastHandle() {
  SymTestHandle(setup_.HandleButton, setup_.HandleShift, setup_.HandleX, setup_.HandleY);
}

void SymSetupPanel::leaveSetup() {
  hide();
  if (QLabel* t = host_.helpBox()) {
    t->hide();
    t->setText(QString::fromStdString(setup_.OldHelpText));
    t->setStyleSheet(colourStyle(GroupColor(1)));
  }
  if (setup_.SavedColorTools) host_.ToggleColorTools();
  host_.MenEnable(true);
  parts_.setVisible(host_.editor().PaintOnlyMode == 0);
  host_.SetDrawButtons(true);
}

void SymSetupPanel::SymOK_Click(int Index) {
  EditorState& ed = host_.editor();
  SymState& sym = host_.sym();
  if (host_.yellowChecked() && !ed.YellowBase) ed.YellowBase = true;

  if (setup_.SymInitialMode) {
    Label10->setText("Symmetry Group");
    for (QWidget* w : {static_cast<QWidget*>(SymInitial), static_cast<QWidget*>(Command1),
                       static_cast<QWidget*>(Label11), static_cast<QWidget*>(SymClear),
                       static_cast<QWidget*>(SymOK[1])}) {
      w->show();
      w->setEnabled(true);
    }
    if (QLabel* t = host_.helpBox()) t->show();
    Label11->setBackColor(GroupColor(setup_.CurSymType));
    Label9[0]->hide();
    Label9[0]->setEnabled(false);
    PutSymType(setup_.CurSymGroup);
    setup_.SymInitialMode = false;
    return;
  }

  if (Index == 1) {
    leaveSetup();
    InvalidateSymTables(sym);
    sym.GeoCapture = 0;
    host_.ZoomBack();
    host_.canvasChanged();
    return;
  }

  const AcceptOutcome out = AcceptSymmetry(setup_, sym, host_.list());
  if (out.result == AcceptResult::TooLong) {
    host_.host().messageBox(kTooLongText, MsgButtons::OK, MsgIcon::Exclamation, "");
    return;
  }
  leaveSetup();
  if (out.result == AcceptResult::NoGeometry) {
    sym.GeoCapture = 0;
    InvalidateSymTables(sym);
    host_.ZoomBack();
    host_.canvasChanged();
    return;
  }
  parts_.showParts(out.partShown);
  for (int g = 1; g <= kMaxGroups; ++g)
    if (out.partShown[static_cast<std::size_t>(g)])
      host_.CalcItemView(g, out.partRefGeo[static_cast<std::size_t>(g)]);
  PutSymType(setup_.CurSymGroup);
  parts_.PutSymState(sym.CurPart);
  host_.SymUpdateMenus();
  host_.ZoomBack();
  host_.canvasChanged();
}

}  // namespace orn
