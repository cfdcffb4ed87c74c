#pragma once
// Finds and prepares the program folder for this run (see app_folder.h).
#include "platform/core/app_folder.h"

namespace orn {

// The per-user program folder from the environment, created and seeded from
// the installed data on the first start. Needs a QCoreApplication.
AppFolderResult prepareProgramFolder();

}  // namespace orn
