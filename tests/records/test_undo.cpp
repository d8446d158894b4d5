// Undo: taking back the starting removal or the last move, with its penalty on the counter.
#include "records/moves_file.h"
#include "support/core_test_helpers.h"

#include "rules/score_number.h"

#include <QTest>

#include <functional>
#include <random>

using namespace coretest;

class TestUndo : public QObject {
    Q_OBJECT
private slots:
    void nothingAfterNewGame();
    void undo_data();
    void undo();
    void everyJump_data();
    void everyJump();
    void penalty();
    void theCounterReadsAsItsTextDoes();
    void redo();
};

// A new game forgets the old start hole, so an undo has nothing to take back and shows nothing.
void TestUndo::nothingAfterNewGame()
{
    Recorder rec;
    Game game;
    GameController played(game, rec);
    play(game, "19 17 19");
    game.startNewGame();
    rec = {};
    played.undo();
    QCOMPARE(summary(game), QByteArray("counter 0, waiting"));
    QCOMPARE(rec.panels, 1);
    QCOMPARE(rec.changes + rec.sounds, 0);

    // A moves file without a start hole, then a saved game under way: a selected ball is let go.
    MoveHistory noStart;
    MovesFile::read("L117\r\nL219\r\nST\r\n", noStart);
    game.loadHistory(noStart);
    game.loadPosition({{PositionEntry::Kind::Underway}});
    game.click(30);
    QVERIFY(game.isFramed(30));
    game.undo();
    QCOMPARE(summary(game), QByteArray("from 17, to 19, counter 0"));
}

// One undo after the clicks, with a ball selected (the selection is dropped) or with a move from an
// edited moves file added to the history: such a move may hold anything, and undoing it changes
// only the holes it names while the moves before it survive.
void TestUndo::undo_data()
{
    QTest::addColumn<QByteArray>("clicks");
    QTest::addColumn<QByteArray>("added"); // origin and destination of the added move, if any
    QTest::addColumn<QByteArray>("after");
    const auto row = [](const char* name, const char* clicks, const char* added, const char* after) {
        QTest::newRow(name) << QByteArray(clicks) << QByteArray(added) << QByteArray(after);
    };
    row("starting removal, 30 selected", "19 30", "", "start 19, counter 0, waiting");
    row("17 -> 19, 30 selected", "19 17 19 30", "", "empty 19, start 19, counter -0.1");
    row("x, 99", "19 17 19", "x 99", "empty 17 18, start 19, from 17, to 19, counter -0.1");
    row("x, 19", "19 17 19", "x 19", "empty 17 18 19, start 19, from 17, to 19, counter -0.1");
    row("17, 99", "19 17 19", "17 99", "empty 18, start 19, from 17, to 19, counter -0.1");
    row("40, no destination", "19 17 19", "40", "empty 17 18, start 19, from 17, to 19, counter -0.1");
    // Pairs that are no jump: the number difference decides the hole put back (9 from 8 -> 10,
    // 22 from 16 -> 26), as it does for the 92 jumps.
    row("8 -> 10, no jump", "9", "8 10", "empty 10, start 9, counter -1");
    row("16 -> 26, no jump", "22", "16 26", "empty 26, start 22, counter -1");
    row("17, no destination", "19 17 19", "17", "empty 18, start 19, from 17, to 19, counter -0.1");
}

void TestUndo::undo()
{
    QFETCH(QByteArray, clicks);
    QFETCH(QByteArray, added);
    QFETCH(QByteArray, after);
    Game game;
    play(game, clicks);
    const QByteArrayList move = added.split(' ');
    MoveHistory edited = game.history();
    if (!added.isEmpty())
        edited.appendOrigin(s(move[0]));
    if (move.size() > 1)
        edited.appendDestination(s(move[1]));
    game.loadHistory(edited);
    game.undo();
    QCOMPARE(summary(game), after);
}

// Each jump played from the board with only its destination empty, then taken back. The undo
// finds the jumped hole by arithmetic on the hole numbers, not from the table; the differences
// between rows of unequal width are where it can go wrong. The counter goes 1 -> 1 - 0.1 - 1.
void TestUndo::everyJump_data()
{
    QTest::addColumn<int>("origin");
    QTest::addColumn<int>("jumped");
    QTest::addColumn<int>("destination");
    for (const Jump& j : JumpTable::instance().jumps())
        QTest::addRow("%d -> %d", j.origin, j.destination) << int(j.origin) << int(j.jumped) << int(j.destination);
}

void TestUndo::everyJump()
{
    QFETCH(int, origin);
    QFETCH(int, destination);
    const QByteArray hole = QByteArray::number(destination);
    Game game;
    play(game, hole + ' ' + QByteArray::number(origin) + ' ' + hole);
    game.undo();
    QCOMPARE(summary(game), "empty " + hole + ", start " + hole + ", counter -0.1");
}

// An undo takes a tenth of the counter and one more off it, here after 0 moves (with a move added
// to the history), 3, 15, 20 and 30. The next move adds 1, keeping the fraction (the move engine's
// counter); further undos take every move back.
void TestUndo::penalty()
{
    const char* rows[][3] = {{"0", "-1", "0"}, {"3", "1.7", "2.7"}, {"15", "12.5", "13.5"}, {"20", "17", "18"},
                             {"30", "26", "27"}};
    for (const auto& [moves, after, next] : rows) {
        Game game;
        play(game, "19");
        QVERIFY(playLegalGame(game, QByteArray(moves).toInt()));
        QCOMPARE(q(game.counter()), QByteArray(moves));
        if (game.history().count() == 0) {
            MoveHistory one = game.history();
            one.append("17", "19");
            game.loadHistory(one);
        }
        game.undo();
        QCOMPARE(q(game.counter()), QByteArray(after));
        QVERIFY(playLegalGame(game, 1));
        QCOMPARE(q(game.counter()), QByteArray(next));
        for (std::size_t k = game.history().count(); k > 0; --k)
            game.undo();
        QVERIFY(summary(game).startsWith("empty 19, start 19, counter "));
    }
}

// Jumps and undos in a long random order: the counter is reckoned from the number its text shows
// (15 significant digits), so its text is what reckoning text by text gives, fractions and all.
void TestUndo::theCounterReadsAsItsTextDoes()
{
    std::mt19937 random(20261208);
    for (int game_ = 0; game_ < 20; ++game_) {
        Game game;
        play(game, "19");
        std::string text = "0";
        for (int step = 0; step < 200; ++step) {
            const double value = *ScoreNumber::parse(text);
            if (random() % 3 != 0 && playLegalGame(game, 1)) {
                text = ScoreNumber::format(value + 1);
            } else if (game.history().count() > 0) {
                game.undo();
                text = ScoreNumber::format(value - value * 10 / 100 - 1);
            }
            QCOMPARE(q(game.counter()), q(text));
        }
    }
}

// Redo plays back what undo took, jump by jump down to the starting removal, each jump +1 with the
// undo's penalty kept; a selection in the way is let go. Any other jump, a new game, a load or a
// replay forgets it; a selection does not.
void TestUndo::redo()
{
    Game game;
    play(game, "19 17 19 30 17");
    const QByteArray played = summary(game);
    QVERIFY(!game.canRedo());
    game.undo();
    game.undo();
    game.undo();
    QCOMPARE(summary(game), "start 19, counter -0.28, waiting");
    game.undo(); // nothing more to take back: what can be played again stays
    QCOMPARE(summary(game), "start 19, counter -0.28, waiting");
    QVERIFY(game.canRedo());
    QCOMPARE(int(game.redo().kind), int(MoveOutcome::Kind::StartingRemoval));
    game.click(30);
    QVERIFY(game.isFramed(30));
    const MoveOutcome jump = game.redo();
    QCOMPARE(jump.origin * 10000 + jump.jumped * 100 + jump.destination, 171819);
    QVERIFY(jump.holes.test(30) && jump.sound == false);
    QCOMPARE(summary(game), "empty 17 18, start 19, from 17, to 19, counter 0.72");
    game.redo();
    QCOMPARE(summary(game), QByteArray(played).replace("counter 2", "counter 1.72"));
    QVERIFY(!game.canRedo());
    QCOMPARE(int(game.redo().kind), int(MoveOutcome::Kind::Nothing));

    const std::function<void(Game&)> forgetting[] = {
        [](Game& g) { g.click(30), g.click(17); },
        [](Game& g) { g.startNewGame(); },
        [](Game& g) { g.loadPosition({}); },
        [](Game& g) { g.loadHistory(g.history()); },
        [](Game& g) { g.startReplay(); },
    };
    for (const auto& forget : forgetting) {
        Game again = game;
        again.undo();
        again.click(5), again.click(5); // a selection and its release keep it
        QVERIFY(again.canRedo());
        forget(again);
        QVERIFY(!again.canRedo());
    }
    // Nothing is played again while a replay runs, not even a move undone meanwhile.
    Game replaying = game;
    replaying.startReplay();
    replaying.undo();
    QVERIFY(!replaying.canRedo());
    QCOMPARE(int(replaying.redo().kind), int(MoveOutcome::Kind::Nothing));
    // A move of an edited moves file that is no jump is taken back but cannot be played again.
    MoveHistory edited = game.history();
    edited.append("8", "10");
    game.loadHistory(edited);
    game.undo();
    QVERIFY(!game.canRedo());
}

QTEST_APPLESS_MAIN(TestUndo)
#include "test_undo.moc"
