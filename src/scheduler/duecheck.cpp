#include "duecheck.h"

#include "store/alarmname.h"
#include "store/fileops.h"

namespace brevora {

QString dueFilePath(AlarmKind kind, const QString &activeFolder, const Clock &clock)
{
    const QString name = findNameIgnoringCase(activeFolder, dueFileName(kind, clock));
    return name.isEmpty() ? QString() : activeFolder + u'/' + name;
}

std::optional<DueAlarm> findDueAlarm(AlarmKind kind, const QString &activeFolder, const Clock &clock)
{
    const QString path = dueFilePath(kind, activeFolder, clock);
    if (path.isEmpty())
        return std::nullopt;
    auto record = readAlarmFile(path, kind);
    if (!record)
        return std::nullopt;
    return DueAlarm{ kind, path, std::move(*record) };
}

} // namespace brevora
