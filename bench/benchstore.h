// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers shared by the benchmarks: a clock that stands still and a quick way to fill a store folder with many
// alarm files.

#include "core/life/createalarm.h"
#include "core/model/alarmfile.h"
#include "core/names/alarmname.h"
#include "os/clock/clock.h"
#include "os/clock/wallclockalarm.h"

#include <QDateTime>
#include <QFile>
#include <QSet>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace brevora::bench {

class SilentAlarm final : public WallClockAlarm
{
public:
    using WallClockAlarm::WallClockAlarm;
    void arm(const QDateTime &) override { m_armed = true; }
    void disarm() override { m_armed = false; }
    bool isArmed() const override { return m_armed; }

private:
    bool m_armed = false;
};

class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime moment)
        : m_now(std::move(moment))
    { }
    QDateTime now() const override { return m_now; }
    // The benchmarks call the checks themselves; nothing rings on its own.
    std::unique_ptr<WallClockAlarm> createAlarm(QObject *parent = nullptr) const override
    {
        return std::make_unique<SilentAlarm>(parent);
    }
    void set(const QDateTime &moment) { m_now = moment; }

private:
    QDateTime m_now;
};

// A Wednesday lunch time; the generated names start elsewhere, and the one name due at this minute is left out.
inline QDateTime quietMoment()
{
    return QDateTime(QDate(2024, 5, 15), QTime(12, 34));
}

// The first minute the generated names cover, so a clock set here finds a file of every kind.
inline QDateTime firstGeneratedMoment()
{
    return QDateTime(QDate(2030, 1, 1), QTime(0, 0));
}

struct GeneratedFile
{
    QString name;
    QByteArray content;
};

// `count` distinct files for a folder of `kind`: valid alarms one minute apart from firstGeneratedMoment(), minus
// the one due at `avoid`. A daily folder has only 1440 possible names, so the rest are padded with notes, which
// the program never opens but which still make the folder as large as asked.
inline std::vector<GeneratedFile> generateFiles(AlarmKind kind, int count, const QDateTime &avoid)
{
    const QString avoidName = alarmFileName(kind, dueFieldsAt(kind, avoid));
    const QDateTime base = firstGeneratedMoment();
    std::vector<GeneratedFile> files;
    files.reserve(static_cast<std::size_t>(count));
    QSet<QString> seen;
    // At most one name is left out, so one minute more than asked is enough wherever the kind has the names.
    for (int i = 0; i <= count && files.size() < static_cast<std::size_t>(count); ++i) {
        const QStringList due = dueFieldsAt(kind, base.addSecs(60LL * i));
        const QString name = alarmFileName(kind, due);
        if (name == avoidName || seen.contains(name))
            continue;
        seen.insert(name);
        files.push_back({ name, formatAlarmLine(QStringList{ QStringLiteral("Reminder %1").arg(i), noSound } + due) });
    }
    for (int i = 0; files.size() < static_cast<std::size_t>(count); ++i)
        files.push_back({ QStringLiteral("note-%1.txt").arg(i), QByteArrayLiteral("not an alarm\r\n") });
    return files;
}

// Plain writes rather than writeAlarmFile: the atomic save costs a rename per file, which only slows the set-up.
inline void writeFiles(const QString &folder, const std::vector<GeneratedFile> &files)
{
    for (const GeneratedFile &file : files) {
        QFile out(folder + u'/' + file.name);
        if (!out.open(QIODevice::WriteOnly) || out.write(file.content) != file.content.size())
            throw std::runtime_error("cannot write " + out.fileName().toStdString());
    }
}

} // namespace brevora::bench
