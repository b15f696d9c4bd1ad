// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/common/launcher.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringList>

namespace brevora::test {

// Knows the programs it is told about, records every launch and fails those it is told to fail.
class FakeLauncher final : public Launcher
{
public:
    bool openDocument(const QString &path) override
    {
        opened.append(path);
        return documentsOpen;
    }
    bool canOpenDocument(const QString &path) const override
    {
        return !unhandledSuffixes.contains(QFileInfo(path).suffix().toLower());
    }
    bool openDocumentWith(const QString &program, const QString &path) override
    {
        openedWith.append({ program, path });
        return !failingPrograms.contains(program);
    }
    QString findProgram(const QString &name) const override { return onPath.value(name); }
    bool startProgram(const QString &program) override
    {
        started.append(program);
        return !failingPrograms.contains(program);
    }

    QHash<QString, QString> onPath; // name -> full path
    QSet<QString> failingPrograms;
    bool documentsOpen = true;
    QSet<QString> unhandledSuffixes; // lower case, no dot: the desktop has no program for these
    QStringList opened;
    QList<QStringList> openedWith; // program, document
    QStringList started;
};

} // namespace brevora::test
