// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calendar/carriedfile.h"

#include "core/model/alarmfile.h"
#include "core/model/fieldrules.h"
#include "core/names/alarmname.h"

#include <QUrl>

namespace brevora::ical {

namespace {

constexpr char fileProperty[] = "X-BREVORA-FILE";

} // namespace

icalproperty *carriedFileProperty(AlarmKind kind, const QString &fileName, const QByteArray &line)
{
    const QByteArray carried = kindWord(kind).toUtf8() + '/' + QUrl::toPercentEncoding(fileName) + '/'
        + line.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    icalproperty *file = icalproperty_new_x(carried.constData());
    icalproperty_set_x_name(file, fileProperty);
    return file;
}

std::optional<FieldsRequest> carriedFile(icalcomponent *component)
{
    for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_X_PROPERTY)) {
        if (qstricmp(icalproperty_get_x_name(p), fileProperty) != 0)
            continue;
        const QList<QByteArray> parts = QByteArray(icalproperty_get_x(p)).split('/');
        if (parts.size() != 3)
            return std::nullopt;
        const auto kind = kindFromWord(QString::fromLatin1(parts[0]));
        const auto line = QByteArray::fromBase64Encoding(
            parts[2], QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
        if (!kind || !line)
            return std::nullopt;
        const auto fields = parseAlarmLine(*line, kindInfo(*kind).fieldCount());
        if (!fields)
            return std::nullopt;
        const AlarmRecord record{ *fields };
        // What createAlarm writes for these fields must be the file that was exported, under its name.
        if (formatAlarmLine(*fields) != *line + "\r\n" || storableText(record.text()) != record.text()
            || alarmFileName(*kind, record.dueFields()) != QUrl::fromPercentEncoding(parts[1]))
            return std::nullopt;
        return FieldsRequest{ *kind, record.dueFields(), record.text(), record.sound(), false, {} };
    }
    return std::nullopt;
}

} // namespace brevora::ical
