// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

namespace brevora {

class Launcher;
class Prompter;
class Shell;

// The About box: the title, the version, what the program does, and a way to the system's information tool.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    AboutBox(Shell &shell, Launcher &launcher, Prompter &prompter, QWidget *parent = nullptr);

    // "&Sistem info.": the first of these tools found on PATH that starts.
    static QStringList systemInfoTools();
    void startSystemInfo();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Shell &m_shell;
    Launcher &m_launcher;
    Prompter &m_prompter;
};

} // namespace brevora
