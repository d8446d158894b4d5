#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <iterator>
#include <optional>

// The rules of the window's zoom, and where the zoom and the window's place are kept for the
// player (in GameSettings). No widget: the main window asks and applies.
namespace WindowZoom {
// The zooms Ctrl+plus and Ctrl+minus step through; the first is the smallest the window takes.
inline constexpr double kSteps[] = {0.5, 0.67, 0.75, 0.8, 0.9, 1, 1.1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4};
inline constexpr double kSmallest = kSteps[0];
inline constexpr double kLargest = kSteps[std::size(kSteps) - 1];

// Whether the window takes `zoom`: a number from the smallest step to the largest.
bool allowed(double zoom);

// The window's size at 100 %.
QSize ownSize();
// The largest zoom at which the window fits `room` (1 at least); the largest step when the room
// is unknown.
double largest(QSize room);
// The next step larger (`steps` > 0) or smaller from `now`; larger never beyond `largest`.
double stepped(double now, int steps, double largest);
// The zoom, to the hundredth, at which the window fits the size the player gave it.
double fitting(QSize size);

// The room, of the screens' available `rooms`, that the window whose frame stands at `frame`
// belongs to: the one holding most of it, else the one nearest to it; an empty rectangle when
// there is no screen.
QRect roomOf(const QRect& frame, const QList<QRect>& rooms);
// The frame moved as little as it takes to lie in `room` whole; a frame larger than the room keeps
// its top left corner in it.
QRect keptIn(const QRect& frame, const QRect& room);

// What was kept for the player: the zoom and the window's position, when known. A zoom the window
// does not take (not a number, or out of the steps' range) is not known.
struct Place {
    std::optional<double> zoom;
    std::optional<QPoint> position;
};
Place saved();
// The size follows from the zoom; it is kept beside it for the player to read.
void save(double zoom, QPoint position, QSize size);
}
