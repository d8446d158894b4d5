#include "media/midi_check.h"

#include <cstddef>
#include <cstdint>

namespace {

std::uint32_t bigEndian(std::string_view bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

// A MIDI variable-length number; false when it runs past the end.
bool readVariable(std::string_view bytes, std::size_t& at, std::size_t end, std::uint32_t& value)
{
    value = 0;
    for (int i = 0; i < 4 && at < end; ++i) {
        const auto byte = static_cast<std::uint8_t>(bytes[at++]);
        value = (value << 7) | (byte & 0x7f);
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

// The events of one track, bytes[at, end): true at the first note-on with a nonzero velocity.
bool trackSoundsANote(std::string_view bytes, std::size_t at, std::size_t end)
{
    std::uint8_t status = 0;
    std::uint32_t length = 0;
    while (at < end) {
        if (!readVariable(bytes, at, end, length) || at >= end)
            return false;
        if (static_cast<std::uint8_t>(bytes[at]) & 0x80)
            status = static_cast<std::uint8_t>(bytes[at++]);
        else if (status == 0 || status >= 0xf0)
            return false;
        if (status == 0xff) {
            if (at >= end)
                return false;
            ++at;
            status = 0;
        } else if (status == 0xf0 || status == 0xf7) {
            status = 0;
        } else {
            const std::size_t dataBytes = (status & 0xe0) == 0xc0 ? 1 : 2;
            if (at + dataBytes > end)
                return false;
            if ((status & 0xf0) == 0x90 && bytes[at + 1] != 0)
                return true;
            at += dataBytes;
            continue;
        }
        if (!readVariable(bytes, at, end, length))
            return false;
        at += length;
    }
    return false;
}

} // namespace

bool MidiCheck::holdsNotes(std::string_view bytes)
{
    if (bytes.size() < 14 || !bytes.starts_with("MThd"))
        return false;
    const std::uint32_t headerLength = bigEndian(bytes, 4, 4);
    if (headerLength < 6 || bigEndian(bytes, 10, 2) == 0 || bigEndian(bytes, 12, 2) == 0)
        return false;
    // A chunk whose length runs past the end belongs to a cut-off file, which is not played.
    bool note = false;
    std::size_t at = 8 + std::size_t(headerLength);
    while (at + 8 <= bytes.size()) {
        const std::size_t length = bigEndian(bytes, at + 4, 4);
        if (length > bytes.size() - at - 8)
            return false;
        const std::size_t end = at + 8 + length;
        note = note || (bytes.substr(at, 4) == "MTrk" && trackSoundsANote(bytes, at + 8, end));
        at = end;
    }
    return note;
}
