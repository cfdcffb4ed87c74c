#pragma once
// EditorWindow: what the main menu asks of the editor it opens. The menu
// makes its editors through an EditorFactory that the program hands it, so
// the menu knows this window and nothing of the editor behind it.
#include <QMainWindow>

#include <functional>
#include <optional>

#include "platform/core/surface.h"

namespace orn {

class FileDialogs;
class Host;
class ProfileSource;
struct AppState;

class EditorWindow : public QMainWindow {
  Q_OBJECT
 public:
  using QMainWindow::QMainWindow;
  ~EditorWindow() override = default;

  // Brings the menu back once the exit is settled; the menu then calls
  // finishExit(). Unset, the editor simply closes.
  std::function<void()> onExit;
  // Takes the editor down after the menu has come back.
  virtual void finishExit() = 0;
  // Where help pages are shown, each for the window that asked for it (the
  // editor or one of its dialogs); unset, the editor opens a help window of
  // its own.
  virtual void setHelp(std::function<void(int topic, QWidget& asker)> viewer) = 0;
  // The pictures of the folded models (PMod 0..6) that the model samples show.
  using ModelPictureSource = std::function<std::optional<Surface>(int PMod)>;
  virtual void setModelPictures(ModelPictureSource source) = 0;
};

// Makes an editor on the menu's host, application state, file dialogs (may
// be null) and desktop settings; the caller owns the window.
using EditorFactory =
    std::function<EditorWindow*(Host& host, AppState& app, FileDialogs* dialogs, const ProfileSource* profile)>;

}  // namespace orn
