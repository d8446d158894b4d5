// Helpers shared by the core's tests: a screen that counts what the controller asks of it, games set
// up by clicks or in a given position, a legal game, and the game as a line QCOMPARE can print.
#pragma once

#include "rules/game.h"
#include "board/jump_table.h"
#include "window/game_controller.h"
#include "records/saved_game_file.h"

#include <QByteArrayList>

#include <string>
#include <utility>
#include <vector>

namespace coretest {
using Jump = JumpTable::Jump;

// A screen that counts what the controller asks of the window, and keeps the order: P panels
// hidden, C shown, S sound.
struct Recorder : GameController::Screen {
    int panels = 0, changes = 0, sounds = 0;
    QByteArray log;
    void hidePanels() override { ++panels, log += 'P'; }
    void show(const Game&, const MoveOutcome::Holes&, bool) override { ++changes, log += 'C'; }
    void playMoveSound() override { ++sounds, log += 'S'; }
    // What was asked since the last call.
    QByteArray take() { return std::exchange(log, {}); }
};

// QCOMPARE prints QByteArray on a failure, std::string not.
inline QByteArray q(const std::string& text) { return QByteArray::fromStdString(text); }
inline std::string s(const QByteArray& bytes) { return bytes.toStdString(); }

inline QByteArray joined(const std::vector<std::string>& list)
{
    QByteArrayList out;
    for (const std::string& text : list)
        out << q(text);
    return out.join(' ');
}

// Adds "name value" to the parts of a summary line, or the value alone for no name; nothing for no value.
inline void add(QByteArrayList& parts, const char* name, const QByteArray& value)
{
    if (!value.isEmpty())
        parts << (*name ? name + (' ' + value) : value);
}

// A history as "start 19, from 17 30, to 19 17".
inline QByteArray summary(const MoveHistory& history)
{
    QByteArrayList parts;
    add(parts, "start", q(history.startHole()));
    add(parts, "from", joined(history.origins()));
    add(parts, "to", joined(history.destinations()));
    return parts.join(", ");
}

// A game as "empty 17 18, start 19, from 17, to 19, counter 1, selected 30"; "waiting" while the
// starting ball is to be removed and its prompt shows.
inline QByteArray summary(const Game& game)
{
    QByteArrayList parts, empty;
    for (int hole = 1; hole <= kHoleCount; ++hole)
        if (game.board().isEmpty(hole))
            empty << QByteArray::number(hole);
    add(parts, "empty", empty.join(' '));
    add(parts, "", summary(game.history()));
    add(parts, "counter", q(game.counter()));
    const GameState& state = game.state();
    if (state.firstball == 1 && game.prompt() == Game::kStartPrompt) {
        parts << "waiting";
    } else {
        add(parts, "firstball", state.firstball ? QByteArray::number(state.firstball) : "");
        add(parts, "prompt", q(game.prompt()));
    }
    add(parts, state.selstate == 1 ? "selected" : "selhole", state.selhole ? QByteArray::number(state.selhole) : "");
    return parts.join(", ");
}

// A new game, then a click on each hole of `clicks` ("19 17 19": start at 19, jump 17 to 19).
inline void play(Game& game, const QByteArray& clicks)
{
    game.startNewGame();
    for (const QByteArray& hole : clicks.split(' '))
        game.click(hole.toInt());
}

// A game under way with exactly the given holes empty, nothing selected, counter "0".
inline void setPosition(Game& game, const QList<int>& empty)
{
    std::vector<PositionEntry> entries{{PositionEntry::Kind::Underway}};
    for (int hole : empty)
        entries.push_back({PositionEntry::Kind::Empty, static_cast<HoleNumber>(hole)});
    game.startNewGame();
    game.loadPosition(entries);
}

// Plays `count` more jumps on `game`, trying the table's jumps depth first; false when no such game exists.
inline bool playLegalGame(Game& game, int count)
{
    if (count == 0)
        return true;
    for (const Jump& j : JumpTable::instance().jumps()) {
        Game next = game;
        next.click(j.origin);
        next.click(j.destination);
        if (next.history().count() > game.history().count() && playLegalGame(next, count - 1)) {
            game = next;
            return true;
        }
    }
    return false;
}
}
