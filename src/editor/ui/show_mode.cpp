// Show mode: the editor as a gallery that shows the picture alone, centred
// on a coloured background, without the tools and the editing menus; the
// "&Modify" menu that leads back to editing; the slide-show timer; picture
// titles; and the stamp of the canvas.
#include <QAction>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <filesystem>

#include "canvas/redraw.h"
#include "canvas/ui/part_labels.h"
#include "editor/ui/pic_edit.h"
#include "editor/ui/tool_buttons.h"
#include "platform/canvas_widget.h"
#include "platform/core/app_folder.h"
#include "platform/qt_colour.h"
#include "shell/slide_show.h"
#include "shell/stamp.h"
#include "shell/ui/get_tit.h"

namespace orn {

namespace {

constexpr int kStampButtonWidth = 56;
constexpr int kStampButtonHeight = 20;

}  // namespace

void ShowMode::buildGalleryWidgets() {
  ArtShowT = new QTimer(&w_);
  ArtShowT->setObjectName("ArtShowT");
  ArtShowT->setSingleShot(true);
  ArtShowT->setInterval(kSlideMs);
  QObject::connect(ArtShowT, &QTimer::timeout, &w_,
                   w_.trapped("ArtShowT", kNoIndex, [this] { ArtShowT_Timer(); }));

  CountLab = new QLabel(w_.formArea());
  CountLab->setObjectName("CountLab");
  CountLab->hide();

  for (int i = 0; i < 2; ++i) {
    auto* b = new QPushButton("Stamp", w_.formArea());
    b->setObjectName(QString("Command2(%1)").arg(i));
    b->setFocusPolicy(Qt::NoFocus);
    b->resize(kStampButtonWidth, kStampButtonHeight);
    b->hide();
    QObject::connect(b, &QPushButton::clicked, &w_, [this, i] { Command2_Click(i); });
    w_.special().Command2[std::size_t(i)] = b;
  }
  w_.special().Picture9 = new CanvasWidget(w_.formArea());
  w_.special().Picture9->setObjectName("Picture9");
  w_.special().Picture9->setAttribute(Qt::WA_TransparentForMouseEvents);
  stamp_ = Surface(kStampBox, kStampBox, kStampBack);
  w_.special().Picture9->setSurface(&stamp_);
  w_.special().Picture9->resize(kStampBox, kStampBox);
  w_.special().Picture9->hide();
}

void ShowMode::wireGalleryMenu() {
  auto live = [this](const std::string& name, const char* tag, int index, std::function<void()> command) {
    QAction* a = w_.menus().menuItem(name);
    a->setProperty("ornBuilt", true);
    a->setEnabled(true);
    QObject::connect(a, &QAction::triggered, &w_, w_.trapped(tag, index, std::move(command)));
  };
  // The check mark is show mode itself: Gallery_Click sets it.
  live("Gallery", "Gallery", kNoIndex, [this] {
    QAction* g = w_.menus().menuItem("Gallery");
    g->setChecked(!g->isChecked());
    Gallery_Click();
  });
  for (int i = 0; i < 3; ++i)
    live("MenEditR(" + std::to_string(i) + ")", "MenEditR", i, [this, i] { MenEditR_Click(i); });
  live("GalBackColor", "GalBackColor", kNoIndex, [this] { GalBackColor_Click(); });
  live("GalTitle", "GalTitle", kNoIndex, [this] { GalTitle_Click(); });
}

// ---- show mode ---------------------------------------------------------------------

void ShowMode::Gallery_Click() {
  const bool on = !w_.showMode();
  w_.errors().Trap("GalleryC", [this, on] {
    w_.menus().setItemChecked("Gallery", on);
    if (on)
      enterShowMode();
    else
      leaveShowMode();
  });
}

void ShowMode::enterShowMode() {
  w_.Picture7->hide();
  w_.symHost().SetDrawButtons(false);
  w_.menus().MenusShowMode(false);
  w_.redraws().DrawAll0->hide();
  for (QPushButton* b : w_.special().Command2) b->hide();
  if (w_.editor().ColorToolsOn) w_.ToggleColorTools();
  // Marked on, so that leaving show mode brings the colour tools back.
  w_.editor().ColorToolsOn = true;
  setWindowBackground(w_.picture().GalleryBackColor);
  w_.host().pumpEvents();
  SavedPicLeft = w_.layout().canvasLeft;
  SavedPicTop = w_.layout().canvasTop;
  w_.layout().canvasLeft = (w_.formArea()->width() - w_.canvasSurface().width()) / 2;
  w_.layout().canvasTop = (w_.formArea()->height() - w_.canvasSurface().height()) / 2;
  w_.Picture1->move(w_.layout().canvasLeft, w_.layout().canvasTop);
  if (!w_.picture().PictureTitle.empty())
    w_.menus().ShowFileName(w_.picture().PictureTitle, true);
  else
    w_.menus().ShowFileName(w_.file().FileName, false);
}

void ShowMode::leaveShowMode() {
  if (w_.modelFrame().Model_ != nullptr) w_.modelFrame().Model_->hide();
  setWindowBackground(std::nullopt);
  w_.menus().MenusShowMode(true);
  // The canvas goes back exactly where it was, whatever happened meanwhile.
  w_.layout().canvasLeft = SavedPicLeft;
  w_.layout().canvasTop = SavedPicTop;
  w_.Picture1->move(w_.layout().canvasLeft, w_.layout().canvasTop);
  w_.layout().placeColourPanel();
  w_.symHost().SetDrawButtons(true);
  w_.redraws().DrawAll0->show();
  // The colour tools always come back.
  w_.editor().ColorToolsOn = false;
  w_.ToggleColorTools();
  w_.symmetry().refreshSymmetryControls();
  w_.menus().ShowFileName(w_.file().FileName, false);
  w_.menus().setItemVisible("Gallery", w_.editor().PaintOnlyMode == 0);
  w_.menus().setItemVisible("lingal", w_.editor().PaintOnlyMode == 0);
}

// The window's and the progress strip's background: a colour, or (none)
// the window's own.
void ShowMode::setWindowBackground(std::optional<Rgb> colour) {
  w_.formArea()->setAutoFillBackground(colour.has_value());
  QPalette p = w_.formArea()->palette();
  if (colour) p.setColor(QPalette::Window, toQColor(*colour));
  else p = QPalette();
  w_.formArea()->setPalette(p);
  w_.layout().progress().setBackColor(colour.value_or(kWhite));
  w_.layout().progress().clear();
  w_.Progress->update();
}

// ---- the Modify menu ---------------------------------------------------------------

std::string ShowMode::reloadPath() const {
  return w_.file().FileName != kUnNamed ? w_.file().FileName : w_.files().loadedPath_;
}

void ShowMode::MenEditR_Click(int Index) {
  w_.errors().Trap("MenEditR", Index, [this, Index] {
    // Erasing a changed picture asks first; Cancel stays in show mode.
    const bool confirmed =
        Index == 0 || !w_.editor().PicChanged ||
        w_.host().messageBox("Are you sure?", MsgButtons::OKCancel, MsgIcon::Question,
                         Index == 1 ? "Erase All Color From Picture" : "Erase this Picture",
                         MsgResult::Cancel) == MsgResult::OK;
    if (confirmed && Index == 0) {
      Gallery_Click();
    } else if (confirmed && Index == 1) {
      // The colours go without a question, and the wheel shows to paint anew.
      Gallery_Click();
      w_.colours().EraseC(kEraseSilentRedraw);
      w_.colourTools().ToggleColorWheel();
    } else if (confirmed && Index == 2) {
      const std::string from = reloadPath();
      if (PathKey(from).find("\\STATIC\\OVMOD") != std::string::npos && from.size() >= 5) {
        // A model sample is re-created from its construction drawing, the
        // file with "D" before the extension.
        if (w_.modelFrame().Model_ != nullptr) w_.modelFrame().Model_->hide();
        Gallery_Click();
        std::string drawing = from;
        drawing[drawing.size() - 5] = 'D';
        w_.files().LoadPicture(resolveNoCase(drawing).value_or(drawing).string());
      } else {
        Gallery_Click();
        if (!from.empty()) {
          // The symmetry is rebuilt and the load stops before the drawing.
          w_.file().LoadOption = kLoadReCreate;
          w_.files().LoadPicture(from);
          w_.file().LoadOption = kLoadNormal;
        }
      }
    }
    if (w_.modelFrame().Model_ != nullptr) w_.modelFrame().Model_->hide();
    // A sample is never written over: saving it asks for a new name.
    if (PathKey(w_.file().FileName).find("\\STATIC\\OV") != std::string::npos) w_.file().FileName = kUnNamed;
    w_.menus().ShowFileName(w_.file().FileName, false);
  });
}

void ShowMode::GalBackColor_Click() {
  w_.errors().Trap("GalBackCol", [this] {
    const QColor chosen = QColorDialog::getColor(toQColor(w_.picture().GalleryBackColor), &w_);
    if (!chosen.isValid()) return;
    // Not a change of the picture: it is saved with the next save.
    w_.picture().GalleryBackColor = fromQColor(chosen);
    setWindowBackground(w_.picture().GalleryBackColor);
  });
}

// ---- titles ------------------------------------------------------------------------

void ShowMode::GalTitle_Click() {
  w_.errors().Trap("GalTitle", [this] {
    GetTit dialog(w_.picture().PictureTitle, &w_);
    if (const auto title = dialog.ask(); title && *title != w_.picture().PictureTitle) {
      w_.picture().PictureTitle = *title;
      // A new title is a change: leaving offers to save it.
      w_.editor().PicChanged = true;
    }
    if (w_.showMode()) w_.setWindowTitle(QString::fromStdString(w_.picture().PictureTitle));
  });
}

// ---- the slide show ----------------------------------------------------------------

void ShowMode::ArtShowT_Timer() {
  ArtShowT->stop();
  if (w_.start().exiting_) return;
  // A minimised window waits; so does a slide while the picture is being
  // drawn or read, which must not change under it.
  if (w_.layout().RedrawPending || RedrawRunning(w_.editor()) || w_.files().loading_) {
    ArtShowT->start();
    return;
  }
  CountLab->hide();
  bool shown = false;
  w_.errors().Trap("ArtShowT", [this, &shown] {
    shown = loadSlide(NextSlide(w_.app().ShowIndex, int(w_.app().ShowList.size()) - 1));
  });
  if (shown && !w_.start().exiting_) ArtShowT->start();
}

bool ShowMode::loadSlide(int from) {
  const int last = int(w_.app().ShowList.size()) - 1;
  auto fileOf = [this](int i) {
    return resolveNoCase(SlidePath(w_.app().ShowMode, w_.app().StaticFolder, w_.app().ShowFolder,
                                   w_.app().ShowList[std::size_t(i)]));
  };
  // A slide whose file has gone, or that cannot be loaded, is passed over.
  const auto found = FindSlide(from, last, [&](int i) {
    const auto f = fileOf(i);
    if (!f || !std::filesystem::is_regular_file(*f)) return false;
    w_.app().ShowIndex = i;
    w_.file().LoadOption = kLoadNormal;
    return w_.files().LoadPicture(f->string()) == CommandStatus::Done;
  });
  return found.has_value();
}

void ShowMode::showSlideCount() {
  CountLab->setText(QString("%1 of %2 ").arg(w_.app().ShowIndex + 1).arg(w_.app().ShowList.size()));
  CountLab->adjustSize();
  CountLab->move(w_.formArea()->width() - CountLab->width(), w_.formArea()->height() - CountLab->height());
  CountLab->raise();
  CountLab->show();
}

// ---- the stamp ---------------------------------------------------------------------

void ShowMode::Command2_Click(int Index) {
  w_.errors().Trap("Command2", Index, [this] {
    // A second press takes the stamp away; it is never saved.
    if (w_.special().Picture9->isVisible()) {
      w_.special().Picture9->hide();
      return;
    }
    stamp_ = MakeStamp(w_.canvasSurface());
    w_.special().Picture9->update();
    w_.special().Picture9->raise();
    w_.special().Picture9->show();
  });
}

}  // namespace orn
