#include "media/wave_file.h"

#include "media/audio_source.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kFormatPcm = 1;
constexpr int kFormatFloat = 3;
constexpr int kFormatExtensible = 0xfffe;
constexpr std::size_t kMostFrames = std::size_t(WaveFile::kMostSeconds) * AudioSource::kRate;

std::uint32_t little(std::string_view bytes, std::size_t at, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | std::uint8_t(bytes[at + std::size_t(i)]);
    return value;
}

struct Format {
    int code = 0;
    int channels = 0;
    std::uint32_t rate = 0;
    int bits = 0;

    int bytesPerSample() const { return bits / 8; }
    bool usable() const
    {
        const bool integer = code == kFormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
        const bool floating = code == kFormatFloat && (bits == 32 || bits == 64);
        return (integer || floating) && channels >= 1 && rate >= 1000 && rate <= 384000;
    }
    // The sample at `at` between -1 and 1.
    double sample(std::string_view bytes, std::size_t at) const
    {
        if (code == kFormatFloat) {
            double value = 0;
            if (bits == 32) {
                float single;
                const std::uint32_t raw = little(bytes, at, 4);
                std::memcpy(&single, &raw, sizeof single);
                value = single;
            } else {
                const std::uint64_t raw = little(bytes, at, 4) | std::uint64_t(little(bytes, at + 4, 4)) << 32;
                std::memcpy(&value, &raw, sizeof value);
            }
            return std::isfinite(value) ? std::clamp(value, -1.0, 1.0) : 0.0;
        }
        const std::uint32_t raw = little(bytes, at, bytesPerSample());
        if (bits == 8)
            return (double(raw) - 128) / 128;
        // Signed: the top bit of the sample's width is its sign.
        const std::int64_t range = std::int64_t(1) << (bits - 1);
        const std::int64_t value = raw >= std::uint64_t(range) ? std::int64_t(raw) - 2 * range : std::int64_t(raw);
        return double(value) / double(range);
    }
};

std::optional<Format> readFormat(std::string_view chunk)
{
    if (chunk.size() < 16)
        return std::nullopt;
    Format format{int(little(chunk, 0, 2)), int(little(chunk, 2, 2)), little(chunk, 4, 4), int(little(chunk, 14, 2))};
    // The extensible header names the real kind in the first two bytes of its sub-format.
    if (format.code == kFormatExtensible) {
        if (chunk.size() < 40)
            return std::nullopt;
        format.code = int(little(chunk, 24, 2));
    }
    return format;
}

std::int16_t toSample(double value) { return std::int16_t(std::clamp(std::lround(value * 32768), -32768L, 32767L)); }

} // namespace

std::optional<std::vector<std::int16_t>> WaveFile::outputFrames(std::string_view bytes)
{
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<Format> format;
    std::string_view data;
    bool dataFound = false;
    // The chunks follow one another, each padded to an even length; the "fmt " chunk must come
    // before the data.
    for (std::size_t at = 12; at + 8 <= bytes.size() && !dataFound;) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = little(bytes, at + 4, 4);
        const std::string_view body = bytes.substr(at + 8, std::min<std::size_t>(size, bytes.size() - at - 8));
        if (id == "fmt ")
            format = readFormat(body);
        else if (id == "data") {
            data = body;
            dataFound = true;
        }
        at += 8 + std::min<std::size_t>(size, bytes.size()) + (size & 1);
    }
    if (!format || !format->usable() || !dataFound)
        return std::nullopt;

    const std::size_t frameBytes = std::size_t(format->channels) * std::size_t(format->bytesPerSample());
    const std::size_t inFrames = data.size() / frameBytes;
    if (inFrames == 0)
        return std::nullopt;
    const auto channel = [&](std::size_t frame, int side) {
        const int which = std::min(side, format->channels - 1);
        return format->sample(data, frame * frameBytes + std::size_t(which * format->bytesPerSample()));
    };
    // To the output's rate by straight lines between the file's frames.
    const double step = double(format->rate) / AudioSource::kRate;
    const auto outFrames = std::min(std::size_t(std::floor(double(inFrames - 1) / step)) + 1, kMostFrames);
    std::vector<std::int16_t> frames(outFrames * AudioSource::kChannels);
    for (std::size_t out = 0; out < outFrames; ++out) {
        const double position = double(out) * step;
        const auto before = std::min(std::size_t(position), inFrames - 1);
        const std::size_t after = std::min(before + 1, inFrames - 1);
        const double weight = position - double(before);
        for (int side = 0; side < AudioSource::kChannels; ++side)
            frames[out * AudioSource::kChannels + std::size_t(side)] =
                toSample(channel(before, side) * (1 - weight) + channel(after, side) * weight);
    }
    return frames;
}
