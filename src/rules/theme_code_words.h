#pragma once

#include <string_view>

// The code words that select the hidden ball pictures. The whole typed text, lower-cased, must
// equal a word, so one wrong letter spoils the attempt until the text is emptied again.
struct ThemeCodeWords {
    // Ball pictures a code word can select: Image2 7..10, or ein.
    static constexpr int kEin = -1;
    static constexpr int kNoMatch = 0;

    // The picture the typed text selects: 7..10, kEin, or kNoMatch.
    static int match(std::string_view typed);
};
