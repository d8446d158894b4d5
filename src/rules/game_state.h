#pragma once

#include <cstdint>

// The game variables, all 0 when the game is created. Only the rules change them.
struct GameState {
    std::int16_t firstball = 0;   // 1 while the next hole click removes the starting ball
    std::int16_t selstate = 0;    // 1 while a ball is selected
    std::int16_t selhole = 0;     // the selected hole, 0 when none
    std::int16_t fromhole = 0;    // origin of the latest selection
    std::int16_t emptybefore = 0; // 1 + empty holes before a jump attempt
    std::int16_t emptyafter = 0;  // 1 + empty holes after it
    std::int16_t replaying = 0;   // 1 while a replay runs: jumps are not recorded
    std::int16_t replaypos = 0;   // next move to replay
    std::int16_t soundon = 0;     // 1 = move sound on
    std::int16_t musicon = 0;     // 1 = music on
    std::int16_t quitting = 0;    // 1 once the program is closing
};
