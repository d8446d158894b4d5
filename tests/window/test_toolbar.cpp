#include "support/window_rig.h"

#include "window/high_score_window.h"
#include "kit/artwork.h"
#include "kit/panel.h"
#include "window/choice_notice.h"

// The picture-button toolbar and the ball and board choosers, driven with the mouse.
class TestToolbar : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> m_rig;

    PictureControl* button(const char* name) const { return m_rig->find<PictureControl>(name); }
    // The panels open, as "men men1".
    QString openPanels() const { return m_rig->openPanels(); }
    // Clicks the named controls in turn, and gives the panels then open.
    QString click(std::initializer_list<const char*> names) const
    {
        for (const char* name : names)
            QTest::mouseClick(m_rig->find(name), Qt::LeftButton);
        return openPanels();
    }
    QString hover(const char* name) const
    {
        QTest::mouseMove(button(name));
        return openPanels();
    }

private slots:
    void init()
    {
        m_rig = std::make_unique<WindowRig>();
        m_rig->start().show();
        QVERIFY(QTest::qWaitForWindowExposed(m_rig->window.get()));
    }
    void cleanup() { m_rig.reset(); }

    void gameAndMovesToggleTheirPanelsViewPopsUpItsMenuAndTheBackgroundOrAHoleCloseThem()
    {
        QCOMPARE(click({"Image19"}), "men3");
        QCOMPARE(click({"Image7"}), "men");
        QCOMPARE(click({"Image7"}), "");
        // Moves closes the game panel on button-down, then toggles its own.
        QCOMPARE(click({"Image7", "Image19"}), "men3");
        QCOMPARE(click({"Image19"}), "");
        // Clicks on the board picture or the prompt leave the panels; on the background they close them.
        QCOMPARE(click({"Image7", "Image6", "Label1"}), "men");
        QCOMPARE(click({"bck"}), "");

        // View pops up its menu; on a new game its first item starts the replay and closes the panel itself.
        auto* menu = m_rig->find<QMenu>("view");
        click({"Image19", "Image22"});
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->actions().at(0)->text(), "&View moves been played on the board");
        QCOMPARE(menu->actions().at(1)->text(), "&View the moves played in text mode");
        menu->actions().at(0)->trigger();
        menu->hide();
        QVERIFY(part<Replay>(*m_rig->window).timer()->isActive());
        QCOMPARE(openPanels(), "");

        // So does a click on a hole, which reaches the game.
        click({"Image19"});
        QTest::mouseClick(m_rig->hole(37), Qt::LeftButton);
        QCOMPARE(openPanels(), "");
        QVERIFY(m_rig->game().board().isEmpty(37));
    }

    void hoverOpensTheSubPanelsAndKeepsOneHighlightAndTheSoundSwitchesWork()
    {
        click({"Image7"});
        QCOMPARE(hover("Image11"), "men men1");
        QCOMPARE(hover("Image14"), "men men2");
        QCOMPARE(hover("Image17"), "men");
        // One highlight, kept while the panel is closed and opened again.
        click({"Image7", "Image7"});
        for (const char* item : {"Image8", "Image9", "Image10", "Image11", "Image14", "Image17"})
            QCOMPARE(button(item)->borderStyle(), item == QLatin1String("Image17") ? 1 : 0);

        // The sound switch buttons close the panels and take effect at once.
        QCOMPARE(click({"Image11", "Image13"}), "");
        m_rig->controller().click(19);
        QCOMPARE(m_rig->sound.played, 0);
        click({"Image7", "Image11", "Image12"});
        m_rig->controller().click(17);
        m_rig->controller().click(19);
        QCOMPARE(m_rig->sound.played, 1);
    }

    void highScoresOpensOnReleaseOffTheButtonOnceItsFrameIsGone()
    {
        click({"Image7"});
        PictureControl* highScores = button("Image5");
        int frameWhenOpened = -1;
        const auto lookAndClose = [&](QWidget* box) {
            frameWhenOpened = box == &part<HighScoreWindow>(*m_rig->window) ? highScores->borderStyle() : -2;
            box->close();
        };
        whenModal(lookAndClose, 200);
        // A pressed button shows a frame until it is released, wherever that is.
        QTest::mousePress(highScores, Qt::LeftButton);
        QCOMPARE(highScores->borderStyle(), 1);
        QCOMPARE(openPanels(), "");
        QTest::mouseRelease(highScores, Qt::LeftButton, {}, QPoint(-30, -30));
        QTRY_COMPARE(frameWhenOpened, 0);
        // The close box only hides it: the hall of fame lives on.
        QVERIFY(part<HighScoreWindow>(*m_rig->window).isHidden());
    }

    void switchingTheBallMidGameKeepsTheGame()
    {
        m_rig->play(19, 2);
        const QString empty = m_rig->emptyHoles();
        const auto jump = m_rig->legalJump().value();
        m_rig->controller().click(jump.origin);
        click({"Image2"});
        QCOMPARE(part<BoardView>(*m_rig->window).ballName(), "ball0");
        const QPixmap ball = Artwork::pixmap("ball0");
        const auto holesShowing = [&](const QPixmap& picture) { // no picture for a null one
            return m_rig->holes([&](int n) { return m_rig->hole(n)->picture().cacheKey() == picture.cacheKey(); });
        };
        QCOMPARE(holesShowing(QPixmap()), empty);
        QCOMPARE(holesShowing(ball), m_rig->holes([&](int n) { return !m_rig->game().board().isEmpty(n); }));
        QCOMPARE(m_rig->hole(jump.origin)->borderStyle(), 1);
        // The next jump goes on as before, and the new game is built with the chosen ball.
        m_rig->controller().click(jump.destination);
        QCOMPARE(m_rig->game().history().count(), std::size_t(3));
        m_rig->window->Image8_Click();
        QCOMPARE(holesShowing(ball), m_rig->holes());
    }

    void theSwitchPanelsMarkHowEachSwitchStandsAndEveryChangeIsSaidOnTheScreenAndAloud()
    {
        auto* soundPanel = m_rig->find<Panel>("men1");
        auto* musicPanel = m_rig->find<Panel>("men2");
        auto* notice = m_rig->find<QLabel>("notice");
        // Gold where the panel marks `item`: the mark's square holds the tick's bright pixels.
        const auto markShown = [](Panel* panel, const char* item) {
            const QImage plate = panel->grab().toImage();
            const QRect mark = panel->markRect(panel->findChild<QWidget*>(item));
            int gold = 0;
            for (int y = mark.top(); y <= mark.bottom(); ++y)
                for (int x = mark.left(); x <= mark.right(); ++x)
                    gold += qRed(plate.pixel(x, y)) > 200 && qGreen(plate.pixel(x, y)) > 150;
            return gold > 3;
        };
        const auto marks = [&] {
            return QStringList{markShown(soundPanel, "Image12") ? "sound on" : "", markShown(soundPanel, "Image13") ? "sound off" : "",
                               markShown(musicPanel, "Image15") ? "music on" : "", markShown(musicPanel, "Image16") ? "music off" : ""}
                .join(' ')
                .simplified();
        };
        // The stored switches (both on at a first start) pass unsaid.
        QCOMPARE(marks(), "sound on music on");
        QVERIFY(notice->isHidden());
        // What a screen reader finds: an alert message that says the change, in sight.
        const auto heard = [&] {
            QAccessibleInterface* said = QAccessible::queryAccessibleInterface(notice);
            return said->role() == QAccessible::AlertMessage && !said->state().invisible ? said->text(QAccessible::Name) : QString();
        };

        // The keys, with the panels closed, the panel's buttons and the choosers: each change marked
        // in its panel, shown below the board, and said.
        QTest::keyClick(m_rig->window.get(), Qt::Key_S);
        QCOMPARE(marks(), "sound off music on");
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), "Sound off");
        QCOMPARE(heard(), "Sound off");
        QTest::keyClick(m_rig->window.get(), Qt::Key_M);
        QCOMPARE(marks(), "sound off music off");
        QCOMPARE(notice->text(), "Music off");
        click({"Image7", "Image11", "Image12"});
        QCOMPARE(marks(), "sound on music off");
        QCOMPARE(notice->text(), "Sound on");
        QTest::keyClick(m_rig->window.get(), Qt::Key_4);
        QCOMPARE(notice->text(), "Football");
        QTest::keyClick(m_rig->window.get(), Qt::Key_B);
        QCOMPARE(notice->text(), "Square grey board");
        QCOMPARE(heard(), "Square grey board");
        // It stands below the board, over no hole and no button, and goes by itself.
        const QRect shown(notice->mapTo(m_rig->window.get(), QPoint()), notice->size());
        for (QWidget* other : {m_rig->find("Picture2"), m_rig->find("Image19"), m_rig->find("Image5")})
            QVERIFY(!shown.intersects(QRect(other->mapTo(m_rig->window.get(), QPoint()), other->size())));
        QTRY_VERIFY_WITH_TIMEOUT(notice->isHidden(), 4 * ChoiceNotice::kShownMs);

        // The next start shows the stored switches as the panels left them.
        m_rig->start().show();
        QVERIFY(QTest::qWaitForWindowExposed(m_rig->window.get()));
        soundPanel = m_rig->find<Panel>("men1");
        musicPanel = m_rig->find<Panel>("men2");
        QCOMPARE(marks(), "sound on music off");
        QVERIFY(m_rig->find<QLabel>("notice")->isHidden());
    }

    void theBoardChooserChangesOnlyTheBoardPicture()
    {
        m_rig->play(19, 3);
        const QString empty = m_rig->emptyHoles();
        const qint64 first = button("Image6")->picture().cacheKey();
        QTest::mouseClick(m_rig->window->findChildren<PictureControl*>("Image23").value(2), Qt::LeftButton);
        QVERIFY(button("Image6")->picture().cacheKey() != first);
        QCOMPARE(m_rig->emptyHoles(), empty);
    }
};

QTEST_MAIN(TestToolbar)
#include "test_toolbar.moc"
