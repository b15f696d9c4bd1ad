// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/life/occurrence.h"

#include <QWidget>

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

// The window that presents one occurrence of an alarm: its text, its sound, and "Close" to acknowledge it. It
// acts only on the file the occurrence names: a name built from a file's content could name another alarm, or a
// file outside the store.
class NoticeWindow : public QWidget
{
    Q_OBJECT
public:
    NoticeWindow(const Occurrence &occurrence, const NoticeServices &services);
    ~NoticeWindow() override;

    // Starts the notice's minute. Fails, leaving the notice unusable, when the occurrence's minute has ended
    // since the check that found it.
    bool start();
    // Plays the occurrence's sound to its end: the whole program waits for it. A sound that could not be heard
    // is told by a line on the notice and by soundFailed.
    void playSound();
    void setText(const QString &text);

    const Occurrence &occurrence() const { return m_occurrence; }
    AlarmKind kind() const { return m_occurrence.kind; }
    const QString &path() const { return m_occurrence.path; }
    bool hasSound() const;
    bool isUnloaded() const { return m_unloaded; }

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
    // The alarm's sound could not be heard; `reason` says why, in words that follow "could not be played: ".
    void soundFailed(const QString &reason);
    // The file could not be deleted or set aside; `reason` says why.
    void acknowledgeFailed(const QString &reason);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dismissIfMinutePassed();
    // What a screen reader says of the notice as it appears: the text, and the sound's problem if there is one.
    void describe();
    void answer(bool byUser);

    Occurrence m_occurrence;
    NoticeServices m_services;
    QLineEdit *m_text = nullptr;
    QPushButton *m_close = nullptr;
    QLabel *m_soundProblem = nullptr;
    std::unique_ptr<WallClockAlarm> m_dismissAlarm; // rings at the end of the alarm's minute
    QElapsedTimer m_shown; // since the notice last appeared unasked; invalid once the user has turned to it
    bool m_acknowledged = false;
    bool m_unloaded = false;
};

} // namespace brevora
