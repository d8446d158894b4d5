#include "board/game.h"

#include "board/jump_table.h"
#include "records/saved_game_file.h"
#include "scoring/score_number.h"

bool Game::isFramed(int hole) const { return m_state.selstate == 1 && hole == m_state.selhole; }

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

void Game::Image1_Click(int index)
{
    if (m_observer)
        m_observer->hidePanels();
    // Only the board's own holes can be clicked; numbers from an edited moves file may be anything.
    if (!isHole(index))
        return;
    const auto hole = static_cast<HoleNumber>(index);

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
        if (m_board.isEmpty(hole))
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
        if (m_board.isEmpty(*jumped))
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

void Game::Image18_Click()
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
        if (const auto jumped = undoJumpedHole(*origin, *destination))
            m_board.putBall(*jumped);
    m_history.removeLast();
    if (const auto v = ScoreNumber::parse(m_counter))
        m_counter = ScoreNumber::format(*v - *v * 10 / 100 - 1);
    changed();
}

void Game::startNewGame()
{
    m_counter = "0";
    m_board.fill();
    m_state.firstball = 1;
    m_prompt = kStartPrompt;
    m_history.clear();
    dropSelection();
    m_state.replaying = 0;
    changed();
}

void Game::applySavedGame(const std::vector<SavedGameEntry>& entries)
{
    for (const SavedGameEntry& entry : entries) {
        switch (entry.kind) {
        case SavedGameEntry::Kind::Waiting:
            m_prompt = kStartPrompt;
            m_state.firstball = 1;
            break;
        case SavedGameEntry::Kind::Underway:
            m_prompt.clear();
            m_state.firstball = 0;
            break;
        case SavedGameEntry::Kind::Empty:
            m_board.empty(entry.hole);
            break;
        case SavedGameEntry::Kind::Ball:
            m_board.putBall(entry.hole);
            break;
        }
    }
    dropSelection();
    changed();
}

void Game::playmoves()
{
    if (const auto start = parseHoleNumber(m_history.startHole()))
        Image1_Click(*start);
    m_state.replaypos = 0;
    m_state.replaying = 1;
}

bool Game::Timer1_Timer()
{
    const auto position = static_cast<std::size_t>(m_state.replaypos);
    if (m_state.replaypos < 0 || position >= m_history.count() || !m_history.destination(position)) {
        m_state.replaying = 0;
        return false;
    }
    const std::string origin = m_history.origin(position);
    const std::string destination = *m_history.destination(position);
    if (const auto hole = parseHoleNumber(origin))
        Image1_Click(*hole);
    if (const auto hole = parseHoleNumber(destination))
        Image1_Click(*hole);
    ++m_state.replaypos;
    return true;
}
