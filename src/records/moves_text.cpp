#include "records/moves_text.h"

std::string MovesText::build(const MoveHistory& history)
{
    std::string text = "The board\r\n"
                       "1  2  3\r\n"
                       "4  5  6  7  8\r\n"
                       "9  10 11 12 13 14 15\r\n"
                       "16 17 18 19 20 21 22\r\n"
                       "23 24 25 26 27 28 29\r\n"
                       "30 31 32 33 34\r\n"
                       "35 36 37";
    text += "\r\n\r\nMOVES\r\nBall removed to start " + history.startHole() + "\r\nPLAYED GAME";
    for (std::size_t k = 0; k < history.count(); ++k)
        text += "\r\nMoved " + history.origin(k) + " to " + history.destination(k).value_or("");
    return text;
}
