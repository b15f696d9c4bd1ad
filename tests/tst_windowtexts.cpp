// SPDX-License-Identifier: GPL-3.0-or-later
#include "appfixture.h"

#include "app/translations.h"

#include "scheduler/clockdisplay.h"
#include "ui/common/prompter.h"
#include "ui/dialogs/aboutbox.h"
#include "ui/dialogs/optionsdialog.h"
#include "ui/main/alarmlist.h"
#include "ui/main/mainwindow.h"
#include "ui/notices/noticewindow.h"
#include "ui/wizard/alarmeditor.h"
#include "ui/wizard/kindchooser.h"
#include "ui/wizard/newalarmwizard.h"
#include "ui/wizard/soundchooser.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QFontInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <utility>

using namespace brevora;
using namespace brevora::test;

namespace {

// What a control's text needs beyond the room the control gives it, or nothing when it fits.
QString overflow(QWidget *control)
{
    const QFontMetrics metrics(control->font());
    QString text;
    QRect room;
    int flags = Qt::TextShowMnemonic;
    if (auto *label = qobject_cast<QLabel *>(control)) {
        if (!label->pixmap().isNull() || label->text().isEmpty())
            return {};
        text = label->text();
        room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        flags |= label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        if (button->text().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        text = button->text();
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        text = frame->title();
        room = QRect(QPoint(), QSize(frame->width(), metrics.lineSpacing() * 2));
    } else {
        return {};
    }
    const QRect needed = metrics.boundingRect(QRect(room.topLeft(), QSize(room.width(), 10000)), flags, text);
    // A text drawn on a plain frame keeps clear of its border.
    const QWidget *parent = control->parentWidget();
    const bool onFrame = parent->metaObject() == &QFrame::staticMetaObject;
    const QRect drawn = QStyle::alignedRect(
                            control->layoutDirection(),
                            QStyle::visualAlignment(
                                Qt::LeftToRight, onFrame ? static_cast<QLabel *>(control)->alignment() : Qt::AlignLeft),
                            needed.size(), room)
                            .translated(control->pos());
    const bool offBorder
        = !onFrame || static_cast<const QFrame *>(parent)->contentsRect().adjusted(4, 4, -4, -4).contains(drawn);
    if (needed.width() <= room.width() && needed.height() <= room.height() && offBorder)
        return {};
    return QStringLiteral("%1/%2 \"%3\" needs %4x%5, has %6x%7")
        .arg(control->window()->objectName(), control->objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

QStringList overflows(QWidget *window)
{
    QStringList found;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (control->isVisibleTo(window) && !qobject_cast<QMessageBox *>(control->window()))
            found += overflow(control);
    }
    found.removeAll(QString());
    return found;
}

} // namespace

// What the windows show: texts as they are written, whole and in their place, and the program's icon.
class TestWindowTexts : public QObject
{
    Q_OBJECT

private slots:
    // Every language the program is translated into, and the texts as written, at the desktop font sizes the
    // windows are drawn for.
    void everyTextFitsItsControl_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<qreal>("points");
        for (const int points : { 9, 10, 11 }) {
            for (const char *language : { "", "de_DE", "es_ES" })
                QTest::addRow("%s %d pt", *language ? language : "as written", points)
                    << QString::fromLatin1(language) << qreal(points);
        }
    }

    void everyTextFitsItsControl()
    {
        QFETCH(QString, language);
        QFETCH(qreal, points);
        QObject translators;
        if (!language.isEmpty())
            QVERIFY(installTranslations(QLocale(language), &translators));
        AppFixture f(false, true, points);
        f.app->start();
        // A desktop's theme may give every program a font of its own in place of the one asked for, once the
        // program runs: the theme named in QT_QPA_PLATFORMTHEME then, at its first events, or else this test, as a
        // theme would. The windows opened later are built in it.
        if (const QString desktopFont = qEnvironmentVariable("BREVORA_DESKTOP_FONT"); !desktopFont.isEmpty()) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME")) {
                QFont font(desktopFont);
                font.setPointSizeF(points);
                QApplication::setFont(font);
            } else {
                QCoreApplication::processEvents();
            }
            const QFont given = QApplication::font();
            QVERIFY2(
                QFontInfo(given).family() == desktopFont && given.pointSizeF() == points,
                qPrintable(QStringLiteral("the windows have %1 %2 pt, not %3: is the font, or the theme, installed?")
                               .arg(QFontInfo(given).family())
                               .arg(given.pointSizeF())
                               .arg(desktopFont)));
        }
        QStringList found = overflows(&f.app->splashWindow());
        f.app->splashWindow().handOver();
        MainWindow &main = f.app->mainWindow();
        // The widest texts the clock shows in a few regions.
        for (const char *locale : { "C", "en_US", "es_ES", "de_DE", "ja_JP" }) {
            main.showClock(clockTexts(QDateTime(QDate(2007, 2, 28), QTime(13, 59, 56)), QLocale(locale)));
            found += overflows(&main);
        }
        NewAlarmWizard &wizard = f.app->wizard();
        QList<QWidget *> windows{ wizard.kindChooser(), wizard.soundChooser(), &f.app->optionsDialog(),
                                  &f.app->aboutBox() };
        std::vector<std::unique_ptr<NoticeWindow>> notices;
        for (AlarmKind kind : allKinds) {
            windows.append(wizard.editor(kind));
            notices.push_back(std::make_unique<NoticeWindow>(
                Occurrence{ kind, {}, {}, {} },
                NoticeServices{ f.app->state(), f.clock, f.fakes.sound, f.prompter, [] {} }));
            windows.append(notices.back().get());
        }
        // The line under a notice's text when its sound was not heard, in each of its wordings.
        for (const auto problem :
             { SoundOutcome::Problem::File, SoundOutcome::Problem::Muted, SoundOutcome::Problem::Silent }) {
            f.fakes.sound.syncOutcome = { problem, {} };
            notices.push_back(std::make_unique<NoticeWindow>(
                Occurrence{ AlarmKind::Daily, {}, AlarmRecord{ { QString(), QStringLiteral("/a.wav") } }, {} },
                NoticeServices{ f.app->state(), f.clock, f.fakes.sound, f.prompter, [] {} }));
            notices.back()->playSound();
            windows.append(notices.back().get());
        }
        for (QWidget *window : windows)
            found += overflows(window);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }

    // What a screen reader says for each control: the text of the label that names it, or the title of the frame
    // around it. A button without a text of its own would otherwise be read out as nothing at all.
    void controlsAreNamedByTheirLabels()
    {
        AppFixture f;
        f.startAndSkipSplash();
        NewAlarmWizard &wizard = f.app->wizard();
        const auto name = [](QWidget *control) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            return accessible ? accessible->text(QAccessible::Name) : QString();
        };
        const auto labelText = [](QWidget *window, const char *label) {
            auto *found = window->findChild<QLabel *>(label);
            return found ? found->text() : QStringLiteral("(no %1)").arg(QLatin1String(label));
        };
        QStringList wrong;
        const auto expect = [&](QWidget *window, const char *control, const QString &wanted) {
            auto *found = window->findChild<QWidget *>(control);
            const QString said = found ? name(found) : QStringLiteral("(missing)");
            if (said != wanted || wanted.isEmpty())
                wrong.append(QStringLiteral("%1/%2 is named \"%3\", not \"%4\"")
                                 .arg(window->objectName(), QLatin1String(control), said, wanted));
        };

        QWidget *chooser = wizard.kindChooser();
        for (const auto &[option, label] :
             { std::pair{ "Option1", "Label1" }, std::pair{ "Option2", "Label2" }, std::pair{ "Option3", "Label3" },
               std::pair{ "Option4", "Label4" }, std::pair{ "Option5", "Label6" } })
            expect(chooser, option, labelText(chooser, label));
        QWidget *options = &f.app->optionsDialog();
        for (const auto &[box, label] : { std::pair{ "Check1", "Label1" }, std::pair{ "Check2", "Label2" },
                                          std::pair{ "Check3", "Label3" }, std::pair{ "Check4", "Label4" } })
            expect(options, box, labelText(options, label));
        expect(&f.app->mainWindow(), "File1", QStringLiteral("Alarms"));
        expect(wizard.soundChooser(), "File1", labelText(wizard.soundChooser(), "Label1"));
        expect(wizard.soundChooser(), "Dir1", QStringLiteral("Folders"));
        expect(wizard.soundChooser(), "Text1", QStringLiteral("File name"));
        const auto role = [&wrong](QWidget *window, QAccessible::Role wanted) {
            if (QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(window);
                !accessible || accessible->role() != wanted)
                wrong.append(window->objectName() + QStringLiteral(" has not the role %1").arg(int(wanted)));
        };
        role(chooser, QAccessible::Dialog);
        role(wizard.soundChooser(), QAccessible::Dialog);
        NoticeWindow notice(Occurrence{ AlarmKind::Daily, {}, {}, {} },
                            NoticeServices{ f.app->state(), f.clock, f.fakes.sound, f.prompter, {} });
        role(&notice, QAccessible::Notification);
        expect(&notice, "Text1", QStringLiteral("Alarm text"));
        for (AlarmKind kind : allKinds) {
            QWidget *editor = wizard.editor(kind);
            role(editor, QAccessible::Dialog);
            // The frame around the sound controls, "Advanced options", names neither of them.
            expect(editor, "Check1", labelText(editor, "Label2"));
            expect(editor, "Text7", QStringLiteral("Sound file"));
            expect(editor, "Command2", QStringLiteral("Show advanced options"));
            for (QLineEdit *field : editor->findChildren<QLineEdit *>()) {
                if (auto *frame = qobject_cast<QGroupBox *>(field->parentWidget());
                    frame && field->objectName() != "Text7")
                    expect(editor, qPrintable(field->objectName()), frame->title());
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    void userTextIsShownAsWritten()
    {
        AppFixture f;
        const QString text = QStringLiteral("<b>Pay</b> <img src=x> if 2 < 3");
        writeBytes(f.store.layout.activePath(AlarmKind::Daily, "<b>x.alm"),
                   "\"" + text.toUtf8() + "\",\"ninguno\",\"7\",\"5\"\r\n");
        f.startAndSkipSplash();
        MainWindow &main = f.app->mainWindow();
        auto *kinds = main.findChild<QComboBox *>("Combo1");
        kinds->setCurrentIndex(kinds->findText("Once a day"));
        emit kinds->activated(kinds->currentIndex());
        main.alarmList()->setCurrentRow(0);
        auto *area = main.findChild<QLabel *>("Label3");
        QCOMPARE(area->text(), text);
        QCOMPARE(area->textFormat(), Qt::PlainText);

        // The program's message boxes show their texts, file names and all, as plain text.
        Qt::TextFormat shownAs = Qt::RichText;
        QTimer::singleShot(0, [&shownAs] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownAs = box->textFormat();
            box->button(QMessageBox::No)->click();
        });
        MessageBoxPrompter().ask(&main, QMessageBox::NoIcon, "Confirm the elimination",
                                 "Are you sure you want to delete: <b>x.alm?", QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(shownAs, Qt::PlainText);
    }

    void aNoticeShowsTheStartOfALongText()
    {
        AppFixture f;
        NoticeWindow notice(Occurrence{ AlarmKind::Daily, {}, {}, {} },
                            NoticeServices{ f.app->state(), f.clock, f.fakes.sound, f.prompter, [] {} });
        const QString text = QStringLiteral("Start here. ") + QString(300, u'x');
        notice.setText(text);
        auto *shown = notice.findChild<QLineEdit *>("Text1");
        QCOMPARE(shown->text(), text);
        QCOMPARE(shown->cursorPosition(), 0);
    }

    void everyWindowCarriesTheProgramIcon()
    {
        AppFixture f;
        f.startAndSkipSplash();
        const QImage icon = f.app->mainWindow().windowIcon().pixmap(32).toImage();
        QVERIFY(!icon.isNull());
        QVERIFY(!f.app->aboutBox().findChild<QLabel *>("picIcon")->pixmap().isNull());
        QMessageBox box;
        for (QWidget *window :
             QList<QWidget *>{ f.app->wizard().kindChooser(), &f.app->optionsDialog(), &f.app->aboutBox(), &box })
            QCOMPARE(window->windowIcon().pixmap(32).toImage(), icon);
    }
};

QTEST_MAIN(TestWindowTexts)
#include "tst_windowtexts.moc"
