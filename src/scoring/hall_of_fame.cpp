#include "scoring/hall_of_fame.h"

#include "rules/score_number.h"

HallOfFame::HallOfFame()
    : m_names{"KT PLAYER", "KT PLAYER", "KT PLAYER", "KT PLAYER", "KT PLAYER"}
    , m_scores{"5", "4", "3", "2", "1"}
{
}

int HallOfFame::placeWon(const std::string& score) const
{
    const double value = ScoreNumber::valueOrZero(score);
    for (int place = 1; place <= kPlaces; ++place)
        if (value > ScoreNumber::valueOrZero(this->score(place)))
            return place;
    return 0;
}

std::string HallOfFame::nameFromAnswer(const std::string& answer)
{
    const auto first = answer.find_first_not_of(' ');
    const std::string trimmed =
        first == std::string::npos ? std::string() : answer.substr(first, answer.find_last_not_of(' ') - first + 1);
    if (trimmed.empty() || trimmed == kDefaultAnswer)
        return "Anonymous";
    return answer;
}

void HallOfFame::enter(int place, std::string name, std::string score)
{
    if (place < 1 || place > kPlaces)
        return;
    for (int k = kPlaces; k > place; --k)
        m_names[k - 1] = m_names[k - 2];
    for (int k = kPlaces; k > place; --k)
        m_scores[k - 1] = m_scores[k - 2];
    m_names[place - 1] = std::move(name);
    m_scores[place - 1] = std::move(score);
}
