#include "editor/ui/project_pages.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <string>

#include "canvas/page_shape.h"
#include "canvas/ui/form_layout.h"
#include "canvas/ui/part_labels.h"
#include "canvas/zoom_views.h"
#include "editor/ui/pic_edit.h"
#include "editor/ui/zoom_control.h"
#include "platform/canvas_widget.h"

namespace orn {

namespace {

constexpr const char* kScreenIsPictureText =
    "Using this option you can indicate that a zoomed view of your picture is to become the full "
    "picture.  Click OK to indicate that the current screen is a full view of your picture.  Click "
    "Cancel if it is not.";
// The help box while the project-pages panel is open.
constexpr const char* kPagesPanelText =
    "Choose the number of pages with the arrows of the Pages panel: the picture becomes that many "
    "pages one below the other, each as large as the screen, the first of them the present screen.  "
    "Click OK to keep this, or Cancel to leave the picture as it is.";
constexpr int kPanelWidth = 64;
constexpr int kMaxPanelPages = 5;

}  // namespace

ProjPagesPanel::ProjPagesPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("Picture6");
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  Label12 = new QLabel("Pages", this);
  Label12->setGeometry(4, 4, kPanelWidth - 8, 16);
  Label14 = new QLabel("1", this);
  Label14->setObjectName("Label14");
  Label14->setGeometry(4, 24, 24, 16);
  VScroll3 = new QScrollBar(Qt::Vertical, this);
  VScroll3->setObjectName("VScroll3");
  VScroll3->setRange(1, kMaxPanelPages);
  VScroll3->setPageStep(1);
  setPages(1);
  VScroll3->setGeometry(kPanelWidth - 22, 24, 16, 64);
  Label13 = new QLabel("Set Page", this);
  Label13->setGeometry(4, 92, kPanelWidth - 8, 16);
  const char* const captions[] = {"OK", "Cancel"};
  for (int i = 0; i < 2; ++i) {
    auto* b = new QPushButton(captions[i], this);
    b->setObjectName(QString("ProjOk(%1)").arg(i));
    b->setGeometry(2, 112 + i * 24, kPanelWidth - 4, 22);
    connect(b, &QPushButton::clicked, this, [this, i] { emit projOkClicked(i); });
    ProjOk[static_cast<std::size_t>(i)] = b;
  }
  resize(kPanelWidth, 162);
}

int ProjPagesPanel::pages() const { return kMaxPanelPages + 1 - VScroll3->value(); }

void ProjPagesPanel::setPages(int pages) { VScroll3->setValue(kMaxPanelPages + 1 - pages); }

ProjectPages::ProjectPages(PicEdit& w) : QObject(&w), w_(w) {
  Picture6 = new ProjPagesPanel(w.formArea());
  Picture6->move(0, 0);
  Picture6->hide();
  connect(Picture6, &ProjPagesPanel::projOkClicked, this,
          [this](int i) { w_.errors().Trap("ProjOK", i, [this, i] { ProjOk_Click(i); }); });
  connect(Picture6->VScroll3, &QScrollBar::valueChanged, this,
          [this] { w_.errors().Trap("VScroll3", [this] { VScroll3_Change(); }); });
}

bool ProjectPages::panelOpen() const { return Picture6->isVisibleTo(w_.formArea()); }

// ---- picture shape -------------------------------------------------------------------

void ProjectPages::MenPageShape_Click(int Index) {
  w_.errors().Trap("MenPgShape", Index, [this, Index] {
    if (w_.list().PackFrom > 0) PackBad(w_.list());
    if (Index < 4) {
      const QWidget* area = w_.formArea();
      const auto aspect =
          PageAspectChoice(Index, area->width() - kFreeWidth, area->height() - kFreeHeight);
      if (!aspect) return;
      w_.layout().PageAspect = *aspect;
      w_.layout().FormRSZ();
      return;
    }
    const Surface& canvas = w_.canvasSurface();
    const auto reply = w_.host().inputBox(
        "Enter Picture Width / Picture Height:", "Enter Ratio",
        RatioDefaultText(canvas.width(), canvas.height()));
    if (!reply || reply->empty()) return;
    const auto aspect = RatioReply(*reply);
    // A ratio that is no number, not positive or extreme is refused quietly.
    if (!aspect || *aspect == static_cast<float>(w_.layout().PageAspect)) return;
    w_.layout().PageAspect = *aspect;
    w_.layout().FormRSZ();
  });
}

// ---- project pages ---------------------------------------------------------------------

void ProjectPages::MenProjPages_Click() {
  w_.errors().Trap("MenProjPgs", [this] {
    if (w_.list().PackFrom > 0) PackBad(w_.list());
    Host& host = w_.host();
    if (host.ctrlKeyDown()) {
      openPanel();
      return;
    }
    if (host.messageBox(kScreenIsPictureText, MsgButtons::OKCancel, MsgIcon::None,
                        "Screen is Picture", MsgResult::Cancel) == MsgResult::OK)
      ArrangeParts();
  });
}

void ProjectPages::openPanel() {
  EditorState& ed = w_.editor();
  w_.MenEnable(false);
  w_.symHost().SetDrawButtons(false);
  w_.viewing().setRedrawButtonVisible(false);
  if (ed.ColorToolsOn) {
    if (ed.PaintOnlyMode == 0) w_.Picture7->hide();
    PageShapePending = true;
    w_.ToggleColorTools();
  }
  w_.Picture1->setEnabled(false);
  OldHelpText = w_.Text1->text();
  oldHelpShown_ = w_.Text1->isVisibleTo(w_.formArea());
  w_.Text1->setText(kPagesPanelText);
  w_.Text1->show();
  Picture6->setPages(ed.ProjPages);
  VScroll3_Change();
  Picture6->show();
  Picture6->raise();
}

void ProjectPages::VScroll3_Change() {
  Picture6->Label14->setText(QString::number(Picture6->pages()));
}

void ProjectPages::ProjOk_Click(int Index) {
  w_.errors().Trap("ProjOK", Index, [this, Index] {
    if (Index == 0) ArrangeParts();
    Picture6->hide();
    w_.Text1->setEnabled(false);
    w_.Text1->setText(OldHelpText);
    w_.Text1->setVisible(oldHelpShown_);
    w_.Picture1->setEnabled(true);
    if (PageShapePending) {
      PageShapePending = false;
      w_.ToggleColorTools();
    }
    w_.MenEnable(true);
    w_.symHost().SetDrawButtons(true);
    w_.viewing().setRedrawButtonVisible(true);
    w_.SymUpdateMenus();
    if (w_.editor().PaintOnlyMode == 0) w_.viewing().showPartLabels();
  });
}

void ProjectPages::ArrangeParts() {
  const Surface& canvas = w_.canvasSurface();
  orn::ArrangeParts(w_.views(), w_.editor(), Picture6->pages(), canvas.width(),
                    canvas.height());
  w_.zoom().updateViewItems();
  showPageItems();
}

void ProjectPages::showPageItems() {
  const int pages = w_.editor().ProjPages;
  for (int i = 1; i <= kMaxPageViews; ++i)
    w_.menus().setItemVisible("Zoom(" + std::to_string(i) + ")", i <= pages || i == 1);
  w_.menus().setItemVisible("Zoom(7)", pages > 1);
  if (QAction* full = w_.menus().menuItem("Zoom(1)")) full->setText(pages > 1 ? "Part 1" : "Full Picture");
}

}  // namespace orn
