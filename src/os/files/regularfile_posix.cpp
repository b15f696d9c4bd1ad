// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/files/regularfile.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brevora {

namespace {

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    { }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

QString errnoText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

} // namespace

EntryType entryType(const QString &path)
{
    struct stat st
    {
    };
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return EntryType::Missing;
    if (S_ISLNK(st.st_mode))
        return EntryType::Link;
    return S_ISREG(st.st_mode) ? EntryType::Regular : EntryType::Other;
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st
    {
    };
    // The type is checked before the open, which would wait for a writer on a pipe, and again on the open
    // descriptor, since the entry may have been replaced in between.
    if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    const Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    QByteArray bytes;
    char buffer[4096];
    while (bytes.size() < maxBytes) {
        const auto wanted = static_cast<size_t>(std::min<qint64>(sizeof buffer, maxBytes - bytes.size()));
        const ssize_t got = ::read(fd.get(), buffer, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    return bytes;
}

namespace {

// The folder's names, read by their own bytes: those that are valid UTF-8 or, with undecodable, those that are not
// (shown with U+FFFD for each bad byte), of the entries that keep() accepts.
template<typename Keep>
QStringList entryNames(const QString &folder, bool undecodable, Keep keep)
{
    QStringList names;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString shown = utf8(name);
        if (utf8.hasError() == undecodable && keep(::dirfd(dir), entry->d_name))
            names.append(shown);
    }
    ::closedir(dir);
    return names;
}

bool isFile(int folderFd, const char *name)
{
    struct stat st
    {
    };
    return ::fstatat(folderFd, name, &st, 0) == 0 && S_ISREG(st.st_mode);
}

} // namespace

QStringList namesNotValidUtf8(const QString &folder)
{
    return entryNames(folder, true, [](int, const char *) { return true; });
}

QStringList fileNamesNotValidUtf8(const QString &folder)
{
    // Asked by the name's own bytes, relative to the open folder: the shown name cannot be named back.
    return entryNames(folder, true, isFile);
}

QStringList fileNamesValidUtf8(const QString &folder)
{
    return entryNames(folder, false, isFile);
}

bool syncFolder(const QString &folder)
{
    const Descriptor fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.get() >= 0 && ::fsync(fd.get()) == 0;
}

bool writeNewFileSynced(const QString &path, const QByteArray &bytes, const QString &permissionsOf, QString *error)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat like
    {
    };
    const bool keepMode = ::stat(QFile::encodeName(permissionsOf).constData(), &like) == 0 && S_ISREG(like.st_mode);
    int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (error)
            *error = errnoText(errno);
        return false;
    }
    // Every step is checked: a full disk may show only at the sync or the close.
    int failure = 0;
    errno = 0;
    if (!writeAll(fd, bytes) || (keepMode && ::fchmod(fd, like.st_mode & 07777) != 0) || ::fsync(fd) != 0)
        failure = errno ? errno : EIO;
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure != 0) {
        ::unlink(name.constData());
        if (error)
            *error = errnoText(failure);
    }
    return failure == 0;
}

bool renameReplacing(const QString &from, const QString &to, QString *error)
{
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    if (error)
        *error = errnoText(errno);
    return false;
}

std::optional<EntryIdentity> entryIdentity(const QString &path)
{
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return EntryIdentity{ static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino) };
}

bool makeWritableByOwner(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    // Opened without following a link, so the change cannot reach a file outside.
    const Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    struct stat st
    {
    };
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return ::fchmod(fd.get(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

} // namespace brevora
