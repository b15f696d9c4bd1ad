// SPDX-License-Identifier: GPL-3.0-or-later
// Run on a real display with a window manager (tests/display/with_wm.sh): focus changes, message boxes, other
// applications and window frames behave here as they do on a desktop.
#include "appfixture.h"

#include "ui/common/prompter.h"
#include "ui/dialogs/aboutbox.h"
#include "ui/dialogs/optionsdialog.h"
#include "ui/main/alarmlist.h"
#include "ui/main/mainwindow.h"
#include "ui/notices/noticeboard.h"
#include "ui/wizard/alarmeditor.h"
#include "ui/wizard/kindchooser.h"
#include "ui/wizard/newalarmwizard.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace brevora;
using namespace brevora::test;

namespace {

const QByteArray dailyAlarm = "\"Water the plants\",\"ninguno\",\"7\",\"5\"\r\n";

// Shows real message boxes and answers each, once the window manager has made it the active window.
class AnsweringPrompter final : public Prompter
{
public:
    QMessageBox::StandardButton ask(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                                    QMessageBox::StandardButtons buttons) override
    {
        shown.append(text);
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeWindow());
            if (box && box->button(reply))
                box->button(reply)->click();
        });
        answer.start(50);
        return MessageBoxPrompter().ask(parent, icon, title, text, buttons);
    }

    QStringList shown;
    QMessageBox::StandardButton reply = QMessageBox::No;
};

// The whole program, showing real message boxes, with its main window up and "Once a day" listed.
struct Program
{
    StoreFixture store;
    FakeClock clock;
    FakePlatform fakes;
    AnsweringPrompter prompter;
    Application app{ store.dir.path(), clock,
                     Platform{ prompter, fakes.programEnd, fakes.sound, fakes.launcher, fakes.logonStart,
                               fakes.notifier } };
    MainWindow &window = app.mainWindow();

    Program()
    {
        for (Setting setting : allSettings)
            writeSettingFile(settingFilePath(store.layout.settingsFolder(), setting), false);
        writeBytes(store.layout.activePath(AlarmKind::Daily, "7-5.alm"), dailyAlarm);
        writeBytes(store.layout.activePath(AlarmKind::Weekly, "Monday-7-5.alm"), dailyAlarm);
        app.start();
        app.splashWindow().handOver();
        waitActive(&window);
        QComboBox *box = kindBox();
        box->setFocus();
        while (box->currentText() != QStringLiteral("Once a day"))
            QTest::keyClick(box, Qt::Key_Down);
    }

    QComboBox *kindBox() { return window.findChild<QComboBox *>("Combo1"); }

    // The window manager may turn down a program's own request before any user input; a task bar's request,
    // as xdotool makes it, it follows.
    static void waitActive(QWidget *target)
    {
        target->activateWindow();
        QDeadlineTimer bound(20000);
        while (!QTest::qWaitForWindowActive(target, 500) && !bound.hasExpired())
            QProcess::execute(QStringLiteral("xdotool"),
                              { QStringLiteral("windowactivate"), QString::number(target->winId()) });
        QVERIFY(target->isActiveWindow());
    }
};

bool centredInItsFrame(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect screen = window->screen()->geometry();
    return frame != window->geometry() && qAbs(frame.center().x() - screen.center().x()) <= 1
        && qAbs(frame.center().y() - screen.center().y()) <= 1;
}

} // namespace

class TestWindowManager : public QObject
{
    Q_OBJECT

private slots:
    void typingACaptionChoosesNoKind_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Tab") << int(Qt::Key_Tab);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }

    void typingACaptionChoosesNoKind()
    {
        QFETCH(int, key);
        Program p;
        AlarmList *list = p.window.alarmList();
        list->setCurrentRow(0);
        QLineEdit *text = p.kindBox()->lineEdit();
        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, QStringLiteral("Once a week"));
        QTest::keyClick(text, Qt::Key(key));
        QCOMPARE(list->folder(), p.store.layout.activeFolder(AlarmKind::Daily));
        QCOMPARE(list->selectedItems().size(), 1);

        // The command deletes the kind its confirmation names; the list stays on its folder.
        p.prompter.reply = QMessageBox::Yes;
        p.window.menu().deleteAllOfKind->trigger();
        QCOMPARE(p.prompter.shown.value(0),
                 QStringLiteral("Are you sure you want to delete all the alarms of the following type: Once a week?"));
        QVERIFY(!QFile::exists(p.store.layout.activePath(AlarmKind::Weekly, "Monday-7-5.alm")));
        QVERIFY(QFile::exists(p.store.layout.activePath(AlarmKind::Daily, "7-5.alm")));
        QCOMPARE(list->folder(), p.store.layout.activeFolder(AlarmKind::Daily));
    }

    void answeringAMessageBoxIsNoReturnToTheWindow()
    {
        Program p;
        AlarmList *list = p.window.alarmList();
        list->setCurrentRow(0);
        const QPoint placed = p.window.pos() + QPoint(40, 30);
        p.window.move(placed);
        QTRY_COMPARE(p.window.pos(), placed);
        writeBytes(p.store.layout.activePath(AlarmKind::Daily, "8-0.alm"), dailyAlarm);
        QTest::mouseClick(p.window.findChild<QPushButton *>("Command2"), Qt::LeftButton);
        QCOMPARE(p.prompter.shown.size(), 1);
        QVERIFY(QTest::qWaitForWindowActive(&p.window, 20000));
        QTest::qWait(200);
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(p.window.pos(), placed);
        QVERIFY(QFile::exists(p.store.layout.activePath(AlarmKind::Daily, "7-5.alm")));
    }

    void optionsKeepUnsavedChangesOverAVisitToAnotherProgram()
    {
        Program p;
        p.app.windows().showOptions();
        OptionsDialog &options = p.app.optionsDialog();
        QVERIFY(QTest::qWaitForWindowActive(&options, 20000));
        QTRY_VERIFY_WITH_TIMEOUT(centredInItsFrame(&options), 20000);
        auto *hidden = options.findChild<QCheckBox *>("Check2");
        hidden->click();
        QVERIFY(hidden->isChecked());

        QProcess other;
        other.start(QStringLiteral("xmessage"), { QStringLiteral("another program") });
        QVERIFY(other.waitForStarted());
        // Brought forward as a task bar would, should the window manager hold its first request back.
        QDeadlineTimer bound(20000);
        while (!QTest::qWaitFor([&] { return !options.isActiveWindow(); }, 500) && !bound.hasExpired())
            QProcess::execute(QStringLiteral("xdotool"),
                              { QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--class"),
                                QStringLiteral("Xmessage"), QStringLiteral("windowactivate") });
        QVERIFY(!options.isActiveWindow());
        Program::waitActive(&options);
        other.kill();
        other.waitForFinished();
        QVERIFY(hidden->isChecked());

        // From another of the program's windows it is a return: the boxes are the files' again.
        Program::waitActive(&p.window);
        Program::waitActive(&options);
        QVERIFY(!hidden->isChecked());
    }

    // Asked for again after the user minimised it, Options or About comes back in sight and takes the keys.
    void aMinimisedOptionsOrAboutComesBackWhenAskedFor_data()
    {
        QTest::addColumn<bool>("about");
        QTest::newRow("Options") << false;
        QTest::newRow("About") << true;
    }
    void aMinimisedOptionsOrAboutComesBackWhenAskedFor()
    {
        QFETCH(bool, about);
        Program p;
        QWidget *window = about ? static_cast<QWidget *>(&p.app.aboutBox()) : &p.app.optionsDialog();
        const auto ask = [&] { about ? p.app.windows().showAbout() : p.app.windows().showOptions(); };
        ask();
        Program::waitActive(window);
        window->showMinimized();
        QTRY_VERIFY_WITH_TIMEOUT(window->windowHandle()->visibility() == QWindow::Minimized, 20000);
        Program::waitActive(&p.window);
        ask();
        QTRY_VERIFY_WITH_TIMEOUT(window->windowHandle()->visibility() != QWindow::Minimized, 20000);
        QVERIFY(!window->isMinimized());
        QVERIFY(QTest::qWaitForWindowActive(window, 20000));
    }

    // Typing in another window across an alarm's minute: the notice shows, and every key still goes where the
    // user was typing; none answers the notice.
    void aNoticeTakesNoKeysMeantForAnotherWindow()
    {
        Program p;
        const QString due = p.store.layout.activePath(AlarmKind::Daily, "14-0.alm");
        writeBytes(due, "\"Tea\",\"ninguno\",\"14\",\"0\"\r\n");
        QLineEdit other;
        other.setWindowTitle(QStringLiteral("Another program"));
        other.resize(300, 30);
        other.show();
        Program::waitActive(&other);
        const QString sentence = QStringLiteral("the quick brown fox jumps over the lazy dog");
        QProcess typing;
        typing.start(QStringLiteral("xdotool"),
                     { QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("60"), sentence });
        QVERIFY(typing.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(other.text().size() >= 4, 10000);
        p.clock.set(QDateTime(QDate(2007, 2, 3), QTime(14, 0, 0)));
        QTRY_VERIFY_WITH_TIMEOUT(p.app.notices().notices().size() == 1, 5000);
        NoticeWindow *notice = p.app.notices().notices().first();
        QTRY_VERIFY_WITH_TIMEOUT(notice->windowHandle() && notice->windowHandle()->isExposed(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(typing.state() == QProcess::NotRunning, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(other.text(), sentence, 5000);
        QVERIFY(notice->isVisible());
        QVERIFY(QFile::exists(due));
        QVERIFY(other.isActiveWindow());
    }

    void windowsAreCentredWithTheirFramesAndEditorsOnEachReturn()
    {
        Program p;
        QTRY_VERIFY_WITH_TIMEOUT(centredInItsFrame(&p.window), 20000);
        p.app.windows().startNewAlarm();
        QWidget *chooser = p.app.wizard().kindChooser();
        QVERIFY(QTest::qWaitForWindowActive(chooser, 20000));
        QTRY_VERIFY_WITH_TIMEOUT(centredInItsFrame(chooser), 20000);

        AlarmEditorWindow *editor = p.app.wizard().editor(AlarmKind::Daily);
        chooser->hide();
        editor->show();
        Program::waitActive(editor);
        editor->move(0, 0);
        QTRY_COMPARE(editor->pos(), QPoint(0, 0));
        p.app.windows().showOptions();
        QVERIFY(QTest::qWaitForWindowActive(&p.app.optionsDialog(), 20000));
        Program::waitActive(editor);
        QTRY_VERIFY_WITH_TIMEOUT(centredInItsFrame(editor), 20000);
    }

    // The first opening in a run is placed and sized exactly like the later ones: folded to its narrow width in
    // its frame, with nothing of the hidden "Advanced options" frame showing, and centred at that width.
    void anEditorOpensFoldedAndCentredFromTheFirstTime()
    {
        Program p;
        p.app.windows().startNewAlarm();
        KindChooserWindow *chooser = p.app.wizard().kindChooser();
        Program::waitActive(chooser);
        QList<QRect> placed;
        for (int opening = 0; opening < 2; ++opening) {
            chooser->findChild<QAbstractButton *>("Option5")->click();
            chooser->findChild<QAbstractButton *>("Command1")->click();
            AlarmEditorWindow *editor = p.app.wizard().editor(AlarmKind::Daily);
            QVERIFY(QTest::qWaitForWindowExposed(editor, 20000));
            QTRY_VERIFY_WITH_TIMEOUT(centredInItsFrame(editor) && editor->frameGeometry().width() == 313, 20000);
            QTest::qWait(300); // nothing comes after to move it again
            QVERIFY2(centredInItsFrame(editor), qPrintable(QStringLiteral("opening %1").arg(opening + 1)));
            QCOMPARE(editor->frameGeometry().width(), 313);
            QVERIFY(editor->width() <= editor->findChild<QWidget *>("Frame7")->x());
            placed.append(editor->frameGeometry());
            editor->findChild<QAbstractButton *>("Command3")->click();
            Program::waitActive(chooser);
        }
        QCOMPARE(placed[0], placed[1]);
    }
};

QTEST_MAIN(TestWindowManager)
#include "tst_windowmanager.moc"
