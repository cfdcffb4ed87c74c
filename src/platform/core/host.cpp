#include "platform/core/host.h"

#include <algorithm>

namespace orn {

std::vector<MsgResult> AnswersOf(MsgButtons buttons) {
  using R = MsgResult;
  switch (buttons) {
    case MsgButtons::OKCancel: return {R::OK, R::Cancel};
    case MsgButtons::AbortRetryIgnore: return {R::Abort, R::Retry, R::Ignore};
    case MsgButtons::YesNoCancel: return {R::Yes, R::No, R::Cancel};
    case MsgButtons::YesNo: return {R::Yes, R::No};
    case MsgButtons::RetryCancel: return {R::Retry, R::Cancel};
    case MsgButtons::OK: break;
  }
  return {R::OK};
}

MsgResult ReturnAnswer(MsgButtons buttons, std::optional<MsgResult> defaultAnswer) {
  const std::vector<MsgResult> answers = AnswersOf(buttons);
  if (defaultAnswer && std::find(answers.begin(), answers.end(), *defaultAnswer) != answers.end())
    return *defaultAnswer;
  return buttons == MsgButtons::AbortRetryIgnore ? MsgResult::Retry : answers.front();
}

MsgResult EscapeAnswer(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::AbortRetryIgnore: return MsgResult::Ignore;
    case MsgButtons::YesNo: return MsgResult::No;
    case MsgButtons::OK: return MsgResult::OK;
    case MsgButtons::OKCancel:
    case MsgButtons::YesNoCancel:
    case MsgButtons::RetryCancel: break;
  }
  return MsgResult::Cancel;
}

}  // namespace orn
