// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/problem.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace brevora::cli {

void printProblems(QTextStream &stream, const QList<Problem> &problems)
{
    for (const Problem &p : problems) {
        stream << QDir::toNativeSeparators(p.path) << ": " << QString(p.problem).replace(u'\n', u' ').simplified();
        if (!p.advice.isEmpty())
            stream << "; " << p.advice;
        stream << '\n';
    }
    stream.flush();
}

QByteArray problemsJson(const QList<Problem> &problems)
{
    QJsonArray list;
    for (const Problem &p : problems)
        list.append(QJsonObject{
            { "path", QDir::toNativeSeparators(p.path) }, { "problem", p.problem }, { "advice", p.advice } });
    return QJsonDocument(QJsonObject{ { "problems", list } }).toJson();
}

} // namespace brevora::cli
