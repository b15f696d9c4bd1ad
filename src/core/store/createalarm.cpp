// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/createalarm.h"

#include "core/model/alarmfile.h"
#include "core/model/alarmname.h"
#include "core/model/fieldrules.h"
#include "core/store/storelayout.h"

#include <QCoreApplication>
#include <QDir>

namespace brevora {

CreatedAlarm createAlarm(const StoreLayout &layout, const NewAlarm &alarm)
{
    using Outcome = CreatedAlarm::Outcome;
    if (const QString invalid = invalidFieldsMessage(alarm.kind, alarm.fields); !invalid.isEmpty())
        return { Outcome::InvalidFields, {}, invalid };

    const QString folder = layout.activeFolder(alarm.kind);
    const QString path = layout.activePath(alarm.kind, alarmFileName(alarm.kind, alarm.fields));
    QString error;
    if (!QDir().mkpath(folder))
        error = QCoreApplication::translate("brevora::core", "The folder %1 does not exist and cannot be created.")
                    .arg(QDir::toNativeSeparators(folder));
    else if (writeAlarmFile(path, alarm.kind,
                            AlarmRecord{ QStringList{ storableText(alarm.text), alarm.sound } + alarm.fields }, &error))
        return { Outcome::Created, path, {} };
    return { Outcome::NotSaved, path,
             QCoreApplication::translate("brevora::core", "The alarm could not be saved in the file %1.\n\n%2")
                 .arg(QDir::toNativeSeparators(path), error) };
}

} // namespace brevora
