// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QFileSystemModel;
class QLineEdit;
class QListWidget;
class QTimer;
class QTreeView;

namespace brevora {

class Prompter;
class SoundPlayer;

// The sound-file chooser (Form8): a folder tree, the folder's waveform files, "Play", "OK" and "Cancel".
// It is created once and then only hidden, so it keeps its folder and selection between uses.
class SoundChooserWindow : public QWidget
{
    Q_OBJECT
public:
    SoundChooserWindow(SoundPlayer &player, Prompter &prompter, QWidget *parent = nullptr);

    // Where the lists open the first time: the first of the candidates that holds waveform files, else the home
    // folder.
    static QString startFolder(const QStringList &candidates = usualSoundFolders());
    static QStringList usualSoundFolders();

    QString folder() const { return m_folder; }
    // Opens the folder in both lists, as a click in the folder tree does.
    void setFolder(const QString &folder);
    // The current folder, a separator and the selected file's name (nothing when none is selected).
    QString selectedPath() const;

signals:
    void accepted(const QString &path);
    void cancelled();
    void closeBoxPressed();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Reads the folder's waveform files into the list; a folder listed again keeps its selection.
    void listFiles(const QString &folder);
    QString selectedName() const;
    void revealCurrentFolder();

    SoundPlayer &m_player;
    Prompter &m_prompter;
    QFileSystemModel *m_folders;
    QTreeView *m_tree;
    QListWidget *m_files;
    QLineEdit *m_name;
    QString m_folder;
    QTimer *m_reveal;
    bool m_revealPending = false;
};

} // namespace brevora
