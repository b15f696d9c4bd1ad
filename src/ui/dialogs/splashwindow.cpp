// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/splashwindow.h"

#include "core/settings/settingsfiles.h"
#include "ui/common/artwork.h"
#include "ui/common/objectnames.h"
#include "ui/common/windowgeometry.h"

#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace brevora {

namespace {

QString versionText()
{
    return QCoreApplication::translate("brevora::SplashWindow", "Versión %1.%2.%3")
        .arg(BREVORA_VERSION_MAJOR)
        .arg(BREVORA_VERSION_MINOR)
        .arg(BREVORA_VERSION_PATCH);
}

} // namespace

SplashWindow::SplashWindow(const QString &settingsFolder, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_settingsFolder(settingsFolder)
    , m_frame(new QFrame(this))
    , m_timer(new QTimer(this))
{
    setObjectName(objectnames::splash);
    setWindowTitle(QStringLiteral("Brevora"));
    setWindowIcon(programIcon());
    setFixedSize(twips(7380), twips(3720));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    // The light page of a text box, and the text written on it: one pair, so a dark theme keeps it readable.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Text));
    setPalette(colours);

    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setGeometry(twipsRect(120, 0, 7185, 3675));
    m_frame->setFrameStyle(QFrame::Box | QFrame::Sunken);

    auto *logo = new QLabel(m_frame);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry(twipsRect(480, 480, 1935, 2745).translated(-m_frame->pos()));
    logo->setScaledContents(true);
    logo->setPixmap(splashLogo());

    addLabel("lblCompanyProduct", tr("The reminding solution"), twipsRect(2520, 480, 4035, 435), designFont(18, true));
    addLabel("lblProductName", QStringLiteral("Brevora"), twipsRect(2520, 960, 2430, 765), designFont(32.25, true));
    addLabel("lblPlatform", QStringLiteral("Windows XP"), twipsRect(4965, 2280, 1890, 480), designFont(15.75, true),
             Qt::AlignRight);
    addLabel("lblVersion", versionText(), twipsRect(5970, 2700, 885, 285), designFont(12, true), Qt::AlignRight);
    addLabel("Label1", tr("Alarms and reminders"), twipsRect(3120, 1680, 3735, 495), designFont(9.75, true));
    addLabel("lblLicenseTo", tr("Free software for everyone"), twipsRect(120, 240, 6855, 255), designFont(8.25, false),
             Qt::AlignRight);
    addLabel("lblCopyright", QStringLiteral("Copyright © 2026"), twipsRect(4560, 3060, 2415, 255),
             designFont(8.25, false));
    addLabel("lblCompany", tr("The Brevora developers"), twipsRect(3840, 3270, 3135, 255), designFont(8.25, false));

    m_timer->setObjectName(objectnames::splashTimer);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::handOver);
    m_timer->start(5000);
}

QLabel *SplashWindow::addLabel(const char *name, const QString &text, const QRect &geometry, const QFont &font,
                               Qt::Alignment alignment)
{
    // Positions are the window's; the labels live in the frame, which starts 120 twips to the right.
    auto *label = new QLabel(text, m_frame);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignVCenter);
    QRect area = geometry.translated(-m_frame->x(), -m_frame->y());
    // A text wider than its designed place grows the label rather than being cut, away from its aligned edge.
    const int wanted = label->sizeHint().width();
    if (wanted > area.width()) {
        if (alignment & Qt::AlignRight)
            area.setLeft(area.right() - wanted + 1);
        else
            area.setWidth(wanted);
    }
    area.setHeight(std::max(area.height(), label->sizeHint().height()));
    label->setGeometry(area.intersected(m_frame->rect()));
    return label;
}

void SplashWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    centreOnScreen(this);
    activateWindow();
    setFocus();
}

void SplashWindow::mousePressEvent(QMouseEvent *)
{
    // The labels, the logo and the frame leave their clicks to the window, so this is any click on it.
    handOver();
}

void SplashWindow::keyPressEvent(QKeyEvent *)
{
    handOver();
}

void SplashWindow::handOver()
{
    if (m_handedOver)
        return;
    m_handedOver = true;
    hide();
    m_timer->stop();
    emit startUpEnded(readSettings(m_settingsFolder).hide);
}

} // namespace brevora
