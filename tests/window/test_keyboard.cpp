#include "support/window_rig.h"

#include "support/core_test_helpers.h"
#include "media/music_player.h"
#include "window/board_view.h"
#include "window/command_table.h"
#include "window/high_score_window.h"
#include "window/moves_window.h"

#include <QAccessible>
#include <QTextTable>

#include <numeric>

namespace {
// The game of the replay tests: 19 taken off, then 17 to 19, 30 to 17, 26 to 24 and 32 to 30.
const int kClicks[] = {19, 17, 19, 30, 17, 26, 24, 32, 30};
// The same game with the keys, from the cursor's first place (the centre): U D L R the arrows,
// space and E (Enter) a click; the first arrow only shows the cursor.
const char* const kKeys = "R LL RR DDLL UU DRR LLEDRR LL ";

// The name, the role and the state that assistive technology reads for a widget.
QString accessibleName(QObject* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }
QAccessible::Role accessibleRole(QObject* widget) { return QAccessible::queryAccessibleInterface(widget)->role(); }
bool accessibleChecked(QObject* widget) { return QAccessible::queryAccessibleInterface(widget)->state().checked; }

// The keys the manual page lists, in its KEYS section: the tag of each paragraph.
QStringList manualPageKeys()
{
    QFile page(DORV_MAN_PAGE);
    if (!page.open(QIODevice::ReadOnly))
        return {"<no manual page>"};
    const QStringList lines = QString::fromUtf8(page.readAll()).split('\n');
    QStringList keys;
    bool inKeys = false;
    for (qsizetype n = 0; n + 1 < lines.size(); ++n) {
        if (lines[n].startsWith(".SH"))
            inKeys = lines[n] == ".SH KEYS";
        else if (inKeys && lines[n] == ".TP")
            keys << lines[n + 1].mid(3).remove('"');
    }
    return keys;
}

// The first column of the help's table of keys.
QStringList helpKeys(QTextDocument* help)
{
    QStringList keys;
    for (QTextFrame* frame : help->rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            for (int row = 0; row < table->rows(); ++row) {
                QTextCursor cell = table->cellAt(row, 0).firstCursorPosition();
                cell.setPosition(table->cellAt(row, 0).lastPosition(), QTextCursor::KeepAnchor);
                keys << cell.selectedText();
            }
    return keys;
}

// What a game left behind: its board, history and counter, and the files it saved.
struct Outcome {
    QByteArray game;
    std::string savedGame, savedMoves;
};
}

// The game played with the keyboard alone: the board's cursor, the command keys, the names that
// assistive technology reads, printing the moves and the help.
class TestKeyboard : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowRig> m_rig;

    MainWindow& window() const { return *m_rig->window; }
    BoardView& board() const { return *m_rig->find<BoardView>("Picture2"); }
    // Starts a window (again), shown and active, with the keyboard on the board as at start-up.
    void startShown()
    {
        if (!m_rig)
            m_rig = std::make_unique<WindowRig>();
        m_rig->start().show();
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QCOMPARE(QApplication::focusWidget(), &board());
    }
    // Where the keys go: the widget with the keyboard focus. The offscreen platform leaves no window
    // active after a box closed; the window is made active again, as a desktop does.
    QWidget* focus() const
    {
        if (!QApplication::activeWindow())
            QApplication::setActiveWindow(&window());
        return QApplication::focusWidget();
    }
    // Types keys where the keyboard focus is: U D L R the arrows, H Home, space and E (Enter).
    void press(const char* keys) const
    {
        for (const char* key = keys; *key; ++key) {
            const Qt::Key code = *key == 'U' ? Qt::Key_Up
                : *key == 'D'                ? Qt::Key_Down
                : *key == 'L'                ? Qt::Key_Left
                : *key == 'R'                ? Qt::Key_Right
                : *key == 'H'                ? Qt::Key_Home
                : *key == 'E'                ? Qt::Key_Return
                                             : Qt::Key_Space;
            QTest::keyClick(focus(), code);
        }
    }
    void keys(QKeyCombination combination) const { QTest::keySequence(focus(), QKeySequence(combination)); }
    QString openPanels() const { return m_rig->openPanels(); }
    // Presses Tab until the keyboard is on the control named `name`; false when Tab goes round
    // without reaching it.
    bool tabTo(const QString& name) const
    {
        for (int tabs = 0; tabs < 40; ++tabs) {
            if (accessibleName(focus()) == name)
                return true;
            QTest::keyClick(focus(), Qt::Key_Tab);
        }
        return false;
    }

private slots:
    void cleanup() { m_rig.reset(); }

    // Redo by either key plays the jumps taken back again, as played: the board, the counter with
    // the undo's cost kept, the moves file; read as unavailable while nothing can be played again,
    // and forgotten by a jump of the player's own.
    void redoPlaysTheMovesTakenBackAgain()
    {
        startShown();
        QAction* redo = part<CommandTable>(window()).action(CommandTable::Command::Redo);
        QVERIFY(!redo->isEnabled());
        m_rig->play(19, 3);
        const QString emptyAfterThree = m_rig->emptyHoles();
        m_rig->prompts.files << m_rig->file("three.dvm") << m_rig->file("again.dvm");
        keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        keys(Qt::CTRL | Qt::Key_Z);
        keys(Qt::CTRL | Qt::Key_Z);
        QVERIFY(redo->isEnabled());
        QCOMPARE(m_rig->find<QLabel>("Label5")->text(), "0.53");
        const int sounds = m_rig->sound.played;
        keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        keys(Qt::CTRL | Qt::Key_Y);
        QVERIFY(!redo->isEnabled());
        QCOMPARE(m_rig->sound.played, sounds + 2);
        QCOMPARE(m_rig->emptyHoles(), emptyAfterThree);
        QCOMPARE(m_rig->find<QLabel>("Label5")->text(), "2.53");
        keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        QCOMPARE(m_rig->read("again.dvm"), m_rig->read("three.dvm"));

        keys(Qt::CTRL | Qt::Key_Z);
        QVERIFY(redo->isEnabled());
        const JumpTable::Jump other = m_rig->legalJump().value();
        m_rig->controller().click(other.origin);
        QVERIFY(redo->isEnabled()); // a selection keeps it
        m_rig->controller().click(other.destination);
        QVERIFY(!redo->isEnabled());
    }

    // The keys players know come first (the help names them) and stay on every platform, also
    // where the platform has no standard key for the command (the offscreen one has none for
    // Quit); the platform's standard keys for it work besides.
    void theCommandsKeepTheirKeysAndTakeThePlatformsStandardOnesBesides()
    {
        using Command = CommandTable::Command;
        startShown();
        const struct {
            Command command;
            const char* known;
            QKeySequence::StandardKey standard;
        } rows[] = {
            {Command::NewGame, "Ctrl+N", QKeySequence::New},         {Command::LoadGame, "Ctrl+O", QKeySequence::Open},
            {Command::SaveGame, "Ctrl+S", QKeySequence::Save},       {Command::Undo, "Ctrl+Z", QKeySequence::Undo},
            {Command::Quit, "Ctrl+Q", QKeySequence::Quit},           {Command::ZoomIn, "Ctrl++", QKeySequence::ZoomIn},
            {Command::ZoomOut, "Ctrl+-", QKeySequence::ZoomOut},     {Command::Help, "F1", QKeySequence::HelpContents},
            {Command::LoadMoves, "Ctrl+Shift+O", QKeySequence::UnknownKey},
        };
        for (const auto& row : rows) {
            const QList<QKeySequence> bound = part<CommandTable>(window()).action(row.command)->shortcuts();
            QCOMPARE(bound.value(0).toString(QKeySequence::PortableText), QString::fromLatin1(row.known));
            for (const QKeySequence& standard : QKeySequence::keyBindings(row.standard))
                QVERIFY2(bound.contains(standard), qPrintable(standard.toString()));
            QCOMPARE(QSet<QKeySequence>(bound.begin(), bound.end()).size(), bound.size());
        }
        QVERIFY(part<CommandTable>(window()).action(Command::ZoomIn)->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Equal)));
        // Each ball and board picture has the command named after it, the last of each too.
        for (int index = 0; index < 7; ++index)
            QCOMPARE(part<CommandTable>(window()).action(CommandTable::ball(index))->objectName(), QString("ball%1").arg(index));
        for (int index = 0; index < 3; ++index)
            QCOMPARE(part<CommandTable>(window()).action(CommandTable::board(index))->objectName(), QString("board%1").arg(index));
        // Through the real key: a standard key of Undo that is not Ctrl+Z takes a move back as Ctrl+Z does.
        const QList<QKeySequence> undoKeys = QKeySequence::keyBindings(QKeySequence::Undo);
        const auto other = std::find_if(undoKeys.begin(), undoKeys.end(), [](const QKeySequence& key) { return key != QKeySequence(Qt::CTRL | Qt::Key_Z); });
        if (other != undoKeys.end()) {
            m_rig->play(19, 1);
            QTest::keySequence(focus(), *other);
            QCOMPARE(m_rig->game().history().count(), std::size_t(0));
        }
    }

    void theKeyboardPlaysSavesLoadsAndUndoesAsTheMouseDoes()
    {
        // With the mouse: the clicks, GAME > Save, Moves > Save, UNDO.
        startShown();
        for (int hole : kClicks)
            QTest::mouseClick(m_rig->hole(hole), Qt::LeftButton);
        m_rig->prompts.files << m_rig->file("game.dvg") << m_rig->file("game.dvm");
        for (const char* control : {"Image7", "Image10", "Image19", "Image21"})
            QTest::mouseClick(m_rig->find(control), Qt::LeftButton);
        const Outcome mouse{coretest::summary(m_rig->game()), m_rig->read("game.dvg"), m_rig->read("game.dvm")};
        QTest::mouseClick(m_rig->find("Image18"), Qt::LeftButton);
        const QByteArray mouseUndone = coretest::summary(m_rig->game());
        QCOMPARE(mouse.game, "empty 18 25 26 31 32, start 19, from 17 30 26 32, to 19 17 24 30, counter 4");
        m_rig.reset();

        // With the keys. The cursor shows at the first arrow, on the centre; a hole picked up keeps
        // its frame under the cursor.
        startShown();
        QCOMPARE(board().cursor(), HoleNumber(0));
        press("R");
        QCOMPARE(board().cursor(), HoleNumber(19));
        QVERIFY(board().findChild<QWidget*>("cursor")->isVisible());
        press(" LL ");
        QCOMPARE(board().cursor(), HoleNumber(17));
        QCOMPARE(m_rig->hole(17)->borderStyle(), 1);
        press(kKeys + 5);
        QCOMPARE(board().cursor(), HoleNumber(30));
        m_rig->prompts.files << m_rig->file("game.dvg") << m_rig->file("game.dvm");
        keys(Qt::CTRL | Qt::Key_S);
        keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        QCOMPARE(coretest::summary(m_rig->game()), mouse.game);
        QCOMPARE(m_rig->read("game.dvg"), mouse.savedGame);
        QCOMPARE(m_rig->read("game.dvm"), mouse.savedMoves);
        QCOMPARE(m_rig->sound.played, 5);
        keys(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(coretest::summary(m_rig->game()), mouseUndone);

        // A mouse click anywhere in the window hides the cursor; the next arrow shows it where it was.
        QTest::mouseClick(m_rig->find("bck"), Qt::LeftButton);
        QCOMPARE(board().cursor(), HoleNumber(0));
        press("U");
        QCOMPARE(board().cursor(), HoleNumber(30));
        press("UUUU");
        QCOMPARE(board().cursor(), HoleNumber(4)); // up the second column, and no further than its top
        press("H");
        QCOMPARE(board().cursor(), HoleNumber(19));

        // New, then the saved game, then the saved moves (Yes to clearing the game).
        keys(Qt::CTRL | Qt::Key_N);
        QCOMPARE(m_rig->emptyHoles(), "");
        m_rig->prompts.files << m_rig->file("game.dvg") << m_rig->file("game.dvm");
        keys(Qt::CTRL | Qt::Key_O);
        QCOMPARE(m_rig->emptyHoles(), "18 25 26 31 32");
        m_rig->prompts.answers << true;
        keys(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
        QCOMPARE(coretest::summary(m_rig->game().history()), "start 19, from 17 30 26 32, to 19 17 24 30");
        QCOMPARE(m_rig->prompts.last("open"), "Load Moves / The Dorv Game Moves (*.dvm)|*.dvm|All Files (*.*)|*.* / dvm");
    }

    void aWholeGameByTheKeyboardAlone()
    {
        m_rig = std::make_unique<WindowRig>();
        QVERIFY(QFile::copy(kBuiltProgramFolder + "/Music.dat", m_rig->file("Music.dat")));
        startShown();
        MusicPlayer* music = part<MediaSwitches>(window()).musicPlayer();
        QTRY_VERIFY(music->isPlaying());

        // Tab goes round the buttons and the board as the window reads, with the ring on the board,
        // never into the code-word box; whatever has the keyboard is in sight and has a name and a role.
        QStringList round;
        do {
            QTest::keyClick(focus(), Qt::Key_Tab);
            QWidget* at = focus();
            QVERIFY(at->isVisible() && window().rect().contains(at->mapTo(&window(), at->rect().center())));
            QVERIFY(QList({QAccessible::Button, QAccessible::RadioButton, QAccessible::Grouping}).contains(accessibleRole(at)));
            round << accessibleName(at);
        } while (focus() != &board() && round.size() < 40);
        QCOMPARE(round, QStringList({"Octagonal lacquer board", "Square grey board", "Round silver board", "Moves menu",
                                     "High scores", "Game menu", "Eyeball on legs", "Blue ball", "Eight ball", "Football",
                                     "Green blob with eyes", "Christmas bauble", "The Earth", "Undo last move", "Board"}));
        QCOMPARE(board().cursor(), HoleNumber(19));
        QTest::keyClick(focus(), Qt::Key_Backtab);
        QCOMPARE(accessibleName(focus()), "Undo last move");
        QCOMPARE(board().cursor(), HoleNumber(0));

        // M switches the music off; the On and Off buttons tell which is in force.
        const auto switches = [this] {
            QStringList on;
            for (const char* button : {"Image12", "Image13", "Image15", "Image16"})
                if (accessibleChecked(m_rig->find(button)))
                    on << accessibleName(m_rig->find(button));
            return on.join(", ");
        };
        QCOMPARE(switches(), "Sound on, Music on");
        QTest::keyClick(focus(), 'm');
        QVERIFY(!music->isPlaying());
        QCOMPARE(switches(), "Sound on, Music off");
        // The sound off through the panels: GAME, Sound, Off; the keyboard goes back to GAME.
        QVERIFY(tabTo("Game menu"));
        press(" ");
        QCOMPARE(openPanels(), "men");
        QVERIFY(tabTo("Sound"));
        press(" ");
        QCOMPARE(openPanels(), "men men1");
        QTest::keyClick(focus(), Qt::Key_Tab);
        QCOMPARE(accessibleName(focus()), "Sound on");
        QTest::keyClick(focus(), Qt::Key_Tab);
        QCOMPARE(accessibleRole(focus()), QAccessible::RadioButton);
        press("E");
        QCOMPARE(openPanels(), "");
        QCOMPARE(accessibleName(focus()), "Game menu");
        QCOMPARE(switches(), "Sound off, Music off");

        // The digits choose the balls as they stand from left to right; B and Shift+B step through the boards.
        const auto checked = [this](const char* choices) {
            for (PictureControl* choice : window().findChildren<PictureControl*>(choices))
                if (accessibleChecked(choice))
                    return choice;
            return static_cast<PictureControl*>(nullptr);
        };
        int left = -1;
        for (const char digit : QByteArray("1234567")) {
            QTest::keyClick(focus(), digit);
            PictureControl* chosen = checked("Image2");
            QVERIFY(chosen && part<BoardView>(window()).ballName() == QString("ball%1").arg(chosen->index()) && chosen->x() > left);
            left = chosen->x();
        }
        QTest::keyClick(focus(), '3');
        QCOMPARE(part<BoardView>(window()).ballName(), "ball2");
        const qint64 firstBoard = m_rig->find<PictureControl>("Image6")->picture().cacheKey();
        QTest::keyClick(focus(), 'b');
        QCOMPARE(checked("Image23")->index(), 1);
        QVERIFY(m_rig->find<PictureControl>("Image6")->picture().cacheKey() != firstBoard);
        keys(Qt::SHIFT | Qt::Key_B);
        keys(Qt::SHIFT | Qt::Key_B);
        QCOMPARE(checked("Image23")->index(), 2);

        // The game on the board: two jumps in silence, S and M switch the sound and the music on again.
        QVERIFY(tabTo("Board"));
        press(" LL RR ");
        QCOMPARE(m_rig->sound.played, 0);
        QTest::keyClick(focus(), 's');
        QTest::keyClick(focus(), 'm');
        QCOMPARE(switches(), "Sound on, Music on");
        QVERIFY(music->isPlaying());
        press(kKeys + 8);
        QCOMPARE(m_rig->sound.played, 3);
        QCOMPARE(m_rig->emptyHoles(), "18 25 26 31 32");

        // Saved, ended by a new game and entered in the hall of fame, loaded again: the position, then the moves.
        m_rig->prompts.files << m_rig->file("game.dvg") << m_rig->file("game.dvm") << m_rig->file("game.dvg")
                             << m_rig->file("game.dvm");
        m_rig->prompts.texts << "Ada";
        m_rig->prompts.answers << true;
        keys(Qt::CTRL | Qt::Key_S);
        keys(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
        keys(Qt::CTRL | Qt::Key_N);
        QCOMPARE(m_rig->emptyHoles(), "");
        keys(Qt::CTRL | Qt::Key_O);
        QCOMPARE(m_rig->emptyHoles(), "18 25 26 31 32");
        keys(Qt::CTRL | Qt::SHIFT | Qt::Key_O);
        QCOMPARE(m_rig->game().history().count(), std::size_t(4));
        QStringList hall;
        whenModal([&hall](QWidget* box) {
            hall << box->windowTitle();
            for (const QLabel* label : box->findChildren<QLabel*>())
                hall << label->text();
            box->close();
        });
        keys(Qt::CTRL | Qt::Key_H);
        QTRY_VERIFY(!hall.isEmpty());
        QCOMPARE(hall.first(), part<HighScoreWindow>(window()).windowTitle());
        QVERIFY(hall.contains("Ada"));

        // F1: the help, named for assistive technology, lists every key of the commands and the
        // board, as the manual page does; from it the About box. Shift+F1 goes there at once.
        QString help, about;
        QStringList listed;
        whenModal([&](QWidget* box) {
            auto* text = box->findChild<QTextBrowser*>("text");
            help = box->windowTitle() + "\n" + accessibleName(text) + "\n" + text->toPlainText();
            listed = helpKeys(text->document());
            whenModal([&](QWidget* aboutBox) {
                about = static_cast<QMessageBox*>(aboutBox)->text();
                aboutBox->close();
            });
            box->findChild<QPushButton*>("about")->click();
            box->close();
        });
        keys(Qt::Key_F1);
        QVERIFY2(help.startsWith("The Dorv Help\nHow to play, the score and the keys\n"), qPrintable(help));
        for (const char* told : {"Every jump scores a point", "a tenth of the score, plus one", "five best",
                                 "Close the open panel", "Sound on or off", "Ball: The Earth"})
            QVERIFY2(help.contains(told), told);
        for (const char* told : {"The Dorv 1.0", "MIT licence", "The artwork, the tune and the move sound were made for the game by The Dorv developers"})
            QVERIFY2(about.contains(told), told);
        QCOMPARE(manualPageKeys(), listed);
        QStringList commandKeys;
        for (const QAction* action : window().actions())
            if (!action->shortcut().isEmpty()) {
                QVERIFY2(std::any_of(listed.begin(), listed.end(), [action](const QString& key) {
                             return QKeySequence::fromString(key, QKeySequence::PortableText) == action->shortcut();
                         }), qPrintable(action->shortcut().toString()));
                commandKeys << action->shortcut().toString();
            }
        QCOMPARE(commandKeys.size() + 4, listed.size()); // and the board's four
        QCOMPARE(commandKeys.removeDuplicates(), 0);
        about.clear();
        whenModal([&](QWidget* aboutBox) {
            about = aboutBox->windowTitle();
            aboutBox->close();
        });
        keys(Qt::SHIFT | Qt::Key_F1);
        QCOMPARE(about, "About The Dorv");

        // Alt+C and a code word still choose a hidden ball (no ball of the strip is checked then);
        // Ctrl+Z undoes a move while the box has the keyboard, and Escape gives the keyboard back to
        // the board, its ring where it was.
        keys(Qt::ALT | Qt::Key_C);
        QTRY_VERIFY(m_rig->find("Text1")->hasFocus());
        QTest::keyClicks(focus(), "ox");
        QCOMPARE(part<BoardView>(window()).ballName(), "ball7");
        QCOMPARE(checked("Image2"), nullptr);
        QCOMPARE(switches(), "Sound on, Music on");
        keys(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(m_rig->game().history().count(), std::size_t(3));
        keys(Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), &board());
        press("U");
        QCOMPARE(board().cursor(), HoleNumber(24));

        // Moves, View: the menu opens under its button with its first entry chosen, and Enter starts the replay.
        QVERIFY(tabTo("Moves menu"));
        press(" ");
        QVERIFY(tabTo("View the moves"));
        press(" ");
        auto* menu = m_rig->find<QMenu>("view");
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->activeAction()->objectName(), "vboard");
        QTest::keyClick(menu, Qt::Key_Return);
        QVERIFY(part<Replay>(window()).timer()->isActive());
        QCOMPARE(openPanels(), "");
        QCOMPARE(accessibleName(focus()), "Moves menu");
        keys(Qt::CTRL | Qt::Key_Q);
        QCOMPARE(m_rig->ended, 1);
    }


    // The window reaches assistive technology as a frame named by its title. Everything in its tree
    // has a name, with the panels open as well; every group's children, the holes 1 to 37 among
    // them, stand in the order the player reads them on the screen, and Tab goes in that order too.
    void assistiveTechnologyReadsTheWindowAsThePlayerDoes()
    {
        startShown();
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&window());
        QCOMPARE(frame->role(), QAccessible::Window);
        QCOMPARE(frame->text(QAccessible::Name), "The Dorv 1.0");

        // `later` reads after `earlier`: on the same line and to the right, or on a line below.
        const auto readsAfter = [](const QRect& earlier, const QRect& later) {
            const bool sameLine = later.top() <= earlier.bottom() && earlier.top() <= later.bottom();
            return sameLine ? later.left() > earlier.left() : later.top() > earlier.bottom();
        };
        QStringList unnamed, misplaced;
        QList<int> holes;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            const QString name = node->object() ? node->object()->objectName() : QStringLiteral("?");
            if (node->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << name;
            QRect previous;
            for (int n = 0; n < node->childCount(); ++n) {
                QAccessibleInterface* child = node->child(n);
                QVERIFY(child && node->indexOfChild(child) == n);
                if (auto* hole = qobject_cast<PictureControl*>(child->object()); hole && hole->objectName() == "Image1")
                    holes << hole->index();
                // Out of sight (the code-word box), a control has no place to be read in.
                if (!child->state().invisible) {
                    if (previous.isValid() && !readsAfter(previous, child->rect()))
                        misplaced << child->object()->objectName();
                    previous = child->rect();
                }
                walk(child);
            }
        };
        walk(frame);
        QCOMPARE(unnamed, QStringList());
        QCOMPARE(misplaced, QStringList());
        QList<int> inOrder(kHoleCount);
        std::iota(inOrder.begin(), inOrder.end(), 1);
        QCOMPARE(holes, inOrder);
        // With GAME's panel and the Sound panel open.
        QVERIFY(tabTo("Game menu"));
        press(" ");
        QVERIFY(tabTo("Sound"));
        press(" ");
        QCOMPARE(openPanels(), "men men1");
        unnamed.clear();
        walk(frame);
        QCOMPARE(unnamed, QStringList());
        keys(QKeyCombination(Qt::Key_Escape));
        QCOMPARE(openPanels(), "");

        // Tab from GAME round the window and back, each stop after the one before as the window reads.
        QVERIFY(tabTo("Game menu"));
        QWidget* const first = focus();
        QStringList round;
        QRect previous = QRect(first->mapTo(&window(), QPoint(0, 0)), first->size());
        for (int n = 0; n < 40; ++n) {
            QTest::keyClick(focus(), Qt::Key_Tab);
            if (focus() == first)
                break;
            const QRect at(focus()->mapTo(&window(), QPoint(0, 0)), focus()->size());
            round << accessibleName(focus());
            QVERIFY2(readsAfter(previous, at), qPrintable(round.join(", ")));
            previous = at;
        }
        QCOMPARE(focus(), first);
        QCOMPARE(round.size(), 14);
    }

    void everyControlIsNamedForAssistiveTechnology()
    {
        startShown();
        const QStringList buttons = {"Image7 Game menu", "Image19 Moves menu", "Image18 Undo last move",
                                     "Image5 High scores", "Image8 New game", "Image9 Load game",
                                     "Image10 Save game", "Image11 Sound", "Image14 Music",
                                     "Image17 Quit", "Image12 Sound on", "Image13 Sound off",
                                     "Image15 Music on", "Image16 Music off", "Image22 View the moves",
                                     "Image21 Save moves", "Image20 Load moves"};
        for (const QString& button : buttons) {
            auto* control = m_rig->find<PictureControl>(button.section(' ', 0, 0));
            QCOMPARE(accessibleName(control), button.section(' ', 1));
            QCOMPARE(control->toolTip(), button.section(' ', 1));
            const bool onOrOff = QStringList({"Image12", "Image13", "Image15", "Image16"}).contains(control->objectName());
            QCOMPARE(accessibleRole(control), onOrOff ? QAccessible::RadioButton : QAccessible::Button);
        }
        // A button tells its key.
        QCOMPARE(QAccessible::queryAccessibleInterface(m_rig->find("Image21"))->text(QAccessible::Accelerator), "Ctrl+Shift+S");
        QStringList balls, boards;
        for (PictureControl* choice : window().findChildren<PictureControl*>("Image2"))
            if (choice->index() < 7 && accessibleRole(choice) == QAccessible::RadioButton)
                balls << accessibleName(choice);
        for (PictureControl* choice : window().findChildren<PictureControl*>("Image23"))
            if (accessibleRole(choice) == QAccessible::RadioButton)
                boards << accessibleName(choice);
        QCOMPARE(balls, QStringList({"Eyeball on legs", "Blue ball", "Eight ball", "Christmas bauble", "Football",
                                     "Green blob with eyes", "The Earth"}));
        QCOMPARE(boards, QStringList({"Octagonal lacquer board", "Square grey board", "Round silver board"}));
        QCOMPARE(accessibleRole(m_rig->find("Image6")), QAccessible::Graphic);
        QCOMPARE(accessibleRole(m_rig->find("men")), QAccessible::Grouping);
        QCOMPARE(accessibleName(m_rig->find("men3")), "Moves");

        // A hole's name tells its number and what it holds, and follows the game.
        QCOMPARE(accessibleName(m_rig->hole(19)), "Hole 19, ball");
        QCOMPARE(accessibleRole(m_rig->hole(19)), QAccessible::Button);
        press("R L ");
        QCOMPARE(accessibleName(m_rig->hole(19)), "Hole 19, empty");
        QCOMPARE(accessibleName(m_rig->hole(18)), "Hole 18, ball, selected");
        // Pressing a button through assistive technology is a click on it.
        QAccessibleInterface* undo = QAccessible::queryAccessibleInterface(m_rig->find("Image18"));
        QVERIFY(undo->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        undo->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(accessibleName(m_rig->hole(19)), "Hole 19, ball");

        // The code-word box and its button stand outside every screen: told as invisible.
        for (const char* hidden : {"Text1", "Command1"}) {
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(m_rig->find(hidden));
            QVERIFY(control->state().invisible && control->state().offscreen);
            QCOMPARE(control->text(QAccessible::Name), "Code word");
        }
    }

    void theMovesPrintToAPdfFileAndAFailedPrintIsTold()
    {
        startShown();
        press("R LL RR ");
        // The moves window's Print, reached with Ctrl+T, prints to the program's printer (here a PDF file).
        whenModal([](QWidget* box) {
            box->findChild<QPushButton*>("Command2")->click();
            box->close();
        });
        keys(Qt::CTRL | Qt::Key_T);
        QVERIFY(m_rig->prompts.asked.isEmpty());
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed: the printed text cannot be read back");
        const auto printed = [&pdftotext](const QString& pdf) {
            QProcess reader;
            reader.start(pdftotext, {"-layout", pdf, "-"});
            return reader.waitForFinished(30000) ? QString::fromUtf8(reader.readAllStandardOutput()).simplified() : "";
        };
        QVERIFY2(printed(m_rig->pdfPath).contains("The board 1 2 3 4 5 6 7 8 9 10 11"), qPrintable(printed(m_rig->pdfPath)));
        QVERIFY(printed(m_rig->pdfPath).contains("Moved 17 to 19"));

        // Without a printer of its own, the program loads the print module, and Print goes through
        // the print dialog, which prints to a PDF file.
        const std::unique_ptr<MovesPrinter> printer = MovesPrinter::load();
        QVERIFY(printer);
        const QString chosen = m_rig->file("chosen.pdf");
        QString dialogTitle;
        whenModal([&](QWidget* dialog) {
            dialogTitle = dialog->metaObject()->className();
            auto* printers = dialog->findChild<QComboBox*>("printers");
            printers->setCurrentIndex(printers->findText("Print to File (PDF)"));
            dialog->findChild<QLineEdit*>("filename")->setText(chosen);
            static_cast<QDialog*>(dialog)->accept();
        });
        MovesWindow("The board\nMoved 30 to 17", printer.get(), &m_rig->prompts, &window(), MovesWindow::Printing::ThroughDialog)
            .Command2_Click();
        QCOMPARE(dialogTitle, "QPrintDialog");
        QVERIFY(printed(chosen).contains("The board Moved 30 to 17"));
        QVERIFY(m_rig->prompts.asked.isEmpty());

        // A print that cannot be written says so, as a failed save does.
        QtMovesPrinter unwritable(std::make_unique<QPrinter>());
        unwritable.printer().setOutputFileName(m_rig->file("missing-folder/moves.pdf"));
        MovesWindow("The board", &unwritable, &m_rig->prompts).Command2_Click();
        QCOMPARE(m_rig->prompts.last("message"), "The Dorv / The printed moves could not be saved to the file\n"
                                                     + m_rig->file("missing-folder/moves.pdf")
                                                     + "\n\nNo such file or directory / Critical");
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
