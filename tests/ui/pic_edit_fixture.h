#pragma once
// A real editor window under offscreen Qt, with a host and file dialogs that
// answer from a script, and a scratch folder for real files.
#include <QApplication>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "canvas/ui/file_dialogs.h"
#include "canvas/ui/pic_edit.h"
#include "platform/core/host.h"

namespace orn::test {

inline QApplication& app() {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (auto* a = qobject_cast<QApplication*>(QCoreApplication::instance())) return *a;
  static int argc = 1;
  static char name[] = "ui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* a = new QApplication(argc, argv);
  return *a;
}

struct ShownBox {
  std::string text;
  MsgButtons buttons;
  std::string title;
};

class ScriptedHost : public NullHost {
 public:
  void pumpEvents() override {
    if (onPump) onPump();
  }
  std::function<void()> onPump;
  // The Ctrl key as the test holds it.
  bool ctrlKeyDown() const override { return ctrl; }
  bool ctrl = false;
  MsgResult messageBox(const std::string& text, MsgButtons b, MsgIcon,
                       const std::string& title) override {
    boxes.push_back({text, b, title});
    if (!answers.empty()) {
      const MsgResult a = answers.front();
      answers.pop_front();
      return a;
    }
    return b == MsgButtons::AbortRetryIgnore ? MsgResult::Ignore : NullHost::messageBox(text, b, {}, title);
  }
  std::deque<MsgResult> answers;
  std::vector<ShownBox> boxes;
};

class ScriptedDialogs : public FileDialogs {
 public:
  std::optional<std::string> openFile(const FileDialogRequest& r) override {
    openRequests.push_back(r);
    return next(opens);
  }
  std::optional<std::string> saveFile(const FileDialogRequest& r) override {
    saveRequests.push_back(r);
    return next(saves);
  }
  // An empty string in a script stands for Cancel.
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

class PicEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app();
    dir = std::filesystem::temp_directory_path() /
          ("orn_ui_" + std::to_string(::getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    w = std::make_unique<PicEdit>(host, &dialogs);
    w->errors().setEndProgram([this] { ++programEnds; });
    w->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    w->editor().PicChanged = false;
    w.reset();
    std::filesystem::remove_all(dir);
  }

  // Sizes the window so that its inner area is exactly w x h, and lays it out.
  void setInnerSize(int iw, int ih) {
    w->resize(iw, ih + w->menuBar()->height());
    QApplication::processEvents();
    ASSERT_EQ(w->formArea()->width(), iw);
    ASSERT_EQ(w->formArea()->height(), ih);
    w->FormRSZ();
  }

  std::string path(const std::string& name) const { return (dir / name).string(); }

  void trigger(const std::string& item) {
    QAction* a = w->menuItem(item);
    ASSERT_NE(a, nullptr) << item;
    ASSERT_TRUE(a->isEnabled()) << item;
    a->trigger();
    QApplication::processEvents();
  }

  ScriptedHost host;
  ScriptedDialogs dialogs;
  std::unique_ptr<PicEdit> w;
  std::filesystem::path dir;
  int programEnds = 0;
};

}  // namespace orn::test
