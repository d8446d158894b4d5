#include "rules/game.h"

#include "board/jump_table.h"
#include "rules/score_number.h"

bool Game::isFramed(HoleNumber hole) const { return m_state.selstate == 1 && hole == m_state.selhole; }

std::string Game::counter() const { return ScoreNumber::format(m_score); }

bool Game::jumpLeft() const
{
    for (const JumpTable::Jump& jump : JumpTable::instance().jumps())
        if (m_board.hasBall(jump.origin) && m_board.hasBall(jump.jumped) && m_board.isEmpty(jump.destination))
            return true;
    return false;
}

std::optional<HoleNumber> Game::knownStart() const
{
    const auto start = parseHoleNumber(m_history.startHole());
    if (!start || m_state.firstball == 1)
        return std::nullopt;
    Board played;
    played.fill();
    played.empty(*start);
    if (!historyLeadsFrom(played))
        return std::nullopt;
    return start;
}

std::optional<Board> Game::knownStartPosition() const
{
    if (m_puzzleStart)
        return historyLeadsFrom(*m_puzzleStart) ? m_puzzleStart : std::nullopt;
    const auto start = knownStart();
    if (!start)
        return std::nullopt;
    Board board;
    board.fill();
    board.empty(*start);
    return board;
}

bool Game::historyLeadsFrom(Board played) const
{
    for (std::size_t k = 0; k < m_history.count(); ++k) {
        const auto origin = parseHoleNumber(m_history.origin(k));
        const auto text = m_history.destination(k);
        const auto destination = text ? parseHoleNumber(*text) : std::nullopt;
        const auto jumped = origin && destination ? JumpTable::instance().jumped(*origin, *destination) : std::nullopt;
        if (!jumped || !played.hasBall(*origin) || !played.hasBall(*jumped) || !played.isEmpty(*destination))
            return false;
        played.empty(*origin);
        played.empty(*jumped);
        played.putBall(*destination);
    }
    return played == m_board;
}

Game::Shown Game::shown() const
{
    Shown now;
    for (HoleNumber n = 1; n <= kHoleCount; ++n) {
        now.balls[static_cast<std::size_t>(n)] = m_board.hasBall(n);
        if (isFramed(n))
            now.framed = n;
    }
    return now;
}

MoveOutcome Game::outcome(MoveOutcome::Kind kind, const Shown& before) const
{
    MoveOutcome result = everyHole(kind);
    result.holes.reset();
    const Shown after = shown();
    for (HoleNumber n = 1; n <= kHoleCount; ++n) {
        const auto k = static_cast<std::size_t>(n);
        if (before.balls[k] != after.balls[k] || (before.framed == n) != (after.framed == n))
            result.holes.set(k);
    }
    return result;
}

MoveOutcome Game::unchanged() const
{
    MoveOutcome result = everyHole(MoveOutcome::Kind::Nothing);
    result.holes.reset();
    return result;
}

MoveOutcome Game::everyHole(MoveOutcome::Kind kind) const
{
    MoveOutcome result;
    result.kind = kind;
    result.holes.set();
    result.holes.reset(0);
    result.score = m_score;
    result.jumpLeft = jumpLeft();
    return result;
}

void Game::dropSelection()
{
    m_state.selstate = 0;
    m_state.selhole = 0;
}

MoveOutcome Game::click(HoleNumber hole)
{
    MoveOutcome outcome = play(hole);
    if (outcome.kind == MoveOutcome::Kind::StartingRemoval || outcome.kind == MoveOutcome::Kind::Jump)
        m_undone.clear();
    return outcome;
}

MoveOutcome Game::redo()
{
    if (!canRedo())
        return unchanged();
    const Undone move = m_undone.back();
    m_undone.pop_back();
    if (move.origin == 0)
        return play(move.destination);
    // The jump as two clicks would play it, whatever was selected; a jump reports every hole
    // whose frame changed, the frame let go included.
    const Shown before = shown();
    m_state.selstate = 1;
    m_state.selhole = move.origin;
    m_state.fromhole = move.origin;
    MoveOutcome jump = play(move.destination);
    jump.holes |= outcome(MoveOutcome::Kind::Nothing, before).holes;
    return jump;
}

MoveOutcome Game::play(HoleNumber hole)
{
    using Kind = MoveOutcome::Kind;
    if (!isHole(hole))
        return unchanged();
    const Shown before = shown();

    if (m_state.firstball == 1) {
        m_state.firstball = 0;
        m_board.empty(hole);
        m_prompt.clear();
        m_history.setStartHole(std::to_string(hole));
        MoveOutcome removal = outcome(Kind::StartingRemoval, before);
        removal.hole = hole;
        removal.sound = m_state.soundon == 1;
        return removal;
    }
    if (m_state.selstate == 0) {
        if (!m_board.hasBall(hole))
            return unchanged();
        m_state.selstate = 1;
        m_state.selhole = hole;
        m_state.fromhole = hole;
        MoveOutcome selection = outcome(Kind::Selection, before);
        selection.hole = hole;
        return selection;
    }
    if (hole == m_state.selhole) {
        dropSelection();
        MoveOutcome deselection = outcome(Kind::Deselection, before);
        deselection.hole = hole;
        return deselection;
    }
    if (!m_board.isEmpty(hole))
        return unchanged();
    m_state.emptybefore = static_cast<std::int16_t>(1 + m_board.emptyCount());
    const HoleNumber origin = m_state.selhole;
    const auto jumped = JumpTable::instance().jumped(origin, hole);
    if (jumped) {
        if (!m_board.hasBall(*jumped))
            return unchanged();
        m_board.empty(*jumped);
        m_board.putBall(hole);
        m_board.empty(origin);
        dropSelection();
    }
    m_state.emptyafter = static_cast<std::int16_t>(1 + m_board.emptyCount());
    if (m_state.emptyafter == m_state.emptybefore)
        return unchanged();
    if (m_state.replaying != 1) {
        m_score = ScoreNumber::shown(m_score + 1);
        m_history.append(std::to_string(m_state.fromhole), std::to_string(hole));
    }
    MoveOutcome jump = outcome(Kind::Jump, before);
    jump.origin = origin;
    jump.jumped = *jumped;
    jump.destination = hole;
    jump.sound = m_state.soundon == 1;
    return jump;
}

// Taken back by the numbers, not looked up: an edited moves file may hold a pair that is no jump,
// and its move comes back as the difference of the two numbers says.
std::optional<int> Game::undoJumpedHole(int o, int d)
{
    switch (d - o) {
    case 2: return d - 1;
    case -2: return d + 1;
    case 10: return o < 16 ? o + 4 : o + 6;
    case -10: return o < 16 ? o - 6 : o - 4;
    case 13: return o < 16 ? o + 6 : o + 7;
    case -13: return o < 23 ? o - 7 : o - 6;
    case 14: return o + 7;
    case -14: return o - 7;
    default: return std::nullopt;
    }
}

MoveOutcome Game::undo()
{
    using Kind = MoveOutcome::Kind;
    const Shown before = shown();
    dropSelection();
    const std::string& start = m_history.startHole();
    // With no start hole there is nothing to take back, but a selection goes all the same; a
    // puzzle has no start hole, and its moves are taken back.
    const bool puzzleMove = m_puzzleStart && m_history.count() > 0;
    if (start.find_first_not_of(' ') == std::string::npos && !puzzleMove) {
        if (before.framed == 0)
            return unchanged();
        MoveOutcome deselection = outcome(Kind::Deselection, before);
        deselection.hole = before.framed;
        return deselection;
    }
    if (m_history.count() == 0) {
        const auto hole = parseHoleNumber(start);
        if (hole)
            m_board.putBall(*hole);
        // The removal can be played again when its hole is known; the jumps after it only then.
        if (m_state.firstball != 1) {
            if (hole)
                m_undone.push_back({0, *hole});
            else
                m_undone.clear();
        }
        m_prompt = kStartPrompt;
        m_state.firstball = 1;
        return outcome(Kind::Undo, before);
    }
    const std::size_t last = m_history.count() - 1;
    const auto origin = parseHoleNumber(m_history.origin(last));
    std::optional<HoleNumber> destination;
    if (const auto text = m_history.destination(last))
        destination = parseHoleNumber(*text);
    if (origin)
        m_board.putBall(*origin);
    if (destination)
        m_board.empty(*destination);
    if (origin && destination)
        if (const auto jumped = undoJumpedHole(*origin, *destination); jumped && isHole(*jumped))
            m_board.putBall(static_cast<HoleNumber>(*jumped));
    // A move of an edited file that is no jump cannot be played again.
    if (origin && destination && JumpTable::instance().jumped(*origin, *destination))
        m_undone.push_back({*origin, *destination});
    else
        m_undone.clear();
    m_history.removeLast();
    m_score = ScoreNumber::shown(m_score - m_score * 10 / 100 - 1);
    return outcome(Kind::Undo, before);
}

MoveOutcome Game::startNewGame()
{
    m_score = 0;
    m_board.fill();
    m_state.firstball = 1;
    m_prompt = kStartPrompt;
    m_history.clear();
    m_undone.clear();
    m_puzzleStart.reset();
    dropSelection();
    m_state.replaying = 0;
    return everyHole(MoveOutcome::Kind::NewGame);
}

MoveOutcome Game::startPuzzle(const Board& position)
{
    startNewGame();
    m_board = position;
    m_state.firstball = 0;
    m_prompt.clear();
    m_puzzleStart = position;
    return everyHole(MoveOutcome::Kind::NewGame);
}

MoveOutcome Game::loadPosition(const std::vector<PositionEntry>& entries)
{
    for (const PositionEntry& entry : entries) {
        switch (entry.kind) {
        case PositionEntry::Kind::Waiting:
            m_prompt = kStartPrompt;
            m_state.firstball = 1;
            break;
        case PositionEntry::Kind::Underway:
            m_prompt.clear();
            m_state.firstball = 0;
            break;
        case PositionEntry::Kind::Empty:
            m_board.empty(entry.hole);
            break;
        case PositionEntry::Kind::Ball:
            m_board.putBall(entry.hole);
            break;
        }
    }
    dropSelection();
    m_undone.clear();
    m_puzzleStart.reset();
    return everyHole(MoveOutcome::Kind::Loaded);
}

MoveOutcome Game::loadHistory(MoveHistory history)
{
    m_history = std::move(history);
    m_undone.clear();
    m_puzzleStart.reset();
    return everyHole(MoveOutcome::Kind::Loaded);
}

std::optional<MoveOutcome> Game::startReplay()
{
    std::optional<MoveOutcome> start;
    m_undone.clear();
    if (m_puzzleStart) {
        const Shown before = shown();
        m_board = *m_puzzleStart;
        dropSelection();
        start = outcome(MoveOutcome::Kind::Loaded, before);
    } else if (const auto hole = parseHoleNumber(m_history.startHole())) {
        start = click(*hole);
    }
    m_state.replaypos = 0;
    m_state.replaying = 1;
    return start;
}

std::optional<Game::ReplayMove> Game::nextReplayMove()
{
    const auto position = static_cast<std::size_t>(m_state.replaypos);
    if (m_state.replaypos < 0 || position >= m_history.count() || !m_history.destination(position)) {
        m_state.replaying = 0;
        return std::nullopt;
    }
    ++m_state.replaypos;
    return ReplayMove{parseHoleNumber(m_history.origin(position)), parseHoleNumber(*m_history.destination(position))};
}
