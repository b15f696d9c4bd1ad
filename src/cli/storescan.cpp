#include "storescan.h"

#include <QDir>

namespace brevora::cli {

namespace {

void scanFolder(const QString &folder, AlarmKind kind, bool waiting, QList<StoredAlarm> &alarms, QStringList *others)
{
    if (folder.isEmpty())
        return;
    const QStringList names
        = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        if (!name.endsWith(QStringLiteral(".alm"), Qt::CaseInsensitive)) {
            if (others && !waiting)
                others->append(folder + u'/' + name);
            continue;
        }
        StoredAlarm alarm{ kind, folder, name, waiting, std::nullopt };
        alarm.record = readAlarmFile(alarm.path(), kind);
        alarms.append(std::move(alarm));
    }
}

} // namespace

QList<StoredAlarm> scanStore(const StoreLayout &layout, const QList<AlarmKind> &kinds, QStringList *others)
{
    QList<StoredAlarm> alarms;
    for (AlarmKind kind : kinds) {
        scanFolder(layout.activeFolder(kind), kind, false, alarms, others);
        scanFolder(layout.pastFolder(kind), kind, true, alarms, others);
    }
    return alarms;
}

QString kindWord(AlarmKind kind)
{
    switch (kind) {
    case AlarmKind::Once:
        return QStringLiteral("once");
    case AlarmKind::Daily:
        return QStringLiteral("daily");
    case AlarmKind::Weekly:
        return QStringLiteral("weekly");
    case AlarmKind::Monthly:
        return QStringLiteral("monthly");
    case AlarmKind::Yearly:
        return QStringLiteral("yearly");
    }
    return {};
}

std::optional<AlarmKind> kindFromWord(const QString &word)
{
    for (AlarmKind kind : allKinds) {
        if (word.compare(kindWord(kind), Qt::CaseInsensitive) == 0)
            return kind;
    }
    return std::nullopt;
}

} // namespace brevora::cli
