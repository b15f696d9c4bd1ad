// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/safesave.h"

#include "os/files/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace brevora {

const QString saveTemporaryMark = QStringLiteral(".brevora-save-");

bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    // A link stands for a file kept elsewhere: neither writing through it nor renaming over it is what was meant.
    switch (entryType(path)) {
    case EntryType::Missing:
    case EntryType::Regular:
        break;
    case EntryType::Link:
        return fail(QCoreApplication::translate("brevora::core", "%1 is a link; Brevora does not write through links.")
                        .arg(QDir::toNativeSeparators(path)));
    case EntryType::Other:
        return fail(QCoreApplication::translate("brevora::core", "%1 is not a regular file.")
                        .arg(QDir::toNativeSeparators(path)));
    }
    // A rename would replace a file the user made read-only as readily as any other.
    if (QFileInfo::exists(path) && !QFileInfo(path).isWritable())
        return fail(
            QCoreApplication::translate("brevora::core", "%1 is read-only.").arg(QDir::toNativeSeparators(path)));
    // The temporary beside the file bears a name that no person and no other program would choose, so that the
    // start can remove what a killed save left without ever taking a user's own "7-5.alm.backup" for one.
    QString temporary;
    QString why;
    for (int attempt = 0; attempt < 8 && temporary.isEmpty(); ++attempt) {
        const QString candidate = saveTemporaryPath(path);
        if (writeNewFileSynced(candidate, bytes, path, &why))
            temporary = candidate;
        else if (entryType(candidate) == EntryType::Missing)
            break; // a real failure, not a name that was taken
    }
    if (temporary.isEmpty())
        return fail(why.isEmpty() ? QCoreApplication::translate("brevora::core", "The file could not be written.")
                                  : why);
    if (!renameReplacing(temporary, path, &why)) {
        QFile::remove(temporary);
        return fail(why);
    }
    syncFolder(QFileInfo(path).absolutePath());
    return true;
}

QString saveTemporaryPath(const QString &path)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix.append(letters.at(QRandomGenerator::global()->bounded(letters.size())));
    const QFileInfo target(path);
    return target.dir().filePath(QStringLiteral(".%1%2%3").arg(target.fileName(), saveTemporaryMark, suffix));
}

bool isSaveLeftover(const QString &fileName)
{
    static const QRegularExpression leftover(
        QStringLiteral(R"(^\..+%1[A-Za-z0-9]{6}$)").arg(QRegularExpression::escape(saveTemporaryMark)));
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
