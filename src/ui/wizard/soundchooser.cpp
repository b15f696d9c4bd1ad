// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wizard/soundchooser.h"

#include "os/desktop/places.h"

#include "core/store/fileops.h"
#include "os/sound/soundplayer.h"
#include "ui/common/objectnames.h"
#include "ui/common/windowgeometry.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeView>

namespace brevora {

SoundChooserWindow::SoundChooserWindow(SoundPlayer &player, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_player(player)
    , m_folders(new QFileSystemModel(this))
{
    setObjectName(objectnames::soundChooser);
    setWindowTitle(QStringLiteral("Browse"));
    setClientSize(this, 6000, 3090);
    placeControl<QLabel>(this, "Label1", QRect(360, 120, 3255, 375), QStringLiteral("Select the sound's archive:"));

    m_folders->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    m_folders->setRootPath(QDir::rootPath());
    m_tree = placeControl<QTreeView>(this, "Dir1", QRect(120, 480, 1935, 2340));
    m_tree->setModel(m_folders);
    m_tree->setHeaderHidden(true);
    // Deep folders scroll sideways rather than hide their names in so narrow a tree.
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        m_tree->hideColumn(column);
    // Moving through the tree with a click or the arrow keys only selects; opening a folder lists its files.
    connect(m_tree, &QTreeView::activated, this, [this](const QModelIndex &opened) {
        const QString folder = m_folders->filePath(opened);
        if (!folder.isEmpty() && folder != m_folder)
            listFiles(folder);
    });
    // The tree fills in the background: the open folder can be scrolled to only once its parent is loaded.
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        if (m_scrollPending && QFileInfo(m_folder).absolutePath() == loaded) {
            m_scrollPending = false;
            m_tree->scrollTo(m_tree->currentIndex(), QAbstractItemView::PositionAtCenter);
        }
    });

    m_files = placeControl<QListWidget>(this, "File1", QRect(2160, 480, 2775, 1455));
    m_name = placeControl<QLineEdit>(this, "Text1", QRect(2160, 2040, 3735, 285));
    // A click or the arrow keys: either way the name of the file now selected is shown.
    connect(m_files, &QListWidget::itemSelectionChanged, this, [this] {
        if (const QList<QListWidgetItem *> selected = m_files->selectedItems(); !selected.isEmpty())
            m_name->setText(selected.first()->text());
    });

    auto *play = placeControl<QPushButton>(this, "Command3", QRect(5040, 960, 855, 495), QStringLiteral("Play"));
    auto *ok = placeControl<QPushButton>(this, "Command1", QRect(4440, 2520, 1455, 495), QStringLiteral("OK"));
    auto *cancel = placeControl<QPushButton>(this, "Command2", QRect(3000, 2520, 1215, 495), QStringLiteral("Cancel"));
    connect(play, &QPushButton::clicked, this, [this] { m_player.playAsync(selectedPath()); });
    connect(ok, &QPushButton::clicked, this, [this] {
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
        m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
        m_scrollPending = true;
    }
}

QString SoundChooserWindow::selectedPath() const
{
    const QList<QListWidgetItem *> selected = m_files->selectedItems();
    return m_folder + u'/' + (selected.isEmpty() ? QString() : selected.first()->text());
}

void SoundChooserWindow::listFiles(const QString &folder)
{
    m_folder = folder;
    m_files->clear();
    m_files->addItems(listFolder(folder, QStringLiteral("*.wav")));
}

void SoundChooserWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A tree laid out for the first time has its rows only now.
    m_tree->scrollTo(m_tree->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void SoundChooserWindow::closeEvent(QCloseEvent *event)
{
    emit closeBoxPressed();
    event->accept();
}

} // namespace brevora
