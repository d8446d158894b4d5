#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The game's pictures at the size they are shown and at the screen's pixel ratio, so they stay
// crisp on high-DPI screens. The SVG artwork is drawn into pictures at one and two times its size
// when the game is built; each picture is loaded once and shared.
struct Artwork {
    // The picture `name` (":/art/<name>.px" or ".png") at `size` logical pixels; its own size when empty.
    static QPixmap pixmap(const QString& name, QSize size = {}, qreal ratio = 0);
    // The picture's own size in logical pixels.
    static QSize naturalSize(const QString& name);
};
