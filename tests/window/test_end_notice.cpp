// The end of a game told: beside the board while no jump is left, with the balls, the score and
// what the start allowed; gone as soon as the board changes; never in the prompt line.
#include "support/window_rig.h"

#include "window/end_notice.h"

#include <QAccessible>

class TestEndNotice : public QObject {
    Q_OBJECT

private slots:
    // A game from hole 17 (where one ball can be left) played by the table's first legal jumps: the
    // notice stands exactly while no jump is left; undo takes it away, redo brings it back with the
    // score the redo left; a position loaded since has no known start.
    void toldExactlyWhenNoJumpIsLeft()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* label = rig.find<QLabel>("endingWords");
        QWidget* area = rig.find("ending");
        const auto told = [&] { return part<EndNotice>(window).text(); };
        QCOMPARE(told(), "");
        rig.controller().click(17);
        int jumps = 0;
        while (const auto jump = rig.legalJump()) {
            QCOMPARE(told(), "");
            rig.controller().click(jump->origin);
            rig.controller().click(jump->destination);
            ++jumps;
        }
        const int balls = 36 - jumps;
        const QString ended = QString("No jump left \u2014 %1 balls, score %2. From this start one ball was possible.")
                                  .arg(balls)
                                  .arg(jumps);
        QCOMPARE(told(), ended);
        QVERIFY(label->isVisible());
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(heard->role(), QAccessible::AlertMessage);
        QCOMPARE(heard->text(QAccessible::Name), ended);
        QCOMPARE(rig.find<QLabel>("Label1")->text(), "");

        // Over no hole, at the window's size and at twice it.
        for (const double zoom : {1.0, 2.0}) {
            window.setZoom(zoom);
            const QRect shown(label->mapTo(&window, QPoint()), label->size());
            QCOMPARE(rig.holes([&](int n) { return shown.intersects(QRect(rig.hole(n)->mapTo(&window, QPoint()), rig.hole(n)->size())); }),
                     "");
            QVERIFY(QRect(area->mapTo(&window, QPoint()), area->size()).contains(shown));
            QVERIFY(QFontMetrics(label->font()).boundingRect(shown, Qt::TextWordWrap | Qt::AlignCenter, ended).height()
                    <= shown.height());
        }

        rig.controller().undo();
        QCOMPARE(told(), "");
        QVERIFY(area->isHidden());
        rig.controller().redo();
        const QString score = rig.find<QLabel>("Label5")->text();
        QVERIFY(score != QString::number(jumps)); // the undo's cost stays
        QCOMPARE(told(), QString(ended).replace(QString("score %1").arg(jumps), "score " + score));

        // A position loaded: one ball, and no start to speak of; the start forgotten at a new game.
        std::vector<PositionEntry> full{{PositionEntry::Kind::Underway}};
        for (HoleNumber n = 1; n <= kHoleCount; ++n)
            full.push_back({n == 18 ? PositionEntry::Kind::Empty : PositionEntry::Kind::Ball, n});
        rig.controller().loadPosition(full);
        QCOMPARE(told(), "");
        std::vector<PositionEntry> one{{PositionEntry::Kind::Underway}};
        for (HoleNumber n = 1; n <= kHoleCount; ++n)
            if (n != 5)
                one.push_back({PositionEntry::Kind::Empty, n});
        rig.controller().loadPosition(one);
        QVERIFY(told().startsWith("No jump left \u2014 one ball, score "));
        QVERIFY(!told().contains("start"));
        rig.controller().newGame();
        QCOMPARE(told(), "");
    }

    // The words, for one ball and for more, with and without the start's best finish, and a start
    // from the centre, where two balls are the best.
    void theWords()
    {
        QCOMPARE(EndNotice::describe(1, "31", 1), "No jump left \u2014 one ball, score 31. From this start one ball was possible.");
        QCOMPARE(EndNotice::describe(3, "-0.1", 2), "No jump left \u2014 3 balls, score -0.1. From this start 2 balls were possible.");
        QCOMPARE(EndNotice::describe(0, "0", std::nullopt), "No jump left \u2014 0 balls, score 0.");

        WindowRig rig;
        rig.start();
        // From the centre: 19 jumps 17 over 18, and so on, until none is left.
        rig.play(19, 0);
        while (rig.legalJump())
            rig.play(0, 1);
        const QString told = part<EndNotice>(*rig.window).text();
        QVERIFY2(told.endsWith("From this start 2 balls were possible."), qPrintable(told));
    }
};

QTEST_MAIN(TestEndNotice)
#include "test_end_notice.moc"
