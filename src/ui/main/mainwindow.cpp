// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/mainwindow.h"

#include "core/model/alarmfile.h"
#include "core/store/storelayout.h"
#include "os/clock/clock.h"
#include "scheduler/clockdisplay.h"
#include "ui/common/artwork.h"
#include "ui/common/objectnames.h"
#include "ui/common/shell.h"
#include "ui/common/windowgeometry.h"
#include "ui/common/windowreturn.h"
#include "ui/main/alarmdescription.h"
#include "ui/main/alarmlist.h"
#include "ui/main/kindbox.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>

namespace brevora {

namespace {

template<typename Widget>
Widget *place(Widget *widget, const char *name, const QRect &geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

// A clock text wider than its label (a time in a CJK font takes more room than in Liberation Sans) widens the label
// to the left, towards the window's middle, where nothing else is on its line, rather than being cut at the right.
void showClockText(QLabel *label, const QString &text)
{
    label->setText(text);
    const int needed = label->fontMetrics().boundingRect(QRect(), Qt::TextSingleLine, text).width() + label->width()
        - label->contentsRect().width() + 2 * label->margin();
    if (needed > label->width())
        label->setGeometry(label->geometry().adjusted(label->width() - needed, 0, 0, 0));
}

} // namespace

MainWindow::MainWindow(Shell &shell, const StoreLayout &store, const Clock &clock, QWidget *parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_shell(shell)
    , m_layout(store)
    , m_clock(clock)
{
    followWindowActivation();
    setObjectName(objectnames::mainWindow);
    setWindowTitle(QStringLiteral("Brevora"));
    setWindowIcon(programIcon());
    m_menu = buildMainMenu(menuBar());
    auto *client = new QWidget(this);
    client->setFixedSize(twips(5760), twips(4950));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    buildControls(client);
    connectCommands();
}

void MainWindow::buildControls(QWidget *client)
{
    m_kindBox = place(new KindBox(client), "Combo1", twipsRect(120, 360, 2055, 315));
    m_kindBox->setEditText(noKindCaption());
    QList<QKeySequence> menuKeys;
    for (const QAction *item :
         { m_menu.deleteAll, m_menu.deleteAllOfKind, m_menu.hide, m_menu.importAlarms, m_menu.exportAlarms, m_menu.exit,
           m_menu.newAlarm, m_menu.deleteAlarm, m_menu.changeAlarm, m_menu.options, m_menu.help, m_menu.about }) {
        menuKeys.append(item->shortcuts());
    }
    m_kindBox->leaveKeysToMenus(menuKeys);
    m_list = place(new AlarmList(client), "File1", twipsRect(120, 840, 2055, 3405));
    m_list->setDescribe([this](const QString &fileName) {
        const auto kind = listedKind();
        return kind ? describeAlarm(*kind, m_list->folder() + u'/' + fileName, m_list->names(), m_clock.now())
                    : QString();
    });
    m_new = place(new QPushButton(tr("New"), client), "Command1", twipsRect(3600, 840, 2055, 495));
    m_delete = place(new QPushButton(tr("Delete"), client), "Command2", twipsRect(3600, 1440, 2055, 495));
    auto *frame = place(new QGroupBox(tr("Alarm text"), client), "Frame2", twipsRect(2280, 2040, 3375, 2175));
    m_text = place(new QLabel(frame), "Label3", twipsRect(120, 240, 3135, 1815));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_weekday = place(new QLabel(QStringLiteral("Label4"), client), "Label4", twipsRect(3480, 120, 1095, 255));
    m_date = place(new QLabel(QStringLiteral("Label2"), client), "Label2", twipsRect(4680, 120, 975, 255));
    m_time = place(new QLabel(QStringLiteral("Label1"), client), "Label1", twipsRect(4680, 480, 975, 255));
    for (QLabel *clock : { m_weekday, m_date, m_time })
        clock->setTextFormat(Qt::PlainText);

    setTabOrder(m_list, m_new);
    setTabOrder(m_new, m_delete);
    setTabOrder(m_delete, m_kindBox);
    m_list->setFocus();
}

void MainWindow::connectCommands()
{
    // Only a choice from the list moves the browser; typing into the box changes nothing until it is used.
    connect(m_kindBox, &KindBox::chosenFromList, this, &MainWindow::chooseKind);
    connect(m_list, &AlarmList::itemSelectionChanged, this, &MainWindow::showSelectedAlarm);
    connect(m_new, &QPushButton::clicked, this, [this] { m_shell.startNewAlarm(); });
    connect(m_menu.newAlarm, &QAction::triggered, this, [this] { m_shell.startNewAlarm(); });
    connect(m_delete, &QPushButton::clicked, this, &MainWindow::deleteAlarmRequested);
    connect(m_menu.deleteAlarm, &QAction::triggered, this, &MainWindow::deleteAlarmRequested);
    connect(m_menu.changeAlarm, &QAction::triggered, this, &MainWindow::requestChange);
    connect(m_list, &AlarmList::itemActivated, this, &MainWindow::requestChange);
    connect(m_menu.deleteAllOfKind, &QAction::triggered, this, &MainWindow::deleteAllOfKindRequested);
    connect(m_menu.deleteAll, &QAction::triggered, this, &MainWindow::deleteAllRequested);
    connect(m_menu.importAlarms, &QAction::triggered, this, &MainWindow::importAlarmsRequested);
    connect(m_menu.exportAlarms, &QAction::triggered, this, &MainWindow::exportAlarmsRequested);
    connect(m_menu.hide, &QAction::triggered, this, [this] { m_shell.hideProgram(); });
    connect(m_menu.exit, &QAction::triggered, this, [this] { m_shell.exitProgram(); });
    connect(m_menu.options, &QAction::triggered, this, [this] { m_shell.showOptions(); });
    connect(m_menu.help, &QAction::triggered, this, [this] { m_shell.showHelp(); });
    connect(m_menu.about, &QAction::triggered, this, [this] { m_shell.showAbout(); });
}

void MainWindow::showClock(const ClockTexts &texts)
{
    showClockText(m_time, texts.time);
    showClockText(m_date, texts.date);
    showClockText(m_weekday, shownWeekday(texts.weekday));
}

QString MainWindow::shownWeekday(const QString &englishName)
{
    // The clock names the day as the alarm files do; the window says it in the user's language.
    static const char *const names[]
        = { QT_TR_NOOP("Monday"), QT_TR_NOOP("Tuesday"),  QT_TR_NOOP("Wednesday"), QT_TR_NOOP("Thursday"),
            QT_TR_NOOP("Friday"), QT_TR_NOOP("Saturday"), QT_TR_NOOP("Sunday") };
    for (const char *name : names) {
        if (englishName == QLatin1String(name))
            return tr(name);
    }
    return englishName;
}

void MainWindow::fillKindList()
{
    const QSignalBlocker quiet(m_kindBox);
    const QString text = m_kindBox->currentText();
    m_kindBox->clear();
    for (AlarmKind kind : kindListOrder)
        m_kindBox->addItem(shownKindCaption(kind));
    m_kindBox->setCurrentIndex(-1);
    m_kindBox->setEditText(text);
}

QString MainWindow::kindText() const
{
    return m_kindBox->currentText();
}

QString MainWindow::selectedAlarmPath() const
{
    return m_list->selectedPath();
}

void MainWindow::reloadAlarmList()
{
    m_list->reload();
}

QString MainWindow::alarmText() const
{
    return m_text->text();
}

void MainWindow::clearAlarmText()
{
    m_text->clear();
}

void MainWindow::chooseKind()
{
    if (const auto kind = kindFromCaption(kindText()))
        m_list->setFolder(m_layout.activeFolder(*kind));
}

void MainWindow::showSelectedAlarm()
{
    const auto kind = kindFromCaption(kindText());
    const QString path = m_list->selectedPath();
    if (!kind || path.isEmpty()) {
        m_text->clear();
        return;
    }
    // The file is read with the field count of the kind the box names, which need not be the listed kind's;
    // a file that does not hold that many fields, or has gone, shows nothing.
    const auto record = readAlarmFile(path, *kind);
    m_text->setText(record ? record->text() : QString());
}

void MainWindow::requestChange()
{
    const QString path = m_list->selectedPath();
    if (const auto kind = listedKind(); kind && !path.isEmpty())
        emit changeAlarmRequested(*kind, path);
}

std::optional<AlarmKind> MainWindow::listedKind() const
{
    for (AlarmKind kind : allKinds) {
        if (m_layout.activeFolder(kind) == m_list->folder())
            return kind;
    }
    return std::nullopt;
}

void MainWindow::activate()
{
    centreOnScreen(this);
    m_list->reload();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        activate();
    emit visibilityChanged(true);
}

void MainWindow::hideEvent(QHideEvent *event)
{
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        emit visibilityChanged(false);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && returnedFromOwnWindow(this))
        activate();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing never hides to the notification area: it is the program's exit.
    event->accept();
    m_shell.closeAllAndExit();
}

} // namespace brevora
