// The move engine (a click on a hole) and the replay stepper that drives it.
#include "board/game.h"
#include "records/saved_game_file.h"

#include <QTest>

#include <string>
#include <vector>

namespace {
struct Recorder : GameObserver {
    int panels = 0;
    int changes = 0;
    int sounds = 0;
    void hidePanels() override { ++panels; }
    void boardChanged() override { ++changes; }
    void playsound() override { ++sounds; }
};

QList<int> emptyHoles(const Game& game)
{
    QList<int> holes;
    for (int hole = 1; hole <= kHoleCount; ++hole)
        if (game.board().isEmpty(hole))
            holes << hole;
    return holes;
}

// Everything a click may change, for "nothing happened" checks.
struct Snapshot {
    QList<int> empty;
    int firstball, selstate, selhole;
    std::string counter, prompt, start;
    std::vector<std::string> origins, destinations;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const Game& g)
{
    return {emptyHoles(g), g.state().firstball, g.state().selstate, g.state().selhole, g.counter(), g.prompt(),
            g.history().startHole(), g.history().origins(), g.history().destinations()};
}

// A game under way with exactly the given holes empty, nothing selected, counter "0".
void setPosition(Game& game, const QList<int>& empty)
{
    game.startNewGame();
    std::vector<SavedGameEntry> entries;
    for (int hole = 1; hole <= kHoleCount; ++hole)
        entries.push_back({empty.contains(hole) ? SavedGameEntry::Kind::Empty : SavedGameEntry::Kind::Ball,
                           static_cast<HoleNumber>(hole)});
    entries.push_back({SavedGameEntry::Kind::Underway});
    game.applySavedGame(entries);
}

using Strings = std::vector<std::string>;

// QCOMPARE prints QByteArray and its lists on a failure, std::string not.
QByteArray q(const std::string& s) { return QByteArray::fromStdString(s); }
QByteArrayList q(const Strings& list)
{
    QByteArrayList out;
    for (const std::string& s : list)
        out << q(s);
    return out;
}
}

class TestMoveEngine : public QObject {
    Q_OBJECT
private slots:
    void startingRemoval_data();
    void startingRemoval();
    void jump();
    void clickThatChangesNothing_data();
    void clickThatChangesNothing();
    void clickSelectedBallDeselects();
    void outOfRangeHole_data();
    void outOfRangeHole();
    void jumpDuringReplayIsNotRecorded();
    void counterKeepsFraction();
    void replayPlaysTheHistory();
    void replayStopsAtMissingDestination();
    void replaySkipsEntriesThatAreNoHoles();
};

void TestMoveEngine::startingRemoval_data()
{
    QTest::addColumn<int>("hole");
    QTest::addColumn<int>("soundon");
    for (int hole : {1, 19, 37}) {
        QTest::addRow("hole %d, sound on", hole) << hole << 1;
        QTest::addRow("hole %d, sound off", hole) << hole << 0;
    }
}

void TestMoveEngine::startingRemoval()
{
    QFETCH(int, hole);
    QFETCH(int, soundon);
    Recorder rec;
    Game game(&rec);
    game.startNewGame();
    game.state().soundon = static_cast<std::int16_t>(soundon);
    QCOMPARE(q(game.prompt()), QByteArray(Game::kStartPrompt));
    QCOMPARE(game.state().firstball, 1);

    game.Image1_Click(hole);
    QCOMPARE(emptyHoles(game), QList<int>{hole});
    QCOMPARE(game.state().firstball, 0);
    QVERIFY(game.prompt().empty());
    QCOMPARE(q(game.history().startHole()), QByteArray::number(hole));
    QVERIFY(game.history().origins().empty() && game.history().destinations().empty());
    QCOMPARE(q(game.counter()), QByteArray("0"));
    QCOMPARE(rec.sounds, soundon);
    QCOMPARE(rec.panels, 1);
    // The next click on a ball selects it instead of removing it.
    const int other = hole == 1 ? 2 : 1;
    game.Image1_Click(other);
    QCOMPARE(emptyHoles(game), QList<int>{hole});
    QVERIFY(game.isFramed(other));
    QCOMPARE(rec.panels, 2);
}

void TestMoveEngine::jump()
{
    Recorder rec;
    Game game(&rec);
    game.startNewGame();
    game.state().soundon = 1;
    game.Image1_Click(11);
    game.Image1_Click(1);
    QVERIFY(game.isFramed(1));
    QCOMPARE(game.state().fromhole, 1);
    rec = {};

    game.Image1_Click(11);
    QCOMPARE(emptyHoles(game), (QList<int>{1, 5}));
    for (int hole = 1; hole <= kHoleCount; ++hole)
        QVERIFY(!game.isFramed(hole));
    QCOMPARE(game.state().selstate, 0);
    QCOMPARE(q(game.history().origins()), q(Strings{"1"}));
    QCOMPARE(q(game.history().destinations()), q(Strings{"11"}));
    QCOMPARE(q(game.counter()), QByteArray("1"));
    QCOMPARE(rec.sounds, 1);
    QCOMPARE(rec.panels, 1);
    QVERIFY(rec.changes >= 1);
}

// Clicks while hole 1 is selected that are no legal jump: nothing moves, nothing is recorded,
// no sound, and 1 stays selected.
void TestMoveEngine::clickThatChangesNothing_data()
{
    QTest::addColumn<QList<int>>("empty");
    QTest::addColumn<int>("click");

    QTest::newRow("jumped hole empty") << QList<int>{5, 11} << 11;
    QTest::newRow("diagonal") << QList<int>{13} << 13;
    QTest::newRow("a ball") << QList<int>{11} << 2;
    QTest::newRow("hole 0") << QList<int>{11} << 0;
    QTest::newRow("hole 38") << QList<int>{11} << 38;
}

void TestMoveEngine::clickThatChangesNothing()
{
    QFETCH(QList<int>, empty);
    QFETCH(int, click);
    Recorder rec;
    Game game(&rec);
    game.state().soundon = 1;
    setPosition(game, empty);
    game.Image1_Click(1);
    const Snapshot before = snapshot(game);
    rec = {};

    game.Image1_Click(click);
    QVERIFY(snapshot(game) == before);
    QVERIFY(game.isFramed(1));
    QCOMPARE(rec.sounds, 0);
    QCOMPARE(rec.panels, 1);
}

void TestMoveEngine::clickSelectedBallDeselects()
{
    Recorder rec;
    Game game(&rec);
    setPosition(game, {11});
    game.Image1_Click(11); // an empty hole with nothing selected: nothing
    QCOMPARE(game.state().selstate, 0);
    QCOMPARE(emptyHoles(game), QList<int>{11});

    game.Image1_Click(1);
    QVERIFY(game.isFramed(1));
    game.Image1_Click(1);
    QVERIFY(!game.isFramed(1));
    QCOMPARE(game.state().selstate, 0);
    QCOMPARE(game.state().selhole, 0);
    QCOMPARE(emptyHoles(game), QList<int>{11});
    QCOMPARE(rec.panels, 3);
}

// Hole numbers come from edited moves files too; none of these may touch the board or memory.
void TestMoveEngine::outOfRangeHole_data()
{
    QTest::addColumn<int>("hole");
    QTest::addColumn<bool>("starting");
    for (int hole : {0, 38, -1, 32767, -32768}) {
        QTest::addRow("%d, starting ball to remove", hole) << hole << true;
        QTest::addRow("%d, game under way", hole) << hole << false;
    }
}

void TestMoveEngine::outOfRangeHole()
{
    QFETCH(int, hole);
    QFETCH(bool, starting);
    Recorder rec;
    Game game(&rec);
    game.state().soundon = 1;
    if (starting)
        game.startNewGame();
    else
        setPosition(game, {19});
    const Snapshot before = snapshot(game);
    rec = {};
    game.Image1_Click(hole);
    QVERIFY(snapshot(game) == before);
    QCOMPARE(rec.sounds, 0);
    QCOMPARE(rec.panels, 1);
}

void TestMoveEngine::jumpDuringReplayIsNotRecorded()
{
    Recorder rec;
    Game game(&rec);
    setPosition(game, {11});
    game.state().soundon = 1;
    game.state().replaying = 1;
    game.Image1_Click(1);
    game.Image1_Click(11);
    QCOMPARE(emptyHoles(game), (QList<int>{1, 5}));
    QCOMPARE(rec.sounds, 1);
    QVERIFY(game.history().origins().empty() && game.history().destinations().empty());
    QCOMPARE(q(game.counter()), QByteArray("0"));
}

// The counter adds 1 to its value as a number, keeping a fraction an undo left behind.
void TestMoveEngine::counterKeepsFraction()
{
    Game game;
    game.startNewGame();
    game.Image1_Click(19);
    for (auto [from, to] : {std::pair{17, 19}, {30, 17}, {26, 24}}) {
        game.Image1_Click(from);
        game.Image1_Click(to);
    }
    QCOMPARE(q(game.counter()), QByteArray("3"));
    game.Image18_Click(); // 3 - 0.3 - 1
    QCOMPARE(q(game.counter()), QByteArray("1.7"));
    game.Image1_Click(26);
    game.Image1_Click(24);
    QCOMPARE(q(game.counter()), QByteArray("2.7"));
}

// Start 19, then 17->19 (over 18), 30->17 (over 24), 26->24 (over 25), 32->30 (over 31).
void TestMoveEngine::replayPlaysTheHistory()
{
    Recorder rec;
    Game game(&rec);
    game.startNewGame();
    game.history().setStartHole("19");
    const Strings origins{"17", "30", "26", "32"};
    const Strings destinations{"19", "17", "24", "30"};
    for (std::size_t k = 0; k < origins.size(); ++k)
        game.history().append(origins[k], destinations[k]);
    game.state().soundon = 1;

    game.playmoves();
    QCOMPARE(game.state().replaying, 1);
    QCOMPARE(emptyHoles(game), QList<int>{19});
    const QList<QList<int>> expected{
        {17, 18}, {18, 24, 30}, {18, 25, 26, 30}, {18, 25, 26, 31, 32}};
    for (const QList<int>& empty : expected) {
        QVERIFY(game.Timer1_Timer());
        QCOMPARE(emptyHoles(game), empty);
        QCOMPARE(game.state().replaying, 1);
    }
    QVERIFY(!game.Timer1_Timer());
    QCOMPARE(game.state().replaying, 0);
    QCOMPARE(rec.sounds, 1 + 4);
    QCOMPARE(q(game.history().startHole()), QByteArray("19"));
    QCOMPARE(q(game.history().origins()), q(origins));
    QCOMPARE(q(game.history().destinations()), q(destinations));
    QCOMPARE(q(game.counter()), QByteArray("0"));
}

// An edited moves file may hold more origins than destinations: the replay must not read past them.
void TestMoveEngine::replayStopsAtMissingDestination()
{
    Game game;
    game.startNewGame();
    game.history().setStartHole("19");
    game.history().append("17", "19");
    game.history().appendOrigin("30");
    game.history().appendOrigin("26");
    game.playmoves();
    QVERIFY(game.Timer1_Timer());
    QVERIFY(!game.Timer1_Timer());
    QCOMPARE(game.state().replaying, 0);
    QCOMPARE(emptyHoles(game), (QList<int>{17, 18}));
    QCOMPARE(game.history().count(), std::size_t(3));
}

void TestMoveEngine::replaySkipsEntriesThatAreNoHoles()
{
    Game game;
    game.startNewGame();
    game.history().setStartHole("19");
    game.history().append("x", "40");
    game.history().append("17", "19");
    game.playmoves();
    QVERIFY(game.Timer1_Timer());
    QCOMPARE(emptyHoles(game), QList<int>{19});
    QVERIFY(game.Timer1_Timer());
    QCOMPARE(emptyHoles(game), (QList<int>{17, 18}));
    QVERIFY(!game.Timer1_Timer());
    QCOMPARE(game.state().replaying, 0);
}

QTEST_APPLESS_MAIN(TestMoveEngine)
#include "test_move_engine.moc"
