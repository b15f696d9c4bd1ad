// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/alarmdescription.h"

#include "core/model/alarmfile.h"
#include "core/names/dueverdict.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

namespace brevora {

namespace {

// Alarms ring at whole minutes, so the seconds some locales' short time format carries say nothing.
QString minuteText(const QLocale &locale, const QTime &time)
{
    static const QRegularExpression seconds(QStringLiteral("[^hHmaApP]?s+"));
    return locale.toString(time, locale.timeFormat(QLocale::ShortFormat).remove(seconds));
}

} // namespace

QString describeAlarm(AlarmKind kind, const QString &path, const QStringList &folderNames, const QDateTime &now)
{
    const auto record = readAlarmFile(path, kind);
    const DueVerdict verdict = dueVerdict(kind, QFileInfo(path).fileName(), record.has_value(), folderNames, now);
    QString when;
    if (verdict.next) {
        const QLocale locale;
        when = QCoreApplication::translate("brevora::AlarmList", "Next: %1")
                   .arg(locale.toString(verdict.next->date(), QLocale::LongFormat) + u' '
                        + minuteText(locale, verdict.next->time()));
    } else {
        when = QCoreApplication::translate("brevora::AlarmList", "Never: %1").arg(verdict.whyNever);
    }
    return record ? record->text() + u'\n' + when : when;
}

} // namespace brevora
