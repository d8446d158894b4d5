#include "rules/score_number.h"

#include <charconv>
#include <algorithm>
#include <cmath>

std::optional<double> ScoreNumber::parse(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double ScoreNumber::valueOrZero(std::string_view text) { return parse(text).value_or(0.0); }

double ScoreNumber::shown(double value) { return valueOrZero(format(value)); }

std::string ScoreNumber::format(double value)
{
    if (value == 0)
        return "0";
    // Written without the C library's locale: a decimal-comma locale must not turn "1.7" into "1,7".
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}
