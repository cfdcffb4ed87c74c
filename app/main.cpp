// Ornivale: starts the program in its main menu.
#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>

#include "platform/program_folder.h"
#include "platform/qt_colour.h"
#include "platform/qt_host.h"
#include "platform/qt_profile_source.h"
#include "shell/app_state.h"
#include "shell/menu_pictures.h"
#include "shell/ui/main_menu.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
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
  menu.MainMenu_Form_Load();
  return app.exec();
}
