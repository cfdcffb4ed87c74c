#pragma once
// Finds and prepares the program folder for this run (see app_folder.h).
#include "platform/core/app_folder.h"

namespace orn {

// The installed data of the running program (beside its executable or under
// its prefix's share folder); nothing when there is none. Needs a
// QCoreApplication.
std::optional<fs::path> installedProgramData();

// The per-user program folder from the environment, created and seeded from
// the installed data on the first start. Needs a QCoreApplication.
AppFolderResult prepareProgramFolder();

}  // namespace orn
