// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizardfixture.h"

#include "ui/common/objectnames.h"

#include <QTest>

using namespace brevora;
using namespace brevora::test;

Q_DECLARE_METATYPE(brevora::AlarmKind)

// The leading-zero checks made while a time field is typed, on exactly the fields that carry them.
class TestFieldChecks : public QObject
{
    Q_OBJECT

private slots:
    void typedLeadingZerosAreRefused_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        const QList<std::pair<AlarmKind, QStringList>> singleZero{
            { AlarmKind::Once, { "Text1", "Text2", "Text3" } },
            { AlarmKind::Yearly, { "Text1", "Text2" } },
            { AlarmKind::Monthly, { "Text1" } },
        };
        for (const auto &[kind, fields] : singleZero) {
            for (const QString &field : fields) {
                const QByteArray editor = objectnames::editor(kind).toLatin1();
                QTest::addRow("%s %s 0", editor.constData(), qPrintable(field)) << kind << field << "0" << true;
                QTest::addRow("%s %s 10", editor.constData(), qPrintable(field)) << kind << field << "10" << false;
            }
        }
        for (AlarmKind kind : allKinds) {
            const QByteArray editor = objectnames::editor(kind).toLatin1();
            for (const char *field : { "Text4", "Text5" }) {
                QTest::addRow("%s %s 05", editor.constData(), field) << kind << field << "05" << true;
                QTest::addRow("%s %s 0", editor.constData(), field) << kind << field << "0" << false;
                QTest::addRow("%s %s 50", editor.constData(), field) << kind << field << "50" << false;
            }
            for (const char *field : { "Text6", "Text7" })
                QTest::addRow("%s %s unchecked", editor.constData(), field) << kind << field << "0" << false;
        }
        QTest::newRow("year 2007") << AlarmKind::Once << "Text3"
                                   << "2007" << false;
        QTest::newRow("year -1") << AlarmKind::Once << "Text3"
                                 << "-1" << false;
        QTest::newRow("letters") << AlarmKind::Once << "Text1"
                                 << "ab" << false;
        QTest::newRow("text 05") << AlarmKind::Daily << "Text6"
                                 << "05" << false;
    }
    void typedLeadingZerosAreRefused()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        WizardFixture f;
        AlarmEditorWindow *editor = f.open(kind);
        auto *edit = f.control<QLineEdit>(editor, qPrintable(field));
        edit->setEnabled(true);
        QTest::keyClicks(edit, typed);
        if (refused) {
            QCOMPARE(f.prompter.shown.size(), 1);
            QCOMPARE(f.prompter.shown[0].icon, QMessageBox::Information);
            QCOMPARE(f.prompter.shown[0].title, QStringLiteral("Invalid information"));
            QCOMPARE(
                f.prompter.shown[0].text,
                QStringLiteral("Numbers preceded by a 0 are not valid information. Ex: 4, not 04; or 506, not 0506"));
            QCOMPARE(f.prompter.shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QVERIFY(edit->text().isEmpty());
        } else {
            QVERIFY(f.prompter.shown.isEmpty());
            QCOMPARE(edit->text(), typed);
        }
    }

    void editsAndPastesAreCheckedToo()
    {
        WizardFixture f;
        AlarmEditorWindow *editor = f.open(AlarmKind::Once);
        auto *day = f.control<QLineEdit>(editor, "Text1");
        QTest::keyClicks(day, "10");
        QTest::keyClick(day, Qt::Key_Home);
        QTest::keyClick(day, Qt::Key_Delete); // leaves "0"
        QCOMPARE(f.prompter.shown.size(), 1);
        QVERIFY(day->text().isEmpty());

        day->setText("05"); // a paste: only the lone "0" is refused here
        auto *hour = f.control<QLineEdit>(editor, "Text4");
        hour->setText("05");
        QCOMPARE(f.prompter.shown.size(), 2);
        QCOMPARE(day->text(), QStringLiteral("05"));
        QVERIFY(hour->text().isEmpty());

        auto *weekday = f.control<QComboBox>(f.open(AlarmKind::Weekly), "Combo1");
        QTest::keyClicks(weekday->lineEdit(), "05");
        QCOMPARE(weekday->currentText(), QStringLiteral("05"));
        QCOMPARE(f.prompter.shown.size(), 2);
    }
};

QTEST_MAIN(TestFieldChecks)
#include "tst_fieldchecks.moc"
