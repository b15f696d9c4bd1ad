#pragma once

#include "store/alarmkind.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace brevora {

class Clock;
class SoundPlayer;
struct SharedState;

// What every notice needs from the rest of the program.
struct NoticeServices
{
    SharedState &state;
    const Clock &clock;
    SoundPlayer &sound;
    // An acknowledged recurring alarm puts off the next return of set-aside alarms by a full interval.
    std::function<void()> restartReturnCount;
};

// The window that presents one due alarm: its text, its sound, and "Close" to acknowledge it. The due
// date and time it keeps in hidden labels name the alarm's file, so Close acts on the alarm it shows.
class NoticeWindow : public QWidget
{
    Q_OBJECT
public:
    NoticeWindow(AlarmKind kind, const NoticeServices &services);
    ~NoticeWindow() override;

    // Reads the alarm of the clock's current minute and plays the due sound. Fails, leaving the notice
    // unusable, when that alarm is not the file the scheduler found at `duePath` or cannot be read.
    bool load(const QString &duePath);
    void setText(const QString &text);

    AlarmKind kind() const { return m_kind; }
    bool isUnloaded() const { return m_unloaded; }

    // Deletes a one-time alarm's file or sets a recurring one aside, then unloads the notice.
    void acknowledge();

signals:
    // The notice is gone, acknowledged or closed by other means; its alarm may show again if still due.
    void unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QStringList dueFields() const;
    bool setAlarmAside(const QString &name);
    void dismissIfMinutePassed();

    AlarmKind m_kind;
    NoticeServices m_services;
    QLineEdit *m_text = nullptr;
    QPushButton *m_close = nullptr;
    QTimer *m_dismissTimer;
    std::array<QLabel *, 5> m_fields{};
    bool m_unloaded = false;
};

} // namespace brevora
