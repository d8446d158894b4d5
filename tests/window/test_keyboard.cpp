#include "support/window_rig.h"

#include "support/core_test_helpers.h"
#include "window/board_view.h"
#include "window/high_score_window.h"
#include "window/moves_window.h"

#include <QAccessible>

namespace {
// The game of the replay tests: 19 taken off, then 17 to 19, 30 to 17, 26 to 24 and 32 to 30.
const int kClicks[] = {19, 17, 19, 30, 17, 26, 24, 32, 30};
// The same game with the keys, from the cursor's first place (the centre): U D L R the arrows,
// space and E (Enter) a click; the first arrow only shows the cursor.
const char* const kKeys = "R LL RR DDLL UU DRR LLEDRR LL ";

// The name and the role that assistive technology reads for a widget.
QString accessibleName(QObject* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }
QAccessible::Role accessibleRole(QObject* widget) { return QAccessible::queryAccessibleInterface(widget)->role(); }

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
    // Starts a window, shown and active, with the keyboard focus on it as at start-up.
    void startShown()
    {
        m_rig = std::make_unique<WindowRig>();
        m_rig->start().show();
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QCOMPARE(QApplication::focusWidget(), &window());
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

private slots:
    void cleanup() { m_rig.reset(); }

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

    void theCommandKeysOpenTheirWindowsAndLeaveTheLettersToTheCodeWords()
    {
        startShown();
        // Escape closes the open panel.
        QTest::mouseClick(m_rig->find("Image19"), Qt::LeftButton);
        QCOMPARE(openPanels(), "men3");
        keys(Qt::Key_Escape);
        QCOMPARE(openPanels(), "");
        press("R LL RR ");

        QStringList opened;
        const auto look = [&opened](QWidget* box) {
            opened << box->windowTitle();
            box->close();
        };
        // The hall of fame opens once the key is done, as it does on the mouse button's release.
        whenModal(look, 200);
        keys(Qt::CTRL | Qt::Key_H);
        QTRY_COMPARE(opened, QStringList{window().highScoreWindow()->windowTitle()});
        whenModal(look);
        keys(Qt::CTRL | Qt::Key_T);
        QCOMPARE(opened.last(), "Moves");

        // F1: the help, and from it the About box; Shift+F1 goes there at once.
        QString help, about;
        whenModal([&](QWidget* box) {
            help = box->windowTitle() + "\n" + box->findChild<QTextBrowser*>("text")->toPlainText();
            whenModal([&](QWidget* aboutBox) {
                about = static_cast<QMessageBox*>(aboutBox)->text();
                aboutBox->close();
            });
            box->findChild<QPushButton*>("about")->click();
            box->close();
        });
        keys(Qt::Key_F1);
        QVERIFY2(help.startsWith("The Dorv Help\n"), qPrintable(help));
        for (const char* told : {"Every jump scores a point", "a tenth of the score, plus one", "five best",
                                 "Ctrl+Shift+S", "Shift+F1", "Arrow keys"})
            QVERIFY2(help.contains(told), told);
        for (const char* told : {"The Dorv 1.0", "MIT licence", "The artwork, the tune and the move sound were made for the game by The Dorv developers"})
            QVERIFY2(about.contains(told), told);
        about.clear();
        whenModal([&](QWidget* aboutBox) {
            about = aboutBox->windowTitle();
            aboutBox->close();
        });
        keys(Qt::SHIFT | Qt::Key_F1);
        QCOMPARE(about, "About The Dorv");

        // Alt+C and a code word still choose a hidden ball; Ctrl+Z undoes a move while the box has
        // the keyboard, and Escape gives the keyboard back to the board.
        keys(Qt::ALT | Qt::Key_C);
        QTRY_VERIFY(m_rig->find("Text1")->hasFocus());
        QTest::keyClicks(focus(), "ox");
        QCOMPARE(window().ballName(), "ball7");
        QCOMPARE(m_rig->game().history().count(), std::size_t(1));
        keys(Qt::CTRL | Qt::Key_Z);
        QCOMPARE(m_rig->game().history().count(), std::size_t(0));
        keys(Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), &window());
        press("D");
        QCOMPARE(board().cursor(), HoleNumber(26));

        press("HLL RR ");
        keys(Qt::CTRL | Qt::Key_R);
        QVERIFY(window().replay().timer()->isActive());
        keys(Qt::CTRL | Qt::Key_Q);
        QCOMPARE(m_rig->ended, 1);
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
            QCOMPARE(accessibleRole(control), QAccessible::Button);
        }
        QStringList balls, boards;
        for (PictureControl* choice : window().findChildren<PictureControl*>("Image2"))
            if (choice->index() < 7 && accessibleRole(choice) == QAccessible::Button)
                balls << accessibleName(choice);
        for (PictureControl* choice : window().findChildren<PictureControl*>("Image23"))
            if (accessibleRole(choice) == QAccessible::Button)
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

        // Without a printer of its own, Print goes through the print dialog, which prints to a PDF file.
        QPrinter printer;
        const QString chosen = m_rig->file("chosen.pdf");
        QString dialogTitle;
        whenModal([&](QWidget* dialog) {
            dialogTitle = dialog->metaObject()->className();
            auto* printers = dialog->findChild<QComboBox*>("printers");
            printers->setCurrentIndex(printers->findText("Print to File (PDF)"));
            dialog->findChild<QLineEdit*>("filename")->setText(chosen);
            static_cast<QDialog*>(dialog)->accept();
        });
        MovesWindow("The board\nMoved 30 to 17", &printer, &m_rig->prompts, &window(), MovesWindow::Printing::ThroughDialog)
            .Command2_Click();
        QCOMPARE(dialogTitle, "QPrintDialog");
        QVERIFY(printed(chosen).contains("The board Moved 30 to 17"));
        QVERIFY(m_rig->prompts.asked.isEmpty());

        // A print that cannot be written says so.
        printer.setOutputFileName(m_rig->file("missing-folder/moves.pdf"));
        MovesWindow("The board", &printer, &m_rig->prompts).Command2_Click();
        QCOMPARE(m_rig->prompts.last("message"),
                 "The Dorv / The moves could not be printed: the printer did not start the document. / Critical");
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
