#pragma once
// ShowMode: show mode and the gallery ("&Switch to Show Mode", "&Modify", the
// background colour and title of a picture shown), the slide shows' steps and
// the stamps.
#include <optional>
#include <string>

#include "platform/core/surface.h"

class QLabel;
class QTimer;

namespace orn {

class PicEdit;

class ShowMode {
 public:
  explicit ShowMode(PicEdit& w) : w_(w) {}

  // Switches show mode on or off ("&Switch to Show Mode").
  void Gallery_Click();
  // "&Modify": 0 edit, 1 recolour, 2 re-create the picture shown.
  void MenEditR_Click(int Index);
  void GalBackColor_Click();
  void GalTitle_Click();
  // One step of a slide show: the next slide, 5 s after the last has loaded.
  void ArtShowT_Timer();
  QTimer* ArtShowT = nullptr;
  QLabel* CountLab = nullptr;  // "3 of 12 "
  // The stamp buttons.
  void Command2_Click(int Index);
  void buildGalleryWidgets();
  void wireGalleryMenu();
  void enterShowMode();
  void leaveShowMode();
  void setWindowBackground(std::optional<Rgb> colour);
  // Loads the first slide from `from` on (wrapping round) that loads; false
  // when none does.
  bool loadSlide(int from);
  void showSlideCount();
  // The file the picture shown came from: its name, or for a picture loaded
  // as "<UnNamed>" (a sample) the file it was read from.
  std::string reloadPath() const;
  int SavedPicLeft = 0;
  int SavedPicTop = 0;
  Surface stamp_;

 private:
  PicEdit& w_;
};

}  // namespace orn
