#pragma once
// File dialogs that answer from a script and remember what they were asked.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/file_dialogs.h"

namespace orn::test {

class ScriptedDialogs : public FileDialogs {
 public:
  std::optional<std::string> openFile(const FileDialogRequest& r) override {
    openRequests.push_back(r);
    return next(opens);
  }
  std::optional<std::string> saveFile(const FileDialogRequest& r) override {
    saveRequests.push_back(r);
    if (whileOpen) whileOpen(r);
    return next(saves);
  }
  // Runs while a save dialog is up, as the user looks at the window.
  std::function<void(const FileDialogRequest&)> whileOpen;
  // An empty string in a script stands for Cancel; so does an empty script.
  std::deque<std::string> opens, saves;
  std::vector<FileDialogRequest> openRequests, saveRequests;

 private:
  static std::optional<std::string> next(std::deque<std::string>& q) {
    if (q.empty()) return std::nullopt;
    std::string s = q.front();
    q.pop_front();
    if (s.empty()) return std::nullopt;
    return s;
  }
};

}  // namespace orn::test
