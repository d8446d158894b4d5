#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The game's pictures at the size they are shown and at the screen's pixel ratio, so they stay
// crisp on high-DPI screens and at any zoom of the windows. The SVG artwork is drawn into pictures
// at one and two times its size when the game is built, and from its source at other zooms; each
// picture is loaded once and shared. The buttons show their words in the player's language (see
// PictureWords).
struct Artwork {
    // The pixel ratio of the screen the game shows on.
    static constexpr qreal kScreenRatio = 0;
    // The picture `name` (":/art/<name>.px" or ".png") at `size` logical pixels at 100 %; its own size
    // when empty. At `ratio` pixels to a logical pixel (the screen's by default), for a window at
    // `zoom` (see Twips).
    static QPixmap pixmap(const QString& name, QSize size = {}, qreal ratio = kScreenRatio, double zoom = 1);
    // The picture's own size in logical pixels.
    static QSize naturalSize(const QString& name);

private:
    // The picture file `name` at `size`; null when the program has none of that name.
    static QPixmap named(const QString& name, QSize size, qreal ratio, double zoom);
};
