#include "rules/game.h"

#include "board/jump_table.h"
#include "rules/score_number.h"

bool Game::isFramed(HoleNumber hole) const { return m_state.selstate == 1 && hole == m_state.selhole; }

void Game::changed()
{
    if (m_observer)
        m_observer->boardChanged();
}

void Game::sound()
{
    if (m_state.soundon == 1 && m_observer)
        m_observer->playsound();
}

void Game::dropSelection()
{
    m_state.selstate = 0;
    m_state.selhole = 0;
}

void Game::click(HoleNumber hole)
{
    if (m_observer)
        m_observer->hidePanels();
    if (!isHole(hole))
        return;

    if (m_state.firstball == 1) {
        m_state.firstball = 0;
        m_board.empty(hole);
        changed();
        sound();
        m_prompt.clear();
        m_history.setStartHole(std::to_string(hole));
        changed();
        return;
    }
    if (m_state.selstate == 0) {
        if (!m_board.hasBall(hole))
            return;
        m_state.selstate = 1;
        m_state.selhole = hole;
        m_state.fromhole = hole;
        changed();
        return;
    }
    if (hole == m_state.selhole) {
        dropSelection();
        changed();
        return;
    }
    if (!m_board.isEmpty(hole))
        return;
    m_state.emptybefore = static_cast<std::int16_t>(1 + m_board.emptyCount());
    if (const auto jumped = JumpTable::instance().jumped(m_state.selhole, hole)) {
        if (!m_board.hasBall(*jumped))
            return;
        m_board.empty(*jumped);
        m_board.putBall(hole);
        m_board.empty(m_state.selhole);
        dropSelection();
    }
    m_state.emptyafter = static_cast<std::int16_t>(1 + m_board.emptyCount());
    if (m_state.emptyafter == m_state.emptybefore)
        return;
    if (m_state.replaying != 1) {
        if (const auto value = ScoreNumber::parse(m_counter))
            m_counter = ScoreNumber::format(*value + 1);
        m_history.append(std::to_string(m_state.fromhole), std::to_string(hole));
    }
    changed();
    sound();
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

void Game::undo()
{
    if (m_observer)
        m_observer->hidePanels();
    const bool wasSelected = m_state.selstate != 0;
    dropSelection();
    const std::string& start = m_history.startHole();
    // With no start hole there is nothing to take back, but a selection goes all the same.
    if (start.find_first_not_of(' ') == std::string::npos) {
        if (wasSelected)
            changed();
        return;
    }
    if (m_history.count() == 0) {
        if (const auto hole = parseHoleNumber(start))
            m_board.putBall(*hole);
        m_prompt = kStartPrompt;
        m_state.firstball = 1;
        changed();
        return;
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
    m_history.removeLast();
    if (const auto v = ScoreNumber::parse(m_counter))
        m_counter = ScoreNumber::format(*v - *v * 10 / 100 - 1);
    changed();
}

void Game::startNewGame()
{
    // One character rather than the literal "0": GCC 12 warns, falsely, of an overlapping copy
    // (-Wrestrict) where an inlined assignment of a literal meets this function's other work.
    m_counter.assign(1, '0');
    m_board.fill();
    m_state.firstball = 1;
    m_prompt = kStartPrompt;
    m_history.clear();
    dropSelection();
    m_state.replaying = 0;
    changed();
}

void Game::loadPosition(const std::vector<PositionEntry>& entries)
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
    changed();
}

void Game::loadHistory(MoveHistory history)
{
    m_history = std::move(history);
    changed();
}

void Game::startReplay()
{
    if (const auto start = parseHoleNumber(m_history.startHole()))
        click(*start);
    m_state.replaypos = 0;
    m_state.replaying = 1;
}

bool Game::replayStep()
{
    const auto position = static_cast<std::size_t>(m_state.replaypos);
    if (m_state.replaypos < 0 || position >= m_history.count() || !m_history.destination(position)) {
        m_state.replaying = 0;
        return false;
    }
    const std::string origin = m_history.origin(position);
    const std::string destination = *m_history.destination(position);
    if (const auto hole = parseHoleNumber(origin))
        click(*hole);
    if (const auto hole = parseHoleNumber(destination))
        click(*hole);
    ++m_state.replaypos;
    return true;
}
