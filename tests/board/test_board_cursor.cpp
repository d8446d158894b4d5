// The board cursor's steps over the holes: one cell along a row or a column, never into the
// missing corners nor off the board.
#include "board/board_geometry.h"

#include <QTest>

#include <set>

namespace {
using Direction = BoardGeometry::Direction;

Direction opposite(Direction direction)
{
    switch (direction) {
    case Direction::Up: return Direction::Down;
    case Direction::Down: return Direction::Up;
    case Direction::Left: return Direction::Right;
    case Direction::Right: return Direction::Left;
    }
    return direction;
}
}

class TestBoardCursor : public QObject {
    Q_OBJECT
private slots:
    void walksTheCrossAndStopsAtItsEdges();
};

// A walk from the centre round the board's edge, then every step of every hole: a step lands on a
// hole, and a step that moved is undone by the step back, so the cursor never skips a hole and
// reaches all 37 from the centre.
void TestBoardCursor::walksTheCrossAndStopsAtItsEdges()
{
    struct Step {
        char key;
        HoleNumber to;
    };
    // U, D, L, R; the board numbers its rows 3, 5, 7, 7, 7, 5, 3 holes wide.
    const Step walk[] = {{'U', 12}, {'U', 6},  {'U', 2},  {'U', 2},  {'L', 1},  {'L', 1},  {'D', 5},  {'L', 4},
                         {'L', 4},  {'U', 4},  {'D', 10}, {'L', 9},  {'L', 9},  {'U', 9},  {'D', 16}, {'D', 23},
                         {'D', 23}, {'R', 24}, {'D', 30}, {'D', 30}, {'R', 31}, {'D', 35}, {'D', 35}, {'R', 36},
                         {'R', 37}, {'R', 37}, {'U', 33}, {'R', 34}, {'R', 34}, {'U', 28}, {'R', 29}, {'R', 29},
                         {'U', 22}, {'U', 15}, {'U', 15}, {'L', 14}, {'U', 8},  {'U', 8},  {'L', 7},  {'U', 3}};
    HoleNumber at = 19;
    for (const Step& step : walk) {
        const Direction direction = step.key == 'U' ? Direction::Up
            : step.key == 'D'                      ? Direction::Down
            : step.key == 'L'                      ? Direction::Left
                                                   : Direction::Right;
        const HoleNumber next = BoardGeometry::neighbourInDirection(at, direction);
        QVERIFY2(next == step.to, qPrintable(QString("%1 %2 gave %3, not %4").arg(at).arg(step.key).arg(next).arg(step.to)));
        at = next;
    }

    std::set<HoleNumber> reached{19};
    for (int pass = 0; pass < kHoleCount; ++pass)
        for (HoleNumber hole = 1; hole <= kHoleCount; ++hole)
            for (Direction direction : {Direction::Up, Direction::Down, Direction::Left, Direction::Right}) {
                const HoleNumber next = BoardGeometry::neighbourInDirection(hole, direction);
                QVERIFY(isHole(next));
                if (next != hole)
                    QCOMPARE(BoardGeometry::neighbourInDirection(next, opposite(direction)), hole);
                if (reached.count(hole))
                    reached.insert(next);
            }
    QCOMPARE(reached.size(), std::size_t(kHoleCount));

    // A number that is no hole has no neighbour.
    for (HoleNumber none : {0, 38, -1})
        QCOMPARE(BoardGeometry::neighbourInDirection(none, Direction::Up), HoleNumber(0));
}

QTEST_APPLESS_MAIN(TestBoardCursor)
#include "test_board_cursor.moc"
