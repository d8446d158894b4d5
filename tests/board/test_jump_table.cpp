// The jump table and the hole numbering it rests on, checked against positions worked out here
// from the board's shape rather than from the core's own geometry.
#include "board/board_geometry.h"
#include "board/hole_number.h"
#include "board/jump_table.h"

#include <QTest>

#include <array>
#include <cstdlib>
#include <set>
#include <utility>

namespace {
// Row r (1..7) starts with hole kRowStart[r-1] in column kRowColumn[r-1]; kRowStart[7] closes the board.
constexpr int kRowStart[8] = {1, 4, 9, 16, 23, 30, 35, 38};
constexpr int kRowColumn[7] = {3, 2, 1, 1, 1, 2, 3};

std::pair<int, int> cell(int hole)
{
    int r = 0;
    while (hole >= kRowStart[r + 1])
        ++r;
    return {r + 1, kRowColumn[r] + hole - kRowStart[r]};
}

// How many jumps end in (and start from) each hole, laid out as the board.
constexpr std::array<int, kHoleCount> kJumpsPerHole = {
          2, 1, 2,
       2, 2, 3, 2, 2,
    2, 2, 4, 4, 4, 2, 2,
    1, 3, 4, 4, 4, 3, 1,
    2, 2, 4, 4, 4, 2, 2,
       2, 2, 3, 2, 2,
          2, 1, 2};
}

class TestJumpTable : public QObject {
    Q_OBJECT
private slots:
    void geometryMatchesNumbering();
    void everyJumpIsAStraightRunOfThree();
    void jumpsPerHole();
    void lookup_data();
    void lookup();
    void parseHoleNumber_data();
    void parseHoleNumber();
};

// Guards the row-by-row numbering the whole game (files, texts, undo) depends on.
void TestJumpTable::geometryMatchesNumbering()
{
    for (int hole = 1; hole <= kHoleCount; ++hole) {
        const auto [row, column] = cell(hole);
        QCOMPARE(BoardGeometry::rowOf(static_cast<HoleNumber>(hole)), row);
        QCOMPARE(BoardGeometry::columnOf(static_cast<HoleNumber>(hole)), column);
        QCOMPARE(int(BoardGeometry::holeAt(row, column)), hole);
    }
    // The cut-off corners hold no hole.
    QCOMPARE(int(BoardGeometry::holeAt(1, 1)), 0);
    QCOMPARE(int(BoardGeometry::holeAt(2, 7)), 0);
    QCOMPARE(int(BoardGeometry::holeAt(7, 6)), 0);
    QCOMPARE(int(BoardGeometry::holeAt(0, 4)), 0);
    QCOMPARE(int(BoardGeometry::holeAt(4, 8)), 0);
}

// 92 distinct jumps, each along one row or column with the jumped hole in the middle, each
// found again by jumped() (a duplicate pair would make the lookup ambiguous) and each reversible.
void TestJumpTable::everyJumpIsAStraightRunOfThree()
{
    const auto& jumps = JumpTable::instance().jumps();
    QCOMPARE(int(jumps.size()), 92);
    std::set<std::pair<int, int>> pairs;
    for (const auto& jump : jumps) {
        QVERIFY(isHole(jump.origin) && isHole(jump.jumped) && isHole(jump.destination));
        pairs.insert({jump.origin, jump.destination});
        const auto [r1, c1] = cell(jump.origin);
        const auto [r2, c2] = cell(jump.jumped);
        const auto [r3, c3] = cell(jump.destination);
        QVERIFY2((r1 == r3 && std::abs(c1 - c3) == 2) || (c1 == c3 && std::abs(r1 - r3) == 2),
                 qPrintable(QString("%1 -> %2").arg(jump.origin).arg(jump.destination)));
        QCOMPARE(r2 * 2, r1 + r3);
        QCOMPARE(c2 * 2, c1 + c3);
        QCOMPARE(JumpTable::instance().jumped(jump.origin, jump.destination).value_or(0), jump.jumped);
        QCOMPARE(JumpTable::instance().jumped(jump.destination, jump.origin).value_or(0), jump.jumped);
    }
    QCOMPARE(int(pairs.size()), 92);
}

void TestJumpTable::jumpsPerHole()
{
    std::array<int, kHoleCount> ending{};
    std::array<int, kHoleCount> starting{};
    for (const auto& jump : JumpTable::instance().jumps()) {
        ++ending[jump.destination - 1];
        ++starting[jump.origin - 1];
    }
    for (int hole = 1; hole <= kHoleCount; ++hole) {
        QCOMPARE(ending[hole - 1], kJumpsPerHole[hole - 1]);
        QCOMPARE(starting[hole - 1], kJumpsPerHole[hole - 1]);
    }
}

void TestJumpTable::lookup_data()
{
    QTest::addColumn<int>("origin");
    QTest::addColumn<int>("destination");
    QTest::addColumn<int>("jumped"); // 0: no jump

    // The holes with a single incoming jump, and the four ways into the centre.
    QTest::newRow("12 over 6 to 2") << 12 << 2 << 6;
    QTest::newRow("18 over 17 to 16") << 18 << 16 << 17;
    QTest::newRow("20 over 21 to 22") << 20 << 22 << 21;
    QTest::newRow("26 over 32 to 36") << 26 << 36 << 32;
    QTest::newRow("17 over 18 to 19") << 17 << 19 << 18;
    QTest::newRow("21 over 20 to 19") << 21 << 19 << 20;
    QTest::newRow("6 over 12 to 19") << 6 << 19 << 12;
    QTest::newRow("32 over 26 to 19") << 32 << 19 << 26;
    QTest::newRow("1 over 2 to 3") << 1 << 3 << 2;
    QTest::newRow("4 over 5 to 6") << 4 << 6 << 5;
    // Column jumps between rows of different widths, where the number differences vary.
    QTest::newRow("1 to 11") << 1 << 11 << 5;
    QTest::newRow("11 to 1") << 11 << 1 << 5;
    QTest::newRow("4 to 17") << 4 << 17 << 10;
    QTest::newRow("17 to 4") << 17 << 4 << 10;
    QTest::newRow("9 to 23") << 9 << 23 << 16;
    QTest::newRow("23 to 9") << 23 << 9 << 16;
    QTest::newRow("17 to 30") << 17 << 30 << 24;
    QTest::newRow("30 to 17") << 30 << 17 << 24;
    QTest::newRow("25 to 35") << 25 << 35 << 31;
    QTest::newRow("35 to 25") << 35 << 25 << 31;
    // Number differences of 2 or 12 that are no jump on the board.
    QTest::newRow("diagonal 1 to 13") << 1 << 13 << 0;
    QTest::newRow("across rows 8 to 10") << 8 << 10 << 0;
    QTest::newRow("across rows 7 to 9") << 7 << 9 << 0;
    QTest::newRow("same hole") << 19 << 19 << 0;
    QTest::newRow("neighbours") << 18 << 19 << 0;
    QTest::newRow("off the board") << 0 << 2 << 0;
}

void TestJumpTable::lookup()
{
    QFETCH(int, origin);
    QFETCH(int, destination);
    QFETCH(int, jumped);
    QCOMPARE(JumpTable::instance().jumped(origin, destination).value_or(0), jumped);
}

void TestJumpTable::parseHoleNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("hole"); // 0: none

    QTest::newRow("plain") << QByteArray("19") << 19;
    QTest::newRow("blanks around") << QByteArray(" 19 ") << 19;
    QTest::newRow("first") << QByteArray("1") << 1;
    QTest::newRow("last") << QByteArray("37") << 37;
    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("past the board") << QByteArray("38") << 0;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("trailing letter") << QByteArray("1x") << 0;
    QTest::newRow("negative") << QByteArray("-3") << 0;
    QTest::newRow("word") << QByteArray("abc") << 0;
    QTest::newRow("fraction") << QByteArray("1.5") << 0;
}

void TestJumpTable::parseHoleNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(int, hole);
    QCOMPARE(int(::parseHoleNumber(text.toStdString()).value_or(0)), hole);
}

QTEST_APPLESS_MAIN(TestJumpTable)
#include "test_jump_table.moc"
