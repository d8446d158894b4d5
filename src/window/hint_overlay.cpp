#include "window/hint_overlay.h"

#include <QPainter>
#include <QRadialGradient>

HintOverlay::HintOverlay(QWidget* board)
    : QWidget(board)
{
    setObjectName(QStringLiteral("hint"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void HintOverlay::mark(const std::vector<QRect>& holes)
{
    m_holes = holes;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    update();
}

void HintOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QRect& hole : m_holes) {
        // A soft green glow around the hole and a bright ring on its edge: nothing like the thin
        // gold frame of a selected ball.
        const QPointF centre = QRectF(hole).center();
        const qreal radius = hole.width() * 0.5;
        QRadialGradient glow(centre, radius * 1.45);
        glow.setColorAt(0.55, QColor(120, 255, 140, 0));
        glow.setColorAt(0.75, QColor(120, 255, 140, 150));
        glow.setColorAt(1.0, QColor(120, 255, 140, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(centre, radius * 1.45, radius * 1.45);
        painter.setPen(QPen(QColor(170, 255, 180), 2.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, radius + 1.5, radius + 1.5);
    }
}
