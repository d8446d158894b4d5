#include "media/midi_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

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

// Walks the channel events of one track, bytes[at, end), handing each (status, first data byte,
// second data byte) to `event` until it returns true. Meta events and system-exclusive messages
// go to `other` the same way, with their status only. `tick`, when given, adds up the deltas: it
// holds each event's tick while the event is handed on. False when the track ends first or is broken.
template <typename Event, typename Other>
bool walkTrack(std::string_view bytes, std::size_t at, std::size_t end, Event event, Other other,
               std::uint64_t* tick = nullptr)
{
    std::uint8_t status = 0;
    std::uint32_t length = 0;
    while (at < end) {
        if (!readVariable(bytes, at, end, length) || at >= end)
            return false;
        if (tick)
            *tick += length;
        if (static_cast<std::uint8_t>(bytes[at]) & 0x80)
            status = static_cast<std::uint8_t>(bytes[at++]);
        else if (status == 0 || status >= 0xf0)
            return false;
        if (status == 0xff) {
            if (at >= end)
                return false;
            ++at;
            status = 0;
            if (other(0xff))
                return true;
        } else if (status == 0xf0 || status == 0xf7) {
            if (other(status))
                return true;
            status = 0;
        } else {
            const std::size_t dataBytes = (status & 0xe0) == 0xc0 ? 1 : 2;
            if (at + dataBytes > end)
                return false;
            const auto first = static_cast<std::uint8_t>(bytes[at]);
            const auto second = dataBytes == 2 ? static_cast<std::uint8_t>(bytes[at + 1]) : std::uint8_t(0);
            if (event(status, first, second))
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

// The tracks of a Standard MIDI File, each handed to `track` as (start, end); false for a file
// that is no Standard MIDI File or is cut off.
template <typename Track>
bool walkTracks(std::string_view bytes, Track track)
{
    if (bytes.size() < 14 || !bytes.starts_with("MThd"))
        return false;
    const std::uint32_t headerLength = bigEndian(bytes, 4, 4);
    if (headerLength < 6 || bigEndian(bytes, 10, 2) == 0 || bigEndian(bytes, 12, 2) == 0)
        return false;
    // A chunk whose length runs past the end belongs to a cut-off file, which is not played.
    std::size_t at = 8 + std::size_t(headerLength);
    while (at + 8 <= bytes.size()) {
        const std::size_t length = bigEndian(bytes, at + 4, 4);
        if (length > bytes.size() - at - 8)
            return false;
        const std::size_t end = at + 8 + length;
        if (bytes.substr(at, 4) == "MTrk")
            track(at + 8, end);
        at = end;
    }
    return true;
}

} // namespace

bool MidiCheck::holdsNotes(std::string_view bytes)
{
    bool note = false;
    const bool whole = walkTracks(bytes, [&](std::size_t at, std::size_t end) {
        note = note || walkTrack(bytes, at, end, [](std::uint8_t status, std::uint8_t, std::uint8_t velocity) {
            return (status & 0xf0) == 0x90 && velocity != 0;
        }, [](std::uint8_t) { return false; });
    });
    return whole && note;
}

bool MidiCheck::withinBounds(std::string_view bytes)
{
    // The tick of every event, so many at most: the tracks play side by side, so the events of a
    // tick are counted over all of them once the ticks are sorted.
    std::vector<std::uint64_t> ticks;
    bool within = true;
    const bool whole = walkTracks(bytes, [&](std::size_t at, std::size_t end) {
        std::uint64_t tick = 0;
        const auto count = [&] {
            within = within && ticks.size() < kMaxEvents;
            if (within)
                ticks.push_back(tick);
            return !within;
        };
        if (within)
            walkTrack(bytes, at, end, [&](std::uint8_t, std::uint8_t, std::uint8_t) { return count(); },
                      [&](std::uint8_t) { return count(); }, &tick);
    });
    if (!whole || !within)
        return false;
    std::sort(ticks.begin(), ticks.end());
    for (std::size_t first = 0; first < ticks.size();) {
        const std::size_t last = std::size_t(std::upper_bound(ticks.begin() + std::ptrdiff_t(first), ticks.end(), ticks[first])
                                             - ticks.begin());
        if (last - first > kMaxEventsAtOneTick)
            return false;
        first = last;
    }
    return true;
}

bool MidiCheck::usesOnlyPrograms(std::string_view bytes, std::span<const int> programs)
{
    constexpr int kDrumChannel = 9;
    bool within = true;
    const bool whole = walkTracks(bytes, [&](std::size_t at, std::size_t end) {
        if (!within)
            return;
        const bool left = walkTrack(bytes, at, end, [&](std::uint8_t status, std::uint8_t first, std::uint8_t second) {
            const int channel = status & 0x0f;
            switch (status & 0xf0) {
            case 0xc0: // a program change: the drum channel keeps its standard kit
                return channel == kDrumChannel ? first != 0
                                               : std::find(programs.begin(), programs.end(), int(first)) == programs.end();
            case 0xb0: // a bank select other than the first bank
                return (first == 0 || first == 32) && second != 0;
            default:
                return false;
            }
        }, [](std::uint8_t status) { return status != 0xff; }); // system-exclusive may switch sets
        within = !left;
    });
    return whole && within;
}
