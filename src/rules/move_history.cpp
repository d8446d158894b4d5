#include "rules/move_history.h"

std::optional<std::string> MoveHistory::destination(std::size_t k) const
{
    if (k >= m_destinations.size())
        return std::nullopt;
    return m_destinations[k];
}

void MoveHistory::append(std::string origin, std::string destination)
{
    m_origins.push_back(std::move(origin));
    m_destinations.push_back(std::move(destination));
}

void MoveHistory::removeLast()
{
    if (m_origins.empty())
        return;
    const std::size_t last = m_origins.size() - 1;
    m_origins.pop_back();
    if (last < m_destinations.size())
        m_destinations.erase(m_destinations.begin() + static_cast<std::ptrdiff_t>(last));
}

void MoveHistory::clear()
{
    m_origins.clear();
    m_destinations.clear();
    m_startHole.clear();
}
