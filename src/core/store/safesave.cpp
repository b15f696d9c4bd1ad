// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/safesave.h"

#include "os/files/regularfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace brevora {

bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    // QSaveFile writes the target of a link, which may be any file of the system.
    switch (entryType(path)) {
    case EntryType::Missing:
    case EntryType::Regular:
        break;
    case EntryType::Link:
        return fail(
            QStringLiteral("%1 is a link; Brevora does not write through links.").arg(QDir::toNativeSeparators(path)));
    case EntryType::Other:
        return fail(QStringLiteral("%1 is not a regular file.").arg(QDir::toNativeSeparators(path)));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // commit() has been seen to report success after the flush of its buffer failed on a full disk, so every
    // step is checked here and the save is cancelled, keeping the old file, at the first failure.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why.isEmpty() ? QStringLiteral("The file could not be written.") : why);
    }
    if (!file.commit())
        return fail(file.errorString());
    syncFolder(QFileInfo(path).absolutePath());
    return true;
}

bool isSaveLeftover(const QString &fileName)
{
    // QSaveFile's temporary is the target's name, a dot and six random letters; the target is one of our alarm
    // or settings names, so a user's own "notes.alm.backup" beside them is not taken for one.
    static const QRegularExpression leftover(
        QStringLiteral(R"(^([A-Za-z0-9_-]+\.alm|(past|startup|hide)\.bvr)\.[A-Za-z]{6}$)"),
        QRegularExpression::CaseInsensitiveOption);
    return leftover.match(fileName).hasMatch();
}

int removeSaveLeftovers(const QString &folder)
{
    int removed = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        if (isSaveLeftover(it.fileName()) && entryType(it.filePath()) == EntryType::Regular
            && QFile::remove(it.filePath()))
            ++removed;
    }
    return removed;
}

} // namespace brevora
