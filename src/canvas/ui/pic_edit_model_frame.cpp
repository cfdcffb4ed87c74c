// The editor window's model frame: the picture of the folded model that a
// model sample shows in a corner of the canvas (placement in
// symmetry/model_frame.h).
#include <filesystem>

#include "canvas/ui/pic_edit.h"
#include "platform/canvas_widget.h"
#include "platform/core/app_folder.h"
#include "symmetry/model_frame.h"

namespace orn {

namespace {

constexpr int kModelPictureSize = kModelReach - kModelInset;

// Stands in for the rendered preview of a model sample until the sample
// previews can render the folded model: an outline cube in a three-quarter
// view, in the picture's size.
std::optional<Surface> StandInModelPreview(const std::filesystem::path& sample, int width, int height,
                                           Rgb back) {
  if (!std::filesystem::exists(sample)) return std::nullopt;
  Surface s(width, height, back);
  const int a = width / 5, b = width * 3 / 5, d = width / 5;
  const int x0 = a, y0 = height - a - b / 2, x1 = a + b, y1 = y0 + b / 2;  // front face
  s.box(x0, y0 - b / 2, x1, y1);
  s.box(x0 + d, y0 - b / 2 - d, x1 + d, y1 - d);
  for (auto [x, y] : {std::pair{x0, y0 - b / 2}, {x1, y0 - b / 2}, {x1, y1}, {x0, y1}}) s.line(x, y, x + d, y - d);
  return s;
}

}  // namespace

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
      if (modelPictures_) {
        picture = modelPictures_(place->PMod);
      } else {
        const std::string sample = "OVMOD" + std::to_string(ModelOfPicture(place->PMod)) + "A.PNT";
        const auto path = resolveNoCase(dataFolder_ / "STATIC" / sample);
        if (path) picture = StandInModelPreview(*path, kModelPictureSize, kModelPictureSize, kWhite);
      }
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

}  // namespace orn
