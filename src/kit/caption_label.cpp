#include "kit/caption_label.h"

#include <QGlyphRun>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {
// Below this a caption is no longer legible: a text that does not fit even so is cut.
constexpr int kSmallestPixels = 6;

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

void CaptionLabel::fitContainer()
{
    m_fitsContainer = true;
    adjustSize();
}

int CaptionLabel::room() const
{
    const QMargins around = contentsMargins();
    const int own = around.left() + around.right() + 2 * std::max(margin(), 0);
    if (m_fitsContainer && parentWidget())
        return parentWidget()->width() - 2 * x() - own;
    return width() - own;
}

const CaptionLabel::Line& CaptionLabel::line() const
{
    const QFont own = font();
    const int fitted = room();
    if (m_line && m_line->text == text() && m_line->font == own && m_line->room == fitted)
        return *m_line;
    QFont source = own;
    for (const QFont& shared : sharedFaces())
        if (shared.family() == own.family() && shared.weight() == own.weight() && shared.style() == own.style()) {
            source = shared;
            break;
        }
    Line made{text(), own, fitted, {}, {}, {}, 0};
    made.face = QRawFont::fromFont(source);
    made.glyphs = made.face.glyphIndexesForString(text());
    // The advances as the face gives them at a size, kerned, as the toolkit lays out a line.
    const auto widthAt = [&made](int pixels) {
        made.face.setPixelSize(pixels);
        qreal width = 0;
        for (const QPointF& advance : made.face.advancesForGlyphIndexes(made.glyphs, QRawFont::KernedAdvances))
            width += advance.x();
        return width;
    };
    // A face in points is loaded at the nearest whole pixel size, as the toolkit loads it.
    const int natural = own.pixelSize() > 0 ? own.pixelSize() : int(std::lround(own.pointSizeF() * logicalDpiY() / 72.0));
    int pixels = natural;
    if (fitted > 0 && widthAt(pixels) > fitted && pixels > kSmallestPixels) {
        // Advances grow about in proportion to the size: the size is reckoned from the width at the
        // font's own size, checked, and moved a pixel at a time to the largest at which it fits.
        pixels = std::clamp(int(natural * fitted / widthAt(natural)), kSmallestPixels, natural - 1);
        while (pixels > kSmallestPixels && widthAt(pixels) > fitted)
            --pixels;
        while (pixels + 1 < natural && widthAt(pixels + 1) <= fitted)
            ++pixels;
    }
    made.face.setPixelSize(pixels);
    for (const QPointF& advance : made.face.advancesForGlyphIndexes(made.glyphs, QRawFont::KernedAdvances)) {
        made.positions.append(QPointF(made.width, 0));
        made.width += advance.x();
    }
    return *(m_line = std::move(made));
}

int CaptionLabel::drawnPixelSize() const { return int(line().face.pixelSize()); }

qreal CaptionLabel::drawnWidth() const { return line().width; }

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
