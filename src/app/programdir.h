// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brevora {

class Prompter;

// Whether a file can be created in the folder. Asked of the file system by creating and removing a probe file,
// so that read-only mounts, missing folders and access rules all count, for root as for anyone.
bool canCreateFilesIn(const QString &folder);

// Where the alarms, the settings and the help file live. A program started from a folder it can write to keeps
// them beside itself, as a portable program: copying the folder copies everything. An installed program (its
// folder is read-only, or it is the folder the build installs programs into, which root could write to) keeps
// them in the user's own data folder, created when missing.
QString chooseProgramDir(const QString &executableFolder, const QString &installedProgramFolder,
                         const QString &userDataFolder, bool (*canWrite)(const QString &) = canCreateFilesIn);

struct ProgramDirChoice
{
    QString folder;
    // Set when a portable copy's own folder holds a store but cannot be written: its alarms are not used.
    QString unusedPortableFolder;
};
ProgramDirChoice chooseProgramDirAndSay(const QString &executableFolder, const QString &installedProgramFolder,
                                        const QString &userDataFolder,
                                        bool (*canWrite)(const QString &) = canCreateFilesIn);

// chooseProgramDirAndSay for this process: its executable's folder, the configured installation folder and
// QStandardPaths' AppLocalDataLocation. Needs the application name to be set first.
ProgramDirChoice programDir();

// Tells the user, once per start, that the alarms beside a read-only portable copy are not used, naming both
// folders; says nothing otherwise.
void reportUnusedPortableFolder(const ProgramDirChoice &choice, Prompter &prompter);

} // namespace brevora
