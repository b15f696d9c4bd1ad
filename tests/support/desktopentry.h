// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A reader of freedesktop desktop entries written apart from the program's writer, so that the tests check
// the files against the format rather than against the writer's own idea of it.

#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

namespace brevora::test {

// The keys of the [Desktop Entry] group, their string escapes undone.
inline QHash<QString, QString> readDesktopEntry(const QString &path)
{
    QHash<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return keys;
    bool inGroup = false;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.startsWith(u'[')) {
            inGroup = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!inGroup || line.startsWith(u'#') || eq < 0)
            continue;
        const QString value = line.mid(eq + 1).trimmed();
        QString plain;
        for (qsizetype i = 0; i < value.size(); ++i) {
            if (value[i] != u'\\' || i + 1 == value.size()) {
                plain += value[i];
                continue;
            }
            const QChar next = value[++i];
            plain += next == u's' ? QChar(u' ')
                : next == u'n'    ? QChar(u'\n')
                : next == u't'    ? QChar(u'\t')
                : next == u'r'    ? QChar(u'\r')
                                  : next;
        }
        keys.insert(line.left(eq).trimmed(), plain);
    }
    return keys;
}

// The arguments of an Exec value: blanks separate them, double quotes group them, and inside quotes a
// backslash takes the next of " ` $ \ literally; "%%" is a literal percent sign. Strict: a reserved character
// left bare, or one of those four unescaped inside quotes, makes the line invalid and gives an empty list.
inline QStringList splitExec(const QString &exec)
{
    const QString reserved = QStringLiteral("\t\n\"'\\><~|&;$*?#()`");
    const QString escapable = QStringLiteral("\"`$\\");
    QStringList arguments;
    QString current;
    bool quoted = false;
    bool started = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted && c == u'\\') {
            if (i + 1 == exec.size() || !escapable.contains(exec[i + 1]))
                return {};
            current += exec[++i];
        } else if (c == u'"') {
            quoted = !quoted;
            started = true;
        } else if (quoted && escapable.contains(c)) {
            return {};
        } else if (!quoted && c == u' ') {
            if (started)
                arguments.append(current);
            current.clear();
            started = false;
        } else if (!quoted && reserved.contains(c)) {
            return {};
        } else if (c == u'%') {
            if (i + 1 == exec.size() || exec[i + 1] != u'%')
                return {}; // a field code, which the program never writes
            current += exec[++i];
            started = true;
        } else {
            current += c;
            started = true;
        }
    }
    if (quoted)
        return {};
    if (started)
        arguments.append(current);
    return arguments;
}

} // namespace brevora::test
