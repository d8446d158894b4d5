#include "solver/goal_solver.h"

#include "solver/jump_order.h"
#include "solver/position_class.h"

#include <algorithm>
#include <bit>
#include <limits>

using namespace JumpOrder;

namespace {
// The table's key is one for all the images of a position that keep the goal where it
// is while the board is nearly full, where they meet often; the position itself later, where they
// seldom do and finding the least image costs more than it saves.
constexpr int kSymmetricFrom = 30;
// How much a later round may raise a jump's merit at random.
constexpr std::uint64_t kStir = 4;
}

GoalSolver::GoalSolver(std::size_t tableBytes)
    : m_book(FinishBook::instance()), m_bounds(FinishBounds::instance()), m_pagodas(PagodaSet::instance()), m_table(tableBytes) {}

void GoalSolver::forget()
{
    m_table.clear();
    m_goalHole = -1;
}

void GoalSolver::aim(int goalHole)
{
    if (goalHole == m_goalHole)
        return;
    m_table.clear();
    m_goalHole = goalHole;
    m_symmetryCount = 0;
    const Bits goal = goalHole == 0 ? 0 : BitBoard::bitOf(static_cast<HoleNumber>(goalHole));
    for (int s = 0; s < 8; ++s)
        if (BitBoard::symmetry(goal, s) == goal)
            m_symmetries[static_cast<std::size_t>(m_symmetryCount++)] = s;
    m_goalValues = goalHole == 0 ? std::vector<int>{} : m_pagodas.values(goal);
    m_leads.clear();
    for (int f = 0; f < PagodaSet::count() && goalHole != 0; ++f) {
        if (PagodaSet::targetOf(f) != goalHole)
            continue;
        Lead lead;
        for (int hole = 1; hole <= kHoleCount; ++hole)
            lead.value[static_cast<std::size_t>(std::countr_zero(BitBoard::bitOf(static_cast<HoleNumber>(hole))))] = PagodaSet::valueOf(f, hole);
        lead.worth = PagodaSet::valueOf(f, goalHole);
        m_leads.push_back(lead);
    }
}

BitBoard::Bits GoalSolver::keyOf(Bits balls, int count) const
{
    if (count < kSymmetricFrom || m_symmetryCount == 1)
        return balls;
    if (m_symmetryCount == 8)
        return BitBoard::canonical(balls);
    Bits least = balls;
    for (int i = 1; i < m_symmetryCount; ++i)
        least = std::min(least, BitBoard::symmetry(balls, m_symmetries[static_cast<std::size_t>(i)]));
    return least;
}

GoalAnswer GoalSolver::solve(const std::array<bool, kHoleCount>& balls, int goalHole, const std::atomic<bool>* cancel,
                             std::uint64_t work)
{
    m_cancel = cancel;
    m_visited = 0;
    m_workEnd = work;
    m_stopped = false;
    GoalAnswer answer;
    answer.reach = GoalAnswer::Reach::No;
    if (goalHole < 0 || goalHole > kHoleCount)
        return answer;
    const Bits root = BitBoard::fromBalls(balls);
    const int count = std::popcount(root);
    const Bits goal = goalHole == 0 ? BitBoard::holes() : BitBoard::bitOf(static_cast<HoleNumber>(goalHole));
    if (count == 1) {
        if (root & goal)
            answer.reach = GoalAnswer::Reach::Yes;
        return answer;
    }
    const PositionClass positionClass(root);
    m_targets = positionClass.lastBallHoles() & goal;
    if (count == 0 || m_targets == 0)
        return answer;
    aim(goalHole);
    m_classIndex = positionClass.index();
    const FinishBounds::Values values = m_bounds.valuesOf(root);
    std::uint64_t roundSize = kFirstRound;
    for (std::uint64_t round = 0; !m_stopped; ++round, roundSize += roundSize / 2) {
        m_shuffle = round > 0 ? mix(round) : 0;
        m_roundEnd = m_visited + roundSize;
        const Result result = search(root, count, 0, values);
        if (result == Result::Yes) {
            answer.reach = GoalAnswer::Reach::Yes;
            for (int i = 0; i < m_lineLength; ++i)
                answer.line.push_back(jumpOf(m_line[static_cast<std::size_t>(i)]));
            return answer;
        }
        if (result == Result::No)
            return answer;
    }
    answer.reach = GoalAnswer::Reach::Unknown;
    return answer;
}

// Counts a visit; true when the round, the work or the caller says stop.
bool GoalSolver::visit()
{
    if (++m_visited >= m_workEnd || ((m_visited & 1023) == 0 && m_cancel && m_cancel->load(std::memory_order_relaxed)))
        m_stopped = true;
    return m_stopped || m_visited >= m_roundEnd;
}

// Whether `balls`, of finish-bound values `values`, reaches a last ball at one of m_targets;
// m_line holds the jumps to it from the root, `depth` of them.
GoalSolver::Result GoalSolver::search(Bits balls, int count, int depth, const FinishBounds::Values& values)
{
    if (count == 1) {
        if ((balls & m_targets) == 0)
            return Result::No;
        m_lineLength = depth;
        return Result::Yes;
    }
    if (visit())
        return Result::Stopped;
    // The finish bounds first: a few instructions, where the table costs a miss of the cache.
    if (m_bounds.rulesOut(m_classIndex, values, 1))
        return Result::No;
    // A nearly full board: the book knows whether any last ball is within reach.
    if (count == FinishBook::kBalls && m_book.bestFinish(balls) > 1)
        return Result::No;
    const Bits key = keyOf(balls, count);
    if (m_table.lowerBound(key) != 0)
        return Result::No;
    const bool ruledOut = m_goalHole == 0 ? m_pagodas.rulesOutLastBall(balls, m_targets) : m_pagodas.fallsShort(balls, m_goalValues);
    if (!ruledOut) {
        // Every jump's position is screened by the finish bounds first; of those left, the ones
        // with the most room above the bounds and the pagoda functions of the goal go first:
        // the likeliest to get down to a last ball there.
        int codes[kCodes];
        int open = 0;
        int room[kCodes];
        FinishBounds::Values after;
        const int jumps = openJumps(balls, codes);
        // How far the position is above each function leading to the goal (a few lead to each
        // hole; more than eight would only be left out of the order).
        std::array<int, 8> above{};
        const std::size_t leads = std::min(m_leads.size(), above.size());
        for (std::size_t f = 0; f < leads; ++f) {
            above[f] = -m_leads[f].worth;
            for (Bits b = balls; b; b &= b - 1)
                above[f] += m_leads[f].value[static_cast<std::size_t>(std::countr_zero(b))];
        }
        for (int j = 0; j < jumps; ++j) {
            if (count == 2)
                m_bounds.afterJump(values, originOf(codes[j]), directionOf(codes[j]), after);
            else if (m_bounds.rulesOutAfterJump(m_classIndex, values, originOf(codes[j]), directionOf(codes[j]), 1, after))
                continue;
            // The room above the finish bounds, and above the functions leading to the goal.
            int merit = m_bounds.slack(m_classIndex, after, 1);
            if (leads > 0) {
                const int origin = originOf(codes[j]);
                const int step = BitBoard::kSteps[static_cast<std::size_t>(directionOf(codes[j]))];
                int toGoal = std::numeric_limits<int>::max();
                for (std::size_t f = 0; f < leads; ++f) {
                    const auto value = [&](int index) { return m_leads[f].value[static_cast<std::size_t>(index)]; };
                    toGoal = std::min(toGoal, above[f] + value(origin + 2 * step) - value(origin) - value(origin + step));
                }
                merit += toGoal;
            }
            // Later rounds stir the order a little, so that a round that starts again does not
            // follow the last one into the same long dead end.
            if (m_shuffle)
                merit += static_cast<int>(mix(m_shuffle ^ balls ^ static_cast<std::uint64_t>(codes[j])) % kStir);
            room[open] = std::clamp(merit, 0, 255);
            codes[open++] = codes[j];
        }
        rank(balls, m_shuffle, codes, open, room);
        for (int j = 0; j < open; ++j) {
            m_line[static_cast<std::size_t>(depth)] = codes[j];
            m_bounds.afterJump(values, originOf(codes[j]), directionOf(codes[j]), after);
            const Result result = search(balls ^ maskOf(codes[j]), count - 1, depth + 1, after);
            if (result != Result::No)
                return result;
        }
    }
    m_table.store(key, 1);
    return Result::No;
}
