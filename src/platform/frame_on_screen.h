#pragma once
// Keeps a window's frame on the screen as the window leaves the maximised
// state.
#include <QObject>
#include <QRect>

class QWidget;

namespace orn {

// A window opened maximised over the screen's whole free area (so that it
// fills the screen also where no window manager maximises it) is given that
// place back by a window manager when it is un-maximised: its inside fills
// the free area, and its frame, the title bar too, stands off the screen's
// edges, so that the window can no longer be taken by its title bar. Watching
// `window`, this brings the frame within the screen's free area as the window
// leaves the maximised state, and only then: where the user later moves the
// window, it stays. Without a frame round the window nothing changes.
class FrameOnScreen : public QObject {
 public:
  explicit FrameOnScreen(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // Moves and narrows the window, as little as it takes, until its frame
  // lies within the screen's free area.
  void fit();

  QWidget& window_;
  QRect maximised_;             // where the window lies while maximised
  QRect normal_;                // and where it lies when it is not
  bool awaitingPlace_ = false;  // un-maximised, its normal place still to come
};

}  // namespace orn
