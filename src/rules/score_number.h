#pragma once

#include <optional>
#include <string>
#include <string_view>

// The move counter and the hall-of-fame scores are numbers kept as text ("0", "17", "1.7", "-0.1").
struct ScoreNumber {
    // The number a text holds (blanks around it allowed), or none when it holds no number.
    static std::optional<double> parse(std::string_view text);
    // As parse, with 0 for a text that holds no number.
    static double valueOrZero(std::string_view text);
    // The number the text of `value` shows: rounded to the digits that text keeps, so that a score
    // reckoned from it is the score reckoned from its text.
    static double shown(double value);
    // The general number-to-text form: up to 15 significant digits, a fraction only when there is one.
    static std::string format(double value);
};
