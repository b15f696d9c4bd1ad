#pragma once

#include "ui/common/launcher.h"

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
    QString findProgram(const QString &name) const override { return onPath.value(name); }
    bool startProgram(const QString &program) override
    {
        started.append(program);
        return !failingPrograms.contains(program);
    }

    QHash<QString, QString> onPath; // name -> full path
    QSet<QString> failingPrograms;
    bool documentsOpen = true;
    QStringList opened;
    QStringList started;
};

} // namespace brevora::test
