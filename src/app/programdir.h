#pragma once

#include <QString>

namespace brevora {

// Whether a file can be created in the folder. Asked of the file system by creating and removing a probe file,
// so that read-only mounts, missing folders and access rules all count, for root as for anyone.
bool canCreateFilesIn(const QString &folder);

// Where the alarms, the settings and the help file live. A program started from a folder it can write to keeps
// them beside itself, as a portable program: copying the folder copies everything. An installed program (its
// folder is read-only, or it is the folder the build installs programs into, which root could write to) keeps
// them in the user's own data folder, created when missing.
QString chooseProgramDir(const QString &executableFolder, const QString &installedProgramFolder,
                         const QString &userDataFolder);

// chooseProgramDir for this process: its executable's folder, the configured installation folder and
// QStandardPaths' AppLocalDataLocation. Needs the application name to be set first.
QString programDir();

} // namespace brevora
