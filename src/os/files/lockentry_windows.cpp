// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/files/lockentry.h"

#include "os/files/regularfile.h"

#include <QFile>

namespace brevora {

LockEntry removeLockNobodyHolds(const QString &path)
{
    switch (entryType(path)) {
    case EntryType::Missing:
        return LockEntry::Missing;
    case EntryType::Link:
    case EntryType::Other:
        return LockEntry::NotALockFile;
    case EntryType::Regular:
        break;
    }
    // A running copy keeps its lock file open without sharing its deletion, so only an unheld one goes.
    return QFile::remove(path) ? LockEntry::RemovedUnheld : LockEntry::HeldByRunningCopy;
}

} // namespace brevora
