// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopentry.h"
#include "fakelogonstart.h"
#include "fakeprogramend.h"
#include "fakeprompter.h"
#include "storefixture.h"

#include "core/settings/sharedstate.h"
#include "os/session/logonstart.h"
#include "ui/dialogs/optionsdialog.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>

#include <memory>

using namespace brevora;
using namespace brevora::test;

class TestOptionsDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<StoreFixture> store;
    std::unique_ptr<QTemporaryDir> config;
    SharedState state;
    FakePrompter prompter;
    FakeProgramEnd programEnd;
    FakeLogonStart logon;

    QString settingPath(const char *name) const { return store->layout.settingsFolder() + u'/' + QLatin1String(name); }
    void writeSettings(bool startup, bool past, bool hide)
    {
        writeBytes(settingPath("startup.bvr"), formatSettingValue(startup));
        writeBytes(settingPath("past.bvr"), formatSettingValue(past));
        writeBytes(settingPath("hide.bvr"), formatSettingValue(hide));
    }
    static QCheckBox *box(QWidget &dialog, const char *name) { return dialog.findChild<QCheckBox *>(name); }
    static void click(QWidget &dialog, const char *name)
    {
        QWidget *widget = dialog.findChild<QWidget *>(name);
        QVERIFY2(widget, name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    static void activate(QWidget &window)
    {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    static QList<bool> boxes(QWidget &dialog)
    {
        return { box(dialog, "Check1")->isChecked(), box(dialog, "Check2")->isChecked(),
                 box(dialog, "Check3")->isChecked() };
    }

private slots:
    void init()
    {
        store = std::make_unique<StoreFixture>();
        config = std::make_unique<QTemporaryDir>();
        // A blank in the folder's name, as in many home folders.
        const QString home = config->filePath(QStringLiteral("config home"));
        QVERIFY(qputenv("XDG_CONFIG_HOME", QFile::encodeName(home)));
        state = SharedState{ store->layout, {} };
        prompter = FakePrompter();
        programEnd = FakeProgramEnd();
        logon = FakeLogonStart();
    }
    void cleanup()
    {
        qunsetenv("XDG_CONFIG_HOME");
        store.reset();
        config.reset();
    }

    void layoutLabelsAndLiveBoxes()
    {
        state.settings = LiveSettings{ .past = false, .startup = true, .hide = false };
        OptionsDialog dialog(state, logon, prompter, programEnd);
        QCOMPARE(dialog.objectName(), QStringLiteral("frmOptions"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Options"));
        QCOMPARE(dialog.findChild<QLabel *>("Label1")->text(), QStringLiteral("Run on startup"));
        QCOMPARE(dialog.findChild<QLabel *>("Label2")->text(), QStringLiteral("Run hidden"));
        QCOMPARE(dialog.findChild<QLabel *>("Label3")->text(),
                 QStringLiteral("Show the alarms only while it's the programmed hour"));
        QCOMPARE(dialog.findChild<QPushButton *>("cmdOK")->text(), QStringLiteral("Save"));
        QCOMPARE(dialog.findChild<QPushButton *>("cmdCancel")->text(), QStringLiteral("Cancel"));
        QCOMPARE(boxes(dialog), (QList<bool>{ true, false, false }));

        // A click on a label toggles its box, and the live settings follow every box.
        click(dialog, "Label3");
        QVERIFY(box(dialog, "Check3")->isChecked());
        QVERIFY(state.settings.past);
        click(dialog, "Label1");
        click(dialog, "Label2");
        QCOMPARE(state.settings, (LiveSettings{ .past = true, .startup = false, .hide = true }));
        click(dialog, "Check3");
        QVERIFY(!state.settings.past);
    }

    void activationReloadsTheFiles()
    {
        writeSettings(true, false, true);
        OptionsDialog dialog(state, logon, prompter, programEnd);
        activate(dialog);
        QCOMPARE(boxes(dialog), (QList<bool>{ true, true, false }));
        QCOMPARE(state.settings, (LiveSettings{ .past = false, .startup = true, .hide = true }));

        // An unsaved change is lost on coming back from another of the program's windows.
        click(dialog, "Label2");
        QWidget other;
        activate(other);
        activate(dialog);
        QCOMPARE(boxes(dialog), (QList<bool>{ true, true, false }));

        // With one file gone the boxes keep what they show, without a word, and the dialog is still centred.
        QVERIFY(QFile::remove(settingPath("past.bvr")));
        writeBytes(settingPath("startup.bvr"), formatSettingValue(false));
        click(dialog, "Label3");
        dialog.move(0, 0);
        activate(other);
        activate(dialog);
        QCOMPARE(boxes(dialog), (QList<bool>{ true, true, true }));
        QVERIFY(prompter.shown.isEmpty());
        const QRect screen = dialog.screen()->geometry();
        QVERIFY(qAbs(dialog.frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(dialog.frameGeometry().center().y() - screen.center().y()) <= 1);
    }

    void cancelAndEscapeKeepTheToggledBoxesLive()
    {
        writeSettings(false, true, false);
        OptionsDialog dialog(state, logon, prompter, programEnd);
        activate(dialog);
        click(dialog, "Label3");
        click(dialog, "cmdCancel");
        QVERIFY(!dialog.isVisible());
        QVERIFY(!state.settings.past);
        QCOMPARE(readBytes(settingPath("past.bvr")), QByteArray("#TRUE#\r\n"));

        activate(dialog);
        QVERIFY(state.settings.past);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(logon.calls.isEmpty());
        QCOMPARE(programEnd.ends, 0);
    }

    void focusAndTabOrder()
    {
        writeSettings(false, true, false);
        OptionsDialog dialog(state, logon, prompter, programEnd);
        activate(dialog);
        QStringList order{ QApplication::focusWidget()->objectName() };
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(order, (QStringList{ "cmdOK", "cmdCancel", "Check1", "Check3", "Check2", "Check4" }));
    }

    // The repeat box sits below the older controls, which keep their places; it is live, saved and reloaded.
    void theRepeatBoxIsBelowLiveSavedAndReloaded()
    {
        writeSettings(false, true, false);
        OptionsDialog dialog(state, logon, prompter, programEnd);
        activate(dialog);
        QCOMPARE(dialog.findChild<QLabel *>("Label4")->text(),
                 QStringLiteral("Repeat the sound until the notice is answered"));
        QVERIFY(!box(dialog, "Check4")->isChecked());
        QVERIFY(box(dialog, "Check4")->geometry().top()
                > dialog.findChild<QPushButton *>("cmdOK")->geometry().bottom());
        QVERIFY(dialog.rect().contains(dialog.findChild<QLabel *>("Label4")->geometry()));
        click(dialog, "Label4");
        QVERIFY(state.settings.repeat);
        click(dialog, "cmdOK");
        QCOMPARE(readBytes(settingPath("repeat.bvr")), QByteArray("#TRUE#\r\n"));
        QCOMPARE(readBytes(settingPath("past.bvr")), QByteArray("#TRUE#\r\n"));

        writeBytes(settingPath("repeat.bvr"), formatSettingValue(false));
        activate(dialog);
        QVERIFY(!box(dialog, "Check4")->isChecked());
        QVERIFY(!state.settings.repeat);
    }

    void saveWritesTheFilesThenRegisters()
    {
        writeSettings(false, true, false);
        OptionsDialog dialog(state, logon, prompter, programEnd);
        activate(dialog);
        click(dialog, "Label1");
        click(dialog, "Label3");
        click(dialog, "cmdOK");
        QVERIFY(!dialog.isVisible());
        QVERIFY(prompter.shown.isEmpty());
        QCOMPARE(readBytes(settingPath("startup.bvr")), QByteArray("#TRUE#\r\n"));
        QCOMPARE(readBytes(settingPath("past.bvr")), QByteArray("#FALSE#\r\n"));
        QCOMPARE(readBytes(settingPath("hide.bvr")), QByteArray("#FALSE#\r\n"));
        QCOMPARE(logon.calls, QList<bool>{ true });

        // Enter on a box, reached past Cancel, saves too.
        activate(dialog);
        click(dialog, "Label1");
        click(dialog, "Label2");
        auto *cancel = dialog.findChild<QPushButton *>("cmdCancel");
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Tab);
        QCOMPARE(dialog.focusWidget(), box(dialog, "Check1"));
        QTest::keyClick(box(dialog, "Check1"), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(readBytes(settingPath("startup.bvr")), QByteArray("#FALSE#\r\n"));
        QCOMPARE(readBytes(settingPath("hide.bvr")), QByteArray("#TRUE#\r\n"));
        QCOMPARE(logon.calls, (QList<bool>{ true, false }));
    }

    // Saved off, this copy leaves alone an entry that starts another copy; saved on, it takes the entry.
    void offLeavesAnotherCopysEntry()
    {
        writeSettings(false, true, false);
        logon.registration = true;
        logon.anotherCopy = true;
        OptionsDialog dialog(state, logon, prompter, programEnd);
        activate(dialog);
        click(dialog, "cmdOK");
        QVERIFY(logon.calls.isEmpty());
        activate(dialog);
        click(dialog, "Label1");
        click(dialog, "cmdOK");
        QCOMPARE(logon.calls, QList<bool>{ true });
    }

    void saveRegistersTheAutostartEntry()
    {
        writeSettings(false, true, false);
        const QString program = QStringLiteral("/opt/my alarms/Brevora");
        DesktopAutostart autostart(program);
        OptionsDialog dialog(state, autostart, prompter, programEnd);
        activate(dialog);
        click(dialog, "Label1");
        click(dialog, "cmdOK");
        const QString entry
            = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/io.github.brevora.brevora.desktop");
        QCOMPARE(autostart.entryPath(), entry);
        QHash<QString, QString> keys = readDesktopEntry(entry);
        QCOMPARE(keys.value("Type"), QStringLiteral("Application"));
        QCOMPARE(splitExec(keys.value("Exec")), QStringList{ program });
        QCOMPARE(keys.value("Hidden"), QStringLiteral("false"));

        // Off: the entry under the desktop ID stays, hidden, so it starts nothing.
        activate(dialog);
        click(dialog, "Label1");
        click(dialog, "cmdOK");
        keys = readDesktopEntry(entry);
        QCOMPARE(keys.value("Hidden"), QStringLiteral("true"));
        QCOMPARE(QDir(QFileInfo(entry).path()).entryList(QDir::Files),
                 QStringList{ "io.github.brevora.brevora.desktop" });
        QVERIFY(prompter.shown.isEmpty());
    }

    void registrationFailuresAreShown()
    {
        writeSettings(false, true, false);
        // The autostart folder cannot be created under a plain file, whoever runs the test.
        writeBytes(config->filePath(QStringLiteral("config home")), "not a folder");
        DesktopAutostart autostart(QStringLiteral("/opt/brevora"));
        OptionsDialog dialog(state, autostart, prompter, programEnd);
        activate(dialog);
        click(dialog, "Label2");
        click(dialog, "cmdOK");
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].title, QStringLiteral("Brevora"));
        QCOMPARE(prompter.shown[0].icon, QMessageBox::NoIcon);
        QCOMPARE(prompter.shown[0].buttons, QMessageBox::Ok);
        QVERIFY2(QRegularExpression("^Error [1-9][0-9]* opening key\r\n$").match(prompter.shown[0].text).hasMatch(),
                 qPrintable(prompter.shown[0].text));
        QCOMPARE(readBytes(settingPath("hide.bvr")), QByteArray("#TRUE#\r\n"));
        QVERIFY(dialog.isVisible());

        logon.outcome = { LogonOutcome::Step::SetFailed, 5, {} };
        OptionsDialog faked(state, logon, prompter, programEnd);
        activate(faked);
        click(faked, "cmdOK");
        QCOMPARE(prompter.shown.last().text, QStringLiteral("Error 5 setting key\r\n"));
        QVERIFY(!faked.isVisible());
    }

    void entryThatCannotBeWritten()
    {
        DesktopAutostart autostart(QStringLiteral("/opt/brevora"));
        QVERIFY(QDir().mkpath(autostart.entryPath()));
        const LogonOutcome outcome = autostart.set(true);
        QCOMPARE(outcome.step, LogonOutcome::Step::SetFailed);
        QVERIFY(outcome.code != 0);
    }

    void unwritableSettingsKeepTheDialogOpen()
    {
        writeSettings(false, true, false);
        OptionsDialog dialog(state, logon, prompter, programEnd);
        activate(dialog);
        QVERIFY(QDir(store->layout.settingsFolder()).removeRecursively());
        writeBytes(store->layout.settingsFolder(), "a file where the folder was");
        click(dialog, "cmdOK");
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].icon, QMessageBox::Warning);
        QVERIFY(prompter.shown[0].text.contains(QStringLiteral("startup.bvr, past.bvr, hide.bvr")));
        QCOMPARE(logon.calls.size(), 1);
        QVERIFY(dialog.isVisible());
    }

    void closeBoxEndsTheProgram()
    {
        OptionsDialog dialog(state, logon, prompter, programEnd);
        activate(dialog);
        QVERIFY(dialog.close());
        QCOMPARE(programEnd.ends, 1);
    }

    void autostartFolderFollowsTheEnvironment()
    {
        const QString home = config->filePath(QStringLiteral("home"));
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home));
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(DesktopAutostart::autostartFolder(), home + QStringLiteral("/.config/autostart"));
        qputenv("XDG_CONFIG_HOME", "relative/ignored");
        QCOMPARE(DesktopAutostart::autostartFolder(), home + QStringLiteral("/.config/autostart"));
        qputenv("HOME", oldHome);

        // Without a path given, the entry is this very executable.
        const QString self = QCoreApplication::applicationFilePath();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->filePath(QStringLiteral("x"))));
        DesktopAutostart autostart;
        QCOMPARE(autostart.set(true).step, LogonOutcome::Step::Done);
        QCOMPARE(QFileInfo(autostart.entryPath()).fileName(), QStringLiteral("io.github.brevora.brevora.desktop"));
        QCOMPARE(splitExec(readDesktopEntry(autostart.entryPath()).value("Exec")), QStringList{ self });
    }

    void uncheckedRemovesTheTitleEntry()
    {
        DesktopAutostart autostart(QStringLiteral("/usr/bin/brevora"));
        QVERIFY(QDir().mkpath(DesktopAutostart::autostartFolder()));
        const QString titleEntry = DesktopAutostart::autostartFolder() + QStringLiteral("/Brevora.desktop");
        writeBytes(titleEntry, "[Desktop Entry]\nType=Application\nName=Brevora\nExec=/old/brevora\n");
        QCOMPARE(autostart.set(false).step, LogonOutcome::Step::Done);
        QVERIFY(!QFile::exists(titleEntry));
        QCOMPARE(readDesktopEntry(autostart.entryPath()).value("Hidden"), QStringLiteral("true"));
    }

    void execRunsAPathWithAwkwardCharacters()
    {
        // A real program in a folder whose name holds every character the Exec rules treat specially.
        const QString folder = config->filePath(QStringLiteral("my alarms $HOME `x` \"q\" 100% back\\slash"));
        QVERIFY(QDir().mkpath(folder));
        const QString marker = config->filePath(QStringLiteral("ran"));
        const QString program = folder + QStringLiteral("/start me");
        writeBytes(program, "#!/bin/sh\ntouch '" + QFile::encodeName(marker) + "'\n");
        QVERIFY(
            QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        DesktopAutostart autostart(program);
        QCOMPARE(autostart.set(true).step, LogonOutcome::Step::Done);
        const QStringList arguments = splitExec(readDesktopEntry(autostart.entryPath()).value("Exec"));
        QCOMPARE(arguments, QStringList{ program });
        QCOMPARE(QProcess::execute(arguments.first(), arguments.mid(1)), 0);
        QVERIFY(QFile::exists(marker));
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
