// The editor's help: the "&Help" menu and F1 open the editor's page, the
// show-mode "&Help" the show-mode page, and the panels and dialogs of the
// editor their own pages. Help belongs to the editor, or to the dialog that
// asked for it while the dialog is up, and stays in front of it; the
// picture is drawn again once when the editor is painted next, in case the
// window covered it.
#include <QAction>
#include <QShortcut>

#include "editor/ui/pic_edit.h"
#include "shell/help.h"
#include "shell/ui/help_window.h"

namespace orn {

void EditorHelp::wireHelp() {
  for (const char* name : {"HelpP", "GalHelp"}) w_.menus().menuItem(name)->setProperty("ornBuilt", true);
  QObject::connect(w_.menus().menuItem("HelpP"), &QAction::triggered, &w_,
                   w_.trapped("HelpP", kNoIndex, [this] { HelpP_Click(); }));
  QObject::connect(w_.menus().menuItem("GalHelp"), &QAction::triggered, &w_,
                   w_.trapped("GalHelp", kNoIndex, [this] { GalHelp_Click(); }));
  // F1 asks for the editor's page, in show mode too.
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &w_);
  QObject::connect(f1, &QShortcut::activated, &w_, w_.trapped("HelpP", kNoIndex, [this] { HelpP_Click(); }));
}

void EditorHelp::HelpP_Click() { w_.showHelp(kHelpEditor, w_); }

void EditorHelp::GalHelp_Click() {
  w_.showHelp(kHelpShowMode, w_);
  w_.HelpRedraw = true;
}

void PicEdit::showHelp(int topic, QWidget& asker) {
  EditorHelp& h = parts_->helpMenu;
  if (h.viewer_) {
    h.viewer_(topic, asker);
  } else {
    if (h.ownHelp_ == nullptr) h.ownHelp_ = new HelpWindow(HelpFolders(app_), SamplePicturesOf(app_), this);
    h.ownHelp_->showTopic(topic, asker);
  }
  HelpShown = true;
}

}  // namespace orn
