#include "support/window_rig.h"

#include "media/music_player.h"
#include "window/high_score_window.h"
#include "kit/twips.h"

namespace {
QString label(const QWidget* owner, const QString& name) { return owner->findChild<QLabel*>(name)->text(); }
QString switches(const Game& game) { return QString("sound %1 music %2").arg(game.state().soundon).arg(game.state().musicon); }
}

// The main window: start-up, the board's construction, new games, the end of the program and the
// switches that outlive it.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startsAsAFreshGameAndABiggerBallSpacesTheNextBoardOut()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        QCOMPARE(window.windowTitle(), "The Dorv 1.0");
        QCOMPARE(QList({window.size(), window.minimumSize()}), QList({QSize(524, 464), QSize(262, 232)}));
        QCOMPARE(window.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint), Qt::WindowMinimizeButtonHint);
        QCOMPARE(label(&window, "Label1"), "Remove a 'ball' to start");
        QCOMPARE(label(&window, "Label5"), "0");
        // The prompt's face: the largest size from 18 points down to 9 at which the start prompt fits.
        const QLabel* prompt = window.findChild<QLabel*>("Label1");
        QFont largest = prompt->font();
        largest.setPointSize(18);
        while (largest.pointSize() > 9 && QFontMetrics(largest).horizontalAdvance(prompt->text()) > prompt->width())
            largest.setPointSize(largest.pointSize() - 1);
        QCOMPARE(prompt->font().pointSize(), largest.pointSize());
        QVERIFY(prompt->font().bold());
        QCOMPARE(rig.holes([&](int n) { return rig.hole(n)->hasPicture() && !rig.hole(n)->isHidden(); }), rig.holes());
        // Every hole is placed from hole 1, 580 twips apart for a 32 px ball.
        const int places[][3] = {{1, 1800, 240},   {3, 2960, 240},   {4, 1220, 820},   {9, 640, 1400},   {19, 2380, 1980},
                                 {29, 4120, 2560}, {30, 1220, 3140}, {35, 1800, 3720}, {37, 2960, 3720}};
        for (const auto& [n, left, top] : places)
            QCOMPARE(rig.hole(n)->geometry(), QRect(Twips::of(&window).point(left, top), QSize(32, 32)));

        // The 48 x 48 globe is drawn into the holes' own size: a new game keeps the 580-twip pitch,
        // and every hole stays inside the board panel where a click reaches it. Neither start-up nor
        // a new game of nothing asks or writes.
        part<BallChooser>(window).Image2_Click(6);
        window.Image8_Click();
        QVERIFY(rig.prompts.asked.isEmpty());
        QVERIFY(!QFile::exists(rig.file("dvhs.sys")));
        auto* board = rig.find("Picture2");
        for (const auto& [n, left, top] : places)
            QCOMPARE(rig.hole(n)->geometry(), QRect(Twips::of(&window).point(left, top), QSize(32, 32)));
        QCOMPARE(rig.holes([&](int n) {
            return board->rect().contains(rig.hole(n)->geometry())
                && board->childAt(rig.hole(n)->geometry().center()) == rig.hole(n);
        }), rig.holes());
    }

    // The prompt's size is kept for the next start, which takes it while the text's width at that
    // size is the one kept (the same face) and fits the text again when it is not.
    void thePromptsSizeIsKeptWhileTheFaceStaysTheSame()
    {
        WindowRig rig;
        const auto prompt = [&rig] { return rig.start().findChild<QLabel*>("Label1"); };
        QFont face = prompt()->font();
        const int fitted = face.pointSize();
        GameSettings settings;
        QStringList kept = settings.stored("Window/Prompt").toStringList();
        QCOMPARE(kept.value(2), QString::number(fitted));
        face.setPointSize(10);
        const QString widthAt10 = QString::number(QFontMetricsF(face).horizontalAdvance(kept[0]), 'g', 17);
        for (const auto& [width, expected] : {std::pair{widthAt10, 10}, {widthAt10 + "1", fitted}}) {
            kept[2] = "10";
            kept[3] = width;
            settings.store("Window/Prompt", kept);
            QCOMPARE(prompt()->font().pointSize(), expected);
        }
    }

    void aWinIsEnteredOverTheStrippedBoardThroughTheNameBox()
    {
        WindowRig rig;
        rig.start();
        rig.play(19, 7);
        rig.prompts.texts << "Ada";
        QString shownWhileAsked;
        rig.prompts.onAsk = [&] {
            shownWhileAsked = rig.holes([&](int n) { return !rig.hole(n)->isHidden(); });
            shownWhileAsked += rig.hole(1)->hasPicture() ? " with a ball" : "";
        };
        rig.window->Image8_Click();
        QCOMPARE(shownWhileAsked, "1 with a ball");
        QCOMPARE(rig.prompts.asked.value("text"), QStringList("The WINNERS! / Congratulations, you made it to the 'THE DORV "
                                                              "WINNERS' hall. Please enter your name / Your Name"));
        QVERIFY(rig.read("dvhs.sys").starts_with("hs1nAda\r\nhs17\r\nhs2nKT PLAYER\r\nhs25\r\n"));
        QCOMPARE(rig.game().board().emptyCount(), 0);

        // A win through the platform's own name box.
        rig.start(true);
        rig.play(19, 8);
        whenModal([](QWidget* box) {
            auto* edit = box->findChild<QLineEdit*>();
            edit->selectAll();
            QTest::keyClicks(edit, "Grace");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        rig.window->Image8_Click();
        QCOMPARE(label(&part<HighScoreWindow>(*rig.window), "Label1"), "Grace");
        QVERIFY(rig.read("dvhs.sys").starts_with("hs1nGrace\r\nhs18\r\nhs2nAda\r\n"));
    }

    // While the move sound plays the window already shows what was played: the panels closed, the
    // holes, the counter; the starting removal's prompt and start hole change once it has played.
    void theBoardIsShownBeforeTheSound()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto shown = [&] {
            return QString("'%1' %2 '%3', empty %4, framed %5, panels '%6'")
                .arg(label(&window, "Label1"), label(&window, "Label5"), label(&window, "Label3"),
                     rig.holes([&](int n) { return !rig.hole(n)->hasPicture(); }),
                     rig.holes([&](int n) { return rig.hole(n)->borderStyle() == 1; }), rig.openPanels());
        };
        QStringList heard;
        rig.sound.whilePlaying = [&] { heard << shown(); };
        const auto click = [&](int hole) {
            QTest::mouseClick(rig.find("Image7"), Qt::LeftButton);
            QCOMPARE(rig.openPanels(), "men");
            window.Image1_Click(hole);
        };
        click(19);
        QCOMPARE(heard, QStringList("'Remove a 'ball' to start' 0 '', empty 19, framed , panels ''"));
        QCOMPARE(shown(), "'' 0 '19', empty 19, framed , panels ''");
        click(17);
        QCOMPARE(shown(), "'' 0 '19', empty 19, framed 17, panels ''");
        click(19);
        QCOMPARE(heard.value(1), "'' 1 '19', empty 17 18, framed , panels ''");
        click(30);
        window.Image18_Click();
        QCOMPARE(shown(), "'' -0.1 '19', empty 19, framed , panels ''");
        window.Image18_Click();
        QCOMPARE(shown(), "'Remove a 'ball' to start' -0.1 '19', empty , framed , panels ''");
        QCOMPARE(heard.size(), 2);
    }

    void readsTheSwitchesAtStartUp_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("missing") << QString() << 1;
        QTest::newRow("1") << QString("1") << 1;
        QTest::newRow("0") << QString("0") << 0;
        QTest::newRow("2 is off") << QString("2") << 2;
        QTest::newRow("not a number is on") << QString("loud") << 1;
    }
    void readsTheSwitchesAtStartUp()
    {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        WindowRig rig;
        if (!stored.isNull())
            for (const char* key : {"Options/Sound", "Options/Music"})
                GameSettings().store(key, stored);
        QCOMPARE(switches(rig.start().game()), QString("sound %1 music %1").arg(expected));
    }

    void quittingEndsAtOnceWithoutAWinAndAfterStoringOne()
    {
        WindowRig rig;
        rig.start();
        rig.play(19, 1);
        rig.window->quit();
        QCOMPARE(rig.ended, 1);
        QVERIFY(rig.prompts.asked.isEmpty());
        QVERIFY(!QFile::exists(rig.file("dvhs.sys")));

        rig.start();
        rig.play(19, 6);
        rig.prompts.texts << "  Ada ";
        int endedWhenAsked = -1;
        rig.prompts.onAsk = [&] { endedWhenAsked = rig.ended; };
        rig.window->close();
        QCOMPARE(endedWhenAsked, 1);
        QCOMPARE(rig.ended, 2);
        // The next start reads the entry back, spaces and all.
        const HighScoreWindow* hall = &part<HighScoreWindow>(rig.start());
        QCOMPARE(hall->hall().name(1), "  Ada ");
        QCOMPARE(hall->hall().score(2), "5");
        QCOMPARE(label(hall, "Label6"), "6");

        // A hall of fame that cannot be written (a folder is in the way) is reported, and then the program ends.
        QVERIFY(QFile::remove(rig.file("dvhs.sys")) && QDir(rig.dir.path()).mkdir("dvhs.sys"));
        rig.play(19, 8);
        rig.prompts.texts << "Grace";
        rig.window->quit();
        QVERIFY(rig.prompts.last("message").contains(rig.file("dvhs.sys")));
        QVERIFY(rig.prompts.last("message").endsWith(" / Critical"));
        QCOMPARE(part<HighScoreWindow>(*rig.window).hall().name(1), "Grace");
        QCOMPARE(endedWhenAsked, 2);
        QCOMPARE(rig.ended, 3);
    }

    void musicPlaysFromStartUpTheSwitchesActAtOnceAndOutliveTheProgram()
    {
        WindowRig rig;
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/Music.dat", rig.file("Music.dat")));
        MusicPlayer* music = part<MediaSwitches>(rig.start()).musicPlayer();
        QTRY_VERIFY(music->isPlaying());
        QCOMPARE(music->fileName(), rig.file("Music.dat"));
        part<MediaSwitches>(*rig.window).setMusic(false);
        QVERIFY(!music->isPlaying());
        QTest::qWait(200);
        QVERIFY(!music->isPlaying());
        part<MediaSwitches>(*rig.window).setMusic(true);
        QVERIFY(music->isPlaying());

        part<MediaSwitches>(*rig.window).setSound(false);
        part<MediaSwitches>(*rig.window).setMusic(false);
        QCOMPARE(switches(rig.start().game()), "sound 0 music 0");
        part<MediaSwitches>(*rig.window).setSound(true);
        QCOMPARE(switches(rig.start().game()), "sound 1 music 0");
        QCOMPARE(GameSettings().stored("Options/Sound"), "1");
        QCOMPARE(GameSettings().stored("Options/Music"), "0");
    }

    // A piece that ends as soon as it starts is started again only a second after its start, so
    // a broken tune cannot keep a core busy.
    void musicThatEndsAtOnceWaitsASecondBeforeItStartsAgain()
    {
        WindowRig rig;
        QVERIFY(QFile::copy(kBuiltProgramFolder + "/Music.dat", rig.file("Music.dat")));
        MainWindow& window = rig.start();
        part<MediaSwitches>(window).playmusic("Music.dat");
        QVERIFY(part<MediaSwitches>(window).musicPlayer()->isPlaying());
        part<MediaSwitches>(window).mm_Done();
        QVERIFY(!part<MediaSwitches>(window).musicPlayer()->isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(part<MediaSwitches>(window).musicPlayer()->isPlaying(), 3000);
    }

    void theRestoredWindowKeepsItsBackgroundAndAltCReachesTheHiddenCodeWordBox()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        window.show();
        window.showMinimized();
        window.showNormal();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(rig.find("bck")->geometry(), window.rect());
        auto* box = rig.find<QLineEdit>("Text1");
        QVERIFY(!window.rect().intersects(box->geometry()));
        // Until Alt+C the box has no focus: typing a code word chooses no ball.
        QTest::keyClicks(QApplication::focusWidget(), "walrus");
        QCOMPARE(part<BoardView>(window).ballName(), "ball1");
        box->setText("stale");
        QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(box->hasFocus());
        QTRY_COMPARE(box->text(), "");
        QTest::keyClicks(box, "WalRus");
        QCOMPARE(part<BoardView>(window).ballName(), "ball8");
        QCOMPARE(box->text(), "");
        // Every Alt+C starts the word again, also while the box has the focus, and letters typed
        // straight after it count.
        QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), "q");
        QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), "ox");
        QCOMPARE(part<BoardView>(window).ballName(), "ball7");
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
