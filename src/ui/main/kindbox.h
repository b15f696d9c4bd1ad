// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QKeySequence>
#include <QList>

namespace brevora {

// The main window's kind box: an editable text with the kind captions as its list. Only a choice from the
// list chooses a kind; typing into the text, however it ends (Enter, Tab, a click elsewhere, another window
// taking the focus), chooses nothing, even when the typed text is a caption.
class KindBox : public QComboBox
{
    Q_OBJECT
public:
    explicit KindBox(QWidget *parent = nullptr);

    // Keys that belong to the window's menus: the text field lets them through instead of editing with them.
    void leaveKeysToMenus(const QList<QKeySequence> &keys);
    void hidePopup() override;

signals:
    // A caption was picked from the list, with the mouse, the arrow keys or the wheel.
    void chosenFromList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
#if QT_CONFIG(wheelevent)
    void wheelEvent(QWheelEvent *event) override;
#endif

private:
    bool isMenuKey(QEvent *event) const;

    QList<QKeySequence> m_menuKeys;
    // Set while the list itself is being used.
    bool m_choosing = false;
};

} // namespace brevora
