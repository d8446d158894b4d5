#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The moves of the game on the board in playing order: origins (List1), destinations (List2),
// and the hole whose ball was removed to start (Label3), all as the text they were written with.
class MoveHistory {
public:
    // The number of moves is the length of the origin list.
    std::size_t count() const { return m_origins.size(); }
    const std::string& origin(std::size_t k) const { return m_origins.at(k); }
    // The destination of move k, or none when the destination list is shorter (an edited moves file).
    std::optional<std::string> destination(std::size_t k) const;

    void append(std::string origin, std::string destination);
    void appendOrigin(std::string origin) { m_origins.push_back(std::move(origin)); }
    void appendDestination(std::string destination) { m_destinations.push_back(std::move(destination)); }
    // Removes the last move: the last origin and the destination at the same index, where there is one.
    void removeLast();
    void clear();

    const std::string& startHole() const { return m_startHole; }
    void setStartHole(std::string hole) { m_startHole = std::move(hole); }

    const std::vector<std::string>& origins() const { return m_origins; }
    const std::vector<std::string>& destinations() const { return m_destinations; }

private:
    std::vector<std::string> m_origins;
    std::vector<std::string> m_destinations;
    std::string m_startHole;
};
