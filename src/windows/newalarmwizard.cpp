#include "newalarmwizard.h"

#include "alarmeditor.h"
#include "kindchooser.h"
#include "settings/sharedstate.h"
#include "shell.h"
#include "soundchooser.h"
#include "windowgeometry.h"

namespace brevora {

namespace {

// The marker's text before any editor has been opened; it names none of them.
const QString noEditorMarker = QStringLiteral("Text1");

} // namespace

NewAlarmWizard::NewAlarmWizard(SharedState &state, Prompter &prompter, SoundPlayer &player, Shell &shell,
                               QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_prompter(prompter)
    , m_player(player)
    , m_shell(shell)
{
    if (m_state.activeEditorMarker.isEmpty())
        m_state.activeEditorMarker = noEditorMarker;
}

NewAlarmWizard::~NewAlarmWizard() = default;

void NewAlarmWizard::start()
{
    // A second "New alarm" while a page is open starts over rather than leaving two pages on screen.
    for (const auto &editorWindow : m_editors) {
        if (editorWindow)
            editorWindow->hide();
    }
    if (m_soundChooser)
        m_soundChooser->hide();
    showWindow(kindChooser());
}

KindChooserWindow *NewAlarmWizard::kindChooser()
{
    if (!m_kindChooser) {
        m_kindChooser = std::make_unique<KindChooserWindow>();
        connect(m_kindChooser.get(), &KindChooserWindow::kindChosen, this, &NewAlarmWizard::openEditor);
        connect(m_kindChooser.get(), &KindChooserWindow::cancelled, this, [this] {
            m_kindChooser->hide();
            m_shell.showMainWindow();
        });
        connect(m_kindChooser.get(), &KindChooserWindow::closeBoxPressed, this, [this] { m_shell.closeAllAndExit(); });
    }
    return m_kindChooser.get();
}

AlarmEditorWindow *NewAlarmWizard::editor(AlarmKind kind)
{
    auto &slot = m_editors[static_cast<std::size_t>(kind)];
    if (!slot) {
        slot = std::make_unique<AlarmEditorWindow>(kind, m_state.layout, m_prompter);
        connect(slot.get(), &AlarmEditorWindow::backRequested, this, [this] { showWindow(kindChooser()); });
        connect(slot.get(), &AlarmEditorWindow::browseRequested, this, [this] { showWindow(soundChooser()); });
        connect(slot.get(), &AlarmEditorWindow::created, this, [this] { m_shell.showMainWindow(); });
        connect(slot.get(), &AlarmEditorWindow::closeBoxPressed, this, [this] { m_shell.closeAllAndExit(); });
    }
    return slot.get();
}

SoundChooserWindow *NewAlarmWizard::soundChooser()
{
    if (!m_soundChooser) {
        m_soundChooser = std::make_unique<SoundChooserWindow>(m_player);
        connect(m_soundChooser.get(), &SoundChooserWindow::accepted, this,
                [this](const QString &path) { returnFromSoundChooser(&path); });
        connect(m_soundChooser.get(), &SoundChooserWindow::cancelled, this,
                [this] { returnFromSoundChooser(nullptr); });
        connect(m_soundChooser.get(), &SoundChooserWindow::closeBoxPressed, this,
                [this] { m_shell.closeAllAndExit(); });
    }
    return m_soundChooser.get();
}

void NewAlarmWizard::openEditor(AlarmKind kind)
{
    kindChooser()->hide();
    AlarmEditorWindow *page = editor(kind);
    showWindow(page);
    // Folded once shown, when the frame is known; then centred at the width it keeps.
    page->collapsePanel();
    centreOnScreen(page);
    m_state.activeEditorMarker = editorMarker(kind);
    page->emptyFields();
}

void NewAlarmWizard::showWindow(QWidget *window)
{
    window->show();
    window->activateWindow();
}

void NewAlarmWizard::returnFromSoundChooser(const QString *chosenPath)
{
    for (AlarmKind kind :
         { AlarmKind::Once, AlarmKind::Yearly, AlarmKind::Monthly, AlarmKind::Weekly, AlarmKind::Daily }) {
        if (m_state.activeEditorMarker != editorMarker(kind))
            continue;
        AlarmEditorWindow *page = editor(kind);
        showWindow(page);
        centreOnScreen(page);
        if (chosenPath)
            page->setSoundPath(*chosenPath);
        return;
    }
    // A marker that names no editor leaves no window on screen; the program runs on behind its tray icon.
}

} // namespace brevora
