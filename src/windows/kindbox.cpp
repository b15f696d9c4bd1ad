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

bool KindBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        if (m_menuKeys.contains(pressed))
            return true; // left unaccepted, so the menu's shortcut runs
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace brevora
