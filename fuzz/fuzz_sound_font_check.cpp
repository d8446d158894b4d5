// The soundfont check: never reads outside the bytes, gives the same answer every time, and passes
// nothing but a RIFF "sfbk" file exactly as long as its bytes that holds a sample chunk.
#include "fuzz_check.h"

#include "media/sound_font_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzzBytes(data, size);
    const bool passed = SoundFontCheck::samplesInside(bytes);
    FUZZ_CHECK(SoundFontCheck::samplesInside(bytes) == passed);
    if (passed) {
        FUZZ_CHECK(bytes.starts_with("RIFF") && bytes.substr(8, 4) == "sfbk");
        const std::size_t riffSize = std::size_t(data[4]) | std::size_t(data[5]) << 8 | std::size_t(data[6]) << 16
            | std::size_t(data[7]) << 24;
        FUZZ_CHECK(riffSize + 8 == size);
        FUZZ_CHECK(bytes.find("sdtasmpl") != std::string_view::npos);
    }
    return 0;
}
