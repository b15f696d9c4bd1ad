// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundcheck.h"
#include "wizardfixture.h"

#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace brevora;
using namespace brevora::test;

Q_DECLARE_METATYPE(brevora::AlarmKind)

namespace {

const QString rejected = QStringLiteral("The information for the following sections is not valid:");

QByteArray line(const QStringList &fields)
{
    return '"' + fields.join(QStringLiteral("\",\"")).toUtf8() + "\"\r\n";
}

} // namespace

// "Create" in the five editors: what each writes, what each refuses, and what becomes of the fields.
class TestAlarmEditor : public QObject
{
    Q_OBJECT

    QTemporaryDir m_sounds;

    // A sound file that plays, under the given name.
    QString sound(const QString &name)
    {
        const QString path = m_sounds.filePath(name);
        if (!QFileInfo::exists(path) && !writeTone(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0.1, 440))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void createsItsKindAtTheBounds_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QStringList>("due");
        QTest::addColumn<QString>("name");
        QTest::newRow("once low") << AlarmKind::Once << QStringList{ "1", "1", "-999", "0", "0" } << "1-1--999_0-0.alm";
        QTest::newRow("once high") << AlarmKind::Once << QStringList{ "31", "12", "9999", "23", "59" }
                                   << "31-12-9999_23-59.alm";
        QTest::newRow("once example") << AlarmKind::Once << QStringList{ "5", "3", "2008", "14", "5" }
                                      << "5-3-2008_14-5.alm";
        QTest::newRow("yearly low") << AlarmKind::Yearly << QStringList{ "1", "1", "0", "0" } << "1-1_0-0.alm";
        QTest::newRow("yearly high") << AlarmKind::Yearly << QStringList{ "31", "12", "23", "59" } << "31-12_23-59.alm";
        QTest::newRow("monthly low") << AlarmKind::Monthly << QStringList{ "1", "0", "0" } << "1_0-0.alm";
        QTest::newRow("monthly high") << AlarmKind::Monthly << QStringList{ "31", "23", "59" } << "31_23-59.alm";
        QTest::newRow("weekly listed") << AlarmKind::Weekly << QStringList{ "Monday", "0", "0" } << "Monday_0-0.alm";
        QTest::newRow("daily low") << AlarmKind::Daily << QStringList{ "0", "0" } << "0-0.alm";
        QTest::newRow("daily high") << AlarmKind::Daily << QStringList{ "23", "59" } << "23-59.alm";
    }
    void createsItsKindAtTheBounds()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QStringList, due);
        QFETCH(QString, name);
        WizardFixture f;
        AlarmEditorWindow *editor = f.open(kind);
        f.fill(editor, due, QStringLiteral("Dentist, 2nd floor"));
        f.click(editor, "Command1");

        QCOMPARE(readBytes(f.store.layout.activePath(kind, name)),
                 line(QStringList{ "Dentist, 2nd floor", "ninguno" } + due));
        QCOMPARE(f.filesWritten().size(), 1);
        QVERIFY(f.prompter.shown.isEmpty());
        QVERIFY(!editor->isVisible());
        QCOMPARE(f.shell.calls, QStringList{ "showMainWindow" });
    }

    void refusesInvalidFieldsInTheEditorsOrder_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QStringList>("due");
        QTest::addColumn<QString>("sections");
        QTest::newRow("once over") << AlarmKind::Once << QStringList{ "32", "13", "2007", "24", "60" }
                                   << " Day Month Hour Minutes";
        QTest::newRow("once empty") << AlarmKind::Once << QStringList{ "", "", "", "", "" }
                                    << " Day Month Year Hour Minutes";
        QTest::newRow("once letters") << AlarmKind::Once << QStringList{ "1", "1", "ab", "1", "1" } << " Year";
        QTest::newRow("once pasted zero") << AlarmKind::Once << QStringList{ "05", "1", "2007", "1", "1" } << " Day";
        QTest::newRow("yearly") << AlarmKind::Yearly << QStringList{ "31", "13", "23", "60" } << " Month Minutes";
        QTest::newRow("monthly") << AlarmKind::Monthly << QStringList{ "32", "23", "60" } << " Day Minutes";
        QTest::newRow("weekly empty") << AlarmKind::Weekly << QStringList{ "", "24", "0" } << " Hour Weekday";
        QTest::newRow("weekly no day") << AlarmKind::Weekly << QStringList{ "funday", "23", "59" } << " Weekday";
        QTest::newRow("daily signs") << AlarmKind::Daily << QStringList{ "-1", "+5" } << " Hour Minutes";
        QTest::newRow("daily blanks") << AlarmKind::Daily << QStringList{ " 5", "5 " } << " Hour Minutes";
    }
    void refusesInvalidFieldsInTheEditorsOrder()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QStringList, due);
        QFETCH(QString, sections);
        WizardFixture f;
        AlarmEditorWindow *editor = f.open(kind);
        f.fill(editor, due, QStringLiteral("kept"));
        f.click(editor, "Command2");
        f.click(editor, "Check1");
        f.control<QLineEdit>(editor, "Text7")->setText("/a.wav");
        f.click(editor, "Command1");

        QCOMPARE(f.prompter.shown.size(), 1);
        QCOMPARE(f.prompter.shown[0].icon, QMessageBox::Critical);
        QCOMPARE(f.prompter.shown[0].title, QStringLiteral("Invalid information"));
        QCOMPARE(f.prompter.shown[0].text, rejected + sections);
        QCOMPARE(f.prompter.shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(f.filesWritten().isEmpty());
        QVERIFY(editor->isVisible());
        QVERIFY(f.shell.calls.isEmpty());
        QCOMPARE(f.control<QLineEdit>(editor, "Text6")->text(), QStringLiteral("kept"));
        QVERIFY(!f.control<QCheckBox>(editor, "Check1")->isChecked());
        QVERIFY(f.control<QLineEdit>(editor, "Text7")->text().isEmpty());
        QVERIFY(!f.control<QLineEdit>(editor, "Text7")->isEnabled());
        QVERIFY(!f.control(editor, "Command4")->isEnabled());
    }

    // The list shows the user's language and a day typed in it counts in any letter case; the file always gets
    // the English name the clock writes. Anything else is refused, never saved to sit there and not ring.
    void weekdaysInTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("picked");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored"); // empty when refused
        QTest::newRow("German picked") << "de_DE" << true << "Montag"
                                       << "Monday";
        QTest::newRow("German upper case") << "de_DE" << false << "SONNTAG"
                                           << "Sunday";
        QTest::newRow("Spanish picked") << "es_ES" << true << QStringLiteral("miércoles") << "Wednesday";
        QTest::newRow("Spanish mixed case") << "es_ES" << false << QStringLiteral("MiÉrcoles") << "Wednesday";
        QTest::newRow("Spanish without accents") << "es_ES" << false << "miercoles"
                                                 << "Wednesday";
        QTest::newRow("Spanish upper case without accents") << "es_ES" << false << "SABADO"
                                                            << "Saturday";
        QTest::newRow("English in German") << "de_DE" << false << "friday"
                                           << "Friday";
        QTest::newRow("German misspelt") << "de_DE" << false << "Montagg"
                                         << "";
        QTest::newRow("Spanish in German") << "de_DE" << false << "lunes"
                                           << "";
    }
    void weekdaysInTheUsersLanguage()
    {
        QFETCH(QString, language);
        QFETCH(bool, picked);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        const QLocale before;
        QLocale::setDefault(QLocale(language));
        const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
        WizardFixture f;
        AlarmEditorWindow *editor = f.open(AlarmKind::Weekly);
        f.fill(editor, { picked ? QString() : typed, "8", "30" });
        if (picked) {
            auto *list = f.control<QComboBox>(editor, "Combo1");
            QVERIFY(list->findText(typed) >= 0);
            list->setCurrentIndex(list->findText(typed));
        }
        f.click(editor, "Command1");

        if (stored.isEmpty()) {
            QCOMPARE(f.prompter.shown.size(), 1);
            QCOMPARE(f.prompter.shown[0].text, rejected + " Weekday");
            QVERIFY(f.filesWritten().isEmpty());
        } else {
            QVERIFY(f.prompter.shown.isEmpty());
            QCOMPARE(f.filesWritten().size(), 1);
            QCOMPARE(readBytes(f.store.layout.activePath(AlarmKind::Weekly, stored + "_8-30.alm")),
                     line({ "Hi", "ninguno", stored, "8", "30" }));
        }
    }

    // The change editor shows the alarm's day as the list names it, in the user's language; unchanged, it stays.
    void aChangeShowsTheWeekdayInTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("shown");
        QTest::newRow("German") << "de_DE"
                                << "Mittwoch";
        QTest::newRow("Spanish") << "es_ES" << QStringLiteral("miércoles");
    }
    void aChangeShowsTheWeekdayInTheUsersLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, shown);
        const QLocale before;
        QLocale::setDefault(QLocale(language));
        const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
        WizardFixture f;
        const QString path = f.store.layout.activePath(AlarmKind::Weekly, "Wednesday_8-30.alm");
        writeBytes(path, line({ "Hi", "ninguno", "Wednesday", "8", "30" }));
        QVERIFY(f.wizard.change(AlarmKind::Weekly, path));
        AlarmEditorWindow *editor = f.wizard.editor(AlarmKind::Weekly);
        QCOMPARE(f.control<QComboBox>(editor, "Combo1")->currentText(), shown);
        f.click(editor, "Command1");
        QVERIFY(f.prompter.shown.isEmpty());
        QCOMPARE(f.filesWritten(), QStringList{ QDir(f.store.dir.path()).relativeFilePath(path) });
    }

    void unsafeWeekdaysWriteNothingAnywhere_data()
    {
        QTest::addColumn<QString>("weekday");
        for (const char *day : { "../../escape", "..", ".", "a/b", "..\\..\\escape", "Mon\"day" })
            QTest::newRow(day) << QString::fromLatin1(day);
        for (char16_t control : { u'\0', u'\x01', u'\t', u'\x7f' })
            QTest::addRow("control %d", int(control)) << QStringLiteral("Mon") + QChar(control) + QStringLiteral("day");
    }
    void unsafeWeekdaysWriteNothingAnywhere()
    {
        QFETCH(QString, weekday);
        WizardFixture f;
        AlarmEditorWindow *editor = f.open(AlarmKind::Weekly);
        f.fill(editor, { weekday, "7", "5" });
        f.click(editor, "Command1");

        QCOMPARE(f.prompter.shown.size(), 1);
        QCOMPARE(f.prompter.shown[0].text, rejected + " Weekday");
        QVERIFY(f.filesWritten().isEmpty());
        QVERIFY(!QFileInfo::exists(f.store.layout.activeFolder(AlarmKind::Weekly) + "/../../escape_7-5.alm"));
    }

    void theSoundValueFollowsTheCheckBox_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("stored");
        QTest::newRow("unchecked") << false << QString() << "ninguno";
        QTest::newRow("chosen") << true << sound("bell, loud.wav") << sound("bell, loud.wav");
        QTest::newRow("empty path: none, never an empty sound") << true << QString() << "ninguno";
    }
    void theSoundValueFollowsTheCheckBox()
    {
        QFETCH(bool, checked);
        QFETCH(QString, path);
        QFETCH(QString, stored);
        WizardFixture f;
        AlarmEditorWindow *editor = f.open(AlarmKind::Daily);
        f.fill(editor, { "7", "30" }, QStringLiteral("Medicine"));
        f.control<QCheckBox>(editor, "Check1")->setChecked(checked);
        f.control<QLineEdit>(editor, "Text7")->setText(path);
        f.click(editor, "Command1");
        QCOMPARE(readBytes(f.store.layout.activePath(AlarmKind::Daily, "7-30.alm")),
                 line({ "Medicine", stored, "7", "30" }));
        QVERIFY(!f.control<QCheckBox>(editor, "Check1")->isChecked());
        QVERIFY(f.control<QLineEdit>(editor, "Text7")->text().isEmpty());
    }

    // A sound file that could never be heard is refused, with why, before anything is written; a change too.
    void anUnplayableSoundIsRefusedWithItsReason_data()
    {
        QTest::addColumn<bool>("changing");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("said");
        QTest::newRow("create, deleted file") << false << "gone.wav"
                                              << "does not exist";
        QTest::newRow("create, not a sound") << false << "riff.wav"
                                             << "cannot be decoded";
        QTest::newRow("change, deleted file") << true << "gone.wav"
                                              << "does not exist";
    }
    void anUnplayableSoundIsRefusedWithItsReason()
    {
        QFETCH(bool, changing);
        QFETCH(QString, file);
        QFETCH(QString, said);
        WizardFixture f;
        const QString path = m_sounds.filePath(file);
        writeBytes(m_sounds.filePath("riff.wav"), "RIFF");
        const QString old = f.store.layout.activePath(AlarmKind::Daily, "15-0.alm");
        AlarmEditorWindow *editor = nullptr;
        if (changing) {
            writeBytes(old, line({ "Tea", path, "15", "0" }));
            QVERIFY(f.wizard.change(AlarmKind::Daily, old));
            editor = f.wizard.editor(AlarmKind::Daily);
        } else {
            editor = f.open(AlarmKind::Daily);
            f.fill(editor, { "15", "0" }, QStringLiteral("Tea"));
            f.click(editor, "Check1");
            f.control<QLineEdit>(editor, "Text7")->setText(path);
        }
        const QStringList before = f.filesWritten();
        f.click(editor, "Command1");
        QCOMPARE(f.prompter.shown.size(), 1);
        QCOMPARE(f.prompter.shown[0].icon, QMessageBox::Critical);
        QVERIFY2(f.prompter.shown[0].text.contains(said) && f.prompter.shown[0].text.contains(path),
                 qPrintable(f.prompter.shown[0].text));
        QCOMPARE(f.filesWritten(), before);
        QVERIFY(editor->isVisible());
        QCOMPARE(f.control<QLineEdit>(editor, "Text7")->text(), path);
    }

    // The change editor shows the time the name stands for, which is what rings; a change refused for its fields
    // keeps the alarm's sound, so that the corrected change does not drop it.
    void aChangeOpensFromTheNameAndARefusedOneKeepsTheSound()
    {
        WizardFixture f;
        const QString path = f.store.layout.activePath(AlarmKind::Daily, "15-0.alm");
        const QString bell = sound("bell.wav");
        writeBytes(path, line({ "Tea", bell, "9", "05" })); // made by hand
        QVERIFY(f.wizard.change(AlarmKind::Daily, path));
        AlarmEditorWindow *editor = f.wizard.editor(AlarmKind::Daily);
        auto *hour = f.control<QLineEdit>(editor, timeFieldInfo(TimeField::Hour).control);
        auto *minutes = f.control<QLineEdit>(editor, timeFieldInfo(TimeField::Minutes).control);
        QCOMPARE(hour->text(), QString("15"));
        QCOMPARE(minutes->text(), QString("0"));

        minutes->setText("75");
        f.click(editor, "Command1");
        QCOMPARE(f.prompter.shown.size(), 1);
        minutes->setText("30");
        f.click(editor, "Command1");
        QCOMPARE(readBytes(f.store.layout.activePath(AlarmKind::Daily, "15-30.alm")),
                 line({ "Tea", bell, "15", "30" }));
        QVERIFY(!QFile::exists(path));
    }

    void aLaterAlarmReplacesTheEarlierAndQuotesBecomeApostrophes()
    {
        WizardFixture f;
        const QString path = f.store.layout.activePath(AlarmKind::Daily, "7-30.alm");
        writeBytes(path, line({ "Old and much longer text", "ninguno", "7", "30" }));
        AlarmEditorWindow *editor = f.open(AlarmKind::Daily);
        f.fill(editor, { "7", "30" }, QStringLiteral("Say \"cheese\""));
        f.click(editor, "Command1");
        QCOMPARE(readBytes(path), line({ "Say 'cheese'", "ninguno", "7", "30" }));
        QCOMPARE(f.filesWritten().size(), 1);
    }

    // A text the reader could never take back is stopped at Create, with the reason, before anything is written.
    void aTextTooLongToReadBackIsRefused()
    {
        WizardFixture f;
        AlarmEditorWindow *editor = f.open(AlarmKind::Daily);
        f.fill(editor, { "7", "30" }, QString(22000, QChar(0x20ac)));
        f.click(editor, "Command1");
        QCOMPARE(f.prompter.shown.size(), 1);
        QCOMPARE(f.prompter.shown[0].icon, QMessageBox::Critical);
        QVERIFY2(f.prompter.shown[0].text.contains(QStringLiteral("too long")), qPrintable(f.prompter.shown[0].text));
        QVERIFY(!QFile::exists(f.store.layout.activePath(AlarmKind::Daily, "7-30.alm")));
        QVERIFY(editor->isVisible());
    }

    void aFailedWriteKeepsEverythingAndSaysWhy()
    {
        WizardFixture f;
        // The old alarm must survive a write that fails: a sound path the format cannot carry.
        const QString existing = f.store.layout.activePath(AlarmKind::Daily, "7-30.alm");
        writeBytes(existing, line({ "Old", "ninguno", "7", "30" }));
        AlarmEditorWindow *editor = f.open(AlarmKind::Daily);
        f.fill(editor, { "7", "30" }, QStringLiteral("New"));
        f.click(editor, "Check1");
        const QString odd = sound("odd\"name.wav");
        f.control<QLineEdit>(editor, "Text7")->setText(odd);
        f.click(editor, "Command1");

        QCOMPARE(f.prompter.shown.size(), 1);
        QCOMPARE(f.prompter.shown[0].icon, QMessageBox::Critical);
        QCOMPARE(f.prompter.shown[0].title, QStringLiteral("Brevora"));
        QVERIFY(f.prompter.shown[0].text.contains(QDir::toNativeSeparators(existing)));
        QCOMPARE(readBytes(existing), line({ "Old", "ninguno", "7", "30" }));
        QVERIFY(editor->isVisible());
        QVERIFY(f.shell.calls.isEmpty());
        QCOMPARE(f.control<QLineEdit>(editor, "Text7")->text(), odd);
        QVERIFY(f.control<QCheckBox>(editor, "Check1")->isChecked());
        QCOMPARE(f.control<QLineEdit>(editor, "Text6")->text(), QStringLiteral("New"));

        // A kind folder that cannot exist, since a file stands in its place.
        const QString folder = f.store.layout.activeFolder(AlarmKind::Monthly);
        QVERIFY(QDir(folder).removeRecursively());
        writeBytes(folder, "not a folder");
        AlarmEditorWindow *monthly = f.open(AlarmKind::Monthly);
        f.fill(monthly, { "1", "9", "0" });
        f.click(monthly, "Command1");
        QCOMPARE(f.prompter.shown.size(), 2);
        QCOMPARE(f.prompter.shown[1].title, QStringLiteral("Brevora"));
        QVERIFY(f.prompter.shown[1].text.contains("1_9-0.alm"));
        QCOMPARE(readBytes(folder), QByteArray("not a folder"));
        QVERIFY(monthly->isVisible());
    }

    void theAdvancedPanelAndTheSoundControls()
    {
        WizardFixture f;
        AlarmEditorWindow *editor = f.open(AlarmKind::Once);
        auto *toggle = f.control<QPushButton>(editor, "Command2");
        // Tab reaches the sound controls only while they can be seen.
        const auto tabStops = [toggle] {
            QStringList names;
            for (QWidget *w = toggle->nextInFocusChain(); w != toggle; w = w->nextInFocusChain())
                if (w->focusPolicy() & Qt::TabFocus)
                    names.append(w->objectName());
            return names;
        };
        const int left = editor->x();
        QCOMPARE(editor->frameGeometry().width(), 313);
        QCOMPARE(toggle->text(), QStringLiteral(">>"));
        QVERIFY2(!tabStops().contains("Check1"), qPrintable(tabStops().join(' ')));
        toggle->click();
        QCOMPARE(editor->frameGeometry().width(), 594);
        QCOMPARE(toggle->text(), QStringLiteral("<<"));
        // The panel unfolds to the right, where the screen has room for it; else the window moves left, no further
        // than the screen's free area needs.
        const QRect area = editor->screen()->availableGeometry();
        QVERIFY2(area.contains(editor->frameGeometry()),
                 qPrintable(QStringLiteral("%1 runs off %2 to %3")
                                .arg(editor->x())
                                .arg(area.right())
                                .arg(editor->frameGeometry().right())));
        if (editor->x() != left)
            QCOMPARE(editor->frameGeometry().right(), area.right());
        QVERIFY(tabStops().contains("Check1") && tabStops().contains("Text7"));
        toggle->click();
        QCOMPARE(editor->frameGeometry().width(), 313);
        QCOMPARE(toggle->text(), QStringLiteral(">>"));
        editor->move(area.topLeft() + QPoint(8, 8));
        toggle->click();
        QCOMPARE(editor->pos(), area.topLeft() + QPoint(8, 8));
        toggle->click();

        auto *sound = f.control<QLineEdit>(editor, "Text7");
        auto *browse = f.control(editor, "Command4");
        QVERIFY(!sound->isEnabled() && !browse->isEnabled());
        f.click(editor, "Check1");
        QVERIFY(sound->isEnabled() && browse->isEnabled());
        f.click(editor, "Check1");
        QVERIFY(!sound->isEnabled() && !browse->isEnabled());

        // Back leaves the fields as typed and the sound reset.
        f.fill(editor, { "1", "2", "2007", "3", "4" }, QStringLiteral("kept"));
        f.click(editor, "Check1");
        sound->setText("/x.wav");
        f.click(editor, "Command3");
        QVERIFY(!editor->isVisible());
        QVERIFY(f.wizard.kindChooser()->isVisible());
        QCOMPARE(f.control<QLineEdit>(editor, "Text6")->text(), QStringLiteral("kept"));
        QCOMPARE(f.control<QLineEdit>(editor, "Text3")->text(), QStringLiteral("2007"));
        QVERIFY(sound->text().isEmpty() && !f.control<QCheckBox>(editor, "Check1")->isChecked());
    }
};

QTEST_MAIN(TestAlarmEditor)
#include "tst_alarmeditor.moc"
