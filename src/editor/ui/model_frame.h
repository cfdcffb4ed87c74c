#pragma once
// ModelFrame: the editor window's model frame: the picture of the folded model
// that a model sample shows in a corner of the canvas (placement in
// symmetry/model_frame.h).
#include "platform/core/surface.h"
#include "shell/ui/editor_window.h"

namespace orn {

class CanvasWidget;
class PicEdit;

class ModelFrame {
 public:
  explicit ModelFrame(PicEdit& w) : w_(w) {}

  CanvasWidget& Model();
  // Shows the model picture for the digit after "OVMOD", which stands at the
  // 1-based position p of FileName.
  void FrameModel(int p);
  // After a load: a picture named as a model sample, opened while the main
  // menu shows the models, shows its model.
  void frameLoadedModel();
  CanvasWidget* Model_ = nullptr;
  Surface modelPicture_;
  // The pictures of the folded models (unset: none).
  EditorWindow::ModelPictureSource pictures_;

 private:
  PicEdit& w_;
};

}  // namespace orn
