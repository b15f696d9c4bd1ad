// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/probe/systemprobe.h"
#include "os/session/logonstart.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

using namespace brevora;

namespace {

QString makeProgram(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("#!/bin/sh\n") < 0)
        qFatal("cannot write %s", qPrintable(path));
    file.setPermissions(file.permissions() | QFile::ExeOwner);
    return path;
}

QString writeWave(const QString &path, int frames)
{
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        qFatal("cannot write %s", qPrintable(path));
    const std::vector<short> samples(static_cast<std::size_t>(frames) * 2, 1000);
    sf_writef_short(file, samples.data(), frames);
    sf_close(file);
    return path;
}

} // namespace

class SystemProbeTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath("config")));
    }

    void logonEntry()
    {
        // A folder with a blank and a quote in its name tests the reading of the quoted Exec line.
        QVERIFY(QDir().mkpath(m_dir.filePath("my \"programs\"")));
        const QString program = makeProgram(m_dir.filePath("my \"programs\"/brevora-probe"));
        const auto probe = createSystemProbe(program);
        DesktopAutostart entry(program);

        QVERIFY(probe->logonEntry().problem.contains("no autostart entry"));
        QVERIFY(entry.set(true).ok());
        QCOMPARE(probe->logonEntry().path, entry.entryPath());
        QCOMPARE(probe->logonEntry().problem, QString());
        QVERIFY(entry.set(false).ok());
        QVERIFY(probe->logonEntry().problem.contains("switched off"));
        QVERIFY(entry.set(true).ok());
        QVERIFY(QFile::remove(program));
        QVERIFY2(probe->logonEntry().problem.contains("which is not a program that exists"),
                 qPrintable(probe->logonEntry().problem));
    }

    void soundFrames()
    {
        const auto probe = createSystemProbe({});
        QCOMPARE(probe->soundFrames(writeWave(m_dir.filePath("beep.wav"), 4000)), 4000);
        QCOMPARE(probe->soundFrames(writeWave(m_dir.filePath("silent.wav"), 0)), 0);
        QFile text(m_dir.filePath("notes.wav"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a sound\n") > 0);
        text.close();
        QCOMPARE(probe->soundFrames(text.fileName()), std::nullopt);
        QCOMPARE(probe->soundFrames(m_dir.filePath("missing.wav")), std::nullopt);
    }

    // The check must not hang or start a server where there is none.
    void noSoundServerAnswersAtOnce()
    {
        const QByteArray saved = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(m_dir.filePath("no-such-server")));
        QElapsedTimer timer;
        timer.start();
        const bool answers = createSystemProbe({})->soundServerAnswers();
        const qint64 elapsed = timer.elapsed();
        saved.isNull() ? qunsetenv("PULSE_SERVER") : qputenv("PULSE_SERVER", saved);
        QVERIFY(!answers);
        QVERIFY2(elapsed < 3000, qPrintable(QString::number(elapsed)));
    }

    void soundServerAnswers()
    {
        if (qEnvironmentVariableIsEmpty("BREVORA_TEST_MONITOR"))
            QSKIP("needs the private sound server that tests/sound/with_pulse.sh starts");
        QVERIFY(createSystemProbe({})->soundServerAnswers());
    }

    void noNotificationAreaWithoutDisplayOrBus()
    {
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
        QVERIFY(!createSystemProbe({})->notificationAreaPresent());
    }
};

QTEST_GUILESS_MAIN(SystemProbeTest)
#include "tst_systemprobe.moc"
