#include "platform/program_folder.h"

#include <QCoreApplication>

#include <cstdlib>

namespace orn {

std::optional<fs::path> installedProgramData() {
  const fs::path exeDir = QCoreApplication::applicationDirPath().toStdString();
  return findInstalledData(installedDataCandidates(exeDir));
}

void settleHomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != 0 && fs::path(home).is_absolute()) return;
  if (const auto account = accountHome()) ::setenv("HOME", account->c_str(), 1);
}

AppFolderResult prepareProgramFolder() {
  const auto folder = userProgramFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
  if (!folder) {
    AppFolderResult none;
    none.error = "No home folder is known: HOME is not set (or not an absolute path) and the password database "
                 "has none for this user. Set XDG_DATA_HOME to a folder of your own";
    return none;
  }
  return prepareAppFolder(*folder, installedProgramData());
}

}  // namespace orn
