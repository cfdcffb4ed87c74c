#pragma once
// HelpWindow: the program's help, one page per topic, in a window of its own
// beside the program's windows, closed by its Close button, Escape or Ctrl+W. The pages are the HTML files of the "help"
// folder; a page may show a sample picture with <img src="sample:NAME.PNT">,
// drawn by the program from the sample itself. Help belongs to the window
// that asked for it and stays in front of it; asked for from a modal dialog it
// takes input while the dialog waits.
#include <QPointer>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "platform/core/surface.h"

class QPushButton;
class QTextBrowser;

namespace orn {

struct AppState;

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // Draws the sample picture of a file name ("OVRO1A.PNT") for a page.
  using SamplePicture = std::function<std::optional<Surface>(const std::string& name)>;

  // Pages are looked up in `folders`, in order.
  explicit HelpWindow(std::vector<std::filesystem::path> folders, SamplePicture samples = {},
                      QWidget* parent = nullptr);

  // Shows the page of `topic` for `asker` (a window, or a widget in it) and
  // brings the window to the front.
  void showTopic(int topic, QWidget& asker);
  // The topic last asked for.
  int HelpContext = 0;
  QTextBrowser* browser() const { return browser_; }
  // Closes the window (as Escape and Ctrl+W do).
  QPushButton* CloseButton = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // Makes the window belong to `owner` (none: to no window); `asked`: as a
  // window asks for help, which then takes the focus.
  void belongTo(QWidget* owner, bool asked);
  // Maps the window again, as a new native window at the same place.
  void mapAgain(bool activate);
  // Shows the window and names its owner to the window manager.
  void showNamingOwner();

  std::vector<std::filesystem::path> folders_;
  QTextBrowser* browser_ = nullptr;
  QPointer<QWidget> owner_;
};

// Where the program's help pages are: the installed data's help folder, then
// the program folder's.
std::vector<std::filesystem::path> HelpFolders(const AppState& app);

// The samples of the program folder drawn for the help pages.
HelpWindow::SamplePicture SamplePicturesOf(const AppState& app);

}  // namespace orn
