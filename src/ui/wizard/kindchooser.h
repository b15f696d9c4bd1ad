// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QHash>
#include <QList>
#include <QWidget>

class QRadioButton;

namespace brevora {

// The wizard's first page (Form2): which kind of alarm to create.
class KindChooserWindow : public QWidget
{
    Q_OBJECT
public:
    explicit KindChooserWindow(QWidget *parent = nullptr);

    // Selects the kind's option and puts the focus on it, as the kind an alarm being changed has now.
    void select(AlarmKind kind);

signals:
    // "Next" with a kind selected; with none it does nothing.
    void kindChosen(AlarmKind kind);
    void cancelled();
    void closeBoxPressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void next();

    QList<QRadioButton *> m_options; // Option1 to Option5, in the order Next tests them
    QHash<QObject *, QRadioButton *> m_optionOfLabel; // a click on the label beside a button selects it
};

} // namespace brevora
