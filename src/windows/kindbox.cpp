#include "kindbox.h"

#include <QKeyEvent>
#include <QLineEdit>

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
    // always writes the text anew, which leaves it unmodified; typed text stays modified.
    connect(this, &QComboBox::activated, this, [this] {
        if (!lineEdit()->isModified())
            emit chosenFromList();
    });
}

void KindBox::leaveKeysToMenus(const QList<QKeySequence> &keys)
{
    m_menuKeys = keys;
}

void KindBox::showPopup()
{
    // Picking the caption that was typed writes no new text, yet it is a choice.
    lineEdit()->setModified(false);
    QComboBox::showPopup();
}

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
