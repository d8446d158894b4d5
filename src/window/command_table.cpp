#include "window/command_table.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
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
    {QT_TRANSLATE_NOOP("CommandTable", "Arrow keys"), QT_TRANSLATE_NOOP("CommandTable", "Move the ring over the holes")},
    {QT_TRANSLATE_NOOP("CommandTable", "Space, Enter"), QT_TRANSLATE_NOOP("CommandTable", "Play the hole under the ring")},
    {QT_TRANSLATE_NOOP("CommandTable", "Home"), QT_TRANSLATE_NOOP("CommandTable", "The ring to the centre hole")},
    {QT_TRANSLATE_NOOP("CommandTable", "Tab, Shift+Tab"), QT_TRANSLATE_NOOP("CommandTable", "Move through the board and the commands")},
};

const Row kRows[] = {
    {"vhint", QT_TRANSLATE_NOOP("CommandTable", "&Hint: show the best next jump"), Qt::Key_H,
     QT_TRANSLATE_NOOP("CommandTable", "Hint: mark the best next jump and say the best finish still possible")},
    {"newGame", QT_TRANSLATE_NOOP("CommandTable", "New game"), Qt::CTRL | Qt::Key_N},
    {"loadGame", QT_TRANSLATE_NOOP("CommandTable", "Load game"), Qt::CTRL | Qt::Key_O},
    {"saveGame", QT_TRANSLATE_NOOP("CommandTable", "Save game"), Qt::CTRL | Qt::Key_S},
    {"undo", QT_TRANSLATE_NOOP("CommandTable", "Undo last move"), Qt::CTRL | Qt::Key_Z, QT_TRANSLATE_NOOP("CommandTable", "Undo last move (UNDO)")},
    {"loadMoves", QT_TRANSLATE_NOOP("CommandTable", "Load moves"), Qt::CTRL | Qt::SHIFT | Qt::Key_O},
    {"saveMoves", QT_TRANSLATE_NOOP("CommandTable", "Save moves"), Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    {"vboard", QT_TRANSLATE_NOOP("CommandTable", "&View moves been played on the board"), Qt::CTRL | Qt::Key_R,
     QT_TRANSLATE_NOOP("CommandTable", "Replay the moves on the board, one a second")},
    {"vtext", QT_TRANSLATE_NOOP("CommandTable", "&View the moves played in text mode"), Qt::CTRL | Qt::Key_T, QT_TRANSLATE_NOOP("CommandTable", "The moves as text, to read or print")},
    {"highScores", QT_TRANSLATE_NOOP("CommandTable", "High scores"), Qt::CTRL | Qt::Key_H, QT_TRANSLATE_NOOP("CommandTable", "High Scores")},
    {"quit", QT_TRANSLATE_NOOP("CommandTable", "Quit"), Qt::CTRL | Qt::Key_Q},
    // A key switches the sound or the music either way; checked while it is on.
    {"sound", QT_TRANSLATE_NOOP("CommandTable", "Sound on or off"), Qt::Key_S, nullptr, true},
    {"music", QT_TRANSLATE_NOOP("CommandTable", "Music on or off"), Qt::Key_M, nullptr, true},
    // The balls of the chooser, numbered as they stand from left to right.
    {"ball0", QT_TRANSLATE_NOOP("CommandTable", "Eyeball on legs"), Qt::Key_1, QT_TRANSLATE_NOOP("CommandTable", "Ball: Eyeball on legs"), true, "balls"},
    {"ball1", QT_TRANSLATE_NOOP("CommandTable", "Blue ball"), Qt::Key_2, QT_TRANSLATE_NOOP("CommandTable", "Ball: Blue ball"), true, "balls"},
    {"ball2", QT_TRANSLATE_NOOP("CommandTable", "Eight ball"), Qt::Key_3, QT_TRANSLATE_NOOP("CommandTable", "Ball: Eight ball"), true, "balls"},
    {"ball4", QT_TRANSLATE_NOOP("CommandTable", "Football"), Qt::Key_4, QT_TRANSLATE_NOOP("CommandTable", "Ball: Football"), true, "balls"},
    {"ball5", QT_TRANSLATE_NOOP("CommandTable", "Green blob with eyes"), Qt::Key_5, QT_TRANSLATE_NOOP("CommandTable", "Ball: Green blob with eyes"), true, "balls"},
    {"ball3", QT_TRANSLATE_NOOP("CommandTable", "Christmas bauble"), Qt::Key_6, QT_TRANSLATE_NOOP("CommandTable", "Ball: Christmas bauble"), true, "balls"},
    {"ball6", QT_TRANSLATE_NOOP("CommandTable", "The Earth"), Qt::Key_7, QT_TRANSLATE_NOOP("CommandTable", "Ball: The Earth"), true, "balls"},
    {"nextBoard", QT_TRANSLATE_NOOP("CommandTable", "Next board"), Qt::Key_B},
    {"previousBoard", QT_TRANSLATE_NOOP("CommandTable", "Previous board"), Qt::SHIFT | Qt::Key_B},
    {"closePanels", QT_TRANSLATE_NOOP("CommandTable", "Close panels"), Qt::Key_Escape, QT_TRANSLATE_NOOP("CommandTable", "Close the open panel")},
    {"codeWord", QT_TRANSLATE_NOOP("CommandTable", "Code word"), Qt::ALT | Qt::Key_C, QT_TRANSLATE_NOOP("CommandTable", "Type a code word for a hidden ball")},
    // The window's zoom: everything in it larger or smaller, or back to its own size.
    {"zoomIn", QT_TRANSLATE_NOOP("CommandTable", "Zoom in"), Qt::CTRL | Qt::Key_Plus, QT_TRANSLATE_NOOP("CommandTable", "A larger window")},
    {"zoomOut", QT_TRANSLATE_NOOP("CommandTable", "Zoom out"), Qt::CTRL | Qt::Key_Minus, QT_TRANSLATE_NOOP("CommandTable", "A smaller window")},
    {"zoomReset", QT_TRANSLATE_NOOP("CommandTable", "Actual size"), Qt::CTRL | Qt::Key_0, QT_TRANSLATE_NOOP("CommandTable", "The window at its own size")},
    {"help", QT_TRANSLATE_NOOP("CommandTable", "Help"), Qt::Key_F1, QT_TRANSLATE_NOOP("CommandTable", "This help")},
    {"about", QT_TRANSLATE_NOOP("CommandTable", "About"), Qt::SHIFT | Qt::Key_F1, QT_TRANSLATE_NOOP("CommandTable", "About The Dorv")},
    // The buttons that open the panels, the panels' switches and View, and the boards.
    {"gameMenu", QT_TRANSLATE_NOOP("CommandTable", "Game menu")},
    {"movesMenu", QT_TRANSLATE_NOOP("CommandTable", "Moves menu")},
    {"soundMenu", QT_TRANSLATE_NOOP("CommandTable", "Sound")},
    {"musicMenu", QT_TRANSLATE_NOOP("CommandTable", "Music")},
    {"soundOn", QT_TRANSLATE_NOOP("CommandTable", "Sound on"), kNoKey, nullptr, true, "sound"},
    {"soundOff", QT_TRANSLATE_NOOP("CommandTable", "Sound off"), kNoKey, nullptr, true, "sound"},
    {"musicOn", QT_TRANSLATE_NOOP("CommandTable", "Music on"), kNoKey, nullptr, true, "music"},
    {"musicOff", QT_TRANSLATE_NOOP("CommandTable", "Music off"), kNoKey, nullptr, true, "music"},
    {"viewMoves", QT_TRANSLATE_NOOP("CommandTable", "View the moves")},
    {"board0", QT_TRANSLATE_NOOP("CommandTable", "Octagonal lacquer board"), kNoKey, nullptr, true, "boards"},
    {"board1", QT_TRANSLATE_NOOP("CommandTable", "Square grey board"), kNoKey, nullptr, true, "boards"},
    {"board2", QT_TRANSLATE_NOOP("CommandTable", "Round silver board"), kNoKey, nullptr, true, "boards"},
};

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
        keys.append({translated(key), translated(does)});
    for (qsizetype n = 0; n < m_actions.size(); ++n)
        if (!m_actions[n]->shortcut().isEmpty())
            keys.append({keyText(m_actions[n]->shortcut()), translated(kRows[n].help ? kRows[n].help : kRows[n].text)});
    return keys;
}

void CommandTable::showSwitches(bool sound, bool music)
{
    action(QStringLiteral("sound"))->setChecked(sound);
    action(sound ? QStringLiteral("soundOn") : QStringLiteral("soundOff"))->setChecked(true);
    action(QStringLiteral("music"))->setChecked(music);
    action(music ? QStringLiteral("musicOn") : QStringLiteral("musicOff"))->setChecked(true);
}
