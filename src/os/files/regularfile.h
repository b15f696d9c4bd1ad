// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace brevora {

// What a directory entry is in itself; a link is a link whatever it names, also when it names nothing.
enum class EntryType { Missing, Regular, Link, Other };
EntryType entryType(const QString &path);

// Up to `maxBytes` of a regular file (through links). Anything else (a pipe, a device, a folder) fails at once
// instead of blocking the thread in open() or read().
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);

// The names in the folder that are not valid UTF-8, shown with U+FFFD for each bad byte. Qt's listings skip
// them, so without this they would be invisible and could never be reported.
QStringList namesNotValidUtf8(const QString &folder);
// Those of them that are files (regular files, also through a link), for listings that offer files only.
QStringList fileNamesNotValidUtf8(const QString &folder);
// The other files, those whose names are valid UTF-8, hidden ones too, in no particular order. Read the same way, so
// that a listing made of both does not hang on how a Qt version's own listing treats the names it cannot decode.
QStringList fileNamesValidUtf8(const QString &folder);

// Makes the folder's entries durable, so a file just renamed into it survives a power loss. Best effort.
bool syncFolder(const QString &folder);

// Writes `bytes` into a file made new at `path` (never an entry that exists, never through a link) and syncs it
// to disk. It takes the permissions of `permissionsOf` when that is a regular file. On failure nothing is left at
// `path`, and `error` says why.
bool writeNewFileSynced(const QString &path, const QByteArray &bytes, const QString &permissionsOf, QString *error);

// Renames `from` to `to` in one step, replacing what `to` holds: a reader sees the old file or the new one.
bool renameReplacing(const QString &from, const QString &to, QString *error);

// Where an entry lives (through links): the same path leading to another identity is another folder or file.
struct EntryIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    friend bool operator==(const EntryIdentity &, const EntryIdentity &) = default;
};
std::optional<EntryIdentity> entryIdentity(const QString &path);

// Changes the permissions of the file itself, never of what a link names. Fails on a link.
bool makeWritableByOwner(const QString &path);

} // namespace brevora
