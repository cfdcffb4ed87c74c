#include "platform/program_folder.h"

#include <QCoreApplication>

#include <cstdlib>

namespace orn {

std::optional<fs::path> installedProgramData() {
  const fs::path exeDir = QCoreApplication::applicationDirPath().toStdString();
  return findInstalledData(installedDataCandidates(exeDir));
}

AppFolderResult prepareProgramFolder() {
  const fs::path folder = userProgramFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  return prepareAppFolder(folder, installedProgramData());
}

}  // namespace orn
