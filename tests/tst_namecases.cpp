// SPDX-License-Identifier: GPL-3.0-or-later
// Golden cases for alarm names: each line of data/namecases.tsv is a name with its kind, the fields it splits
// into, its next due moment from a fixed instant and why the clock never writes it.
#include "core/names/alarmname.h"
#include "core/names/kindshape.h"
#include "core/names/namefault.h"
#include "core/names/nextdue.h"

#include <QFile>
#include <QTest>

using namespace brevora;

Q_DECLARE_METATYPE(brevora::AlarmKind)

class NameCasesTest : public QObject
{
    Q_OBJECT
private slots:
    void names_data();
    void names();
};

void NameCasesTest::names_data()
{
    QTest::addColumn<AlarmKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("nextDue");
    QTest::addColumn<QString>("fault");

    QFile file(QStringLiteral(BREVORA_NAME_CASES));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    int rows = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList column = line.split(u'\t');
        QVERIFY2(column.size() == 5, qPrintable(line));
        const auto kind = kindFromWord(column[0]);
        QVERIFY2(kind, qPrintable(line));
        QTest::newRow(qPrintable(column[0] + u' ' + column[1]))
            << *kind << column[1] << column[2] << column[3] << column[4];
        ++rows;
    }
    QVERIFY(rows > 0);
}

void NameCasesTest::names()
{
    QFETCH(AlarmKind, kind);
    QFETCH(QString, name);
    QFETCH(QString, fields);
    QFETCH(QString, nextDue);
    QFETCH(QString, fault);
    const QDateTime from(QDate(2007, 2, 4), QTime(9, 0));

    const auto split = splitAlarmName(kind, name);
    QCOMPARE(split ? split->join(u',') : QStringLiteral("-"), fields);
    if (split) // and back again
        QCOMPARE(alarmFileName(kind, *split).compare(name, Qt::CaseInsensitive), 0);

    const auto due = nextDueMoment(kind, name, from);
    QCOMPARE(due ? due->toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QStringLiteral("never"), nextDue);
    if (due)
        QCOMPARE(alarmFileName(kind, dueFieldsAt(kind, *due)).compare(name, Qt::CaseInsensitive), 0);

    const auto found = nameFault(kind, name, from);
    QCOMPARE(found ? found->why : QStringLiteral("-"), fault);
}

QTEST_GUILESS_MAIN(NameCasesTest)
#include "tst_namecases.moc"
