#pragma once
// EditorHelp: the editor's "&Help" menu and F1 (the editor's page) and the
// show-mode "&Help" (the show-mode page).

namespace orn {

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

 private:
  PicEdit& w_;
};

}  // namespace orn
