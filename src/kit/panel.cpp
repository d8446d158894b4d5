#include "kit/panel.h"

#include "kit/accessible_controls.h"

#include <QLinearGradient>
#include <QPainter>

Panel::Panel(QWidget* parent, const QString& objectName, const QRect& geometry)
    : QWidget(parent)
{
    setObjectName(objectName);
    setGeometry(geometry);
    hide();
    setAttribute(Qt::WA_OpaquePaintEvent);
    AccessibleControls::install();
}

void Panel::paintEvent(QPaintEvent*) { paintPlate(this); }

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
