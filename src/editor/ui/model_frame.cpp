// The editor window's model frame: the picture of the folded model that a
// model sample shows in a corner of the canvas (placement in
// symmetry/model_frame.h).
#include "editor/ui/pic_edit.h"
#include "platform/canvas_widget.h"
#include "symmetry/model_frame.h"

namespace orn {

CanvasWidget& ModelFrame::Model() {
  if (Model_ == nullptr) {
    Model_ = new CanvasWidget(w_.formArea());
    Model_->setObjectName("Model");
    // Clicks go to the canvas under it.
    Model_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Model_->setSurface(&modelPicture_);
    Model_->hide();
  }
  return *Model_;
}

void ModelFrame::FrameModel(int p) {
  w_.errors().Trap("FrameModel", [this, p] {
    CanvasWidget& model = Model();
    const CanvasBounds canvas{w_.Picture1->x(), w_.Picture1->y(), w_.canvasSurface().width(), w_.canvasSurface().height()};
    if (const auto place = ModelFramePlacement(ModelDigit(w_.file().FileName, p), canvas)) {
      model.move(place->left, place->top);
      std::optional<Surface> picture;
      if (pictures_) picture = pictures_(place->PMod);
      if (picture) {
        modelPicture_ = std::move(*picture);
        model.resize(model.sizeHint());
      }
    }
    // Shown whatever the digit; an unknown one keeps the last picture and place.
    model.raise();
    model.show();
    model.update();
  });
}

void ModelFrame::frameLoadedModel() {
  const auto at = PathKey(w_.file().FileName).find("OVMOD");
  if (at != std::string::npos && w_.app().MenuArtType == kArtModel) FrameModel(int(at) + 1);
}

}  // namespace orn
