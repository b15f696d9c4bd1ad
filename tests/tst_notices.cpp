// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeclock.h"
#include "fakenotifier.h"
#include "fakeprompter.h"
#include "fakeshell.h"
#include "fakesoundplayer.h"
#include "kindcases.h"
#include "storefixture.h"

#include "core/life/createalarm.h"
#include "core/names/alarmname.h"
#include "core/settings/sharedstate.h"
#include "scheduler/scheduler.h"
#include "ui/notices/noticeboard.h"
#include "ui/notices/noticenotifications.h"
#include "ui/notices/notificationrouter.h"
#include "ui/notices/snoozer.h"
#include "ui/shell/enterpressesbuttons.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace brevora;
using namespace brevora::test;

Q_DECLARE_METATYPE(brevora::AlarmKind)

namespace {

// Scheduler, notices and store wired as the program wires them, with a fake clock and a fake sound.
struct NoticeRig
{
    StoreFixture store;
    SharedState state;
    FakeClock clock{ QDateTime(QDate(2007, 2, 3), QTime(14, 0, 1)) }; // a Saturday
    FakeSoundPlayer sound;
    FakePrompter prompter;
    std::unique_ptr<Scheduler> scheduler;
    std::unique_ptr<NoticeBoard> board;

    explicit NoticeRig(bool past = false)
    {
        state.layout = store.layout;
        state.settings.past = past;
        scheduler = std::make_unique<Scheduler>(state, clock, Scheduler::Intervals{ 60000 });
        board = std::make_unique<NoticeBoard>(
            NoticeServices{ state, clock, sound, prompter, [this] { scheduler->restartReturnCount(); } });
        scheduler->setNoticeSink(board.get());
    }

    // An alarm of `kind` due in the clock's current minute; returns its path.
    QString addDue(AlarmKind kind, const QString &text, const QString &soundField = QStringLiteral("ninguno"))
    {
        const QStringList due = dueFieldsAt(kind, clock.now());
        const QString path = store.layout.activePath(kind, alarmFileName(kind, due));
        writeAlarmFile(path, kind, AlarmRecord{ QStringList{ text, soundField } + due });
        return path;
    }

    NoticeWindow *only() const
    {
        const auto open = board->notices();
        return open.size() == 1 ? open.first() : nullptr;
    }
};

// The same, with the desktop notifications the program posts beside its notices.
struct NotifyingRig : NoticeRig
{
    using NoticeRig::NoticeRig;
    FakeNotifier notifier;
    FakeShell shell;
    NoticeNotifications notifications{ *board, notifier, clock };
    NotificationRouter router{ notifier, *board, shell };

    QStringList keys() const
    {
        QStringList posted;
        for (const auto &post : notifier.posts)
            posted.append(post.key);
        return posted;
    }
};

QWidget *nextTabStop(QWidget *widget)
{
    QWidget *next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

// The open notice of the file at `path`.
NoticeWindow *noticeOf(const NoticeBoard &board, const QString &path)
{
    for (NoticeWindow *notice : board.notices()) {
        if (notice->path() == path)
            return notice;
    }
    return nullptr;
}

// The notification key of the file's occurrence in the minute starting at `due`.
QString keyOf(const QString &path, const QDateTime &due)
{
    return Occurrence::occurrenceKey(path, due.toMSecsSinceEpoch());
}

void pressClose(QWidget *notice)
{
    QTest::mouseClick(notice->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestNotices : public QObject
{
    Q_OBJECT

private slots:
    void eachKindFromDueCheckToClose_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("form");
        addKindRows(
            [](QTestData &row, const KindCase &c) { row << c.kind << QString(c.dueName) << QString(c.noticeName); });
    }
    void eachKindFromDueCheckToClose()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QString, name);
        QFETCH(QString, form);
        NoticeRig rig;
        const QString path = rig.addDue(kind, "Take the bread out", "/sounds/bell.wav");
        QCOMPARE(QFileInfo(path).fileName(), name);

        QTest::qWait(30); // the return timer has counted a little before the acknowledgement
        for (int tick = 0; tick < 3; ++tick)
            QVERIFY(rig.scheduler->checkKind(kind));
        NoticeWindow *notice = rig.only();
        QVERIFY(notice);
        QCOMPARE(notice->objectName(), form);
        QCOMPARE(notice->windowTitle(), QString("Alarm!!"));
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->pos(), QPoint(0, 0));
        QCOMPARE(notice->findChild<QLineEdit *>("Text1")->text(), QString("Take the bread out"));
        QCOMPARE(rig.sound.syncPlays, QStringList{ "/sounds/bell.wav" }); // once, not once per tick

        pressClose(notice);
        QVERIFY(rig.board->notices().isEmpty());
        QVERIFY(!QFile::exists(path));
        if (kind == AlarmKind::Once) {
            QVERIFY(QDir(rig.store.layout.pastFolder(AlarmKind::Daily)).isEmpty());
        } else {
            QVERIFY(QFile::exists(rig.store.layout.pastPath(kind, name)));
            QVERIFY(rig.scheduler->returnTimer()->remainingTime() > 59980);
        }
        QVERIFY(!rig.scheduler->checkKind(kind));
        QVERIFY(rig.board->notices().isEmpty());
    }

    void soundFieldDecidesWhatIsPlayed()
    {
        NoticeRig rig;
        rig.addDue(AlarmKind::Daily, "silent");
        rig.addDue(AlarmKind::Weekly, "empty sound", "");
        rig.addDue(AlarmKind::Monthly, "case matters", "NINGUNO");
        for (AlarmKind kind : allKinds)
            rig.scheduler->checkKind(kind);
        QCOMPARE(rig.board->notices().size(), 3);
        // Only the exact "ninguno" means no sound; an empty path still asks for the default sound.
        rig.sound.syncPlays.sort();
        QCOMPARE(rig.sound.syncPlays, (QStringList{ "", "NINGUNO" }));
    }

    void noticeAppearsOnlyAfterItsSound()
    {
        NoticeRig rig;
        rig.addDue(AlarmKind::Daily, "after the sound", "/long.wav");
        bool visibleDuringSound = true;
        rig.sound.onSyncPlay = [&](const QString &) {
            const QWidgetList windows = QApplication::topLevelWidgets();
            visibleDuringSound
                = std::any_of(windows.cbegin(), windows.cend(), [](QWidget *w) { return w->isVisible(); });
        };
        rig.scheduler->checkKind(AlarmKind::Daily);
        QVERIFY(!visibleDuringSound);
        QVERIFY(rig.only() && rig.only()->isVisible());
    }

    void autoDismissFollowsThePastSetting_data()
    {
        QTest::addColumn<bool>("past");
        QTest::addColumn<AlarmKind>("kind");
        QTest::newRow("on, once") << true << AlarmKind::Once;
        QTest::newRow("on, weekly") << true << AlarmKind::Weekly;
        QTest::newRow("off, once") << false << AlarmKind::Once;
    }
    void autoDismissFollowsThePastSetting()
    {
        QFETCH(bool, past);
        QFETCH(AlarmKind, kind);
        NoticeRig rig(past);
        const QString path = rig.addDue(kind, "dismiss me");
        rig.scheduler->checkKind(kind);
        QPointer<NoticeWindow> notice = rig.only();
        QVERIFY(notice);
        // Turning the setting after the load changes nothing for this notice.
        rig.state.settings.past = !past;
        rig.clock.set(2007, 2, 3, 14, 0, 59);
        QTest::qWait(1);
        QVERIFY(notice && notice->isVisible()); // the minute lasts

        rig.clock.set(2007, 2, 3, 14, 1, 0);
        QTest::qWait(1); // the end of the minute rings on the next turn of the event loop
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(notice.isNull(), past);
        QCOMPARE(QFile::exists(path), !past);
        if (past && kind != AlarmKind::Once)
            QVERIFY(QFile::exists(rig.store.layout.pastPath(kind, QFileInfo(path).fileName())));
    }

    void closedByOtherMeansComesBackWithItsSound()
    {
        NoticeRig rig;
        const QString path = rig.addDue(AlarmKind::Once, "again", "/a.wav");
        rig.scheduler->checkKind(AlarmKind::Once);
        QVERIFY(rig.only()->close());
        QVERIFY(QFile::exists(path));
        QVERIFY(rig.board->notices().isEmpty());

        rig.scheduler->checkKind(AlarmKind::Once);
        QVERIFY(rig.only() && rig.only()->isVisible());
        QCOMPARE(rig.sound.syncPlays, (QStringList{ "/a.wav", "/a.wav" }));
    }

    void twoKindsInOneMinuteEachGetTheirNotice()
    {
        NoticeRig rig;
        rig.addDue(AlarmKind::Once, "once", "/one.wav");
        rig.addDue(AlarmKind::Daily, "daily", "/two.wav");
        for (AlarmKind kind : allKinds)
            rig.scheduler->checkKind(kind);
        QStringList forms;
        for (NoticeWindow *notice : rig.board->notices())
            forms.append(notice->objectName());
        forms.sort();
        QCOMPARE(forms, (QStringList{ "Form10", "Form9" }));
        QCOMPARE(rig.sound.syncPlays, (QStringList{ "/one.wav", "/two.wav" }));
    }

    void sameKindTwiceActsOnEachOwnFile()
    {
        NoticeRig rig; // past off: the first notice stays open into the next minute
        const QString first = rig.addDue(AlarmKind::Once, "first");
        rig.scheduler->checkKind(AlarmKind::Once);
        NoticeWindow *firstNotice = rig.only();
        rig.clock.set(2007, 2, 3, 14, 1, 0);
        const QString second = rig.addDue(AlarmKind::Once, "second");
        rig.scheduler->checkKind(AlarmKind::Once);
        QCOMPARE(rig.board->notices().size(), 2);
        QCOMPARE(firstNotice->findChild<QLineEdit *>("Text1")->text(), QString("first"));

        pressClose(firstNotice);
        QVERIFY(!QFile::exists(first));
        QVERIFY(QFile::exists(second));
        QCOMPARE(rig.only()->findChild<QLineEdit *>("Text1")->text(), QString("second"));
    }

    void loadThatFindsAnotherMinuteLeavesNothing()
    {
        NoticeRig rig;
        const QString path = rig.addDue(AlarmKind::Once, "late");
        auto due = *readOccurrence(AlarmKind::Once, path, minuteStart(rig.clock.now()));
        rig.clock.set(2007, 2, 3, 14, 1, 0); // the minute turned between the check and the load
        rig.board->showDueAlarm(due);
        QVERIFY(rig.board->notices().isEmpty());
        QVERIFY(rig.sound.syncPlays.isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
        QVERIFY(QFile::exists(path));
    }

    void closeReplacesAWaitingCopyAndRecreatesAMissingPastFolder()
    {
        NoticeRig rig;
        const QString path = rig.addDue(AlarmKind::Daily, "new text");
        const QString waiting = rig.store.layout.pastPath(AlarmKind::Daily, "14-0.ALM");
        writeBytes(waiting, "\"old text\",\"ninguno\",\"14\",\"0\"\r\n");
        QFile::setPermissions(waiting, QFile::ReadOwner);
        rig.scheduler->checkKind(AlarmKind::Daily);
        pressClose(rig.only());
        QVERIFY(!QFile::exists(path));
        const QStringList past = QDir(rig.store.layout.pastFolder(AlarmKind::Daily)).entryList(QDir::Files);
        QCOMPARE(past, QStringList{ "14-0.alm" });
        QVERIFY(readBytes(rig.store.layout.pastPath(AlarmKind::Daily, "14-0.alm")).startsWith("\"new text\""));

        QVERIFY(QDir(rig.store.layout.pastFolder(AlarmKind::Weekly)).removeRecursively());
        const QString weekly = rig.addDue(AlarmKind::Weekly, "folder gone");
        rig.scheduler->checkKind(AlarmKind::Weekly);
        pressClose(rig.only());
        QVERIFY(!QFile::exists(weekly));
        QVERIFY(QFile::exists(rig.store.layout.pastPath(AlarmKind::Weekly, "Saturday_14-0.alm")));
    }

    void tabOrderAndLayout()
    {
        NoticeRig rig;
        rig.addDue(AlarmKind::Once, "a");
        rig.addDue(AlarmKind::Yearly, "b");
        rig.scheduler->checkKind(AlarmKind::Once);
        rig.scheduler->checkKind(AlarmKind::Yearly);
        for (NoticeWindow *notice : rig.board->notices()) {
            auto *text = notice->findChild<QLineEdit *>("Text1");
            auto *button = notice->findChild<QPushButton *>("Command1");
            QCOMPARE(notice->size(), QSize(312, 206));
            QCOMPARE(button->geometry(), QRect(192, 168, 113, 33));
            // The first stop after the window itself is where the keyboard lands.
            QWidget *first = nextTabStop(notice);
            QCOMPARE(first, notice->kind() == AlarmKind::Once ? static_cast<QWidget *>(text) : button);
        }
    }

    void closeActsOnTheFileItWasOpenedFor_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        // Fields that do not spell the name: a leading zero, or a crafted day that names a file elsewhere.
        QTest::newRow("daily, minute 017")
            << AlarmKind::Daily << "14-0.alm" << QByteArray("\"x\",\"ninguno\",\"14\",\"000\"\r\n");
        QTest::newRow("once, path in a field")
            << AlarmKind::Once << "3-2-2007_14-0.alm"
            << QByteArray("\"x\",\"ninguno\",\"../../../%1/neighbour/Events/Once/3\",\"2\",\"2007\",\"14\",\"0\"\r\n");
    }
    void closeActsOnTheFileItWasOpenedFor()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        NoticeRig rig;
        // The files its fields would name, inside the store and beside it.
        QTemporaryDir outside(QFileInfo(rig.store.dir.path()).path() + "/neighbourXXXXXX");
        const QString path = rig.store.layout.activePath(kind, name);
        writeBytes(path, QString::fromLatin1(bytes).arg(QFileInfo(outside.path()).fileName()).toLatin1());
        const QString neighbour = outside.filePath("neighbour/Events/Once/3-2-2007_14-0.alm");
        QVERIFY(QDir().mkpath(QFileInfo(neighbour).path()));
        writeBytes(neighbour, "keep");
        writeBytes(rig.store.layout.activePath(AlarmKind::Daily, "14-000.alm"), "keep");

        QVERIFY(rig.scheduler->checkKind(kind));
        pressClose(rig.only());
        QVERIFY(!QFile::exists(path));
        QVERIFY(!rig.scheduler->checkKind(kind));
        QCOMPARE(readBytes(neighbour), QByteArray("keep"));
        QCOMPARE(readBytes(rig.store.layout.activePath(AlarmKind::Daily, "14-000.alm")), QByteArray("keep"));
    }

    void aCloseThatFailsIsSaidOnceAndHoldsTheNoticeForItsMinute()
    {
        NoticeRig rig;
        const QString path = rig.addDue(AlarmKind::Daily, "stuck");
        // Something in the way of the folder the alarm is set aside in, which stops even root.
        const QString past = rig.store.layout.pastFolder(AlarmKind::Daily);
        QVERIFY(QDir(past).removeRecursively());
        writeBytes(past, "in the way");

        rig.scheduler->checkKind(AlarmKind::Daily);
        pressClose(rig.only());
        QVERIFY(QFile::exists(path));
        QCOMPARE(rig.prompter.shown.size(), 1);
        QCOMPARE(rig.prompter.shown[0].icon, QMessageBox::Warning);
        QVERIFY2(rig.prompter.shown[0].text.contains(QDir::toNativeSeparators(path)),
                 qPrintable(rig.prompter.shown[0].text));
        for (int check = 0; check < 3; ++check)
            rig.scheduler->checkKind(AlarmKind::Daily);
        QVERIFY(rig.board->notices().isEmpty());
        QCOMPARE(rig.sound.syncPlays.size(), 0);

        // Its next time, the next day, it shows again.
        rig.clock.set(2007, 2, 4, 14, 0, 1);
        rig.scheduler->checkKind(AlarmKind::Daily);
        QVERIFY(rig.only());
        QCOMPARE(rig.prompter.shown.size(), 1);
    }

    void eachNoticePostsItsTimeKindAndText_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QString>("summary");
        QTest::newRow("once") << AlarmKind::Once << "Alarm at 14:00 (once)";
        QTest::newRow("daily") << AlarmKind::Daily << "Alarm at 14:00 (once a day)";
        QTest::newRow("weekly") << AlarmKind::Weekly << "Alarm at 14:00 (once a week)";
        QTest::newRow("monthly") << AlarmKind::Monthly << "Alarm at 14:00 (once a month)";
        QTest::newRow("yearly") << AlarmKind::Yearly << "Alarm at 14:00 (once a year)";
    }
    void eachNoticePostsItsTimeKindAndText()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QString, summary);
        NotifyingRig rig;
        const QString path = rig.addDue(kind, "Tea & <cake>", "/bell.wav");
        // Posted before the sound, which holds up the program: the notification is not late by its length.
        qsizetype postedAtSound = -1;
        rig.sound.onSyncPlay = [&](const QString &) { postedAtSound = rig.notifier.posts.size(); };
        for (int tick = 0; tick < 3; ++tick)
            rig.scheduler->checkKind(kind);
        QCOMPARE(postedAtSound, 1);
        QCOMPARE(rig.notifier.posts.size(), 1);
        QCOMPARE(rig.notifier.posts[0].summary, summary);
        QCOMPARE(rig.notifier.posts[0].body, QString("Tea & <cake>")); // plain: the notifier escapes it
        QCOMPARE(rig.notifier.posts[0].key, keyOf(path, QDateTime(QDate(2007, 2, 3), QTime(14, 0))));
    }

    void oneNotificationPerAlarmAndMinute()
    {
        NotifyingRig rig;
        const QString daily = rig.addDue(AlarmKind::Daily, "daily", "/a.wav");
        rig.scheduler->checkKind(AlarmKind::Daily);
        // Closed by the window manager, it comes back within its minute, sound and all, but posts nothing new.
        QVERIFY(rig.only()->close());
        rig.clock.set(2007, 2, 3, 14, 0, 40);
        rig.scheduler->checkKind(AlarmKind::Daily);
        QVERIFY(rig.only());
        QCOMPARE(rig.sound.syncPlays.size(), 2);
        QCOMPARE(rig.notifier.posts.size(), 1);

        // Another alarm in the same minute posts its own.
        const QString once = rig.addDue(AlarmKind::Once, "once");
        rig.scheduler->checkKind(AlarmKind::Once);
        QCOMPARE(rig.notifier.posts.size(), 2);

        // The same file in its next minute is another occurrence (its name in another case is the same file).
        QVERIFY(noticeOf(*rig.board, daily)->close());
        rig.clock.set(2007, 2, 4, 14, 0, 1);
        QVERIFY(QFile::rename(daily, QFileInfo(daily).path() + "/14-0.ALM"));
        rig.scheduler->checkKind(AlarmKind::Daily);
        const QDateTime today(QDate(2007, 2, 3), QTime(14, 0));
        QCOMPARE(rig.keys(), (QStringList{ keyOf(daily, today), keyOf(once, today), keyOf(daily, today.addDays(1)) }));
    }

    // Keys typed as a notice appears were meant for another window; after a moment, or once the user turned to
    // the notice, its buttons take them (Enter as Space).
    void keysJustAfterANoticeAppearsAreNotItsOwn()
    {
        letEnterPressButtons(*QCoreApplication::instance());
        NotifyingRig rig;
        rig.addDue(AlarmKind::Daily, "first");
        rig.scheduler->checkKind(AlarmKind::Daily);
        NoticeWindow *notice = rig.only();
        QApplication::setActiveWindow(notice);
        auto *close = notice->findChild<QPushButton *>(QStringLiteral("Command1"));
        QVERIFY(close->hasFocus());
        QTest::keyClick(close, Qt::Key_Space);
        QTest::keyClick(close, Qt::Key_Return);
        QCOMPARE(rig.only(), notice);

        emit rig.notifier.activated(rig.notifier.posts[0].key);
        QTest::keyClick(close, Qt::Key_Enter, Qt::KeypadModifier);
        QTRY_VERIFY(rig.board->notices().isEmpty());

        rig.clock.set(2007, 2, 4, 14, 0, 1);
        rig.addDue(AlarmKind::Daily, "second");
        rig.scheduler->checkKind(AlarmKind::Daily);
        notice = rig.only();
        QApplication::setActiveWindow(notice);
        QTest::qWait(1100);
        QTest::keyClick(notice->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::Key_Return);
        QTRY_VERIFY(rig.board->notices().isEmpty());
    }

    void answeringWithdrawsTheNotificationAndAPassedMinuteLeavesATrace()
    {
        NotifyingRig rig(true); // past on: a notice closes itself after its minute
        const QString answered = rig.addDue(AlarmKind::Once, "answered");
        rig.addDue(AlarmKind::Daily, "passed");
        rig.scheduler->checkKind(AlarmKind::Once);
        rig.scheduler->checkKind(AlarmKind::Daily);
        QCOMPARE(rig.notifier.posts.size(), 2);
        QCOMPARE(rig.notifier.posts[0].stay, DesktopNotifier::Stay::AsTheDesktopSays);

        pressClose(noticeOf(*rig.board, answered));
        QCOMPARE(rig.notifier.withdrawn, QStringList{ rig.notifier.posts[0].key });
        QCOMPARE(rig.notifier.posts.size(), 2);

        rig.clock.set(2007, 2, 3, 14, 1, 0);
        QTRY_VERIFY(rig.board->notices().isEmpty());
        QCOMPARE(rig.notifier.withdrawn.size(), 1);
        QCOMPARE(rig.notifier.posts.size(), 3);
        QCOMPARE(rig.notifier.posts[2].key, rig.notifier.posts[1].key); // replaces it, not a second alarm
        QCOMPARE(rig.notifier.posts[2].summary, QString("Missed: alarm at 14:00 (once a day)"));
        QCOMPARE(rig.notifier.posts[2].body, QString("passed"));
        QCOMPARE(rig.notifier.posts[2].stay, DesktopNotifier::Stay::UntilDismissed);
    }

    void choosingTheNotificationBringsItsNoticeOrTheMainWindow()
    {
        NotifyingRig rig; // past off: a notice stays until Close
        const QString firstPath = rig.addDue(AlarmKind::Once, "first");
        const QString secondPath = rig.addDue(AlarmKind::Daily, "second");
        rig.scheduler->checkKind(AlarmKind::Once);
        rig.scheduler->checkKind(AlarmKind::Daily);
        QCOMPARE(rig.notifier.posts.size(), 2);
        NoticeWindow *first = noticeOf(*rig.board, firstPath);
        NoticeWindow *second = noticeOf(*rig.board, secondPath);
        first->showMinimized();
        second->showMinimized();

        emit rig.notifier.activated(rig.notifier.posts[0].key);
        QVERIFY(first->isVisible() && !first->isMinimized());
        QVERIFY(second->isMinimized());
        QVERIFY(rig.shell.calls.isEmpty());

        // Another notification of the program is not a notice's.
        emit rig.notifier.activated(QStringLiteral("missed alarms"));
        QVERIFY(rig.shell.calls.isEmpty());

        pressClose(first);
        rig.shell.mainVisible = true;
        emit rig.notifier.activated(rig.notifier.posts[0].key);
        QCOMPARE(rig.shell.calls, QStringList{ "showMainWindow" });
        QVERIFY(second->isMinimized());
        // A hidden program is restored whole, tray icon and menu with it.
        rig.shell.mainVisible = false;
        emit rig.notifier.activated(NotificationRouter::missedKey);
        QCOMPARE(rig.shell.calls, (QStringList{ "showMainWindow", "restoreProgram" }));
    }

    void exitWithANoticeOpenKeepsTheFile()
    {
        auto rig = std::make_unique<NoticeRig>(true);
        const QString path = rig->addDue(AlarmKind::Monthly, "still due");
        rig->scheduler->checkKind(AlarmKind::Monthly);
        QVERIFY(rig->only());
        rig->board.reset();
        QVERIFY(QFile::exists(path));
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // A change made while the alarm's notice is open, and the Close that follows it, leave only the changed alarm.
    void aChangeWhileTheNoticeIsOpenOutlivesItsClose()
    {
        NoticeRig rig;
        rig.addDue(AlarmKind::Daily, "Tea");
        rig.scheduler->checkKind(AlarmKind::Daily);
        const QString old = rig.only()->path();
        const CreatedAlarm changed
            = changeAlarm(rig.store.layout, old, { AlarmKind::Daily, { "14", "30" }, "Tea", noSound },
                          [](const QString &) { return false; });
        QCOMPARE(changed.outcome, CreatedAlarm::Outcome::Created);
        pressClose(rig.only());
        QVERIFY(rig.prompter.shown.isEmpty()); // nothing to set aside is no failure
        rig.scheduler->returnPastAlarms();
        QCOMPARE(QDir(rig.store.layout.activeFolder(AlarmKind::Daily)).entryList(QDir::Files),
                 QStringList{ "14-30.alm" });
    }

    // The snooze copies the occurrence the notice shows, not the file as it is now; where it cannot act, the
    // notification says why instead of offering a snooze that does nothing.
    void aSnoozeActsOnTheOccurrenceOrSaysWhy_data()
    {
        QTest::addColumn<QString>("hindrance");
        QTest::addColumn<QString>("said"); // the notification that takes the snooze's place, empty when it worked
        QTest::newRow("none") << ""
                              << "";
        QTest::newRow("the notice has gone") << "gone"
                                             << "Its notice has closed already.";
        QTest::newRow("the write fails") << "write"
                                         << "cannot be created";
    }
    void aSnoozeActsOnTheOccurrenceOrSaysWhy()
    {
        QFETCH(QString, hindrance);
        QFETCH(QString, said);
        NotifyingRig rig;
        Snoozer snoozer{ rig.notifier, *rig.board, rig.store.layout, rig.clock };
        const QString path = rig.addDue(AlarmKind::Daily, "Tea", "/bell.wav");
        rig.scheduler->checkKind(AlarmKind::Daily);
        writeBytes(path, formatAlarmLine({ "Changed since", noSound, "14", "0" }));
        const QString key = rig.notifier.posts[0].key;
        const QString onceFolder = rig.store.layout.activeFolder(AlarmKind::Once);
        if (hindrance == "gone")
            pressClose(rig.only());
        if (hindrance == "write") {
            QVERIFY(QDir(onceFolder).removeRecursively());
            writeBytes(onceFolder, "a file where the folder should be");
        }
        emit rig.notifier.actionInvoked(key, Snoozer::actionId);
        if (said.isEmpty()) {
            QCOMPARE(readBytes(onceFolder + "/3-2-2007_14-10.alm"),
                     formatAlarmLine({ "Tea", "/bell.wav", "3", "2", "2007", "14", "10" }));
            QVERIFY(rig.board->notices().isEmpty());
            // Its notification says it was done, in the place of the one that offered it.
            QCOMPARE(rig.notifier.posts.last().key, key);
            QCOMPARE(rig.notifier.posts.last().summary, "Snoozed until " + NoticeNotifications::minuteText({ 14, 10 }));
            QVERIFY(rig.notifier.posts.last().actions.isEmpty());
            return;
        }
        QCOMPARE(rig.notifier.posts.last().key, key);
        QVERIFY(rig.notifier.posts.last().actions.isEmpty());
        QVERIFY2(rig.notifier.posts.last().body.contains(said), qPrintable(rig.notifier.posts.last().body));
        QCOMPARE(rig.board->notices().size(), hindrance == "gone" ? 0 : 1);
    }

    // A sound that could not be heard is told on the notice, by one line, and in the notification, with why.
    void aSoundNotHeardIsTold_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("line"); // the notice's line; empty where none shows
        QTest::newRow("heard") << int(SoundOutcome::Problem::None) << "";
        QTest::newRow("unplayable file") << int(SoundOutcome::Problem::File) << "The sound could not be played.";
        QTest::newRow("no server") << int(SoundOutcome::Problem::NoServer) << "The sound could not be played.";
        QTest::newRow("muted") << int(SoundOutcome::Problem::Muted) << "The sound is muted.";
        QTest::newRow("volume zero") << int(SoundOutcome::Problem::Silent) << "The sound volume is at zero.";
    }
    void aSoundNotHeardIsTold()
    {
        QFETCH(int, problem);
        QFETCH(QString, line);
        NotifyingRig rig;
        rig.sound.syncOutcome = { SoundOutcome::Problem(problem), QStringLiteral("because of this") };
        rig.addDue(AlarmKind::Daily, "Tea", "/bell.wav");
        rig.scheduler->checkKind(AlarmKind::Daily);
        auto *shown = rig.only()->findChild<QLabel *>(QStringLiteral("SoundProblem"));
        QVERIFY(shown);
        QCOMPARE(shown->isVisible(), !line.isEmpty());
        if (line.isEmpty()) {
            QCOMPARE(rig.notifier.posts.size(), 1);
            return;
        }
        QCOMPARE(shown->text(), line);
        // It takes the place of the first post, snooze and all.
        QCOMPARE(rig.notifier.posts.size(), 2);
        QCOMPARE(rig.notifier.posts[1].key, rig.notifier.posts[0].key);
        QCOMPARE(rig.notifier.posts[1].body, QStringLiteral("Tea\n\nThe sound could not be played: because of this."));
        QCOMPARE(rig.notifier.posts[1].actions.size(), 1);
    }

    // With the repeat setting on, the sound repeats until its notice is answered, whichever way; off, it plays once.
    void theSoundRepeatsUntilTheNoticeIsAnswered_data()
    {
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<QString>("answer");
        QTest::newRow("off") << false << "";
        QTest::newRow("close") << true << "close";
        QTest::newRow("end of the minute") << true << "dismiss";
        QTest::newRow("snooze") << true << "snooze";
        QTest::newRow("closed by the window manager") << true << "wm";
        QTest::newRow("exit") << true << "exit";
    }
    void theSoundRepeatsUntilTheNoticeIsAnswered()
    {
        QFETCH(bool, repeat);
        QFETCH(QString, answer);
        NotifyingRig rig(true);
        Snoozer snoozer{ rig.notifier, *rig.board, rig.store.layout, rig.clock };
        rig.state.settings.repeat = repeat;
        rig.addDue(AlarmKind::Daily, "Tea", "/bell.wav");
        rig.scheduler->checkKind(AlarmKind::Daily);
        QCOMPARE(rig.sound.syncPlays, QStringList{ "/bell.wav" });
        if (!repeat) {
            QVERIFY(rig.sound.repeating.isEmpty());
            return;
        }
        QCOMPARE(rig.sound.repeating, QStringLiteral("/bell.wav"));
        if (answer == "close") {
            pressClose(rig.only());
        } else if (answer == "dismiss") {
            rig.clock.set(2007, 2, 3, 14, 1, 0);
            QTest::qWait(1);
        } else if (answer == "snooze") {
            emit rig.notifier.actionInvoked(rig.notifier.posts[0].key, Snoozer::actionId);
        } else if (answer == "wm") {
            QVERIFY(rig.only()->close());
        } else {
            rig.board.reset();
        }
        QVERIFY(rig.sound.repeating.isEmpty());
    }

    // Two notices never sound at once: the newer one's sound replaces the older's repeats, which come back
    // once the newer notice is answered.
    void oneNoticeRepeatsAtATime()
    {
        NoticeRig rig;
        rig.state.settings.repeat = true;
        rig.addDue(AlarmKind::Daily, "first", "/first.wav");
        rig.scheduler->checkKind(AlarmKind::Daily);
        NoticeWindow *first = rig.only();
        const QString second = rig.addDue(AlarmKind::Weekly, "second", "/second.wav");
        rig.scheduler->checkKind(AlarmKind::Weekly);
        QCOMPARE(rig.sound.syncPlays, (QStringList{ "/first.wav", "/second.wav" }));
        QCOMPARE(rig.sound.repeating, QStringLiteral("/second.wav"));
        pressClose(noticeOf(*rig.board, second));
        QCOMPARE(rig.sound.repeating, QStringLiteral("/first.wav"));
        pressClose(first);
        QVERIFY(rig.sound.repeating.isEmpty());
    }

    // Once its notice is gone for good, after its minute or with the program, a notification offers no snooze.
    void aNotificationOutlivingItsNoticeOffersNoSnooze()
    {
        NotifyingRig rig; // past off: the notice outlives its minute
        rig.addDue(AlarmKind::Daily, "closed by the window manager");
        rig.scheduler->checkKind(AlarmKind::Daily);
        rig.clock.set(2007, 2, 3, 14, 5, 0);
        QVERIFY(rig.only()->close());
        QCOMPARE(rig.notifier.posts.size(), 2);
        QVERIFY(rig.notifier.posts[1].actions.isEmpty());
        QCOMPARE(rig.notifier.posts[1].key, rig.notifier.posts[0].key);

        NoticeRig atExit;
        FakeNotifier notifier;
        auto notifications = std::make_unique<NoticeNotifications>(*atExit.board, notifier, atExit.clock);
        atExit.addDue(AlarmKind::Daily, "open at the exit");
        atExit.scheduler->checkKind(AlarmKind::Daily);
        notifications.reset();
        QCOMPARE(notifier.posts.size(), 2);
        QVERIFY(notifier.posts[1].actions.isEmpty());
        QCOMPARE(notifier.posts[1].key, notifier.posts[0].key);
    }
};

QTEST_MAIN(TestNotices)
#include "tst_notices.moc"
