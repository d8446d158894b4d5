#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The game's pictures, drawn from the SVG artwork at the size they are shown and at the screen's
// pixel ratio, so they stay crisp on high-DPI screens. Each picture is drawn once and shared.
struct Artwork {
    // The picture `name` (":/art/<name>.svg") at `size` logical pixels; its own size when empty.
    static QPixmap pixmap(const QString& name, QSize size = {}, qreal ratio = 0);
    // The picture's own size in logical pixels.
    static QSize naturalSize(const QString& name);
};
