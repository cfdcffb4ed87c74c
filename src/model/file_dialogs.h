#pragma once
// The open and save dialogs the editor's file commands ask. The program
// answers them with Qt's dialogs; tests answer with a script.
#include <optional>
#include <string>

namespace orn {

// A rectangle of the owner's canvas, in its pixels, edges included; empty
// when right < left.
struct CanvasArea {
  int left = 0, top = 0, right = -1, bottom = -1;
  bool empty() const { return right < left || bottom < top; }
};

struct FileDialogRequest {
  std::string title;
  // "Paint Files (*.PNT)|*.PNT|All Files (*.*)|*.*": pairs of a description
  // and its patterns, the first pair chosen at first.
  std::string filter;
  std::string initialFolder;     // empty: wherever the dialog opens
  std::string proposedName;      // save only; may be empty
  std::string defaultExtension;  // added to a typed name without one
  // A part of the owner's canvas the dialog leaves in view, where the
  // screen has room beside it.
  CanvasArea keepInView;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> openFile(const FileDialogRequest& r) = 0;
  // Save dialogs ask before a chosen file is overwritten.
  virtual std::optional<std::string> saveFile(const FileDialogRequest& r) = 0;
};

// Dialogs that the user always cancels: for file work without a window.
class NoFileDialogs : public FileDialogs {
 public:
  std::optional<std::string> openFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }
};

}  // namespace orn
