// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"
#include "wizardfixture.h"

#include "app/translations.h"
#include "core/model/fieldrules.h"
#include "os/notify/desktopnotifier.h"
#include "ui/main/alarmdeletion.h"
#include "ui/main/alarmlist.h"
#include "ui/main/mainwindow.h"
#include "ui/wizard/alarmeditor.h"
#include "ui/wizard/newalarmwizard.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace brevora;
using namespace brevora::test;

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type; // the translation's state: empty when finished
};

QList<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            Message message{ context, {}, {}, {}, {} };
            while (xml.readNextStartElement()) {
                const QString element = xml.name().toString();
                if (element == u"translation")
                    message.type = xml.attributes().value(QStringLiteral("type")).toString();
                // lupdate writes a carriage return as <byte value="xd"/>, which stands for the character.
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (element == u"source")
                    message.source = text;
                else if (element == u"comment")
                    message.comment = text;
                else if (element == u"translation")
                    message.translation = text;
            }
            messages.append(message);
        }
    }
    return messages;
}

QStringList keys(const QList<Message> &messages)
{
    QStringList found;
    for (const Message &message : messages)
        found.append(message.context + QStringLiteral(" | ") + message.source + QStringLiteral(" | ")
                     + message.comment);
    found.sort();
    return found;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QStringList found;
    for (const QRegularExpressionMatch &match : marker.globalMatch(text))
        found.append(match.captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

bool hasMnemonic(const QString &text)
{
    return QRegularExpression(QStringLiteral("&[^&\\s]")).match(text).hasMatch();
}

QString catalogue(const QString &language)
{
    return QStringLiteral(BREVORA_TRANSLATIONS_DIR "/brevora_%1.ts").arg(language);
}

void addLanguageRows()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("de") << QStringLiteral("de");
    QTest::newRow("es") << QStringLiteral("es");
}

} // namespace

// The windows in other languages: every text translated, kept in step with the sources, and stored values
// untouched.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everySourceTextHasAFinishedTranslation_data() { addLanguageRows(); }

    void everySourceTextHasAFinishedTranslation()
    {
        QFETCH(QString, language);
        const QList<Message> messages = readCatalogue(catalogue(language));
        QVERIFY2(messages.size() > 50, qPrintable(catalogue(language)));
        QStringList faults;
        for (const Message &m : messages) {
            const QString where = QStringLiteral("%1: \"%2\"").arg(m.context, m.source);
            if (!m.type.isEmpty() || m.translation.trimmed().isEmpty())
                faults.append(where + QStringLiteral(" has no finished translation"));
            else if (placeholders(m.translation) != placeholders(m.source))
                faults.append(where + QStringLiteral(" does not keep its %1 markers"));
            else if (hasMnemonic(m.translation) != hasMnemonic(m.source))
                faults.append(where + QStringLiteral(" does not keep its access key"));
            else if (m.source.endsWith(u"\r\n") != m.translation.endsWith(u"\r\n"))
                faults.append(where + QStringLiteral(" does not keep its line end"));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // A text added or changed in the sources without its translation would show in English: lupdate, run on
    // the sources as the build runs it, finds exactly the texts the catalogue holds.
    void theCataloguesAreInStepWithTheSources()
    {
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
        QProcess lupdate;
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(QStringLiteral(BREVORA_LUPDATE),
                      QStringList{ QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                                   QStringLiteral("-extensions"), QStringLiteral("cpp,h"), QStringLiteral("-I"),
                                   QStringLiteral(BREVORA_SOURCE_DIR) }
                          + QStringLiteral(BREVORA_TRANSLATED_SOURCE_DIRS).split(u'|')
                          + QStringList{ QStringLiteral("-ts"), fresh });
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
        const QStringList wanted = keys(readCatalogue(fresh));
        QVERIFY(!wanted.isEmpty());
        for (const QString &language : { QStringLiteral("de"), QStringLiteral("es") }) {
            const QStringList held = keys(readCatalogue(catalogue(language)));
            QStringList missing;
            QStringList stale;
            for (const QString &key : wanted) {
                if (!held.contains(key))
                    missing.append(key);
            }
            for (const QString &key : held) {
                if (!wanted.contains(key))
                    stale.append(key);
            }
            QVERIFY2(missing.isEmpty() && stale.isEmpty(),
                     qPrintable(QStringLiteral("brevora_%1.ts: run the update_translations target and translate.\n"
                                               "Not in it:\n%2\nNo longer in the sources:\n%3")
                                    .arg(language, missing.join(u'\n'), stale.join(u'\n'))));
        }
    }

    void onlyTranslatedLanguagesChangeTheTexts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("translated");
        QTest::newRow("C") << QStringLiteral("C") << false;
        QTest::newRow("en_US") << QStringLiteral("en_US") << false;
        QTest::newRow("fr_FR") << QStringLiteral("fr_FR") << false;
        QTest::newRow("de_DE") << QStringLiteral("de_DE") << true;
        QTest::newRow("de_AT") << QStringLiteral("de_AT") << true;
        QTest::newRow("es_ES") << QStringLiteral("es_ES") << true;
        QTest::newRow("es_MX") << QStringLiteral("es_MX") << true;
    }

    void onlyTranslatedLanguagesChangeTheTexts()
    {
        QFETCH(QString, locale);
        QFETCH(bool, translated);
        {
            QObject translators;
            QCOMPARE(installTranslations(QLocale(locale), &translators), translated);
            QCOMPARE(QCoreApplication::translate("brevora::core", "Once a day") != u"Once a day", translated);
        }
        // Gone with their owner: the texts are as written again.
        QCOMPARE(QCoreApplication::translate("brevora::core", "Once a day"), QStringLiteral("Once a day"));
    }

    // Texts made outside the windows, or once for the whole program, follow the catalogues installed before them.
    void textsMadeOutsideTheWindowsAreTranslated_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("deleteTitle");
        QTest::addColumn<QString>("showAction");
        QTest::addColumn<QString>("weekday");
        const auto row = [](const char *locale, const char *title, const char *show, const char *weekday) {
            QTest::newRow(locale) << QString::fromLatin1(locale) << QString::fromUtf8(title) << QString::fromUtf8(show)
                                  << QString::fromUtf8(weekday);
        };
        row("de_DE", "Löschen bestätigen", "Anzeigen", "Samstag");
        row("es_ES", "Confirmar la eliminación", "Mostrar", "sábado");
    }

    void textsMadeOutsideTheWindowsAreTranslated()
    {
        QFETCH(QString, locale);
        QFETCH(QString, deleteTitle);
        QFETCH(QString, showAction);
        QFETCH(QString, weekday);
        QObject translators;
        QVERIFY(installTranslations(QLocale(locale), &translators));
        AppFixture f;
        AlarmDeletion(f.store.layout, f.prompter).deleteAll();
        QCOMPARE(f.prompter.shown.last().title, deleteTitle);
        QCOMPARE(showLabel(), showAction);
        // The clock's day, a Saturday, beside the date; the files keep the English name.
        f.startAndSkipSplash();
        QCOMPARE(f.app->mainWindow().findChild<QLabel *>("Label4")->text(), weekday);
    }

    // The kind box lists the kinds in the user's language, and a kind chosen or typed in it lists that kind's
    // alarms, though the folders keep their names.
    void aTranslatedKindBoxStillFindsTheAlarms()
    {
        QObject translators;
        QVERIFY(installTranslations(QLocale(QStringLiteral("de_DE")), &translators));
        AppFixture f;
        writeBytes(f.store.layout.activePath(AlarmKind::Daily, "7-5.alm"), "\"Tee\",\"ninguno\",\"7\",\"5\"\r\n");
        f.startAndSkipSplash();
        MainWindow &main = f.app->mainWindow();
        auto *kinds = main.findChild<QComboBox *>("Combo1");
        QCOMPARE(kinds->currentText(), QStringLiteral("Alarmtyp"));
        const int daily = kinds->findText(QStringLiteral("Täglich"));
        QVERIFY(daily >= 0);
        kinds->setCurrentIndex(daily);
        emit kinds->activated(daily);
        QCOMPARE(main.alarmList()->count(), 1);
        main.alarmList()->setCurrentRow(0);
        QCOMPARE(main.alarmText(), QStringLiteral("Tee"));
    }

    // What an editor writes into the file stays as it always was, and its refusals name the fields as it shows
    // them.
    void aTranslatedEditorStoresWhatItAlwaysStored()
    {
        QObject translators;
        QVERIFY(installTranslations(QLocale(QStringLiteral("es_ES")), &translators));
        WizardFixture w;
        AlarmEditorWindow *weekly = w.open(AlarmKind::Weekly);
        auto *weekday = WizardFixture::control<QComboBox>(weekly, "Combo1");
        QCOMPARE(weekday->itemText(0), QStringLiteral("Monday"));
        weekday->setCurrentIndex(0);
        WizardFixture::fill(weekly, { weekday->currentText(), QStringLiteral("7"), QStringLiteral("5") },
                            QStringLiteral("Tea"));
        WizardFixture::click(weekly, "Command1");
        QCOMPARE(readBytes(w.store.layout.activePath(AlarmKind::Weekly, "Monday_7-5.alm")),
                 QByteArray("\"Tea\",\"ninguno\",\"Monday\",\"7\",\"5\"\r\n"));

        AlarmEditorWindow *daily = w.open(AlarmKind::Daily);
        WizardFixture::fill(daily, { QStringLiteral("25"), QStringLiteral("60") });
        WizardFixture::click(daily, "Command1");
        QVERIFY(!w.prompter.shown.isEmpty());
        QCOMPARE(w.prompter.shown.last().title, QStringLiteral("Información no válida"));
        QCOMPARE(w.prompter.shown.last().text, QStringLiteral("Los siguientes campos no son válidos: Hora, Minutos"));
        // The words of the command line's check stay as written.
        QCOMPARE(invalidSections(AlarmKind::Daily, { QStringLiteral("25"), QStringLiteral("0") }),
                 QStringLiteral(" Hour"));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
