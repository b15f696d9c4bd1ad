// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/notices/noticewindow.h"

#include "core/life/lifecycle.h"
#include "core/settings/sharedstate.h"
#include "os/clock/clock.h"
#include "os/clock/wallclockalarm.h"
#include "os/sound/soundplayer.h"
#include "ui/common/accessiblerole.h"
#include "ui/common/objectnames.h"
#include "ui/common/windowgeometry.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>

namespace brevora {

namespace {

// Keys typed this soon after a notice appeared were meant for the window the user was typing in.
constexpr qint64 keysIgnoredMs = 1000;

} // namespace

NoticeWindow::NoticeWindow(const Occurrence &occurrence, const NoticeServices &services)
    : m_occurrence(occurrence)
    , m_services(services)
    , m_dismissAlarm(services.clock.createAlarm())
{
    // A screen reader speaks a notification as it appears, its text included (the window's description), and
    // leaves the keyboard where it was; an alert it would speak only once the alert took the focus.
    setAccessibleRole(this, QAccessible::Notification);
    const AlarmKind kind = occurrence.kind;
    setObjectName(objectnames::notice(kind));
    setWindowTitle(tr("Alarm!!"));
    setAttribute(Qt::WA_DeleteOnClose);
    // An alarm comes while the user may be typing elsewhere: it shows on top but leaves the keyboard where it is.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(twipsSize(4680, 3090));

    // Creation order is tab order: the one-time notice starts at its text, the others at "Close".
    if (kind == AlarmKind::Once) {
        m_text = new QLineEdit(QStringLiteral("Text1"), this);
        m_close = new QPushButton(tr("Close"), this);
    } else {
        m_close = new QPushButton(tr("Close"), this);
        m_text = new QLineEdit(QStringLiteral("Text1"), this);
    }
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setGeometry(twipsRect(120, 120, 4455, 2295));
    // The text is the alarm's, set again at every check of its minute; typing into it would change nothing.
    m_text->setReadOnly(true);
    m_text->setAccessibleName(tr("Alarm text"));
    m_close->setObjectName(QStringLiteral("Command1"));
    m_close->setGeometry(twipsRect(2880, 2520, 1695, 495));
    connect(m_close, &QPushButton::clicked, this, &NoticeWindow::acknowledge);
    m_close->installEventFilter(this);
    m_text->installEventFilter(this);
    // Beside Close, under the text: the only free room in the notice's fixed size, for one short line.
    m_soundProblem = new QLabel(this);
    m_soundProblem->setObjectName(QStringLiteral("SoundProblem"));
    m_soundProblem->setGeometry(twipsRect(120, 2520, 2640, 495));
    m_soundProblem->setWordWrap(true);
    m_soundProblem->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_soundProblem->hide();
    // Not a label to a screen reader, which would speak the notice's labels in place of its description: the
    // line is spoken as part of the description instead.
    setAccessibleRole(m_soundProblem, QAccessible::Paragraph);

    m_dismissAlarm->setObjectName(objectnames::noticeDismissTimer);
    connect(m_dismissAlarm.get(), &WallClockAlarm::rang, this, &NoticeWindow::dismissIfMinutePassed);
    connect(m_dismissAlarm.get(), &WallClockAlarm::clockJumped, this, &NoticeWindow::dismissIfMinutePassed);
}

NoticeWindow::~NoticeWindow() = default;

bool NoticeWindow::start()
{
    move(0, 0);
    // The scheduler read the file a moment ago; when the minute has turned since, the file is not due now.
    const QDateTime now = m_services.clock.now();
    if (minuteHasEnded(m_occurrence, now))
        return false;
    // The past setting as it is live now, saved or not, decides for the whole life of this notice.
    if (m_services.state.settings.past)
        m_dismissAlarm->arm(nextMinuteBoundary(now));
    return true;
}

bool NoticeWindow::hasSound() const
{
    return m_occurrence.sound() != noSound;
}

void NoticeWindow::playSound()
{
    if (!hasSound())
        return;
    const SoundOutcome outcome = m_services.sound.playSync(m_occurrence.sound());
    QString line;
    switch (outcome.problem) {
    case SoundOutcome::Problem::None:
        return;
    case SoundOutcome::Problem::File:
    case SoundOutcome::Problem::NoServer:
        line = tr("The sound could not be played.");
        break;
    case SoundOutcome::Problem::Muted:
        line = tr("The sound is muted.");
        break;
    case SoundOutcome::Problem::Silent:
        line = tr("The sound volume is at zero.");
        break;
    }
    m_soundProblem->setText(line);
    m_soundProblem->setAccessibleName(line);
    m_soundProblem->show();
    describe();
    // The notification carries the whole reason; the notice has room for a line only. The reason names the user's
    // file, which is shown as it is named, never read as markup.
    m_soundProblem->setToolTip(Qt::convertFromPlainText(outcome.reason));
    emit soundFailed(outcome.reason);
}

void NoticeWindow::setText(const QString &text)
{
    if (m_text->text() != text) {
        m_text->setText(text);
        m_text->setCursorPosition(0); // a long text shows its start
        describe();
    }
}

void NoticeWindow::describe()
{
    const QString line = m_soundProblem->text();
    setAccessibleDescription(line.isEmpty() ? m_text->text() : m_text->text() + u'\n' + line);
}

void NoticeWindow::acknowledge()
{
    answer(true);
}

void NoticeWindow::answer(bool byUser)
{
    m_dismissAlarm->disarm();
    QString reason;
    const bool done = acknowledgeAlarm(m_services.state.layout, kind(), path(), reason);
    if (isRecurring(kind()) && m_services.restartReturnCount)
        m_services.restartReturnCount();
    m_acknowledged = true;
    emit answered(byUser);
    if (!done)
        emit acknowledgeFailed(reason);
    close();
}

void NoticeWindow::bringForward()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    m_shown.invalidate(); // after showing, which counts as appearing unasked
}

void NoticeWindow::showEvent(QShowEvent *event)
{
    m_shown.start();
    QWidget::showEvent(event);
    // Where the desktop's accessibility passes alerts on as such, the text is spoken with the window.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

// Where the window system gives a new window the keyboard anyway, the keys still in flight do not answer the alarm.
bool NoticeWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_shown.invalidate();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        if (m_shown.isValid() && !m_shown.hasExpired(keysIgnoredMs))
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void NoticeWindow::dismissIfMinutePassed()
{
    if (minuteHasEnded(m_occurrence, m_services.clock.now()))
        answer(false);
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
