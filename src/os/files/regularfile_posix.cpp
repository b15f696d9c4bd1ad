// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/files/regularfile.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
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

QStringList namesNotValidUtf8(const QString &folder)
{
    QStringList names;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString shown = utf8(name);
        if (utf8.hasError())
            names.append(shown);
    }
    ::closedir(dir);
    return names;
}

bool syncFolder(const QString &folder)
{
    const Descriptor fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.get() >= 0 && ::fsync(fd.get()) == 0;
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
