// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brevora {

// What stood at a lock file's path, looked at without blocking and without following a link.
enum class LockEntry {
    Missing,
    HeldByRunningCopy, // a running process holds its lock (or is making it this very moment)
    RemovedUnheld, // a lock file that no process held (its copy died, or it names a process that is not one)
    NotALockFile, // a link (even one naming nothing), a folder, a pipe or a device; left as it is
    Unknown, // could not be looked at (no permission); left to the lock itself
};

// A lock file that no running process holds is removed while it is held here, so no other start can take it
// meanwhile. The process number written in a lock is no proof: after a restart it may name any program.
LockEntry removeLockNobodyHolds(const QString &path);

} // namespace brevora
