// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/alarmdescription.h"

#include "core/model/alarmfile.h"
#include "core/names/dueverdict.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace brevora {

QString describeAlarm(AlarmKind kind, const QString &path, const QStringList &folderNames, const QDateTime &now)
{
    const auto record = readAlarmFile(path, kind);
    const DueVerdict verdict = dueVerdict(kind, QFileInfo(path).fileName(), record.has_value(), folderNames, now);
    QString when;
    if (verdict.next) {
        const QLocale locale;
        when = QCoreApplication::translate("brevora::AlarmList", "Next: %1")
                   .arg(locale.toString(verdict.next->date(), QLocale::LongFormat) + u' '
                        + locale.toString(verdict.next->time(), QLocale::ShortFormat));
    } else {
        when = QCoreApplication::translate("brevora::AlarmList", "Never: %1").arg(verdict.whyNever);
    }
    return record ? record->text() + u'\n' + when : when;
}

} // namespace brevora
