#include "support/window_rig.h"

#include "records/file_store.h"
#include "scoring/high_score_file.h"
#include "scoring/high_score_window.h"
#include "window/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QDir>
#include <QInputDialog>
#include "media/music_player.h"

// The main window: start-up, the board's construction, new games, the end of the program and the
// switches that outlive it.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startsAsAFreshGame()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        QCOMPARE(window.windowTitle(), QStringLiteral("The Dorv 1.0"));
        QCOMPARE(window.size(), QSize(524, 464));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(rig.find<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("Remove a 'ball' to start"));
        QCOMPARE(rig.find<QLabel>(QStringLiteral("Label5"))->text(), QStringLiteral("0"));
        for (int hole = 1; hole <= 37; ++hole) {
            QVERIFY(rig.hole(hole)->hasPicture());
            QVERIFY(!rig.hole(hole)->isHidden());
        }
        for (const char* panel : {"men", "men1", "men2", "men3"})
            QVERIFY(rig.find(QString::fromLatin1(panel))->isHidden());
        // The evaluation of the empty game at start-up asks nothing and writes nothing.
        QCOMPARE(rig.prompts.asked.size(), 0);
        QVERIFY(!QFile::exists(rig.file(QStringLiteral("dvhs.sys"))));
        QCOMPARE(rig.game().state().firstball, 1);
        // A new game right away has nothing to score either.
        window.Image8_Click();
        QCOMPARE(rig.prompts.asked.size(), 0);
        QCOMPARE(rig.game().board().emptyCount(), 0);
    }

    void placesTheHolesFromHoleOne_data()
    {
        QTest::addColumn<int>("hole");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("1") << 1 << 1800 << 240;
        QTest::newRow("3") << 3 << 2960 << 240;
        QTest::newRow("4") << 4 << 1220 << 820;
        QTest::newRow("9") << 9 << 640 << 1400;
        QTest::newRow("19") << 19 << 2380 << 1980;
        QTest::newRow("29") << 29 << 4120 << 2560;
        QTest::newRow("30") << 30 << 1220 << 3140;
        QTest::newRow("35") << 35 << 1800 << 3720;
        QTest::newRow("37") << 37 << 2960 << 3720;
    }
    void placesTheHolesFromHoleOne()
    {
        QFETCH(int, hole);
        QFETCH(int, left);
        QFETCH(int, top);
        WindowRig rig;
        rig.start();
        QCOMPARE(rig.hole(hole)->pos(), Twips::point(left, top));
        QCOMPARE(rig.hole(hole)->size(), QSize(32, 32));
    }

    void aBiggerBallSpacesTheBoardOutAtTheNextGame()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        window.Image2_Click(6); // the 48 x 48 globe
        QCOMPARE(rig.hole(2)->pos(), Twips::point(2380, 240));
        window.Image8_Click();
        QCOMPARE(rig.hole(1)->size(), QSize(48, 48));
        // 48 px are 720 twips: the pitch grows to 820 twips.
        QCOMPARE(rig.hole(2)->pos(), Twips::point(1800 + 820, 240));
        QCOMPARE(rig.hole(9)->pos(), Twips::point(1800 - 2 * 820, 240 + 2 * 820));
        for (int hole = 1; hole <= 37; ++hole)
            QCOMPARE(rig.hole(hole)->size(), QSize(48, 48));
    }

    void newGameAfterAWinAsksForTheNameOverTheStrippedBoard()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        rig.play(19, 7);
        QCOMPARE(rig.game().counter(), std::string("7"));
        rig.prompts.texts.enqueue(QStringLiteral("Ada"));
        int holesShownWhileAsked = -1;
        bool holeOneHadBall = false;
        rig.prompts.onAsk = [&](const ScriptedPrompts::Asked&) {
            holesShownWhileAsked = 0;
            for (int hole = 1; hole <= 37; ++hole)
                holesShownWhileAsked += rig.hole(hole)->isHidden() ? 0 : 1;
            holeOneHadBall = rig.hole(1)->hasPicture();
        };
        window.Image8_Click();
        QCOMPARE(holesShownWhileAsked, 1);
        QVERIFY(holeOneHadBall);
        QCOMPARE(rig.prompts.count(QStringLiteral("text")), 1);
        const auto& asked = rig.prompts.asked.constLast();
        QCOMPARE(asked.text,
                 QStringLiteral("Congratulations, you made it to the 'THE DORV WINNERS' hall. Please enter your name"));
        QCOMPARE(asked.title, QStringLiteral("The WINNERS!"));
        QCOMPARE(asked.filter, QStringLiteral("Your Name"));
        QCOMPARE(window.highScoreWindow()->hall().name(1), std::string("Ada"));
        QCOMPARE(window.highScoreWindow()->hall().score(1), std::string("7"));
        QCOMPARE(rig.game().counter(), std::string("0"));
        for (int hole = 1; hole <= 37; ++hole)
            QVERIFY(!rig.game().board().isEmpty(hole));
        const auto bytes = FileStore::read(rig.file(QStringLiteral("dvhs.sys")));
        QVERIFY(bytes);
        QVERIFY(bytes->starts_with("hs1nAda\r\nhs17\r\nhs2nKT PLAYER\r\nhs25\r\n"));
    }

    void readsTheSwitchesAtStartUp_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("missing") << QVariant() << 1;
        QTest::newRow("1") << QVariant(QStringLiteral("1")) << 1;
        QTest::newRow("0") << QVariant(QStringLiteral("0")) << 0;
        QTest::newRow("2 is off") << QVariant(QStringLiteral("2")) << 2;
        QTest::newRow("not a number is on") << QVariant(QStringLiteral("loud")) << 1;
    }
    void readsTheSwitchesAtStartUp()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, expected);
        WindowRig rig;
        {
            QSettings settings(QStringLiteral("The Dorv"), QStringLiteral("The Dorv"));
            settings.beginGroup(QStringLiteral("Options"));
            if (stored.isValid()) {
                settings.setValue(QStringLiteral("Sound"), stored);
                settings.setValue(QStringLiteral("Music"), stored);
            }
        }
        rig.start();
        QCOMPARE(int(rig.game().state().soundon), expected);
        QCOMPARE(int(rig.game().state().musicon), expected);
    }

    void theSwitchesOutliveTheProgram()
    {
        WindowRig rig;
        rig.start().setSound(false);
        rig.window->setMusic(false);
        rig.start();
        QCOMPARE(int(rig.game().state().soundon), 0);
        QCOMPARE(int(rig.game().state().musicon), 0);
        rig.window->setSound(true);
        rig.start();
        QCOMPARE(int(rig.game().state().soundon), 1);
        QSettings settings(QStringLiteral("The Dorv"), QStringLiteral("The Dorv"));
        QCOMPARE(settings.value(QStringLiteral("Options/Sound")).toString(), QStringLiteral("1"));
        QCOMPARE(settings.value(QStringLiteral("Options/Music")).toString(), QStringLiteral("0"));
    }

    void quittingWithoutAWinEndsAtOnce()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        rig.play(19, 1);
        window.quit();
        QCOMPARE(rig.ended, 1);
        QCOMPARE(rig.prompts.asked.size(), 0);
        QVERIFY(!QFile::exists(rig.file(QStringLiteral("dvhs.sys"))));
    }

    void closingAfterAWinStoresItThenEnds()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        rig.play(19, 6);
        rig.prompts.texts.enqueue(QStringLiteral("  Ada "));
        rig.prompts.onAsk = [&](const ScriptedPrompts::Asked&) { QCOMPARE(rig.ended, 0); };
        window.close();
        QCOMPARE(rig.ended, 1);
        QCOMPARE(rig.prompts.count(QStringLiteral("text")), 1);
        // The next start reads the entry back, spaces and all.
        rig.start();
        const HallOfFame& hall = rig.window->highScoreWindow()->hall();
        QCOMPARE(hall.name(1), std::string("  Ada "));
        QCOMPARE(hall.score(1), std::string("6"));
        QCOMPARE(hall.score(2), std::string("5"));
        QCOMPARE(rig.window->highScoreWindow()->findChild<QLabel*>(QStringLiteral("Label6"))->text(), QStringLiteral("6"));
    }

    void aHallOfFameThatCannotBeWrittenIsReportedAndTheProgramStillEnds()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        // A folder where the file should be: the write must fail, and say so.
        QVERIFY(QDir(rig.dir.path()).mkdir(QStringLiteral("dvhs.sys")));
        rig.play(19, 8);
        rig.prompts.texts.enqueue(QStringLiteral("Grace"));
        window.quit();
        QCOMPARE(rig.prompts.count(QStringLiteral("message")), 1);
        QVERIFY(rig.prompts.asked.constLast().text.contains(QStringLiteral("dvhs.sys")));
        QCOMPARE(rig.prompts.asked.constLast().icon, Prompts::Icon::Critical);
        QCOMPARE(window.highScoreWindow()->hall().name(1), std::string("Grace"));
        QCOMPARE(rig.ended, 1);
    }

    void aWinIsEnteredThroughTheRealNameBox()
    {
        WindowRig rig;
        MainWindow::Services services;
        services.sound = &rig.sound;
        services.endProcess = [&rig] { ++rig.ended; };
        MainWindow window(services);
        window.game().Image1_Click(19);
        for (int made = 0; made < 6; ++made) {
            const auto jump = [&]() -> std::optional<JumpTable::Jump> {
                for (const auto& j : JumpTable::instance().jumps())
                    if (!window.game().board().isEmpty(j.origin) && !window.game().board().isEmpty(j.jumped)
                        && window.game().board().isEmpty(j.destination))
                        return j;
                return std::nullopt;
            }();
            QVERIFY(jump);
            window.game().Image1_Click(jump->origin);
            window.game().Image1_Click(jump->destination);
        }
        QTimer::singleShot(0, this, [] {
            QTRY_VERIFY(qobject_cast<QInputDialog*>(QApplication::activeModalWidget()));
            auto* edit = QApplication::activeModalWidget()->findChild<QLineEdit*>();
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("Grace"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        window.Image8_Click();
        QCOMPARE(window.highScoreWindow()->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Grace"));
        QVERIFY(FileStore::read(rig.file(QStringLiteral("dvhs.sys"))).value_or("").starts_with("hs1nGrace\r\nhs16\r\n"));
    }

    void musicPlaysFromStartUpAndStopsWhenSwitchedOff()
    {
        WindowRig rig;
        QVERIFY(QFile::copy(rig.builtProgramFolder + QStringLiteral("/Music.dat"), rig.file(QStringLiteral("Music.dat"))));
        MainWindow& window = rig.start();
        QTRY_VERIFY(window.musicPlayer()->isPlaying());
        QCOMPARE(window.musicPlayer()->fileName(), rig.file(QStringLiteral("Music.dat")));
        window.setMusic(false);
        QVERIFY(!window.musicPlayer()->isPlaying());
        QTest::qWait(200);
        QVERIFY(!window.musicPlayer()->isPlaying());
        window.setMusic(true);
        QVERIFY(window.musicPlayer()->isPlaying());
    }

    void theBackgroundCoversTheWindowAfterARestore()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        window.show();
        window.showMinimized();
        window.showNormal();
        QCoreApplication::processEvents();
        QCOMPARE(rig.find(QStringLiteral("bck"))->geometry(), window.rect());
    }

    void altCReachesTheHiddenCodeWordBox()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* box = rig.find<QLineEdit>(QStringLiteral("Text1"));
        QVERIFY(!window.rect().intersects(box->geometry()));
        // Until Alt+C the box has no focus: typing a code word does nothing.
        QVERIFY(!box->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("walrus"));
        QCOMPARE(window.ballName(), QStringLiteral("ball1"));
        box->setText(QStringLiteral("stale"));
        QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(box->hasFocus());
        QTRY_COMPARE(box->text(), QString());
        QTest::keyClicks(box, QStringLiteral("WalRus"));
        QCOMPARE(window.ballName(), QStringLiteral("ball8"));
        QCOMPARE(box->text(), QString());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
