#include "window/hint_overlay.h"

#include "kit/accessible_controls.h"

#include <QAccessible>
#include <QPainter>
#include <QRadialGradient>
#include <QToolTip>

#include <algorithm>

namespace {
// Room between the tip and the holes above it.
constexpr int kGap = 3;
}

HintOverlay::HintOverlay(QWidget* board)
    : QWidget(board)
    , m_tip(new QLabel(board->window()))
{
    setObjectName(QStringLiteral("hint"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    // The marks are pictures; the tip's words are what assistive technology reads.
    AccessibleControls::decoration(this);
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

// Below the board's lowest row of holes, over the board's frame and the window's free room under
// it, centred on the board; a text wider than the board goes on two lines or more. So it hides no
// hole, whichever holes it names, at every zoom.
void HintOverlay::placeTip()
{
    QWidget* window = m_tip->parentWidget();
    const QWidget* board = parentWidget();
    const QRect boardRect(board->mapTo(window, QPoint(0, 0)), board->size());
    int holesBottom = boardRect.top();
    for (const QWidget* hole : board->findChildren<QWidget*>(QStringLiteral("Image1"), Qt::FindDirectChildrenOnly))
        holesBottom = std::max(holesBottom, hole->mapTo(window, QPoint(0, hole->height())).y());
    m_tip->setWordWrap(false);
    QSize size = m_tip->sizeHint();
    if (size.width() > boardRect.width()) {
        m_tip->setWordWrap(true);
        size = QSize(boardRect.width(), m_tip->heightForWidth(boardRect.width()));
    }
    const int top = std::max(holesBottom + 1, std::min(holesBottom + kGap, window->height() - size.height()));
    const int left = std::clamp(boardRect.center().x() - size.width() / 2, 0, std::max(0, window->width() - size.width()));
    m_tip->setGeometry(QRect(QPoint(left, top), size));
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
