// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizardfixture.h"

#include <QCheckBox>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace brevora;
using namespace brevora::test;

Q_DECLARE_METATYPE(brevora::AlarmKind)

namespace {

// A sound folder as a user might have it: mixed letter case, a hidden file, a folder named like a sound.
QString soundFolder(const StoreFixture &store, const char *name)
{
    const QString folder = store.dir.filePath(QString::fromLatin1(name));
    QDir().mkpath(folder + "/e.wav");
    for (const char *file : { "b.wav", "A.WAV", "c.txt", ".d.wav" })
        writeBytes(folder + '/' + QString::fromLatin1(file), "RIFF");
    return folder;
}

QStringList listed(SoundChooserWindow *chooser)
{
    QStringList names;
    auto *files = WizardFixture::control<QListWidget>(chooser, "File1");
    for (int row = 0; row < files->count(); ++row)
        names.append(files->item(row)->text());
    return names;
}

void pick(SoundChooserWindow *chooser, const QString &name)
{
    auto *files = WizardFixture::control<QListWidget>(chooser, "File1");
    QListWidgetItem *item = files->findItems(name, Qt::MatchExactly).value(0);
    QVERIFY(item);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(item).center());
}

// Creates an entry whose name holds bytes that are not UTF-8, which no QString can name.
void makeRawEntry(const QString &folder, const QByteArray &name, bool isFolder = false)
{
    const std::filesystem::path path((QFile::encodeName(folder) + '/' + name).toStdString());
    if (isFolder)
        QVERIFY(std::filesystem::create_directory(path));
    else
        QVERIFY(std::ofstream(path) << "RIFF");
}

// The chooser's tree shows its current folder selected, in view from its name's start to its end.
bool currentFolderInView(QTreeView *tree, const QString &folder)
{
    const QModelIndex current = tree->currentIndex();
    const QRect row = tree->visualRect(current);
    const QRect shown = tree->viewport()->rect();
    return static_cast<QFileSystemModel *>(tree->model())->filePath(current) == folder
        && tree->selectionModel()->isSelected(current) && shown.contains(QPoint(row.left(), row.center().y()))
        && row.left() + tree->sizeHintForIndex(current).width() <= shown.width();
}

} // namespace

// The kind chooser, the marker it keeps and the sound-file chooser that answers to it.
class TestNewAlarmWizard : public QObject
{
    Q_OBJECT

private slots:
    void labelsSelectTheirButtons_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("caption");
        QTest::newRow("once") << "Label1"
                              << "Option1"
                              << "Once";
        QTest::newRow("yearly") << "Label2"
                                << "Option2"
                                << "Once a year";
        QTest::newRow("monthly") << "Label3"
                                 << "Option3"
                                 << "Once a month";
        QTest::newRow("weekly") << "Label4"
                                << "Option4"
                                << "Once a week";
        QTest::newRow("daily") << "Label6"
                               << "Option5"
                               << "Once a day";
    }
    void labelsSelectTheirButtons()
    {
        QFETCH(QString, label);
        QFETCH(QString, option);
        QFETCH(QString, caption);
        WizardFixture f;
        f.wizard.start();
        KindChooserWindow *form2 = f.wizard.kindChooser();
        auto *text = f.control<QLabel>(form2, qPrintable(label));
        QCOMPARE(text->text(), caption);
        QTest::mouseClick(text, Qt::LeftButton);
        const auto options = form2->findChildren<QRadioButton *>();
        QCOMPARE(options.size(), 5);
        for (QRadioButton *button : options)
            QCOMPARE(button->isChecked(), button->objectName() == option);
    }

    void nextOpensTheEditorAndSetsTheMarker_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("textFrame");
        QTest::newRow("once") << AlarmKind::Once << "3"
                              << "Brevora   New alarm (Once)"
                              << "Alarm text";
        QTest::newRow("yearly") << AlarmKind::Yearly << "4"
                                << "Brevora   New alarm (Once a year)"
                                << "Alarm text";
        QTest::newRow("monthly") << AlarmKind::Monthly << "5"
                                 << "Brevora   New alarm (Once a month)"
                                 << "Alarm text";
        QTest::newRow("weekly") << AlarmKind::Weekly << "6"
                                << "Brevora   New alarm (Once a week)"
                                << "Alarm text";
        QTest::newRow("daily") << AlarmKind::Daily << "7"
                               << "Brevora   New alarm (Once a day)"
                               << "Texto del aviso";
    }
    void nextOpensTheEditorAndSetsTheMarker()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QString, marker);
        QFETCH(QString, caption);
        QFETCH(QString, textFrame);
        WizardFixture f;
        QCOMPARE(f.wizard.activeEditor(), std::nullopt);
        f.wizard.start();
        f.click(f.wizard.kindChooser(), "Command1"); // nothing selected: nothing happens
        QVERIFY(f.wizard.kindChooser()->isVisible());
        QCOMPARE(f.wizard.activeEditor(), std::nullopt);

        AlarmEditorWindow *editor = f.open(kind);
        QCOMPARE(f.wizard.activeEditor(), std::optional(kind));
        QCOMPARE(editor->objectName(), "Form" + marker);
        QCOMPARE(editor->windowTitle(), caption);
        QCOMPARE(f.control<QGroupBox>(editor, "Frame6")->title(), textFrame);
        QVERIFY(editor->isVisible() && !f.wizard.kindChooser()->isVisible());
        // A second opening folds the panel and empties what the first left, without a message.
        const QStringList typed = kind == AlarmKind::Weekly ? QStringList{ "Monday", "7", "5" }
                                                            : QStringList(kindInfo(kind).fields.size(), "7");
        f.fill(editor, typed, "old");
        f.click(editor, "Command2");
        f.click(editor, "Command3");
        QCOMPARE(f.open(kind), editor);
        QCOMPARE(editor->frameGeometry().width(), 313);
        QCOMPARE(f.control<QPushButton>(editor, "Command2")->text(), QStringLiteral(">>"));
        for (QLineEdit *field : editor->findChildren<QLineEdit *>())
            QVERIFY2(field->text().isEmpty(), qPrintable(field->objectName()));
        QVERIFY(f.prompter.shown.isEmpty());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(editor->frameGeometry().center().x(), screen.center().x());
    }

    void chooserButtonsAndCloseBoxes()
    {
        WizardFixture f;
        f.wizard.start();
        KindChooserWindow *form2 = f.wizard.kindChooser();
        QCOMPARE(form2->windowTitle(), QStringLiteral("Brevora   New Alarm"));
        QCOMPARE(f.control<QPushButton>(form2, "Command1")->text(), QStringLiteral("Next   >"));
        const QPoint centred = form2->pos();
        f.click(form2, "Option2");
        f.click(form2, "Command2");
        QVERIFY(!form2->isVisible());
        QCOMPARE(f.shell.calls, QStringList{ "showMainWindow" });

        form2->move(centred + QPoint(40, 30)); // later showings keep where the user put it
        f.wizard.start();
        QCOMPARE(form2->pos(), centred + QPoint(40, 30));
        QVERIFY(f.control<QRadioButton>(form2, "Option2")->isChecked());

        form2->close();
        f.open(AlarmKind::Daily)->close();
        f.wizard.soundChooser()->close();
        QCOMPARE(f.shell.calls,
                 (QStringList{ "showMainWindow", "closeAllAndExit", "closeAllAndExit", "closeAllAndExit" }));
    }

    // An editor opened again, for a new alarm or a change, starts at its first field as a fresh one does, not at
    // the button pressed last: typing goes into the field, and a screen reader starts there.
    void aReopenedEditorStartsAtItsFirstField()
    {
        WizardFixture f;
        AlarmEditorWindow *editor = f.open(AlarmKind::Daily);
        QWidget *first = f.control(editor, timeFieldInfo(TimeField::Hour).control);
        QCOMPARE(editor->focusWidget(), first);
        f.control(editor, "Command1")->setFocus();
        f.click(editor, "Command3");
        QCOMPARE(f.open(AlarmKind::Daily)->focusWidget(), first);

        f.control(editor, "Command1")->setFocus();
        f.click(editor, "Command3");
        const QString path = f.store.layout.activePath(AlarmKind::Daily, "7-5.alm");
        writeBytes(path, "\"Tea\",\"ninguno\",\"7\",\"5\"\r\n");
        QVERIFY(f.wizard.change(AlarmKind::Daily, path));
        QCOMPARE(editor->focusWidget(), first);
    }

    // Back in a change offers the kind chooser at the alarm's kind; another kind there moves the alarm to it with
    // what the two kinds share, through the change that writes the new alarm before it removes the old one.
    void aChangeMovesTheAlarmToAnotherKind()
    {
        WizardFixture f;
        const QString path = f.store.layout.activePath(AlarmKind::Daily, "7-5.alm");
        writeBytes(path, "\"Tea\",\"ninguno\",\"7\",\"5\"\r\n");
        QVERIFY(f.wizard.change(AlarmKind::Daily, path));
        f.click(f.wizard.editor(AlarmKind::Daily), "Command3");
        KindChooserWindow *chooser = f.wizard.kindChooser();
        QVERIFY(chooser->isVisible());
        QVERIFY(f.control<QRadioButton>(chooser, "Option5")->isChecked());
        f.click(chooser, "Option4");
        f.click(chooser, "Command1");
        AlarmEditorWindow *weekly = f.wizard.editor(AlarmKind::Weekly);
        QVERIFY(weekly->isVisible() && weekly->isChanging());
        QCOMPARE(f.control<QLineEdit>(weekly, "Text6")->text(), QStringLiteral("Tea"));
        QCOMPARE(f.control<QLineEdit>(weekly, timeFieldInfo(TimeField::Hour).control)->text(), QStringLiteral("7"));
        f.control<QComboBox>(weekly, "Combo1")->setEditText("Monday");
        f.click(weekly, "Command1");
        QVERIFY(f.prompter.shown.isEmpty());
        QCOMPARE(readBytes(f.store.layout.activePath(AlarmKind::Weekly, "Monday_7-5.alm")),
                 QByteArray("\"Tea\",\"ninguno\",\"Monday\",\"7\",\"5\"\r\n"));
        QVERIFY(!QFile::exists(path));
    }

    // The change editor's close box cancels the change, as the choosers reached from it do; the program runs on.
    void closingAChangeLeavesTheAlarmAndTheProgram()
    {
        WizardFixture f;
        const QString path = f.store.layout.activePath(AlarmKind::Daily, "7-5.alm");
        const QByteArray alarm = "\"Tea\",\"ninguno\",\"7\",\"5\"\r\n";
        writeBytes(path, alarm);
        QVERIFY(f.wizard.change(AlarmKind::Daily, path));
        AlarmEditorWindow *editor = f.wizard.editor(AlarmKind::Daily);
        f.control<QLineEdit>(editor, "Text6")->setText("Coffee");
        QVERIFY(editor->close());
        QVERIFY(f.wizard.change(AlarmKind::Daily, path));
        f.click(editor, "Command3");
        QVERIFY(f.wizard.kindChooser()->close());
        QVERIFY(f.wizard.change(AlarmKind::Daily, path));
        f.click(editor, "Check1");
        f.click(editor, "Command4");
        QVERIFY(f.wizard.soundChooser()->close());
        QCOMPARE(f.shell.calls, (QStringList{ "showMainWindow", "showMainWindow", "showMainWindow" }));
        QCOMPARE(f.filesWritten(), QStringList{ QDir(f.store.dir.path()).relativeFilePath(path) });
        QCOMPARE(readBytes(path), alarm);
    }

    void theMarkerFollowsBackAndASecondNext()
    {
        WizardFixture f;
        const QString folder = soundFolder(f.store, "Sounds");
        AlarmEditorWindow *weekly = f.open(AlarmKind::Weekly);
        f.click(weekly, "Command3");
        QCOMPARE(f.wizard.activeEditor(), std::optional(AlarmKind::Weekly));
        AlarmEditorWindow *once = f.open(AlarmKind::Once);
        QCOMPARE(f.wizard.activeEditor(), std::optional(AlarmKind::Once));

        f.click(once, "Check1");
        f.click(once, "Command4");
        SoundChooserWindow *chooser = f.wizard.soundChooser();
        QVERIFY(chooser->isVisible() && !once->isVisible());
        chooser->setFolder(folder);
        QCOMPARE(listed(chooser), (QStringList{ "A.WAV", "b.wav" }));
        pick(chooser, "b.wav");
        QCOMPARE(f.control<QLineEdit>(chooser, "Text1")->text(), QStringLiteral("b.wav"));
        f.click(chooser, "Command3");
        QCOMPARE(f.player.asyncPlays, QStringList{ folder + "/b.wav" });
        f.click(chooser, "Command1");
        QVERIFY(!chooser->isVisible() && once->isVisible() && !weekly->isVisible());
        QCOMPARE(f.control<QLineEdit>(once, "Text7")->text(), folder + "/b.wav");

        // Cancel goes back unchanged; the chooser keeps its folder and selection for the next use.
        f.click(once, "Command4");
        QCOMPARE(chooser->folder(), folder);
        QCOMPARE(chooser->selectedPath(), folder + "/b.wav");
        f.click(chooser, "Command2");
        QVERIFY(once->isVisible());
        QCOMPARE(f.control<QLineEdit>(once, "Text7")->text(), folder + "/b.wav");
        QVERIFY(f.prompter.shown.isEmpty());
    }

    void theFolderTreeSetsTheListAndOkWithoutAFileGivesTheFolder()
    {
        WizardFixture f;
        const QString first = soundFolder(f.store, "One");
        const QString second = soundFolder(f.store, "Two");
        writeBytes(second + "/z.Wav", "RIFF");
        AlarmEditorWindow *daily = f.open(AlarmKind::Daily);
        f.click(daily, "Check1");
        f.click(daily, "Command4");
        SoundChooserWindow *chooser = f.wizard.soundChooser();
        QCOMPARE(chooser->folder(), SoundChooserWindow::startFolder());
        chooser->setFolder(first);
        pick(chooser, "A.WAV");
        QTest::keyClick(f.control<QListWidget>(chooser, "File1"), Qt::Key_Down);
        QCOMPARE(f.control<QLineEdit>(chooser, "Text1")->text(), QStringLiteral("b.wav"));
        // A selection in the tree is not yet a change of folder; opening it is.
        auto *tree = f.control<QTreeView>(chooser, "Dir1");
        tree->setCurrentIndex(static_cast<QFileSystemModel *>(tree->model())->index(second));
        QCOMPARE(chooser->folder(), first);
        QTest::keyClick(tree, Qt::Key_Return);
        QCOMPARE(chooser->folder(), second);
        QCOMPARE(listed(chooser), (QStringList{ "A.WAV", "b.wav", "z.Wav" }));
        f.click(chooser, "Command1");
        QCOMPARE(f.control<QLineEdit>(daily, "Text7")->text(), second + '/');
    }

    void theInstalledSoundsComeBeforeTheSystemThemes()
    {
        // The shared data folders as an installed program sees them: the user's own first, then the system's.
        QTemporaryDir root;
        const QString user = root.filePath("home/.local/share"), system = root.filePath("usr/share");
        for (const QString &folder : { system + "/sounds/alsa", system + "/brevora/sounds" }) {
            QVERIFY(QDir().mkpath(folder));
            writeBytes(folder + "/Front_Center.wav", "RIFF");
        }
        const QByteArray oldHome = qgetenv("XDG_DATA_HOME"), oldDirs = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_HOME", QFile::encodeName(user));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(system));
        const QStringList folders = SoundChooserWindow::usualSoundFolders();
        const QString start = SoundChooserWindow::startFolder();
        qputenv("XDG_DATA_HOME", oldHome);
        qputenv("XDG_DATA_DIRS", oldDirs);

        // A portable copy's own sounds beside it come before any installed ones.
        QCOMPARE(folders.first(), QCoreApplication::applicationDirPath() + "/sounds");
        QVERIFY2(folders.indexOf(user + "/brevora/sounds") < folders.indexOf(system + "/sounds/alsa"),
                 qPrintable(folders.join(u'\n')));
        QCOMPARE(start, system + "/brevora/sounds");
    }

    void theChooserStartsInAFolderWithWaveformsAndShowsIt()
    {
        QTemporaryDir root;
        for (int i = 0; i < 40; ++i)
            QVERIFY(QDir(root.path()).mkdir(QStringLiteral("a%1").arg(i, 2, 10, QChar(u'0'))));
        const QString oggOnly = root.filePath("a05"), waves = root.filePath("zz");
        writeBytes(oggOnly + "/bell.oga", "OggS");
        QVERIFY(QDir().mkpath(waves));
        writeBytes(waves + "/Ring.WAV", "RIFF");
        QCOMPARE(SoundChooserWindow::startFolder({ root.filePath("missing"), oggOnly, waves }), waves);
        QCOMPARE(SoundChooserWindow::startFolder({ oggOnly }), QDir::homePath());

        WizardFixture f;
        SoundChooserWindow *chooser = f.wizard.soundChooser();
        chooser->setFolder(waves);
        chooser->show();
        auto *tree = f.control<QTreeView>(chooser, "Dir1");
        QTRY_VERIFY(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex()).center()));
        QCOMPARE(static_cast<QFileSystemModel *>(tree->model())->filePath(tree->currentIndex()), waves);
    }

    // Deep in a full tree, the start folder must not slide out of view as the folders above it are read and
    // sorted, nor be scrolled sideways off its name.
    void theStartFolderStaysInViewWhileTheTreeFills()
    {
        QTemporaryDir root;
        for (int i = 0; i < 40; ++i)
            QVERIFY(QDir(root.path()).mkdir(QStringLiteral("a%1").arg(i, 2, 10, QChar(u'0'))));
        QString deep = root.filePath("zz");
        QStringList above{ root.path() };
        for (const char *level : { "music", "library", "collection", "sounds", "alarms", "bells", "short", "x" }) {
            above.append(deep);
            deep += u'/' + QString::fromLatin1(level);
        }
        QVERIFY(QDir().mkpath(deep));
        writeBytes(deep + "/Ring.wav", "RIFF");

        WizardFixture f;
        SoundChooserWindow *chooser = f.wizard.soundChooser();
        auto *tree = f.control<QTreeView>(chooser, "Dir1");
        QSignalSpy loaded(tree->model(), SIGNAL(directoryLoaded(QString)));
        chooser->setFolder(deep);
        chooser->show();
        QTRY_VERIFY_WITH_TIMEOUT(std::all_of(above.begin(), above.end(),
                                             [&](const QString &folder) {
                                                 return std::any_of(loaded.begin(), loaded.end(),
                                                                    [&](const QList<QVariant> &signal) {
                                                                        return signal.value(0).toString() == folder;
                                                                    });
                                             }),
                                 20000);
        // The model sorts what it has read after the folder is loaded, and the chooser follows each such change:
        // no number of milliseconds is long enough on a busy machine, so the test waits for the outcome.
        QTRY_VERIFY_WITH_TIMEOUT(currentFolderInView(tree, deep), 20000);
        // Whatever the model still had to do by then leaves it where it is.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QVERIFY(currentFolderInView(tree, deep));
        QCOMPARE(listed(chooser), QStringList{ "Ring.wav" });
    }

    // Each opening of a folder, and each showing of the chooser, reads the folder again; names that are not
    // UTF-8 are listed (their bad bytes shown as replacement characters), not passed over.
    void aFolderIsReadAgainAndEveryWaveformListed()
    {
        WizardFixture f;
        const QString folder = soundFolder(f.store, "Sounds");
        makeRawEntry(folder, "Gong\xff.wav");
        makeRawEntry(folder, "notes\xfe.txt");
        makeRawEntry(folder, ".hidden\xfe.wav");
        makeRawEntry(folder, "Folder\xfe.wav", true);
        AlarmEditorWindow *daily = f.open(AlarmKind::Daily);
        f.click(daily, "Check1");
        f.click(daily, "Command4");
        SoundChooserWindow *chooser = f.wizard.soundChooser();
        chooser->setFolder(folder);
        QCOMPARE(listed(chooser), (QStringList{ "A.WAV", "b.wav", QStringLiteral("Gong\uFFFD.wav") }));
        // Listed, but refused at OK: stored, its name would name no file.
        pick(chooser, QStringLiteral("Gong\uFFFD.wav"));
        f.click(chooser, "Command1");
        QCOMPARE(f.prompter.shown.size(), 1);
        QVERIFY(f.prompter.shown[0].text.contains("Rename the file"));
        QVERIFY(chooser->isVisible());
        QVERIFY(f.control<QLineEdit>(daily, "Text7")->text().isEmpty());
        pick(chooser, "b.wav");

        writeBytes(folder + "/Alarm.wav", "RIFF");
        QTest::keyClick(f.control<QTreeView>(chooser, "Dir1"), Qt::Key_Return);
        QCOMPARE(listed(chooser), (QStringList{ "A.WAV", "Alarm.wav", "b.wav", QStringLiteral("Gong\uFFFD.wav") }));
        QCOMPARE(chooser->selectedPath(), folder + "/b.wav");

        f.click(chooser, "Command2");
        writeBytes(folder + "/c.wav", "RIFF");
        QVERIFY(QFile::remove(folder + "/Alarm.wav"));
        f.click(daily, "Command4");
        QCOMPARE(listed(chooser), (QStringList{ "A.WAV", "b.wav", "c.wav", QStringLiteral("Gong\uFFFD.wav") }));
        QCOMPARE(chooser->selectedPath(), folder + "/b.wav");
        std::filesystem::remove_all(QFile::encodeName(folder).toStdString()); // beyond what Qt can name
    }

    void aMarkerNamingNoEditorLeavesNoWindow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("ok") << "Command1";
        QTest::newRow("cancel") << "Command2";
    }
    void aMarkerNamingNoEditorLeavesNoWindow()
    {
        QFETCH(QString, button);
        WizardFixture f;
        SoundChooserWindow *chooser = f.wizard.soundChooser();
        chooser->show();
        f.click(chooser, qPrintable(button));
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        QVERIFY(f.shell.calls.isEmpty());
        QCOMPARE(f.wizard.activeEditor(), std::nullopt);
    }
};

QTEST_MAIN(TestNewAlarmWizard)
#include "tst_newalarmwizard.moc"
