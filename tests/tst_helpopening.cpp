// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakelauncher.h"
#include "fakeprompter.h"
#include "storefixture.h"

#include "os/desktop/places.h"
#include "ui/dialogs/helpfile.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

using namespace brevora;
using namespace brevora::test;

// How "Help" chooses between the compiled help, a CHM viewer and the HTML help in the browser, as installed from
// the package: the help file under "brevora/" and the pages under "brevora/html/" of a shared data folder.
class TestHelpOpening : public QObject
{
    Q_OBJECT

    QTemporaryDir m_shared;

    QString chm() const { return m_shared.filePath(QStringLiteral("brevora/Helpfile.chm")); }
    QString html() const { return m_shared.filePath(QStringLiteral("brevora/html/index.html")); }

    static void put(const QString &path, const QByteArray &bytes)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        writeBytes(path, bytes);
    }

    // Only the test's own shared data folder, so that whatever this machine has installed stays out of the way.
    // The guard gives the machine's folders back; its MIME database lives there.
    auto onlyTheSharedFolder()
    {
        const QByteArray home = qgetenv("XDG_DATA_HOME"), dirs = qgetenv("XDG_DATA_DIRS");
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_shared.filePath(QStringLiteral("home"))));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(m_shared.path()));
        return qScopeGuard([home, dirs] {
            home.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", home);
            dirs.isNull() ? qunsetenv("XDG_DATA_DIRS") : qputenv("XDG_DATA_DIRS", dirs);
        });
    }

private slots:
    void cleanup()
    {
        QFile::remove(chm());
        QFile::remove(html());
    }

    void opensWhatCanBeShown_data()
    {
        QTest::addColumn<bool>("hasChm");
        QTest::addColumn<bool>("hasHtml");
        QTest::addColumn<bool>("desktopShowsChm");
        QTest::addColumn<bool>("openerWorks");
        QTest::addColumn<QStringList>("onPath");
        QTest::addColumn<QStringList>("failing");
        QTest::addColumn<QString>("expected"); // what was shown: chm, html, a "via" program, or the message's hint

        const QStringList none;
        QTest::newRow("the desktop's CHM viewer") << true << true << true << true << none << none << "chm";
        QTest::newRow("xchm before the desktop's opener")
            << true << true << true << true << QStringList{ "xchm" } << none << "xchm:chm";
        QTest::newRow("xchm without an opener")
            << true << true << true << false << QStringList{ "xchm" } << none << "xchm:chm";
        QTest::newRow("xchm failing gives way to kchmviewer")
            << true << true << false << true << QStringList{ "xchm", "kchmviewer" } << QStringList{ "xchm" }
            << "kchmviewer:chm";
        QTest::newRow("no CHM viewer: the browser") << true << true << false << true << none << none << "html";
        QTest::newRow("no opener: Debian's browser")
            << true << true << false << false << QStringList{ "x-www-browser" } << none << "x-www-browser:html";
        QTest::newRow("only the pages, in the browser") << false << true << true << true << none << none << "html";
        QTest::newRow("nothing shows either: install xchm")
            << true << true << false << false << QStringList{ "x-www-browser" } << QStringList{ "x-www-browser" }
            << "message:xchm";
        QTest::newRow("only the pages, no browser: install xdg-utils")
            << false << true << true << false << none << none << "message:xdg-utils";
    }

    void opensWhatCanBeShown()
    {
        QFETCH(bool, hasChm);
        QFETCH(bool, hasHtml);
        QFETCH(bool, desktopShowsChm);
        QFETCH(bool, openerWorks);
        QFETCH(QStringList, onPath);
        QFETCH(QStringList, failing);
        QFETCH(QString, expected);
        auto folders = onlyTheSharedFolder();
        if (hasChm)
            put(chm(), "ITSF");
        if (hasHtml)
            put(html(), "<html></html>");

        StoreFixture store;
        FakeLauncher launcher;
        FakePrompter prompter;
        launcher.documentsOpen = openerWorks;
        if (!desktopShowsChm)
            launcher.unhandledSuffixes.insert(QStringLiteral("chm"));
        for (const QString &name : onPath) {
            launcher.onPath.insert(name, "/usr/bin/" + name);
            if (failing.contains(name))
                launcher.failingPrograms.insert("/usr/bin/" + name);
        }

        const bool opened = openHelpFile(store.dir.path(), launcher, prompter);
        const QString target = expected.endsWith(QLatin1String("html")) ? html() : chm();
        if (expected.startsWith(QLatin1String("message:"))) {
            QVERIFY(!opened);
            QCOMPARE(prompter.shown.size(), 1);
            QCOMPARE(prompter.shown[0].icon, QMessageBox::Warning);
            QVERIFY2(prompter.shown[0].text.contains(expected.mid(8)), qPrintable(prompter.shown[0].text));
            QVERIFY(prompter.shown[0].text.contains(QDir::toNativeSeparators(hasChm ? chm() : html())));
            return;
        }
        QVERIFY(opened);
        QVERIFY(prompter.shown.isEmpty());
        if (!expected.contains(u':')) {
            QCOMPARE(launcher.opened.last(), target);
            QVERIFY(launcher.openedWith.isEmpty());
        } else {
            const QString program = "/usr/bin/" + expected.section(u':', 0, 0);
            QCOMPARE(launcher.openedWith.last(), (QStringList{ program, target }));
        }
        // The compiled help is given only to a program that shows it, never to the bare opener.
        if (!desktopShowsChm)
            QVERIFY(!launcher.opened.contains(chm()));
    }

    // The desktop's opener starts even when it has no browser to hand the pages to, and then shows nothing.
    void anOpenerWithNothingToOpenWithCountsAsNothing()
    {
        auto folders = onlyTheSharedFolder();
        put(html(), "<html></html>");
        StoreFixture store;
        FakeLauncher launcher;
        FakePrompter prompter;
        launcher.unhandledSuffixes.insert(QStringLiteral("html"));
        QVERIFY(!openHelpFile(store.dir.path(), launcher, prompter));
        QVERIFY(launcher.opened.isEmpty());
        QCOMPARE(prompter.shown.size(), 1);
        QVERIFY(prompter.shown[0].text.contains(QLatin1String("xdg-utils")));
    }

    void theHelpBesideAPortableProgramComesFirst()
    {
        auto folders = onlyTheSharedFolder();
        put(chm(), "ITSF");
        StoreFixture store;
        QCOMPARE(helpFilePath(store.dir.path()), chm());
        const QString own = store.dir.filePath(QStringLiteral("Help file/Helpfile.chm"));
        put(own, "ITSF");
        QCOMPARE(helpFilePath(store.dir.path()), own);
        QCOMPARE(htmlHelpIndex(), QString());
    }

    void desktopEntriesTellWhichTypesHaveAProgram_data()
    {
        QTest::addColumn<QByteArray>("mimeTypes");
        QTest::addColumn<QString>("document");
        QTest::addColumn<bool>("handled");
        QTest::newRow("the type's own name") << QByteArray("application/vnd.ms-htmlhelp;") << "a.chm" << true;
        QTest::newRow("an alias of it") << QByteArray("text/plain;application/x-chm;") << "a.chm" << true;
        QTest::newRow("another type") << QByteArray("application/pdf;") << "a.chm" << false;
        QTest::newRow("a page") << QByteArray("text/html;") << "index.html" << true;
        QTest::newRow("no types") << QByteArray() << "index.html" << false;
    }

    void desktopEntriesTellWhichTypesHaveAProgram()
    {
        QFETCH(QByteArray, mimeTypes);
        QFETCH(QString, document);
        QFETCH(bool, handled);
        const QString entry = m_shared.filePath(QStringLiteral("applications/viewers/viewer.desktop"));
        put(entry, "[Desktop Entry]\nType=Application\nName=Viewer\nExec=viewer %f\nMimeType=" + mimeTypes + "\n");
        auto removeEntry = qScopeGuard([&] { QFile::remove(entry); });
        QCOMPARE(hasDocumentHandler(m_shared.filePath(document), { m_shared.path() }), handled);
    }
};

QTEST_MAIN(TestHelpOpening)
#include "tst_helpopening.moc"
