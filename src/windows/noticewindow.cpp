#include "noticewindow.h"

#include "noticefields.h"
#include "platform/clock.h"
#include "platform/soundplayer.h"
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
#include <QTimer>

namespace brevora {

NoticeWindow::NoticeWindow(AlarmKind kind, const NoticeServices &services)
    : m_kind(kind)
    , m_services(services)
    , m_dismissTimer(new QTimer(this))
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
    // The text is the alarm's, set again on every tick of its minute; typing into it would change nothing.
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

    m_dismissTimer->setObjectName(QStringLiteral("Timer1"));
    connect(m_dismissTimer, &QTimer::timeout, this, &NoticeWindow::dismissIfMinutePassed);
}

NoticeWindow::~NoticeWindow() = default;

bool NoticeWindow::load(const QString &duePath)
{
    move(0, 0);
    // The scheduler read the file a moment ago; when the minute has turned since, the clock names another
    // alarm, and showing this one would let Close act on a file it does not show.
    const QString name = dueFileName(m_kind, m_services.clock);
    if (QFileInfo(duePath).fileName().compare(name, Qt::CaseInsensitive) != 0)
        return false;
    const auto record = readAlarmFile(duePath, m_kind);
    if (!record)
        return false;
    const QStringList fields = record->dueFields();
    const auto labelOf = noticeFieldSlots(m_kind);
    for (qsizetype i = 0; i < fields.size(); ++i)
        m_fields[static_cast<std::size_t>(labelOf[static_cast<std::size_t>(i)])]->setText(fields[i]);
    // The past setting as it is live now, saved or not, decides for the whole life of this notice.
    if (m_services.state.settings.past)
        m_dismissTimer->start(10);

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

QStringList NoticeWindow::dueFields() const
{
    QStringList fields;
    for (int slot : noticeFieldSlots(m_kind))
        fields.append(m_fields[static_cast<std::size_t>(slot)]->text());
    return fields;
}

void NoticeWindow::acknowledge()
{
    m_dismissTimer->stop();
    const QString builtName = alarmFileName(m_kind, dueFields());
    const QString &folder = m_services.state.layout.activeFolder(m_kind);
    const QString name = findNameIgnoringCase(folder, builtName);
    if (!name.isEmpty()) {
        const bool done = m_kind == AlarmKind::Once ? deleteFileForced(folder + u'/' + name) : setAlarmAside(name);
        if (!done)
            qWarning("Brevora: the alarm file %s could not be %s",
                     qPrintable(QDir::toNativeSeparators(folder + u'/' + name)),
                     m_kind == AlarmKind::Once ? "deleted" : "set aside");
    }
    close();
}

bool NoticeWindow::setAlarmAside(const QString &name)
{
    const StoreLayout &layout = m_services.state.layout;
    const QString source = layout.activePath(m_kind, name);
    const QString &pastFolder = layout.pastFolder(m_kind);
    QDir().mkpath(pastFolder);
    MoveResult result = moveFile(source, layout.pastPath(m_kind, name));
    if (result == MoveResult::DestinationExists) {
        // A waiting copy under this name is an older state of the same alarm; the one just shown wins, so
        // the file never stays in its active folder to fire again within the minute.
        const QString waiting = findNameIgnoringCase(pastFolder, name);
        if (!waiting.isEmpty() && deleteFileForced(pastFolder + u'/' + waiting))
            result = moveFile(source, layout.pastPath(m_kind, name));
    }
    if (m_services.restartReturnCount)
        m_services.restartReturnCount();
    return result == MoveResult::Moved;
}

void NoticeWindow::dismissIfMinutePassed()
{
    const QTime now = m_services.clock.now().time();
    if (m_fields[3]->text().toInt() != now.hour() || m_fields[4]->text().toInt() != now.minute())
        acknowledge();
}

void NoticeWindow::closeEvent(QCloseEvent *event)
{
    m_dismissTimer->stop();
    if (!m_unloaded) {
        m_unloaded = true;
        emit unloaded();
    }
    QWidget::closeEvent(event);
}

} // namespace brevora
