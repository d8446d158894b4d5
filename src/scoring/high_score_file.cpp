#include "scoring/high_score_file.h"

#include "records/byte_lines.h"
#include "records/code_page.h"

#include <cctype>

namespace {
bool startsWithKey(std::string_view line, std::string_view key)
{
    if (line.size() < key.size())
        return false;
    for (std::size_t i = 0; i < key.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(line[i])) != key[i])
            return false;
    return true;
}

std::string key(int place, bool name)
{
    return "hs" + std::to_string(place) + (name ? "n" : "");
}
}

std::string HighScoreFile::serialise(const HallOfFame& hall)
{
    std::vector<std::string> lines;
    for (int place = 1; place <= HallOfFame::kPlaces; ++place) {
        lines.push_back(key(place, true) + CodePage::fromUtf8(hall.name(place)));
        lines.push_back(key(place, false) + CodePage::fromUtf8(hall.score(place)));
    }
    return ByteLines::join(lines);
}

void HighScoreFile::read(std::string_view bytes, HallOfFame& hall)
{
    for (const std::string_view line : ByteLines::split(bytes)) {
        // A name line passes its own place's score test too; the score line after it puts that right.
        for (int place = 1; place <= HallOfFame::kPlaces; ++place)
            if (startsWithKey(line, key(place, true)))
                hall.setName(place, CodePage::toUtf8(line.substr(4)));
        for (int place = 1; place <= HallOfFame::kPlaces; ++place)
            if (startsWithKey(line, key(place, false)))
                hall.setScore(place, CodePage::toUtf8(line.substr(3)));
    }
}
