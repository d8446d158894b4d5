#pragma once

#include "scoring/hall_of_fame.h"

#include <string>
#include <string_view>

// The hall-of-fame file dvhs.sys: ten lines "hs1n"+name, "hs1"+score, ... "hs5n", "hs5", CR LF.
struct HighScoreFile {
    static constexpr const char* kFileName = "dvhs.sys";

    static std::string serialise(const HallOfFame& hall);
    // Applies every line to the table: keys match without regard to case, values are taken as they
    // stand, later lines win, other lines are ignored, places without lines keep their values.
    static void read(std::string_view bytes, HallOfFame& hall);
};
