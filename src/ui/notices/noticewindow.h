// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QWidget>

#include <QDateTime>
#include <QElapsedTimer>

#include <array>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brevora {

class Clock;
class Prompter;
class SoundPlayer;
class WallClockAlarm;
struct SharedState;

// What every notice needs from the rest of the program.
struct NoticeServices
{
    SharedState &state;
    const Clock &clock;
    SoundPlayer &sound;
    Prompter &prompter;
    // An acknowledged recurring alarm puts off the next return of set-aside alarms by a full interval.
    std::function<void()> restartReturnCount;
};

// The window that presents one due alarm: its text, its sound, and "Close" to acknowledge it. It acts only on
// the file it was opened for: a name built from a file's content could name another alarm, or a file outside
// the store.
class NoticeWindow : public QWidget
{
    Q_OBJECT
public:
    NoticeWindow(AlarmKind kind, const NoticeServices &services);
    ~NoticeWindow() override;

    // Reads the alarm of the clock's current minute. Fails, leaving the notice unusable, when that alarm is not
    // the file the scheduler found at `duePath` or cannot be read.
    bool load(const QString &duePath);
    // Plays `sound`, the one the scheduler read from the alarm, to its end: the whole program waits for it.
    void playSound(const QString &sound);
    void setText(const QString &text);

    AlarmKind kind() const { return m_kind; }
    bool isUnloaded() const { return m_unloaded; }
    const QString &path() const { return m_path; }
    // The first moment of the minute the alarm was due in.
    const QDateTime &dueMinute() const { return m_dueMinute; }

    // Deletes a one-time alarm's file or sets a recurring one aside, then unloads the notice.
    void acknowledge();
    // The user asked for the notice (from its notification): forward, active, and taking keys at once.
    void bringForward();

signals:
    // The alarm was dealt with: by the user, or by the notice itself once its minute had passed unanswered.
    void answered(bool byUser);
    // The notice is gone, acknowledged or closed by other means; if not acknowledged, its alarm may show
    // again while still due.
    void unloaded(bool acknowledged);
    // The file could not be deleted or set aside; `reason` says why.
    void acknowledgeFailed(const QString &path, const QString &reason);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dismissIfMinutePassed();
    void answer(bool byUser);

    AlarmKind m_kind;
    NoticeServices m_services;
    QLineEdit *m_text = nullptr;
    QPushButton *m_close = nullptr;
    std::unique_ptr<WallClockAlarm> m_dismissAlarm; // rings at the end of the alarm's minute
    QString m_path;
    QDateTime m_dueMinute;
    QElapsedTimer m_shown; // since the notice last appeared unasked; invalid once the user has turned to it
    bool m_acknowledged = false;
    bool m_unloaded = false;
};

} // namespace brevora
