#pragma once
// WindowSymHost: what the symmetry set-up panel, the part labels and the
// symmetry dialogs ask of the editor window, answered from the window's
// document and parts. The window owns one and hands it to those panels.
#include "canvas/ui/sym_setup_host.h"

namespace orn {

class PicEdit;

class WindowSymHost : public SymSetupHost {
 public:
  explicit WindowSymHost(PicEdit& w) : w_(w) {}

  DrawingList& list() override;
  SymState& sym() override;
  EditorState& editor() override;
  DrawContext& draw() override;
  ViewTable& views() override;
  Surface& canvas() override;
  Host& host() override;
  QLabel* helpBox() override;

  void canvasChanged() override;
  void DrawAll(int index) override;
  void closeOpenRecord() override;
  void selectTool(int tool) override;
  void ToggleColorTools() override;
  void MenEnable(bool enable) override;
  void SetDrawButtons(bool enable) override;
  void SymUpdateMenus() override;
  void setSymWorkingEnabled(bool enable) override;
  bool yellowChecked() const override;
  void CalcItemView(int part, int header) override;
  void ZoomBack() override;
  void showHelp(int topic) override;
  void Trap(const char* tag, int index, const std::function<void()>& command) override;

 private:
  PicEdit& w_;
};

}  // namespace orn
