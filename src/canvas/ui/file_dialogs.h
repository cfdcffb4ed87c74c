#pragma once
// Qt's open and save dialogs behind the file commands' dialog interface.
#include <functional>
#include <optional>
#include <string>

#include "model/file_dialogs.h"

class QWidget;

namespace orn {

// Qt's file dialogs, over a parent window. `canvas` (if given) is the
// widget that shows the canvas a request's keepInView lies on.
class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent, std::function<QWidget*()> canvas = {})
      : parent_(parent), canvas_(std::move(canvas)) {}
  std::optional<std::string> openFile(const FileDialogRequest& r) override;
  std::optional<std::string> saveFile(const FileDialogRequest& r) override;

 private:
  std::optional<std::string> run(const FileDialogRequest& r, bool save);
  QWidget* parent_;
  std::function<QWidget*()> canvas_;
};

// Passes the dialogs through and makes the chosen file's folder the current
// folder, as the dialogs of the desktop the program was made for do: the
// recent-file captions are shown relative to it, and the user's slide show
// shows the pictures there.
class CurrentFolderDialogs : public FileDialogs {
 public:
  explicit CurrentFolderDialogs(FileDialogs& inner) : inner_(inner) {}
  std::optional<std::string> openFile(const FileDialogRequest& r) override;
  std::optional<std::string> saveFile(const FileDialogRequest& r) override;

 private:
  std::optional<std::string> follow(std::optional<std::string> chosen);
  FileDialogs& inner_;
};

// "Desc (*.A)|*.A|All Files (*.*)|*.*" as Qt writes filters:
// "Desc (*.A);;All Files (*.*)" (a pattern matches either case in Qt's dialog).
std::string QtFilterText(const std::string& filter);

}  // namespace orn
