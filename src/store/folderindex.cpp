#include "folderindex.h"

#include "fileops.h"
#include "platform/clock.h"

#include <QFileInfo>

#include <cstdlib>

#ifdef Q_OS_LINUX
#include <sys/stat.h>
#endif

namespace brevora {

namespace {

// File systems stamp times coarsely (a few ms on Linux, 2 s on FAT): a change within this window of a
// listing may carry the same stamp as the listing saw, so such a listing is not trusted for long.
constexpr qint64 racyWindowMs = 2000;
constexpr qint64 racyRelistMs = 100;

FolderIndex::Stamp stampOf(const QString &folder)
{
    FolderIndex::Stamp stamp;
#ifdef Q_OS_LINUX
    struct stat st
    {
    };
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0)
        return stamp;
    stamp.exists = true;
    stamp.id = static_cast<qint64>(st.st_ino);
    stamp.modifiedNs = static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
#else
    const QFileInfo info(folder);
    if (!info.exists())
        return stamp;
    stamp.exists = true;
    stamp.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
#endif
    return stamp;
}

} // namespace

FolderIndex::FolderIndex(QString folder, const Clock &fileClock)
    : m_folder(std::move(folder))
    , m_fileClock(fileClock)
{ }

QString FolderIndex::find(const QString &name)
{
    const Stamp stamp = stampOf(m_folder);
    bool stale = stamp != m_stamp || storeGeneration() != m_generation;
    if (!stale && m_racy)
        stale = m_fileClock.now().toMSecsSinceEpoch() - m_listedAtMs >= racyRelistMs;
    if (stale)
        rebuild(stamp);
    return m_names.value(name.toCaseFolded());
}

void FolderIndex::rebuild(const Stamp &stamp)
{
    m_generation = storeGeneration();
    m_stamp = stamp;
    ++m_listings;
    m_names = stamp.exists ? filesByFoldedName(m_folder) : QHash<QString, QString>();
    m_listedAtMs = m_fileClock.now().toMSecsSinceEpoch();
    m_racy = std::abs(m_listedAtMs - stamp.modifiedNs / 1000000) < racyWindowMs;
}

} // namespace brevora
