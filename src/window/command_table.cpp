#include "window/command_table.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QHash>
#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace {
constexpr QKeyCombination kNoKey = QKeyCombination::fromCombined(0);

using Command = CommandTable::Command;

struct Row {
    Command command;
    const char* id;
    const char* text;
    // The key players have always had, and the platform's standard keys for the command besides.
    QKeyCombination key = kNoKey;
    // What the help says the key does; none: the text.
    const char* help = nullptr;
    bool checkable = false;
    // The checkable commands of one group exclude each other.
    const char* group = nullptr;
    QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
    // A second key of its own, which its help line names.
    QKeyCombination also = kNoKey;
};

// The keys of the board and of moving between the controls, which are no commands.
const char* const kBoardKeys[][2] = {
    {QT_TRANSLATE_NOOP("CommandTable", "Arrow keys"), QT_TRANSLATE_NOOP("CommandTable", "Move the ring over the holes")},
    {QT_TRANSLATE_NOOP("CommandTable", "Space, Enter"), QT_TRANSLATE_NOOP("CommandTable", "Play the hole under the ring")},
    {QT_TRANSLATE_NOOP("CommandTable", "Home"), QT_TRANSLATE_NOOP("CommandTable", "The ring to the centre hole")},
    {QT_TRANSLATE_NOOP("CommandTable", "Tab, Shift+Tab"), QT_TRANSLATE_NOOP("CommandTable", "Move through the board and the commands")},
};

constexpr Row kRows[] = {
    {Command::Hint, "vhint", QT_TRANSLATE_NOOP("CommandTable", "&Hint: show the best next jump"), Qt::Key_H,
     QT_TRANSLATE_NOOP("CommandTable", "Hint: mark the best next jump and say the best finish still possible")},
    {Command::BestLine, "bestLine", QT_TRANSLATE_NOOP("CommandTable", "Show the best &line from here"), Qt::Key_L,
     QT_TRANSLATE_NOOP("CommandTable", "Play the best line from here on the board, a jump a second; any key or click stops it")},
    {Command::Review, "review", QT_TRANSLATE_NOOP("CommandTable", "&Review the game"), Qt::Key_V,
     QT_TRANSLATE_NOOP("CommandTable", "Review the game: the best finish before and after each move, and where it was lost")},
    {Command::Puzzles, "puzzles", QT_TRANSLATE_NOOP("CommandTable", "&Puzzles..."), Qt::Key_P,
     QT_TRANSLATE_NOOP("CommandTable", "Choose a puzzle: a figure or a start to clear down to one ball, each proven solvable")},
    {Command::ShowSolution, "showSolution", QT_TRANSLATE_NOOP("CommandTable", "Show the puzzle's &solution"), Qt::SHIFT | Qt::Key_L,
     QT_TRANSLATE_NOOP("CommandTable", "In a puzzle: play its solution from its start on the board; any key or click stops it")},
    {Command::NewGame, "newGame", QT_TRANSLATE_NOOP("CommandTable", "New game"), Qt::CTRL | Qt::Key_N, nullptr, false, nullptr, QKeySequence::New},
    {Command::LoadGame, "loadGame", QT_TRANSLATE_NOOP("CommandTable", "Load game"), Qt::CTRL | Qt::Key_O, nullptr, false, nullptr, QKeySequence::Open},
    {Command::SaveGame, "saveGame", QT_TRANSLATE_NOOP("CommandTable", "Save game"), Qt::CTRL | Qt::Key_S, nullptr, false, nullptr, QKeySequence::Save},
    {Command::Undo, "undo", QT_TRANSLATE_NOOP("CommandTable", "Undo last move"), Qt::CTRL | Qt::Key_Z, QT_TRANSLATE_NOOP("CommandTable", "Undo last move (UNDO)"),
     false, nullptr, QKeySequence::Undo},
    {Command::Redo, "redo", QT_TRANSLATE_NOOP("CommandTable", "Redo the move taken back"), Qt::CTRL | Qt::SHIFT | Qt::Key_Z,
     QT_TRANSLATE_NOOP("CommandTable", "Play the move taken back again, also Ctrl+Y (it scores, the undo's cost stays)"), false, nullptr,
     QKeySequence::Redo, Qt::CTRL | Qt::Key_Y},
    {Command::LoadMoves, "loadMoves", QT_TRANSLATE_NOOP("CommandTable", "Load moves"), Qt::CTRL | Qt::SHIFT | Qt::Key_O},
    {Command::SaveMoves, "saveMoves", QT_TRANSLATE_NOOP("CommandTable", "Save moves"), Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    {Command::ViewOnBoard, "vboard", QT_TRANSLATE_NOOP("CommandTable", "&View moves been played on the board"), Qt::CTRL | Qt::Key_R,
     QT_TRANSLATE_NOOP("CommandTable", "Replay the moves on the board, one a second")},
    {Command::ViewAsText, "vtext", QT_TRANSLATE_NOOP("CommandTable", "&View the moves played in text mode"), Qt::CTRL | Qt::Key_T, QT_TRANSLATE_NOOP("CommandTable", "The moves as text, to read or print")},
    {Command::HighScores, "highScores", QT_TRANSLATE_NOOP("CommandTable", "High scores"), Qt::CTRL | Qt::Key_H, QT_TRANSLATE_NOOP("CommandTable", "High Scores")},
    {Command::Quit, "quit", QT_TRANSLATE_NOOP("CommandTable", "Quit"), Qt::CTRL | Qt::Key_Q, nullptr, false, nullptr, QKeySequence::Quit},
    // A key switches the sound or the music either way; checked while it is on.
    {Command::Sound, "sound", QT_TRANSLATE_NOOP("CommandTable", "Sound on or off"), Qt::Key_S, nullptr, true},
    {Command::Music, "music", QT_TRANSLATE_NOOP("CommandTable", "Music on or off"), Qt::Key_M, nullptr, true},
    // The balls of the chooser, numbered as they stand from left to right.
    {Command::Ball0, "ball0", QT_TRANSLATE_NOOP("CommandTable", "Eyeball on legs"), Qt::Key_1, QT_TRANSLATE_NOOP("CommandTable", "Ball: Eyeball on legs"), true, "balls"},
    {Command::Ball1, "ball1", QT_TRANSLATE_NOOP("CommandTable", "Blue ball"), Qt::Key_2, QT_TRANSLATE_NOOP("CommandTable", "Ball: Blue ball"), true, "balls"},
    {Command::Ball2, "ball2", QT_TRANSLATE_NOOP("CommandTable", "Eight ball"), Qt::Key_3, QT_TRANSLATE_NOOP("CommandTable", "Ball: Eight ball"), true, "balls"},
    {Command::Ball4, "ball4", QT_TRANSLATE_NOOP("CommandTable", "Football"), Qt::Key_4, QT_TRANSLATE_NOOP("CommandTable", "Ball: Football"), true, "balls"},
    {Command::Ball5, "ball5", QT_TRANSLATE_NOOP("CommandTable", "Green blob with eyes"), Qt::Key_5, QT_TRANSLATE_NOOP("CommandTable", "Ball: Green blob with eyes"), true, "balls"},
    {Command::Ball3, "ball3", QT_TRANSLATE_NOOP("CommandTable", "Christmas bauble"), Qt::Key_6, QT_TRANSLATE_NOOP("CommandTable", "Ball: Christmas bauble"), true, "balls"},
    {Command::Ball6, "ball6", QT_TRANSLATE_NOOP("CommandTable", "The Earth"), Qt::Key_7, QT_TRANSLATE_NOOP("CommandTable", "Ball: The Earth"), true, "balls"},
    {Command::NextBoard, "nextBoard", QT_TRANSLATE_NOOP("CommandTable", "Next board"), Qt::Key_B},
    {Command::PreviousBoard, "previousBoard", QT_TRANSLATE_NOOP("CommandTable", "Previous board"), Qt::SHIFT | Qt::Key_B},
    {Command::ClosePanels, "closePanels", QT_TRANSLATE_NOOP("CommandTable", "Close panels"), Qt::Key_Escape, QT_TRANSLATE_NOOP("CommandTable", "Close the open panel")},
    {Command::CodeWord, "codeWord", QT_TRANSLATE_NOOP("CommandTable", "Code word"), Qt::ALT | Qt::Key_C, QT_TRANSLATE_NOOP("CommandTable", "Type a code word for a hidden ball")},
    // The window's zoom: everything in it larger or smaller, or back to its own size.
    {Command::ZoomIn, "zoomIn", QT_TRANSLATE_NOOP("CommandTable", "Zoom in"), Qt::CTRL | Qt::Key_Plus, QT_TRANSLATE_NOOP("CommandTable", "A larger window"), false, nullptr,
     QKeySequence::ZoomIn},
    {Command::ZoomOut, "zoomOut", QT_TRANSLATE_NOOP("CommandTable", "Zoom out"), Qt::CTRL | Qt::Key_Minus, QT_TRANSLATE_NOOP("CommandTable", "A smaller window"), false, nullptr,
     QKeySequence::ZoomOut},
    {Command::ZoomReset, "zoomReset", QT_TRANSLATE_NOOP("CommandTable", "Actual size"), Qt::CTRL | Qt::Key_0, QT_TRANSLATE_NOOP("CommandTable", "The window at its own size")},
    {Command::Help, "help", QT_TRANSLATE_NOOP("CommandTable", "Help"), Qt::Key_F1, QT_TRANSLATE_NOOP("CommandTable", "This help"), false, nullptr,
     QKeySequence::HelpContents},
    {Command::About, "about", QT_TRANSLATE_NOOP("CommandTable", "About"), Qt::SHIFT | Qt::Key_F1, QT_TRANSLATE_NOOP("CommandTable", "About The Dorv")},
    // The buttons that open the panels, the panels' switches and View, and the boards.
    {Command::GameMenu, "gameMenu", QT_TRANSLATE_NOOP("CommandTable", "Game menu")},
    {Command::MovesMenu, "movesMenu", QT_TRANSLATE_NOOP("CommandTable", "Moves menu")},
    {Command::SoundMenu, "soundMenu", QT_TRANSLATE_NOOP("CommandTable", "Sound")},
    {Command::MusicMenu, "musicMenu", QT_TRANSLATE_NOOP("CommandTable", "Music")},
    {Command::SoundOn, "soundOn", QT_TRANSLATE_NOOP("CommandTable", "Sound on"), kNoKey, nullptr, true, "sound"},
    {Command::SoundOff, "soundOff", QT_TRANSLATE_NOOP("CommandTable", "Sound off"), kNoKey, nullptr, true, "sound"},
    {Command::MusicOn, "musicOn", QT_TRANSLATE_NOOP("CommandTable", "Music on"), kNoKey, nullptr, true, "music"},
    {Command::MusicOff, "musicOff", QT_TRANSLATE_NOOP("CommandTable", "Music off"), kNoKey, nullptr, true, "music"},
    {Command::ViewMoves, "viewMoves", QT_TRANSLATE_NOOP("CommandTable", "View the moves")},
    {Command::Board0, "board0", QT_TRANSLATE_NOOP("CommandTable", "Octagonal lacquer board"), kNoKey, nullptr, true, "boards"},
    {Command::Board1, "board1", QT_TRANSLATE_NOOP("CommandTable", "Square grey board"), kNoKey, nullptr, true, "boards"},
    {Command::Board2, "board2", QT_TRANSLATE_NOOP("CommandTable", "Round silver board"), kNoKey, nullptr, true, "boards"},
};

// The table holds every command once, in the order of the enumeration.
constexpr bool inOrder()
{
    if (std::size(kRows) != CommandTable::kCommands)
        return false;
    for (std::size_t n = 0; n < std::size(kRows); ++n)
        if (kRows[n].command != Command(n))
            return false;
    return true;
}
static_assert(inOrder(), "every command has one row, in the order of CommandTable::Command");

// A text of the table in the player's language.
QString translated(const char* text) { return QCoreApplication::translate("CommandTable", text); }

// A key as the help names it: "Ctrl+Shift+S"; Escape is spelt out.
QString keyText(const QKeySequence& keys)
{
    const QString text = keys.toString(QKeySequence::PortableText);
    return text == QLatin1String("Esc") ? QStringLiteral("Escape") : text;
}
}

CommandTable::CommandTable(QWidget* form)
    : QObject(form)
    , m_view(new QMenu(QStringLiteral("view"), form))
{
    QHash<QString, QActionGroup*> groups;
    for (const Row& row : kRows) {
        auto* action = new QAction(translated(row.text), form);
        action->setObjectName(QString::fromLatin1(row.id));
        // The key players know first (the help names it), then the platform's other keys for it.
        QList<QKeySequence> keys;
        for (const QKeyCombination key : {row.key, row.also})
            if (key != kNoKey)
                keys << QKeySequence(key);
        if (row.standard != QKeySequence::UnknownKey)
            for (const QKeySequence& standard : QKeySequence::keyBindings(row.standard))
                if (!keys.contains(standard))
                    keys << standard;
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setCheckable(row.checkable);
        if (row.group) {
            QActionGroup*& group = groups[QString::fromLatin1(row.group)];
            if (!group)
                group = new QActionGroup(this);
            group->addAction(action);
        }
        form->addAction(action);
        m_actions << action;
    }
    // Ctrl+plus is also Ctrl+= on the keyboards where plus takes Shift.
    QAction* zoomIn = action(Command::ZoomIn);
    zoomIn->setShortcuts(zoomIn->shortcuts() << QKeySequence(Qt::CTRL | Qt::Key_Equal));
    // The menu's entries are its own.
    m_view->setObjectName(QStringLiteral("view"));
    for (const Command command : {Command::ViewOnBoard, Command::ViewAsText, Command::Hint, Command::BestLine, Command::Review,
                                  Command::Puzzles, Command::ShowSolution}) {
        if (command == Command::Hint || command == Command::Puzzles)
            m_view->addSeparator();
        action(command)->setParent(m_view);
        m_view->addAction(action(command));
    }
}

QAction* CommandTable::action(Command command) const { return m_actions.at(qsizetype(command)); }

CommandTable::Command CommandTable::ball(int index)
{
    static constexpr Command kBalls[] = {Command::Ball0, Command::Ball1, Command::Ball2, Command::Ball3,
                                         Command::Ball4, Command::Ball5, Command::Ball6};
    return kBalls[std::clamp(index, 0, int(std::size(kBalls)) - 1)];
}

CommandTable::Command CommandTable::board(int index) { return Command(int(Command::Board0) + std::clamp(index, 0, 2)); }

QList<CommandTable::Key> CommandTable::keys() const
{
    QList<Key> keys;
    for (const auto& [key, does] : kBoardKeys)
        keys.append({translated(key), translated(does)});
    for (qsizetype n = 0; n < m_actions.size(); ++n)
        if (!m_actions[n]->shortcut().isEmpty())
            keys.append({keyText(m_actions[n]->shortcut()), translated(kRows[n].help ? kRows[n].help : kRows[n].text)});
    return keys;
}

void CommandTable::showSwitches(bool sound, bool music)
{
    action(Command::Sound)->setChecked(sound);
    action(sound ? Command::SoundOn : Command::SoundOff)->setChecked(true);
    action(Command::Music)->setChecked(music);
    action(music ? Command::MusicOn : Command::MusicOff)->setChecked(true);
}
