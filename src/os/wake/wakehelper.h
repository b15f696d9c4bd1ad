// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "os/wake/waker.h"

#include <QDateTime>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace brevora {

// Wakes the machine from suspend at given moments through brevora-wake, the helper that holds the capability for
// it, so that the program needs none. The helper runs as long as this object (it ends when its input closes), and
// says at its start whether it can wake the machine at all: without the capability, or on a system without alarm
// timers, available() stays false and the program simply does not wake the machine.
class WakeHelper : public Waker
{
    Q_OBJECT
public:
    explicit WakeHelper(QObject *parent = nullptr);
    ~WakeHelper() override;

    // Where the helper is looked for: beside the program (a build tree, a portable copy), then where the build
    // installs it.
    static QStringList places();

    // Starts the helper at `program`, or at the first of places() that exists. availabilityKnown tells when its
    // answer has come.
    void start(const QString &program);
    void start() override { start(QString()); }
    // Waits up to `msecs` for the helper's answer, for a caller without an event loop; false when none came.
    bool waitForAnswer(int msecs);
    bool available() const override { return m_state == State::Ready; }
    // The helper this object starts, or would start: the first of places() there is, else the installed one.
    static QString helperPath();
    // Why the machine cannot be woken, for a line on the error output; empty while starting and when available.
    QString reason() const override { return m_reason; }
    QString program() const override { return m_process.program().isEmpty() ? helperPath() : m_process.program(); }

    // Replaces the moments to wake the machine at; none disarms them all. Only the earliest eight are kept, each
    // rounded up to its second, so that the machine never wakes before the moment asked for. False when the helper
    // is not available.
    bool setMoments(const QList<QDateTime> &moments) override;

signals:
    // One of the moments set has come.
    void rang(const QDateTime &moment);

private:
    enum class State { Idle, Starting, Ready, Unavailable };
    void readAnswers();
    void becomeUnavailable(const QString &reason);

    QProcess m_process;
    State m_state = State::Idle;
    QString m_reason;
};

} // namespace brevora
