// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/files/lockentry.h"

#include <QFile>

#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brevora {

namespace {

// A copy that starts makes its lock file empty and takes hold of it at once, then writes into it. Only a young
// empty file may be one being made.
constexpr time_t beingMadeSeconds = 5;
// Far longer than the one call between making the file and holding it.
constexpr useconds_t beingMadePauseMicroseconds = 100000;

} // namespace

LockEntry removeLockNobodyHolds(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st
    {
    };
    if (::lstat(name.constData(), &st) != 0)
        return LockEntry::Missing;
    if (!S_ISREG(st.st_mode))
        return LockEntry::NotALockFile;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return LockEntry::Unknown;
    LockEntry result = LockEntry::HeldByRunningCopy;
    // A lock with content is held by the copy that wrote it unless that died. A young empty one may be a start
    // between making the file and holding it, which a try would disturb: after a pause far longer than that step
    // a live start holds it, so one still empty and unheld then was left by a start killed right after making it.
    bool settled = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (settled && st.st_size == 0 && std::time(nullptr) - st.st_mtime <= beingMadeSeconds) {
        ::usleep(beingMadePauseMicroseconds);
        settled = ::fstat(fd, &st) == 0 && st.st_size == 0;
    }
    const bool unheld = settled && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (unheld) {
        struct stat now
        {
        };
        // Removed only while the name still leads to the file held here, not to a lock made meanwhile.
        const bool same = ::lstat(name.constData(), &now) == 0 && now.st_dev == st.st_dev && now.st_ino == st.st_ino;
        result = same && ::unlink(name.constData()) == 0 ? LockEntry::RemovedUnheld : LockEntry::Unknown;
    }
    ::close(fd);
    return result;
}

} // namespace brevora
