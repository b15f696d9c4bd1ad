#pragma once

#include <QHash>
#include <QString>

namespace brevora {

class Clock;

// A folder's file names by lower-case key, so that a name can be found without regard to letter case at the
// cost of one look at the folder's time stamp. The names are listed again only when the folder changed: its
// time stamp moved, this program changed the store, or the last listing was too close to the stamp to trust.
class FolderIndex
{
public:
    FolderIndex(QString folder, const Clock &fileClock);

    // The name under which `name` exists in the folder, or an empty string.
    QString find(const QString &name);
    const QString &folder() const { return m_folder; }
    int listings() const { return m_listings; }

    struct Stamp
    {
        bool exists = false;
        qint64 id = 0;
        qint64 modifiedNs = 0;
        bool operator==(const Stamp &) const = default;
    };

private:
    void rebuild(const Stamp &stamp);

    QString m_folder;
    const Clock &m_fileClock;
    QHash<QString, QString> m_names;
    Stamp m_stamp;
    quint64 m_generation = ~quint64(0);
    bool m_racy = true;
    qint64 m_listedAtMs = 0;
    int m_listings = 0;
};

} // namespace brevora
