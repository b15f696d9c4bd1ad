// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeprompter.h"
#include "storefixture.h"

#include "core/store/fileops.h"
#include "ui/main/alarmdeletion.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace brevora;
using namespace brevora::test;

class TestAlarmDeletion : public QObject
{
    Q_OBJECT

    StoreFixture *store = nullptr;
    FakePrompter prompter;

    QString active(AlarmKind kind, const QString &name = {}) const
    {
        return name.isEmpty() ? store->layout.activeFolder(kind) : store->layout.activePath(kind, name);
    }
    QString past(AlarmKind kind, const QString &name = {}) const
    {
        return name.isEmpty() ? store->layout.pastFolder(kind) : store->layout.pastPath(kind, name);
    }
    static void put(const QString &path) { writeBytes(path, "\"text\",\"ninguno\",\"7\",\"5\"\r\n"); }
    static bool exists(const QString &path) { return QFileInfo::exists(path); }

    // A file in every folder of the tree: an alarm, a note and a hidden file, all of which a full delete
    // would meet.
    void fillEveryFolder()
    {
        for (AlarmKind kind : allKinds) {
            for (const QString &folder : { active(kind), past(kind) }) {
                if (folder.isEmpty())
                    continue;
                put(folder + QStringLiteral("/7-5.alm"));
                put(folder + QStringLiteral("/note.txt"));
                put(folder + QStringLiteral("/.hidden.alm"));
            }
        }
    }

    void checkConfirmation(const QString &text)
    {
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].title, QStringLiteral("Confirm the elimination"));
        QCOMPARE(prompter.shown[0].text, text);
        QCOMPARE(prompter.shown[0].icon, QMessageBox::NoIcon);
        QCOMPARE(prompter.shown[0].buttons, QMessageBox::Yes | QMessageBox::No);
    }

private slots:
    void init()
    {
        store = new StoreFixture;
        prompter = FakePrompter();
    }
    void cleanup()
    {
        delete store;
        store = nullptr;
    }

    void deleteSelectedAsksAndObeysTheAnswer()
    {
        AlarmDeletion deletion(store->layout, prompter);
        const QString file = active(AlarmKind::Daily, QStringLiteral("7-5.alm"));
        put(file);

        QVERIFY(!deletion.deleteSelected(active(AlarmKind::Daily), QString()).confirmed);
        QVERIFY(prompter.shown.isEmpty());

        prompter.answers = { QMessageBox::No };
        QVERIFY(!deletion.deleteSelected(active(AlarmKind::Daily), QStringLiteral("7-5.alm")).confirmed);
        checkConfirmation(QStringLiteral("Are you sure you want to delete: 7-5.alm?"));
        QVERIFY(exists(file));

        // Read-only files go too.
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner));
        prompter.shown.clear();
        prompter.answers = { QMessageBox::Yes };
        const DeletionOutcome outcome = deletion.deleteSelected(active(AlarmKind::Daily), QStringLiteral("7-5.alm"));
        QVERIFY(outcome.confirmed);
        QCOMPARE(outcome.deleted, 1);
        QVERIFY(!exists(file));
        QCOMPARE(prompter.shown.size(), 1);
    }

    void deleteSelectedReportsWhatStays()
    {
        AlarmDeletion deletion(store->layout, prompter);
        // A folder under an alarm's name cannot be deleted as a file, not even by root.
        QVERIFY(QDir().mkpath(active(AlarmKind::Once, QStringLiteral("1-1-2030-7-5.alm/inner"))));
        prompter.answers = { QMessageBox::Yes };
        const DeletionOutcome outcome
            = deletion.deleteSelected(active(AlarmKind::Once), QStringLiteral("1-1-2030-7-5.alm"));
        QVERIFY(outcome.confirmed);
        QCOMPARE(outcome.notDeleted.size(), 1);
        QCOMPARE(prompter.shown.size(), 2);
        QCOMPARE(prompter.shown[1].icon, QMessageBox::Warning);
        QVERIFY(prompter.shown[1].text.contains(QStringLiteral("1-1-2030-7-5.alm")));

        // A file a notice removed after the list was read is simply gone: nothing to report.
        prompter.shown.clear();
        prompter.answers = { QMessageBox::Yes };
        QVERIFY(deletion.deleteSelected(active(AlarmKind::Once), QStringLiteral("gone.alm")).notDeleted.isEmpty());
        QCOMPARE(prompter.shown.size(), 1);
    }

    void nothingOutsideTheStoreIsDeleted()
    {
        QTemporaryDir elsewhere;
        put(elsewhere.filePath(QStringLiteral("mine.alm")));
        put(active(AlarmKind::Daily, QStringLiteral("7-5.alm")));
        prompter.defaultAnswer = QMessageBox::Yes;
        AlarmDeletion deletion(store->layout, prompter);

        QVERIFY(!deletion.deleteSelected(elsewhere.path(), QStringLiteral("mine.alm")).confirmed);
        QVERIFY(!deletion.deleteSelected(active(AlarmKind::Daily), QStringLiteral("../Week/x.alm")).confirmed);
        QVERIFY(prompter.shown.isEmpty());

        // A text naming no kind reaches no folder.
        QVERIFY(!deletion.deleteAllOfType(QStringLiteral("../..")).confirmed);
        QVERIFY(exists(elsewhere.filePath(QStringLiteral("mine.alm"))));
        QVERIFY(exists(active(AlarmKind::Daily, QStringLiteral("7-5.alm"))));
    }

    void deleteAllOfTypeNeedsAKind_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing chosen") << QStringLiteral("Alarm type");
        QTest::newRow("typed, no kind") << QStringLiteral("once a day");
    }

    // Whole-folder deletions stay in the store: a kind folder that is a link to another folder is left and named,
    // and a file the program cannot name back (its name is not UTF-8) is reported, not passed over in silence.
    void wholeFolderDeletionsReportWhatTheyLeave()
    {
        QTemporaryDir elsewhere;
        put(elsewhere.filePath(QStringLiteral("document.txt")));
        QVERIFY(QDir(active(AlarmKind::Weekly)).removeRecursively());
        QVERIFY(QFile::link(elsewhere.path(), active(AlarmKind::Weekly)));
        const QByteArray rawName = QFile::encodeName(active(AlarmKind::Daily)) + "/7-5\xff.alm";
        QFile raw;
        QVERIFY(raw.open(fopen(rawName.constData(), "w"), QIODevice::WriteOnly, QFile::AutoCloseHandle));
        raw.close();
        prompter.defaultAnswer = QMessageBox::Yes;

        const DeletionOutcome outcome = AlarmDeletion(store->layout, prompter).deleteAll();
        QVERIFY(exists(elsewhere.filePath(QStringLiteral("document.txt"))));
        QCOMPARE(outcome.notDeleted.size(), 2);
        const QString report = prompter.shown.last().text;
        QVERIFY2(report.contains(QDir::toNativeSeparators(active(AlarmKind::Weekly)) + " (a link"), qPrintable(report));
        QVERIFY2(report.contains(QStringLiteral("not valid UTF-8")), qPrintable(report));
        QCOMPARE(::remove(rawName.constData()), 0);
    }

    void deleteAllOfTypeNeedsAKind()
    {
        QFETCH(QString, text);
        fillEveryFolder();
        AlarmDeletion deletion(store->layout, prompter);
        QVERIFY(!deletion.deleteAllOfType(text).confirmed);
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].title, QStringLiteral("Error"));
        QCOMPARE(prompter.shown[0].text, QStringLiteral("Select an alarm type"));
        QCOMPARE(prompter.shown[0].icon, QMessageBox::Critical);
        QCOMPARE(prompter.shown[0].buttons, QMessageBox::Ok);
        QVERIFY(exists(active(AlarmKind::Daily, QStringLiteral("7-5.alm"))));

        prompter.shown.clear();
        prompter.answers = { QMessageBox::No };
        QVERIFY(!deletion.deleteAllOfType(QStringLiteral("Once a day")).confirmed);
        checkConfirmation(
            QStringLiteral("Are you sure you want to delete all the alarms of the following type: Once a day?"));
        QVERIFY(exists(active(AlarmKind::Daily, QStringLiteral("7-5.alm"))));
        QVERIFY(exists(past(AlarmKind::Daily, QStringLiteral("7-5.alm"))));
    }

    void deleteAllOfType_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("named"); // AlarmKind the text names, whatever the list shows

        QTest::newRow("once") << QStringLiteral("Once") << int(AlarmKind::Once);
        QTest::newRow("daily") << QStringLiteral("Once a day") << int(AlarmKind::Daily);
        QTest::newRow("yearly") << QStringLiteral("Once a year") << int(AlarmKind::Yearly);
        QTest::newRow("weekly") << QStringLiteral("Once a week") << int(AlarmKind::Weekly);
    }

    void deleteAllOfType()
    {
        QFETCH(QString, text);
        QFETCH(int, named);
        fillEveryFolder();
        const auto namedKind = AlarmKind(named);
        QVERIFY(QFile::setPermissions(active(namedKind, QStringLiteral("7-5.alm")), QFileDevice::ReadOwner));
        QVERIFY(QDir().mkpath(active(namedKind, QStringLiteral("sub.alm"))));
        prompter.answers = { QMessageBox::Yes };

        const DeletionOutcome outcome = AlarmDeletion(store->layout, prompter).deleteAllOfType(text);
        QVERIFY(outcome.confirmed);
        checkConfirmation(QStringLiteral("Are you sure you want to delete all the alarms of the following type: ")
                          + text + u'?');

        for (AlarmKind kind : allKinds) {
            const bool named = kind == namedKind;
            // Only alarms go from the waiting folder; every visible file goes from the set-aside one.
            QCOMPARE(exists(active(kind, QStringLiteral("7-5.alm"))), !named);
            QVERIFY(exists(active(kind, QStringLiteral("note.txt"))));
            QVERIFY(exists(active(kind, QStringLiteral(".hidden.alm"))));
            if (!isRecurring(kind))
                continue;
            QCOMPARE(exists(past(kind, QStringLiteral("7-5.alm"))), !named);
            QCOMPARE(exists(past(kind, QStringLiteral("note.txt"))), !named);
            QVERIFY(exists(past(kind, QStringLiteral(".hidden.alm"))));
        }
        QVERIFY(QFileInfo(active(namedKind, QStringLiteral("sub.alm"))).isDir());
        QCOMPARE(outcome.deleted, isRecurring(namedKind) ? 3 : 1);
    }

    void deleteAllEmptiesEveryFolderInOrder()
    {
        fillEveryFolder();
        prompter.answers = { QMessageBox::No };
        QStringList tried;
        auto recordingRemove = [&tried](const QString &path) {
            tried.append(path);
            return deleteFileForced(path);
        };
        AlarmDeletion deletion(store->layout, prompter, nullptr, recordingRemove);
        QVERIFY(!deletion.deleteAll().confirmed);
        checkConfirmation(QStringLiteral("Are you sure you want to delete all alarms?"));
        QVERIFY(tried.isEmpty());

        prompter.answers = { QMessageBox::Yes };
        const DeletionOutcome outcome = deletion.deleteAll();
        QVERIFY(outcome.confirmed);
        QCOMPARE(outcome.deleted, 18);
        QStringList expected;
        for (const QString &folder : { active(AlarmKind::Once), active(AlarmKind::Monthly), active(AlarmKind::Yearly),
                                       active(AlarmKind::Weekly), active(AlarmKind::Daily), past(AlarmKind::Monthly),
                                       past(AlarmKind::Yearly), past(AlarmKind::Weekly), past(AlarmKind::Daily) }) {
            expected << folder + QStringLiteral("/7-5.alm") << folder + QStringLiteral("/note.txt");
            QCOMPARE(listFolder(folder), QStringList());
            QVERIFY(exists(folder + QStringLiteral("/.hidden.alm")));
        }
        QCOMPARE(tried, expected);
    }

    void undeletableFilesAreTriedOnceAndReported()
    {
        for (int i = 0; i < 30; ++i)
            put(active(AlarmKind::Weekly, QStringLiteral("Monday-7-%1.alm").arg(i)));
        put(past(AlarmKind::Weekly, QStringLiteral("stuck-past.alm")));
        QStringList tried;
        auto stubbornRemove = [&tried](const QString &path) {
            tried.append(path);
            const QString name = QFileInfo(path).fileName();
            return !name.contains(QStringLiteral("-1")) && !name.contains(QStringLiteral("stuck"))
                && deleteFileForced(path);
        };
        prompter.answers = { QMessageBox::Yes };
        const DeletionOutcome outcome = AlarmDeletion(store->layout, prompter, nullptr, stubbornRemove)
                                            .deleteAllOfType(QStringLiteral("Once a week"));

        QCOMPARE(tried.size(), 31);
        QCOMPARE(QSet<QString>(tried.begin(), tried.end()).size(), 31);
        // "-1" matches 1 and 10 to 19.
        QCOMPARE(outcome.notDeleted.size(), 12);
        QCOMPARE(outcome.deleted, 19);
        QCOMPARE(listFolder(active(AlarmKind::Weekly)).size(), 11);
        QCOMPARE(prompter.shown.size(), 2);
        QCOMPARE(prompter.shown[1].icon, QMessageBox::Warning);
        QVERIFY(prompter.shown[1].text.contains(QStringLiteral("... and 2 more")));
    }
};

QTEST_MAIN(TestAlarmDeletion)
#include "tst_alarmdeletion.moc"
