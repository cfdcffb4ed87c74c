#pragma once
// Qt's open and save dialogs behind the file commands' dialog interface.
#include <optional>
#include <string>

#include "model/file_dialogs.h"

class QWidget;

namespace orn {

// Qt's file dialogs, over a parent window.
class QtFileDialogs : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
  std::optional<std::string> openFile(const FileDialogRequest& r) override;
  std::optional<std::string> saveFile(const FileDialogRequest& r) override;

 private:
  QWidget* parent_;
};

// "Desc (*.A)|*.A|All Files (*.*)|*.*" as Qt writes filters:
// "Desc (*.A);;All Files (*.*)" (a pattern matches either case in Qt's dialog).
std::string QtFilterText(const std::string& filter);

}  // namespace orn
