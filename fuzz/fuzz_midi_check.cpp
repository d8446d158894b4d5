// The music check: never reads outside the bytes (libFuzzer hands over a buffer of exactly the
// input's size, so AddressSanitizer sees a read past its end), gives the same answer every time,
// and passes nothing that is not a Standard MIDI File.
#include "fuzz_check.h"

#include "media/midi_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzzBytes(data, size);
    const bool notes = MidiCheck::holdsNotes(bytes);
    FUZZ_CHECK(MidiCheck::holdsNotes(bytes) == notes);
    if (notes) {
        FUZZ_CHECK(bytes.size() >= 14);
        FUZZ_CHECK(bytes.starts_with("MThd"));
    }
    return 0;
}
