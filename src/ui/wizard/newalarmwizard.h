// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QObject>

#include <array>
#include <memory>
#include <optional>
#include <utility>

namespace brevora {

class AlarmEditorWindow;
class KindChooserWindow;
class Prompter;
class Shell;
class SoundChooserWindow;
class SoundPlayer;
struct SharedState;

// The new-alarm wizard: the kind chooser (Form2), the five editors (Form3 to Form7) and the sound-file
// chooser (Form8). Each window is created on first use and afterwards only hidden and shown, so its
// controls keep their contents. The sound chooser answers to the editor opened last.
// The state, prompter, player and shell must outlive the wizard.
class NewAlarmWizard : public QObject
{
    Q_OBJECT
public:
    NewAlarmWizard(SharedState &state, Prompter &prompter, SoundPlayer &player, Shell &shell,
                   QObject *parent = nullptr);
    ~NewAlarmWizard() override;

    // Shows the kind chooser; the caller has hidden the main window.
    void start();
    // Opens the editor of `kind` filled with the alarm at `path`; false, having said why, when the file cannot
    // be read as an alarm of that kind. Its Back offers the kind chooser at that kind, to move the alarm to
    // another kind; its close box, as the chooser's Cancel, leaves the alarm as it was.
    bool change(AlarmKind kind, const QString &path);

    // The wizard's windows, each created when first asked for.
    KindChooserWindow *kindChooser();
    AlarmEditorWindow *editor(AlarmKind kind);
    SoundChooserWindow *soundChooser();
    // The page on screen (chooser, editor or sound chooser), if any.
    QWidget *shownPage() const;
    // The editor the sound chooser returns to: the one the kind chooser opened last, none before the first.
    std::optional<AlarmKind> activeEditor() const { return m_activeEditor; }

private:
    void openEditor(AlarmKind kind);
    bool openChange(AlarmKind kind, const QString &path, AlarmKind into);
    void cancelChange(QWidget *page);
    void hideAll();
    void showWindow(QWidget *window);
    void returnFromSoundChooser(const QString *chosenPath);

    SharedState &m_state;
    Prompter &m_prompter;
    SoundPlayer &m_player;
    Shell &m_shell;
    std::unique_ptr<KindChooserWindow> m_kindChooser;
    std::array<std::unique_ptr<AlarmEditorWindow>, allKinds.size()> m_editors;
    std::unique_ptr<SoundChooserWindow> m_soundChooser;
    std::optional<AlarmKind> m_activeEditor;
    // The alarm being changed, with its kind as stored, while the user may choose another kind for it.
    std::optional<std::pair<AlarmKind, QString>> m_changing;
};

} // namespace brevora
