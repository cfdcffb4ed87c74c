// Ornivale: starts the program in its main menu.
#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>

#include "platform/guarded_application.h"
#include "platform/program_folder.h"
#include "platform/qt_colour.h"
#include "platform/qt_host.h"
#include "platform/qt_profile_source.h"
#include "shell/app_state.h"
#include "shell/menu_pictures.h"
#include "shell/ui/main_menu.h"

int main(int argc, char** argv) {
  orn::GuardedApplication app(argc, argv);
  QApplication::setApplicationName("Ornivale");
  QApplication::setDesktopFileName("ornivale");
  // The program's rosette, drawn by our own Surface, marks its windows.
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(orn::toQImage(orn::SplashRosette(64)))));

  // The per-user program folder, made and seeded from the installed data on
  // the first start; the main menu tells the user when it cannot be used.
  const orn::AppFolderResult folder = orn::prepareProgramFolder();
  if (!folder.error.empty()) std::fprintf(stderr, "Ornivale: %s\n", folder.error.c_str());

  orn::AppState state;
  state.AppFolder = orn::withTrailingSeparator(folder.folder);
  state.AppFolderError = folder.error;
  if (const auto installed = orn::installedProgramData())
    state.InstalledFolder = orn::withTrailingSeparator(*installed);
  orn::QtHost host;
  orn::QtProfileSource profile;
  orn::MainMenu menu(host, state, profile);
  host.setParentWindow(&menu);
  // The last guard: a failure no command caught is reported, with where it
  // happened, as a command's own failure is.
  app.setFailureReport([&menu](const std::string& tag, const std::string& what) {
    return menu.errors().ShowErrorMessage(tag, what) == orn::kErrorRetry;
  });
  menu.MainMenu_Form_Load();
  return app.exec();
}
