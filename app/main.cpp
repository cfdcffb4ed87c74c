// Ornivale: starts the program in its main menu.
#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "editor/ui/editor_factory.h"
#include "platform/guarded_application.h"
#include "platform/program_folder.h"
#include "platform/qt_colour.h"
#include "platform/qt_host.h"
#include "platform/qt_profile_source.h"
#include "shell/app_state.h"
#include "shell/first_run.h"
#include "shell/menu_pictures.h"
#include "shell/ui/main_menu.h"

namespace {

// The start-up benchmark times the start without its two designed pauses:
// with ORNIVALE_TIME_START set they are left out, and once the menu's
// samples are painted, at the end of the start, "shown" goes to the
// standard output and the program ends.
class StartTiming : public QObject {
 public:
  explicit StartTiming(orn::MainMenu& menu) : menu_(menu) {
    menu.setStartDelays(0, 0);
    menu.MainRaft->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint && menu_.ready() && !shown_) {
      shown_ = true;
      // Said once this paint has reached the screen.
      QMetaObject::invokeMethod(
          this,
          [] {
            std::puts("shown");
            std::fflush(stdout);
            QCoreApplication::exit(0);
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  orn::MainMenu& menu_;
  bool shown_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  orn::settleHomeFolder();
  orn::GuardedApplication app(argc, argv);
  QApplication::setApplicationName("Ornivale");
  QApplication::setDesktopFileName("ornivale");
  // The program's rosette, drawn by our own Surface, marks its windows.
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(orn::toQImage(orn::SplashRosette(64)))));

  // The per-user program folder, made and seeded from the installed data on
  // the first start; the main menu tells the user when it cannot be used,
  // and the program then runs without one.
  const orn::AppFolderResult folder = orn::prepareProgramFolder();
  if (!folder.error.empty()) std::fprintf(stderr, "Ornivale: %s\n", folder.error.c_str());

  orn::AppState state;
  orn::TakeProgramFolder(state, folder);
  if (const auto installed = orn::installedProgramData())
    state.InstalledFolder = orn::withTrailingSeparator(*installed);
  orn::QtHost host;
  orn::QtProfileSource profile;
  orn::MainMenu menu(host, state, profile, orn::PicEditFactory());
  host.setParentWindow(&menu);
  // The last guard: a failure no command caught is reported, with where it
  // happened, as a command's own failure is.
  app.setFailureReport([&menu](const std::string& tag, const std::string& what) {
    return menu.errors().ShowErrorMessage(tag, what) == orn::kErrorRetry;
  });
  std::unique_ptr<StartTiming> timing;
  if (std::getenv("ORNIVALE_TIME_START") != nullptr) timing = std::make_unique<StartTiming>(menu);
  menu.MainMenu_Form_Load();
  return app.exec();
}
