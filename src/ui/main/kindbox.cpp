// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/kindbox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QTimer>

namespace brevora {

KindBox::KindBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Typing must leave the text as typed: no completion may turn it into a caption.
    setCompleter(nullptr);
    lineEdit()->installEventFilter(this);
    // The box reports a finished edit that equals a caption as if it had been chosen. A choice from the list
    // comes from the popup, the arrow keys or the wheel, or writes a new text, which leaves it unmodified.
    connect(this, &QComboBox::activated, this, [this] {
        if (m_choosing || !lineEdit()->isModified())
            emit chosenFromList();
    });
}

void KindBox::leaveKeysToMenus(const QList<QKeySequence> &keys)
{
    m_menuKeys = keys;
}

void KindBox::hidePopup()
{
    // A pick from the list closes the list first and is reported right after.
    m_choosing = true;
    QTimer::singleShot(0, this, [this] { m_choosing = false; });
    QComboBox::hidePopup();
}

void KindBox::keyPressEvent(QKeyEvent *event)
{
    const bool stepsThroughList = !(event->modifiers() & Qt::AltModifier)
        && QList<int>{ Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown }.contains(event->key());
    const QScopedValueRollback choosing(m_choosing, m_choosing || stepsThroughList);
    QComboBox::keyPressEvent(event);
}

#if QT_CONFIG(wheelevent)
void KindBox::wheelEvent(QWheelEvent *event)
{
    const QScopedValueRollback choosing(m_choosing, true);
    QComboBox::wheelEvent(event);
}
#endif

bool KindBox::isMenuKey(QEvent *event) const
{
    return event->type() == QEvent::ShortcutOverride
        && m_menuKeys.contains(QKeySequence(static_cast<QKeyEvent *>(event)->keyCombination()));
}

// The question whether a key is a shortcut goes to the text field, then to the box, which hands it to the text
// field again; both times the field would keep select-all, cut and delete for itself. Left unanswered, the
// key reaches the menus.
bool KindBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && isMenuKey(event)) {
        event->ignore();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

bool KindBox::event(QEvent *event)
{
    if (isMenuKey(event)) {
        event->ignore();
        return true;
    }
    return QComboBox::event(event);
}

} // namespace brevora
