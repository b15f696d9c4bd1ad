// SPDX-License-Identifier: GPL-3.0-or-later
#include "wake/wakeprotocol.h"

#include <QTest>

using namespace brevora::wake;

// What brevora-wake takes from the program: a line of instants, or a reason to keep the instants it has.
class WakeProtocolTest : public QObject
{
    Q_OBJECT

    static QByteArray repeated(const QByteArray &piece, int times)
    {
        QByteArray bytes;
        for (int i = 0; i < times; ++i)
            bytes += piece;
        return bytes;
    }

private slots:
    void readsALineOfInstants_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("error");
        QTest::addColumn<QList<qint64>>("instants");
        const QList<qint64> none;
        QTest::newRow("empty: disarm all") << QByteArray() << QByteArray() << none;
        QTest::newRow("one") << QByteArray("1170511200") << QByteArray() << QList<qint64>{ 1170511200 };
        QTest::newRow("two, in their order")
            << QByteArray("1170514800 1170511200") << QByteArray() << QList<qint64>{ 1170514800, 1170511200 };
        QTest::newRow("eight") << QByteArray("1 2 3 4 5 6 7 8") << QByteArray()
                               << QList<qint64>{ 1, 2, 3, 4, 5, 6, 7, 8 };
        QTest::newRow("nine") << QByteArray("1 2 3 4 5 6 7 8 9") << QByteArray("too many instants") << none;
        // Where time_t has 32 bits, the timer could not be set past January 2038.
        const bool wideTime = sizeof(std::time_t) >= 8;
        QTest::newRow("past 2038") << QByteArray("2147483648") << QByteArray(wideTime ? "" : "instant out of range")
                                   << (wideTime ? QList<qint64>{ 2147483648 } : none);
        QTest::newRow("the last second of year 9999")
            << QByteArray("253402300799") << QByteArray(wideTime ? "" : "instant out of range")
            << (wideTime ? QList<qint64>{ 253402300799 } : none);
        QTest::newRow("year 10000") << QByteArray("253402300800") << QByteArray("instant out of range") << none;
        QTest::newRow("past what 64 bits hold")
            << QByteArray("99999999999999999999999") << QByteArray("instant out of range") << none;
        QTest::newRow("zero") << QByteArray("0") << QByteArray("instant out of range") << none;
        QTest::newRow("zero after one") << QByteArray("5 0") << QByteArray("instant out of range") << none;
        QTest::newRow("leading zero") << QByteArray("0170511200") << QByteArray("leading zero") << none;
        QTest::newRow("negative") << QByteArray("-1170511200") << QByteArray("negative instant") << none;
        QTest::newRow("negative second") << QByteArray("1 -2") << QByteArray("negative instant") << none;
        QTest::newRow("plus sign") << QByteArray("+1") << QByteArray("not a digit") << none;
        QTest::newRow("letter") << QByteArray("117051120a") << QByteArray("not a digit") << none;
        QTest::newRow("minus inside") << QByteArray("12-5") << QByteArray("not a digit") << none;
        QTest::newRow("carriage return") << QByteArray("1170511200\r") << QByteArray("not a digit") << none;
        QTest::newRow("tab") << QByteArray("1\t2") << QByteArray("not a digit") << none;
        QTest::newRow("NUL") << QByteArray("1\0 2", 4) << QByteArray("not a digit") << none;
        QTest::newRow("decimal point") << QByteArray("1170511200.5") << QByteArray("not a digit") << none;
        QTest::newRow("leading space") << QByteArray(" 1") << QByteArray("empty instant") << none;
        QTest::newRow("trailing space") << QByteArray("1 ") << QByteArray("empty instant") << none;
        QTest::newRow("two spaces") << QByteArray("1  2") << QByteArray("empty instant") << none;
        QTest::newRow("only a space") << QByteArray(" ") << QByteArray("empty instant") << none;
        QTest::newRow("repeated") << QByteArray("5 6 5") << QByteArray("repeated instant") << none;
        // Its own length is refused before its count: twelve instants in 131 characters.
        QTest::newRow("too long") << repeated("1000000000 ", 11) + "1000000000" << QByteArray("line too long") << none;
        QTest::newRow("as long as may be")
            << QByteArray("1") + repeated("x", int(maxLineLength) - 1) << QByteArray("not a digit") << none;
    }

    void readsALineOfInstants()
    {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, error);
        QFETCH(QList<qint64>, instants);
        const ParsedLine parsed = parseInstantLine(std::string_view(line.constData(), std::size_t(line.size())));
        QCOMPARE(QByteArray(parsed.error.data(), qsizetype(parsed.error.size())), error);
        const QList<qint64> read(parsed.instants.at.begin(),
                                 parsed.instants.at.begin() + std::ptrdiff_t(parsed.instants.count));
        QCOMPARE(read, instants);
    }

    void cutsThePipeIntoLines_data()
    {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::newRow("lines across reads") << QByteArrayList{ "12", "3\n45", "\n6" } << QByteArrayList{ "123", "45" };
        QTest::newRow("empty lines") << QByteArrayList{ "\n\n" } << QByteArrayList{ "", "" };
        QTest::newRow("no line end yet") << QByteArrayList{ "1170511200" } << QByteArrayList{};
        const QByteArray cut = repeated("a", int(maxLineLength) + 1);
        QTest::newRow("an endless line is cut")
            << QByteArrayList{ cut + repeated("b", 5000) + "\n1\n" } << QByteArrayList{ cut, "1" };
        QTest::newRow("cut across reads")
            << QByteArrayList{ repeated("a", 100), repeated("a", 100) + "\n" } << QByteArrayList{ cut };
    }

    void cutsThePipeIntoLines()
    {
        QFETCH(QByteArrayList, chunks);
        QFETCH(QByteArrayList, lines);
        LineSplitter splitter;
        QByteArrayList taken;
        for (const QByteArray &chunk : chunks) {
            splitter.feed(std::string_view(chunk.constData(), std::size_t(chunk.size())), [&](std::string_view line) {
                taken.append(QByteArray(line.data(), qsizetype(line.size())));
            });
        }
        QCOMPARE(taken, lines);
    }
};

QTEST_APPLESS_MAIN(WakeProtocolTest)
#include "tst_wakeprotocol.moc"
