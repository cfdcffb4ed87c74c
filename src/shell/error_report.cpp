#include "shell/error_report.h"

#include <cstdlib>
#include <utility>

namespace orn {

namespace {

const char* const kExplainAbort = "Abort - stops the program";
const char* const kExplainRetry = "Retry - retries the failed operation";
const char* const kExplainIgnore = "Ignore - skips the failed operation";

// The program's own end: immediate, without unloading a window or saving.
void quitNow() { std::_Exit(EXIT_FAILURE); }

}  // namespace

std::string NumberText(long long n) {
  std::string text = n < 0 ? "" : " ";
  text += std::to_string(n);
  return text;
}

std::string ErrorMessageText(const std::string& errorText, int errIndex, int line,
                             const std::string& tag) {
  std::string t = errorText + " at" + NumberText(errIndex) + " -" + NumberText(line);
  t += "\nin " + tag;
  t += "\n";
  t += std::string("\n") + kExplainAbort;
  t += std::string("\n") + kExplainRetry;
  t += std::string("\n") + kExplainIgnore;
  return t;
}

std::string ErrorBoxText(const std::string& errorText, int line, const std::string& tag) {
  return errorText + " at Line" + NumberText(line) + "\r\nin " + tag;
}

ErrorReport::ErrorReport(Host& host, EndProgram endProgram) : host_(host) {
  setEndProgram(std::move(endProgram));
}

void ErrorReport::setEndProgram(EndProgram endProgram) {
  end_ = endProgram ? std::move(endProgram) : EndProgram(quitNow);
}

int ErrorReport::endProgram() {
  end_();
  return -1;
}

int ErrorReport::ShowErrorMessage(const std::string& tag, const std::string& errorText,
                                  int line) {
  host_.beep();
  const std::string text = ErrorMessageText(errorText, state_.ErrIndex, line, tag);
  const MsgResult answer =
      host_.messageBox(text, MsgButtons::AbortRetryIgnore, MsgIcon::Exclamation, "Error Message");
  state_.ErrIndex = 0;
  switch (answer) {
    case MsgResult::Retry: return kErrorRetry;
    case MsgResult::Ignore: return kErrorIgnore;
    default:
      // Abort, or a box closed without an answer: the user asked to stop.
      return endProgram();
  }
}

int ErrorReport::ShowErrorBox(const std::string& tag, int line, const std::string& errorText) {
  if (state_.ErrorBoxOpen) return kErrorCancel;
  host_.beep();
  state_.ErrorText = ErrorBoxText(errorText, line, tag);
  state_.ErrorBoxOpen = true;
  if (errorBox_) {
    state_.ErrorChoice = errorBox_(state_.ErrorText);
  } else {
    // Without its own window the report asks through the common box.
    switch (host_.messageBox(state_.ErrorText, MsgButtons::AbortRetryIgnore,
                             MsgIcon::Exclamation, "Error Message")) {
      case MsgResult::Retry: state_.ErrorChoice = kErrorRetry; break;
      case MsgResult::Ignore: state_.ErrorChoice = kErrorIgnore; break;
      default: state_.ErrorChoice = kErrorAbort; break;
    }
  }
  state_.ErrorBoxOpen = false;
  if (state_.ErrorChoice == kErrorAbort) return endProgram();
  return state_.ErrorChoice;
}

bool ErrorReport::Trap(const std::string& tag, int index,
                       const std::function<void()>& command) {
  return trapLoop(tag, index < 0 ? nullptr : &index, command);
}

bool ErrorReport::Trap(const std::string& tag, const std::function<void()>& command) {
  return trapLoop(tag, nullptr, command);
}

bool ErrorReport::trapLoop(const std::string& tag, const int* index,
                           const std::function<void()>& command) {
  for (;;) {
    // Every run, the first and each retried one, starts as the command does.
    if (index) state_.ErrIndex = *index;
    std::string text;
    int line = 0;
    try {
      command();
      return true;
    } catch (const CommandError& e) {
      if (!state_.ErrorTrapOn) throw;
      text = e.what();
      line = e.line();
    } catch (const std::exception& e) {
      if (!state_.ErrorTrapOn) throw;
      text = e.what();
    } catch (...) {
      if (!state_.ErrorTrapOn) throw;
      text = "Unknown error";
    }
    if (ShowErrorMessage(tag, text, line) != kErrorRetry) return false;
  }
}

}  // namespace orn
