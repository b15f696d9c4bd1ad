// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/snooze.h"

#include "core/names/alarmname.h"
#include "core/store/fileops.h"
#include "core/store/storelayout.h"

namespace brevora {

namespace {

// Counted from the epoch, so a change of the clocks in between cannot skip or repeat a minute.
QDateTime snoozeMinute(const QDateTime &now, int offset)
{
    const qint64 minute = now.toSecsSinceEpoch() / 60 * 60;
    return QDateTime::fromSecsSinceEpoch(minute + 60LL * (snoozeMinutes + offset), now.timeZone());
}

} // namespace

QString snoozeFileName(const QString &onceFolder, const QDateTime &now)
{
    // A day's worth of taken minutes is more than any store holds; past it the last name tried is taken over.
    QString name;
    for (int offset = 0; offset < 24 * 60; ++offset) {
        name = alarmFileName(AlarmKind::Once, dueFieldsAt(AlarmKind::Once, snoozeMinute(now, offset)));
        if (findNameIgnoringCase(onceFolder, name).isEmpty())
            break;
    }
    return name;
}

CreatedAlarm snoozeAlarm(const StoreLayout &layout, const QString &text, const QString &sound, const QDateTime &now)
{
    const QString name = snoozeFileName(layout.activeFolder(AlarmKind::Once), now);
    const std::optional<QStringList> fields = splitAlarmName(AlarmKind::Once, name);
    return createAlarm(layout, NewAlarm{ AlarmKind::Once, fields.value_or(QStringList()), text, sound });
}

} // namespace brevora
