#pragma once
// The program's two error reports and the trap every command runs under.
//
// A command that fails throws; its handler catches the failure and shows the
// common report, an Abort/Retry/Ignore box titled "Error Message". Retry runs
// the failed command again from its start, Ignore abandons it and leaves the
// program running, Abort ends the program at once (nothing is saved). The
// editor start uses the second report, a window of its own with five buttons.
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/core/host.h"

namespace orn {

// A failure a command reports; `line` is shown in the report as the place of
// the failure (0 when it has none).
class CommandError : public std::runtime_error {
 public:
  explicit CommandError(const std::string& text, int line = 0)
      : std::runtime_error(text), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// The error-report state of the program.
struct ErrorState {
  // Commands trap their failures while this is set; it is set at start-up
  // and stays set. With it clear a failure propagates to the caller.
  bool ErrorTrapOn = true;
  // The index of the last control-array command that stored it; the common
  // report shows it and sets it back to 0.
  int ErrIndex = 0;
  // A progress marker the editor start keeps and passes to ShowErrorBox.
  int LineMarker = 0;
  // True while the five-button error window is up.
  bool ErrorBoxOpen = false;
  // The text shown in the five-button window.
  std::string ErrorText;
  // The button pressed in it: 0 Retry, 1 Skip, 2 Cancel, 3 Abort, 4 Help.
  int ErrorChoice = 0;
};

// The index a command that is not one of a control array passes (any
// negative index): it stores none, and ErrIndex keeps what it held.
constexpr int kNoIndex = -1;

// Answers of the two reports.
constexpr int kErrorRetry = 0;
constexpr int kErrorIgnore = 1;  // "Skip" in the five-button window
constexpr int kErrorCancel = 2;
constexpr int kErrorAbort = 3;
constexpr int kErrorHelp = 4;

// A number as the report prints it: a blank in the sign place when it is not
// negative (" 12", "-3").
std::string NumberText(long long n);

// The text of the common report.
std::string ErrorMessageText(const std::string& errorText, int errIndex, int line,
                             const std::string& tag);
// The text of the five-button window.
std::string ErrorBoxText(const std::string& errorText, int line, const std::string& tag);

class ErrorReport {
 public:
  // Ends the program at once; the program's default quits the process.
  using EndProgram = std::function<void()>;
  // Shows the five-button window modally with the given text and returns the
  // button pressed (0 Retry, 1 Skip, 2 Cancel, 3 Abort, 4 Help).
  using ErrorBoxWindow = std::function<int(const std::string& text)>;

  explicit ErrorReport(Host& host, EndProgram endProgram = {});

  ErrorState& state() { return state_; }
  const ErrorState& state() const { return state_; }
  Host& host() { return host_; }

  void setEndProgram(EndProgram endProgram);
  void setErrorBoxWindow(ErrorBoxWindow window) { errorBox_ = std::move(window); }

  // The common report: beeps, shows the Abort/Retry/Ignore box and returns 0
  // for Retry or 1 for Ignore, setting ErrIndex back to 0. Abort ends the
  // program inside the call; should the end hook return (tests), the result
  // is -1.
  int ShowErrorMessage(const std::string& tag, const std::string& errorText, int line = 0);

  // The editor start's report: returns the button pressed (0 Retry, 1 Skip,
  // 2 Cancel, 4 Help), or 2 at once while its window is already open. Abort
  // ends the program inside the call (-1 should the end hook return).
  int ShowErrorBox(const std::string& tag, int line, const std::string& errorText);

  // Runs a command under the trap. A failure is reported with the command's
  // tag; Retry runs the command again from its start, Ignore abandons it.
  // Returns true when the command ran to its end. With ErrorTrapOn clear the
  // failure propagates. The second form stores the command's index in
  // ErrIndex first (none when it is kNoIndex).
  bool Trap(const std::string& tag, const std::function<void()>& command);
  bool Trap(const std::string& tag, int index, const std::function<void()>& command);

 private:
  int endProgram();
  bool trapLoop(const std::string& tag, const int* index, const std::function<void()>& command);

  Host& host_;
  EndProgram end_;
  ErrorBoxWindow errorBox_;
  ErrorState state_;
};

}  // namespace orn
