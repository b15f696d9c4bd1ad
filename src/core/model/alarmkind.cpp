// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/alarmkind.h"

#include "core/model/coretext.h"

namespace brevora {

namespace {

constexpr std::array<KindInfo, 5> kinds{ {
    { AlarmKind::Once, QT_TRANSLATE_NOOP("brevora::core", "Once"), "Events/Once/", "", 7 },
    { AlarmKind::Daily, QT_TRANSLATE_NOOP("brevora::core", "Once a day"), "Events/Day/", "Events/Past/Day/", 4 },
    { AlarmKind::Weekly, QT_TRANSLATE_NOOP("brevora::core", "Once a week"), "Events/Week/", "Events/Past/Week/", 5 },
    { AlarmKind::Monthly, QT_TRANSLATE_NOOP("brevora::core", "Once a month"), "Events/Month/", "Events/Past/Month/",
      5 },
    { AlarmKind::Yearly, QT_TRANSLATE_NOOP("brevora::core", "Once a year"), "Events/Year/", "Events/Past/Year/", 6 },
} };

} // namespace

const KindInfo &kindInfo(AlarmKind kind)
{
    return kinds[static_cast<std::size_t>(kind)];
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
    for (const KindInfo &info : kinds) {
        if (caption == QLatin1String(info.caption) || caption == shownKindCaption(info.kind))
            return info.kind;
    }
    return std::nullopt;
}

QString noKindCaption()
{
    return QCoreApplication::translate("brevora::core", "Alarm type");
}

} // namespace brevora
