#include "duecheck.h"

#include "store/alarmname.h"

namespace brevora {

DueCheck::DueCheck(AlarmKind kind, const QString &activeFolder, const Clock &clock, const Clock &fileClock)
    : m_kind(kind)
    , m_clock(clock)
    , m_index(activeFolder, fileClock)
{ }

std::optional<DueAlarm> DueCheck::check()
{
    const QString name = m_index.find(dueFileName(m_kind, m_clock));
    if (name.isEmpty())
        return std::nullopt;
    const QString path = m_index.folder() + u'/' + name;
    auto record = readAlarmFile(path, m_kind);
    if (!record)
        return std::nullopt;
    return DueAlarm{ m_kind, path, std::move(*record) };
}

} // namespace brevora
