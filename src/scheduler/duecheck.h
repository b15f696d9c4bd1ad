#pragma once

#include "store/alarmfile.h"
#include "store/folderindex.h"

#include <optional>

namespace brevora {

class Clock;

// An alarm whose minute is now, as the due check found it.
struct DueAlarm
{
    AlarmKind kind = AlarmKind::Once;
    QString path;
    AlarmRecord record;

    QString text() const { return record.text(); }
    QString sound() const { return record.sound(); }
};

// One kind's check: builds the name an alarm of the current minute would have and looks for that one file.
// The common case, nothing due, costs one look at the folder's time stamp.
class DueCheck
{
public:
    DueCheck(AlarmKind kind, const QString &activeFolder, const Clock &clock, const Clock &fileClock);

    std::optional<DueAlarm> check();
    AlarmKind kind() const { return m_kind; }
    const FolderIndex &index() const { return m_index; }

private:
    AlarmKind m_kind;
    const Clock &m_clock;
    FolderIndex m_index;
};

} // namespace brevora
