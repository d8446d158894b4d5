#include "window/puzzle_picture.h"

#include "board/board_geometry.h"

#include <QPainter>
#include <QRadialGradient>

QPixmap PuzzlePicture::draw(const std::array<bool, kHoleCount>& balls, int goalHole, int side, qreal pixelRatio)
{
    QPixmap picture(QSize(side, side) * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // The board: a dark wooden octagon behind the holes.
    const qreal cell = side / qreal(BoardGeometry::kSize);
    const qreal cut = cell * 2;
    const QPolygonF octagon({{cut, 0}, {side - cut, 0}, {qreal(side), cut}, {qreal(side), side - cut}, {side - cut, qreal(side)},
                             {cut, qreal(side)}, {0, side - cut}, {0, cut}});
    painter.setPen(QPen(QColor(0x8a, 0x6a, 0x2a), 1));
    painter.setBrush(QColor(0x3b, 0x22, 0x12));
    painter.drawPolygon(octagon);
    for (HoleNumber hole = 1; hole <= kHoleCount; ++hole) {
        const QPointF centre((BoardGeometry::columnOf(hole) - 0.5) * cell, (BoardGeometry::rowOf(hole) - 0.5) * cell);
        const qreal radius = cell * 0.36;
        if (balls[std::size_t(hole - 1)]) {
            QRadialGradient bead(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
            bead.setColorAt(0, QColor(0xff, 0xf4, 0xc8));
            bead.setColorAt(0.45, QColor(0xe8, 0xb8, 0x3a));
            bead.setColorAt(1, QColor(0x7a, 0x4e, 0x0c));
            painter.setPen(Qt::NoPen);
            painter.setBrush(bead);
            painter.drawEllipse(centre, radius, radius);
        } else {
            painter.setPen(QPen(QColor(0x1a, 0x0e, 0x06), 1));
            painter.setBrush(QColor(0x22, 0x13, 0x08));
            painter.drawEllipse(centre, radius * 0.6, radius * 0.6);
        }
        if (hole == goalHole) {
            painter.setPen(QPen(QColor(0x9f, 0xe8, 0xff), std::max(1.5, cell * 0.09)));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, cell * 0.47, cell * 0.47);
        }
    }
    return picture;
}
