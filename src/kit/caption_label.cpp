#include "kit/caption_label.h"

#include <QGlyphRun>
#include <QPainter>
#include <QStyle>

#include <cmath>

namespace {
QList<QFont>& sharedFaces()
{
    static QList<QFont> faces;
    return faces;
}
}

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setText(text);
}

void CaptionLabel::shareFace(const QFont& font)
{
    if (!sharedFaces().contains(font))
        sharedFaces().append(font);
}

const CaptionLabel::Line& CaptionLabel::line() const
{
    const QFont own = font();
    if (m_line && m_line->text == text() && m_line->font == own)
        return *m_line;
    QFont source = own;
    for (const QFont& shared : sharedFaces())
        if (shared.family() == own.family() && shared.weight() == own.weight() && shared.style() == own.style()) {
            source = shared;
            break;
        }
    Line made{text(), own, {}, {}, {}, 0};
    made.face = QRawFont::fromFont(source);
    // A face in points is loaded at the nearest whole pixel size, as the toolkit loads it.
    made.face.setPixelSize(own.pixelSize() > 0 ? own.pixelSize() : std::round(own.pointSizeF() * logicalDpiY() / 72.0));
    made.glyphs = made.face.glyphIndexesForString(text());
    const QList<QPointF> advances = made.face.advancesForGlyphIndexes(made.glyphs, QRawFont::KernedAdvances);
    // The advances as the face gives them at that size, kerned, as the toolkit lays out a line.
    for (const QPointF& advance : advances) {
        made.positions.append(QPointF(made.width, 0));
        made.width += advance.x();
    }
    return *(m_line = std::move(made));
}

QSize CaptionLabel::sizeHint() const
{
    const Line& drawn = line();
    const QMargins around = contentsMargins();
    return QSize(int(std::ceil(drawn.width)) + around.left() + around.right() + 2 * std::max(margin(), 0),
                 int(std::ceil(drawn.face.ascent() + drawn.face.descent())) + around.top() + around.bottom()
                     + 2 * std::max(margin(), 0));
}

QSize CaptionLabel::minimumSizeHint() const { return sizeHint(); }

void CaptionLabel::paintEvent(QPaintEvent*)
{
    const Line& drawn = line();
    if (drawn.glyphs.isEmpty())
        return;
    const QRect room = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    const qreal height = drawn.face.ascent() + drawn.face.descent();
    qreal x = room.left();
    if (align & Qt::AlignHCenter)
        x += (room.width() - drawn.width) / 2;
    else if (align & Qt::AlignRight)
        x += room.width() - drawn.width;
    qreal y = room.top();
    if (align & Qt::AlignVCenter)
        y += (room.height() - height) / 2;
    else if (align & Qt::AlignBottom)
        y += room.height() - height;
    QGlyphRun run;
    run.setRawFont(drawn.face);
    run.setGlyphIndexes(drawn.glyphs);
    run.setPositions(drawn.positions);
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, foregroundRole()));
    painter.drawGlyphRun(QPointF(x, y + drawn.face.ascent()), run);
}
