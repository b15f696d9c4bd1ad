// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class QTextStream;

namespace brevora::cli {

// One thing that keeps an alarm from being shown or heard, and what to do about it.
struct Problem
{
    QString path;
    QString problem;
    QString advice;
};

// "path: problem; advice", one line each, like a compiler's messages.
void printProblems(QTextStream &stream, const QList<Problem> &problems);
QByteArray problemsJson(const QList<Problem> &problems);

} // namespace brevora::cli
