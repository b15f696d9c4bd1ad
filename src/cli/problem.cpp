// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/problem.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace brevora::cli {

namespace {

void printProblem(QTextStream &stream, const Problem &p)
{
    stream << QDir::toNativeSeparators(p.path) << ": " << QString(p.problem).replace(u'\n', u' ').simplified();
    if (!p.advice.isEmpty())
        stream << "; " << p.advice;
    stream << '\n';
}

} // namespace

void printProblems(QTextStream &stream, const QList<Problem> &problems)
{
    for (const Problem &p : problems)
        printProblem(stream, p);
    stream.flush();
}

JsonListWriter::JsonListWriter(QTextStream &stream, const char *name)
    : m_stream(stream)
{
    m_stream << "{\n    \"" << name << "\": [";
}

void JsonListWriter::add(const QJsonObject &entry)
{
    m_stream << (m_empty ? "\n        " : ",\n        ") << QJsonDocument(entry).toJson(QJsonDocument::Compact);
    m_empty = false;
}

void JsonListWriter::finish()
{
    m_stream << (m_empty ? "]\n}\n" : "\n    ]\n}\n");
    m_stream.flush();
}

ProblemStream::ProblemStream(QTextStream &stream, bool json)
    : m_stream(stream)
{
    if (json)
        m_json.emplace(stream, "problems");
}

void ProblemStream::add(const Problem &p)
{
    if (m_json)
        m_json->add(QJsonObject{
            { "path", QDir::toNativeSeparators(p.path) }, { "problem", p.problem }, { "advice", p.advice } });
    else
        printProblem(m_stream, p);
    ++m_count;
}

void ProblemStream::finish()
{
    if (m_json)
        m_json->finish();
    else
        m_stream.flush();
}

} // namespace brevora::cli
