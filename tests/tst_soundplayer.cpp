// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/sound/pcmsource.h"
#include "os/sound/pulsesoundplayer.h"
#include "soundcheck.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace brevora;
using brevora::test::MonitorTap;
using brevora::test::writeTone;

// Limits that hold however busy the machine is. A call that returns "at once" takes far less than the shortest
// sound here (0.3 s) would; a sound's own length is the least its playing can take; anything else is a bound
// against a hang, far beyond what the player itself allows (a sound's length and 1.5 s).
constexpr qint64 atOnceMs = 250;
constexpr qint64 hangMs = 10000;

class SoundPlayerTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_second, m_long, m_short, m_theme;
    std::unique_ptr<MonitorTap> m_tap;

    QString file(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    // Sets an environment variable until the returned guard goes.
    static auto scopedEnv(const char *name, const QByteArray &value)
    {
        const QByteArray saved = qgetenv(name);
        qputenv(name, value);
        return qScopeGuard([name, saved] { saved.isNull() ? qunsetenv(name) : qputenv(name, saved); });
    }
    // Milliseconds a call takes.
    template<typename Call>
    static qint64 timed(Call call)
    {
        QElapsedTimer timer;
        timer.start();
        call();
        return timer.elapsed();
    }
    // What was heard from now until the call has run and the given time has passed after it. The window is
    // measured by the clock rather than by how far the recorder has written, which lags when the machine is busy.
    template<typename Call>
    std::vector<float> heardAround(Call call, int afterMs) const
    {
        QElapsedTimer timer;
        timer.start();
        const qint64 from = m_tap->mark();
        call();
        QThread::msleep(static_cast<unsigned long>(afterMs));
        return m_tap->between(from, from + MonitorTap::frames(static_cast<int>(timer.elapsed())));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_second = file("second.wav");
        m_long = file("long.wav");
        m_short = file("short.wav");
        m_theme = file("theme.wav");
        const int pcm16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        QVERIFY(writeTone(m_second, pcm16, 1.0, 440));
        QVERIFY(writeTone(m_long, pcm16, 3.0, 440));
        QVERIFY(writeTone(m_short, pcm16, 0.3, 1000));
        QVERIFY(writeTone(m_theme, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 0.6, 660));
        QVERIFY(QDir(m_dir.path()).mkdir("folder.wav"));
        QFile text(file("text.wav"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("RIFF but not really a wave file\n");
        text.close();
        QVERIFY(QFile(file("empty.wav")).open(QIODevice::WriteOnly));
        const QString monitor = qEnvironmentVariable("BREVORA_TEST_MONITOR");
        if (!monitor.isEmpty())
            m_tap = std::make_unique<MonitorTap>(monitor);
    }

    void init()
    {
        if (!m_tap && !QByteArray(QTest::currentTestFunction()).startsWith("offline"))
            QSKIP("needs the private sound server that tests/sound/with_pulse.sh starts");
    }

    void offlineRefusesWhatIsNotSound()
    {
        QVERIFY(writeTone(file("silent.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0.0, 440));
        for (const char *name : { "", "missing.wav", "folder.wav", "text.wav", "empty.wav", "silent.wav" })
            QVERIFY2(!openSoundFile(*name ? file(name) : QString()), name);
        QVERIFY(!openSoundFile(QStringLiteral("/dev/zero")));
        QVERIFY(openSoundFile(m_short));
    }

    // What the editor refuses a sound file for, in words that name the fault.
    void offlineSaysWhyAFileCannotBePlayed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("said"); // empty: the file can be played
        QTest::newRow("missing or deleted") << "missing.wav"
                                            << "does not exist";
        QTest::newRow("folder") << "folder.wav"
                                << "is not a file";
        QTest::newRow("not a sound") << "text.wav"
                                     << "cannot be decoded";
        QTest::newRow("empty file") << "empty.wav"
                                    << "cannot be decoded";
        QTest::newRow("no samples") << "silent.wav"
                                    << "holds no sound";
        QTest::newRow("playable") << "short.wav"
                                  << "";
    }
    void offlineSaysWhyAFileCannotBePlayed()
    {
        QFETCH(QString, name);
        QFETCH(QString, said);
        QVERIFY(writeTone(file("silent.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0.0, 440));
        const QString problem = soundFileProblem(m_dir.filePath(name));
        QVERIFY2(said.isEmpty() ? problem.isEmpty() : problem.contains(said), qPrintable(problem));
    }

    void offlineNoServerIsTold()
    {
        const auto server = scopedEnv("PULSE_SERVER", "unix:" + QFile::encodeName(file("no-such-server")));
        PulseSoundPlayer player;
        QCOMPARE(int(player.playSync(m_short).problem), int(SoundOutcome::Problem::NoServer));
    }

    // Without a server every call gives up at once instead of waiting for one to appear.
    void offlineNoServerReturnsAtOnce()
    {
        const auto server = scopedEnv("PULSE_SERVER", "unix:" + QFile::encodeName(file("no-such-server")));
        auto player = createSystemSoundPlayer();
        QVERIFY(timed([&] { player->playSync(m_second); }) < atOnceMs);
        QVERIFY(timed([&] { player->playSync(file("missing.wav")); }) < atOnceMs);
        QVERIFY(timed([&] { player->playAsync(m_long); }) < atOnceMs);
        QVERIFY(timed([&] { player->playAsync(QString()); }) < atOnceMs);
        QVERIFY(timed([&] { player.reset(); }) < atOnceMs);
    }

    void syncReturnsWhenTheWholeSoundWasHeard()
    {
        PulseSoundPlayer player;
        qint64 elapsed = 0;
        const std::vector<float> heard = heardAround([&] { elapsed = timed([&] { player.playSync(m_second); }); }, 300);
        QVERIFY2(elapsed >= 950 && elapsed < hangMs, qPrintable(QString::number(elapsed)));
        const int heardMs = MonitorTap::heardMs(heard);
        QVERIFY2(heardMs >= 950 && heardMs <= 1050, qPrintable(QString::number(heardMs)));
        // The recording starts no later than the call, so a sound that ends on it well before the call returned
        // ended well before the return: the call then waited on something other than the sound.
        const qint64 endedMs = MonitorTap::lastHeardMs(heard);
        QVERIFY2(elapsed - endedMs < 500,
                 qPrintable(QStringLiteral("%1 ms, ended at %2 ms").arg(elapsed).arg(endedMs)));
    }

    void asyncReturnsAtOnceAndTheNextCallReplacesIt()
    {
        PulseSoundPlayer player;
        qint64 first = 0, second = 0;
        const std::vector<float> before = heardAround([&] { first = timed([&] { player.playAsync(m_long); }); }, 400);
        // The long sound must stop: otherwise the 0.3 s one would be heard together with 2.6 s more of it.
        const std::vector<float> after = heardAround([&] { second = timed([&] { player.playAsync(m_short); }); }, 1000);
        QVERIFY2(first < atOnceMs && second < atOnceMs,
                 qPrintable(QStringLiteral("%1 ms, %2 ms").arg(first).arg(second)));
        QVERIFY(MonitorTap::heardMs(before) >= 250);
        const int heard = MonitorTap::heardMs(after);
        QVERIFY2(heard >= 280 && heard <= 400, qPrintable(QString::number(heard)));
    }

    void syncCallSilencesTheAsyncSound()
    {
        PulseSoundPlayer player;
        player.playAsync(m_long);
        QThread::msleep(300);
        const std::vector<float> after = heardAround([&] { player.playSync(m_short); }, 600);
        const int heard = MonitorTap::heardMs(after);
        QVERIFY2(heard >= 280 && heard <= 400, qPrintable(QString::number(heard)));
    }

    void destroyingThePlayerSilencesItAtOnce()
    {
        auto player = std::make_unique<PulseSoundPlayer>();
        player->playAsync(m_long);
        QThread::msleep(300);
        qint64 elapsed = 0;
        const std::vector<float> after = heardAround([&] { elapsed = timed([&] { player.reset(); }); }, 600);
        // Waiting for the rest of the sound would take 2.7 s.
        QVERIFY2(elapsed < 1000, qPrintable(QString::number(elapsed)));
        QVERIFY(MonitorTap::heardMs(after) <= 60);
    }

    void unplayableFileGivesTheDefaultSound_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("defaults");
        QTest::addColumn<int>("expectedMs");
        QTest::addColumn<bool>("told"); // whether the caller hears that its file could not be played
        const QStringList theme{ file("no-theme.oga"), m_theme };
        QTest::newRow("missing file") << file("missing.wav") << theme << 600 << true;
        // A ticked box without a file asks for the default sound.
        QTest::newRow("empty name") << QString() << theme << 600 << false;
        QTest::newRow("folder") << m_dir.path() + '/' << theme << 600 << true;
        QTest::newRow("not a sound") << file("text.wav") << theme << 600 << true;
        QTest::newRow("no theme: beep") << file("missing.wav") << QStringList{ file("no-theme.oga") } << 200 << true;
    }

    void unplayableFileGivesTheDefaultSound()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, defaults);
        QFETCH(int, expectedMs);
        QFETCH(bool, told);
        PulseSoundPlayer player({ QByteArray(), defaults });
        qint64 elapsed = 0;
        SoundOutcome outcome;
        const std::vector<float> heard
            = heardAround([&] { elapsed = timed([&] { outcome = player.playSync(path); }); }, 200);
        QCOMPARE(outcome.problem == SoundOutcome::Problem::File, told);
        QVERIFY2(elapsed >= expectedMs - 50, qPrintable(QString::number(elapsed)));
        const int heardMs = MonitorTap::heardMs(heard);
        QVERIFY2(qAbs(heardMs - expectedMs) <= 50, qPrintable(QString::number(heardMs)));
    }

    // A missing file is answered with the desktop's own bell, found among its shared data folders. The bell here
    // is made a second long (the desktop's own lasts a fraction of one), so that it is heard beyond doubt.
    void desktopDefaultSoundIsHeard()
    {
        const QString data = m_dir.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkpath(data + "/sounds/freedesktop/stereo"));
        QVERIFY(writeTone(data + "/sounds/freedesktop/stereo/bell.oga", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 1.0, 880));
        const auto home = scopedEnv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("home"))));
        const auto dirs = scopedEnv("XDG_DATA_DIRS", QFile::encodeName(data));
        PulseSoundPlayer player;
        const std::vector<float> heard = heardAround([&] { player.playSync(file("missing.wav")); }, 200);
        const int heardMs = MonitorTap::heardMs(heard);
        QVERIFY2(heardMs >= 950 && heardMs <= 1050, qPrintable(QString::number(heardMs)));
    }

    void everyWaveEncodingIsHeard_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::newRow("8-bit") << (SF_FORMAT_WAV | SF_FORMAT_PCM_U8) << 22050 << 1;
        QTest::newRow("24-bit stereo") << (SF_FORMAT_WAV | SF_FORMAT_PCM_24) << 48000 << 2;
        QTest::newRow("float") << (SF_FORMAT_WAV | SF_FORMAT_FLOAT) << 44100 << 2;
        QTest::newRow("mu-law") << (SF_FORMAT_WAV | SF_FORMAT_ULAW) << 8000 << 1;
        QTest::newRow("A-law") << (SF_FORMAT_WAV | SF_FORMAT_ALAW) << 8000 << 1;
        QTest::newRow("IMA ADPCM") << (SF_FORMAT_WAV | SF_FORMAT_IMA_ADPCM) << 22050 << 2;
        QTest::newRow("MS ADPCM") << (SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM) << 11025 << 1;
        QTest::newRow("GSM 6.10") << (SF_FORMAT_WAV | SF_FORMAT_GSM610) << 8000 << 1;
    }

    void everyWaveEncodingIsHeard()
    {
        QFETCH(int, format);
        QFETCH(int, rate);
        QFETCH(int, channels);
        const QString path = file("encoded.wav");
        QVERIFY(writeTone(path, format, 0.5, 440, rate, channels));
        // No default sound to fall back on: what is heard is the file itself.
        PulseSoundPlayer player({ QByteArray(), { file("no-theme.oga") } });
        const std::vector<float> heard = heardAround([&] { player.playSync(path); }, 200);
        const int ms = MonitorTap::heardMs(heard);
        QVERIFY2(ms >= 470 && ms <= 560, qPrintable(QString::number(ms)));
    }

    // A sound sent to an output nobody hears is told as such; the output is put back as it was.
    void aMutedOrSilentOutputIsTold_data()
    {
        QTest::addColumn<QStringList>("set");
        QTest::addColumn<QStringList>("reset");
        QTest::addColumn<int>("problem");
        QTest::newRow("muted") << QStringList{ "set-sink-mute", "null", "1" }
                               << QStringList{ "set-sink-mute", "null", "0" } << int(SoundOutcome::Problem::Muted);
        QTest::newRow("volume zero") << QStringList{ "set-sink-volume", "null", "0" }
                                     << QStringList{ "set-sink-volume", "null", "100%" }
                                     << int(SoundOutcome::Problem::Silent);
        QTest::newRow("audible") << QStringList{ "set-sink-volume", "null", "100%" }
                                 << QStringList{ "set-sink-volume", "null", "100%" }
                                 << int(SoundOutcome::Problem::None);
    }
    void aMutedOrSilentOutputIsTold()
    {
        QFETCH(QStringList, set);
        QFETCH(QStringList, reset);
        QFETCH(int, problem);
        QCOMPARE(QProcess::execute(QStringLiteral("pactl"), set), 0);
        const auto restore = qScopeGuard([&] { QProcess::execute(QStringLiteral("pactl"), reset); });
        PulseSoundPlayer player;
        const SoundOutcome outcome = player.playSync(m_short);
        QCOMPARE(int(outcome.problem), problem);
        QCOMPARE(outcome.reason.isEmpty(), problem == int(SoundOutcome::Problem::None));
    }

    // A repeated sound waits its pause, plays, and plays again after each further pause.
    void aRepeatedSoundPlaysAgainAfterEachPause()
    {
        PulseSoundPlayer player;
        const std::vector<float> heard
            = heardAround([&] { player.repeatAfter(m_short, std::chrono::milliseconds(500)); }, 2500);
        player.stop();
        // At 0.5 s, 1.3 s and 2.1 s: three times 0.3 s, where a sound played once gives 0.3 s.
        const int heardMs = MonitorTap::heardMs(heard);
        QVERIFY2(heardMs >= 700 && heardMs <= 1000, qPrintable(QString::number(heardMs)));
        const std::vector<float> first(heard.begin(), heard.begin() + MonitorTap::frames(400));
        QVERIFY2(MonitorTap::heardMs(first) == 0, "the sound came before its pause");
    }

    // Stopping a repeat silences it at once, in the middle of a sound too.
    void stopSilencesARepeatWithin200Ms()
    {
        PulseSoundPlayer player;
        player.repeatAfter(m_long, std::chrono::milliseconds(100));
        QThread::msleep(800);
        qint64 elapsed = 0;
        const std::vector<float> after = heardAround([&] { elapsed = timed([&] { player.stop(); }); }, 1000);
        QVERIFY2(elapsed < atOnceMs, qPrintable(QString::number(elapsed)));
        const int tail = MonitorTap::lastHeardMs(after);
        QVERIFY2(tail <= 200, qPrintable(QString::number(tail)));
    }

    // A sink that never plays, here one the user suspended, must not freeze the program: the call gives up
    // soon after the sound should have ended.
    void suspendedSinkDoesNotHoldTheCaller()
    {
        const auto suspend = [](const char *on) {
            return QProcess::execute(QStringLiteral("pactl"), { "suspend-sink", "null", QLatin1String(on) });
        };
        QCOMPARE(suspend("1"), 0);
        auto player = std::make_unique<PulseSoundPlayer>();
        const qint64 sync = timed([&] { player->playSync(m_second); });
        player->playAsync(m_long);
        QThread::msleep(100);
        const qint64 destroyed = timed([&] { player.reset(); });
        QCOMPARE(suspend("0"), 0);
        // The sounds given up on end once the sink plays again; let them, before the process ends.
        QThread::msleep(300);
        QVERIFY2(sync >= 1000 && sync < hangMs, qPrintable(QString::number(sync)));
        // The sound given up on would hold it for good.
        QVERIFY2(destroyed < 1000, qPrintable(QString::number(destroyed)));
    }
};

QTEST_GUILESS_MAIN(SoundPlayerTest)
#include "tst_soundplayer.moc"
