#include "support/window_rig.h"

#include "kit/caption_label.h"
#include "kit/qt_prompts.h"
#include "kit/twips.h"
#include "window/board_view.h"
#include "window/command_table.h"
#include "window/high_score_window.h"
#include "window/window_zoom.h"

namespace {
// The screens the tests run on (see main()): two side by side, the second smaller.
const QRect kFirstScreen(0, 0, 1920, 1200);
const QRect kSecondScreen(1920, 0, 800, 600);

// Where `widget` lies in its window.
QRect inWindow(const QWidget* widget) { return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size()); }
// The size in pixels a picture is drawn at to show crisp in `control`.
QSize shownPixels(const PictureControl* control) { return control->size() * control->devicePixelRatio(); }
}

// The window's zoom: the keys, the whole layout scaling together with pictures drawn at the size
// shown, the board played at another zoom, and the size, zoom and place kept for the next start.
class TestZoom : public QObject {
    Q_OBJECT

private slots:
    // The steps of the keys, the largest zoom a screen allows and the zoom a dragged size asks for.
    void theZoomsStepAndFitAsTheWindowNeeds()
    {
        const struct {
            double now;
            int steps;
            double largest;
            double next;
        } steps[] = {{1, 1, 4, 1.1},     {1, -1, 4, 0.9},   {0.5, -1, 4, 0.5}, {4, 1, 4, 4},
                     {1.9, 1, 4, 2},     {1.9, -1, 4, 1.75}, {2, 1, 2.2, 2.2}, {2.3, 1, 2.2, 2.3},
                     {0.67, 1, 1, 0.75}, {1, 1, 1, 1}};
        for (const auto& step : steps)
            QCOMPARE(WindowZoom::stepped(step.now, step.steps, step.largest), step.next);
        QCOMPARE(WindowZoom::largest(QSize()), 4.0);
        QCOMPARE(WindowZoom::largest(QSize(300, 300)), 1.0);
        QCOMPARE(WindowZoom::largest(QSize(1600, 1200)), 1200.0 / 464);
        QCOMPARE(WindowZoom::fitting(QSize(1048, 928)), 2.0);
        QCOMPARE(WindowZoom::fitting(QSize(700, 464)), 1.0);
        QCOMPARE(WindowZoom::fitting(QSize(655, 600)), 1.25);
    }

    // Where a window is kept on the screens: on the screen that holds most of it, whole, however
    // large the screen; a zoom out of the steps' range is none the window takes.
    void theWindowIsKeptWholeOnTheScreenThatHoldsMostOfIt()
    {
        const QList<QRect> rooms = {kFirstScreen, kSecondScreen};
        const QSize own(528, 468); // the window with a frame of 2 pixels
        const struct {
            QPoint at;
            QRect room;
            QPoint kept;
        } places[] = {
            {{20, 30}, kFirstScreen, {20, 30}},              // whole on the first: stays
            {{1600, 900}, kFirstScreen, {1392, 732}},        // off the first's corner, not on the second
            {{-300, -50}, kFirstScreen, {0, 0}},             // off its left and top
            {{1800, 100}, kSecondScreen, {1920, 100}},       // across both, most on the second
            {{2500, 400}, kSecondScreen, {2192, 132}},       // off the second's corner
            {{4000, 3000}, kSecondScreen, {2192, 132}},      // on no screen: the nearest
            {{-2000, 100}, kFirstScreen, {0, 100}},
        };
        for (const auto& place : places) {
            const QRect frame(place.at, own);
            QCOMPARE(WindowZoom::roomOf(frame, rooms), place.room);
            QCOMPARE(WindowZoom::keptIn(frame, place.room), QRect(place.kept, own));
        }
        // Zoomed in near the right edge of either screen, the window stays on it.
        for (const QRect& room : rooms) {
            const QRect grown(QPoint(room.right() - 600, room.top() + 10), QSize(524, 464) * 1.25);
            QCOMPARE(WindowZoom::keptIn(grown, WindowZoom::roomOf(grown, rooms)).right(), room.right());
        }
        // Larger than its screen: its top left corner on it.
        QCOMPARE(WindowZoom::keptIn(QRect(2000, 100, 1000, 700), kSecondScreen).topLeft(), QPoint(1920, 0));
        QCOMPARE(WindowZoom::roomOf(QRect(0, 0, 10, 10), {}), QRect());
        QCOMPARE(WindowZoom::largest(kFirstScreen.size()), 1200.0 / 464);
        QCOMPARE(WindowZoom::largest(kSecondScreen.size()), 600.0 / 464);
        QCOMPARE(WindowZoom::largest(QSize(100000, 100000)), 4.0);

        const struct {
            double zoom;
            bool allowed;
        } zooms[] = {{1, true}, {0.5, true}, {4, true}, {2.37, true}, {0.49, false}, {4.01, false}, {-1, false},
                     {0, false}, {1e9, false}, {1e308, false}, {qInf(), false}, {-qInf(), false}, {qQNaN(), false}};
        for (const auto& zoom : zooms)
            QVERIFY2(WindowZoom::allowed(zoom.zoom) == zoom.allowed, qPrintable(QString::number(zoom.zoom)));
    }

    // A zoom kept in the settings that is out of range or no number at all opens the window at its
    // own size, quietly: nothing drawn at an absurd size, no warning of the painter.
    void anAbsurdKeptZoomOpensTheWindowAtItsOwnSize()
    {
        static int painterWarnings = 0;
        const QtMessageHandler before = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            if (text.contains("Painter", Qt::CaseInsensitive) || text.contains("paint device", Qt::CaseInsensitive))
                ++painterWarnings;
        });
        for (const char* kept : {"1e9", "inf", "1e308", "nan", "-2", "0", "-inf", "4.5", "zoom"}) {
            WindowRig rig;
            {
                GameSettings settings;
                settings.store("Window/zoom", QString::fromLatin1(kept));
                settings.store("Window/position", QPoint(40, 30));
            }
            painterWarnings = 0;
            MainWindow& window = rig.start();
            QCOMPARE(window.pos(), QPoint(40, 30));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.grab();
            QVERIFY2(window.zoom() == 1 && window.size() == QSize(524, 464), kept);
            QVERIFY2(painterWarnings == 0, kept);
            rig.window.reset();
            QCOMPARE(GameSettings().stored("Window/zoom").toString(), "1");
        }
        qInstallMessageHandler(before);
    }

    // A place kept partly off its screen (a screen smaller now, or one taken away) opens whole on the
    // screen that holds most of it; zoomed in near a screen's right edge, the window stays on it.
    void theWindowOpensAndGrowsWholeOnItsScreen()
    {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        const auto onScreen = [](const QWidget& window, const QRect& screen) {
            return screen.contains(window.frameGeometry());
        };
        WindowRig rig;
        const struct {
            QPoint kept;
            QRect screen;
        } places[] = {{{1800, 100}, kSecondScreen}, {{2500, 400}, kSecondScreen}, {{1600, 900}, kFirstScreen},
                      {{-100, 300}, kFirstScreen}};
        for (const auto& place : places) {
            rig.window.reset(); // a window keeps its place as it goes
            GameSettings().store("Window/position", place.kept);
            MainWindow& window = rig.start();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY2(onScreen(window, place.screen), qPrintable(QStringLiteral("kept at %1,%2, opened at %3,%4")
                                                                    .arg(place.kept.x()).arg(place.kept.y())
                                                                    .arg(window.x()).arg(window.y())));
        }
        for (const QRect& screen : {kFirstScreen, kSecondScreen}) {
            MainWindow& window = rig.start();
            window.setZoom(1);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.move(screen.right() + 1 - window.frameGeometry().width(), screen.top() + 20);
            QVERIFY(onScreen(window, screen));
            window.stepZoom(1);
            window.stepZoom(1);
            QCOMPARE(window.zoom(), 1.25);
            QVERIFY2(onScreen(window, screen), qPrintable(QStringLiteral("at %1,%2").arg(window.x()).arg(window.y())));
        }
    }

    // Every window and box the game opens is about twice as large at 200 % as at 100 %: the About
    // box, the help, the name box of the hall of fame, the moves, the hall of fame, and the message,
    // question and file boxes the window asks through.
    void everyBoxTheGameOpensFollowsTheZoom()
    {
        WindowRig rig;
        MainWindow& window = rig.start(true);
        QtPrompts prompts(&window);
        const auto opened = [](const std::function<void()>& open) {
            QSize size;
            whenModal([&size](QWidget* box) {
                size = box->size();
                QTRY_VERIFY(box->isVisible());
                static_cast<QDialog*>(box)->reject();
            });
            open();
            return size;
        };
        const std::pair<const char*, std::function<void()>> boxes[] = {
            {"About", [&] { part<CommandTable>(window).action(CommandTable::Command::About)->trigger(); }},
            {"help", [&] { part<CommandTable>(window).action(CommandTable::Command::Help)->trigger(); }},
            {"name box", [&] {
                 rig.controller().newGame();
                 rig.play(19, 8);
                 window.Image8_Click();
             }},
            {"moves", [&] { window.showmoves(); }},
            {"hall of fame", [&] { part<HighScoreWindow>(window).exec(); }},
            {"message", [&] { prompts.message("The file could not be read.", "The Dorv", Prompts::Icon::Critical); }},
            {"question", [&] { prompts.askYesNo("Replace file?", "The Dorv", true); }},
            {"file", [&] { prompts.openFileName("Load Game", "The Dorv Game (*.dvg)|*.dvg", "dvg"); }},
        };
        QHash<QString, QSize> own;
        for (const auto& [name, open] : boxes)
            own[name] = opened(open);
        window.setZoom(2);
        QStringList unlike;
        for (const auto& [name, open] : boxes) {
            const QSize twice = opened(open);
            const double wide = double(twice.width()) / own[name].width();
            const double high = double(twice.height()) / own[name].height();
            if (wide < 1.7 || wide > 2.3 || high < 1.7 || high > 2.3)
                unlike << QStringLiteral("%1 %2x%3 at 100 %, %4x%5 at 200 %").arg(name).arg(own[name].width()).arg(own[name].height())
                              .arg(twice.width()).arg(twice.height());
        }
        QCOMPARE(unlike.join(", "), QString());
    }

    void atTwiceItsSizeEveryHoleLiesInTheWindowAndPlays()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        QHash<int, QRect> ownPlaces;
        for (int n = 1; n <= kHoleCount; ++n)
            ownPlaces[n] = inWindow(rig.hole(n));
        auto* prompt = rig.find<QLabel>("Label1");
        const qreal promptPoints = prompt->font().pointSizeF();
        const QSize hallOfFame = part<HighScoreWindow>(window).size();
        const qreal hallOfFamePoints = part<HighScoreWindow>(window).findChild<QLabel*>("Label1")->font().pointSizeF();
        auto* board = rig.find<BoardView>("Picture2");
        board->placeCursor(19);

        QHash<QString, QSize> ownSizes;
        for (const char* name : {"bck", "Image6", "Image7", "Image5"})
            ownSizes[QLatin1String(name)] = rig.find(name)->size();
        // Through another zoom, as the keys step: every picture follows each step.
        window.setZoom(1.5);
        window.setZoom(2);
        QCOMPARE(window.size(), QSize(1048, 928));
        QCOMPARE(part<HighScoreWindow>(window).size(), hallOfFame * 2);
        QCOMPARE(part<HighScoreWindow>(window).findChild<QLabel*>("Label1")->font().pointSizeF(), hallOfFamePoints * 2);
        QCOMPARE(prompt->font().pointSizeF(), promptPoints * 2);
        QCOMPARE(inWindow(rig.find("Image7")).topLeft(), Twips(window.zoom()).point(120, 240));
        QCOMPARE(rig.find("cursor")->geometry(), rig.hole(19)->geometry());
        // The pictures are drawn at the size they are shown, never stretched from a smaller one.
        for (const char* name : {"bck", "Image6", "Image7", "Image5"}) {
            auto* picture = rig.find<PictureControl>(name);
            QVERIFY2(picture->picture().size() == shownPixels(picture), name);
            QCOMPARE(picture->size(), ownSizes[QLatin1String(name)] * 2);
        }
        for (int n = 1; n <= kHoleCount; ++n) {
            const QRect place = inWindow(rig.hole(n));
            // Twice as far from the corner, give or take the pixel the twips round to.
            QCOMPARE(place.size(), ownPlaces[n].size() * 2);
            QVERIFY((place.topLeft() - ownPlaces[n].topLeft() * 2).manhattanLength() <= 2);
            QVERIFY(window.rect().contains(place));
            QCOMPARE(window.childAt(place.center()), rig.hole(n));
        }

        // Clicks where the holes are shown: the first takes a ball off, the next two jump.
        const auto click = [&](int n) {
            const QPoint at = inWindow(rig.hole(n)).center();
            QWidget* under = window.childAt(at);
            QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(&window, at));
        };
        click(19);
        QVERIFY(rig.game().board().isEmpty(19));
        const auto jump = rig.legalJump();
        click(jump->origin);
        click(jump->destination);
        QCOMPARE(rig.game().counter(), "1");
        QVERIFY(rig.game().board().isEmpty(jump->jumped));

        // Back to its own size, to the pixel.
        window.setZoom(1);
        QCOMPARE(window.size(), QSize(524, 464));
        for (int n = 1; n <= kHoleCount; ++n)
            QCOMPARE(inWindow(rig.hole(n)), ownPlaces[n]);
        QCOMPARE(prompt->font().pointSizeF(), promptPoints);
    }

    // A window is drawn at the zoom set on it, and so are its parts and the windows opened from it;
    // a window given none is drawn at its own size.
    void eachWindowIsDrawnAtTheZoomSetOnIt()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        window.setZoom(2);
        QWidget other;
        QDialog opened(&window);
        QWidget inOther(&other);
        Twips::setZoom(other, 1.5);
        const struct {
            const QWidget* widget;
            double zoom;
        } widgets[] = {{&window, 2}, {rig.find("Picture2"), 2}, {rig.hole(19), 2}, {window.findChild<HighScoreWindow*>(), 2},
                       {&opened, 2}, {&other, 1.5}, {&inOther, 1.5}, {nullptr, 1}};
        for (const auto& shown : widgets)
            QCOMPARE(Twips::of(shown.widget).zoom(), shown.zoom);
        QCOMPARE(Twips::of(new QWidget(&opened)).zoom(), 2.0);
        QCOMPARE(Twips(2).rect(120, 240, 480, 480), QRect(16, 32, 64, 64));
        QCOMPARE(Twips(1.1).size(480, 7), QSize(35, 1));
        QCOMPARE(Twips().point(-8, 7), QPoint(-1, 0));
    }

    // The captions draw their text in a face the window has loaded at another size: as a plain
    // label draws it at the window's own size, and as wide as a plain label at twice the size.
    void theCaptionsDrawAsPlainLabels()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        const auto text = [](QLabel* label) {
            QImage drawn(label->size(), QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            label->render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);
            return drawn;
        };
        for (double zoom : {1.0, 2.0}) {
            window.setZoom(zoom);
            const auto captions = window.findChildren<CaptionLabel*>();
            QCOMPARE(captions.size(), 2);
            for (CaptionLabel* caption : captions) {
                QLabel plain(caption->text());
                plain.setFont(caption->font());
                plain.setPalette(caption->palette());
                plain.setAlignment(caption->alignment());
                plain.resize(caption->size());
                QVERIFY2(qAbs(caption->sizeHint().width() - plain.sizeHint().width()) <= 1, qPrintable(caption->objectName()));
                QCOMPARE(caption->sizeHint().height(), plain.sizeHint().height());
                if (zoom == 1)
                    QVERIFY2(text(caption) == text(&plain), qPrintable(caption->objectName()));
            }
        }
    }

    void theKeysZoomAndAResizedWindowKeepsItsShape()
    {
        WindowRig rig;
        MainWindow& window = rig.start();
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(window.zoom(), 1.1);
        QTest::keyClick(&window, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(window.zoom(), 1.25);
        QTest::keyClick(&window, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(window.zoom(), 1.1);
        QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(window.size(), QSize(524, 464));

        // Stretched wider than high: the zoom follows the height, and the window takes its shape.
        window.resize(900, 580);
        QTRY_COMPARE_WITH_TIMEOUT(window.zoom(), 1.25, 10000);
        QCOMPARE(window.size(), QSize(655, 580));
    }

    void theSizeZoomAndPlaceSurviveARestartWhenTheyFit()
    {
        WindowRig rig;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        rig.start().setZoom(1.1);
        const QPoint place = screen.topLeft() + QPoint(20, 30);
        rig.window->move(place);
        QVERIFY(screen.contains(rig.window->geometry()));

        MainWindow& again = rig.start();
        QCOMPARE(again.zoom(), 1.1);
        QCOMPARE(again.size(), QSize(576, 510));
        QCOMPARE(again.pos(), place);
        QCOMPARE(rig.hole(19)->size(), QSize(35, 35));

        // Off every screen: centred, at the zoom kept.
        again.move(QPoint(-3000, -3000));
        MainWindow& centred = rig.start();
        QCOMPARE(centred.zoom(), 1.1);
        QCOMPARE(centred.pos() + QPoint(centred.width() / 2, centred.height() / 2), screen.center());

        // Larger than the screen: its own size, centred.
        const double tooLarge = std::ceil(std::max(screen.width() / 524.0, screen.height() / 464.0)) + 1;
        centred.setZoom(tooLarge);
        MainWindow& own = rig.start();
        QCOMPARE(own.zoom(), 1.0);
        QCOMPARE(own.size(), QSize(524, 464));
        QVERIFY(screen.contains(own.geometry()));
    }
};

// The tests run on two screens side by side, the second larger than the first, as the offscreen
// platform makes them from a configuration file.
int main(int argc, char** argv)
{
    QTemporaryDir folder;
    QFile configuration(folder.filePath("screens.json"));
    if (!configuration.open(QIODevice::WriteOnly))
        return 1;
    QJsonArray screens;
    for (const QRect& screen : {kFirstScreen, kSecondScreen})
        screens.append(QJsonObject{{"name", QStringLiteral("Screen%1").arg(screens.size() + 1)},
                                   {"x", screen.x()}, {"y", screen.y()},
                                   {"width", screen.width()}, {"height", screen.height()},
                                   {"logicalDpi", 96}, {"logicalBaseDpi", 96}, {"dpr", 1}});
    configuration.write(QJsonDocument(QJsonObject{{"screens", screens}}).toJson());
    configuration.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + configuration.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestZoom test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_zoom.moc"
