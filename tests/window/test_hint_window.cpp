// The hint in the window: asked with H or from the view menu, worked out while the game goes on,
// shown without touching the game, and gone at the next change of the board.
#include "support/core_test_helpers.h"
#include "support/window_rig.h"

#include "board/board_geometry.h"
#include "kit/twips.h"
#include "window/board_view.h"
#include "window/hint_keeper.h"
#include "window/hint_overlay.h"
#include "window/layout.h"

#include <QAccessible>

#include <fstream>

namespace {
// Where `widget` lies in its window.
QRect inWindow(const QWidget* widget) { return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size()); }

// The process's resident memory in MB.
double residentMb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}
}

class TestHintWindow : public QObject {
    Q_OBJECT

    // What the window showed each time a hint came: its words, the tip's rectangle and name.
    struct Shown {
        QString text, named;
        QRect tip;
    };
    static void recordHints(HintKeeper& hint)
    {
        auto shown = std::make_shared<QList<Shown>>();
        QObject::connect(&hint, &HintKeeper::shown, &hint, [&hint, shown] {
            QLabel* tip = hint.overlay()->tip();
            *shown << Shown{hint.shownText(), QAccessible::queryAccessibleInterface(tip)->text(QAccessible::Name), tip->geometry()};
        });
        s_shown = shown;
    }
    static inline std::shared_ptr<QList<Shown>> s_shown;

    // The holes' rectangles in the window, as the layout places them at the zoom `at`.
    static QList<QRect> holeRects(const Twips& at)
    {
        const Layout::Control& first = Layout::of("Image1", 1);
        const QPoint board = Layout::rect(Layout::of("Picture2"), at).topLeft();
        QList<QRect> holes;
        for (HoleNumber n = 1; n <= kHoleCount; ++n) {
            const auto place = BoardGeometry::holePosition(n, first.left, first.top, first.width, first.height);
            holes << at.rect(place.left, place.top, first.width, first.height).translated(board);
        }
        return holes;
    }

private slots:
    // The hint's words stand where they hide no hole, at 100 % and at 200 %, whichever holes the
    // hint names, and assistive technology reads them.
    void theHintsWordsHideNoHole()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        HintKeeper& hint = part<HintKeeper>(window);
        recordHints(hint);
        QStringList covered;
        for (const double zoom : {1.0, 2.0}) {
            window.setZoom(zoom);
            rig.controller().newGame();
            for (const int jumps : {-1, 0, 4}) { // before the start, after it, and on in the game
                if (jumps >= 0) {
                    rig.controller().newGame();
                    rig.play(19, jumps);
                }
                s_shown->clear();
                hint.ask();
                QTRY_VERIFY_WITH_TIMEOUT(!s_shown->isEmpty(), 60000);
                const Shown& shown = s_shown->constFirst();
                QVERIFY(!shown.text.isEmpty());
                QCOMPARE(shown.named, shown.text);
                QVERIFY(window.rect().contains(shown.tip));
                const QList<QRect> holes = holeRects(Twips::of(&window));
                for (int n = 0; n < holes.size(); ++n)
                    if (holes[n].intersects(shown.tip))
                        covered << QStringLiteral("%1 % hole %2 under \"%3\"").arg(zoom * 100).arg(n + 1).arg(shown.text);
                QCOMPARE(holes[18], inWindow(rig.hole(19)));
            }
        }
        QCOMPARE(covered, QStringList());
    }

    // An answer for a position the player has left is never shown: the hint asked, the board
    // changed (the very jump the hint would name played) and the hint asked again before the
    // worker answered; the answers come back in the order asked, so the first shown is the last.
    void aHintForAPositionLeftIsNeverShown()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        HintKeeper& hint = part<HintKeeper>(window);
        recordHints(hint);
        const auto expected = [&rig] {
            HintSolver::Balls balls{};
            for (HoleNumber n = 1; n <= kHoleCount; ++n)
                balls[static_cast<std::size_t>(n - 1)] = rig.game().board().hasBall(n);
            return HintSolver().bestMove(balls);
        };
        rig.play(19, 3);
        const Hint left = expected();
        QVERIFY(left.jump);
        hint.ask();
        QVERIFY(hint.working());
        rig.controller().click(left.jump->origin);
        rig.controller().click(left.jump->destination);
        QCOMPARE(rig.game().counter(), "4");
        QVERIFY(!hint.working());
        const Hint now = expected();
        hint.ask();
        QTRY_VERIFY_WITH_TIMEOUT(!s_shown->isEmpty(), 60000);
        QCOMPARE(s_shown->constFirst().text, HintKeeper::describe(now));
        QVERIFY(HintKeeper::describe(now) != HintKeeper::describe(left));
        QCOMPARE(s_shown->size(), 1);
        // Undone before the answer: the position left again, nothing shown.
        s_shown->clear();
        hint.ask();
        window.Image18_Click();
        hint.ask();
        QTRY_VERIFY_WITH_TIMEOUT(!s_shown->isEmpty(), 60000);
        QCOMPARE(s_shown->constFirst().text, HintKeeper::describe(expected()));
        QCOMPARE(s_shown->size(), 1);
    }

    void aHintShowsTheBestJumpAndChangesNothing()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        HintKeeper& hint = part<HintKeeper>(window);

        // Before the start: the ball to remove, for a finish with one ball, said in words and
        // named for a screen reader (the alert it raises is not seen on a platform without
        // assistive technology); the keyboard's ring goes to it and Space takes it off.
        const QByteArray waiting = coretest::summary(rig.game());
        rig.find("Image18")->setFocus(); // the keyboard on UNDO: the hint brings it back to the board
        QTest::keyClick(&window, Qt::Key_H);
        QTRY_VERIFY_WITH_TIMEOUT(hint.overlay()->isVisible(), 60000);
        QCOMPARE(hint.shownText(), QString::fromUtf8("Take the ball on 1 off \u2014 best finish: one ball left"));
        QCOMPARE(QAccessible::queryAccessibleInterface(hint.overlay()->tip())->text(QAccessible::Name), hint.shownText());
        QCOMPARE(hint.overlay()->marked().size(), std::size_t(1));
        QCOMPARE(coretest::summary(rig.game()), waiting);
        QCOMPARE(window.findChild<BoardView*>()->cursor(), HoleNumber(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(rig.game().board().isEmpty(1));
        rig.controller().newGame();

        // Under way, with a ball selected: a legal jump, and the game, the selection and the
        // sound untouched.
        rig.play(19, 3);
        const JumpTable::Jump next = rig.legalJump().value();
        rig.controller().click(next.origin);
        const QByteArray before = coretest::summary(rig.game());
        const int sounds = rig.sound.played;
        QVERIFY(!hint.overlay()->isVisible());
        rig.find<QMenu>("view")->findChild<QAction*>("vhint")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(hint.overlay()->isVisible(), 60000);
        QCOMPARE(coretest::summary(rig.game()), before);
        QCOMPARE(rig.sound.played, sounds);
        const auto& marks = hint.overlay()->marked();
        QCOMPARE(marks.size(), std::size_t(2));
        const auto holeAt = [&](const QRect& mark) {
            for (HoleNumber n = 1; n <= kHoleCount; ++n)
                if (rig.hole(n)->geometry() == mark)
                    return n;
            return HoleNumber(0);
        };
        const auto jumped = JumpTable::instance().jumped(holeAt(marks[0]), holeAt(marks[1]));
        QVERIFY(jumped && rig.game().board().hasBall(holeAt(marks[0])) && rig.game().board().hasBall(*jumped)
                && rig.game().board().isEmpty(holeAt(marks[1])));
        QVERIFY2(hint.shownText().startsWith(QStringLiteral("Jump %1 over %2 to %3 \u2014 best finish: ")
                                                 .arg(holeAt(marks[0])).arg(*jumped).arg(holeAt(marks[1]))),
                 qPrintable(hint.shownText()));
        // The tip stays off the holes it names.
        for (const QRect& mark : marks)
            QVERIFY(!hint.overlay()->tip()->geometry().intersects(QRect(rig.hole(1)->parentWidget()->mapTo(&window, mark.topLeft()), mark.size())));

        // A click hides it; a hint still being worked out when the board changes never shows.
        rig.controller().click(next.origin);
        QVERIFY(!hint.overlay()->isVisible());
        hint.ask();
        QVERIFY(hint.working());
        window.Image18_Click();
        QVERIFY(!hint.working());
        QTest::qWait(300);
        QVERIFY(!hint.overlay()->isVisible());
        QCOMPARE(QApplication::overrideCursor(), nullptr);

        // A hint at 30 balls fills the solver's tables; their memory is given back before the
        // hint shows.
        rig.controller().newGame();
        rig.controller().click(19);
        for (const auto& [from, to] : {std::pair{6, 19}, {4, 6}, {2, 12}, {8, 6}, {12, 2}, {10, 12}}) {
            rig.controller().click(HoleNumber(from));
            rig.controller().click(HoleNumber(to));
        }
        QCOMPARE(rig.game().board().emptyCount(), 7);
        const double rssBefore = residentMb();
        hint.ask();
        QTRY_VERIFY_WITH_TIMEOUT(hint.overlay()->isVisible(), 60000);
        QVERIFY2(residentMb() < rssBefore + 8, qPrintable(QStringLiteral("%1 MB before, %2 MB after").arg(rssBefore).arg(residentMb())));

        // No hint during a replay.
        part<Replay>(window).playmoves();
        hint.ask();
        QVERIFY(!hint.working());
    }
};

QTEST_MAIN(TestHintWindow)
#include "test_hint_window.moc"
