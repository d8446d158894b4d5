#include "rules/theme_code_words.h"

#include <cctype>
#include <string>

int ThemeCodeWords::match(std::string_view typed)
{
    struct Word {
        std::string_view word;
        int picture;
    };
    static constexpr Word kWords[] = {
        {"marigold", kEin}, {"ox", 7}, {"walrus", 8}, {"pepper", 9}, {"lanterns", 10}};
    std::string lower(typed);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const Word& word : kWords)
        if (lower == word.word)
            return word.picture;
    return kNoMatch;
}
