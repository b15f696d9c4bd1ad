// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wizard/alarmeditor.h"

#include "core/life/createalarm.h"
#include "core/model/alarmfile.h"
#include "core/model/coretext.h"
#include "core/model/fieldrules.h"
#include "core/names/alarmname.h"
#include "core/store/storelayout.h"
#include "os/sound/soundplayer.h"
#include "ui/common/accessiblerole.h"
#include "ui/common/objectnames.h"
#include "ui/common/prompter.h"
#include "ui/common/windowgeometry.h"
#include "ui/common/windowreturn.h"
#include "ui/wizard/fieldchecks.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace brevora {

namespace {

const QString openPanel = QStringLiteral("<<");
const QString closedPanel = QStringLiteral(">>");

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, const QRect &twipsGeometry)
{
    auto *box = placeControl<QGroupBox>(parent, name, twipsGeometry);
    box->setTitle(caption);
    return box;
}

} // namespace

AlarmEditorWindow::AlarmEditorWindow(AlarmKind kind, const StoreLayout &layout, Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_design(editorDesign(kind))
    , m_layout(layout)
    , m_prompter(prompter)
{
    followWindowActivation();
    setAccessibleRole(this, QAccessible::Dialog);
    setObjectName(objectnames::editor(kind));
    setWindowTitle(tr(m_design.caption));
    setClientSize(this, m_design.clientTwips.width(), m_design.clientTwips.height());
    buildTimeFields();

    auto *label = placeControl<QLabel>(this, "Label1", m_design.advancedLabelTwips, tr("Advanced options"));
    label->setWordWrap(true);
    // Its two lines may need a pixel more than the design gives; the room below it is free.
    label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
    const QPoint toggle = m_design.panelButtonTwips;
    m_panelButton = placeControl<QPushButton>(this, "Command2", QRect(toggle.x(), toggle.y(), 495, 375), closedPanel);
    connect(m_panelButton, &QPushButton::clicked, this, &AlarmEditorWindow::togglePanel);
    nameThePanelButton(false);

    const QRect textFrame = m_design.textFrameTwips;
    auto *textBox = frame(this, "Frame6", tr(m_design.textFrameCaption), textFrame);
    m_text
        = placeControl<QLineEdit>(textBox, "Text6", QRect(120, 240, textFrame.width() - 240, textFrame.height() - 360));
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *back = placeControl<QPushButton>(this, "Command3", QRect(120, 2880, 1095, 495), tr("<  Back"));
    connect(back, &QPushButton::clicked, this, &AlarmEditorWindow::goBack);
    auto *createButton = placeControl<QPushButton>(this, "Command1", QRect(2760, 2880, 1815, 495), tr("Create"));
    m_create = createButton;
    connect(createButton, &QPushButton::clicked, this, &AlarmEditorWindow::create);
    buildAdvancedPanel();

    QList<QWidget *> tabOrder;
    if (m_weekday)
        tabOrder.append(m_weekday);
    tabOrder.append(QList<QWidget *>(m_numberFields.begin(), m_numberFields.end()));
    tabOrder.append({ m_panelButton, m_text, back, createButton, m_soundCheck, m_soundPath, m_browse });
    setTabChain(tabOrder);
}

void AlarmEditorWindow::buildTimeFields()
{
    for (TimeField field : kindInfo(m_design.kind).fields) {
        const TimeFieldInfo &info = timeFieldInfo(field);
        const TimeFieldRule &rule = timeFieldRule(field);
        QRect where = info.frameTwips;
        if (field == TimeField::Hour || field == TimeField::Minutes)
            where.moveTop(m_design.timeRowTop);
        auto *box = frame(this, info.frame, coreText(QString::fromLatin1(rule.caption)), where);
        if (field == TimeField::Weekday) {
            m_weekday = placeControl<QComboBox>(box, info.control, info.controlTwips);
            m_weekday->setEditable(true);
            m_weekday->setInsertPolicy(QComboBox::NoInsert);
            // Shown in the user's language; the file always gets the English name the clock writes.
            for (int day = 1; day <= 7; ++day)
                m_weekday->addItem(QLocale().standaloneDayName(day));
            m_weekday->setCurrentIndex(-1);
            continue;
        }
        auto *edit = placeControl<QLineEdit>(box, info.control, info.controlTwips);
        edit->setMaxLength(rule.maxLength);
        watchLeadingZeros(edit, rule.leadingZeros, m_prompter);
        m_numberFields.append(edit);
    }
}

void AlarmEditorWindow::buildAdvancedPanel()
{
    auto *panel = frame(this, "Frame7", tr("Advanced options"), QRect(4680, 120, 4095, 3255));
    m_soundCheck = placeControl<QCheckBox>(panel, "Check1", QRect(120, 360, 255, 255));
    auto *soundLabel
        = placeControl<QLabel>(panel, "Label2", QRect(480, 360, 3135, 375), tr("Reproduce a sound with the alarm"));
    // A screen reader would name both by the frame around them, "Advanced options"; the label beside the box
    // says what it does.
    m_soundCheck->setAccessibleName(soundLabel->text());
    m_soundPath = placeControl<QLineEdit>(panel, "Text7", QRect(480, 720, 1815, 375));
    m_soundPath->setAccessibleName(tr("Sound file"));
    m_browse = placeControl<QPushButton>(panel, "Command4", QRect(2520, 720, 1455, 375), tr("Browse..."));
    m_soundPath->setEnabled(false);
    m_browse->setEnabled(false);
    setPanelReachable(false);
    connect(m_soundCheck, &QCheckBox::toggled, this, [this](bool checked) {
        m_soundPath->setEnabled(checked);
        m_browse->setEnabled(checked);
    });
    connect(m_browse, &QPushButton::clicked, this, [this] {
        hide();
        emit browseRequested();
    });
}

void AlarmEditorWindow::collapsePanel()
{
    setPanelOpen(false);
}

void AlarmEditorWindow::emptyFields()
{
    for (QLineEdit *field : std::as_const(m_numberFields))
        field->clear();
    m_text->clear();
    if (m_weekday)
        m_weekday->setEditText(QString());
}

void AlarmEditorWindow::startNew()
{
    m_changing.clear();
    setWindowTitle(tr(m_design.caption));
    m_create->setText(tr("Create"));
    focusFirstField();
}

void AlarmEditorWindow::focusFirstField()
{
    // Opened again, the page would keep the focus where it was left, on a button: typing would go nowhere, and a
    // screen reader would start at that button. Every opening starts where a fresh page does.
    QWidget *first = m_weekday ? static_cast<QWidget *>(m_weekday) : m_numberFields.first();
    first->setFocus(Qt::OtherFocusReason);
}

void AlarmEditorWindow::startChange(const QString &path, AlarmKind from, const AlarmRecord &record)
{
    m_changing = path;
    setWindowTitle(tr("Brevora   Change alarm (%1)").arg(shownKindCaption(m_design.kind)));
    m_create->setText(tr("Change"));
    // The name is what the clock matches, so its time is the alarm's, whatever a hand-made file holds.
    const QStringList due = splitAlarmName(from, QFileInfo(path).fileName()).value_or(record.dueFields());
    const QList<TimeField> fromOrder = kindInfo(from).fields;
    const auto dueOf = [&](TimeField field) {
        const qsizetype at = fromOrder.indexOf(field);
        return at >= 0 && at < due.size() ? due[at] : QString();
    };
    qsizetype next = 0;
    for (TimeField field : kindInfo(m_design.kind).fields) {
        if (field == TimeField::Weekday)
            showWeekday(dueOf(field));
        else
            m_numberFields[next++]->setText(dueOf(field));
    }
    m_text->setText(record.text());
    const bool hasSound = record.sound() != noSound;
    m_soundCheck->setChecked(hasSound);
    m_soundPath->setText(hasSound ? record.sound() : QString());
    setPanelOpen(hasSound);
    focusFirstField();
}

void AlarmEditorWindow::showWeekday(const QString &stored)
{
    // The file holds the English name the clock writes; the user reads and picks the day in the list's language.
    // A name the clock never writes is shown as it stands, for the user to correct.
    if (const auto day = weekdayNumber(stored))
        m_weekday->setCurrentIndex(*day - 1);
    else
        m_weekday->setEditText(stored);
}

void AlarmEditorWindow::setSoundPath(const QString &path)
{
    m_soundPath->setText(path);
}

void AlarmEditorWindow::togglePanel()
{
    if (m_panelButton->text() == closedPanel)
        setPanelOpen(true);
    else if (m_panelButton->text() == openPanel)
        setPanelOpen(false);
}

void AlarmEditorWindow::setPanelOpen(bool open)
{
    setOuterWidth(this, open ? 8910 : 4700);
    // The panel unfolds to the right, which a window near the screen's edge (or on a small or scaled screen) has
    // no room for.
    if (open)
        keepOnScreen(this);
    setPanelReachable(open);
    m_panelButton->setText(open ? openPanel : closedPanel);
    nameThePanelButton(open);
}

void AlarmEditorWindow::nameThePanelButton(bool open)
{
    // "<<" and ">>" read aloud say nothing of what the button does.
    m_panelButton->setAccessibleName(open ? tr("Hide advanced options") : tr("Show advanced options"));
}

// A folded panel is beyond the window's edge: Tab must not reach it, nor Space tick its box unseen.
void AlarmEditorWindow::setPanelReachable(bool reachable)
{
    for (QWidget *control : { static_cast<QWidget *>(m_soundCheck), static_cast<QWidget *>(m_soundPath),
                              static_cast<QWidget *>(m_browse) })
        control->setFocusPolicy(reachable ? Qt::StrongFocus : Qt::NoFocus);
}

void AlarmEditorWindow::goBack()
{
    hide();
    emit backRequested();
    resetSound();
}

void AlarmEditorWindow::create()
{
    const QString sound = m_soundCheck->isChecked() ? m_soundPath->text() : noSound;
    // Found out now, not at the alarm's minute with nobody to put it right. An empty path asks for the desktop's
    // default sound and needs no file. Fields that are not valid are told first, as they always were.
    if (sound != noSound && !sound.isEmpty() && invalidFieldsMessage(m_design.kind, fieldTexts()).isEmpty()) {
        if (const QString problem = soundFileProblem(sound); !problem.isEmpty()) {
            m_prompter.ask(
                this, QMessageBox::Critical, QStringLiteral("Brevora"),
                tr("This sound cannot be played: %1.\nChoose another sound file, or untick the sound.").arg(problem),
                QMessageBox::Ok);
            return;
        }
    }
    const NewAlarm alarm{ m_design.kind, fieldTexts(), m_text->text(), sound };
    const auto mayReplace = [this](const QString &other) {
        return m_prompter.ask(
                   this, QMessageBox::Question, QStringLiteral("Brevora"),
                   tr("The alarm %1 exists already. Replace it with this one?").arg(QDir::toNativeSeparators(other)),
                   QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes;
    };
    const CreatedAlarm result
        = isChanging() ? changeAlarm(m_layout, m_changing, alarm, mayReplace) : createAlarm(m_layout, alarm);
    switch (result.outcome) {
    case CreatedAlarm::Outcome::InvalidFields:
        m_prompter.ask(this, QMessageBox::Critical, coreText(invalidInformationTitle), result.message, QMessageBox::Ok);
        // A change keeps its sound: the user is correcting an alarm that has one, not starting a new one.
        if (isChanging())
            return;
        break;
    case CreatedAlarm::Outcome::NotSaved:
        m_prompter.ask(this, QMessageBox::Critical, QStringLiteral("Brevora"), result.message, QMessageBox::Ok);
        return; // everything stays as typed, so the user can put the cause right and try again
    case CreatedAlarm::Outcome::NotReplaced:
        return;
    case CreatedAlarm::Outcome::Created:
        if (!result.message.isEmpty())
            m_prompter.ask(this, QMessageBox::Warning, QStringLiteral("Brevora"), result.message, QMessageBox::Ok);
        hide();
        emit created();
        break;
    }
    resetSound();
}

void AlarmEditorWindow::resetSound()
{
    m_soundPath->clear();
    m_soundCheck->setChecked(false);
}

QStringList AlarmEditorWindow::fieldTexts() const
{
    QStringList values;
    qsizetype next = 0;
    for (TimeField field : kindInfo(m_design.kind).fields)
        values.append(field == TimeField::Weekday ? storedWeekday() : m_numberFields[next++]->text());
    return values;
}

QString AlarmEditorWindow::storedWeekday() const
{
    // A word the clock never writes would make an alarm that never rings: it counts as no weekday at all, so
    // Create refuses it with the weekday field's message.
    const auto day = weekdayNumber(m_weekday->currentText(), QLocale());
    return day ? weekdayName(*day) : QString();
}

void AlarmEditorWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && returnedFromOwnWindow(this))
        centreOnScreen(this);
}

void AlarmEditorWindow::closeEvent(QCloseEvent *event)
{
    emit closeBoxPressed();
    event->accept();
}

} // namespace brevora
