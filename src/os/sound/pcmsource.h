// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace brevora {

// A sound decoded piece by piece into interleaved float samples, so that a long file never sits in memory whole.
class PcmSource
{
public:
    virtual ~PcmSource() = default;
    virtual int sampleRate() const = 0;
    virtual int channels() const = 0;
    virtual std::int64_t frameCount() const = 0;
    // Fills out with up to maxFrames frames and returns how many it wrote; 0 once the sound has ended.
    virtual std::size_t read(float *out, std::size_t maxFrames) = 0;
};

// The decoder of a sound file (any encoding libsndfile reads), or null when path names nothing playable: a
// missing file, a folder, a file that is not sound, an empty sound, or a format no sound server takes. Then
// `problem`, when given, says which, in the user's language.
std::unique_ptr<PcmSource> openSoundFile(const QString &path, QString *problem = nullptr);

// A short tone made in code, for desktops that install no sound theme.
std::unique_ptr<PcmSource> makeBeep();

} // namespace brevora
