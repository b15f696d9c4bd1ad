// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/optionsdialog.h"

#include "core/settings/sharedstate.h"
#include "os/session/logonstart.h"
#include "os/session/programend.h"
#include "ui/common/clickablelabel.h"
#include "ui/common/objectnames.h"
#include "ui/common/prompter.h"
#include "ui/common/windowgeometry.h"
#include "ui/common/windowreturn.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QPushButton>

namespace brevora {

namespace {

const QString programTitle = QStringLiteral("Brevora");

} // namespace

OptionsDialog::OptionsDialog(SharedState &state, LogonStart &logonStart, Prompter &prompter, ProgramEnd &programEnd,
                             QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowCloseButtonHint)
    , m_state(state)
    , m_logonStart(logonStart)
    , m_prompter(prompter)
    , m_programEnd(programEnd)
{
    followWindowActivation();
    setObjectName(objectnames::options);
    setWindowTitle(tr("Options"));
    // Grown by one row below the buttons for the repeat box, so that the older controls keep their places.
    setFixedSize(twipsSize(4620, 3255));

    m_startup = addSetting(QStringLiteral("1"), tr("Run on startup"), twipsRect(240, 240, 255, 255),
                           twipsRect(600, 240, 3615, 495));
    m_hide = addSetting(QStringLiteral("2"), tr("Run hidden"), twipsRect(240, 840, 255, 255),
                        twipsRect(600, 840, 3615, 375));
    m_past = addSetting(QStringLiteral("3"), tr("Show the alarms only while it's the programmed hour"),
                        twipsRect(240, 1440, 255, 255), twipsRect(600, 1440, 3735, 495));
    m_repeat = addSetting(QStringLiteral("4"), tr("Repeat the sound until the notice is answered"),
                          twipsRect(240, 2640, 255, 255), twipsRect(600, 2640, 3735, 495));

    m_save = new QPushButton(tr("Save"), this);
    m_save->setObjectName(QStringLiteral("cmdOK"));
    m_save->setGeometry(twipsRect(2040, 2040, 1095, 375));
    // Enter on a check box saves, even after the focus passed Cancel on its way there.
    m_save->setDefault(true);
    connect(m_save, &QPushButton::clicked, this, &OptionsDialog::save);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cancel->setGeometry(twipsRect(3240, 2040, 1095, 375));
    // Esc rejects the dialog too: both only hide it and leave the boxes as they are, still live.
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(m_save, m_cancel);
    setTabOrder(m_cancel, m_startup);
    setTabOrder(m_startup, m_past);
    setTabOrder(m_past, m_hide);
    setTabOrder(m_hide, m_repeat);
    m_save->setFocus();

    const LiveSettings live = m_state.settings;
    showBoxes(live.startup, live.past, live.hide);
    m_repeat->setChecked(live.repeat);
    for (QCheckBox *box : { m_startup, m_hide, m_past, m_repeat })
        connect(box, &QCheckBox::toggled, this, &OptionsDialog::followBoxes);
}

QCheckBox *OptionsDialog::addSetting(const QString &number, const QString &caption, const QRect &box,
                                     const QRect &label)
{
    auto *check = new QCheckBox(this);
    check->setObjectName(QStringLiteral("Check") + number);
    check->setGeometry(box);
    auto *text = new ClickableLabel(
        caption, [check] { check->toggle(); }, this);
    text->setObjectName(QStringLiteral("Label") + number);
    text->setGeometry(label);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The box has no text of its own: a screen reader names it by the label beside it.
    check->setAccessibleName(text->text());
    return check;
}

void OptionsDialog::showBoxes(bool startup, bool past, bool hide)
{
    m_startup->setChecked(startup);
    m_past->setChecked(past);
    m_hide->setChecked(hide);
}

void OptionsDialog::followBoxes()
{
    m_state.settings.startup = m_startup->isChecked();
    m_state.settings.past = m_past->isChecked();
    m_state.settings.hide = m_hide->isChecked();
    m_state.settings.repeat = m_repeat->isChecked();
}

void OptionsDialog::reload()
{
    const QString folder = m_state.layout.settingsFolder();
    const std::optional<bool> startup = readSettingFile(settingFilePath(folder, Setting::Startup));
    const std::optional<bool> past = readSettingFile(settingFilePath(folder, Setting::Past));
    const std::optional<bool> hide = readSettingFile(settingFilePath(folder, Setting::Hide));
    if (startup && past && hide)
        showBoxes(*startup, *past, *hide);
    // Its own file alone decides the repeat box: it came later, and an older program leaves it out.
    if (const std::optional<bool> repeat = readSettingFile(settingFilePath(folder, Setting::Repeat)))
        m_repeat->setChecked(*repeat);
}

bool OptionsDialog::writeFiles()
{
    const QString folder = m_state.layout.settingsFolder();
    const LiveSettings boxes{ m_past->isChecked(), m_startup->isChecked(), m_hide->isChecked(), m_repeat->isChecked() };
    const SettingsSave save
        = saveSettings(folder, boxes, { Setting::Startup, Setting::Past, Setting::Hide, Setting::Repeat });
    if (save.failedFiles.isEmpty())
        return true;
    m_prompter.ask(this, QMessageBox::Warning, programTitle,
                   tr("These settings files could not be saved in \"%1\": %2. The settings stay in effect "
                      "until the program ends.\n\n%3")
                       .arg(QDir::toNativeSeparators(folder), save.failedFiles.join(QStringLiteral(", ")),
                            save.reasons.join(u'\n')),
                   QMessageBox::Ok);
    return false;
}

void OptionsDialog::save()
{
    const bool filesWritten = writeFiles();
    // Off says only that this copy is not to start; an entry that starts another copy is that copy's. On takes it.
    const bool leave = !m_startup->isChecked() && m_logonStart.heldByAnotherCopy();
    const LogonOutcome outcome = leave ? LogonOutcome{} : m_logonStart.set(m_startup->isChecked());
    const QString code = QString::number(outcome.code);
    switch (outcome.step) {
    case LogonOutcome::Step::Done:
        break;
    case LogonOutcome::Step::OpenFailed:
        // Nothing was registered: the dialog stays for another try.
        m_prompter.ask(this, QMessageBox::NoIcon, programTitle, tr("Error %1 opening key\r\n").arg(code),
                       QMessageBox::Ok);
        return;
    case LogonOutcome::Step::SetFailed:
        m_prompter.ask(this, QMessageBox::NoIcon, programTitle, tr("Error %1 setting key\r\n").arg(code),
                       QMessageBox::Ok);
        break;
    case LogonOutcome::Step::OtherFailed:
        m_prompter.ask(this, QMessageBox::NoIcon, programTitle, code + u' ' + outcome.description, QMessageBox::Ok);
        break;
    }
    if (filesWritten)
        hide();
}

bool OptionsDialog::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    // A visit to another application, or an answered message box, keeps the user's unsaved changes.
    if (event->type() == QEvent::Show || (event->type() == QEvent::WindowActivate && returnedFromOwnWindow(this))) {
        reload();
        centreOnScreen(this);
    }
    return handled;
}

void OptionsDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_programEnd.endNow();
}

} // namespace brevora
