// The editor window's model frame: the picture of the folded model that a
// model sample shows in a corner of the canvas (placement in
// symmetry/model_frame.h).
#include "editor/ui/pic_edit.h"
#include "platform/canvas_widget.h"
#include "symmetry/model_frame.h"

namespace orn {

CanvasWidget& PicEdit::Model() {
  if (Model_ == nullptr) {
    Model_ = new CanvasWidget(inner_);
    Model_->setObjectName("Model");
    // Clicks go to the canvas under it.
    Model_->setAttribute(Qt::WA_TransparentForMouseEvents);
    Model_->setSurface(&modelPicture_);
    Model_->hide();
  }
  return *Model_;
}

void PicEdit::FrameModel(int p) {
  errors_.Trap("FrameModel", [this, p] {
    CanvasWidget& model = Model();
    const CanvasBounds canvas{Picture1->x(), Picture1->y(), canvas_.width(), canvas_.height()};
    if (const auto place = ModelFramePlacement(ModelDigit(file_.FileName, p), canvas)) {
      model.move(place->left, place->top);
      std::optional<Surface> picture;
      if (modelPictures_) picture = modelPictures_(place->PMod);
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

void PicEdit::frameLoadedModel() {
  const auto at = PathKey(file_.FileName).find("OVMOD");
  if (at != std::string::npos && app().MenuArtType == kArtModel) FrameModel(int(at) + 1);
}

}  // namespace orn
