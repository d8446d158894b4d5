// The 92 jumps and the hole numbers they are written with.
#include "board/jump_table.h"

#include <QTest>

#include <array>
#include <set>
#include <utility>

namespace {
// How many jumps end in each hole, laid out as the board.
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
    void everyJump();
    void namedPairs();
    void parseHoleNumber();
};

// 92 distinct jumps between holes of the board, each found again by jumped() in both directions
// (a duplicate pair would make the lookup ambiguous), as many ending in each hole as the board
// has; with every jump reversible, as many start there too.
void TestJumpTable::everyJump()
{
    const JumpTable& table = JumpTable::instance();
    std::set<std::pair<int, int>> pairs;
    std::array<int, kHoleCount> ending{};
    for (const auto& j : table.jumps()) {
        QVERIFY(isHole(j.origin) && isHole(j.jumped) && isHole(j.destination));
        pairs.insert({j.origin, j.destination});
        ++ending[j.destination - 1];
        QCOMPARE(table.jumped(j.origin, j.destination).value_or(0), j.jumped);
        QCOMPARE(table.jumped(j.destination, j.origin).value_or(0), j.jumped);
    }
    QCOMPARE(int(pairs.size()), 92);
    for (int hole = 1; hole <= kHoleCount; ++hole)
        QCOMPARE(ending[hole - 1], kJumpsPerHole[hole - 1]);
}

// Origin, destination, the hole jumped over (0: no jump). The holes with a single way in; the four
// ways into the centre; column jumps between rows of different widths, where the number
// differences vary; then number differences that are no jump on the board.
void TestJumpTable::namedPairs()
{
    const int rows[][3] = {{12, 2, 6}, {18, 16, 17}, {20, 22, 21}, {26, 36, 32},
                           {17, 19, 18}, {21, 19, 20}, {6, 19, 12}, {32, 19, 26},
                           {1, 11, 5}, {11, 1, 5}, {4, 17, 10}, {9, 23, 16}, {23, 9, 16}, {30, 17, 24}, {25, 35, 31},
                           {1, 13, 0}, {8, 10, 0}, {7, 9, 0}, {19, 19, 0}, {18, 19, 0}, {0, 2, 0}};
    for (const auto& [origin, destination, jumped] : rows) {
        const int found = JumpTable::instance().jumped(origin, destination).value_or(0);
        QVERIFY2(found == jumped, qPrintable(QString("%1 -> %2 jumps %3").arg(origin).arg(destination).arg(found)));
    }
}

// Text to hole number, 0 for none.
void TestJumpTable::parseHoleNumber()
{
    const std::pair<const char*, int> rows[] = {{"19", 19}, {" 19 ", 19}, {"1", 1}, {"37", 37}, {"0", 0}, {"38", 0},
                                                {"", 0}, {"1x", 0}, {"-3", 0}, {"abc", 0}, {"1.5", 0}};
    for (const auto& [text, hole] : rows) {
        const int found = ::parseHoleNumber(text).value_or(0);
        QVERIFY2(found == hole, qPrintable(QString("'%1' gives %2").arg(text).arg(found)));
    }
}

QTEST_APPLESS_MAIN(TestJumpTable)
#include "test_jump_table.moc"
