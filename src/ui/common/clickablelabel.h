// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QMouseEvent>

#include <functional>

namespace brevora {

// A label that does something when clicked, such as toggling the check box it describes.
class ClickableLabel : public QLabel
{
public:
    ClickableLabel(const QString &text, std::function<void()> onClick, QWidget *parent = nullptr)
        : QLabel(text, parent)
        , m_onClick(std::move(onClick))
    { }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (rect().contains(event->position().toPoint()) && event->button() == Qt::LeftButton && m_onClick)
            m_onClick();
    }

private:
    std::function<void()> m_onClick;
};

} // namespace brevora
