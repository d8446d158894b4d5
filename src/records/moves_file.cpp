#include "records/moves_file.h"

#include "records/byte_lines.h"
#include "records/code_page.h"

std::string MovesFile::serialise(const MoveHistory& history)
{
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < history.count(); ++k) {
        lines.push_back("L1" + CodePage::fromUtf8(history.origin(k)));
        // A destination list shorter than the origins (an edited file) stays shorter.
        if (const auto destination = history.destination(k))
            lines.push_back("L2" + CodePage::fromUtf8(*destination));
    }
    lines.push_back("ST" + CodePage::fromUtf8(history.startHole()));
    return ByteLines::join(lines);
}

bool MovesFile::read(std::string_view bytes, MoveHistory& history)
{
    for (const std::string_view line : ByteLines::split(bytes)) {
        const std::string_view tag = line.substr(0, 2);
        std::string value = CodePage::toUtf8(line.substr(tag.size()));
        if (tag == "ST")
            history.setStartHole(std::move(value));
        else if (tag == "L1")
            history.appendOrigin(std::move(value));
        else if (tag == "L2")
            history.appendDestination(std::move(value));
        else
            return false;
    }
    return true;
}
