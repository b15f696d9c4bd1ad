// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/wake/wakehelper.h"

#include "os/files/programfolder.h"
#include "wake/wakeprotocol.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>

#include <algorithm>

namespace brevora {

WakeHelper::WakeHelper(QObject *parent)
    : Waker(parent)
{
    // The helper's complaints about refused lines go where the program's own go.
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &WakeHelper::readAnswers);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            becomeUnavailable(QStringLiteral("cannot start %1: %2").arg(m_process.program(), m_process.errorString()));
    });
    connect(&m_process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus) {
        readAnswers(); // an "unable" line may arrive together with the end
        becomeUnavailable(QStringLiteral("brevora-wake ended with status %1").arg(code));
    });
}

WakeHelper::~WakeHelper()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    // The end of its input ends the helper; it is killed only when it does not end by itself.
    m_process.disconnect(this);
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(2000))
        m_process.kill();
    m_process.waitForFinished(1000);
}

QStringList WakeHelper::places()
{
    return { programFolder() + QStringLiteral("/brevora-wake"), QStringLiteral(BREVORA_WAKE_HELPER_INSTALLED) };
}

QString WakeHelper::helperPath()
{
    const QStringList candidates = places();
    const auto found = std::find_if(candidates.begin(), candidates.end(),
                                    [](const QString &place) { return QFileInfo(place).isExecutable(); });
    return found == candidates.end() ? candidates.last() : *found;
}

void WakeHelper::start(const QString &program)
{
    const QString path = program.isEmpty() ? helperPath() : program;
    m_process.setProgram(path);
    if (!QFileInfo(path).isExecutable()) {
        becomeUnavailable(QStringLiteral("no brevora-wake at %1").arg(path));
        return;
    }
    m_state = State::Starting;
    m_reason.clear();
    m_process.start(path, {});
}

bool WakeHelper::waitForAnswer(int msecs)
{
    QDeadlineTimer deadline(msecs);
    while (m_state == State::Starting && !deadline.hasExpired()) {
        if (!m_process.waitForReadyRead(int(std::max<qint64>(deadline.remainingTime(), 1)))
            && m_process.state() == QProcess::NotRunning)
            break;
    }
    return m_state != State::Starting;
}

bool WakeHelper::setMoments(const QList<QDateTime> &moments)
{
    if (!available())
        return false;
    QList<qint64> seconds;
    for (const QDateTime &moment : moments) {
        const qint64 ms = moment.toMSecsSinceEpoch();
        seconds.append(ms / 1000 + (ms % 1000 > 0 ? 1 : 0));
    }
    // The helper refuses repeated instants and more than it can hold, and a moment before 1970 is not one to wake
    // for.
    std::sort(seconds.begin(), seconds.end());
    seconds.erase(std::unique(seconds.begin(), seconds.end()), seconds.end());
    seconds.removeIf([](qint64 s) { return s < 1 || s > wake::latestInstant; });
    QByteArray line;
    for (qsizetype i = 0; i < std::min<qsizetype>(seconds.size(), qsizetype(wake::maxInstants)); ++i)
        line += (i > 0 ? " " : "") + QByteArray::number(seconds[i]);
    return m_process.write(line + '\n') == line.size() + 1;
}

void WakeHelper::readAnswers()
{
    while (m_process.canReadLine()) {
        const QByteArray line = m_process.readLine().trimmed();
        if (line == "ready") {
            m_state = State::Ready;
            emit availabilityKnown(true);
        } else if (line.startsWith("unable: ")) {
            becomeUnavailable(QString::fromUtf8(line.mid(8)));
        } else if (line.startsWith("rang ")) {
            emit rang(QDateTime::fromSecsSinceEpoch(line.mid(5).toLongLong()));
        } else if (line.startsWith("error ")) {
            qWarning("Brevora: brevora-wake refused the moments to wake at: %s", line.mid(6).constData());
        }
    }
}

void WakeHelper::becomeUnavailable(const QString &reason)
{
    if (m_state == State::Unavailable)
        return;
    m_state = State::Unavailable;
    m_reason = reason;
    emit availabilityKnown(false);
}

} // namespace brevora
