#include "kit/panel.h"

#include "kit/accessible_controls.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

Panel::Panel(QWidget* parent, const QString& objectName, const QRect& geometry)
    : QWidget(parent)
{
    setObjectName(objectName);
    setGeometry(geometry);
    hide();
    setAttribute(Qt::WA_OpaquePaintEvent);
    AccessibleControls::install();
}

void Panel::paintEvent(QPaintEvent*)
{
    paintPlate(this);
    if (!m_marked)
        return;
    // A tick in the words' gold with a dark edge, nothing like the thin frame of the item the
    // pointer is over.
    const QRectF mark = markRect(m_marked);
    QPainterPath tick;
    tick.moveTo(mark.left(), mark.top() + mark.height() * 0.55);
    tick.lineTo(mark.left() + mark.width() * 0.38, mark.bottom());
    tick.lineTo(mark.right(), mark.top());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal stroke = std::max<qreal>(1.5, mark.width() * 0.22);
    painter.strokePath(tick, QPen(QColor(40, 24, 4), stroke + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(tick, QPen(QColor(255, 214, 102), stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Panel::setMarked(QWidget* item)
{
    if (item == m_marked)
        return;
    m_marked = item;
    update();
}

QRect Panel::markRect(const QWidget* item) const
{
    // Two fifths as wide as the item is high, centred in the room between the items and the edge,
    // so the marks of all items stand in one column.
    const int side = std::max(4, item->height() * 2 / 5);
    int roomLeft = item->geometry().right() + 1;
    for (const QWidget* other : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        roomLeft = std::max(roomLeft, other->geometry().right() + 1);
    const int left = roomLeft + std::max(0, (width() - roomLeft - side) / 2);
    return {left, item->geometry().center().y() - side / 2, side, side};
}

void Panel::paintPlate(QWidget* widget)
{
    QPainter painter(widget);
    const QRect area = widget->rect();
    QLinearGradient fill(0, 0, 0, area.height());
    fill.setColorAt(0, QColor(40, 28, 10));
    fill.setColorAt(1, QColor(8, 6, 3));
    painter.fillRect(area, fill);
    painter.setPen(QColor(201, 154, 46));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setPen(QColor(90, 64, 18));
    painter.drawRect(area.adjusted(1, 1, -2, -2));
}
