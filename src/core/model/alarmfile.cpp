// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/alarmfile.h"

#include "core/model/textcodec.h"

#include "os/files/regularfile.h"

namespace brevora {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A hand-made file may hold control characters the writer never puts there; the alarm still falls due, and
// each one shows as a blank.
QByteArray blankControlBytes(QByteArray line)
{
    for (char &c : line) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7f)
            c = ' ';
    }
    return line;
}

} // namespace

std::optional<QStringList> parseAlarmLine(const QByteArray &storedLine, int fieldCount)
{
    if (storedLine.isEmpty())
        return std::nullopt;
    const QByteArray line = blankControlBytes(storedLine);
    QStringList fields;
    qsizetype pos = 0;
    const qsizetype end = line.size();
    while (fields.size() < fieldCount) {
        if (pos > end)
            return std::nullopt; // the line ended before the kind's count of fields
        while (pos < end && isBlank(line[pos]))
            ++pos;
        QByteArray value;
        if (pos < end && line[pos] == '"') {
            const qsizetype close = line.indexOf('"', pos + 1);
            if (close < 0)
                return std::nullopt; // a cut-off file
            value = line.mid(pos + 1, close - pos - 1);
            pos = close + 1;
            // Anything between the closing quote and the comma is dropped.
            const qsizetype comma = line.indexOf(',', pos);
            pos = comma < 0 ? end : comma;
        } else {
            const qsizetype comma = line.indexOf(',', pos);
            const qsizetype stop = comma < 0 ? end : comma;
            value = line.mid(pos, stop - pos);
            while (!value.isEmpty() && isBlank(value.back()))
                value.chop(1);
            pos = stop;
        }
        fields.append(decodeStoredText(value));
        ++pos; // past the comma, or past the end when this was the last field
    }
    return fields;
}

bool canStoreField(const QString &field)
{
    // Whatever would not read back as written is refused: a quote or a control character, and a lone half of a
    // UTF-16 surrogate pair, which has no UTF-8 form and would come back as U+FFFD.
    if (!QStringView(field).isValidUtf16())
        return false;
    for (QChar c : field) {
        if (c == u'"' || (c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

QByteArray formatAlarmLine(const QStringList &fields)
{
    QByteArray line;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += '"';
        line += encodeStoredText(fields[i]);
        line += '"';
    }
    line += "\r\n";
    return line;
}

std::optional<AlarmRecord> readAlarmFile(const QString &path, AlarmKind kind)
{
    // Only a regular file is opened, so a pipe under an alarm's name cannot hold the thread.
    const std::optional<QByteArray> read = readRegularFile(path, maxAlarmLineBytes + 1);
    if (!read)
        return std::nullopt;
    const QByteArray &head = *read;
    const bool truncated = head.size() > maxAlarmLineBytes;

    qsizetype lineEnd = head.indexOf('\n');
    const qsizetype cr = head.indexOf('\r');
    if (cr >= 0 && (lineEnd < 0 || cr < lineEnd))
        lineEnd = cr;
    if (lineEnd < 0 && truncated)
        return std::nullopt;
    if (lineEnd > maxAlarmLineBytes)
        return std::nullopt;
    const QByteArray line = lineEnd < 0 ? head : head.left(lineEnd);
    auto fields = parseAlarmLine(line, kindInfo(kind).fieldCount());
    if (!fields)
        return std::nullopt;
    return AlarmRecord{ *fields };
}

} // namespace brevora
