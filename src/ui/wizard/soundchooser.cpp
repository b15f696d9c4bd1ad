// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wizard/soundchooser.h"

#include "core/names/twins.h"
#include "core/store/fileops.h"
#include "os/desktop/places.h"
#include "os/files/regularfile.h"
#include "os/sound/soundplayer.h"
#include "ui/common/accessiblerole.h"
#include "ui/common/objectnames.h"
#include "ui/common/prompter.h"
#include "ui/common/windowgeometry.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

namespace brevora {

namespace {

// Marks a listed name that cannot be stored so that it names its file again.
constexpr int undecodableRole = Qt::UserRole + 1;

} // namespace

SoundChooserWindow::SoundChooserWindow(SoundPlayer &player, Prompter &prompter, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_player(player)
    , m_prompter(prompter)
    , m_folders(new QFileSystemModel(this))
{
    setAccessibleRole(this, QAccessible::Dialog);
    setObjectName(objectnames::soundChooser);
    setWindowTitle(tr("Browse"));
    setClientSize(this, 6000, 3090);
    auto *prompt = placeControl<QLabel>(this, "Label1", QRect(360, 120, 3255, 375), tr("Select the sound's archive:"));

    m_folders->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QDir::rootPath());
    m_tree = placeControl<QTreeView>(this, "Dir1", QRect(120, 480, 1935, 2340));
    m_tree->setModel(m_folders);
    m_tree->setHeaderHidden(true);
    m_tree->setAccessibleName(tr("Folders"));
    // Deep folders scroll sideways rather than hide their names in so narrow a tree.
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    // Sized to the rows in view, so that a long name elsewhere does not widen the row of the folder shown;
    // refitted as the tree scrolls, so every name in view stays whole.
    m_tree->header()->setResizeContentsPrecision(0);
    connect(m_tree->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { m_tree->header()->resizeSections(QHeaderView::ResizeToContents); });
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_tree->hideColumn(column);
    // Moving through the tree with a click or the arrow keys only selects; opening a folder lists its files, read
    // afresh also when it is the folder already listed.
    connect(m_tree, &QTreeView::activated, this, [this](const QModelIndex &opened) {
        if (const QString folder = m_folders->filePath(opened); !folder.isEmpty())
            listFiles(folder);
    });
    // The tree fills in the background, each folder above the open one in turn, and sorts what it has read
    // after: every such change moves the open folder's row, so it is brought back into view after each, until
    // the user takes the tree in hand.
    m_reveal = new QTimer(this);
    m_reveal->setSingleShot(true);
    m_reveal->setInterval(0);
    connect(m_reveal, &QTimer::timeout, this, &SoundChooserWindow::revealCurrentFolder);
    const auto revealWhilePending = [this] {
        if (m_revealPending)
            m_reveal->start();
    };
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, revealWhilePending);
    connect(m_folders, &QFileSystemModel::layoutChanged, this, revealWhilePending);
    connect(m_folders, &QFileSystemModel::rowsInserted, this, revealWhilePending);
    connect(m_tree->horizontalScrollBar(), &QScrollBar::rangeChanged, this, revealWhilePending);
    for (QWidget *part :
         { static_cast<QWidget *>(m_tree), m_tree->viewport(), static_cast<QWidget *>(m_tree->verticalScrollBar()),
           static_cast<QWidget *>(m_tree->horizontalScrollBar()) })
        part->installEventFilter(this);

    m_files = placeControl<QListWidget>(this, "File1", QRect(2160, 480, 2775, 1455));
    // The prompt above names the list of files, which is where the choice is made.
    m_files->setAccessibleName(prompt->text());
    m_name = placeControl<QLineEdit>(this, "Text1", QRect(2160, 2040, 3735, 285));
    m_name->setAccessibleName(tr("File name"));
    // A click or the arrow keys: either way the name of the file now selected is shown.
    connect(m_files, &QListWidget::itemSelectionChanged, this, [this] {
        if (const QList<QListWidgetItem *> selected = m_files->selectedItems(); !selected.isEmpty())
            m_name->setText(selected.first()->text());
    });

    auto *play = placeControl<QPushButton>(this, "Command3", QRect(5040, 960, 855, 495), tr("Play"));
    auto *ok = placeControl<QPushButton>(this, "Command1", QRect(4440, 2520, 1455, 495), tr("OK"));
    auto *cancel = placeControl<QPushButton>(this, "Command2", QRect(3000, 2520, 1215, 495), tr("Cancel"));
    connect(play, &QPushButton::clicked, this, [this] { m_player.playAsync(selectedPath()); });
    connect(ok, &QPushButton::clicked, this, [this] {
        const QList<QListWidgetItem *> selected = m_files->selectedItems();
        if (!selected.isEmpty() && selected.first()->data(undecodableRole).toBool()) {
            // Stored, the name would name no file, and the alarm would ring with the default sound.
            m_prompter.ask(this, QMessageBox::Warning, QStringLiteral("Brevora"),
                           tr("The name of the file \"%1\" is not valid UTF-8, so Brevora cannot store it in an "
                              "alarm.\nRename the file (in your file manager, for example) and choose it again.")
                               .arg(selected.first()->text()),
                           QMessageBox::Ok);
            return;
        }
        hide();
        emit accepted(selectedPath());
    });
    connect(cancel, &QPushButton::clicked, this, [this] {
        hide();
        emit cancelled();
    });
    setTabChain({ m_tree, m_files, ok, cancel, m_name, play });

    setFolder(startFolder());
}

QStringList SoundChooserWindow::usualSoundFolders()
{
    return brevora::usualSoundFolders();
}

QString SoundChooserWindow::startFolder(const QStringList &candidates)
{
    // The list offers only waveform files, so a folder without any would greet the user with nothing.
    for (const QString &folder : candidates) {
        if (!listFolder(folder, QStringLiteral("*.wav")).isEmpty())
            return QDir::cleanPath(folder);
    }
    return QDir::homePath();
}

void SoundChooserWindow::setFolder(const QString &folder)
{
    const QModelIndex index = m_folders->index(folder);
    listFiles(index.isValid() ? m_folders->filePath(index) : QDir::cleanPath(folder));
    if (index.isValid()) {
        m_tree->setCurrentIndex(index);
        m_revealPending = true;
        revealCurrentFolder();
    }
}

QString SoundChooserWindow::selectedPath() const
{
    return m_folder + u'/' + selectedName();
}

QString SoundChooserWindow::selectedName() const
{
    const QList<QListWidgetItem *> selected = m_files->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void SoundChooserWindow::listFiles(const QString &folder)
{
    const QString kept = folder == m_folder ? selectedName() : QString();
    m_folder = folder;
    m_files->clear();
    const QString pattern = QStringLiteral("*.wav");
    // Both kinds of name come from one reading of the folder by their own bytes, not the valid ones from a Qt
    // listing: what such a listing does in a folder that holds names it cannot decode is Qt's to change, and a
    // sound left out would seem lost. Those that are not UTF-8 are shown too.
    const QStringList undecodable = fileNamesNotValidUtf8(folder);
    QStringList names;
    for (const QString &name : fileNamesValidUtf8(folder) + undecodable) {
        if (QDir::match(pattern, name) && !name.startsWith(u'.'))
            names.append(name);
    }
    std::sort(names.begin(), names.end(), twinOrder);
    std::stable_sort(names.begin(), names.end(),
                     [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString &name : std::as_const(names)) {
        auto *item = new QListWidgetItem(name, m_files);
        if (undecodable.contains(name)) {
            item->setData(undecodableRole, true);
            item->setToolTip(
                tr("This file's name is not valid UTF-8, so Brevora cannot open it. Give it a new name to use it."));
        }
        if (name == kept)
            m_files->setCurrentItem(item);
    }
}

void SoundChooserWindow::revealCurrentFolder()
{
    // While the model fills in the folders above the open one it may replace the open folder's row, and the tree's
    // current index with it: the folder is found again by its path, so that it stays the one shown.
    if (m_revealPending) {
        const QModelIndex open = m_folders->index(m_folder);
        if (open.isValid() && open != m_tree->currentIndex())
            m_tree->setCurrentIndex(open);
    }
    const QModelIndex current = m_tree->currentIndex();
    if (!current.isValid())
        return;
    m_tree->scrollTo(current, QAbstractItemView::PositionAtCenter);
    // Centred sideways too, a deep folder would show the middle of a wide row, its name and every folder above it
    // out of sight: the name is shown from its start (with its branch mark), and whole where the width allows;
    // so is the middle of its highlighted row where the name allows.
    QScrollBar *sideways = m_tree->horizontalScrollBar();
    const QRect row = m_tree->visualRect(current).translated(sideways->value(), 0);
    const int nameEnd = row.left() + m_tree->sizeHintForIndex(current).width();
    const int width = m_tree->viewport()->width();
    const int least = std::max({ 0, nameEnd - width, row.center().x() - width + 1 });
    sideways->setValue(std::min(least, std::max(0, row.left() - m_tree->indentation())));
}

bool SoundChooserWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::Wheel || type == QEvent::KeyPress)
        m_revealPending = false;
    return QWidget::eventFilter(watched, event);
}

void SoundChooserWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A sound saved since the last use is offered; the selection stays.
    listFiles(m_folder);
    // A tree laid out for the first time has its rows only now.
    revealCurrentFolder();
}

void SoundChooserWindow::closeEvent(QCloseEvent *event)
{
    emit closeBoxPressed();
    event->accept();
}

} // namespace brevora
