#pragma once

#include <array>
#include <string>

// The five places of the hall of fame, place 1 the best, each a name and a score as text,
// with the end-of-game rule that decides which place a score wins and how an entry goes in.
class HallOfFame {
public:
    static constexpr int kPlaces = 5;
    static constexpr const char* kNamePrompt =
        "Congratulations, you made it to the 'THE DORV WINNERS' hall. Please enter your name";
    static constexpr const char* kNameTitle = "The WINNERS!";
    static constexpr const char* kDefaultAnswer = "Your Name";

    HallOfFame();

    // Place 1..5.
    const std::string& name(int place) const { return m_names.at(place - 1); }
    const std::string& score(int place) const { return m_scores.at(place - 1); }
    void setName(int place, std::string name) { m_names.at(place - 1) = std::move(name); }
    void setScore(int place, std::string score) { m_scores.at(place - 1) = std::move(score); }

    // The first place, from the top, whose score the given score is greater than; 0 for none.
    // Scores compare as numbers; a score that holds no number counts as 0.
    int placeWon(const std::string& score) const;
    // The name stored for an answer of the name box: "Anonymous" for an empty answer, blanks only
    // or the default answer itself; otherwise the answer exactly as typed.
    static std::string nameFromAnswer(const std::string& answer);
    // Puts the entry at `place`, moving the places below it down; the old place 5 is lost.
    void enter(int place, std::string name, std::string score);

private:
    std::array<std::string, kPlaces> m_names;
    std::array<std::string, kPlaces> m_scores;
};
