#pragma once

#include <QGlyphRun>
#include <QLabel>

#include <optional>

// A one-line label that draws its text as a plain label does (the same glyphs, hinting,
// antialiasing and kerned advances at the same whole pixel size), and, where it can, in a face the
// window has loaded anyway instead of loading the face again at the label's own font size: every
// size of a face loaded matches the font configuration again, about 2 million instructions, a
// fortieth of the whole start. A text the face draws letter by letter (Latin, Greek or Cyrillic
// letters with no mark set on them and no ligature, as the game's captions in its languages are)
// is drawn in that face at the label's size; any other text (letters joined, reordered or set one
// on another, right to left, or a character from another face) is shaped by the toolkit in the
// label's own font. A text wider than its room is drawn at the largest whole pixel size at which
// it fits, so no language loses its edges.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    CaptionLabel(const QString& text, QWidget* parent);

    // `font`'s face, loaded anyway, is one captions of the same family, weight and style draw in.
    static void shareFace(const QFont& font);

    // The label is sized to its text, whose room is then its container's width less the label's
    // left margin at either side; otherwise the room is the label's own width.
    void fitContainer();
    // The pixel size the text is drawn at: the font's own, or smaller where the text would not fit.
    int drawnPixelSize() const;
    // The text's width at that size.
    qreal drawnWidth() const;
    // The glyphs drawn, placed from the text's left end on its baseline.
    QList<QGlyphRun> drawnGlyphs() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The text at the label's size: its glyphs placed from its left end on its baseline, its width
    // (to the ends of its glyphs), the advance it is aligned by, its ascent and its descent.
    struct Line {
        QString text;
        QFont font;
        int room = 0;
        int pixelSize = 0;
        QList<QGlyphRun> runs;
        qreal width = 0;
        qreal advance = 0;
        qreal ascent = 0;
        qreal descent = 0;
    };
    const Line& line() const;
    int room() const;

    bool m_fitsContainer = false;
    mutable std::optional<Line> m_line;
};
