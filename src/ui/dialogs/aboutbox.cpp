// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/aboutbox.h"

#include "os/desktop/places.h"

#include "ui/common/launcher.h"
#include "ui/common/objectnames.h"
#include "ui/common/prompter.h"
#include "ui/common/shell.h"
#include "ui/common/windowgeometry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace brevora {

namespace {

const QString programTitle = QStringLiteral("Brevora");
constexpr int versionMajor = BREVORA_VERSION_MAJOR;
constexpr int versionMinor = BREVORA_VERSION_MINOR;
constexpr int versionRevision = BREVORA_VERSION_PATCH;

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void addLine(QWidget *parent, const char *name, const QRect &place)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(place);
}

} // namespace

AboutBox::AboutBox(Shell &shell, Launcher &launcher, Prompter &prompter, QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowCloseButtonHint)
    , m_shell(shell)
    , m_launcher(launcher)
    , m_prompter(prompter)
{
    setObjectName(objectnames::about);
    setWindowTitle(tr("Acerca de %1").arg(programTitle));
    setFixedSize(twipsSize(5940, 3465));

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setGeometry(twipsRect(240, 240, 540, 540));
    icon->setPixmap(QApplication::windowIcon().pixmap(twipsSize(540, 540)));

    QLabel *title = addLabel(this, "lblTitle", programTitle, twipsRect(1050, 240, 4245, 480));
    QFont big = title->font();
    big.setPointSizeF(13.5 * textScale());
    title->setFont(big);
    addLabel(this, "lblVersion", tr("Versión %1.%2.%3").arg(versionMajor).arg(versionMinor).arg(versionRevision),
             twipsRect(1050, 780, 4245, 225));
    addLabel(this, "lblDescription",
             tr("With Brevora you can make your own alarms for reminding you of important dates, "
                "celebrations...; and you can set them to the hour, day, month, year, week day... you "
                "want."),
             twipsRect(1050, 1125, 4725, 1050));
    addLine(this, "Line1", twipsRect(120, 2190, 5700, 30));
    addLabel(this, "Label1", tr("Questions, ideas or problems?"), twipsRect(240, 2310, 3870, 255));
    addLabel(this, "Label2", tr("See the README that comes with Brevora."), twipsRect(240, 2625, 3870, 255));
    addLine(this, "Line2", twipsRect(120, 2940, 5700, 30));

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(twipsRect(4245, 2310, 1467, 345));
    ok->setDefault(true);
    // Enter presses the default button and Esc rejects the dialog: both only hide it.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *sysInfo = new QPushButton(tr("&Sistem info."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    sysInfo->setGeometry(twipsRect(4260, 3030, 1452, 345));
    sysInfo->setAutoDefault(false);
    connect(sysInfo, &QPushButton::clicked, this, &AboutBox::startSystemInfo);

    setTabOrder(ok, sysInfo);
    ok->setFocus();
    centreOnScreen(this);
}

QStringList AboutBox::systemInfoTools()
{
    return brevora::systemInfoTools();
}

void AboutBox::startSystemInfo()
{
    for (const QString &tool : systemInfoTools()) {
        const QString program = m_launcher.findProgram(tool);
        if (!program.isEmpty() && m_launcher.startProgram(program))
            return;
    }
    m_prompter.ask(this, QMessageBox::NoIcon, programTitle,
                   tr("La información del sistema no está disponible en este momento"), QMessageBox::Ok);
}

void AboutBox::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_shell.closeAllAndExit();
}

} // namespace brevora
