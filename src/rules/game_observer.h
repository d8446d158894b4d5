#pragma once

// What the game tells the window: panels to close, a board to show again, the move sound to play.
class GameObserver {
public:
    virtual ~GameObserver() = default;
    // Hide the four pop-up panels, in the order men1, men, men2, men3.
    virtual void hidePanels() = 0;
    // Holes, frames, prompt or counter changed: show them now.
    virtual void boardChanged() = 0;
    // Play the move sound and return when it has finished.
    virtual void playsound() = 0;
};
