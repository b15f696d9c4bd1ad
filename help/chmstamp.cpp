// SPDX-License-Identifier: GPL-3.0-or-later
// Sets the compile time that chmcmd writes into a help file, twice (the file's header and its #SYSTEM entry 10,
// each as milliseconds of the day), to SOURCE_DATE_EPOCH's, so that building the same sources again gives the
// same bytes. Without SOURCE_DATE_EPOCH the file is left as it is.
// Usage: chmstamp FILE
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr std::size_t headerStamp = 0x10;

std::uint32_t readLittle(const std::vector<unsigned char> &bytes, std::size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t(bytes[at + 3]) << 24;
}

} // namespace

int main(int argc, char **argv)
{
    const char *epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (argc != 2 || epoch == nullptr)
        return argc == 2 ? 0 : 2;
    const std::uint32_t stamp = std::uint32_t(std::strtoull(epoch, nullptr, 10) % 86400) * 1000;

    std::vector<unsigned char> bytes;
    {
        std::ifstream in(argv[1], std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    if (bytes.size() < headerStamp + 4 || std::string(bytes.begin(), bytes.begin() + 4) != "ITSF") {
        std::fprintf(stderr, "chmstamp: %s is no help file\n", argv[1]);
        return 1;
    }
    const std::uint32_t built = std::uint32_t(bytes[headerStamp]) << 24 | bytes[headerStamp + 1] << 16
        | bytes[headerStamp + 2] << 8 | bytes[headerStamp + 3];
    // Entry 10 is written a moment after the header: code 10, length 4, then the time. Other bytes may look like
    // its start, but not also hold a time that close to the header's.
    std::size_t entry = 0;
    for (std::size_t at = headerStamp + 4; at + 8 <= bytes.size(); ++at) {
        if (bytes[at] == 10 && bytes[at + 1] == 0 && bytes[at + 2] == 4 && bytes[at + 3] == 0
            && readLittle(bytes, at + 4) - built < 60000) {
            entry = at + 4;
            break;
        }
    }
    if (entry == 0) {
        std::fprintf(stderr, "chmstamp: %s holds no compile time after its header's\n", argv[1]);
        return 1;
    }
    for (int i = 0; i < 4; ++i) {
        bytes[headerStamp + i] = (stamp >> (24 - 8 * i)) & 0xff;
        bytes[entry + i] = (stamp >> (8 * i)) & 0xff;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    return out ? 0 : 1;
}
