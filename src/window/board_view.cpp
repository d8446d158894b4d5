#include "window/board_view.h"

#include "board/board_geometry.h"
#include "kit/accessible_controls.h"
#include "kit/artwork.h"
#include "kit/picture_control.h"
#include "kit/twips.h"
#include "rules/game.h"
#include "window/layout.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {
constexpr HoleNumber kCentre = 19;

// The keyboard's cursor: the keyboard's ring inside the hole it stands on. Shown by the arrow keys
// and by Tab; any mouse click in the window hides it.
class BoardCursor : public QWidget {
public:
    explicit BoardCursor(QWidget* board)
        : QWidget(board)
    {
        setObjectName(QStringLiteral("cursor"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        PictureControl::paintFocusRing(painter, QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5));
    }
    void showEvent(QShowEvent*) override { qApp->installEventFilter(this); }
    void hideEvent(QHideEvent*) override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == window())
            hide();
        return false;
    }
};
}

BoardView::BoardView(QWidget* form)
    : QWidget(form)
{
    Layout::place(this, "Picture2");
    m_boardPicture = Layout::picture(this, "Image6");
    AccessibleControls::decoration(m_boardPicture);
    for (HoleNumber n = 1; n <= kHoleCount; ++n) {
        // Every hole is a copy of hole 1; holes 2..37 appear when a game starts. A ball picture of
        // any size is drawn into the hole's own size, so every hole stays on the board.
        auto* control = new PictureControl(this, QStringLiteral("Image1"), n);
        control->setStretch(true);
        control->setVisible(n == 1);
        m_holes[static_cast<std::size_t>(n)] = control;
        connect(control, &PictureControl::clicked, this, [this, n] { emit holeClicked(n); });
        // The cursor comes back where the mouse last pressed.
        connect(control, &PictureControl::mouseDown, this, [this, n] { m_cursorHole = n; });
    }
    m_cursor = new BoardCursor(this);
    // Assistive technology hears the hole the cursor is on; the ring itself is a picture.
    AccessibleControls::decoration(m_cursor);
    arrangeHoles();
    setFocusPolicy(Qt::StrongFocus);
    AccessibleControls::group(this, tr("Board"));
    AccessibleControls::decoration(Layout::picture(form, "Image3"));
    m_ballReference = Layout::picture(form, "Image4");
    AccessibleControls::decoration(m_ballReference);
    // The reference ball takes the size of the ball it shows.
    m_ballReference->setStretch(false);
}

void BoardView::setBallName(const QString& name)
{
    m_ballName = name;
    m_ballReference->setArtwork(name);
}

void BoardView::showHoles(const Game& game, const MoveOutcome::Holes& holes)
{
    for (HoleNumber n = 1; n <= kHoleCount; ++n) {
        if (!holes.test(static_cast<std::size_t>(n)))
            continue;
        PictureControl* control = hole(n);
        control->setArtwork(game.board().hasBall(n) ? m_ballName : QString());
        control->setBorderStyle(game.isFramed(n) ? 1 : 0);
        control->setButtonName(tr("Hole %1, %2%3")
                                   .arg(n)
                                   .arg(game.board().hasBall(n) ? tr("ball") : tr("empty"),
                                        game.isFramed(n) ? tr(", selected") : QString()));
    }
}

void BoardView::stripToHoleOne()
{
    for (HoleNumber n = 2; n <= kHoleCount; ++n)
        hole(n)->hide();
    hole(1)->setArtwork(m_ballName);
    hole(1)->setBorderStyle(0);
}

void BoardView::placeHoles()
{
    arrangeHoles();
    for (HoleNumber n = 2; n <= kHoleCount; ++n)
        hole(n)->show();
    lowerPictures();
}

void BoardView::arrangeHoles()
{
    // From hole 1 as the layout has it, in twips, so that the holes keep their places at every zoom.
    const Layout::Control& first = Layout::of("Image1", 1);
    const Twips at = Twips::of(this);
    for (HoleNumber n = 1; n <= kHoleCount; ++n) {
        const auto position = BoardGeometry::holePosition(n, first.left, first.top, first.width, first.height);
        hole(n)->setGeometry(at.rect(position.left, position.top, first.width, first.height));
    }
    m_cursor->setGeometry(hole(m_cursorHole)->geometry());
}

void BoardView::showBoard(int index)
{
    const Layout::Control& board = Layout::of("Image6");
    m_boardPicture->setArtwork(QStringLiteral("board%1").arg(index), QSize(Twips::px(board.width), Twips::px(board.height)));
}

void BoardView::lowerPictures() { m_boardPicture->lower(); }

HoleNumber BoardView::cursor() const { return m_cursor->isHidden() ? 0 : m_cursorHole; }

void BoardView::keyPressEvent(QKeyEvent* event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        event->ignore();
        return;
    }
    using Direction = BoardGeometry::Direction;
    const auto step = [this](Direction direction) {
        placeCursor(m_cursor->isHidden() ? m_cursorHole : BoardGeometry::neighbourInDirection(m_cursorHole, direction));
    };
    switch (event->key()) {
    case Qt::Key_Up: step(Direction::Up); break;
    case Qt::Key_Down: step(Direction::Down); break;
    case Qt::Key_Left: step(Direction::Left); break;
    case Qt::Key_Right: step(Direction::Right); break;
    case Qt::Key_Home: placeCursor(kCentre); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_cursor->isHidden())
            placeCursor(m_cursorHole);
        else
            emit holeClicked(m_cursorHole);
        break;
    default: event->ignore();
    }
}

void BoardView::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        placeCursor(m_cursorHole);
}

void BoardView::focusOutEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        m_cursor->hide();
}

void BoardView::placeCursor(HoleNumber at)
{
    m_cursorHole = at;
    m_cursor->setGeometry(hole(at)->geometry());
    m_cursor->raise();
    m_cursor->show();
    // Assistive technology reads the hole the cursor is on, as it would a focused button.
    QAccessibleEvent moved(hole(at), QAccessible::Focus);
    QAccessible::updateAccessibility(&moved);
}
