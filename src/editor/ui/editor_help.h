#pragma once
// EditorHelp: the editor's "&Help" menu and F1 (the editor's page) and the
// show-mode "&Help" (the show-mode page).

#include <functional>

class QWidget;

namespace orn {

class HelpWindow;
class PicEdit;

class EditorHelp {
 public:
  explicit EditorHelp(PicEdit& w) : w_(w) {}

  // Help: the editor's page (menu and F1), the show-mode page, and any page
  // a panel or dialog of the editor asks for. Each repaints the picture once
  // when the editor is painted next.
  void HelpP_Click();
  void GalHelp_Click();
  void wireHelp();

  // Where help pages are shown (unset: a help window of the editor's own).
  std::function<void(int topic, QWidget& asker)> viewer_;
  HelpWindow* ownHelp_ = nullptr;

 private:
  PicEdit& w_;
};

}  // namespace orn
