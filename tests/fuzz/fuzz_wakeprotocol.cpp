// SPDX-License-Identifier: GPL-3.0-or-later
// brevora-wake's reading of its pipe, on any bytes in any pieces: the lines are those of the bytes (an endless one
// cut short), and a line is taken exactly when it is a valid set of instants, in which case writing its instants
// back gives the line again.
#include "wake/wakeprotocol.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

using namespace brevora::wake;

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// The rules read another way: tokens between single spaces.
bool valid(std::string_view line)
{
    if (line.size() > maxLineLength)
        return false;
    if (line.empty())
        return true;
    std::set<std::string_view> seen;
    std::size_t start = 0;
    for (;;) {
        const std::size_t space = line.find(' ', start);
        const std::string_view token = line.substr(start, space == std::string_view::npos ? space : space - start);
        if (token.empty() || token.size() > 12 || token[0] == '0'
            || token.find_first_not_of("0123456789") != std::string_view::npos
            || std::stoll(std::string(token)) > latestInstant || !seen.insert(token).second
            || seen.size() > maxInstants)
            return false;
        if (space == std::string_view::npos)
            return true;
        start = space + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    // Read in pieces of a size the input chooses, as a pipe may hand them over.
    LineSplitter splitter;
    std::vector<std::string> lines;
    const std::size_t piece = size > 0 ? data[0] % 17 + 1 : 1;
    for (std::size_t at = 0; at < size; at += piece) {
        splitter.feed(bytes.substr(at, piece), [&lines](std::string_view line) { lines.emplace_back(line); });
    }
    std::vector<std::string> expected;
    for (std::size_t start = 0, end; (end = bytes.find('\n', start)) != std::string_view::npos; start = end + 1)
        expected.emplace_back(bytes.substr(start, std::min(end - start, maxLineLength + 1)));
    require(lines == expected, "the lines are those of the bytes");

    for (const std::string &line : lines) {
        const ParsedLine parsed = parseInstantLine(line);
        require(parsed.error.empty() == valid(line), "a line is taken exactly when it is valid");
        if (!parsed.error.empty())
            continue;
        require(parsed.instants.count <= maxInstants, "at most eight instants");
        std::string written;
        for (std::size_t i = 0; i < parsed.instants.count; ++i)
            written += (i > 0 ? " " : "") + std::to_string(parsed.instants.at[i]);
        require(written == line, "the instants written back are the line");
    }
    return 0;
}
