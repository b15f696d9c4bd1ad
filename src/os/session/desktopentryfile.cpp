// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/session/desktopentryfile.h"

#include <QList>

namespace brevora {

QString desktopEntryValue(const QByteArray &text, const QByteArray &key)
{
    bool inGroup = false;
    for (const QByteArray &rawLine : text.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('['))
            inGroup = line == "[Desktop Entry]";
        else if (inGroup && line.startsWith(key + '=')) {
            QString value;
            const QString raw = QString::fromUtf8(line.mid(key.size() + 1));
            for (qsizetype i = 0; i < raw.size(); ++i) {
                if (raw[i] == u'\\' && i + 1 < raw.size()) {
                    const QChar next = raw[++i];
                    value += next == u's' ? u' ' : next == u'n' ? u'\n' : next == u't' ? u'\t' : next;
                } else {
                    value += raw[i];
                }
            }
            return value;
        }
    }
    return {};
}

QString execProgram(const QString &exec)
{
    QString program;
    const QString line = exec.trimmed();
    if (!line.startsWith(u'"'))
        return line.section(u' ', 0, 0);
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (line[i] == u'\\' && i + 1 < line.size())
            program += line[++i];
        else if (line[i] == u'"')
            break;
        else
            program += line[i];
    }
    return program;
}

} // namespace brevora
