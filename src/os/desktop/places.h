// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace brevora {

// Where this system keeps what the windows offer the user.

// Folders that usually hold short sounds, most likely first; some may not exist.
QStringList usualSoundFolders();

// Programs that show information about the system, in the order they are tried.
QStringList systemInfoTools();

// The program and first arguments that open a document with the handler registered for its type, the document's
// path going last; empty where the desktop's own services do that.
QStringList documentOpener();

// The folder for what this user's copy of the program keeps about its own runs (not alarms, not settings); for
// an installed copy, where the system wants such state. Not created here.
QString programStateFolder();

// Whether a program of the desktop is registered for this document's type by a desktop entry under one of these
// data folders (the XDG data folders, most important first).
bool hasDocumentHandler(const QString &path, const QStringList &dataFolders);

// Programs that show compiled HTML help (CHM) when given its path, in the order they are tried.
QStringList chmViewers();

// Programs that open a page in the user's web browser when given its path, for desktops without an opener.
QStringList webBrowsers();

// Whether text files of this system are written in its legacy code page rather than UTF-8.
bool textFilesUseLegacyCodePage();

} // namespace brevora
