// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program and brevora-wake say to each other over the helper's standard input and output. Plain C++
// without Qt, so that the helper, which holds a capability, carries as little code as it can.
//
// The program writes one line per change: the whole set of moments to wake the machine at, as decimal seconds
// since the Unix epoch separated by single spaces ("1170511200 1170514800"); an empty line disarms them all. Each
// line replaces the previous set, and a line refused keeps it. The helper answers each line with "ok N" or
// "error REASON", says "rang T" when the moment T has come (at once for a moment already past), and starts by
// saying "ready", or "unable: REASON" before it ends with status 3.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <limits>
#include <string>
#include <string_view>

namespace brevora::wake {

// The next few due moments are enough: the program sends a new set whenever one of them rings or the alarms change.
inline constexpr std::size_t maxInstants = 8;
// Eight twelve-digit numbers and their spaces fit with room to spare; a longer line is not the program's.
inline constexpr std::size_t maxLineLength = 128;
// The last second of year 9999, or less where time_t has 32 bits and could not hold it.
inline constexpr std::int64_t latestInstant
    = std::min<std::int64_t>(253402300799, std::numeric_limits<std::time_t>::max());

struct Instants
{
    std::array<std::int64_t, maxInstants> at{};
    std::size_t count = 0;
};

struct ParsedLine
{
    Instants instants;
    // Empty when the line was taken; otherwise why it was refused, in a few words for the reply.
    std::string_view error;
};

// Reads one line, without its line end. Every instant is from 1 to latestInstant, written without leading zeros
// (so that a line taken is exactly its instants written back), and none is repeated, so each one rings once.
ParsedLine parseInstantLine(std::string_view line);

// Cuts what is read from the pipe into lines. A line longer than maxLineLength is handed on cut to
// maxLineLength + 1 bytes, which parseInstantLine refuses, so an endless line costs no memory. Bytes after the
// last line end wait for the rest of their line.
class LineSplitter
{
public:
    template<typename Take>
    void feed(std::string_view bytes, Take &&take)
    {
        for (const char c : bytes) {
            if (c == '\n') {
                take(std::string_view(m_line));
                m_line.clear();
            } else if (m_line.size() <= maxLineLength) {
                m_line.push_back(c);
            }
        }
    }

private:
    std::string m_line;
};

} // namespace brevora::wake
