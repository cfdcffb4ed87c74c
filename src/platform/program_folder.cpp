#include "platform/program_folder.h"

#include <QCoreApplication>

#include <cstdlib>

namespace orn {

AppFolderResult prepareProgramFolder() {
  const fs::path exeDir = QCoreApplication::applicationDirPath().toStdString();
  const fs::path folder = userProgramFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  return prepareAppFolder(folder, findInstalledData(installedDataCandidates(exeDir)));
}

}  // namespace orn
