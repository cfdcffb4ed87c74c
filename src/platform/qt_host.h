#pragma once
// The Host the program runs with: Qt's event pump, keyboard state, bell,
// clock, message boxes and input boxes.
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include "platform/core/host.h"

namespace orn {

class QtHost : public Host {
 public:
  // Boxes are shown over `parent` (may be null, or change later).
  explicit QtHost(QWidget* parent = nullptr);

  void setParentWindow(QWidget* parent) { parent_ = parent; }

  void pumpEvents() override;
  bool ctrlKeyDown() const override;
  void beep() override;
  void setHourglass(bool on) override;
  double secondsSinceMidnight() const override;
  std::int64_t milliseconds() const override;

  // Shows a modal box with the button set and icon and returns the answer.
  // The first button is the default. Where the set has a Cancel button,
  // Escape and closing the box answer Cancel; a box with a single OK answers
  // OK. Other boxes (Yes/No, Abort/Retry/Ignore) ignore Escape and closing,
  // so that a stray key never picks an answer, such as Abort, for the user.
  MsgResult messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                       const std::string& title) override;
  std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                      const std::string& initial) override;

 private:
  QPointer<QWidget> parent_;
  QElapsedTimer clock_;
  int hourglassDepth_ = 0;
};

}  // namespace orn
