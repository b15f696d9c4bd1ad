// SPDX-License-Identifier: GPL-3.0-or-later
// Writes Brevora's own alarm sounds into the folder named on the command line. They are computed here rather
// than recorded, so the sources hold no binary data and the sounds are ours to give away (debian/copyright).
// The sound chooser lists only waveform files, hence 16-bit PCM in a RIFF/WAVE file.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int rate = 22050;

// Adds `wave`, a function of the time since its start in seconds, to the samples from `at` seconds on.
template<typename Wave>
void mix(std::vector<double> &out, double at, double seconds, Wave wave)
{
    const auto first = static_cast<std::size_t>(at * rate);
    const auto count = static_cast<std::size_t>(seconds * rate);
    if (out.size() < first + count)
        out.resize(first + count);
    for (std::size_t i = 0; i < count; ++i)
        out[first + i] += wave(static_cast<double>(i) / rate);
}

double tone(double frequency, double t)
{
    return std::sin(2 * std::numbers::pi * frequency * t);
}

struct Partial
{
    double frequency;
    double level;
    double decayPerSecond;
};

// A struck bell: a few partials, each dying away at its own pace. A few milliseconds of attack keep the onset
// from clicking.
void addBell(std::vector<double> &out, double at, double seconds, const std::vector<Partial> &partials)
{
    mix(out, at, seconds, [&partials](double t) {
        double sample = 0;
        for (const Partial &p : partials)
            sample += p.level * std::exp(-p.decayPerSecond * t) * tone(p.frequency, t);
        return std::min(1.0, t / 0.004) * sample;
    });
}

// A beep with soft edges, so that a quick series of them does not crackle.
void addBeep(std::vector<double> &out, double at, double seconds, double frequency, double level)
{
    mix(out, at, seconds, [=](double t) {
        return level * std::min({ 1.0, t / 0.008, (seconds - t) / 0.008 }) * tone(frequency, t);
    });
}

void putLittleEndian(std::string &bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xff);
}

bool writeWave(const std::string &path, const std::vector<double> &samples)
{
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::string bytes = "RIFF";
    putLittleEndian(bytes, 36 + dataSize, 4);
    bytes += "WAVEfmt ";
    putLittleEndian(bytes, 16, 4); // the size of the format chunk
    putLittleEndian(bytes, 1, 2); // PCM
    putLittleEndian(bytes, 1, 2); // mono
    putLittleEndian(bytes, rate, 4);
    putLittleEndian(bytes, rate * 2, 4); // bytes per second
    putLittleEndian(bytes, 2, 2); // bytes per frame
    putLittleEndian(bytes, 16, 2); // bits per sample
    bytes += "data";
    putLittleEndian(bytes, dataSize, 4);
    for (const double sample : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32767));
        putLittleEndian(bytes, static_cast<std::uint16_t>(value), 2);
    }
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::vector<double> chime()
{
    // Two notes falling a major third, with the slightly sharp upper partials of a small bell.
    std::vector<double> out;
    for (const auto &[at, note] : { std::pair{ 0.0, 1318.5 }, std::pair{ 0.45, 1046.5 } })
        addBell(out, at, 1.1, { { note, 0.32, 3.5 }, { note * 2.76, 0.12, 7.0 }, { note * 5.40, 0.05, 12.0 } });
    return out;
}

std::vector<double> beeps()
{
    // The alarm clock's pattern: four quick beeps, a rest, and four again.
    std::vector<double> out;
    for (int group = 0; group < 2; ++group) {
        for (int beep = 0; beep < 4; ++beep)
            addBeep(out, group * 0.9 + beep * 0.14, 0.08, 2093.0, 0.5);
    }
    out.resize(out.size() + rate / 10);
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s folder\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    for (const auto &[name, samples] : { std::pair{ "chime.wav", chime() }, std::pair{ "beeps.wav", beeps() } }) {
        if (!writeWave(folder + '/' + name, samples)) {
            std::perror((folder + '/' + name).c_str());
            return 1;
        }
    }
    return 0;
}
