#include "media/sound_font_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

// Hands each chunk of `bytes` (a four-letter id, a 32-bit length, that many bytes and a pad byte
// after an odd length) to `chunk` as (id, body) until it returns false. False when a chunk runs
// past the end of the bytes or `chunk` says so.
template <typename Chunk>
bool forEachChunk(std::string_view bytes, Chunk chunk)
{
    while (!bytes.empty()) {
        if (bytes.size() < 8)
            return false;
        const std::size_t length = littleEndian(bytes, 4, 4);
        if (length > bytes.size() - 8 || !chunk(bytes.substr(0, 4), bytes.substr(8, length)))
            return false;
        bytes.remove_prefix(std::min(bytes.size(), 8 + length + length % 2));
    }
    return true;
}

} // namespace

bool SoundFontCheck::samplesInside(std::string_view bytes)
{
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "sfbk"
        || littleEndian(bytes, 4, 4) != bytes.size() - 8)
        return false;
    bool samples = false;
    bool version2 = false;
    const bool whole = forEachChunk(bytes.substr(12), [&](std::string_view id, std::string_view list) {
        if (id != "LIST" || list.size() < 4)
            return false;
        const std::string_view kind = list.substr(0, 4);
        const std::string_view inside = list.substr(4);
        if (kind == "INFO")
            return forEachChunk(inside, [&](std::string_view item, std::string_view value) {
                if (item == "ifil")
                    version2 = value.size() >= 2 && littleEndian(value, 0, 2) == 2;
                return true;
            });
        if (kind == "sdta") {
            // The samples come first in the list; the synthesiser reads all of them.
            samples = inside.size() >= 8 && inside.substr(0, 4) == "smpl" && littleEndian(inside, 4, 4) <= inside.size() - 8;
            return samples;
        }
        return true;
    });
    return whole && samples && version2;
}
