// The hint in the window: asked with H or from the view menu, worked out while the game goes on,
// shown without touching the game, and gone at the next change of the board.
#include "support/core_test_helpers.h"
#include "support/window_rig.h"

#include "window/hint_keeper.h"
#include "window/hint_overlay.h"

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

        // Before the start: the ball to remove, for a finish with one ball.
        const QByteArray waiting = coretest::summary(rig.game());
        QTest::keyClick(&window, Qt::Key_H);
        QTRY_VERIFY_WITH_TIMEOUT(hint.overlay()->isVisible(), 15000);
        QCOMPARE(hint.shownText(), "Best finish from here: one ball left");
        QCOMPARE(hint.overlay()->marked().size(), std::size_t(1));
        QCOMPARE(coretest::summary(rig.game()), waiting);

        // Under way, with a ball selected: a legal jump, and the game, the selection and the
        // sound untouched.
        rig.play(19, 3);
        const JumpTable::Jump next = rig.legalJump().value();
        rig.game().click(next.origin);
        const QByteArray before = coretest::summary(rig.game());
        const int sounds = rig.sound.played;
        QVERIFY(!hint.overlay()->isVisible());
        rig.find<QMenu>("view")->findChild<QAction*>("vhint")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(hint.overlay()->isVisible(), 15000);
        QVERIFY(hint.shownText().startsWith("Best finish from here: "));
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

        // No hint during a replay.
        window.replay().playmoves();
        hint.ask();
        QVERIFY(!hint.working());
    }
};

QTEST_MAIN(TestHintWindow)
#include "test_hint_window.moc"
