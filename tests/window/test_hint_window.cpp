// The hint in the window: asked with H or from the view menu, worked out while the game goes on,
// shown without touching the game, and gone at the next change of the board.
#include "support/core_test_helpers.h"
#include "support/window_rig.h"

#include "window/board_view.h"
#include "window/hint_keeper.h"
#include "window/hint_overlay.h"

#include <QAccessible>

#include <fstream>

namespace {
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

private slots:
    void aHintShowsTheBestJumpAndChangesNothing()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        HintKeeper& hint = window.hint();

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
        rig.game().startNewGame();

        // Under way, with a ball selected: a legal jump, and the game, the selection and the
        // sound untouched.
        rig.play(19, 3);
        const JumpTable::Jump next = rig.legalJump().value();
        rig.game().click(next.origin);
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
        rig.game().click(next.origin);
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
        rig.game().startNewGame();
        rig.game().click(19);
        for (const auto& [from, to] : {std::pair{6, 19}, {4, 6}, {2, 12}, {8, 6}, {12, 2}, {10, 12}}) {
            rig.game().click(HoleNumber(from));
            rig.game().click(HoleNumber(to));
        }
        QCOMPARE(rig.game().board().emptyCount(), 7);
        const double rssBefore = residentMb();
        hint.ask();
        QTRY_VERIFY_WITH_TIMEOUT(hint.overlay()->isVisible(), 60000);
        QVERIFY2(residentMb() < rssBefore + 8, qPrintable(QStringLiteral("%1 MB before, %2 MB after").arg(rssBefore).arg(residentMb())));

        // No hint during a replay.
        window.replay().playmoves();
        hint.ask();
        QVERIFY(!hint.working());
    }
};

QTEST_MAIN(TestHintWindow)
#include "test_hint_window.moc"
