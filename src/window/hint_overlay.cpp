#include "window/hint_overlay.h"

#include <QAccessible>
#include <QPainter>
#include <QRadialGradient>
#include <QToolTip>

namespace {
// Room between the tip and the holes it names.
constexpr int kGap = 6;
}

HintOverlay::HintOverlay(QWidget* board)
    : QWidget(board)
    , m_tip(new QLabel(board->window()))
{
    setObjectName(QStringLiteral("hint"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    m_tip->setObjectName(QStringLiteral("hinttip"));
    m_tip->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_tip->setTextFormat(Qt::PlainText);
    m_tip->setAutoFillBackground(true);
    m_tip->setPalette(QToolTip::palette());
    m_tip->setFont(QToolTip::font());
    m_tip->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_tip->setMargin(3);
    m_tip->hide();
    hide();
}

void HintOverlay::mark(const std::vector<QRect>& holes, const QString& text)
{
    m_holes = holes;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    update();
    m_tip->setText(text);
    m_tip->setAccessibleName(text);
    placeTip();
    m_tip->raise();
    m_tip->show();
    // A screen reader says the hint as it says an alert.
    QAccessibleEvent alert(m_tip, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void HintOverlay::rezoom(double factor)
{
    for (QRect& hole : m_holes)
        hole = QRectF(hole.x() * factor, hole.y() * factor, hole.width() * factor, hole.height() * factor).toRect();
    setGeometry(parentWidget()->rect());
    if (isVisible())
        placeTip();
}

void HintOverlay::hideEvent(QHideEvent*) { m_tip->hide(); }

// Below the marks when the tip fits there inside the window, else above them; across, centred on
// them as far as the window allows.
void HintOverlay::placeTip()
{
    QWidget* window = m_tip->parentWidget();
    QRect marks;
    for (const QRect& hole : m_holes)
        marks |= QRect(mapTo(window, hole.topLeft()), hole.size());
    if (marks.isNull())
        marks = QRect(mapTo(window, QPoint(0, 0)), size());
    const QSize size = m_tip->sizeHint();
    int top = marks.bottom() + 1 + kGap;
    if (top + size.height() > window->height())
        top = marks.top() - kGap - size.height();
    const int left = std::clamp(marks.center().x() - size.width() / 2, 0, std::max(0, window->width() - size.width()));
    m_tip->setGeometry(QRect(QPoint(left, std::max(0, top)), size));
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
