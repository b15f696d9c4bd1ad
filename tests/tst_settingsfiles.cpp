// SPDX-License-Identifier: GPL-3.0-or-later
#include "storefixture.h"

#include "core/settings/settingsfiles.h"

#include <QDir>
#include <QTest>

using namespace brevora;
using namespace brevora::test;

class TestSettingsFiles : public QObject
{
    Q_OBJECT

    QString path(const StoreFixture &store, const char *name)
    {
        return QDir(store.layout.settingsFolder()).filePath(name);
    }

    // Writes the files as given; a null content leaves that file out.
    void writeAll(const StoreFixture &store, const QByteArray &past, const QByteArray &startup, const QByteArray &hide,
                  const QByteArray &repeat = "#FALSE#\r\n")
    {
        const std::pair<const char *, QByteArray> files[]{
            { "past.bvr", past }, { "startup.bvr", startup }, { "hide.bvr", hide }, { "repeat.bvr", repeat }
        };
        for (const auto &[name, bytes] : files) {
            if (!bytes.isNull())
                writeBytes(path(store, name), bytes);
        }
    }

private slots:
    void literalsAreExact()
    {
        QCOMPARE(formatSettingValue(true), QByteArray("#TRUE#\r\n"));
        QCOMPARE(formatSettingValue(false), QByteArray("#FALSE#\r\n"));
    }

    void readAcceptsOnlyTheTwoLiterals_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("expected"); // -1: unreadable
        QTest::newRow("true") << QByteArray("#TRUE#\r\n") << 1;
        QTest::newRow("false") << QByteArray("#FALSE#\r\n") << 0;
        QTest::newRow("no line end") << QByteArray("#FALSE#") << 0;
        QTest::newRow("empty") << QByteArray() << -1;
        QTest::newRow("word") << QByteArray("TRUE\r\n") << -1;
        QTest::newRow("number") << QByteArray("1\r\n") << -1;
        QTest::newRow("binary") << QByteArray("\x00\x01#TRUE#", 8) << -1;
        QTest::newRow("line feed only") << QByteArray("#TRUE#\n") << 1;
        QTest::newRow("lower case") << QByteArray("#true#\r\n") << -1;
        QTest::newRow("mixed case") << QByteArray("#False#\r\n") << -1;
        QTest::newRow("blanks around") << QByteArray(" #TRUE# \r\n") << -1;
        QTest::newRow("tab before") << QByteArray("\t#FALSE#\r\n") << -1;
    }
    void readAcceptsOnlyTheTwoLiterals()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, expected);
        StoreFixture store;
        const QString file = path(store, "past.bvr");
        writeBytes(file, bytes);
        const auto value = readSettingFile(file);
        QCOMPARE(value.has_value(), expected >= 0);
        if (value)
            QCOMPARE(int(*value), expected);
    }

    void writeRoundTripsAndReplacesWhole()
    {
        StoreFixture store;
        const QString file = path(store, "hide.bvr");
        writeBytes(file, "some much longer garbage that must disappear\r\n");
        QVERIFY(writeSettingFile(file, false));
        QCOMPARE(readBytes(file), QByteArray("#FALSE#\r\n"));
        QVERIFY(writeSettingFile(file, true));
        QCOMPARE(readBytes(file), QByteArray("#TRUE#\r\n"));
    }

    void firstStartCreatesEveryFileAndTellsOnce()
    {
        StoreFixture store;
        const RepairResult result = repairSettings(store.layout.settingsFolder());
        QCOMPARE(result.created, 4);
        QCOMPARE(readBytes(path(store, "repeat.bvr")), QByteArray("#FALSE#\r\n"));
        QCOMPARE(readBytes(path(store, "past.bvr")), QByteArray("#TRUE#\r\n"));
        QCOMPARE(readBytes(path(store, "startup.bvr")), QByteArray("#FALSE#\r\n"));
        QCOMPARE(readBytes(path(store, "hide.bvr")), QByteArray("#FALSE#\r\n"));
        QVERIFY(result.report);
        QVERIFY(!result.report->warning);
        QCOMPARE(result.report->text,
                 QStringLiteral("Some settings' files were missing, and they have been created. This has reset those "
                                "settings to their default values. Use the settigs window to change them"));
        const LiveSettings live = readSettings(store.layout.settingsFolder());
        QCOMPARE(live, (LiveSettings{ true, false, false, false }));
    }

    void completeFilesAreLeftAlone()
    {
        StoreFixture store;
        writeAll(store, "#FALSE#\r\n", "#TRUE#\r\n", "#TRUE#\r\n");
        const RepairResult result = repairSettings(store.layout.settingsFolder());
        QCOMPARE(result.created, 0);
        QVERIFY(!result.report);
        QCOMPARE(readSettings(store.layout.settingsFolder()), (LiveSettings{ false, true, true, false }));
    }

    // The repeat file is read like the others; missing, it is off, and only it is made anew: without a word, as a
    // store from before it has none.
    void theRepeatFileIsReadAndRepairedAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<int>("created");
        QTest::addColumn<bool>("told");
        QTest::newRow("on") << QByteArray("#TRUE#\r\n") << true << 0 << false;
        QTest::newRow("off") << QByteArray("#FALSE#\r\n") << false << 0 << false;
        QTest::newRow("missing") << QByteArray() << false << 1 << false;
        QTest::newRow("unreadable") << QByteArray("yes\r\n") << false << 1 << true;
    }
    void theRepeatFileIsReadAndRepairedAlone()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, repeat);
        QFETCH(int, created);
        QFETCH(bool, told);
        StoreFixture store;
        writeAll(store, "#FALSE#\r\n", "#TRUE#\r\n", "#TRUE#\r\n", bytes);
        QCOMPARE(readSettings(store.layout.settingsFolder()),
                 (LiveSettings{ .past = false, .startup = true, .hide = true, .repeat = repeat }));
        const RepairResult repaired = repairSettings(store.layout.settingsFolder());
        QCOMPARE(repaired.created, created);
        QCOMPARE(repaired.report.has_value(), told);
        QCOMPARE(readBytes(path(store, "repeat.bvr")), formatSettingValue(repeat));
        QCOMPARE(readBytes(path(store, "past.bvr")), QByteArray("#FALSE#\r\n"));
    }

    void onlyHideMissing()
    {
        StoreFixture store;
        writeAll(store, "#FALSE#\r\n", "#TRUE#\r\n", QByteArray());
        const RepairResult result = repairSettings(store.layout.settingsFolder());
        QCOMPARE(result.created, 1);
        QVERIFY(result.report);
        QCOMPARE(readBytes(path(store, "hide.bvr")), QByteArray("#FALSE#\r\n"));
        QCOMPARE(readBytes(path(store, "past.bvr")), QByteArray("#FALSE#\r\n"));
        QCOMPARE(readBytes(path(store, "startup.bvr")), QByteArray("#TRUE#\r\n"));
    }

    void unreadablePastIsRewrittenWithTrue_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("lower case") << QByteArray("#false#\r\n");
        QTest::newRow("blank before") << QByteArray(" #FALSE#\r\n");
    }
    void unreadablePastIsRewrittenWithTrue()
    {
        QFETCH(QByteArray, bytes);
        StoreFixture store;
        writeAll(store, bytes, "#TRUE#\r\n", "#FALSE#\r\n");
        const RepairResult result = repairSettings(store.layout.settingsFolder());
        QCOMPARE(result.created, 1);
        QCOMPARE(readBytes(path(store, "past.bvr")), QByteArray("#TRUE#\r\n"));
        QVERIFY(result.report);
    }

    void hideIsOnlyCheckedForPresence()
    {
        StoreFixture store;
        writeAll(store, "#TRUE#\r\n", "#FALSE#\r\n", "whatever\r\n");
        const RepairResult result = repairSettings(store.layout.settingsFolder());
        QCOMPARE(result.created, 0);
        QVERIFY(!result.report);
        QCOMPARE(readBytes(path(store, "hide.bvr")), QByteArray("whatever\r\n"));
        // Content that is no Boolean counts as the default where the value is used.
        QCOMPARE(readSettings(store.layout.settingsFolder()).hide, false);
    }

    void fileNamesMatchWithoutRegardToCase()
    {
        StoreFixture store;
        writeBytes(path(store, "PAST.BVR"), "#FALSE#\r\n");
        writeBytes(path(store, "Startup.bvr"), "#TRUE#\r\n");
        writeBytes(path(store, "HIDE.bvr"), "#TRUE#\r\n");
        writeBytes(path(store, "Repeat.BVR"), "#TRUE#\r\n");
        const RepairResult result = repairSettings(store.layout.settingsFolder());
        QCOMPARE(result.created, 0);
        QCOMPARE(QDir(store.layout.settingsFolder()).entryList(QDir::Files).size(), 4);
        QCOMPARE(readSettings(store.layout.settingsFolder()), (LiveSettings{ false, true, true, true }));
    }

    // A settings file linked out of the store is never written through, also when the link names nothing yet.
    void linkedFilesAreReportedNotFollowed()
    {
        StoreFixture store;
        QTemporaryDir outside;
        const QString target = outside.filePath("elsewhere");
        writeAll(store, "#TRUE#\r\n", QByteArray(), QByteArray());
        writeBytes(target + ".startup", "not a setting");
        QVERIFY(QFile::link(target + ".startup", path(store, "startup.bvr")));
        QVERIFY(QFile::link(target + ".hide", path(store, "hide.bvr")));
        const RepairResult result = repairSettings(store.layout.settingsFolder());
        QCOMPARE(result.failed, 2);
        QCOMPARE(readBytes(target + ".startup"), QByteArray("not a setting"));
        QVERIFY(!QFile::exists(target + ".hide"));
        QVERIFY(result.report);
        QVERIFY(result.report->text.contains("is a link"));
    }

    // The options dialog's save: a file that cannot be written is named and does not keep the others unsaved.
    void saveWritesTheRestPastAFileItCannotWrite()
    {
        StoreFixture store;
        QVERIFY(QDir(store.layout.settingsFolder()).mkdir("past.bvr"));
        const SettingsSave save = saveSettings(store.layout.settingsFolder(), LiveSettings{ false, true, true, false },
                                               { Setting::Startup, Setting::Past, Setting::Hide });
        QCOMPARE(save.written, 2);
        QCOMPARE(save.failedFiles, QStringList{ "past.bvr" });
        QCOMPARE(save.reasons.size(), 1);
        QCOMPARE(readBytes(path(store, "startup.bvr")), QByteArray("#TRUE#\r\n"));
        QCOMPARE(readBytes(path(store, "hide.bvr")), QByteArray("#TRUE#\r\n"));
    }

    void unwritableFolderKeepsDefaultsAndSaysSo()
    {
        QTemporaryDir dir;
        // A folder that does not exist cannot take the files.
        const QString missing = dir.filePath("no/such/folder");
        const RepairResult result = repairSettings(missing);
        QCOMPARE(result.created, 0);
        QCOMPARE(result.failed, 4);
        QVERIFY(result.report);
        QVERIFY(result.report->warning);
        QVERIFY(result.report->text.contains(QStringLiteral("could not be created")));
        QCOMPARE(readSettings(missing), LiveSettings{});
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
