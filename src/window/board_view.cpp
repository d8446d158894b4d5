#include "window/board_view.h"

#include "board/board_geometry.h"
#include "kit/artwork.h"
#include "kit/picture_control.h"
#include "kit/twips.h"
#include "rules/game.h"
#include "window/layout.h"

BoardView::BoardView(QWidget* form)
    : QWidget(form)
{
    Layout::place(this, "Picture2");
    m_boardPicture = Layout::picture(this, "Image6");
    for (HoleNumber n = 1; n <= kHoleCount; ++n) {
        // Every hole is a copy of hole 1; holes 2..37 appear when a game starts. A ball picture of
        // any size is drawn into the hole's own size, so every hole stays on the board.
        auto* control = new PictureControl(this, QStringLiteral("Image1"), n);
        control->setStretch(true);
        control->setGeometry(Layout::rect(Layout::of("Image1", 1)));
        control->setVisible(n == 1);
        m_holes[static_cast<std::size_t>(n)] = control;
        connect(control, &PictureControl::clicked, this, [this, n] { emit holeClicked(n); });
    }
    Layout::picture(form, "Image3");
    m_ballReference = Layout::picture(form, "Image4");
    // The reference ball takes the size of the ball it shows.
    m_ballReference->setStretch(false);
}

void BoardView::showGame(const Game& game, const QString& ballName)
{
    const QPixmap ball = Artwork::pixmap(ballName);
    m_ballReference->setPicture(ball);
    for (HoleNumber n = 1; n <= kHoleCount; ++n) {
        PictureControl* control = hole(n);
        control->setPicture(game.board().hasBall(n) ? ball : QPixmap());
        control->setBorderStyle(game.isFramed(n) ? 1 : 0);
    }
}

void BoardView::stripToHoleOne(const QString& ballName)
{
    for (HoleNumber n = 2; n <= kHoleCount; ++n)
        hole(n)->hide();
    hole(1)->setPicture(Artwork::pixmap(ballName));
    hole(1)->setBorderStyle(0);
}

void BoardView::placeHoles()
{
    const QPoint origin = hole(1)->pos();
    const QSize size = hole(1)->size();
    for (HoleNumber n = 2; n <= kHoleCount; ++n) {
        const auto position = BoardGeometry::holePosition(n, Twips::fromPx(origin.x()), Twips::fromPx(origin.y()),
                                                          Twips::fromPx(size.width()), Twips::fromPx(size.height()));
        hole(n)->setGeometry(QRect(Twips::point(position.left, position.top), size));
        hole(n)->show();
    }
    lowerPictures();
}

void BoardView::showBoard(int index)
{
    m_boardPicture->setPicture(Artwork::pixmap(QStringLiteral("board%1").arg(index), m_boardPicture->size()));
}

void BoardView::lowerPictures() { m_boardPicture->lower(); }
