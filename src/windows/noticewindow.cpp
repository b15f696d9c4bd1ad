#include "noticewindow.h"

#include "noticefields.h"
#include "platform/clock.h"
#include "platform/soundplayer.h"
#include "platform/wallclockalarm.h"
#include "settings/sharedstate.h"
#include "store/alarmfile.h"
#include "store/alarmname.h"
#include "store/fileops.h"
#include "windowgeometry.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace brevora {

NoticeWindow::NoticeWindow(AlarmKind kind, const NoticeServices &services)
    : m_kind(kind)
    , m_services(services)
    , m_dismissAlarm(services.clock.createAlarm())
{
    setObjectName(kindInfo(kind).noticeName);
    setWindowTitle(QStringLiteral("Alarm!!"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsSize(4680, 3090));

    // Creation order is tab order: the one-time notice starts at its text, the others at "Close".
    if (kind == AlarmKind::Once) {
        m_text = new QLineEdit(QStringLiteral("Text1"), this);
        m_close = new QPushButton(QStringLiteral("Close"), this);
    } else {
        m_close = new QPushButton(QStringLiteral("Close"), this);
        m_text = new QLineEdit(QStringLiteral("Text1"), this);
    }
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setGeometry(twipsRect(120, 120, 4455, 2295));
    // The text is the alarm's, set again at every check of its minute; typing into it would change nothing.
    m_text->setReadOnly(true);
    m_close->setObjectName(QStringLiteral("Command1"));
    m_close->setGeometry(twipsRect(2880, 2520, 1695, 495));
    connect(m_close, &QPushButton::clicked, this, &NoticeWindow::acknowledge);

    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const QString name = QStringLiteral("Label%1").arg(i + 1);
        m_fields[i] = new QLabel(name, this);
        m_fields[i]->setObjectName(name);
        m_fields[i]->hide();
    }

    m_dismissAlarm->setObjectName(QStringLiteral("Timer1"));
    connect(m_dismissAlarm.get(), &WallClockAlarm::rang, this, &NoticeWindow::dismissIfMinutePassed);
    connect(m_dismissAlarm.get(), &WallClockAlarm::clockJumped, this, &NoticeWindow::dismissIfMinutePassed);
}

NoticeWindow::~NoticeWindow() = default;

bool NoticeWindow::load(const QString &duePath)
{
    move(0, 0);
    // The scheduler read the file a moment ago; when the minute has turned since, the file is not due now.
    const QDateTime now = m_services.clock.now();
    const QString name = dueFileName(m_kind, m_services.clock);
    if (QFileInfo(duePath).fileName().compare(name, Qt::CaseInsensitive) != 0)
        return false;
    const auto record = readAlarmFile(duePath, m_kind);
    if (!record)
        return false;
    m_path = duePath;
    m_dueMinute = minuteStart(now);
    const QStringList fields = record->dueFields();
    const auto labelOf = noticeFieldSlots(m_kind);
    for (qsizetype i = 0; i < fields.size(); ++i)
        m_fields[static_cast<std::size_t>(labelOf[static_cast<std::size_t>(i)])]->setText(fields[i]);
    // The past setting as it is live now, saved or not, decides for the whole life of this notice.
    if (m_services.state.settings.past)
        m_dismissAlarm->arm(nextMinuteBoundary(now));

    if (m_services.state.dueSound != noSound)
        m_services.sound.playSync(m_services.state.dueSound);
    return true;
}

void NoticeWindow::setText(const QString &text)
{
    if (m_text->text() != text) {
        m_text->setText(text);
        m_text->setCursorPosition(0); // a long text shows its start
    }
}

void NoticeWindow::acknowledge()
{
    m_dismissAlarm->disarm();
    QString reason;
    const bool done = m_kind == AlarmKind::Once ? deleteAlarm(reason) : setAlarmAside(reason);
    m_acknowledged = true;
    if (!done)
        emit acknowledgeFailed(m_path, reason);
    close();
}

bool NoticeWindow::deleteAlarm(QString &reason)
{
    if (deleteFileForced(m_path) || !QFileInfo::exists(m_path))
        return true;
    QFile file(m_path);
    if (file.remove())
        return true;
    reason = file.errorString();
    return false;
}

bool NoticeWindow::setAlarmAside(QString &reason)
{
    const StoreLayout &layout = m_services.state.layout;
    const QString name = QFileInfo(m_path).fileName();
    const QString &pastFolder = layout.pastFolder(m_kind);
    QDir().mkpath(pastFolder);
    const QString destination = layout.pastPath(m_kind, name);
    MoveResult result = moveFile(m_path, destination);
    if (result == MoveResult::DestinationExists) {
        // A waiting copy under this name is an older state of the same alarm; the one just shown wins, so
        // the file never stays in its active folder to fire again within the minute.
        const QString waiting = findNameIgnoringCase(pastFolder, name);
        if (!waiting.isEmpty() && deleteFileForced(pastFolder + u'/' + waiting))
            result = moveFile(m_path, destination);
    }
    if (m_services.restartReturnCount)
        m_services.restartReturnCount();
    if (result == MoveResult::Moved || result == MoveResult::SourceMissing)
        return true;
    QFile file(m_path);
    if (result == MoveResult::Failed && file.rename(destination))
        return true;
    reason = result == MoveResult::DestinationExists
        ? QStringLiteral("a file of that name waits in %1").arg(QDir::toNativeSeparators(pastFolder))
        : file.errorString();
    return false;
}

void NoticeWindow::dismissIfMinutePassed()
{
    // Only hour and minute decide: a clock set back a day to the same minute keeps the notice.
    const QTime now = m_services.clock.now().time();
    const QTime due = m_dueMinute.time();
    if (now.hour() != due.hour() || now.minute() != due.minute())
        acknowledge();
    else
        m_dismissAlarm->arm(nextMinuteBoundary(m_services.clock.now()));
}

void NoticeWindow::closeEvent(QCloseEvent *event)
{
    m_dismissAlarm->disarm();
    if (!m_unloaded) {
        m_unloaded = true;
        emit unloaded(m_acknowledged);
    }
    QWidget::closeEvent(event);
}

} // namespace brevora
