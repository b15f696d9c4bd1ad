// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace brevora {

class Launcher;
class Prompter;

// "Help file/Helpfile.chm" under ProgramDir, found whatever the letter case of its folder and name; when there is
// none, the one installed with the program among the shared data folders ("brevora/Helpfile.chm", or
// "Brevora/Help file/Helpfile.chm" where an earlier release was installed). With neither, the path under
// ProgramDir, for the message that it is missing.
QString helpFilePath(const QString &programDir);

// The index page of the help installed as HTML ("brevora/html/index.html" among the shared data folders, not under
// doc/, which a system may leave out), or an empty string.
QString htmlHelpIndex();

// "Help": opens the help without waiting: the help file when a program of the desktop shows compiled help,
// otherwise the HTML help in the user's browser. When neither opens, a box says why and what to install; the
// program carries on either way. Returns whether a viewer started.
bool openHelpFile(const QString &programDir, Launcher &launcher, Prompter &prompter, QWidget *parent = nullptr);

} // namespace brevora
