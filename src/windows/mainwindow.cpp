#include "mainwindow.h"

#include "scheduler/clockdisplay.h"

#include <QLabel>
#include <QVBoxLayout>

namespace brevora {

namespace {

QLabel *makeLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
    , m_time(makeLabel(this, "Label1"))
    , m_date(makeLabel(this, "Label2"))
    , m_weekday(makeLabel(this, "Label4"))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Brevora"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_time);
    layout->addWidget(m_date);
    layout->addWidget(m_weekday);
}

void MainWindow::showClock(const ClockTexts &texts)
{
    m_time->setText(texts.time);
    m_date->setText(texts.date);
    m_weekday->setText(texts.weekday);
}

} // namespace brevora
