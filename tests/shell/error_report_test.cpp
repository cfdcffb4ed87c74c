// The common error report and the command trap: texts, answers, and what
// Retry, Ignore and Abort do to the failed command.
#include "shell/error_report.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/scripted_host.h"

namespace orn {
namespace {

using test::ScriptedHost;

struct EndCalled {};

TEST(ErrorReport, MessageNamesTheErrorIndexLineAndTagAndExplainsTheButtons) {
  EXPECT_EQ(ErrorMessageText("Division by zero", 0, 12, "FileLoadC"),
            "Division by zero at 0 - 12\nin FileLoadC\n\n"
            "Abort - stops the program\n"
            "Retry - retries the failed operation\n"
            "Ignore - skips the failed operation");
  EXPECT_EQ(ErrorMessageText("x", -3, 0, "P1MD").substr(0, 10), "x at-3 - 0");
}

TEST(ErrorReport, RetryRunsTheFailedCommandAgainFromItsStartWithItsIndex) {
  ScriptedHost host;
  host.answers = {MsgResult::Retry, MsgResult::Retry};
  ErrorReport report(host, [] { throw EndCalled{}; });
  int runs = 0;
  EXPECT_TRUE(report.Trap("FileSaveC", 2, [&] {
    if (++runs < 3) throw CommandError("Disk full", 7);
  }));
  EXPECT_EQ(runs, 3);
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[0].title, "Error Message");
  EXPECT_EQ(host.boxes[0].buttons, MsgButtons::AbortRetryIgnore);
  EXPECT_EQ(host.boxes[0].icon, MsgIcon::Exclamation);
  // The report clears the index; the retried command stores it again.
  for (const auto& box : host.boxes) EXPECT_EQ(box.text.substr(0, 31), "Disk full at 2 - 7\nin FileSaveC");
  EXPECT_EQ(host.beeps, 2);
}

TEST(ErrorReport, IgnoreAbandonsTheCommandAbortEndsTheProgramAndATrapOffLetsTheFailureThrough) {
  ScriptedHost host;
  host.answers = {MsgResult::Ignore, MsgResult::Abort};
  int ends = 0;
  ErrorReport report(host, [&] { ++ends; });
  int runs = 0;
  const auto failing = [&] {
    ++runs;
    throw std::runtime_error("Overflow");
  };
  EXPECT_FALSE(report.Trap("Extend", 4, failing));
  EXPECT_EQ(report.state().ErrIndex, 0);
  EXPECT_EQ(ends, 0);
  EXPECT_FALSE(report.Trap("FormRSZ", failing));
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(runs, 2);
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_NE(host.boxes[0].text.find("Overflow at 4 - 0"), std::string::npos);

  host.answers = {MsgResult::Abort};
  ErrorReport throwing(host, [] { throw EndCalled{}; });
  EXPECT_THROW(throwing.ShowErrorMessage("T", "e"), EndCalled);

  // With the trap off a failure reaches the caller unreported.
  report.state().ErrorTrapOn = false;
  EXPECT_THROW(report.Trap("T", failing), std::runtime_error);
  EXPECT_EQ(host.boxes.size(), 3u);
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
