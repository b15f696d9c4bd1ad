// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"
#include "fakeclock.h"
#include "fakeshell.h"

#include "ui/calendar/importreportdialog.h"
#include "ui/main/alarmlist.h"
#include "ui/main/mainwindow.h"

#include <QAccessible>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

using namespace brevora;
using namespace brevora::test;

namespace {

const QByteArray dailyAlarm = "\"Take the pills, then water, plants\",\"ninguno\",\"7\",\"5\"\r\n";
const QByteArray onceAlarm = "\"Dentist\",\"ninguno\",\"3\",\"2\",\"2007\",\"9\",\"30\"\r\n";

// The main window on its own, with a recording shell and a store of its own.
struct Browser
{
    StoreFixture store;
    FakeShell shell;
    FakeClock clock;
    MainWindow window{ shell, store.layout, clock };

    Browser() { window.fillKindList(); }

    QComboBox *kindBox() { return window.findChild<QComboBox *>("Combo1"); }
    AlarmList *list() { return window.alarmList(); }
    QString text() { return window.findChild<QLabel *>("Label3")->text(); }

    // A choice from the kind box's list, made with the keyboard.
    void chooseKind(const QString &caption)
    {
        QComboBox *box = kindBox();
        const int target = box->findText(caption);
        QVERIFY2(target >= 0, qPrintable(caption));
        if (box->currentIndex() < 0)
            QTest::keyClick(box, Qt::Key_Down);
        while (box->currentIndex() != target)
            QTest::keyClick(box, box->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }

    void typeKind(const QString &text)
    {
        kindBox()->lineEdit()->selectAll();
        QTest::keyClicks(kindBox()->lineEdit(), text);
    }

    void select(const QString &name)
    {
        const auto found = list()->findItems(name, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(name));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(found[0]).center());
    }

    QStringList entries()
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names.append(list()->item(i)->text());
        return names;
    }
};

QStringList comboItems(QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

const QStringList kindCaptions{ "Once", "Once a year", "Once a month", "Once a day", "Once a week" };

// The files under a store's Events folder by their path in it, with their bytes.
QMap<QString, QByteArray> eventFiles(const StoreLayout &layout)
{
    QMap<QString, QByteArray> files;
    const QDir events(layout.programDir() + QStringLiteral("/Events"));
    QDirIterator it(events.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(events.relativeFilePath(path), readBytes(path));
    }
    return files;
}

} // namespace

// The alarm browser, its menus and its exits.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void aFreshWindowNamesNoKind()
    {
        Browser b;
        QCOMPARE(b.kindBox()->currentText(), QStringLiteral("Alarm type"));
        QCOMPARE(comboItems(b.kindBox()), kindCaptions);
        QCOMPARE(b.text(), QString());
        QCOMPARE(b.window.centralWidget()->size(), QSize(384, 330));
        QVERIFY(!(b.window.windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void theMenuBarHoldsEveryItem()
    {
        Browser b;
        QStringList found;
        for (QAction *top : b.window.menuBar()->actions()) {
            found.append(top->menu()->objectName() + u'=' + top->text());
            for (QAction *action : top->menu()->actions())
                found.append(action->objectName() + u'=' + action->text() + u'=' + action->shortcut().toString());
        }
        QCOMPARE(found,
                 (QStringList{ "Archivo=File", "borrartodosss=Delete all alarms=Ctrl+A",
                               "borrartodo=Delete all alarms of this type=Ctrl+T", "ocultar=Hide=Ctrl+H",
                               "==", "importAlarmsAction=Import alarms...=", "exportAlarmsAction=Export alarms...=",
                               "==", "Salir=Exit=Ctrl+X", "Avisos=Alarms", "Nuevo=New alarm=Ctrl+N",
                               "borrar=Delete alarm=Ctrl+D", "cambiar=Change alarm=Ctrl+E", "Herramientas=Tools",
                               "Opciones=Options=Ctrl+S", "help=?", "ayuda=Help=F1", "Acercade=About...=" }));
    }

    // The help's keyboard table names every key a menu item takes, the second keys too.
    void theHelpListsEveryShortcut()
    {
        Browser b;
        QFile help(QStringLiteral(BREVORA_HELP_INDEX));
        QVERIFY(help.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(help.readAll());
        for (QAction *top : b.window.menuBar()->actions())
            for (QAction *action : top->menu()->actions())
                for (const QKeySequence &keys : action->shortcuts())
                    QVERIFY2(html.contains("<kbd>" + keys.toString() + "</kbd>"), qPrintable(keys.toString()));
    }

    void commandsReachTheShellAndTheDeleteSignals()
    {
        Browser b;
        QSignalSpy one(&b.window, &MainWindow::deleteAlarmRequested);
        QSignalSpy kind(&b.window, &MainWindow::deleteAllOfKindRequested);
        QSignalSpy all(&b.window, &MainWindow::deleteAllRequested);
        const MainMenu &m = b.window.menu();
        for (QAction *action :
             { m.newAlarm, m.hide, m.options, m.help, m.about, m.exit, m.deleteAlarm, m.deleteAllOfKind, m.deleteAll })
            action->trigger();
        QTest::mouseClick(b.window.findChild<QPushButton *>("Command1"), Qt::LeftButton);
        QTest::mouseClick(b.window.findChild<QPushButton *>("Command2"), Qt::LeftButton);
        QCOMPARE(b.shell.calls,
                 (QStringList{ "startNewAlarm", "hideProgram", "showOptions", "showHelp", "showAbout", "exitProgram",
                               "startNewAlarm" }));
        QCOMPARE(one.size(), 2);
        QCOMPARE(kind.size(), 1);
        QCOMPARE(all.size(), 1);
    }

    // Tabbing into the list selects the entry that gets focus, so that the commands act on what is read out.
    void tabbingIntoTheListSelectsItsEntry()
    {
        Browser b;
        writeBytes(b.store.layout.activePath(AlarmKind::Daily, "7-5.alm"), dailyAlarm);
        b.chooseKind("Once a day");
        b.window.show();
        b.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&b.window));
        b.kindBox()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(b.list()->hasFocus());
        QCOMPARE(b.text(), QStringLiteral("Take the pills, then water, plants"));
        QSignalSpy change(&b.window, &MainWindow::changeAlarmRequested);
        QTest::keyClick(b.list(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(change.size(), 1);
        QCOMPARE(change[0][1].toString(), b.store.layout.activePath(AlarmKind::Daily, "7-5.alm"));
    }

    void menuKeysWinOverTheKindBoxText()
    {
        Browser b;
        b.window.show();
        b.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&b.window));
        QLineEdit *text = b.kindBox()->lineEdit();
        text->setFocus();
        text->setCursorPosition(2);
        QSignalSpy one(&b.window, &MainWindow::deleteAlarmRequested);
        QSignalSpy all(&b.window, &MainWindow::deleteAllRequested);
        for (Qt::Key key : { Qt::Key_A, Qt::Key_D, Qt::Key_X })
            QTest::keyClick(text, key, Qt::ControlModifier);
        QCOMPARE(all.size(), 1);
        QCOMPARE(one.size(), 1);
        QCOMPARE(b.shell.calls, QStringList{ "exitProgram" });
        QCOMPARE(text->text(), QStringLiteral("Alarm type"));
    }

    void ctrlQIsASecondExitKey_data()
    {
        QTest::addColumn<bool>("inKindBox");
        QTest::newRow("alarm list") << false;
        QTest::newRow("kind box text") << true;
    }
    void ctrlQIsASecondExitKey()
    {
        QFETCH(bool, inKindBox);
        Browser b;
        b.window.show();
        b.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&b.window));
        QWidget *focus
            = inKindBox ? static_cast<QWidget *>(b.kindBox()->lineEdit()) : b.window.findChild<QWidget *>("File1");
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(b.shell.calls, QStringList{ "exitProgram" });
        QCOMPARE(
            b.window.menu().exit->shortcuts(),
            (QList<QKeySequence>{ QKeySequence(QStringLiteral("Ctrl+X")), QKeySequence(QStringLiteral("Ctrl+Q")) }));
        QCOMPARE(b.kindBox()->currentText(), QStringLiteral("Alarm type"));
    }

    void closingTheWindowIsTheExit()
    {
        Browser b;
        b.window.show();
        QVERIFY(b.window.close());
        QCOMPARE(b.shell.calls, QStringList{ "closeAllAndExit" });
    }

    void choosingAKindListsItsAlarmsIgnoringCase()
    {
        Browser b;
        for (const char *name : { "b-1.alm", "A-2.alm", "c-3.ALM", "notes.txt", "d.alm.bak" })
            writeBytes(b.store.layout.activePath(AlarmKind::Daily, name), dailyAlarm);
        QVERIFY(QDir(b.store.layout.activeFolder(AlarmKind::Daily)).mkdir("sub.alm"));
        writeBytes(b.store.layout.pastPath(AlarmKind::Daily, "9-9.alm"), dailyAlarm);
        b.chooseKind("Once a day");
        QCOMPARE(b.list()->folder(), b.store.layout.activeFolder(AlarmKind::Daily));
        QCOMPARE(b.entries(), (QStringList{ "A-2.alm", "b-1.alm", "c-3.ALM" }));
        QCOMPARE(b.list()->selectedItems().size(), 0);
    }

    void selectingShowsTheTextAndAnotherKindKeepsIt()
    {
        Browser b;
        writeBytes(b.store.layout.activePath(AlarmKind::Daily, "7-5.alm"), dailyAlarm);
        writeBytes(b.store.layout.activePath(AlarmKind::Daily, "8-0.alm"), "\"\",\"ninguno\",\"8\",\"0\"\r\n");
        b.chooseKind("Once a day");
        b.select("7-5.alm");
        QCOMPARE(b.text(), QStringLiteral("Take the pills, then water, plants"));
        b.select("8-0.alm");
        QCOMPARE(b.text(), QString());
        b.select("7-5.alm");
        b.chooseKind("Once a week");
        QCOMPARE(b.list()->count(), 0);
        QCOMPARE(b.text(), QStringLiteral("Take the pills, then water, plants"));
    }

    // What an entry says when pointed at or read out: the text and the next moment, or never and why, as
    // `--check` would find it.
    void eachEntryTellsItsTextAndWhenItRings()
    {
        Browser b;
        const QByteArray nine = "\"Call\",\"ninguno\",\"9\",\"0\"\r\n";
        writeBytes(b.store.layout.activePath(AlarmKind::Daily, "7-5.alm"), dailyAlarm);
        writeBytes(b.store.layout.activePath(AlarmKind::Daily, "07-5.alm"), dailyAlarm);
        writeBytes(b.store.layout.activePath(AlarmKind::Daily, "8-0.alm"), "\"no fields\"\r\n");
        writeBytes(b.store.layout.activePath(AlarmKind::Daily, "9-0.alm"), nine);
        writeBytes(b.store.layout.activePath(AlarmKind::Daily, "9-0.ALM"), nine);
        b.chooseKind("Once a day");
        const auto said = [&](const QString &name) {
            QListWidgetItem *item = b.list()->findItems(name, Qt::MatchExactly).value(0);
            return item ? item->data(Qt::ToolTipRole).toString() : QStringLiteral("not listed");
        };
        const QLocale locale;
        QCOMPARE(said("7-5.alm"),
                 "Take the pills, then water, plants\nNext: " + locale.toString(QDate(2007, 2, 4), QLocale::LongFormat)
                     + u' ' + QTime(7, 5).toString(locale.timeFormat(QLocale::ShortFormat).remove(":ss")));
        QCOMPARE(
            said("07-5.alm"),
            "Take the pills, then water, plants\nNever: a number has a leading zero, which the clock never writes");
        QCOMPARE(said("8-0.alm"), "Never: the file cannot be read as an alarm of its kind");
        QVERIFY2(said("9-0.alm").startsWith("Call\nNext: "), qPrintable(said("9-0.alm")));
        QCOMPARE(said("9-0.ALM"), "Call\nNever: 9-0.alm differs only in letter case and is shown in its place");

        // A screen reader hears the same through the entry's description; the moment moves on with the clock.
        b.clock.set(QDateTime(QDate(2007, 2, 4), QTime(7, 6)));
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(b.list());
        QVERIFY(list);
        const int row = b.entries().indexOf("7-5.alm");
        QAccessibleInterface *entry = list->child(row);
        QVERIFY(entry);
        QCOMPARE(entry->text(QAccessible::Name), QStringLiteral("7-5.alm"));
        QCOMPARE(entry->text(QAccessible::Description), said("7-5.alm"));
        QVERIFY2(said("7-5.alm").contains(locale.toString(QDate(2007, 2, 5), QLocale::LongFormat)),
                 qPrintable(said("7-5.alm")));
    }

    // The tooltip shows the alarm's text as typed: what reads as markup is the user's text, not formatting.
    void theTooltipShowsTheTextAsTyped()
    {
        Browser b;
        writeBytes(b.store.layout.activePath(AlarmKind::Daily, "7-5.alm"),
                   "\"<b>Board</b>\",\"ninguno\",\"7\",\"5\"\r\n");
        b.chooseKind("Once a day");
        b.window.show();
        QListWidgetItem *entry = b.list()->item(0);
        QVERIFY(entry);
        const QPoint at = b.list()->visualItemRect(entry).center();
        QHelpEvent help(QEvent::ToolTip, at, b.list()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(b.list()->viewport(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QTextDocument shown;
        shown.setHtml(QToolTip::text());
        QCOMPARE(shown.toPlainText(), entry->data(Qt::ToolTipRole).toString());
        QVERIFY(shown.toPlainText().startsWith("<b>Board</b>\n"));
        QToolTip::hideText();
    }

    void theTypedCaptionDecidesHowTheFileIsRead()
    {
        Browser b;
        writeBytes(b.store.layout.activePath(AlarmKind::Daily, "7-5.alm"), dailyAlarm);
        writeBytes(b.store.layout.activePath(AlarmKind::Once, "3-2-2007-9-30.alm"), onceAlarm);
        b.chooseKind("Once a day");
        b.select("7-5.alm");
        // Not a caption: nothing is read, the area is emptied, the list stays where it was.
        b.typeKind("once a day");
        QCOMPARE(b.kindBox()->currentText(), QStringLiteral("once a day"));
        b.list()->clearSelection();
        b.select("7-5.alm");
        QCOMPARE(b.text(), QString());
        QCOMPARE(b.list()->folder(), b.store.layout.activeFolder(AlarmKind::Daily));
        // Seven fields asked of a four-field file: unreadable, so nothing is shown.
        b.typeKind("Once");
        b.list()->clearSelection();
        b.select("7-5.alm");
        QCOMPARE(b.text(), QString());
        // An arrow key steps through the list even to the caption already typed.
        b.chooseKind("Once a month");
        b.typeKind("Once a day");
        QTest::keyClick(b.kindBox(), Qt::Key_Down);
        QCOMPARE(b.list()->folder(), b.store.layout.activeFolder(AlarmKind::Daily));
        // Four fields asked of a seven-field file: its text is there.
        b.chooseKind("Once");
        b.typeKind("Once a day");
        b.select("3-2-2007-9-30.alm");
        QCOMPARE(b.text(), QStringLiteral("Dentist"));
    }

    void aVanishedFileOrFolderLeavesTheAreaEmpty()
    {
        Browser b;
        const QString path = b.store.layout.activePath(AlarmKind::Daily, "7-5.alm");
        writeBytes(path, dailyAlarm);
        writeBytes(b.store.layout.activePath(AlarmKind::Daily, "7-6.alm"), dailyAlarm);
        b.chooseKind("Once a day");
        b.select("7-6.alm");
        QVERIFY(QFile::remove(path));
        b.select("7-5.alm");
        QCOMPARE(b.text(), QString());
        QVERIFY(QDir(b.store.layout.activeFolder(AlarmKind::Weekly)).removeRecursively());
        b.chooseKind("Once a week");
        QCOMPARE(b.list()->count(), 0);
    }

    void showingCentresAndReReads()
    {
        Browser b;
        b.chooseKind("Once a day");
        b.window.move(0, 0);
        writeBytes(b.store.layout.activePath(AlarmKind::Daily, "7-5.alm"), dailyAlarm);
        QCOMPARE(b.list()->count(), 0);
        b.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b.window));
        QCOMPARE(b.entries(), QStringList{ "7-5.alm" });
        const QRect screen = b.window.screen()->geometry();
        const QRect frame = b.window.frameGeometry();
        QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 1);
        QCOMPARE(b.window.focusWidget(), b.list());
    }

    void returningFromAnotherOfItsWindowsReReads()
    {
        Browser b;
        b.chooseKind("Once a day");
        b.window.show();
        b.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&b.window));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        writeBytes(b.store.layout.activePath(AlarmKind::Daily, "7-5.alm"), dailyAlarm);
        b.window.move(0, 0);
        b.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&b.window));
        QCOMPARE(b.entries(), QStringList{ "7-5.alm" });
        QVERIFY(b.window.pos() != QPoint(0, 0));
    }

    // File > Export alarms... writes the store's alarms to the calendar file the user names; File > Import
    // alarms... in another program's empty store gives back the same files, lists them at once and says so.
    void exportThenImportGivesTheSameFiles()
    {
        QTemporaryDir folder;
        const QString calendar = folder.filePath("alarms.ics");
        QMap<QString, QByteArray> exported;
        {
            AppFixture source;
            const StoreLayout &layout = source.store.layout;
            writeBytes(layout.activePath(AlarmKind::Daily, "7-5.alm"), dailyAlarm);
            writeBytes(layout.activePath(AlarmKind::Weekly, "Monday_8-30.alm"),
                       "\"Team meeting\",\"ninguno\",\"Monday\",\"8\",\"30\"\r\n");
            writeBytes(layout.activePath(AlarmKind::Once, "3-2-2030_14-0.alm"),
                       "\"Dentist\",\"ninguno\",\"3\",\"2\",\"2030\",\"14\",\"0\"\r\n");
            exported = eventFiles(layout);
            source.startAndSkipSplash();
            source.prompter.chosenFiles = { calendar };
            source.app->mainWindow().menu().exportAlarms->trigger();
            QCOMPARE(source.prompter.filesAsked.size(), 1);
            const FakePrompter::FileAsked asked = source.prompter.filesAsked.first();
            QCOMPARE(asked.choice, Prompter::FileChoice::Save);
            QCOMPARE(asked.title, QStringLiteral("Export alarms"));
            QCOMPARE(asked.filter, QStringLiteral("iCalendar files (*.ics)"));
            QVERIFY(source.prompter.shown.isEmpty());
            QVERIFY(readBytes(calendar).startsWith("BEGIN:VCALENDAR"));
        }

        AppFixture target;
        target.startAndSkipSplash();
        MainWindow &window = target.app->mainWindow();
        auto *box = window.findChild<QComboBox *>("Combo1");
        while (box->currentText() != QStringLiteral("Once a day"))
            QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(window.alarmList()->folder(), target.store.layout.activeFolder(AlarmKind::Daily));
        QCOMPARE(window.alarmList()->count(), 0);
        target.prompter.chosenFiles = { calendar };
        window.menu().importAlarms->trigger();
        QCOMPARE(target.prompter.filesAsked.size(), 1);
        QCOMPARE(target.prompter.filesAsked.first().choice, Prompter::FileChoice::Open);
        QCOMPARE(eventFiles(target.store.layout), exported);
        QCOMPARE(window.alarmList()->count(), 1);

        auto *report = window.findChild<ImportReportDialog *>("importReport");
        QVERIFY(report);
        QVERIFY(report->isVisible());
        QCOMPARE(report->windowTitle(), QStringLiteral("Import alarms"));
        const QStringList lines = report->findChild<QPlainTextEdit *>("importReportText")->toPlainText().split(u'\n');
        QCOMPARE(lines.first(), QStringLiteral("Imported: 3"));
        for (const QString &name : exported.keys())
            QVERIFY2(
                lines.contains("  " + QDir::toNativeSeparators(target.store.layout.programDir() + "/Events/" + name)),
                qPrintable(name));
        QCOMPARE(lines.last(), QStringLiteral("Not imported: 0"));
        QVERIFY(target.prompter.shown.isEmpty());
    }

    void theKindListStaysFiveAfterManyShowsAndHides()
    {
        AppFixture f;
        f.startAndSkipSplash();
        for (int i = 0; i < 25; ++i) {
            f.app->windows().hideProgram();
            f.app->windows().restoreProgram();
            f.app->windows().startNewAlarm();
            f.app->windows().showMainWindow();
        }
        auto *box = f.app->mainWindow().findChild<QComboBox *>("Combo1");
        QCOMPARE(comboItems(box), kindCaptions);
        QCOMPARE(box->currentText(), QStringLiteral("Alarm type"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
