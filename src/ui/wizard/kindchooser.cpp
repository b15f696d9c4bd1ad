// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wizard/kindchooser.h"

#include "ui/common/accessiblerole.h"
#include "ui/common/objectnames.h"
#include "ui/common/windowgeometry.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <array>

namespace brevora {

namespace {

struct Row
{
    AlarmKind kind;
    const char *option;
    const char *label;
    int top;
};

// The label beside the fifth button is Label6: Label5 is the prompt above the list.
constexpr std::array<Row, 5> rows{ {
    { AlarmKind::Once, "Option1", "Label1", 600 },
    { AlarmKind::Yearly, "Option2", "Label2", 1080 },
    { AlarmKind::Monthly, "Option3", "Label3", 1560 },
    { AlarmKind::Weekly, "Option4", "Label4", 2040 },
    { AlarmKind::Daily, "Option5", "Label6", 2520 },
} };

} // namespace

KindChooserWindow::KindChooserWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setAccessibleRole(this, QAccessible::Dialog);
    setObjectName(objectnames::kindChooser);
    setWindowTitle(tr("Brevora   New Alarm"));
    setClientSize(this, 4680, 3090);
    placeControl<QLabel>(this, "Label5", QRect(240, 120, 3975, 375), tr("Select alarm type:"));
    for (const Row &row : rows) {
        auto *option = placeControl<QRadioButton>(this, row.option, QRect(240, row.top, 255, 255), QString());
        auto *label = placeControl<QLabel>(this, row.label, QRect(720, row.top, 1575, 255), shownKindCaption(row.kind));
        // The button has no text of its own: a screen reader names it by the label beside it.
        option->setAccessibleName(label->text());
        m_optionOfLabel.insert(label, option);
        label->installEventFilter(this);
        m_options.append(option);
    }
    auto *nextButton = placeControl<QPushButton>(this, "Command1", QRect(3120, 1920, 1335, 495), tr("Next   >"));
    auto *cancel = placeControl<QPushButton>(this, "Command2", QRect(3120, 2520, 1335, 495), tr("Cancel"));
    connect(nextButton, &QPushButton::clicked, this, &KindChooserWindow::next);
    connect(cancel, &QPushButton::clicked, this, &KindChooserWindow::cancelled);

    setTabChain(QList<QWidget *>(m_options.begin(), m_options.end()) + QList<QWidget *>{ nextButton, cancel });
    // Created once per run, so the window is centred only the first time it appears.
    centreOnScreen(this);
}

void KindChooserWindow::select(AlarmKind kind)
{
    for (qsizetype i = 0; i < m_options.size(); ++i) {
        if (rows[static_cast<std::size_t>(i)].kind == kind) {
            m_options[i]->setChecked(true);
            m_options[i]->setFocus(Qt::OtherFocusReason);
        }
    }
}

void KindChooserWindow::next()
{
    for (qsizetype i = 0; i < m_options.size(); ++i) {
        if (m_options[i]->isChecked()) {
            emit kindChosen(rows[static_cast<std::size_t>(i)].kind);
            return;
        }
    }
}

bool KindChooserWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (QRadioButton *option = m_optionOfLabel.value(watched))
            option->setChecked(true);
    }
    return QWidget::eventFilter(watched, event);
}

void KindChooserWindow::closeEvent(QCloseEvent *event)
{
    emit closeBoxPressed();
    event->accept();
}

} // namespace brevora
