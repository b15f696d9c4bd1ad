// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/storescan.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QJsonObject;
class QTextStream;

namespace brevora::cli {

using brevora::Problem;
using brevora::ProblemSink;

// "path: problem; advice", one line each, like a compiler's messages.
void printProblems(QTextStream &stream, const QList<Problem> &problems);

// One JSON document {"<name>": [...]} written entry by entry, so the list is never held whole.
class JsonListWriter
{
public:
    JsonListWriter(QTextStream &stream, const char *name);
    void add(const QJsonObject &entry);
    // Closes the document and flushes; nothing may be added after it.
    void finish();

private:
    QTextStream &m_stream;
    bool m_empty = true;
};

// Writes problems as they are found, so a store with a problem in every one of its files is never held whole:
// the lines of printProblems, or one JSON document {"problems": [...]} whose list grows entry by entry.
class ProblemStream
{
public:
    ProblemStream(QTextStream &stream, bool json);
    ProblemStream(const ProblemStream &) = delete;
    ProblemStream &operator=(const ProblemStream &) = delete;

    void add(const Problem &problem);
    // Closes the JSON document and flushes; nothing may be added after it.
    void finish();
    qsizetype count() const { return m_count; }
    ProblemSink sink()
    {
        return [this](const Problem &problem) { add(problem); };
    }

private:
    QTextStream &m_stream;
    std::optional<JsonListWriter> m_json;
    qsizetype m_count = 0;
};

} // namespace brevora::cli
