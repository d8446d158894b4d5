// The move engine (a click on a hole) and the replay stepper that drives it.
#include "support/core_test_helpers.h"

#include <QTest>

using namespace coretest;

class TestMoveEngine : public QObject {
    Q_OBJECT
private slots:
    void click_data();
    void click();
    void replay_data();
    void replay();
    void whatTheWindowIsAsked();
    void outcomesNameWhatChanged();
    void puzzle();
};

namespace {
// An outcome as "jump 17 18 19, holes 17 18 19, score 1, jump left, sound".
QByteArray said(const MoveOutcome& outcome)
{
    static const char* const kinds[] = {"nothing", "removal", "selection", "deselection", "jump", "undo", "new game", "loaded"};
    QByteArray text = kinds[int(outcome.kind)];
    for (const int hole : {outcome.hole, outcome.origin, outcome.jumped, outcome.destination})
        if (hole)
            text += ' ' + QByteArray::number(hole);
    QByteArrayList holes;
    for (int n = 0; n <= kHoleCount; ++n)
        if (outcome.holes.test(std::size_t(n)))
            holes << QByteArray::number(n);
    if (outcome.holes.count() == std::size_t(kHoleCount) && !outcome.holes.test(0))
        holes = {"all"};
    text += ", holes " + holes.join(' ') + ", score " + QByteArray::number(outcome.score);
    text += outcome.jumpLeft ? ", jump left" : "";
    text += outcome.sound ? ", sound" : "";
    return text;
}
}

// One click on a new game (no empty hole given) or on a game under way with the given holes empty
// and perhaps a ball selected first. Only the starting removal and a jump sound, once, and only
// with the sound on; only a jump is recorded; no other click changes more than the selection.
void TestMoveEngine::click_data()
{
    QTest::addColumn<QList<int>>("empty");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("hole");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("sounds");
    const auto row = [](const char* name, QList<int> empty, int selected, int hole, const char* after, int sounds) {
        QTest::newRow(name) << empty << selected << hole << QByteArray(after) << sounds;
    };
    row("starting removal", {}, 0, 19, "empty 19, start 19, counter 0", 1);
    row("selection", {11}, 0, 1, "empty 11, counter 0, selected 1", 0);
    row("empty hole, nothing selected", {11}, 0, 11, "empty 11, counter 0", 0);
    row("deselection", {11}, 1, 1, "empty 11, counter 0", 0);
    row("jump", {11}, 1, 11, "empty 1 5, from 1, to 11, counter 1", 1);
    row("jumped hole empty", {5, 11}, 1, 11, "empty 5 11, counter 0, selected 1", 0);
    row("diagonal", {13}, 1, 13, "empty 13, counter 0, selected 1", 0);
    row("a ball", {11}, 1, 2, "empty 11, counter 0, selected 1", 0);
    // Hole numbers come from edited moves files too; none of these may touch the board or memory.
    for (int hole : {0, 38, -1, 32767, -32768}) {
        row(qPrintable(QString("%1, starting ball to remove").arg(hole)), {}, 0, hole, "counter 0, waiting", 0);
        row(qPrintable(QString("%1, 17 selected").arg(hole)), {19}, 17, hole, "empty 19, counter 0, selected 17", 0);
    }
}

void TestMoveEngine::click()
{
    QFETCH(QList<int>, empty);
    QFETCH(int, selected);
    QFETCH(int, hole);
    QFETCH(QByteArray, after);
    QFETCH(int, sounds);
    for (const bool soundOn : {true, false}) {
        Recorder rec;
        Game game;
        GameController played(game, rec);
        empty.isEmpty() ? void(game.startNewGame()) : setPosition(game, empty);
        game.setSound(soundOn);
        if (selected)
            played.click(selected);
        rec = {};
        played.click(hole);
        QCOMPARE(summary(game), after);
        QCOMPARE(rec.sounds, soundOn ? sounds : 0);
        QCOMPARE(rec.panels, 1);
    }
}

// A replay of start 19 and the moves below: one tick per move, then false with replaying back to
// 0; the board as the moves leave it, one sound per ball removed, nothing recorded.
void TestMoveEngine::replay_data()
{
    QTest::addColumn<QByteArray>("origins");
    QTest::addColumn<QByteArray>("destinations");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QByteArray>("empty");
    QTest::addColumn<QByteArray>("undone"); // after undoing every move and the start
    // 17 over 18 to 19, 30 over 24 to 17, 26 over 25 to 24, 32 over 31 to 30.
    QTest::newRow("four moves") << QByteArray("17 30 26 32") << QByteArray("19 17 24 30") << 4
                                << QByteArray("18 25 26 31 32")
                                << QByteArray("start 19, counter -3.439, waiting");
    // An edited moves file may hold more origins than destinations: the replay must not read past them.
    QTest::newRow("missing destination") << QByteArray("17 30 26") << QByteArray("19") << 1 << QByteArray("17 18")
                                         << QByteArray("start 19, counter -2.71, waiting");
    // More destinations than origins: an undo takes the destination of its origin's index, so
    // the last one outlives them all.
    QTest::newRow("extra destination") << QByteArray("17 30") << QByteArray("19 17 24") << 2 << QByteArray("18 24 30")
                                       << QByteArray("start 19, to 24, counter -1.9, waiting");
    QTest::newRow("no numbers skipped") << QByteArray("x 17") << QByteArray("40 19") << 2 << QByteArray("17 18")
                                        << QByteArray("start 19, counter -1.9, waiting");
}

void TestMoveEngine::replay()
{
    QFETCH(QByteArray, origins);
    QFETCH(QByteArray, destinations);
    QFETCH(int, ticks);
    QFETCH(QByteArray, empty);
    QFETCH(QByteArray, undone);
    Recorder rec;
    Game game;
    GameController played(game, rec);
    game.setSound(true);
    MoveHistory history;
    history.setStartHole("19");
    for (const QByteArray& origin : origins.split(' '))
        history.appendOrigin(s(origin));
    for (const QByteArray& destination : destinations.split(' '))
        history.appendDestination(s(destination));
    // Replayed twice, each time on a new game's board as after loading the moves file.
    for (int replay = 1; replay <= 2; ++replay) {
        game.startNewGame();
        game.loadHistory(history);
        rec.sounds = 0;
        played.startReplay();
        for (int k = 0; k < ticks; ++k) {
            QCOMPARE(game.state().replaying, 1);
            QVERIFY(played.replayStep());
        }
        QVERIFY(!played.replayStep());
        QCOMPARE(game.state().replaying, 0);
        QCOMPARE(summary(game), "empty " + empty + ", start 19, from " + origins + ", to " + destinations + ", counter 0");
        QCOMPARE(rec.sounds, int(empty.split(' ').size()));
    }
    // Undone to the end: the board full again, the starting ball to take off.
    for (std::size_t k = game.history().count(); k > 0; --k)
        game.undo();
    game.undo();
    QCOMPARE(summary(game), undone);
}

// Every kind of click, undo, load and replay tick, and what the window is asked in what order:
// panels hidden before a click acts, the board shown before the sound, the starting removal's
// words shown again once its sound has played; nothing shown for a click that changes nothing.
void TestMoveEngine::whatTheWindowIsAsked()
{
    for (const bool soundOn : {true, false}) {
        Recorder rec;
        Game game;
        GameController played(game, rec);
        game.setSound(soundOn);
        const auto S = [soundOn](const char* withSound) {
            QByteArray text(withSound);
            return soundOn ? text : text.replace("S", "");
        };
        const auto click = [&](int hole) { played.click(hole); return rec.take(); };
        const auto undo = [&] { played.undo(); return rec.take(); };
        played.newGame();
        QCOMPARE(rec.take(), "C");
        QCOMPARE(undo(), "P");                    // nothing to take back
        QCOMPARE(click(0), "P");                  // no hole
        QCOMPARE(click(19), S("PCSC"));           // the starting removal
        QCOMPARE(click(19), "P");                 // an empty hole, nothing selected
        QCOMPARE(click(17), "PC");                // selection
        QCOMPARE(click(17), "PC");                // deselection
        QCOMPARE(click(17), "PC");
        QCOMPARE(click(16), "P");                 // a ball
        QCOMPARE(click(19), S("PCS"));            // 17 over 18 to 19
        QCOMPARE(click(30), "PC");
        QCOMPARE(click(18), "P");                 // no jump from 30
        QCOMPARE(undo(), "PC");                   // the move, and the selection with it
        QCOMPARE(undo(), "PC");                   // the starting removal
        QCOMPARE(summary(game), "start 19, counter -0.1, waiting");
        played.newGame();
        played.loadPosition({{PositionEntry::Kind::Underway}});
        QCOMPARE(rec.take(), "CC");
        QCOMPARE(click(30), "PC");
        QCOMPARE(undo(), "PC");                   // no start hole: only the selection goes

        // A replay of a moves file whose first move names no holes.
        MoveHistory history;
        history.setStartHole("19");
        history.appendOrigin("x"), history.appendDestination("40");
        history.append("17", "19");
        played.newGame();
        played.loadHistory(history);
        QCOMPARE(rec.take(), "CC");
        played.startReplay();
        QCOMPARE(rec.take(), S("PCSC"));
        QVERIFY(played.replayStep());
        QCOMPARE(rec.take(), "");
        QVERIFY(played.replayStep());
        QCOMPARE(rec.take(), S("PCPCS"));
        QVERIFY(!played.replayStep());
        QCOMPARE(rec.take(), "");
        // A replay started on a game under way: its start hole is clicked as it stands.
        played.startReplay();
        QCOMPARE(rec.take(), "PC");
    }
}

// What each rule says it did: its kind and holes, the holes whose ball or frame changed, the score
// as the counter shows it, whether a jump is left, and the sound only for a ball off the board.
void TestMoveEngine::outcomesNameWhatChanged()
{
    Game game;
    game.setSound(1);
    QCOMPARE(said(game.startNewGame()), "new game, holes all, score 0");
    QCOMPARE(said(game.click(0)), "nothing, holes , score 0");
    QCOMPARE(said(game.click(19)), "removal 19, holes 19, score 0, jump left, sound");
    QCOMPARE(said(game.click(17)), "selection 17, holes 17, score 0, jump left");
    QCOMPARE(said(game.click(31)), "nothing, holes , score 0, jump left"); // no jump to a ball
    QCOMPARE(said(game.click(17)), "deselection 17, holes 17, score 0, jump left");
    game.click(17);
    QCOMPARE(said(game.click(19)), "jump 17 18 19, holes 17 18 19, score 1, jump left, sound");
    game.click(30);
    // The undo puts back 17 and 18, empties 19 and lets 30's frame go.
    QCOMPARE(said(game.undo()), "undo, holes 17 18 19 30, score -0.1, jump left");
    QCOMPARE(said(game.undo()), "undo, holes 19, score -0.1");
    QCOMPARE(q(game.counter()), "-0.1");

    // The last jump of a game leaves none; the sound is off.
    game.setSound(0);
    QList<int> empty;
    for (int n = 1; n <= kHoleCount; ++n)
        if (n != 17 && n != 18)
            empty << n;
    setPosition(game, empty);
    QVERIFY(game.jumpLeft());
    game.click(17);
    QCOMPARE(said(game.click(19)), "jump 17 18 19, holes 17 18 19, score 1");
    QVERIFY(!game.jumpLeft());

    // With no start hole an undo only lets the selection go; a load shows every hole.
    QCOMPARE(said(game.loadPosition({{PositionEntry::Kind::Ball, 18}})), "loaded, holes all, score 1, jump left");
    game.click(19);
    QCOMPARE(said(game.loadHistory({})), "loaded, holes all, score 1, jump left");
    QCOMPARE(said(game.undo()), "deselection 19, holes 19, score 1, jump left");
    QCOMPARE(said(game.undo()), "nothing, holes , score 1, jump left");
}

QTEST_APPLESS_MAIN(TestMoveEngine)
#include "test_move_engine.moc"

// A puzzle: the old game's history and score go, the position stands with no start to take off,
// jumps count and undo takes them back without a start hole (but no further), the replay plays
// from the puzzle's position; a new game or a load ends the puzzle, and undo is as before again.
void TestMoveEngine::puzzle()
{
    Recorder rec;
    Game game;
    GameController played(game, rec);
    play(game, "19 17 19");
    Board position; // 17 over 18 to 19, then 30 over 24 to 17, leaves 17, 19 and 25
    for (int hole : {17, 18, 24, 25, 30})
        position.putBall(hole);
    const MoveOutcome start = game.startPuzzle(position);
    QCOMPARE(int(start.holes.count()), kHoleCount);
    QVERIFY(start.jumpLeft);
    QCOMPARE(game.board(), position);
    QCOMPARE(summary(game).split(',').first().count(' '), kHoleCount - 5);
    QVERIFY(summary(game).endsWith("counter 0"));
    QVERIFY(game.puzzleStart() && *game.puzzleStart() == position);
    QVERIFY(!game.knownStart());

    for (int hole : {17, 19, 30, 17})
        game.click(hole);
    QCOMPARE(summary(game.history()), QByteArray("from 17 30, to 19 17"));
    QCOMPARE(q(game.counter()), QByteArray("2"));
    QVERIFY(game.board().hasBall(17) && game.board().hasBall(19) && !game.board().hasBall(24));
    QCOMPARE(game.knownStartPosition(), std::optional<Board>(position));

    // The replay puts the puzzle back first, then plays both jumps, recording none.
    rec.take();
    played.startReplay();
    QCOMPARE(game.board(), position);
    QCOMPARE(rec.take(), QByteArray("PC"));
    while (played.replayStep()) {
    }
    QCOMPARE(summary(game.history()), QByteArray("from 17 30, to 19 17"));
    QVERIFY(game.board().hasBall(17) && !game.board().hasBall(24));

    game.undo();
    game.undo();
    QCOMPARE(game.board(), position);
    QCOMPARE(q(game.counter()), QByteArray("-0.28"));
    // Nothing before the puzzle's position: no ball comes back, only a selection goes.
    game.click(30);
    game.undo();
    QCOMPARE(game.board(), position);
    QCOMPARE(game.state().selstate, 0);
    QCOMPARE(game.state().firstball, 0);
    QVERIFY(game.redo().kind == MoveOutcome::Kind::Jump);
    QCOMPARE(summary(game.history()), QByteArray("from 17, to 19"));

    // A load or a new game ends the puzzle.
    game.loadPosition({{PositionEntry::Kind::Underway}});
    QVERIFY(!game.puzzleStart());
    QVERIFY(!game.knownStartPosition());
    game.startPuzzle(position);
    game.click(17);
    game.click(19);
    game.loadHistory(game.history());
    QVERIFY(!game.puzzleStart());
    QCOMPARE(game.undo().kind, MoveOutcome::Kind::Nothing);
    game.startPuzzle(position);
    game.startNewGame();
    QVERIFY(!game.puzzleStart());
    QCOMPARE(summary(game), QByteArray("counter 0, waiting"));
    // A game from the full board started where its ball was taken off.
    game.click(19);
    game.click(17);
    game.click(19);
    Board full;
    full.fill();
    full.empty(19);
    QCOMPARE(game.knownStartPosition(), std::optional<Board>(full));
}
