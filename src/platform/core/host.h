#pragma once
// What the core asks of the desktop it runs on: the event pump, the keyboard
// state, the clock, the bell and the message and input boxes. The program
// installs a Qt implementation; tests install a scripted one.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orn {

// Button sets and answers of a message box, with the values the editor's
// code compares against.
enum class MsgButtons : int { OK = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum class MsgIcon : int { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum class MsgResult : int { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

// The answers of a button set, in the order the buttons stand.
std::vector<MsgResult> AnswersOf(MsgButtons buttons);

// The answer Return gives: `defaultAnswer` when the box names one of its
// answers, else the set's usual one, which is the first button except on an
// Abort/Retry/Ignore box, where it is Retry, so that no key alone ends the
// program. A box whose first answer can throw work away names the answer
// that keeps it (No, Cancel).
MsgResult ReturnAnswer(MsgButtons buttons, std::optional<MsgResult> defaultAnswer);

// The answer Escape and the box's close button give: the most harmless of
// the set, Cancel where there is one, No on a Yes/No box, Ignore on an
// Abort/Retry/Ignore box, OK on a lone OK.
MsgResult EscapeAnswer(MsgButtons buttons);

class Host {
 public:
  virtual ~Host() = default;

  // Lets pending window events run (repaints, clicks on a stop button).
  virtual void pumpEvents() = 0;
  // True while a Ctrl key is held down.
  virtual bool ctrlKeyDown() const = 0;
  virtual void beep() = 0;
  // Shows the hourglass pointer over every window while `on` (long
  // operations); a no-op where there is no pointer.
  virtual void setHourglass(bool on) { (void)on; }
  // Seconds since midnight, with a fraction, as the editor's timers compare.
  virtual double secondsSinceMidnight() const = 0;
  // A monotonic clock in milliseconds.
  virtual std::int64_t milliseconds() const = 0;

  // Shows a modal box and returns the answer; Return gives
  // ReturnAnswer(buttons, defaultAnswer), Escape EscapeAnswer(buttons).
  virtual MsgResult messageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                               const std::string& title,
                               std::optional<MsgResult> defaultAnswer = std::nullopt) = 0;
  // Empty when the user cancels.
  virtual std::optional<std::string> inputBox(const std::string& prompt,
                                              const std::string& title,
                                              const std::string& initial) = 0;
};

// A host that does nothing and answers every box with its first button;
// the default until the program installs its own, and a base for test hosts.
class NullHost : public Host {
 public:
  void pumpEvents() override {}
  bool ctrlKeyDown() const override { return false; }
  void beep() override { ++beeps; }
  double secondsSinceMidnight() const override { return 0.0; }
  std::int64_t milliseconds() const override { return 0; }
  MsgResult messageBox(const std::string&, MsgButtons b, MsgIcon, const std::string&,
                       std::optional<MsgResult> = std::nullopt) override {
    switch (b) {
      case MsgButtons::AbortRetryIgnore: return MsgResult::Abort;
      case MsgButtons::YesNoCancel:
      case MsgButtons::YesNo: return MsgResult::Yes;
      case MsgButtons::RetryCancel: return MsgResult::Retry;
      default: return MsgResult::OK;
    }
  }
  std::optional<std::string> inputBox(const std::string&, const std::string&,
                                      const std::string& initial) override {
    return initial;
  }
  int beeps = 0;
};

}  // namespace orn
