#include "board/hole_number.h"

#include <charconv>

std::optional<HoleNumber> parseHoleNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !isHole(value))
        return std::nullopt;
    return static_cast<HoleNumber>(value);
}
