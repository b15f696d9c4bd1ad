#pragma once

#include <QString>

class QWidget;

namespace brevora {

class Launcher;
class Prompter;

// "Help file/Helpfile.chm" under ProgramDir, found whatever the letter case of its folder and name; when there is
// none, the one installed with the program under the application's data folders (QStandardPaths'
// AppDataLocation). With neither, the path under ProgramDir, for the message that it is missing.
QString helpFilePath(const QString &programDir);

// "Help": opens the help file with the desktop's viewer for it and does not wait. A missing file or a viewer
// that cannot be started is told in a box; the program carries on either way. Returns whether a viewer started.
bool openHelpFile(const QString &programDir, Launcher &launcher, Prompter &prompter, QWidget *parent = nullptr);

} // namespace brevora
