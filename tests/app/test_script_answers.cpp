// What the command line tells scripts: the best finish of a position, and a game's review.
#include "app/script_answers.h"
#include "board/jump_table.h"
#include "records/moves_file.h"
#include "../bench/plain_search.h"

#include <QTest>

#include <algorithm>
#include <random>

namespace {
QByteArray q(const std::string& text) { return QByteArray::fromStdString(text); }

// A game from `start` played by the jumps `pick` chooses among those the board allows.
MoveHistory playedFrom(HoleNumber start, std::mt19937& random)
{
    MoveHistory history;
    history.setStartHole(std::to_string(start));
    std::array<bool, kHoleCount> balls;
    balls.fill(true);
    balls[std::size_t(start - 1)] = false;
    for (;;) {
        std::vector<JumpTable::Jump> open;
        for (const JumpTable::Jump& j : JumpTable::instance().jumps())
            if (balls[std::size_t(j.origin - 1)] && balls[std::size_t(j.jumped - 1)] && !balls[std::size_t(j.destination - 1)])
                open.push_back(j);
        if (open.empty())
            return history;
        const JumpTable::Jump j = open[random() % open.size()];
        balls[std::size_t(j.origin - 1)] = balls[std::size_t(j.jumped - 1)] = false;
        balls[std::size_t(j.destination - 1)] = true;
        history.append(std::to_string(j.origin), std::to_string(j.destination));
    }
}
}

class TestScriptAnswers : public QObject {
    Q_OBJECT
private slots:
    void bestOfAPosition_data()
    {
        QTest::addColumn<QByteArray>("position");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("centre empty") << QByteArray("1111111111111111110111111111111111111") << 0 << QByteArray("2\t32-26-19\tproven\n");
        QTest::newRow("two balls side by side") << QByteArray("0000000000000000011000000000000000000") << 0
                                                << QByteArray("1\t18-19-20\tproven\n");
        QTest::newRow("no jump left") << QByteArray("1010000000000000000000000000000000000") << 0 << QByteArray("2\t-\tproven\n");
        QTest::newRow("no ball") << QByteArray(37, '0') << 0 << QByteArray("0\t-\tproven\n");
        QTest::newRow("36 characters") << QByteArray(36, '1') << 2 << QByteArray();
        QTest::newRow("38 characters") << QByteArray(38, '1') << 2 << QByteArray();
        QTest::newRow("a 2") << QByteArray("1111111111111111112111111111111111111") << 2 << QByteArray();
        QTest::newRow("blank") << QByteArray() << 2 << QByteArray();
    }
    void bestOfAPosition()
    {
        QFETCH(QByteArray, position);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        const ScriptAnswers::Answer answer = ScriptAnswers::best(position.toStdString());
        QCOMPARE(answer.status, status);
        QCOMPARE(q(answer.out), out);
        QCOMPARE(answer.err.empty(), status == 0);
    }

    // Games of random jumps from several starts: a line per move, the value after a move the value
    // before the next, the first move that made the best finish worse named with a jump that kept
    // it, and every value of a position of 20 balls or fewer as a plain exhaustive search finds it.
    void reviewOfAGame()
    {
        std::mt19937 random(8);
        PlainSearch plain;
        for (const HoleNumber start : {17, 19, 1, 9}) {
            const MoveHistory game = playedFrom(start, random);
            const ScriptAnswers::Answer answer = ScriptAnswers::review(MovesFile::serialise(game), "game.dvm");
            QCOMPARE(answer.status, 0);
            QVERIFY(answer.err.empty());
            QList<QByteArray> lines = q(answer.out).split('\n');
            QCOMPARE(lines.takeLast(), QByteArray());
            QVERIFY(lines.first().startsWith("# start " + QByteArray::number(start) + ", best finish "));
            std::array<bool, kHoleCount> balls;
            balls.fill(true);
            balls[std::size_t(start - 1)] = false;
            int lastAfter = -1, lost = 0;
            std::size_t k = 0;
            for (const QByteArray& line : lines) {
                if (line.startsWith('#'))
                    continue;
                const QList<QByteArray> fields = line.split('\t');
                QCOMPARE(fields.size(), 4);
                QCOMPARE(fields[0].toInt(), int(k + 1));
                QCOMPARE(fields[1], q(game.origin(k) + '-' + *game.destination(k)));
                const int before = fields[2].toInt(), after = fields[3].toInt();
                if (lastAfter >= 0)
                    QCOMPARE(before, lastAfter);
                if (!lost && after > before)
                    lost = int(k + 1);
                const int count = int(std::count(balls.begin(), balls.end(), true));
                if (count <= 20)
                    QCOMPARE(before, plain.bestFinish(BitBoard::fromBalls(balls)));
                const auto o = *parseHoleNumber(game.origin(k)), d = *parseHoleNumber(*game.destination(k));
                balls[std::size_t(o - 1)] = balls[std::size_t(*JumpTable::instance().jumped(o, d) - 1)] = false;
                balls[std::size_t(d - 1)] = true;
                lastAfter = after;
                ++k;
            }
            QCOMPARE(k, game.count());
            QCOMPARE(lastAfter, int(std::count(balls.begin(), balls.end(), true))); // no jump left at the end
            if (lost)
                QVERIFY2(answer.out.find("# move " + std::to_string(lost) + " lost the best finish; ") != std::string::npos,
                         answer.out.c_str());
            else
                QVERIFY(answer.out.find("# no move lost the best finish") != std::string::npos);
            QVERIFY(answer.out.find('?') == std::string::npos);
        }
    }

    // Files that are no moves file of a game: exit 2 with a message naming the file.
    void reviewRefusesWhatIsNoGame_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("garbage") << QByteArray("\x7f" "ELF\x02\x01\x01");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no start") << QByteArray("L117\r\nL219\r\n");
        QTest::newRow("an origin without destination") << QByteArray("L117\r\nL130\r\nL219\r\nST19\r\n");
        QTest::newRow("no jump") << QByteArray("L117\r\nL220\r\nST19\r\n");
        QTest::newRow("a jump over an empty hole") << QByteArray("L117\r\nL219\r\nL117\r\nL219\r\nST19\r\n");
    }
    void reviewRefusesWhatIsNoGame()
    {
        QFETCH(QByteArray, bytes);
        const ScriptAnswers::Answer answer = ScriptAnswers::review(bytes.toStdString(), "odd.dvm");
        QCOMPARE(answer.status, 2);
        QCOMPARE(q(answer.out), QByteArray());
        QVERIFY2(answer.err.starts_with("odd.dvm: "), answer.err.c_str());
    }

    // The puzzles read back from their lines: four fields, the start 37 characters of 0 and 1, the
    // goal 1 or 1@N, and the solution, played with the board's jumps, leaves one ball at the goal.
    void puzzlesListed()
    {
        const ScriptAnswers::Answer answer = ScriptAnswers::listPuzzles();
        QCOMPARE(answer.status, 0);
        QVERIFY(answer.err.empty());
        const QList<QByteArray> lines = q(answer.out).split('\n');
        QVERIFY(lines.size() > 40);
        QCOMPARE(lines.back(), QByteArray());
        QByteArrayList names;
        for (qsizetype n = 0; n + 1 < lines.size(); ++n) {
            const QList<QByteArray> fields = lines[n].split('\t');
            QCOMPARE(fields.size(), 4);
            QVERIFY2(!fields[0].isEmpty(), lines[n]);
            names << fields[0] + ' ' + fields[2];
            const QByteArray& position = fields[1];
            QCOMPARE(position.size(), kHoleCount);
            QVERIFY2(position.count('0') + position.count('1') == kHoleCount, lines[n]);
            std::array<bool, kHoleCount> balls{};
            for (int h = 0; h < kHoleCount; ++h)
                balls[std::size_t(h)] = position[h] == '1';
            int goal = 0;
            if (fields[2] != "1") {
                QVERIFY2(fields[2].startsWith("1@"), lines[n]);
                bool number = false;
                goal = fields[2].mid(2).toInt(&number);
                QVERIFY2(number && isHole(goal) && QByteArray::number(goal) == fields[2].mid(2), lines[n]);
            }
            for (const QByteArray& word : fields[3].split(' ')) {
                const QList<QByteArray> ends = word.split('-');
                QCOMPARE(ends.size(), 2);
                const int origin = ends[0].toInt(), destination = ends[1].toInt();
                const auto over = JumpTable::instance().jumped(HoleNumber(origin), HoleNumber(destination));
                QVERIFY2(over && balls[std::size_t(origin - 1)] && balls[std::size_t(*over - 1)] && !balls[std::size_t(destination - 1)],
                         lines[n] + ": " + word);
                balls[std::size_t(origin - 1)] = balls[std::size_t(*over - 1)] = false;
                balls[std::size_t(destination - 1)] = true;
            }
            QVERIFY2(std::count(balls.begin(), balls.end(), true) == 1, lines[n]);
            QVERIFY2(goal == 0 || balls[std::size_t(goal - 1)], lines[n]);
        }
        QCOMPARE(names.size(), QSet<QByteArray>(names.begin(), names.end()).size());
        QVERIFY(lines.front().startsWith("Hole 1 empty\t0111111111111111111111111111111111111\t1\t"));
        const auto cross = std::find_if(lines.begin(), lines.end(), [](const QByteArray& line) { return line.startsWith("Cross\t"); });
        QVERIFY(cross != lines.end());
        QVERIFY2(cross->startsWith("Cross\t0000010000111000001000000100000000000\t1@19\t"), *cross);
    }
};

QTEST_APPLESS_MAIN(TestScriptAnswers)
#include "test_script_answers.moc"
