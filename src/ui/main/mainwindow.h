// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"
#include "ui/main/mainmenu.h"

#include <QMainWindow>

#include <optional>

class QLabel;
class QPushButton;

namespace brevora {

class AlarmList;
class Clock;
class KindBox;
class Shell;
class StoreLayout;
struct ClockTexts;

// The main window, the alarm browser: a kind box, the alarm files of the chosen kind, the selected alarm's text,
// the clock and the menus. Closing it ends the program.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(Shell &shell, const StoreLayout &layout, const Clock &clock, QWidget *parent = nullptr);

    void showClock(const ClockTexts &texts);
    // Puts the five kind captions into the kind box's list; its text stays as it was.
    void fillKindList();

    // The kind box's text as it reads now, typed or chosen: every kind-dependent command goes by it.
    QString kindText() const;
    AlarmList *alarmList() const { return m_list; }
    // The selected alarm's full path, or an empty string.
    QString selectedAlarmPath() const;
    void reloadAlarmList();
    QString alarmText() const;
    void clearAlarmText();
    const MainMenu &menu() const { return m_menu; }

signals:
    // "Delete" and "Delete alarm": the selected alarm.
    void deleteAlarmRequested();
    // "Delete all alarms of this type": the kind the kind box names.
    void deleteAllOfKindRequested();
    // "Change alarm", a double-click or Enter on an alarm: the selected alarm, of the listed folder's kind.
    void changeAlarmRequested(AlarmKind kind, const QString &path);
    // "Delete all alarms".
    void deleteAllRequested();
    // "Import alarms..." and "Export alarms...": the alarms from and to a calendar file.
    void importAlarmsRequested();
    void exportAlarmsRequested();
    // The window appeared or went, for whatever follows its visibility.
    void visibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    static QString shownWeekday(const QString &englishName);

    void buildControls(QWidget *client);
    void connectCommands();
    void chooseKind();
    void showSelectedAlarm();
    void requestChange();
    // The kind whose active folder is listed, if the list shows one.
    std::optional<AlarmKind> listedKind() const;
    // Each time the user comes to the window: centred, the list re-read.
    void activate();

    Shell &m_shell;
    const StoreLayout &m_layout;
    const Clock &m_clock;
    MainMenu m_menu{};
    KindBox *m_kindBox = nullptr;
    AlarmList *m_list = nullptr;
    QPushButton *m_new = nullptr;
    QPushButton *m_delete = nullptr;
    QLabel *m_text = nullptr;
    QLabel *m_time = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_weekday = nullptr;
};

} // namespace brevora
