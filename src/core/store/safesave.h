// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace brevora {

// Replaces the file with `bytes` so that it holds either its old or its new content, never a torn or empty one.
// A failed write (a full disk) leaves the old file as it was. Only a regular file or a free name is written: a
// link, a pipe or a device is refused, so nothing outside the store is ever replaced. `error` says why it failed.
bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Whether the name is one our saves give their temporaries ("7-5.alm.pANMVD"): a save killed halfway leaves it.
bool isSaveLeftover(const QString &fileName);

// Removes our leftover temporaries from the folder; returns how many went.
int removeSaveLeftovers(const QString &folder);

} // namespace brevora
