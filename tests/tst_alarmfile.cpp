// SPDX-License-Identifier: GPL-3.0-or-later
#include "storefixture.h"

#include "core/life/createalarm.h"
#include "core/model/alarmfile.h"
#include "core/model/alarmkind.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace brevora;
using namespace brevora::test;

Q_DECLARE_METATYPE(brevora::AlarmKind)

namespace {

// The number of descriptors this process holds, or -1 where the system does not tell.
int openDescriptors()
{
#ifdef Q_OS_LINUX
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
#else
    return -1;
#endif
}

QByteArray dailyLine(const QByteArray &text)
{
    return "\"" + text + "\",\"ninguno\",\"7\",\"5\"";
}

} // namespace

class TestAlarmFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // Files are shared with copies on Windows byte for byte, so the exact bytes matter, not only the round trip.
    void writesExactBytes_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("once without sound")
            << AlarmKind::Once << QStringList{ "Dentist", "ninguno", "3", "2", "2007", "14", "0" }
            << QByteArray("\"Dentist\",\"ninguno\",\"3\",\"2\",\"2007\",\"14\",\"0\"\r\n");
        QTest::newRow("daily with sound")
            << AlarmKind::Daily << QStringList{ "Wake up", "C:\\Windows\\Media\\chimes.wav", "7", "5" }
            << QByteArray("\"Wake up\",\"C:\\Windows\\Media\\chimes.wav\",\"7\",\"5\"\r\n");
        QTest::newRow("weekly") << AlarmKind::Weekly << QStringList{ "Gym", "ninguno", "Monday", "8", "30" }
                                << QByteArray("\"Gym\",\"ninguno\",\"Monday\",\"8\",\"30\"\r\n");
        QTest::newRow("monthly") << AlarmKind::Monthly << QStringList{ "Rent", "ninguno", "1", "9", "0" }
                                 << QByteArray("\"Rent\",\"ninguno\",\"1\",\"9\",\"0\"\r\n");
        QTest::newRow("yearly") << AlarmKind::Yearly << QStringList{ "Dinner", "ninguno", "24", "12", "20", "15" }
                                << QByteArray("\"Dinner\",\"ninguno\",\"24\",\"12\",\"20\",\"15\"\r\n");
        QTest::newRow("empty text") << AlarmKind::Daily << QStringList{ "", "ninguno", "0", "0" }
                                    << QByteArray("\"\",\"ninguno\",\"0\",\"0\"\r\n");
        QTest::newRow("text with commas and blanks")
            << AlarmKind::Daily << QStringList{ " milk, eggs , bread ", "ninguno", "7", "5" }
            << QByteArray("\" milk, eggs , bread \",\"ninguno\",\"7\",\"5\"\r\n");
    }
    void writesExactBytes()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QStringList, fields);
        QFETCH(QByteArray, bytes);
        const QString file = path(QStringLiteral("exact.alm"));
        QFile::remove(file);

        QCOMPARE(formatAlarmLine(fields), bytes);
        QVERIFY(writeAlarmFile(file, kind, AlarmRecord{ fields }));
        QCOMPARE(readBytes(file), bytes);

        const auto back = readAlarmFile(file, kind);
        QVERIFY(back.has_value());
        QCOMPARE(back->fields, fields);
    }

    void dentistIsFortyFiveBytes()
    {
        const QString file = path(QStringLiteral("3-2-2007_14-0.alm"));
        const AlarmRecord record{ { "Dentist", noSound, "3", "2", "2007", "14", "0" } };
        QVERIFY(writeAlarmFile(file, AlarmKind::Once, record));
        const QByteArray bytes = readBytes(file);
        QCOMPARE(bytes.size(), 45);
        QVERIFY(bytes.startsWith('"')); // no byte order mark
        QVERIFY(bytes.endsWith("\"0\"\r\n"));
        QCOMPARE(bytes.count('\n'), 1);
        QCOMPARE(readAlarmFile(file, AlarmKind::Once), std::optional<AlarmRecord>(record));
        QCOMPARE(readAlarmFile(file, AlarmKind::Once)->text(), QStringLiteral("Dentist"));
        QCOMPARE(readAlarmFile(file, AlarmKind::Once)->sound(), QStringLiteral("ninguno"));
        QCOMPARE(readAlarmFile(file, AlarmKind::Once)->dueFields(), (QStringList{ "3", "2", "2007", "14", "0" }));
    }

    void savingOverLeavesOnlyTheNewLine()
    {
        const QString file = path(QStringLiteral("7-5.alm"));
        writeBytes(file,
                   QByteArray("\"A much longer old text that must not survive\",\"ninguno\",\"7\",\"5\"\r\n"
                              "\"second line\",\"x\",\"1\",\"2\"\r\n"));
        QVERIFY(writeAlarmFile(file, AlarmKind::Daily, AlarmRecord{ { "New", "ninguno", "7", "5" } }));
        QCOMPARE(readBytes(file), QByteArray("\"New\",\"ninguno\",\"7\",\"5\"\r\n"));
        QVERIFY(writeAlarmFile(file, AlarmKind::Daily, AlarmRecord{ { "", "ninguno", "7", "5" } }));
        QCOMPARE(readBytes(file), QByteArray("\"\",\"ninguno\",\"7\",\"5\"\r\n"));
    }

    // The format has no escape for a quote or a line break: writing one would produce a file that reads back as
    // something else, so such records are refused before anything touches the disk.
    void refusesWhatCannotBeStored_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("quote in text") << AlarmKind::Daily << QStringList{ "Say \"hi\"", "ninguno", "7", "5" };
        QTest::newRow("lone quote in sound") << AlarmKind::Daily << QStringList{ "x", "C:\\a\"b.wav", "7", "5" };
        QTest::newRow("quote in a due field") << AlarmKind::Monthly << QStringList{ "x", "ninguno", "1\"", "9", "0" };
        QTest::newRow("line feed in text") << AlarmKind::Daily << QStringList{ "one\ntwo", "ninguno", "7", "5" };
        QTest::newRow("carriage return in text") << AlarmKind::Daily << QStringList{ "one\rtwo", "ninguno", "7", "5" };
        QTest::newRow("line break at the end") << AlarmKind::Daily << QStringList{ "text\r\n", "ninguno", "7", "5" };
        QTest::newRow("line break in sound")
            << AlarmKind::Yearly << QStringList{ "x", "a.wav\n", "24", "12", "20", "15" };
        // The reader shows control bytes as blanks, so they would not read back as written.
        QTest::newRow("control byte in text") << AlarmKind::Daily << QStringList{ "bell\x07", "ninguno", "7", "5" };
        QTest::newRow("escape in sound") << AlarmKind::Daily << QStringList{ "x", "\x1b[0m.wav", "7", "5" };
        QTest::newRow("delete in text") << AlarmKind::Daily << QStringList{ "x\x7f", "ninguno", "7", "5" };
        QTest::newRow("lone surrogate in text")
            << AlarmKind::Daily << QStringList{ QString(QChar(0xd83d)) + u'x', "ninguno", "7", "5" };
        // 66 KB of text would be written and then never read, so the alarm would never fall due.
        QTest::newRow("text past the reader's limit")
            << AlarmKind::Daily << QStringList{ QString(22000, QChar(0x20ac)), "ninguno", "7", "5" };
        QTest::newRow("too few fields") << AlarmKind::Once
                                        << QStringList{ "Dentist", "ninguno", "3", "2", "2007", "14" };
        QTest::newRow("too many fields") << AlarmKind::Daily << QStringList{ "Wake up", "ninguno", "7", "5", "0" };
        QTest::newRow("no fields") << AlarmKind::Weekly << QStringList{};
        QTest::newRow("fields of another kind") << AlarmKind::Yearly << QStringList{ "x", "ninguno", "1", "9", "0" };
    }
    void refusesWhatCannotBeStored()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QStringList, fields);

        const QString fresh = path(QStringLiteral("refused-new.alm"));
        QFile::remove(fresh);
        QVERIFY(!writeAlarmFile(fresh, kind, AlarmRecord{ fields }));
        QVERIFY(!QFile::exists(fresh));

        const QString existing = path(QStringLiteral("refused-old.alm"));
        const QByteArray old("\"old\",\"ninguno\",\"7\",\"5\"\r\n");
        writeBytes(existing, old);
        QVERIFY(!writeAlarmFile(existing, kind, AlarmRecord{ fields }));
        QCOMPARE(readBytes(existing), old);
        QCOMPARE(QDir(m_dir.path()).entryList({ "refused-*" }, QDir::Files | QDir::Hidden).size(), 1);
    }

    void readsLines_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("fields");

        QTest::newRow("crlf") << AlarmKind::Daily << dailyLine("Wake up") + "\r\n"
                              << QStringList{ "Wake up", "ninguno", "7", "5" };
        QTest::newRow("no line end") << AlarmKind::Daily << dailyLine("Wake up")
                                     << QStringList{ "Wake up", "ninguno", "7", "5" };
        QTest::newRow("lf only") << AlarmKind::Daily << dailyLine("Wake up") + "\n"
                                 << QStringList{ "Wake up", "ninguno", "7", "5" };
        QTest::newRow("cr only") << AlarmKind::Daily << dailyLine("Wake up") + "\r"
                                 << QStringList{ "Wake up", "ninguno", "7", "5" };
        QTest::newRow("cr only then more") << AlarmKind::Daily << dailyLine("first") + "\r" + dailyLine("second")
                                           << QStringList{ "first", "ninguno", "7", "5" };
        QTest::newRow("lf only then more") << AlarmKind::Daily << dailyLine("first") + "\n" + dailyLine("second")
                                           << QStringList{ "first", "ninguno", "7", "5" };
        QTest::newRow("second line damaged")
            << AlarmKind::Daily << dailyLine("first") + "\r\n\"unclosed,\x01\x02" + QByteArray(3, '\0')
            << QStringList{ "first", "ninguno", "7", "5" };
        QTest::newRow("empty quoted text") << AlarmKind::Daily << QByteArray("\"\",\"ninguno\",\"7\",\"5\"\r\n")
                                           << QStringList{ "", "ninguno", "7", "5" };
        QTest::newRow("commas inside quotes") << AlarmKind::Daily << dailyLine("Buy milk, eggs,, bread,") + "\r\n"
                                              << QStringList{ "Buy milk, eggs,, bread,", "ninguno", "7", "5" };
        QTest::newRow("blanks inside quotes kept") << AlarmKind::Daily << dailyLine("  spaced  ") + "\r\n"
                                                   << QStringList{ "  spaced  ", "ninguno", "7", "5" };
        QTest::newRow("unquoted") << AlarmKind::Once << QByteArray("Dentist,ninguno,3,2,2007,14,0\r\n")
                                  << QStringList{ "Dentist", "ninguno", "3", "2", "2007", "14", "0" };
        QTest::newRow("unquoted with blanks around")
            << AlarmKind::Weekly << QByteArray("  Gym class , ninguno,Monday ,  8,30  \r\n")
            << QStringList{ "Gym class", "ninguno", "Monday", "8", "30" };
        QTest::newRow("unquoted empty field")
            << AlarmKind::Daily << QByteArray(",ninguno,7,5\r\n") << QStringList{ "", "ninguno", "7", "5" };
        QTest::newRow("quoted and unquoted mixed")
            << AlarmKind::Monthly << QByteArray("\"Rent, flat\",ninguno,\"1\",9,\"0\"\r\n")
            << QStringList{ "Rent, flat", "ninguno", "1", "9", "0" };
        QTest::newRow("extra fields ignored")
            << AlarmKind::Daily << QByteArray("\"a\",\"ninguno\",\"7\",\"5\",\"extra\",more,\"x,y\"\r\n")
            << QStringList{ "a", "ninguno", "7", "5" };
        QTest::newRow("once fields read as once")
            << AlarmKind::Daily << QByteArray("\"Dentist\",\"ninguno\",\"3\",\"2\",\"2007\",\"14\",\"0\"\r\n")
            << QStringList{ "Dentist", "ninguno", "3", "2" };
        QTest::newRow("yearly") << AlarmKind::Yearly
                                << QByteArray("\"Dinner\",\"ninguno\",\"24\",\"12\",\"20\",\"15\"\r\n")
                                << QStringList{ "Dinner", "ninguno", "24", "12", "20", "15" };
        QTest::newRow("latin-1 byte as windows text")
            << AlarmKind::Daily << dailyLine("Caf\xe9") + "\r\n"
            << QStringList{ QString::fromUtf8("Caf\u00e9"), "ninguno", "7", "5" };
        QTest::newRow("utf-8 text") << AlarmKind::Daily << dailyLine("Caf\xc3\xa9 \xe6\x97\xa5") + "\r\n"
                                    << QStringList{ QString::fromUtf8("Caf\u00e9 \u65e5"), "ninguno", "7", "5" };
        // A hand-made file with control characters still falls due; each one shows as a blank.
        QTest::newRow("nul byte") << AlarmKind::Daily << dailyLine(QByteArray("Wake\0up", 7)) + "\r\n"
                                  << QStringList{ "Wake up", "ninguno", "7", "5" };
        QTest::newRow("leading nul bytes") << AlarmKind::Daily << QByteArray(4, '\0') + dailyLine("x") + "\r\n"
                                           << QStringList{ "x", "ninguno", "7", "5" };
        QTest::newRow("escape and delete") << AlarmKind::Daily << dailyLine("\x1b[1mWake\x7f") + "\r\n"
                                           << QStringList{ " [1mWake ", "ninguno", "7", "5" };
    }
    void readsLines()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, fields);
        const QString file = path(QStringLiteral("read.alm"));
        writeBytes(file, bytes);
        const auto record = readAlarmFile(file, kind);
        QVERIFY(record.has_value());
        QCOMPARE(record->fields, fields);
    }

    // A damaged file must read as "no alarm", never as an alarm with fields made up from garbage.
    void rejectsDamagedFiles_data()
    {
        QTest::addColumn<AlarmKind>("kind");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("empty file") << AlarmKind::Daily << QByteArray();
        QTest::newRow("only a line end") << AlarmKind::Daily << QByteArray("\r\n");
        QTest::newRow("one field short") << AlarmKind::Daily << QByteArray("\"Wake up\",\"ninguno\",\"7\"\r\n");
        QTest::newRow("once one field short")
            << AlarmKind::Once << QByteArray("\"Dentist\",\"ninguno\",\"3\",\"2\",\"2007\",\"14\"\r\n");
        QTest::newRow("daily line read as yearly") << AlarmKind::Yearly << dailyLine("Wake up") + "\r\n";
        QTest::newRow("fields on the second line")
            << AlarmKind::Daily << QByteArray("\"Wake up\",\"ninguno\"\r\n\"7\",\"5\"\r\n");
        QTest::newRow("last quote never closed")
            << AlarmKind::Daily << QByteArray("\"Wake up\",\"ninguno\",\"7\",\"5\r\n");
        QTest::newRow("first quote never closed") << AlarmKind::Daily << QByteArray("\"Wake up,ninguno,7,5\r\n");
        QTest::newRow("cut off file") << AlarmKind::Once << QByteArray("\"Dentist\",\"ningu");
        QTest::newRow("binary") << AlarmKind::Daily
                                << QByteArray("\x89PNG\x1a\x00\x00\x00\x0dIHDR,,,,,,,,", 21) + "\r\n";
    }
    void rejectsDamagedFiles()
    {
        QFETCH(AlarmKind, kind);
        QFETCH(QByteArray, bytes);
        const QString file = path(QStringLiteral("damaged.alm"));
        writeBytes(file, bytes);
        QCOMPARE(readAlarmFile(file, kind), std::optional<AlarmRecord>());
    }

    void missingFileReadsAsNothing()
    {
        QCOMPARE(readAlarmFile(path(QStringLiteral("absent.alm")), AlarmKind::Daily), std::optional<AlarmRecord>());
    }

    // Only the first line is looked at, and no more than maxAlarmLineBytes of it, so a huge or foreign file cannot
    // make the due check slow or eat memory.
    void firstLineLength_data()
    {
        QTest::addColumn<qint64>("lineBytes");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("readable");
        QTest::newRow("exactly the limit") << maxAlarmLineBytes << QByteArray("\r\n") << true;
        QTest::newRow("exactly the limit, no line end") << maxAlarmLineBytes << QByteArray() << true;
        QTest::newRow("one byte over") << maxAlarmLineBytes + 1 << QByteArray("\r\n") << false;
        QTest::newRow("one byte over, no line end") << maxAlarmLineBytes + 1 << QByteArray() << false;
        QTest::newRow("far over") << 4 * maxAlarmLineBytes << QByteArray("\r\n") << false;
        QTest::newRow("short line, huge rest") << qint64(40) << QByteArray("\r\n") + QByteArray(4 << 20, 'z') << true;
        QTest::newRow("short line, huge binary rest")
            << qint64(40) << QByteArray("\n") + QByteArray(2 << 20, '\0') << true;
    }
    void firstLineLength()
    {
        QFETCH(qint64, lineBytes);
        QFETCH(QByteArray, after);
        QFETCH(bool, readable);
        const QByteArray tail("\",\"ninguno\",\"7\",\"5\"");
        const qint64 textBytes = lineBytes - 1 - tail.size();
        QVERIFY(textBytes >= 0);
        const QByteArray text(textBytes, 'x');
        const QByteArray line = "\"" + text + tail;
        QCOMPARE(line.size(), lineBytes);

        const QString file = path(QStringLiteral("long.alm"));
        writeBytes(file, line + after);
        const auto record = readAlarmFile(file, AlarmKind::Daily);
        QCOMPARE(record.has_value(), readable);
        if (record)
            QCOMPARE(record->fields, (QStringList{ QString::fromLatin1(text), "ninguno", "7", "5" }));
    }

    void textRoundTrips_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("commas") << QStringLiteral("a,b,,c,");
        QTest::newRow("blanks around") << QStringLiteral("  padded  ");
        QTest::newRow("only a comma") << QStringLiteral(",");
        QTest::newRow("accents") << QString::fromUtf8("Cumplea\u00f1os de Jos\u00e9, \u00e0 l'\u00e9t\u00e9");
        QTest::newRow("beyond latin") << QString::fromUtf8("\u65e5\u672c \u0416 \u20ac \U0001F600");
        QTest::newRow("backslashes") << QStringLiteral("C:\\Users\\x\\");
        QTest::newRow("apostrophe") << QStringLiteral("it's");
        QTest::newRow("tab") << QStringLiteral("before\tafter");
        QTest::newRow("starts with a zero-width no-break space") << QString::fromUtf8("\ufeffmark");
    }
    void textRoundTrips()
    {
        QFETCH(QString, text);
        const QString file = path(QStringLiteral("roundtrip.alm"));
        const AlarmRecord record{ { text, QStringLiteral("C:\\Windows\\Media\\chimes.wav"), "24", "12", "20", "15" } };
        QVERIFY(writeAlarmFile(file, AlarmKind::Yearly, record));
        const auto back = readAlarmFile(file, AlarmKind::Yearly);
        QVERIFY(back.has_value());
        QCOMPARE(back->text(), text);
        QCOMPARE(*back, record);
    }

    // The writer and the reader share one limit: the longest line written is read back whole, one byte more is
    // refused with a message.
    void longestLineRoundTrips()
    {
        const QString file = path(QStringLiteral("longest.alm"));
        const qint64 overhead = formatAlarmLine({ QString(), "ninguno", "7", "5" }).size() - 2;
        const QString text(maxAlarmLineBytes - overhead, u'x');
        const AlarmRecord record{ { text, "ninguno", "7", "5" } };
        QVERIFY(writeAlarmFile(file, AlarmKind::Daily, record));
        QCOMPARE(readAlarmFile(file, AlarmKind::Daily), std::optional<AlarmRecord>(record));

        QString error;
        QVERIFY(!writeAlarmFile(file, AlarmKind::Daily, AlarmRecord{ { text + u'y', "ninguno", "7", "5" } }, &error));
        QVERIFY2(error.contains(QStringLiteral("too long")), qPrintable(error));
        QCOMPARE(readAlarmFile(file, AlarmKind::Daily), std::optional<AlarmRecord>(record));
    }

    // The due check reads every alarm file each minute: a reader that kept files open would run out of descriptors
    // within a day, and on Windows it would also keep the user from deleting a broken alarm.
    void readerReleasesFiles()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QList<QByteArray> damaged{
            QByteArray(),
            QByteArray("\"open"),
            QByteArray("\"a\",\"b\"\r\n"),
            QByteArray("\0\0\0\0", 4),
            QByteArray(maxAlarmLineBytes + 10, 'x'),
        };
        constexpr int count = 2000;
        for (int i = 0; i < count; ++i)
            writeBytes(dir.filePath(QString::number(i) + ".alm"), damaged[i % damaged.size()]);

        const int before = openDescriptors();
        for (int i = 0; i < count; ++i) {
            const QString file = dir.filePath(QString::number(i) + ".alm");
            QVERIFY2(!readAlarmFile(file, AlarmKind::Daily).has_value(), qPrintable(file));
        }
        QCOMPARE(openDescriptors(), before);

        // A failed read must leave nothing that holds the file.
        for (int i = 0; i < damaged.size(); ++i) {
            const QString file = dir.filePath(QString::number(i) + ".alm");
            QVERIFY(!readAlarmFile(file, AlarmKind::Once).has_value());
            QVERIFY(QFile::rename(file, file + ".bad"));
            QVERIFY(QFile::remove(file + ".bad"));
        }

        // And a good read too.
        const QString good = dir.filePath(QStringLiteral("good.alm"));
        writeBytes(good, dailyLine("ok") + "\r\n");
        QVERIFY(readAlarmFile(good, AlarmKind::Daily).has_value());
        QCOMPARE(openDescriptors(), before);
        QVERIFY(QFile::remove(good));
    }
};

QTEST_GUILESS_MAIN(TestAlarmFile)
#include "tst_alarmfile.moc"
