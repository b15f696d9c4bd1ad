// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace brevora {

class LogonStart;
class ProgramEnd;
class Prompter;
struct SharedState;

// The options dialog: the settings and the start at log-on. Its check boxes are the program's live settings:
// SharedState::settings follows every change of a box at once, saved or not, until the next activation
// reloads the boxes from the files.
class OptionsDialog : public QDialog
{
    Q_OBJECT
public:
    OptionsDialog(SharedState &state, LogonStart &logonStart, Prompter &prompter, ProgramEnd &programEnd,
                  QWidget *parent = nullptr);

    // Sets the boxes from the settings files; with any of the first three unreadable, none of those three changes.
    void reload();
    // "Save": the four files, then the log-on registration; hides when that went well.
    void save();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QCheckBox *addSetting(const QString &number, const QString &caption, const QRect &box, const QRect &label);
    void showBoxes(bool startup, bool past, bool hide);
    void followBoxes();
    bool writeFiles();

    SharedState &m_state;
    LogonStart &m_logonStart;
    Prompter &m_prompter;
    ProgramEnd &m_programEnd;
    QCheckBox *m_startup;
    QCheckBox *m_hide;
    QCheckBox *m_past;
    QCheckBox *m_repeat;
    QPushButton *m_save;
    QPushButton *m_cancel;
};

} // namespace brevora
