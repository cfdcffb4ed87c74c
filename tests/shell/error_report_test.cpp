// The common error report and the command trap: texts, answers, and what
// Retry, Ignore and Abort do to the failed command.
#include "shell/error_report.h"

#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>

namespace orn {
namespace {

// A host whose message boxes answer from a script and remember what they showed.
class ScriptedHost : public NullHost {
 public:
  MsgResult messageBox(const std::string& text, MsgButtons b, MsgIcon icon,
                       const std::string& title) override {
    shown.push_back({text, b, icon, title});
    if (answers.empty()) return MsgResult::Ignore;
    MsgResult a = answers.front();
    answers.pop_front();
    return a;
  }
  struct Box {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
    std::string title;
  };
  std::deque<MsgResult> answers;
  std::vector<Box> shown;
};

struct EndCalled {};

TEST(ErrorReport, MessageNamesTheErrorIndexLineAndTagAndExplainsTheButtons) {
  EXPECT_EQ(ErrorMessageText("Division by zero", 0, 12, "FileLoadC"),
            "Division by zero at 0 - 12\nin FileLoadC\n\n"
            "Abort - stops the program\n"
            "Retry - retries the failed operation\n"
            "Ignore - skips the failed operation");
  EXPECT_EQ(ErrorMessageText("x", -3, 0, "P1MD").substr(0, 10), "x at-3 - 0");
  EXPECT_EQ(ErrorBoxText("File not found", 1001, "Form_Load"),
            "File not found at Line 1001\r\nin Form_Load");
}

TEST(ErrorReport, RetryRunsTheFailedCommandAgainFromItsStart) {
  ScriptedHost host;
  host.answers = {MsgResult::Retry, MsgResult::Retry};
  ErrorReport report(host, [] { throw EndCalled{}; });
  int runs = 0;
  int finished = 0;
  const bool done = report.Trap("FileSaveC", [&] {
    ++runs;
    if (runs < 3) throw CommandError("Disk full", 7);
    ++finished;
  });
  EXPECT_TRUE(done);
  EXPECT_EQ(runs, 3);
  EXPECT_EQ(finished, 1);
  ASSERT_EQ(host.shown.size(), 2u);
  EXPECT_EQ(host.shown[0].title, "Error Message");
  EXPECT_EQ(host.shown[0].buttons, MsgButtons::AbortRetryIgnore);
  EXPECT_EQ(host.shown[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(host.shown[0].text.substr(0, 31), "Disk full at 0 - 7\nin FileSaveC");
  EXPECT_EQ(host.beeps, 2);
}

TEST(ErrorReport, IgnoreAbandonsTheCommandAndClearsTheIndex) {
  ScriptedHost host;
  host.answers = {MsgResult::Ignore};
  ErrorReport report(host, [] { throw EndCalled{}; });
  int after = 0;
  const bool done = report.Trap("Extend", 4, [&] {
    throw std::runtime_error("Overflow");
    ++after;
  });
  EXPECT_FALSE(done);
  EXPECT_EQ(after, 0);
  ASSERT_EQ(host.shown.size(), 1u);
  // The index the command stored is shown, and cleared by the report.
  EXPECT_NE(host.shown[0].text.find("Overflow at 4 - 0"), std::string::npos);
  EXPECT_EQ(report.state().ErrIndex, 0);
}

TEST(ErrorReport, RetriedCommandStoresItsIndexAgain) {
  ScriptedHost host;
  host.answers = {MsgResult::Retry, MsgResult::Ignore};
  ErrorReport report(host, [] { throw EndCalled{}; });
  report.Trap("MenPgShape", 2, [] { throw std::runtime_error("bad"); });
  ASSERT_EQ(host.shown.size(), 2u);
  EXPECT_NE(host.shown[1].text.find("bad at 2 -"), std::string::npos);
}

TEST(ErrorReport, AbortEndsTheProgramInsideTheReport) {
  ScriptedHost host;
  host.answers = {MsgResult::Abort};
  int ends = 0;
  ErrorReport report(host, [&] { ++ends; });
  int runs = 0;
  EXPECT_FALSE(report.Trap("FormRSZ", [&] {
    ++runs;
    throw std::runtime_error("x");
  }));
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(runs, 1);

  host.answers = {MsgResult::Abort};
  ErrorReport throwing(host, [] { throw EndCalled{}; });
  EXPECT_THROW(throwing.ShowErrorMessage("T", "e"), EndCalled);
}

TEST(ErrorReport, WithTheTrapOffAFailureReachesTheCaller) {
  ScriptedHost host;
  ErrorReport report(host, [] { throw EndCalled{}; });
  report.state().ErrorTrapOn = false;
  EXPECT_THROW(report.Trap("T", [] { throw std::runtime_error("x"); }), std::runtime_error);
  EXPECT_TRUE(host.shown.empty());
}

TEST(ErrorReport, ErrorBoxAnswersCancelWhileItsWindowIsOpen) {
  ScriptedHost host;
  ErrorReport report(host, [] { throw EndCalled{}; });
  int windows = 0;
  int nested = -99;
  report.setErrorBoxWindow([&](const std::string& text) {
    ++windows;
    EXPECT_EQ(text, "Bad file at Line 1000\r\nin Form_Load");
    nested = report.ShowErrorBox("Form_Load", 1001, "again");
    return kErrorIgnore;
  });
  EXPECT_EQ(report.ShowErrorBox("Form_Load", 1000, "Bad file"), kErrorIgnore);
  EXPECT_EQ(nested, kErrorCancel);
  EXPECT_EQ(windows, 1);
  EXPECT_FALSE(report.state().ErrorBoxOpen);
  EXPECT_EQ(host.beeps, 1);

  report.setErrorBoxWindow([](const std::string&) { return kErrorAbort; });
  EXPECT_THROW(report.ShowErrorBox("Form_Load", 1000, "x"), EndCalled);
}

}  // namespace
}  // namespace orn
