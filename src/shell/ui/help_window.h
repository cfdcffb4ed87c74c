#pragma once
// HelpWindow: the program's help, one page per topic, in a window of its own
// beside the program's windows, closed by its Close button, Escape or Ctrl+W. The pages are the HTML files of the "help"
// folder; a page may show a sample picture with <img src="sample:NAME.PNT">,
// drawn by the program from the sample itself. Help asked for from a modal
// dialog stands in front of the dialog and takes input while it waits.
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

  // Shows the page of `topic` and brings the window to the front.
  void showTopic(int topic);
  // The topic last asked for.
  int HelpContext = 0;
  QTextBrowser* browser() const { return browser_; }
  // Closes the window (as Escape and Ctrl+W do).
  QPushButton* CloseButton = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // Makes the window a transient of `dialog` (none: of its own parent).
  void standOver(QWidget* dialog);
  // Shows the window and names the dialog it stands over to the window
  // manager.
  void showNamingOwner();

  std::vector<std::filesystem::path> folders_;
  QTextBrowser* browser_ = nullptr;
  QPointer<QWidget> over_;  // the modal dialog the window stands over
};

// Where the program's help pages are: the installed data's help folder, then
// the program folder's.
std::vector<std::filesystem::path> HelpFolders(const AppState& app);

// The samples of the program folder drawn for the help pages.
HelpWindow::SamplePicture SamplePicturesOf(const AppState& app);

}  // namespace orn
