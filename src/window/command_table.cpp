#include "window/command_table.h"

#include <QAction>
#include <QActionGroup>
#include <QHash>
#include <QMenu>
#include <QWidget>

namespace {
constexpr QKeyCombination kNoKey = QKeyCombination::fromCombined(0);

struct Row {
    const char* id;
    const char* text;
    QKeyCombination key = kNoKey;
    // What the help says the key does; none: the text.
    const char* help = nullptr;
    bool checkable = false;
    // The checkable commands of one group exclude each other.
    const char* group = nullptr;
};

// The keys of the board and of moving between the controls, which are no commands.
const char* const kBoardKeys[][2] = {
    {"Arrow keys", "Move the ring over the holes"},
    {"Space, Enter", "Play the hole under the ring"},
    {"Home", "The ring to the centre hole"},
    {"Tab, Shift+Tab", "Move through the board and the commands"},
};

const Row kRows[] = {
    {"vhint", "&Hint: show the best next jump", Qt::Key_H,
     "Hint: mark the best next jump and say the best finish still possible"},
    {"newGame", "New game", Qt::CTRL | Qt::Key_N},
    {"loadGame", "Load game", Qt::CTRL | Qt::Key_O},
    {"saveGame", "Save game", Qt::CTRL | Qt::Key_S},
    {"undo", "Undo last move", Qt::CTRL | Qt::Key_Z, "Undo last move (UNDO)"},
    {"loadMoves", "Load moves", Qt::CTRL | Qt::SHIFT | Qt::Key_O},
    {"saveMoves", "Save moves", Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    {"vboard", "&View moves been played on the board", Qt::CTRL | Qt::Key_R,
     "Replay the moves on the board, one a second"},
    {"vtext", "&View the moves played in text mode", Qt::CTRL | Qt::Key_T, "The moves as text, to read or print"},
    {"highScores", "High scores", Qt::CTRL | Qt::Key_H, "High Scores"},
    {"quit", "Quit", Qt::CTRL | Qt::Key_Q},
    // A key switches the sound or the music either way; checked while it is on.
    {"sound", "Sound on or off", Qt::Key_S, nullptr, true},
    {"music", "Music on or off", Qt::Key_M, nullptr, true},
    // The balls of the chooser, numbered as they stand from left to right.
    {"ball0", "Eyeball on legs", Qt::Key_1, "Ball: Eyeball on legs", true, "balls"},
    {"ball1", "Blue ball", Qt::Key_2, "Ball: Blue ball", true, "balls"},
    {"ball2", "Eight ball", Qt::Key_3, "Ball: Eight ball", true, "balls"},
    {"ball4", "Football", Qt::Key_4, "Ball: Football", true, "balls"},
    {"ball5", "Green blob with eyes", Qt::Key_5, "Ball: Green blob with eyes", true, "balls"},
    {"ball3", "Christmas bauble", Qt::Key_6, "Ball: Christmas bauble", true, "balls"},
    {"ball6", "The Earth", Qt::Key_7, "Ball: The Earth", true, "balls"},
    {"nextBoard", "Next board", Qt::Key_B},
    {"previousBoard", "Previous board", Qt::SHIFT | Qt::Key_B},
    {"closePanels", "Close panels", Qt::Key_Escape, "Close the open panel"},
    {"codeWord", "Code word", Qt::ALT | Qt::Key_C, "Type a code word for a hidden ball"},
    // The window's zoom: everything in it larger or smaller, or back to its own size.
    {"zoomIn", "Zoom in", Qt::CTRL | Qt::Key_Plus, "A larger window"},
    {"zoomOut", "Zoom out", Qt::CTRL | Qt::Key_Minus, "A smaller window"},
    {"zoomReset", "Actual size", Qt::CTRL | Qt::Key_0, "The window at its own size"},
    {"help", "Help", Qt::Key_F1, "This help"},
    {"about", "About", Qt::SHIFT | Qt::Key_F1, "About The Dorv"},
    // The buttons that open the panels, the panels' switches and View, and the boards.
    {"gameMenu", "Game menu"},
    {"movesMenu", "Moves menu"},
    {"soundMenu", "Sound"},
    {"musicMenu", "Music"},
    {"soundOn", "Sound on", kNoKey, nullptr, true, "sound"},
    {"soundOff", "Sound off", kNoKey, nullptr, true, "sound"},
    {"musicOn", "Music on", kNoKey, nullptr, true, "music"},
    {"musicOff", "Music off", kNoKey, nullptr, true, "music"},
    {"viewMoves", "View the moves"},
    {"board0", "Octagonal lacquer board", kNoKey, nullptr, true, "boards"},
    {"board1", "Square grey board", kNoKey, nullptr, true, "boards"},
    {"board2", "Round silver board", kNoKey, nullptr, true, "boards"},
};

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
        auto* action = new QAction(QString::fromLatin1(row.text), form);
        action->setObjectName(QString::fromLatin1(row.id));
        action->setShortcut(QKeySequence(row.key));
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
    action(QStringLiteral("zoomIn"))->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    // The menu's entries are its own.
    m_view->setObjectName(QStringLiteral("view"));
    for (const char* id : {"vboard", "vtext", "", "vhint"}) {
        if (!*id) {
            m_view->addSeparator();
            continue;
        }
        action(QString::fromLatin1(id))->setParent(m_view);
        m_view->addAction(action(QString::fromLatin1(id)));
    }
}

QAction* CommandTable::action(const QString& id) const
{
    for (QAction* action : m_actions)
        if (action->objectName() == id)
            return action;
    qFatal("The window has no command %s", qPrintable(id));
}

QList<CommandTable::Key> CommandTable::keys() const
{
    QList<Key> keys;
    for (const auto& [key, does] : kBoardKeys)
        keys.append({QString::fromLatin1(key), QString::fromLatin1(does)});
    for (qsizetype n = 0; n < m_actions.size(); ++n)
        if (!m_actions[n]->shortcut().isEmpty())
            keys.append({keyText(m_actions[n]->shortcut()), QString::fromLatin1(kRows[n].help ? kRows[n].help : kRows[n].text)});
    return keys;
}

void CommandTable::showSwitches(bool sound, bool music)
{
    action(QStringLiteral("sound"))->setChecked(sound);
    action(sound ? QStringLiteral("soundOn") : QStringLiteral("soundOff"))->setChecked(true);
    action(QStringLiteral("music"))->setChecked(music);
    action(music ? QStringLiteral("musicOn") : QStringLiteral("musicOff"))->setChecked(true);
}
