// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/probe/systemprobe.h"
#include "os/session/logonstart.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <vector>

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

    void logonEntryUnderAnEarlierNameOrWithAMissingTryExec()
    {
        QVERIFY(QDir(DesktopAutostart::autostartFolder()).removeRecursively());
        QVERIFY(QDir().mkpath(DesktopAutostart::autostartFolder()));
        const QString program = makeProgram(m_dir.filePath("brevora"));
        const auto probe = createSystemProbe(program);
        const QString earlier = DesktopAutostart::autostartFolder() + QStringLiteral("/brevora.desktop");
        const auto writeEntry = [](const QString &path, const QByteArray &keys) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly)
                    && file.write("[Desktop Entry]\nType=Application\nName=Brevora\n" + keys) > 0);
        };

        writeEntry(earlier, "Exec=\"" + QFile::encodeName(program) + "\"\nHidden=false\n");
        QCOMPARE(probe->logonEntry().path, earlier);
        QCOMPARE(probe->logonEntry().problem, QString());
        writeEntry(earlier, "Exec=\"" + QFile::encodeName(program) + "\"\nHidden=true\n");
        QVERIFY(probe->logonEntry().problem.contains("switched off"));

        DesktopAutostart entry(program);
        QVERIFY(entry.set(true).ok());
        QCOMPARE(probe->logonEntry().path, entry.entryPath());
        QCOMPARE(probe->logonEntry().problem, QString());
        const QString gone = m_dir.filePath("gone/brevora");
        writeEntry(entry.entryPath(),
                   "Exec=\"" + QFile::encodeName(program) + "\"\nTryExec=" + QFile::encodeName(gone) + "\n");
        QCOMPARE(probe->logonEntry().problem,
                 QStringLiteral("the autostart entry runs \"%1\", which is not a program that exists").arg(gone));
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

    // The sounds the build makes for the sound chooser: waveform files the player decodes, short, audible and
    // never clipped.
    void ownSoundsAreShortAndAudible_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("chime") << "chime.wav";
        QTest::newRow("beeps") << "beeps.wav";
    }
    void ownSoundsAreShortAndAudible()
    {
        QFETCH(QString, name);
        const QString path = QStringLiteral(BREVORA_BUILT_SOUNDS "/") + name;
        SF_INFO info{};
        SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        QVERIFY2(file, qPrintable(path));
        std::vector<double> samples(static_cast<std::size_t>(info.frames * info.channels));
        const sf_count_t read = sf_read_double(file, samples.data(), static_cast<sf_count_t>(samples.size()));
        sf_close(file);
        QCOMPARE(read, static_cast<sf_count_t>(samples.size()));
        QCOMPARE(info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_WAV);
        const double seconds = static_cast<double>(info.frames) / info.samplerate;
        QVERIFY2(seconds >= 0.5 && seconds <= 3, qPrintable(QString::number(seconds)));
        double peak = 0;
        for (const double sample : samples)
            peak = std::max(peak, std::abs(sample));
        QVERIFY2(peak > 0.2 && peak < 0.99, qPrintable(QString::number(peak)));
        QCOMPARE(createSystemProbe({})->soundFrames(path), info.frames);
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
