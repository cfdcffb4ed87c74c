#pragma once
// The one test host of the whole suite: its event pump, Ctrl key, message
// boxes and input boxes answer as the test scripts them, and it remembers
// every box it was asked to show.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/host.h"

namespace orn::test {

struct ShownBox {
  std::string text;
  MsgButtons buttons{};
  MsgIcon icon{};
  std::string title;
  std::optional<MsgResult> defaultAnswer;  // the answer the box names for Return
};

// A key the user answers a box with.
enum class BoxKey { Return, Escape };

class ScriptedHost : public NullHost {
 public:
  void pumpEvents() override {
    ++pumps;
    if (onPump) onPump();
  }
  bool ctrlKeyDown() const override { return ctrl; }
  // The clock as the test sets it; it moves on by `tick` milliseconds each
  // time it is read.
  std::int64_t milliseconds() const override { return clock += tick; }
  // The busy pointer's depth: each operation that shows it takes it away again.
  void setHourglass(bool on) override { hourglass += on ? 1 : (hourglass > 0 ? -1 : 0); }

  // Answers from `answers` one per box, then from `answerWith`, then
  // `answer`, then as `key` answers on the real box; unscripted, the first
  // button, except Ignore in an error report.
  MsgResult messageBox(const std::string& text, MsgButtons b, MsgIcon i, const std::string& title,
                       std::optional<MsgResult> defaultAnswer = std::nullopt) override {
    boxes.push_back({text, b, i, title, defaultAnswer});
    if (onBox) onBox(text);
    if (!answers.empty()) {
      const MsgResult a = answers.front();
      answers.pop_front();
      return a;
    }
    if (answerWith) return answerWith(b);
    if (answer) return *answer;
    if (key) return *key == BoxKey::Return ? ReturnAnswer(b, defaultAnswer) : EscapeAnswer(b);
    return b == MsgButtons::AbortRetryIgnore ? MsgResult::Ignore : NullHost::messageBox(text, b, i, title);
  }

  // Input boxes answer from `replies` (nullopt = Cancel), then from
  // `replyWith`, else with the offered text.
  std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                      const std::string& initial) override {
    inputs.push_back({prompt, MsgButtons::OKCancel, MsgIcon::None, title, std::nullopt});
    offered = initial;
    if (!replies.empty()) {
      std::optional<std::string> r = replies.front();
      replies.pop_front();
      return r;
    }
    return replyWith ? replyWith(initial) : initial;
  }

  // The texts of the message boxes shown so far, in order.
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const ShownBox& b : boxes) out.push_back(b.text);
    return out;
  }

  std::function<void()> onPump;
  int pumps = 0;
  mutable std::int64_t clock = 0;  // the clock's milliseconds
  std::int64_t tick = 0;
  bool ctrl = false;  // the Ctrl key as the test holds it
  int hourglass = 0;

  std::deque<MsgResult> answers;
  std::function<MsgResult(MsgButtons)> answerWith;
  std::optional<MsgResult> answer;
  std::optional<BoxKey> key;
  std::function<void(const std::string&)> onBox;  // runs as each box comes up
  std::vector<ShownBox> boxes;

  std::deque<std::optional<std::string>> replies;
  std::function<std::optional<std::string>(const std::string&)> replyWith;
  std::vector<ShownBox> inputs;
  std::string offered;  // the text the last input box offered
};

}  // namespace orn::test
