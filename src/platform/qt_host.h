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
  // Return gives ReturnAnswer, Escape and closing the box EscapeAnswer
  // (host.h): no key alone picks Abort or throws work away.
  MsgResult messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                       const std::string& title,
                       std::optional<MsgResult> defaultAnswer = std::nullopt) override;
  std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                      const std::string& initial) override;

 private:
  QPointer<QWidget> parent_;
  QElapsedTimer clock_;
  int hourglassDepth_ = 0;
};

}  // namespace orn
