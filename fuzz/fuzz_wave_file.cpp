// The wave reader: never reads outside the bytes, gives the same answer every time, and gives
// whole stereo frames, at least one and at most its limit; a plain 16-bit stereo wave at the
// output's rate comes out sample for sample.
#include "fuzz_check.h"

#include "media/audio_source.h"
#include "media/wave_file.h"

#include <cstring>
#include <string>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzzBytes(data, size);
    const auto frames = WaveFile::outputFrames(bytes);
    FUZZ_CHECK(WaveFile::outputFrames(bytes) == frames);
    if (!frames)
        return 0;
    FUZZ_CHECK(!frames->empty() && frames->size() % AudioSource::kChannels == 0);
    FUZZ_CHECK(frames->size() <= std::size_t(WaveFile::kMostSeconds) * AudioSource::kRate * AudioSource::kChannels);
    // The same samples again as a plain 16-bit stereo wave at 44.1 kHz.
    const auto le = [](std::string& into, std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            into += char(value >> (8 * i) & 0xff);
    };
    std::string wave = "RIFF";
    le(wave, std::uint32_t(36 + frames->size() * 2), 4);
    wave += "WAVEfmt ";
    le(wave, 16, 4);
    for (const auto& [value, count] : {std::pair{1u, 2}, {2u, 2}, {44100u, 4}, {44100u * 4, 4}, {4u, 2}, {16u, 2}})
        le(wave, value, count);
    wave += "data";
    le(wave, std::uint32_t(frames->size() * 2), 4);
    const std::size_t start = wave.size();
    wave.resize(start + frames->size() * 2);
    std::memcpy(wave.data() + start, frames->data(), frames->size() * 2);
    FUZZ_CHECK(WaveFile::outputFrames(wave) == frames);
    return 0;
}
