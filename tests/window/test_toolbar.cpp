#include "support/window_rig.h"

#include "scoring/high_score_window.h"
#include "window/artwork.h"

#include <QMenu>

namespace {
void hover(PictureControl* control) { QTest::mouseMove(control, control->rect().center()); }
}

// The picture-button toolbar and the ball and board choosers, driven with the mouse.
class TestToolbar : public QObject {
    Q_OBJECT

    WindowRig* m_rig = nullptr;

    PictureControl* button(const char* name) const { return m_rig->find<PictureControl>(QString::fromLatin1(name)); }
    QWidget* panel(const char* name) const { return m_rig->find(QString::fromLatin1(name)); }
    QStringList openPanels() const
    {
        QStringList open;
        for (const char* name : {"men", "men1", "men2", "men3"})
            if (panel(name)->isVisible())
                open << QString::fromLatin1(name);
        return open;
    }

private slots:
    void init()
    {
        m_rig = new WindowRig;
        m_rig->start().show();
        QVERIFY(QTest::qWaitForWindowExposed(m_rig->window.get()));
    }
    void cleanup()
    {
        delete m_rig;
        m_rig = nullptr;
    }

    void gameTogglesItsPanelAndClosesTheMovesPanel()
    {
        QTest::mouseClick(button("Image19"), Qt::LeftButton);
        QCOMPARE(openPanels(), QStringList{QStringLiteral("men3")});
        QTest::mouseClick(button("Image7"), Qt::LeftButton);
        QCOMPARE(openPanels(), QStringList{QStringLiteral("men")});
        QTest::mouseClick(button("Image7"), Qt::LeftButton);
        QCOMPARE(openPanels(), QStringList());
        // Moves closes the game panel on button-down, then toggles its own.
        QTest::mouseClick(button("Image7"), Qt::LeftButton);
        QTest::mouseClick(button("Image19"), Qt::LeftButton);
        QCOMPARE(openPanels(), QStringList{QStringLiteral("men3")});
    }

    void hoverOpensTheSubPanelsAndKeepsOneHighlight()
    {
        QTest::mouseClick(button("Image7"), Qt::LeftButton);
        hover(button("Image11"));
        QCOMPARE(openPanels(), (QStringList{QStringLiteral("men"), QStringLiteral("men1")}));
        hover(button("Image14"));
        QCOMPARE(openPanels(), (QStringList{QStringLiteral("men"), QStringLiteral("men2")}));
        hover(button("Image17"));
        QCOMPARE(openPanels(), QStringList{QStringLiteral("men")});
        for (const char* item : {"Image8", "Image9", "Image10", "Image11", "Image14"})
            QCOMPARE(button(item)->borderStyle(), 0);
        QCOMPARE(button("Image17")->borderStyle(), 1);
        // The highlight stays while the panel is closed and opened again.
        QTest::mouseClick(button("Image7"), Qt::LeftButton);
        QTest::mouseClick(button("Image7"), Qt::LeftButton);
        QCOMPARE(button("Image17")->borderStyle(), 1);
    }

    void clicksOnTheBackgroundOrAHoleClosePanelsOtherClicksDoNot()
    {
        QTest::mouseClick(button("Image7"), Qt::LeftButton);
        QTest::mouseClick(m_rig->find(QStringLiteral("Image6")), Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseClick(m_rig->find(QStringLiteral("Label1")), Qt::LeftButton);
        QCOMPARE(openPanels(), QStringList{QStringLiteral("men")});
        QTest::mouseClick(m_rig->find(QStringLiteral("bck")), Qt::LeftButton, {}, QPoint(515, 300));
        QCOMPARE(openPanels(), QStringList());
        QTest::mouseClick(button("Image19"), Qt::LeftButton);
        QTest::mouseClick(m_rig->hole(37), Qt::LeftButton);
        QCOMPARE(openPanels(), QStringList());
        QVERIFY(m_rig->game().board().isEmpty(37));
    }

    void pressedButtonsShowAFrameUntilReleasedAnywhere()
    {
        PictureControl* undo = button("Image18");
        QTest::mousePress(undo, Qt::LeftButton);
        QCOMPARE(undo->borderStyle(), 1);
        QTest::mouseRelease(undo, Qt::LeftButton, {}, QPoint(-40, -40));
        QCOMPARE(undo->borderStyle(), 0);
    }

    void highScoresOpensOnReleaseEvenOffTheButton()
    {
        QTest::mouseClick(button("Image7"), Qt::LeftButton);
        PictureControl* highScores = button("Image5");
        bool opened = false;
        int frameWhenOpened = -1;
        QTimer::singleShot(200, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            opened = modal == m_rig->window->highScoreWindow();
            frameWhenOpened = highScores->borderStyle();
            if (modal)
                modal->close();
        });
        QTest::mousePress(highScores, Qt::LeftButton);
        QCOMPARE(openPanels(), QStringList());
        QTest::mouseRelease(highScores, Qt::LeftButton, {}, QPoint(-30, -30));
        QTRY_VERIFY(opened);
        QCOMPARE(frameWhenOpened, 0);
        // The close box only hides it: the hall of fame lives on.
        QVERIFY(m_rig->window->highScoreWindow()->isHidden());
        QCOMPARE(m_rig->window->highScoreWindow()->hall().name(1), std::string("KT PLAYER"));
    }

    void theViewButtonPopsUpTheMenuAtThePointer()
    {
        QTest::mouseClick(button("Image19"), Qt::LeftButton);
        auto* menu = m_rig->find<QMenu>(QStringLiteral("view"));
        QTest::mouseClick(button("Image22"), Qt::LeftButton);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("&View moves been played on the board"));
        QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("&View the moves played in text mode"));
        menu->actions().at(0)->trigger();
        menu->hide();
        QVERIFY(m_rig->window->replayTimer()->isActive());
        QVERIFY(!panel("men3")->isVisible());
    }

    void theSwitchButtonsStoreTheirChoice()
    {
        QTest::mouseClick(button("Image7"), Qt::LeftButton);
        QTest::mouseClick(button("Image11"), Qt::LeftButton);
        QTest::mouseClick(button("Image13"), Qt::LeftButton);
        QCOMPARE(int(m_rig->game().state().soundon), 0);
        QCOMPARE(openPanels(), QStringList());
        m_rig->game().Image1_Click(19);
        QCOMPARE(m_rig->sound.played, 0);
        QTest::mouseClick(button("Image7"), Qt::LeftButton);
        QTest::mouseClick(button("Image11"), Qt::LeftButton);
        QTest::mouseClick(button("Image12"), Qt::LeftButton);
        m_rig->game().Image1_Click(17);
        m_rig->game().Image1_Click(19);
        QCOMPARE(m_rig->sound.played, 1);
    }

    void switchingTheBallMidGameKeepsTheGame()
    {
        m_rig->play(19, 2);
        const Board before = m_rig->game().board();
        const auto jump = m_rig->legalJump();
        QVERIFY(jump);
        const int selected = jump->origin;
        m_rig->game().Image1_Click(selected);
        QTest::mouseClick(m_rig->find<PictureControl>(QStringLiteral("Image2")), Qt::LeftButton);
        QCOMPARE(m_rig->window->ballName(), QStringLiteral("ball0"));
        const QPixmap ball = Artwork::pixmap(QStringLiteral("ball0"));
        for (int hole = 1; hole <= 37; ++hole) {
            QCOMPARE(m_rig->game().board().isEmpty(hole), before.isEmpty(hole));
            QCOMPARE(m_rig->hole(hole)->hasPicture(), !before.isEmpty(hole));
            if (!before.isEmpty(hole))
                QCOMPARE(m_rig->hole(hole)->picture().cacheKey(), ball.cacheKey());
        }
        QCOMPARE(m_rig->hole(selected)->borderStyle(), 1);
        // The next jump goes on as before, and the new game is built with the chosen ball.
        m_rig->game().Image1_Click(jump->destination);
        QCOMPARE(m_rig->game().history().count(), std::size_t(3));
        QVERIFY(m_rig->game().board().isEmpty(jump->jumped));
        m_rig->window->Image8_Click();
        for (int hole = 1; hole <= 37; ++hole)
            QCOMPARE(m_rig->hole(hole)->picture().cacheKey(), ball.cacheKey());
    }

    void theBoardChooserChangesOnlyTheBoardPicture()
    {
        m_rig->play(19, 3);
        const Board before = m_rig->game().board();
        const std::string counter = m_rig->game().counter();
        auto boards = m_rig->window->findChildren<PictureControl*>(QStringLiteral("Image23"));
        QCOMPARE(boards.size(), 3);
        auto* board = m_rig->find<PictureControl>(QStringLiteral("Image6"));
        const qint64 first = board->picture().cacheKey();
        QTest::mouseClick(boards[2], Qt::LeftButton);
        QVERIFY(board->picture().cacheKey() != first);
        for (int hole = 1; hole <= 37; ++hole)
            QCOMPARE(m_rig->game().board().isEmpty(hole), before.isEmpty(hole));
        QCOMPARE(m_rig->game().counter(), counter);
    }
};

QTEST_MAIN(TestToolbar)
#include "test_toolbar.moc"
