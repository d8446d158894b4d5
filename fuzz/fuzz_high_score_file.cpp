// The hall-of-fame reader: whatever dvhs.sys holds, the table it gives is written out as ten
// CR LF lines that read back to the same table, so writing it again gives the same bytes.
#include "fuzz_check.h"

#include "records/byte_lines.h"
#include "scoring/high_score_file.h"

#include <algorithm>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    HallOfFame read;
    HighScoreFile::read(fuzzBytes(data, size), read);
    const std::string written = HighScoreFile::serialise(read);

    HallOfFame again;
    HighScoreFile::read(written, again);
    for (int place = 1; place <= HallOfFame::kPlaces; ++place) {
        FUZZ_CHECK(again.name(place) == read.name(place));
        FUZZ_CHECK(again.score(place) == read.score(place));
    }
    FUZZ_CHECK(HighScoreFile::serialise(again) == written);

    FUZZ_CHECK(ByteLines::split(written).size() == 2 * HallOfFame::kPlaces);
    FUZZ_CHECK(std::count(written.begin(), written.end(), '\n') == 2 * HallOfFame::kPlaces);
    FUZZ_CHECK(std::count(written.begin(), written.end(), '\r') == 2 * HallOfFame::kPlaces);
    std::size_t start = 0;
    for (int line = 0; line < 2 * HallOfFame::kPlaces; ++line) {
        const std::size_t end = written.find("\r\n", start);
        FUZZ_CHECK(end != std::string::npos);
        start = end + 2;
    }
    FUZZ_CHECK(start == written.size());
    return 0;
}
