// SPDX-License-Identifier: GPL-3.0-or-later
#include "wake/wakeprotocol.h"

namespace brevora::wake {

namespace {

ParsedLine refused(std::string_view why)
{
    ParsedLine result;
    result.error = why;
    return result;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

ParsedLine parseInstantLine(std::string_view line)
{
    if (line.size() > maxLineLength)
        return refused("line too long");
    ParsedLine result;
    if (line.empty())
        return result;
    Instants &instants = result.instants;
    for (std::size_t at = 0;;) {
        if (instants.count == maxInstants)
            return refused("too many instants");
        const std::size_t start = at;
        std::int64_t value = 0;
        for (; at < line.size() && isDigit(line[at]); ++at) {
            // Checked at each digit, so that no number of digits can overflow.
            value = value * 10 + (line[at] - '0');
            if (value > latestInstant)
                return refused("instant out of range");
        }
        if (at == start) {
            if (at == line.size() || line[at] == ' ')
                return refused("empty instant");
            return refused(line[at] == '-' ? "negative instant" : "not a digit");
        }
        // Zero would disarm the timer instead of arming it.
        if (value == 0)
            return refused("instant out of range");
        if (line[start] == '0')
            return refused("leading zero");
        const auto end = instants.at.begin() + std::ptrdiff_t(instants.count);
        if (std::find(instants.at.begin(), end, value) != end)
            return refused("repeated instant");
        instants.at[instants.count++] = value;
        if (at == line.size())
            return result;
        if (line[at] != ' ')
            return refused("not a digit");
        ++at;
    }
}

} // namespace brevora::wake
