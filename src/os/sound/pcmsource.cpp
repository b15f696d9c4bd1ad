// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/sound/pcmsource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sndfile.h>

#include <pulse/sample.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brevora {

namespace {

class SoundFileSource final : public PcmSource
{
public:
    SoundFileSource(SNDFILE *file, const SF_INFO &info)
        : m_file(file)
        , m_info(info)
    { }
    ~SoundFileSource() override { sf_close(m_file); }
    SoundFileSource(const SoundFileSource &) = delete;
    SoundFileSource &operator=(const SoundFileSource &) = delete;

    int sampleRate() const override { return m_info.samplerate; }
    int channels() const override { return m_info.channels; }
    std::int64_t frameCount() const override { return m_info.frames; }
    std::size_t read(float *out, std::size_t maxFrames) override
    {
        const sf_count_t got = sf_readf_float(m_file, out, static_cast<sf_count_t>(maxFrames));
        if (got <= 0)
            return 0;
        const auto frames = static_cast<std::size_t>(got);
        // Float files may hold anything, NaN included; the server should only ever get a sound it can play.
        for (float *sample = out; sample != out + frames * static_cast<std::size_t>(m_info.channels); ++sample)
            *sample = std::isnan(*sample) ? 0.0f : std::clamp(*sample, -1.0f, 1.0f);
        return frames;
    }

private:
    SNDFILE *m_file;
    SF_INFO m_info;
};

class BeepSource final : public PcmSource
{
public:
    int sampleRate() const override { return rate; }
    int channels() const override { return 1; }
    std::int64_t frameCount() const override { return length; }
    std::size_t read(float *out, std::size_t maxFrames) override
    {
        const std::size_t frames = std::min(maxFrames, length - m_position);
        for (std::size_t i = 0; i < frames; ++i, ++m_position) {
            // Soft edges: a tone that starts or stops at full height clicks.
            const std::size_t edge = std::min(m_position, length - 1 - m_position);
            const double envelope = std::min(1.0, static_cast<double>(edge) / fade);
            const double phase = 2.0 * std::numbers::pi * frequency * static_cast<double>(m_position) / rate;
            out[i] = static_cast<float>(0.5 * envelope * std::sin(phase));
        }
        return frames;
    }

private:
    static constexpr int rate = 44100;
    static constexpr double frequency = 880.0;
    static constexpr std::size_t length = rate / 5; // 200 ms
    static constexpr double fade = rate / 100.0; // 10 ms
    std::size_t m_position = 0;
};

bool serverTakes(const SF_INFO &info)
{
    return info.frames > 0 && info.channels > 0 && static_cast<unsigned>(info.channels) <= PA_CHANNELS_MAX
        && info.samplerate > 0 && static_cast<unsigned>(info.samplerate) <= PA_RATE_MAX;
}

} // namespace

std::unique_ptr<PcmSource> openSoundFile(const QString &path, QString *problem)
{
    // Said only when asked for: the notices open their sound without anyone to tell.
    const auto fail = [problem](const char *text, const QString &file, const QString &detail = {}) {
        if (problem) {
            *problem = QCoreApplication::translate("brevora::SoundPlayer", text).arg(QDir::toNativeSeparators(file));
            if (!detail.isEmpty())
                *problem = problem->arg(detail);
        }
        return std::unique_ptr<PcmSource>();
    };
    if (path.isEmpty())
        return fail(QT_TRANSLATE_NOOP("brevora::SoundPlayer", "no sound file is named"), path);
    // Devices and pipes could block the reader forever; only regular files are sound files.
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QT_TRANSLATE_NOOP("brevora::SoundPlayer", "the file %1 does not exist"), path);
    if (!info.isFile())
        return fail(QT_TRANSLATE_NOOP("brevora::SoundPlayer", "%1 is not a file"), path);
    SF_INFO format{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &format);
    if (file == nullptr) {
        // libsndfile's own words say what it found wrong; they come in English only.
        return fail(QT_TRANSLATE_NOOP("brevora::SoundPlayer", "the file %1 cannot be decoded (%2)"), path,
                    QString::fromLocal8Bit(sf_strerror(nullptr)));
    }
    if (!serverTakes(format)) {
        sf_close(file);
        return fail(QT_TRANSLATE_NOOP("brevora::SoundPlayer", "the file %1 holds no sound that can be played"), path);
    }
    return std::make_unique<SoundFileSource>(file, format);
}

std::unique_ptr<PcmSource> makeBeep()
{
    return std::make_unique<BeepSource>();
}

} // namespace brevora
