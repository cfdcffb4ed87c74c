// The editor's help: the "&Help" menu and F1 open the editor's page, the
// show-mode "&Help" the show-mode page, and the panels and dialogs of the
// editor their own pages. The help window stands beside the editor; the
// picture is drawn again once when the editor is painted next, in case the
// window covered it.
#include <QAction>
#include <QShortcut>

#include "canvas/ui/pic_edit.h"
#include "shell/help.h"
#include "shell/ui/help_window.h"

namespace orn {

void PicEdit::wireHelp() {
  for (const char* name : {"HelpP", "GalHelp"}) menuItem(name)->setProperty("ornBuilt", true);
  connect(menuItem("HelpP"), &QAction::triggered, this, trapped("HelpP", kNoIndex, [this] { HelpP_Click(); }));
  connect(menuItem("GalHelp"), &QAction::triggered, this, trapped("GalHelp", kNoIndex, [this] { GalHelp_Click(); }));
  // F1 asks for the editor's page, in show mode too.
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(f1, &QShortcut::activated, this, trapped("HelpP", kNoIndex, [this] { HelpP_Click(); }));
}

void PicEdit::HelpP_Click() { showHelp(kHelpEditor); }

void PicEdit::GalHelp_Click() {
  showHelp(kHelpShowMode);
  HelpRedraw = true;
}

void PicEdit::showHelp(int topic) {
  if (help_) {
    help_(topic);
  } else {
    if (ownHelp_ == nullptr) ownHelp_ = new HelpWindow(HelpFolders(app_), SamplePicturesOf(app_), this);
    ownHelp_->showTopic(topic);
  }
  HelpShown = true;
}

}  // namespace orn
