// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wizard/newalarmwizard.h"

#include "core/model/alarmfile.h"
#include "core/settings/sharedstate.h"
#include "ui/common/prompter.h"
#include "ui/common/shell.h"
#include "ui/common/windowgeometry.h"
#include "ui/wizard/alarmeditor.h"
#include "ui/wizard/kindchooser.h"
#include "ui/wizard/soundchooser.h"

#include <QDir>

namespace brevora {

NewAlarmWizard::NewAlarmWizard(SharedState &state, Prompter &prompter, SoundPlayer &player, Shell &shell,
                               QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_prompter(prompter)
    , m_player(player)
    , m_shell(shell)
{ }

NewAlarmWizard::~NewAlarmWizard() = default;

void NewAlarmWizard::start()
{
    m_changing.reset();
    hideAll();
    showWindow(kindChooser());
}

bool NewAlarmWizard::change(AlarmKind kind, const QString &path)
{
    m_changing.emplace(kind, path);
    return openChange(kind, path, kind);
}

bool NewAlarmWizard::openChange(AlarmKind kind, const QString &path, AlarmKind into)
{
    const std::optional<AlarmRecord> record = readAlarmFile(path, kind);
    if (!record) {
        m_prompter.ask(nullptr, QMessageBox::Critical, QStringLiteral("Brevora"),
                       tr("The alarm %1 cannot be changed: its file cannot be read, or does not hold the fields "
                          "of its kind.")
                           .arg(QDir::toNativeSeparators(path)),
                       QMessageBox::Ok);
        return false;
    }
    hideAll();
    AlarmEditorWindow *page = editor(into);
    page->collapsePanel();
    page->emptyFields();
    page->startChange(path, kind, *record);
    showWindow(page);
    centreOnScreen(page);
    m_activeEditor = into;
    return true;
}

void NewAlarmWizard::cancelChange(QWidget *page)
{
    page->hide();
    m_shell.showMainWindow();
}

void NewAlarmWizard::hideAll()
{
    // A second "New alarm" while a page is open starts over rather than leaving two pages on screen.
    for (const auto &editorWindow : m_editors) {
        if (editorWindow)
            editorWindow->hide();
    }
    if (m_soundChooser)
        m_soundChooser->hide();
    if (m_kindChooser)
        m_kindChooser->hide();
}

QWidget *NewAlarmWizard::shownPage() const
{
    QList<QWidget *> pages{ m_kindChooser.get(), m_soundChooser.get() };
    for (const auto &editorWindow : m_editors)
        pages.append(editorWindow.get());
    for (QWidget *page : pages)
        if (page && page->isVisible())
            return page;
    return nullptr;
}

KindChooserWindow *NewAlarmWizard::kindChooser()
{
    if (!m_kindChooser) {
        m_kindChooser = std::make_unique<KindChooserWindow>();
        connect(m_kindChooser.get(), &KindChooserWindow::kindChosen, this, &NewAlarmWizard::openEditor);
        connect(m_kindChooser.get(), &KindChooserWindow::cancelled, this,
                [this] { cancelChange(m_kindChooser.get()); });
        // Reached from a change, the chooser is part of it: its close box, like the change editor's, cancels.
        connect(m_kindChooser.get(), &KindChooserWindow::closeBoxPressed, this, [this] {
            if (m_changing)
                cancelChange(m_kindChooser.get());
            else
                m_shell.closeAllAndExit();
        });
    }
    return m_kindChooser.get();
}

AlarmEditorWindow *NewAlarmWizard::editor(AlarmKind kind)
{
    auto &slot = m_editors[static_cast<std::size_t>(kind)];
    if (!slot) {
        slot = std::make_unique<AlarmEditorWindow>(kind, m_state.layout, m_prompter);
        connect(slot.get(), &AlarmEditorWindow::backRequested, this, [this, page = slot.get()] {
            // Changing, the chooser offers the alarm's kind to keep or another to move it to; its Cancel leaves
            // the alarm as it was.
            if (page->isChanging())
                kindChooser()->select(page->kind());
            showWindow(kindChooser());
        });
        connect(slot.get(), &AlarmEditorWindow::browseRequested, this, [this] { showWindow(soundChooser()); });
        connect(slot.get(), &AlarmEditorWindow::created, this, [this] { m_shell.showMainWindow(); });
        // Closing the change editor is a cancelled change, not the program's end, as closing the wizard is.
        connect(slot.get(), &AlarmEditorWindow::closeBoxPressed, this, [this, page = slot.get()] {
            if (page->isChanging())
                cancelChange(page);
            else
                m_shell.closeAllAndExit();
        });
    }
    return slot.get();
}

SoundChooserWindow *NewAlarmWizard::soundChooser()
{
    if (!m_soundChooser) {
        m_soundChooser = std::make_unique<SoundChooserWindow>(m_player, m_prompter);
        connect(m_soundChooser.get(), &SoundChooserWindow::accepted, this,
                [this](const QString &path) { returnFromSoundChooser(&path); });
        connect(m_soundChooser.get(), &SoundChooserWindow::cancelled, this,
                [this] { returnFromSoundChooser(nullptr); });
        connect(m_soundChooser.get(), &SoundChooserWindow::closeBoxPressed, this, [this] {
            if (m_activeEditor && editor(*m_activeEditor)->isChanging())
                cancelChange(m_soundChooser.get());
            else
                m_shell.closeAllAndExit();
        });
    }
    return m_soundChooser.get();
}

void NewAlarmWizard::openEditor(AlarmKind kind)
{
    if (m_changing) {
        openChange(m_changing->first, m_changing->second, kind);
        return;
    }
    kindChooser()->hide();
    AlarmEditorWindow *page = editor(kind);
    // Folded before it is shown, so that even a first showing never maps the unfolded window; its width in its
    // frame, and the centring at that width, follow once the window manager has framed it.
    page->collapsePanel();
    page->startNew();
    showWindow(page);
    centreOnScreen(page);
    m_activeEditor = kind;
    page->emptyFields();
}

void NewAlarmWizard::showWindow(QWidget *window)
{
    window->show();
    window->activateWindow();
}

void NewAlarmWizard::returnFromSoundChooser(const QString *chosenPath)
{
    // Before any editor was opened the chooser answers to none, and no window is left on screen; the program
    // runs on behind its tray icon.
    if (!m_activeEditor)
        return;
    AlarmEditorWindow *page = editor(*m_activeEditor);
    showWindow(page);
    centreOnScreen(page);
    if (chosenPath)
        page->setSoundPath(*chosenPath);
}

} // namespace brevora
