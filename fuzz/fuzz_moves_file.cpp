// The moves-file reader: the history it reads, written out, reads back complete and the same.
#include "fuzz_check.h"

#include "records/code_page.h"
#include "records/moves_file.h"

#include <algorithm>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzzBytes(data, size);
    MoveHistory read;
    MovesFile::read(bytes, read);

    // Every value was one line's bytes after its tag: no line end, and back to the same bytes.
    auto fromALine = [](const std::string& value) {
        const std::string raw = CodePage::fromUtf8(value);
        return raw.find_first_of("\r\n") == std::string::npos && CodePage::toUtf8(raw) == value;
    };
    for (const std::string& origin : read.origins())
        FUZZ_CHECK(fromALine(origin));
    for (const std::string& destination : read.destinations())
        FUZZ_CHECK(fromALine(destination));
    FUZZ_CHECK(fromALine(read.startHole()));

    const std::string written = MovesFile::serialise(read);
    MoveHistory again;
    FUZZ_CHECK(MovesFile::read(written, again));
    FUZZ_CHECK(again.origins() == read.origins());
    FUZZ_CHECK(again.startHole() == read.startHole());
    // The moves keep their destinations; one listed past the last origin belongs to no move and
    // is not written.
    FUZZ_CHECK(again.destinations().size() <= read.destinations().size());
    FUZZ_CHECK(again.destinations().size() == std::min(read.destinations().size(), read.count()));
    for (std::size_t k = 0; k < read.count(); ++k)
        FUZZ_CHECK(again.destination(k) == read.destination(k));
    FUZZ_CHECK(MovesFile::serialise(again) == written);
    return 0;
}
