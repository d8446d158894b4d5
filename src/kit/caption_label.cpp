#include "kit/caption_label.h"

#include <QPainter>
#include <QRawFont>
#include <QStyle>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <map>
#include <utility>

namespace {
// Below this a caption is no longer legible: a text that does not fit even so is cut.
constexpr int kSmallestPixels = 6;

QList<QFont>& sharedFaces()
{
    static QList<QFont> faces;
    return faces;
}

// A text as the toolkit lays it out on one line: its glyphs placed from its left end on its
// baseline, its width to the ends of its glyphs, its advance, its ascent and its descent.
struct LaidOut {
    QList<QGlyphRun> runs;
    qreal width = 0;
    qreal advance = 0;
    qreal ascent = 0;
    qreal descent = 0;
};

LaidOut laidOut(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    LaidOut laid{{}, line.naturalTextWidth(), line.horizontalAdvance(), line.ascent(), line.descent()};
    // The line starts at the layout's left edge, its top on the layout's top.
    for (QGlyphRun run : layout.glyphRuns()) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions)
            position.ry() -= line.ascent();
        run.setPositions(positions);
        laid.runs << run;
    }
    return laid;
}

// Whether the toolkit lays `text` out as `face` draws it by itself: each character's own glyph
// of the face, `glyphs`, placed one after the other by the face's kerned advances. So it lays out
// a text of letters, digits, punctuation, symbols and spaces of the scripts that need no shaping
// (Latin, Greek, Cyrillic, and the characters common to all) with no mark on a letter, no
// character the face lacks and no ligature the face forms by default. Telling that by laying the
// text out would load and hint its glyphs at the face's size, as much work as loading it again.
bool drawnLetterByLetter(const QString& text, const QRawFont& face, const QList<quint32>& glyphs)
{
    const auto among = [](auto value, std::initializer_list<decltype(value)> values) {
        return std::find(values.begin(), values.end(), value) != values.end();
    };
    if (glyphs.contains(0))
        return false;
    for (const uint c : text.toUcs4())
        if (!among(QChar::script(c), {QChar::Script_Common, QChar::Script_Latin, QChar::Script_Greek, QChar::Script_Cyrillic})
            || among(QChar::category(c), {QChar::Mark_NonSpacing, QChar::Mark_SpacingCombining, QChar::Mark_Enclosing,
                                          QChar::Separator_Line, QChar::Separator_Paragraph, QChar::Other_Control,
                                          QChar::Other_Format, QChar::Other_Surrogate, QChar::Other_PrivateUse,
                                          QChar::Other_NotAssigned})
            || among(QChar::direction(c), {QChar::DirR, QChar::DirAL, QChar::DirAN}))
            return false;
    // A face that joins these letters by default maps their presentation form as well.
    const std::pair<char16_t, QLatin1String> ligatures[] = {
        {u'\uFB00', QLatin1String("ff")}, {u'\uFB01', QLatin1String("fi")}, {u'\uFB02', QLatin1String("fl")}};
    return std::none_of(std::begin(ligatures), std::end(ligatures), [&](const auto& ligature) {
        return text.contains(ligature.second) && face.supportsCharacter(QChar(ligature.first));
    });
}

// `glyphs` of `face` at `pixels`, each where the kerned advances of those before it end, as the
// toolkit lays out a line of the face's own glyphs. The face is left at that size: set to the size
// it has, it keeps the glyphs it has loaded.
LaidOut drawnInFace(QRawFont& face, const QList<quint32>& glyphs, int pixels)
{
    face.setPixelSize(pixels);
    LaidOut laid{{}, 0, 0, face.ascent(), face.descent()};
    QList<QPointF> positions;
    for (const QPointF& advance : face.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances)) {
        positions.append(QPointF(laid.width, 0));
        laid.width += advance.x();
    }
    laid.advance = laid.width;
    if (!glyphs.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(face);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        laid.runs = {run};
    }
    return laid;
}

// The largest whole pixel size from kSmallestPixels to `natural` at which the text, `widthAt` a
// size wide, fits `room` (no room: `natural`).
int fittingSize(int natural, int room, const std::function<qreal(int)>& widthAt)
{
    int pixels = natural;
    if (room > 0 && widthAt(pixels) > room && pixels > kSmallestPixels) {
        // Advances grow about in proportion to the size: the size is reckoned from the width at the
        // font's own size, checked, and moved a pixel at a time to the largest at which it fits.
        pixels = std::clamp(int(natural * room / widthAt(natural)), kSmallestPixels, natural - 1);
        while (pixels > kSmallestPixels && widthAt(pixels) > room)
            --pixels;
        while (pixels + 1 < natural && widthAt(pixels + 1) <= room)
            ++pixels;
    }
    return pixels;
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
    // A face in points is loaded at the nearest whole pixel size, as the toolkit loads it.
    const int natural = own.pixelSize() > 0 ? own.pixelSize() : int(std::lround(own.pointSizeF() * logicalDpiY() / 72.0));
    QRawFont face = QRawFont::fromFont(source);
    const QList<quint32> glyphs = face.glyphIndexesForString(text());
    int pixels = natural;
    LaidOut laid;
    if (drawnLetterByLetter(text(), face, glyphs)) {
        pixels = fittingSize(natural, fitted, [&](int size) { return drawnInFace(face, glyphs, size).width; });
        laid = drawnInFace(face, glyphs, pixels);
    } else {
        // Shaped by the toolkit in the label's own font at each size tried, loaded at that size.
        std::map<int, LaidOut> sizes;
        const auto at = [&](int size) -> const LaidOut& {
            auto found = sizes.find(size);
            if (found == sizes.end()) {
                QFont sized = own;
                if (size != natural)
                    sized.setPixelSize(size);
                found = sizes.emplace(size, laidOut(text(), sized)).first;
            }
            return found->second;
        };
        pixels = fittingSize(natural, fitted, [&at](int size) { return at(size).width; });
        laid = at(pixels);
    }
    return *(m_line = Line{text(), own, fitted, pixels, laid.runs, laid.width, laid.advance, laid.ascent, laid.descent});
}

int CaptionLabel::drawnPixelSize() const { return line().pixelSize; }

qreal CaptionLabel::drawnWidth() const { return line().width; }

QList<QGlyphRun> CaptionLabel::drawnGlyphs() const { return line().runs; }

QSize CaptionLabel::sizeHint() const
{
    const Line& drawn = line();
    const QMargins around = contentsMargins();
    return QSize(int(std::ceil(drawn.width)) + around.left() + around.right() + 2 * std::max(margin(), 0),
                 int(std::ceil(drawn.ascent + drawn.descent)) + around.top() + around.bottom()
                     + 2 * std::max(margin(), 0));
}

QSize CaptionLabel::minimumSizeHint() const { return sizeHint(); }

void CaptionLabel::paintEvent(QPaintEvent*)
{
    const Line& drawn = line();
    if (drawn.runs.isEmpty())
        return;
    const QRect room = contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    // A right-to-left text is aligned by its own direction, as a plain label aligns it.
    const Qt::LayoutDirection direction = drawn.text.isRightToLeft() ? Qt::RightToLeft : layoutDirection();
    const Qt::Alignment align = QStyle::visualAlignment(direction, alignment());
    const qreal height = drawn.ascent + drawn.descent;
    qreal x = room.left();
    if (align & Qt::AlignHCenter)
        x += (room.width() - drawn.advance) / 2;
    else if (align & Qt::AlignRight)
        x += room.width() - drawn.advance;
    qreal y = room.top();
    if (align & Qt::AlignVCenter)
        y += (room.height() - height) / 2;
    else if (align & Qt::AlignBottom)
        y += room.height() - height;
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, foregroundRole()));
    for (const QGlyphRun& run : drawn.runs)
        painter.drawGlyphRun(QPointF(x, y + drawn.ascent), run);
}
