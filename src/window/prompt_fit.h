#pragma once

#include <QFont>
#include <QString>

// The size of the prompt's face: the largest from 18 points down to 9 at which the text fits its
// label. Each size measured loads the face anew, the costliest step of the window's start, so the
// answer is kept for the player (in GameSettings) with the text's width at
// that size: while the text, the room and the face stay the same, the one measurement at the kept
// size, which the label needs anyway, confirms it.
namespace PromptFit {
inline constexpr int kLargest = 18;
inline constexpr int kSmallest = 9;

// `face` at the size at which `text` fits `room` pixels.
QFont fitted(QFont face, const QString& text, int room);
}
