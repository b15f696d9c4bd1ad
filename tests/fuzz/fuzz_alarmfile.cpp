// SPDX-License-Identifier: GPL-3.0-or-later
// The alarm file's reader never fails on any bytes, and what the writer accepts reads back equal.
#include "core/model/alarmfile.h"

#include <QString>

#include <cstdlib>

using namespace brevora;

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

bool storable(const QStringList &fields)
{
    for (const QString &field : fields) {
        if (!canStoreField(field))
            return false;
    }
    return formatAlarmLine(fields).size() - 2 <= maxAlarmLineBytes;
}

// Written fields come back as they were: every kind's count, from any text the writer takes.
void checkRoundTrip(const QStringList &fields)
{
    if (!storable(fields))
        return;
    const QByteArray line = formatAlarmLine(fields);
    require(line.endsWith("\r\n"), "a written line ends with CR LF");
    const auto back = parseAlarmLine(line.chopped(2), int(fields.size()));
    require(back.has_value(), "a written line reads");
    require(*back == fields, "a written line reads back equal");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // Any bytes as a stored line, for every kind's count of fields; what reads must write back the same way.
    for (int count : { 4, 5, 6, 7 }) {
        const auto fields = parseAlarmLine(bytes, count);
        if (fields) {
            require(fields->size() == count, "the kind's count of fields");
            checkRoundTrip(*fields);
        }
    }
    // The same bytes as UTF-16 text, lone surrogates and all, for the text and the sound of a daily alarm.
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(data), qsizetype(size / 2));
    checkRoundTrip({ text, QStringLiteral("ninguno"), QStringLiteral("7"), QStringLiteral("5") });
    checkRoundTrip({ QStringLiteral("x"), text, QStringLiteral("7"), QStringLiteral("5") });
    return 0;
}
