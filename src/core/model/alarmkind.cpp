// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/alarmkind.h"

#include "core/model/coretext.h"

namespace brevora {

namespace {

using enum TimeField;

const std::array<KindInfo, 5> &kinds()
{
    // The weekly editor names the weekday last in its message, though its file starts with it.
    static const std::array<KindInfo, 5> table{ {
        { AlarmKind::Once,
          QT_TRANSLATE_NOOP("brevora::core", "Once"),
          "once",
          "Events/Once/",
          "",
          { Day, Month, Year, Hour, Minutes },
          3,
          { Day, Month, Year, Hour, Minutes },
          "D-M-YYYY H:MM",
          "3-2-2030 14:00" },
        { AlarmKind::Daily,
          QT_TRANSLATE_NOOP("brevora::core", "Once a day"),
          "daily",
          "Events/Day/",
          "Events/Past/Day/",
          { Hour, Minutes },
          0,
          { Hour, Minutes },
          "H:MM",
          "7:05" },
        { AlarmKind::Weekly,
          QT_TRANSLATE_NOOP("brevora::core", "Once a week"),
          "weekly",
          "Events/Week/",
          "Events/Past/Week/",
          { Weekday, Hour, Minutes },
          1,
          { Hour, Minutes, Weekday },
          "WEEKDAY H:MM",
          "Monday 8:30" },
        { AlarmKind::Monthly,
          QT_TRANSLATE_NOOP("brevora::core", "Once a month"),
          "monthly",
          "Events/Month/",
          "Events/Past/Month/",
          { Day, Hour, Minutes },
          1,
          { Day, Hour, Minutes },
          "D H:MM",
          "15 9:00" },
        { AlarmKind::Yearly,
          QT_TRANSLATE_NOOP("brevora::core", "Once a year"),
          "yearly",
          "Events/Year/",
          "Events/Past/Year/",
          { Day, Month, Hour, Minutes },
          2,
          { Day, Month, Hour, Minutes },
          "D-M H:MM",
          "24-12 20:15" },
    } };
    return table;
}

} // namespace

const KindInfo &kindInfo(AlarmKind kind)
{
    return kinds()[static_cast<std::size_t>(kind)];
}

QString kindCaption(AlarmKind kind)
{
    return QString::fromLatin1(kindInfo(kind).caption);
}

QString shownKindCaption(AlarmKind kind)
{
    return coreText(kindCaption(kind));
}

QString activeFolder(AlarmKind kind)
{
    return QString::fromLatin1(kindInfo(kind).folder);
}

QString pastFolder(AlarmKind kind)
{
    return QString::fromLatin1(kindInfo(kind).pastFolder);
}

bool isRecurring(AlarmKind kind)
{
    return kind != AlarmKind::Once;
}

std::optional<AlarmKind> kindFromCaption(const QString &caption)
{
    for (const KindInfo &info : kinds()) {
        if (caption == QLatin1String(info.caption) || caption == shownKindCaption(info.kind))
            return info.kind;
    }
    return std::nullopt;
}

QString kindWord(AlarmKind kind)
{
    return QString::fromLatin1(kindInfo(kind).word);
}

std::optional<AlarmKind> kindFromWord(const QString &word)
{
    for (const KindInfo &info : kinds()) {
        if (word.compare(QLatin1String(info.word), Qt::CaseInsensitive) == 0)
            return info.kind;
    }
    return std::nullopt;
}

QString noKindCaption()
{
    return QCoreApplication::translate("brevora::core", "Alarm type");
}

} // namespace brevora
