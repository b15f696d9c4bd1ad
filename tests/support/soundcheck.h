// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QThread>
#include <QtGlobal>

#include <sndfile.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace brevora::test {

// Writes a sine tone at half of full scale in the given libsndfile format; false when that cannot be done.
inline bool writeTone(const QString &path, int format, double seconds, double frequency, int rate = 44100,
                      int channels = 1)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (file == nullptr)
        return false;
    const auto frames = static_cast<sf_count_t>(seconds * rate);
    std::vector<float> samples(static_cast<std::size_t>(frames * channels));
    for (sf_count_t i = 0; i < frames; ++i) {
        const double value = 0.5 * std::sin(2.0 * std::numbers::pi * frequency * static_cast<double>(i) / rate);
        for (int c = 0; c < channels; ++c)
            samples[static_cast<std::size_t>(i * channels + c)] = static_cast<float>(value);
    }
    const bool written = sf_writef_float(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

// The sound server's output as heard: with_pulse.sh records the null sink's monitor as raw 16-bit mono
// samples at 44.1 kHz into the file named by BREVORA_TEST_MONITOR, as they arrive.
class MonitorTap
{
public:
    static constexpr int rate = 44100;

    explicit MonitorTap(QString path)
        : m_path(std::move(path))
    { }
    // The number of frames recorded so far: a point in time on the recording.
    qint64 mark() const { return QFileInfo(m_path).size() / 2; }
    // The recording between two marks, once it is complete; empty when it never becomes so.
    std::vector<float> between(qint64 from, qint64 to) const
    {
        for (int waited = 0; mark() < to; waited += 10) {
            if (waited > 5000)
                return {};
            QThread::msleep(10);
        }
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(from * 2))
            return {};
        const QByteArray bytes = file.read((to - from) * 2);
        std::vector<float> samples(static_cast<std::size_t>(bytes.size() / 2));
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const auto low = static_cast<unsigned char>(bytes[static_cast<qsizetype>(2 * i)]);
            const auto high = static_cast<unsigned char>(bytes[static_cast<qsizetype>(2 * i + 1)]);
            samples[i] = static_cast<float>(static_cast<qint16>(low | (high << 8))) / 32768.0f;
        }
        return samples;
    }
    // How many milliseconds of the samples carry sound: 10 ms blocks louder than -40 dBFS.
    static int heardMs(const std::vector<float> &samples)
    {
        int heard = 0;
        for (std::size_t start = 0; start + block <= samples.size(); start += block)
            heard += loud(samples, start) ? 10 : 0;
        return heard;
    }
    // Where the last sound in the samples ends, in milliseconds from their start; 0 when none is heard.
    static int lastHeardMs(const std::vector<float> &samples)
    {
        int end = 0;
        for (std::size_t start = 0; start + block <= samples.size(); start += block)
            end = loud(samples, start) ? static_cast<int>((start + block) * 1000 / rate) : end;
        return end;
    }
    static qint64 frames(int milliseconds) { return qint64{ rate } * milliseconds / 1000; }

private:
    static constexpr std::size_t block = rate / 100;
    static bool loud(const std::vector<float> &samples, std::size_t start)
    {
        double energy = 0;
        for (std::size_t i = start; i < start + block; ++i)
            energy += samples[i] * samples[i];
        return std::sqrt(energy / block) > 0.01;
    }

    QString m_path;
};

} // namespace brevora::test
