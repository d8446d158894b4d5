// The best line from here, played on the board and taken away again: the game, its moves, its
// score and its files stay as they were; any key or click stops it and does nothing else.
#include "support/window_rig.h"

#include "window/line_show.h"
#include "window/moves_window.h"
#include "window/review_window.h"
#include "records/moves_file.h"
#include "support/core_test_helpers.h"

namespace {
// The holes the board shows empty, as "17 18".
QString shownEmpty(const WindowRig& rig)
{
    return rig.holes([&](int n) { return !rig.hole(n)->hasPicture(); });
}
}

class TestBestLine : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> m_rig;

    // A game under way with balls on 16, 17 and 19 only (two jumps to one ball), and its moves saved.
    void startWithThreeBalls()
    {
        m_rig = std::make_unique<WindowRig>();
        m_rig->start().show();
        QVERIFY(QTest::qWaitForWindowActive(m_rig->window.get()));
        m_rig->play(19, 2);
        std::vector<PositionEntry> three{{PositionEntry::Kind::Underway}};
        for (HoleNumber n = 1; n <= kHoleCount; ++n)
            three.push_back({n == 16 || n == 17 || n == 19 ? PositionEntry::Kind::Ball : PositionEntry::Kind::Empty, n});
        m_rig->controller().loadPosition(three);
    }
    QString game() const { return QString::fromLatin1(coretest::summary(m_rig->game())); }
    WindowRig& rig() const { return *m_rig; }
    void press(QKeyCombination key) const { QTest::keySequence(QApplication::focusWidget(), QKeySequence(key)); }

private slots:
    void cleanup() { m_rig.reset(); }

    void playedToItsEndAndTakenAway()
    {
        startWithThreeBalls();
        const QString before = game(), emptyBefore = shownEmpty(*m_rig);
        const std::string moves = MovesFile::serialise(m_rig->game().history());
        auto& line = part<LineShow>(*m_rig->window);
        QSignalSpy ended(&line, &LineShow::ended);
        QStringList shown;
        // What the board shows at each jump of the line.
        connect(&line, &LineShow::ended, this, [&] { shown << shownEmpty(*m_rig); });
        press(Qt::Key_L);
        QVERIFY(line.showing());
        QVERIFY(ended.wait(10 * LineShow::kTickMs));
        QCOMPARE(ended.first().first().toInt(), 1);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(QString(shown.first()).split(' ').size(), kHoleCount - 1); // one ball on the board
        QCOMPARE(m_rig->find<QLabel>("notice")->text(), "Best line: one ball left");
        QTRY_VERIFY_WITH_TIMEOUT(!line.showing(), 4 * LineShow::kTickMs);
        QCOMPARE(game(), before);
        QCOMPARE(shownEmpty(*m_rig), emptyBefore);
        QCOMPARE(MovesFile::serialise(m_rig->game().history()), moves);
        QCOMPARE(m_rig->find<QLabel>("Label5")->text(), "2");
    }

    // A key stops it and only stops it: the undo it would be runs at the next press. A click on a
    // hole stops it without playing the hole.
    void anyKeyOrClickStopsIt()
    {
        startWithThreeBalls();
        const QString before = game(), emptyBefore = shownEmpty(*m_rig);
        auto& line = part<LineShow>(*m_rig->window);
        press(Qt::Key_L);
        QTRY_VERIFY(shownEmpty(*m_rig) != emptyBefore); // the first jump is on the board
        press(Qt::CTRL | Qt::Key_Z);
        QVERIFY(!line.showing());
        QCOMPARE(game(), before);
        QCOMPARE(shownEmpty(*m_rig), emptyBefore);
        press(Qt::CTRL | Qt::Key_Z);
        QVERIFY(game() != before);

        startWithThreeBalls();
        auto& again = part<LineShow>(*m_rig->window);
        press(Qt::Key_L);
        QVERIFY(again.showing());
        QTest::mouseClick(m_rig->hole(16), Qt::LeftButton);
        QVERIFY(!again.showing());
        QCOMPARE(game(), before);
        QVERIFY(!m_rig->game().isFramed(16));
        QTest::mouseClick(m_rig->hole(16), Qt::LeftButton);
        QVERIFY(m_rig->game().isFramed(16));
    }

    // V reviews a game played from 17 (where one ball can be left) by the table's first jumps: a
    // row a move, each value after a move the value before the next, the first move that lost the
    // best finish chosen and named with a jump that was open then; Show plays the line from there
    // and leaves the game as it was. Review in the moves window opens it too; a loaded position
    // has nothing to review.
    void theReviewMarksWhereTheBestFinishWasLost()
    {
        m_rig = std::make_unique<WindowRig>();
        m_rig->start().show();
        QVERIFY(QTest::qWaitForWindowActive(m_rig->window.get()));
        m_rig->play(17, 0);
        while (m_rig->legalJump())
            m_rig->play(0, 1);
        const QString played = game();
        QString summary;
        int lost = -1;
        whenModal([&](QWidget* box) {
            auto* review = qobject_cast<ReviewWindow*>(box);
            QVERIFY(review);
            QTRY_VERIFY_WITH_TIMEOUT(!review->working(), 60000);
            summary = review->summary();
            auto* table = review->findChild<QTableWidget*>("moves");
            QCOMPARE(table->rowCount(), int(m_rig->game().history().count()));
            for (int row = 0; row < table->rowCount(); ++row) {
                const int before = table->item(row, 2)->text().toInt(), after = table->item(row, 3)->text().toInt();
                if (row + 1 < table->rowCount())
                    QCOMPARE(table->item(row + 1, 2)->text().toInt(), after);
                if (lost < 0 && after > before)
                    lost = row;
            }
            QCOMPARE(table->currentRow(), std::max(lost, 0));
            QCOMPARE(table->item(table->currentRow(), 0)->font().bold(), lost >= 0);
            QVERIFY(summary.contains(table->item(table->currentRow(), 0)->data(Qt::AccessibleTextRole).toString()));
            review->findChild<QPushButton*>("show")->click();
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V);
        QVERIFY2(summary.startsWith("From the start, one ball could be left."), qPrintable(summary));
        QVERIFY(lost >= 0); // the table's first jumps lose it somewhere
        const QRegularExpression told(QString("Move %1 lost the best finish; (\\d+)-(\\d+)-(\\d+) would have kept it.").arg(lost + 1));
        const QRegularExpressionMatch kept = told.match(summary);
        QVERIFY2(kept.hasMatch(), qPrintable(summary));
        auto& line = part<LineShow>(*m_rig->window);
        QVERIFY(line.showing());
        // The line starts from the position before the losing move: its first jump leaves a ball less.
        const auto shownBalls = [&] { return int(rig().holes([&](int n) { return rig().hole(n)->hasPicture(); }).split(' ').size()); };
        QTRY_COMPARE_WITH_TIMEOUT(shownBalls(), 36 - lost - 1, 60000);
        QTest::keyClick(m_rig->window.get(), Qt::Key_Escape);
        QVERIFY(!line.showing());
        QCOMPARE(game(), played);

        // From the moves window; and after a position is loaded there is nothing to review.
        m_rig->controller().loadPosition({{PositionEntry::Kind::Empty, 1}});
        whenModal([](QWidget* box) {
            QVERIFY(qobject_cast<MovesWindow*>(box));
            box->findChild<QPushButton*>("review")->click();
            whenModal([](QWidget* review) {
                QVERIFY(qobject_cast<ReviewWindow*>(review)->summary().contains("nothing to review"));
                review->close();
            });
        });
        m_rig->window->showmoves();
    }
};

QTEST_MAIN(TestBestLine)
#include "test_best_line.moc"
