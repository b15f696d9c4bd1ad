// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names/dueverdict.h"

#include "core/model/coretext.h"
#include "core/names/namefault.h"
#include "core/names/nextdue.h"
#include "core/names/twins.h"

namespace brevora {

DueVerdict dueVerdict(AlarmKind kind, const QString &fileName, bool readable, const QStringList &folderNames,
                      const QDateTime &now)
{
    if (!readable)
        return { std::nullopt,
                 coreText(QStringLiteral(
                     QT_TRANSLATE_NOOP("brevora::core", "the file cannot be read as an alarm of its kind"))) };
    QStringList twins;
    for (const QString &name : folderNames) {
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            twins.append(name);
    }
    if (twins.size() > 1) {
        const QString found = twins.value(foundTwin(kind, twins, now));
        if (found != fileName)
            return { std::nullopt,
                     coreText(QStringLiteral(QT_TRANSLATE_NOOP(
                                  "brevora::core", "%1 differs only in letter case and is shown in its place")))
                         .arg(found) };
    }
    if (auto next = nextDueMoment(kind, fileName, now))
        return { std::move(next), {} };
    const auto fault = nameFault(kind, fileName, now);
    return { std::nullopt, fault ? fault->why : QString() };
}

} // namespace brevora
