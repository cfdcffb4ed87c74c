#pragma once
// Finds and prepares the program folder for this run (see app_folder.h).
#include "platform/core/app_folder.h"

namespace orn {

// The installed data of the running program (beside its executable or under
// its prefix's share folder); nothing when there is none. Needs a
// QCoreApplication.
std::optional<fs::path> installedProgramData();

// Without HOME (a start from cron, a service or `env -i`), or with one that
// is not an absolute path (which would name a folder under wherever the
// program was started from), sets it to the user's home from the password
// database, so that the program folder and the folders Qt finds from the
// home folder (the pictures folder) are the user's own and the same from
// every start. Changes nothing when HOME is an absolute path or the database
// knows no home.
void settleHomeFolder();

// The per-user program folder from the environment, created and seeded from
// the installed data on the first start; state Failed, with the reason, when
// there is no home folder or the folder cannot be made or used. Needs a
// QCoreApplication.
AppFolderResult prepareProgramFolder();

}  // namespace orn
