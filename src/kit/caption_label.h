#pragma once

#include <QLabel>
#include <QRawFont>

#include <optional>

// A one-line label that draws its text in a face the window has loaded anyway, at the label's own
// font size, instead of loading the face again at that size: every size of a face loaded matches
// the font configuration again, about 2 million instructions, a fortieth of the whole start. It
// draws as a plain label does (the same glyphs, hinting, antialiasing and kerned advances at the
// same whole pixel size); the text is not shaped and takes no glyph from another face, which the
// game's captions in its languages never need. A text wider than its room is drawn at the largest
// whole pixel size at which it fits, measured in the same face, so no language loses its edges.
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

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The text in the face at the label's size: the glyphs and their positions from the origin.
    struct Line {
        QString text;
        QFont font;
        int room = 0;
        QRawFont face;
        QList<quint32> glyphs;
        QList<QPointF> positions;
        qreal width = 0;
    };
    const Line& line() const;
    int room() const;

    bool m_fitsContainer = false;
    mutable std::optional<Line> m_line;
};
