// Puzzles in the window: chosen by key or mouse, ending the game on the board as New Game does,
// played under the game's own rules, told and kept as solved, with a hint and a line that aim at
// the goal, the solution shown from the start, the replay from the puzzle's position, and its
// moves saved as a game.
#include "support/window_rig.h"

#include "puzzles/puzzle_book.h"
#include "records/saved_game_file.h"
#include "solver/goal_solver.h"
#include "support/core_test_helpers.h"
#include "window/line_show.h"
#include "window/puzzle_play.h"
#include "window/review_window.h"

#include <QAccessible>
#include <QRegularExpression>

namespace {
using Jump = JumpTable::Jump;

Board after(Board board, const Jump& jump)
{
    board.empty(jump.origin);
    board.empty(jump.jumped);
    board.putBall(jump.destination);
    return board;
}

GoalAnswer::Reach reach(const Board& board, int goalHole)
{
    GoalSolver solver;
    return solver.solve(board.balls(), goalHole).reach;
}

// The jump a hint names, from its words ("Jump 32 over 26 to 19 ...").
std::optional<Jump> hintedJump(const QString& words)
{
    const auto match = QRegularExpression(QStringLiteral("(\\d+)\\D+(\\d+)\\D+(\\d+)")).match(words);
    if (!match.hasMatch())
        return std::nullopt;
    return Jump{HoleNumber(match.captured(1).toInt()), HoleNumber(match.captured(2).toInt()), HoleNumber(match.captured(3).toInt())};
}
}

class TestPuzzles : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> m_rig;

    WindowRig& start()
    {
        m_rig = std::make_unique<WindowRig>();
        m_rig->start().show();
        [&] { QVERIFY(QTest::qWaitForWindowActive(m_rig->window.get())); }();
        return *m_rig;
    }
    // The window's keys reach it once it is active again (after a box, say).
    void activate() const
    {
        m_rig->window->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(m_rig->window.get())); }();
    }
    void pressNow(QKeyCombination key) const
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keySequence(focus ? focus : m_rig->window.get(), QKeySequence(key));
    }
    void press(QKeyCombination key) const
    {
        activate();
        pressNow(key);
    }
    QString card() const { return m_rig->find<QLabel>("puzzleWords")->isVisibleTo(m_rig->window.get()) ? m_rig->find<QLabel>("puzzleWords")->text() : QString(); }
    // Opens the chooser with P and runs `choose` on its list while it is up.
    void choose(const std::function<void(QDialog&, QListWidget&)>& choose)
    {
        bool ran = false;
        activate();
        whenModal([&](QWidget* box) {
            auto* list = box->findChild<QListWidget*>("puzzleList");
            QVERIFY(list);
            choose(*static_cast<QDialog*>(box), *list);
            ran = true;
        });
        pressNow(Qt::Key_P);
        QVERIFY(ran);
    }
    void click(int hole) const { QTest::mouseClick(m_rig->hole(hole), Qt::LeftButton); }
    void playLine(const std::vector<Jump>& line) const
    {
        for (const Jump& jump : line) {
            click(jump.origin);
            click(jump.destination);
        }
    }
    // The smallest puzzle of four jumps or more whose last ball has a hole of its own to end in.
    static const Puzzle& puzzleWithAGoalHole()
    {
        const Puzzle* found = nullptr;
        for (const Puzzle& p : PuzzleBook::all())
            if (p.goalHole != 0 && p.solution.size() >= 4 && (!found || p.solution.size() < found->solution.size()))
                found = &p;
        if (!found)
            qFatal("No puzzle has a hole for its last ball");
        return *found;
    }

private slots:
    void cleanup() { m_rig.reset(); }

    // By the keyboard: the game under way ends as New Game ends it (the same questions asked), the
    // puzzle stands with counter 0, no history and no ball to take off; played to its goal by
    // clicks it is told solved, and after a restart the chooser marks it so, and only it.
    void chosenByKeyboardSolvedAndMarkedAfterARestart()
    {
        // What New Game asks at the end of such a game, as a reference.
        WindowRig reference;
        reference.start();
        reference.play(19, 3);
        reference.prompts.texts << "Pat";
        reference.window->findChild<QAction*>("newGame")->trigger();

        WindowRig& rig = start();
        rig.play(19, 3);
        rig.prompts.texts << "Pat";
        int row = -1;
        choose([&](QDialog&, QListWidget& list) {
            QCOMPARE(list.currentRow(), 0);
            QTest::keyClick(&list, Qt::Key_Right);
            QTest::keyClick(&list, Qt::Key_Right);
            row = list.currentRow();
            QTest::keyClick(&list, Qt::Key_Return);
        });
        QCOMPARE(rig.prompts.asked, reference.prompts.asked);
        QVERIFY(row > 0);
        const Puzzle& puzzle = PuzzleBook::all()[std::size_t(row)];
        QVERIFY(rig.game().puzzleStart());
        QCOMPARE(rig.game().board(), PuzzlePlay::position(puzzle));
        QCOMPARE(coretest::q(rig.game().counter()), QByteArray("0"));
        QCOMPARE(rig.game().history().count(), std::size_t(0));
        QCOMPARE(rig.game().state().firstball, 0);
        QCOMPARE(rig.find<QLabel>("Label1")->text(), QString());
        QCOMPARE(card(), PuzzlePlay::name(puzzle) + "\n" + PuzzlePlay::goal(puzzle));
        QVERIFY(rig.window->findChild<QAction*>("showSolution")->isEnabled());

        // Solved with all but the last jump, undone once and played again: told once it is reached.
        playLine(puzzle.solution);
        QVERIFY(card().endsWith("\nSolved!"));
        QCOMPARE(PuzzlePlay::solved(), QStringList{QString::fromStdString(puzzle.key)});
        press(Qt::CTRL | Qt::Key_Z);
        QVERIFY(!card().endsWith("Solved!"));
        press(Qt::CTRL | Qt::Key_Y);
        QVERIFY(card().endsWith("\nSolved!"));
        QCOMPARE(PuzzlePlay::solved().size(), 1);

        rig.start().show();
        choose([&](QDialog& box, QListWidget& list) {
            for (int k = 0; k < list.count(); ++k) {
                const bool solved = k == row;
                QCOMPARE(list.item(k)->text().contains("Solved"), solved);
                QCOMPARE(list.item(k)->data(Qt::AccessibleTextRole).toString().endsWith("Solved."), solved);
            }
            box.reject();
        });
        QVERIFY(!rig.game().puzzleStart());
    }

    // By the mouse: the entry clicked, then Play. New Game leaves the puzzle: the goal goes, and
    // the solution can no longer be shown.
    void chosenByMouseAndLeftByANewGame()
    {
        WindowRig& rig = start();
        const int row = 5;
        choose([&](QDialog& box, QListWidget& list) {
            const QRect entry = list.visualItemRect(list.item(row));
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, entry.center());
            QTest::mouseClick(box.findChild<QPushButton*>("play"), Qt::LeftButton);
        });
        const Puzzle& puzzle = PuzzleBook::all()[row];
        QCOMPARE(rig.game().board(), PuzzlePlay::position(puzzle));
        QVERIFY(card().startsWith(PuzzlePlay::name(puzzle) + "\n"));
        press(Qt::CTRL | Qt::Key_N);
        QVERIFY(!rig.game().puzzleStart());
        QCOMPARE(card(), QString());
        QVERIFY(!rig.window->findChild<QAction*>("showSolution")->isEnabled());
        QCOMPARE(rig.game().state().firstball, 1);
    }

    // The goal and the end of the game told beside it stand clear of every hole and of each other,
    // at the window's size and at twice it; a screen reader hears the goal as the puzzle starts.
    void theGoalStandsClearOfTheHolesAndTheEnd()
    {
        WindowRig& rig = start();
        const Puzzle& puzzle = puzzleWithAGoalHole();
        rig.window->playPuzzle(puzzle);
        auto* goal = rig.find<QLabel>("puzzleWords");
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(goal);
        QCOMPARE(heard->role(), QAccessible::AlertMessage);
        QCOMPARE(heard->text(QAccessible::Name), card());
        // Played to the end, away from the goal at the first jump that loses it.
        while (const auto jump = rig.legalJump()) {
            click(jump->origin);
            click(jump->destination);
        }
        auto* ending = rig.find<QLabel>("endingWords");
        QVERIFY(ending->isVisible() && goal->isVisible());
        for (const double zoom : {1.0, 2.0}) {
            rig.window->setZoom(zoom);
            const auto shown = [&](QWidget* w) { return QRect(w->mapTo(rig.window.get(), QPoint()), w->size()); };
            QCOMPARE(rig.holes([&](int n) { return shown(goal).intersects(shown(rig.hole(n))); }), QString());
            QVERIFY(!shown(goal).intersects(shown(ending)));
            QVERIFY(rig.window->rect().contains(shown(goal)));
        }
    }

    // The goal is one ball, where the puzzle wants it: not two balls, not one elsewhere.
    void reachedIsOneBallAtTheGoal()
    {
        Puzzle anywhere, inHole;
        inHole.goalHole = 19;
        const auto board = [](std::initializer_list<int> balls) {
            Board made;
            for (int hole : balls)
                made.putBall(hole);
            return made;
        };
        QVERIFY(PuzzlePlay::reached(inHole, board({19})));
        QVERIFY(!PuzzlePlay::reached(inHole, board({18})));
        QVERIFY(!PuzzlePlay::reached(inHole, board({19, 37})));
        QVERIFY(!PuzzlePlay::reached(inHole, board({})));
        QVERIFY(PuzzlePlay::reached(anywhere, board({1})));
        QVERIFY(PuzzlePlay::reached(anywhere, board({37})));
        QVERIFY(!PuzzlePlay::reached(anywhere, board({1, 37})));
    }

    // The hint names a jump after which the goal can still be reached, and says once it cannot.
    void theHintAimsAtTheGoal()
    {
        WindowRig& rig = start();
        const Puzzle& puzzle = puzzleWithAGoalHole();
        rig.window->playPuzzle(puzzle);
        HintKeeper& hint = part<HintKeeper>(*rig.window);
        QSignalSpy shown(&hint, &HintKeeper::shown);
        press(Qt::Key_H);
        QVERIFY(shown.wait(60000));
        QVERIFY2(hint.shownText().endsWith("the goal can still be reached"), qPrintable(hint.shownText()));
        const auto jump = hintedJump(hint.shownText());
        QVERIFY(jump);
        QCOMPARE(reach(after(rig.game().board(), *jump), puzzle.goalHole), GoalAnswer::Reach::Yes);

        // A jump that loses the goal, the first one met along the solution: the hint says so, and
        // still names the best finish.
        std::optional<Jump> losing;
        for (const Jump& next : puzzle.solution) {
            const Board board = rig.game().board();
            for (const Jump& j : JumpTable::instance().jumps())
                if (!losing && board.hasBall(j.origin) && board.hasBall(j.jumped) && board.isEmpty(j.destination)
                    && reach(after(board, j), puzzle.goalHole) == GoalAnswer::Reach::No)
                    losing = j;
            if (losing)
                break;
            click(next.origin);
            click(next.destination);
        }
        QVERIFY(losing);
        click(losing->origin);
        click(losing->destination);
        press(Qt::Key_H);
        QVERIFY(shown.wait(60000));
        QVERIFY2(hint.shownText().startsWith("The goal can no longer be reached. Jump"), qPrintable(hint.shownText()));
    }

    // The solution is shown from the puzzle's start and taken away again; the replay plays the
    // moves from the puzzle's position; the moves are saved as a game, which loads back.
    void solutionReplayAndSavedGame()
    {
        WindowRig& rig = start();
        const Puzzle& puzzle = puzzleWithAGoalHole();
        rig.window->playPuzzle(puzzle);
        playLine({puzzle.solution[0], puzzle.solution[1]});
        const QByteArray before = coretest::summary(rig.game());

        // The review starts from the puzzle's position.
        {
            ReviewWindow review(rig.game(), rig.window.get());
            QSignalSpy reviewed(&review, &ReviewWindow::reviewed);
            QVERIFY(reviewed.wait(60000));
            QCOMPARE(review.findChild<QTableWidget*>("moves")->rowCount(), 2);
            QVERIFY2(review.summary().startsWith("From the start, one ball could be left."), qPrintable(review.summary()));
            QCOMPARE(review.before(0).board(), PuzzlePlay::position(puzzle));
            QCOMPARE(review.before(2).board(), rig.game().board());
        }

        auto& line = part<LineShow>(*rig.window);
        QSignalSpy ended(&line, &LineShow::ended);
        QStringList firstShown;
        press(Qt::SHIFT | Qt::Key_L);
        QVERIFY(line.showing());
        // The board shows the puzzle's start before the first jump of the solution.
        firstShown << rig.holes([&](int n) { return !rig.hole(n)->hasPicture(); });
        QVERIFY(ended.wait(int(puzzle.solution.size() + 3) * LineShow::kTickMs));
        QCOMPARE(ended.first().first().toInt(), 1);
        QTRY_VERIFY(!line.showing());
        QCOMPARE(coretest::summary(rig.game()), before);
        QCOMPARE(firstShown.first(), rig.holes([&](int n) { return !puzzle.balls[std::size_t(n - 1)]; }));

        // L from here: a line that leaves the last ball in the goal's hole.
        QString lastShown;
        connect(&line, &LineShow::ended, this, [&] { lastShown = rig.holes([&](int n) { return rig.hole(n)->hasPicture(); }); });
        press(Qt::Key_L);
        QVERIFY(ended.wait(int(puzzle.solution.size() + 3) * LineShow::kTickMs));
        QCOMPARE(lastShown, QString::number(puzzle.goalHole));
        QTRY_VERIFY(!line.showing());
        QCOMPARE(coretest::summary(rig.game()), before);

        auto& replay = part<Replay>(*rig.window);
        QTimer* tick = rig.window->findChild<QTimer*>("Timer1");
        QVERIFY(tick);
        press(Qt::CTRL | Qt::Key_R);
        QCOMPARE(rig.game().board(), PuzzlePlay::position(puzzle));
        QTRY_VERIFY_WITH_TIMEOUT(!tick->isActive(), 10 * 1000);
        Q_UNUSED(replay);
        QCOMPARE(coretest::summary(rig.game()), before);

        rig.prompts.answers << true;
        rig.prompts.files << rig.file("puzzle.dvg");
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        QVERIFY(rig.prompts.last("yesno").contains("cannot keep this puzzle's position"));
        QCOMPARE(rig.prompts.asked.value("save").size(), 1);
        QVERIFY(FileStore::exists(rig.file("puzzle.dvg")));
        rig.prompts.answers << false;
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        QCOMPARE(rig.prompts.asked.value("save").size(), 1);
        const Board played = rig.game().board();
        rig.prompts.files << rig.file("puzzle.dvg");
        press(Qt::CTRL | Qt::Key_N);
        press(Qt::CTRL | Qt::Key_O);
        QCOMPARE(rig.game().board(), played);
    }
};

QTEST_MAIN(TestPuzzles)
#include "test_puzzles.moc"
