// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/wizard/editordesign.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace brevora {

struct AlarmRecord;
class Prompter;
class StoreLayout;

// The editor of one alarm kind (Form3 to Form7): its time fields, the alarm text and the optional sound,
// written as one alarm file by "Create".
class AlarmEditorWindow : public QWidget
{
    Q_OBJECT
public:
    AlarmEditorWindow(AlarmKind kind, const StoreLayout &layout, Prompter &prompter, QWidget *parent = nullptr);

    AlarmKind kind() const { return m_design.kind; }

    // How the chooser opens an editor: the advanced options folded away, the fields and the text empty.
    void collapsePanel();
    void emptyFields();
    // Creating: the design's caption and "Create". Changing: filled with the alarm at `path`, saved over it.
    void startNew();
    // The alarm may be of another kind (`from`), when the change moves it to this editor's kind: the fields the
    // two kinds share are filled in, the others left empty.
    void startChange(const QString &path, AlarmKind from, const AlarmRecord &record);
    const QString &changingPath() const { return m_changing; }
    bool isChanging() const { return !m_changing.isEmpty(); }
    // The sound chooser's answer.
    void setSoundPath(const QString &path);

signals:
    void backRequested();
    void browseRequested();
    void created();
    void closeBoxPressed();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildTimeFields();
    void showWeekday(const QString &stored);
    void focusFirstField();
    void buildAdvancedPanel();
    void togglePanel();
    void setPanelOpen(bool open);
    void nameThePanelButton(bool open);
    void setPanelReachable(bool reachable);
    void goBack();
    void create();
    void resetSound();
    QStringList fieldTexts() const;
    QString storedWeekday() const;

    const EditorDesign &m_design;
    const StoreLayout &m_layout;
    Prompter &m_prompter;
    QList<QLineEdit *> m_numberFields; // in file order, the weekday left out
    QComboBox *m_weekday = nullptr;
    QLineEdit *m_text = nullptr;
    QPushButton *m_panelButton = nullptr;
    QCheckBox *m_soundCheck = nullptr;
    QLineEdit *m_soundPath = nullptr;
    QPushButton *m_browse = nullptr;
    QPushButton *m_create = nullptr;
    QString m_changing; // the alarm being changed; empty while creating one
};

} // namespace brevora
