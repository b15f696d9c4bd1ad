// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakeclock.h"
#include "fakesystemprobe.h"
#include "storefixture.h"

#include "cli/commandline.h"
#include "core/settings/settingsfiles.h"

#include <QFile>
#include <QTextStream>

namespace brevora::test {

// A store with its settings files and the command line over it, with a clock and a system the test sets.
struct CliFixture
{
    StoreFixture store;
    FakeClock clock{ QDateTime(QDate(2007, 2, 3), QTime(13, 59, 58)) };
    FakeSystemProbe probe;

    struct Result
    {
        int status;
        QString out;
        QString err;
    };

    CliFixture()
    {
        for (Setting setting : allSettings)
            writeSettingFile(settingFilePath(store.layout.settingsFolder(), setting), settingDefault(setting));
    }

    Result run(QStringList arguments, bool withProgramDir = true)
    {
        if (withProgramDir)
            arguments += { QStringLiteral("--program-dir"), store.dir.path() };
        return runWith(arguments);
    }

    // The arguments as bytes, as the program passes them.
    Result runBytes(QByteArrayList arguments)
    {
        arguments += { "--program-dir", QFile::encodeName(store.dir.path()) };
        return runWith(arguments);
    }

    template<typename Arguments>
    Result runWith(const Arguments &arguments)
    {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const int status = cli::runCommandLine(
            arguments, cli::Context{ clock, probe, outStream, errStream, [] { return QString(); } });
        return { status, out, err };
    }

    QString active(AlarmKind kind, const QString &name) const { return store.layout.activePath(kind, name); }
    QString past(AlarmKind kind, const QString &name) const { return store.layout.pastPath(kind, name); }

    void put(const QString &path, const QStringList &fields) { writeBytes(path, formatAlarmLine(fields)); }
};

} // namespace brevora::test
