// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace brevora {

// Replaces the file with `bytes` so that it holds either its old or its new content, never a torn or empty one.
// A failed write (a full disk) leaves the old file as it was. Only a regular file or a free name is written: a
// link, a pipe or a device is refused, so nothing outside the store is ever replaced. `error` says why it failed.
bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// What marks a save's temporary: ".7-5.alm.brevora-save-x3Zq9A" beside "7-5.alm", hidden from listings.
extern const QString saveTemporaryMark;

// A fresh name for the temporary of a save of `path`, in the same folder so the final rename stays in one step.
QString saveTemporaryPath(const QString &path);

// Whether the name is one our saves give their temporaries: a save killed halfway leaves it. Only such names
// are ever removed as leftovers; older temporaries ("7-5.alm.pANMVD") look like a user's own "7-5.alm.backup",
// so they are left alone.
bool isSaveLeftover(const QString &fileName);

// Removes our leftover temporaries from the folder; returns how many went.
int removeSaveLeftovers(const QString &folder);

} // namespace brevora
