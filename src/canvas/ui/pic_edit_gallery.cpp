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
#include "canvas/ui/pic_edit.h"
#include "canvas/ui/tool_buttons.h"
#include "platform/canvas_widget.h"
#include "platform/core/app_folder.h"
#include "platform/qt_colour.h"
#include "shell/slide_show.h"
#include "shell/stamp.h"
#include "shell/ui/get_tit.h"
#include "symmetry/ui/part_labels.h"

namespace orn {

namespace {

constexpr int kStampButtonWidth = 56;
constexpr int kStampButtonHeight = 20;

}  // namespace

void PicEdit::buildGalleryWidgets() {
  ArtShowT = new QTimer(this);
  ArtShowT->setObjectName("ArtShowT");
  ArtShowT->setSingleShot(true);
  ArtShowT->setInterval(kSlideMs);
  connect(ArtShowT, &QTimer::timeout, this, trapped("ArtShowT", kNoIndex, [this] { ArtShowT_Timer(); }));

  CountLab = new QLabel(inner_);
  CountLab->setObjectName("CountLab");
  CountLab->hide();

  for (int i = 0; i < 2; ++i) {
    auto* b = new QPushButton("Stamp", inner_);
    b->setObjectName(QString("Command2(%1)").arg(i));
    b->setFocusPolicy(Qt::NoFocus);
    b->resize(kStampButtonWidth, kStampButtonHeight);
    b->hide();
    connect(b, &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
    Command2[std::size_t(i)] = b;
  }
  Picture9 = new CanvasWidget(inner_);
  Picture9->setObjectName("Picture9");
  Picture9->setAttribute(Qt::WA_TransparentForMouseEvents);
  stamp_ = Surface(kStampBox, kStampBox, kStampBack);
  Picture9->setSurface(&stamp_);
  Picture9->resize(kStampBox, kStampBox);
  Picture9->hide();
}

void PicEdit::wireGalleryMenu() {
  auto live = [this](const std::string& name, const char* tag, int index, std::function<void()> command) {
    QAction* a = menuItem(name);
    a->setProperty("ornBuilt", true);
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, trapped(tag, index, std::move(command)));
  };
  // The check mark is show mode itself: Gallery_Click sets it.
  live("Gallery", "Gallery", kNoIndex, [this] {
    QAction* g = menuItem("Gallery");
    g->setChecked(!g->isChecked());
    Gallery_Click();
  });
  for (int i = 0; i < 3; ++i)
    live("MenEditR(" + std::to_string(i) + ")", "MenEditR", i, [this, i] { MenEditR_Click(i); });
  live("GalBackColor", "GalBackColor", kNoIndex, [this] { GalBackColor_Click(); });
  live("GalTitle", "GalTitle", kNoIndex, [this] { GalTitle_Click(); });
}

// ---- show mode ---------------------------------------------------------------------

void PicEdit::Gallery_Click() {
  const bool on = !showMode();
  errors_.Trap("GalleryC", [this, on] {
    setItemChecked("Gallery", on);
    if (on)
      enterShowMode();
    else
      leaveShowMode();
  });
}

void PicEdit::enterShowMode() {
  Picture7->hide();
  SetDrawButtons(false);
  MenusShowMode(false);
  DrawAll0->hide();
  for (QPushButton* b : Command2) b->hide();
  if (editor_.ColorToolsOn) ToggleColorTools();
  // Marked on, so that leaving show mode brings the colour tools back.
  editor_.ColorToolsOn = true;
  setWindowBackground(pic_.GalleryBackColor);
  host_.pumpEvents();
  SavedPicLeft = canvasLeft_;
  SavedPicTop = canvasTop_;
  canvasLeft_ = (inner_->width() - canvas_.width()) / 2;
  canvasTop_ = (inner_->height() - canvas_.height()) / 2;
  Picture1->move(canvasLeft_, canvasTop_);
  if (!pic_.PictureTitle.empty())
    ShowFileName(pic_.PictureTitle, true);
  else
    ShowFileName(file_.FileName, false);
}

void PicEdit::leaveShowMode() {
  if (Model_ != nullptr) Model_->hide();
  setWindowBackground(std::nullopt);
  MenusShowMode(true);
  // The canvas goes back exactly where it was, whatever happened meanwhile.
  canvasLeft_ = SavedPicLeft;
  canvasTop_ = SavedPicTop;
  Picture1->move(canvasLeft_, canvasTop_);
  placeColourPanel();
  SetDrawButtons(true);
  DrawAll0->show();
  // The colour tools always come back.
  editor_.ColorToolsOn = false;
  ToggleColorTools();
  refreshSymmetryControls();
  ShowFileName(file_.FileName, false);
  setItemVisible("Gallery", editor_.PaintOnlyMode == 0);
  setItemVisible("lingal", editor_.PaintOnlyMode == 0);
}

// The window's and the progress strip's background: a colour, or (none)
// the window's own.
void PicEdit::setWindowBackground(std::optional<Rgb> colour) {
  inner_->setAutoFillBackground(colour.has_value());
  QPalette p = inner_->palette();
  if (colour) p.setColor(QPalette::Window, toQColor(*colour));
  else p = QPalette();
  inner_->setPalette(p);
  progress_.setBackColor(colour.value_or(kWhite));
  progress_.clear();
  Progress->update();
}

// ---- the Modify menu ---------------------------------------------------------------

std::string PicEdit::reloadPath() const {
  return file_.FileName != kUnNamed ? file_.FileName : loadedPath_;
}

void PicEdit::MenEditR_Click(int Index) {
  errors_.Trap("MenEditR", Index, [this, Index] {
    // Erasing a changed picture asks first; Cancel stays in show mode.
    const bool confirmed =
        Index == 0 || !editor_.PicChanged ||
        host_.messageBox("Are you sure?", MsgButtons::OKCancel, MsgIcon::Question,
                         Index == 1 ? "Erase All Color From Picture" : "Erase this Picture",
                         MsgResult::Cancel) == MsgResult::OK;
    if (confirmed && Index == 0) {
      Gallery_Click();
    } else if (confirmed && Index == 1) {
      // The colours go without a question, and the wheel shows to paint anew.
      Gallery_Click();
      EraseC(kEraseSilentRedraw);
      colourTools().ToggleColorWheel();
    } else if (confirmed && Index == 2) {
      const std::string from = reloadPath();
      if (PathKey(from).find("\\STATIC\\OVMOD") != std::string::npos && from.size() >= 5) {
        // A model sample is re-created from its construction drawing, the
        // file with "D" before the extension.
        if (Model_ != nullptr) Model_->hide();
        Gallery_Click();
        std::string drawing = from;
        drawing[drawing.size() - 5] = 'D';
        LoadPicture(resolveNoCase(drawing).value_or(drawing).string());
      } else {
        Gallery_Click();
        if (!from.empty()) {
          // The symmetry is rebuilt and the load stops before the drawing.
          file_.LoadOption = kLoadReCreate;
          LoadPicture(from);
          file_.LoadOption = kLoadNormal;
        }
      }
    }
    if (Model_ != nullptr) Model_->hide();
    // A sample is never written over: saving it asks for a new name.
    if (PathKey(file_.FileName).find("\\STATIC\\OV") != std::string::npos) file_.FileName = kUnNamed;
    ShowFileName(file_.FileName, false);
  });
}

void PicEdit::GalBackColor_Click() {
  errors_.Trap("GalBackCol", [this] {
    const QColor chosen = QColorDialog::getColor(toQColor(pic_.GalleryBackColor), this);
    if (!chosen.isValid()) return;
    // Not a change of the picture: it is saved with the next save.
    pic_.GalleryBackColor = fromQColor(chosen);
    setWindowBackground(pic_.GalleryBackColor);
  });
}

// ---- titles ------------------------------------------------------------------------

void PicEdit::GalTitle_Click() {
  errors_.Trap("GalTitle", [this] {
    GetTit dialog(pic_.PictureTitle, this);
    if (const auto title = dialog.ask(); title && *title != pic_.PictureTitle) {
      pic_.PictureTitle = *title;
      // A new title is a change: leaving offers to save it.
      editor_.PicChanged = true;
    }
    if (showMode()) setWindowTitle(QString::fromStdString(pic_.PictureTitle));
  });
}

// ---- the slide show ----------------------------------------------------------------

void PicEdit::ArtShowT_Timer() {
  ArtShowT->stop();
  if (exiting_) return;
  // A minimised window waits; so does a slide while the picture is being
  // drawn or read, which must not change under it.
  if (RedrawPending || RedrawRunning(editor_) || loading_) {
    ArtShowT->start();
    return;
  }
  CountLab->hide();
  bool shown = false;
  errors_.Trap("ArtShowT", [this, &shown] {
    shown = loadSlide(NextSlide(app_.ShowIndex, int(app_.ShowList.size()) - 1));
  });
  if (shown && !exiting_) ArtShowT->start();
}

bool PicEdit::loadSlide(int from) {
  const int last = int(app_.ShowList.size()) - 1;
  auto fileOf = [this](int i) {
    return resolveNoCase(
        SlidePath(app_.ShowMode, app_.StaticFolder, app_.ShowFolder, app_.ShowList[std::size_t(i)]));
  };
  // A slide whose file has gone, or that cannot be loaded, is passed over.
  const auto found = FindSlide(from, last, [&](int i) {
    const auto f = fileOf(i);
    if (!f || !std::filesystem::is_regular_file(*f)) return false;
    app_.ShowIndex = i;
    file_.LoadOption = kLoadNormal;
    return LoadPicture(f->string()) == CommandStatus::Done;
  });
  return found.has_value();
}

void PicEdit::showSlideCount() {
  CountLab->setText(QString("%1 of %2 ").arg(app_.ShowIndex + 1).arg(app_.ShowList.size()));
  CountLab->adjustSize();
  CountLab->move(inner_->width() - CountLab->width(), inner_->height() - CountLab->height());
  CountLab->raise();
  CountLab->show();
}

// ---- the stamp ---------------------------------------------------------------------

void PicEdit::Command2_Click(int Index) {
  errors_.Trap("Command2", Index, [this] {
    // A second press takes the stamp away; it is never saved.
    if (Picture9->isVisible()) {
      Picture9->hide();
      return;
    }
    stamp_ = MakeStamp(canvas_);
    Picture9->update();
    Picture9->raise();
    Picture9->show();
  });
}

}  // namespace orn
