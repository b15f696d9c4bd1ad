// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace brevora {

// Starts other programs for the user. Nothing here goes through a shell, so paths with blanks or shell
// characters are passed as they are, and a launch that fails is reported rather than ending the program.
class Launcher
{
public:
    virtual ~Launcher() = default;
    // Opens a document with the desktop's handler for its type; false when no handler could be started.
    virtual bool openDocument(const QString &path) = 0;
    // Whether the desktop has a program registered for this document's type. Starting the desktop's opener says
    // nothing about that: it starts even when it then finds no program and shows nothing.
    virtual bool canOpenDocument(const QString &path) const = 0;
    // Opens a document with the given program (a full path) without waiting; false when it could not be started.
    virtual bool openDocumentWith(const QString &program, const QString &path) = 0;
    // The full path of a program found on PATH, or an empty string.
    virtual QString findProgram(const QString &name) const = 0;
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool startProgram(const QString &program) = 0;
};

class SystemLauncher final : public Launcher
{
public:
    bool openDocument(const QString &path) override;
    bool canOpenDocument(const QString &path) const override;
    bool openDocumentWith(const QString &program, const QString &path) override;
    QString findProgram(const QString &name) const override;
    bool startProgram(const QString &program) override;
};

} // namespace brevora
