// Ornivale: starts the program and shows its window.
#include <QApplication>
#include <QScreen>

#include <cstdio>

#include "canvas/ui/pic_edit.h"
#include "colour/standard_colors.h"
#include "platform/program_folder.h"
#include "platform/qt_host.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Ornivale");

  const orn::AppFolderResult folder = orn::prepareProgramFolder();
  if (folder.state == orn::FolderState::Failed)
    std::fprintf(stderr, "Ornivale: %s\n", folder.error.c_str());

  // The editor window; its caption reads "Ornivale" until a picture is named.
  orn::QtHost host;
  orn::PicEdit w(host);
  host.setParentWindow(&w);
  w.setDataFolder(folder.folder);
  // The editor fills the screen, also where no window manager maximises it.
  if (QScreen* screen = QGuiApplication::primaryScreen()) w.setGeometry(screen->availableGeometry());
  w.showMaximized();
  // The standard colours of the program folder (the built-in ones, with a
  // word to the user, when the file is missing or damaged).
  orn::ReadStandardColors(w.colour(), folder.folder, host);
  return app.exec();
}
