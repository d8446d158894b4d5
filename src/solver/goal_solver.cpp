#include "solver/goal_solver.h"

#include "solver/jump_order.h"
#include "solver/position_class.h"

#include <algorithm>
#include <bit>

using namespace JumpOrder;

namespace {
// The forwards table's key is one for all the images of a position that keep the goal where it
// is while the board is nearly full, where they meet often; the position itself later, where they
// seldom do and finding the least image costs more than it saves.
constexpr int kSymmetricFrom = 30;
// The least balls for which the game is also searched backwards: from fewer, the forwards search
// settles it long before the backwards one, which starts from a full board, gets anywhere.
constexpr int kBackwardsFrom = 26;
}

GoalSolver::GoalSolver(std::size_t tableBytes)
    : m_bounds(FinishBounds::instance()), m_pagodas(PagodaSet::instance()), m_table(tableBytes - tableBytes / 4),
      m_reverseTable(tableBytes / 4) {}

void GoalSolver::forget()
{
    m_table.clear();
    m_reverseTable.clear();
    m_goalHole = -1;
    m_reverseGoal = 0;
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
    Bits backwardsOpen = count >= kBackwardsFrom ? m_targets : 0; // last-ball holes not yet ruled out backwards
    std::uint64_t roundSize = kFirstRound;
    for (std::uint64_t round = 0; !m_stopped; ++round, roundSize += roundSize / 2) {
        m_shuffle = round > 0 ? mix(round) : 0;
        m_roundEnd = backwardsOpen ? m_visited + roundSize : m_workEnd;
        Result result = forwards(root, count, 0, values);
        if (result == Result::Yes) {
            answer.reach = GoalAnswer::Reach::Yes;
            for (int i = 0; i < m_lineLength; ++i)
                answer.line.push_back(jumpOf(m_line[static_cast<std::size_t>(i)]));
            return answer;
        }
        if (result == Result::No)
            return answer;
        for (Bits open = backwardsOpen; open && !m_stopped; open &= open - 1) {
            const Bits last = open & -open;
            m_roundEnd = m_visited + roundSize;
            result = backwards(root, last);
            if (result == Result::Yes) {
                // The line was found backwards: its last jump is the game's first.
                answer.reach = GoalAnswer::Reach::Yes;
                for (int i = m_lineLength; i-- > 0;)
                    answer.line.push_back(jumpOf(m_line[static_cast<std::size_t>(i)]));
                return answer;
            }
            if (result == Result::No)
                backwardsOpen &= ~last;
        }
        if (backwardsOpen == 0 && count >= kBackwardsFrom) {
            // No hole can take the last ball.
            m_table.store(keyOf(root, count), 1);
            return answer;
        }
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
GoalSolver::Result GoalSolver::forwards(Bits balls, int count, int depth, const FinishBounds::Values& values)
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
    const Bits key = keyOf(balls, count);
    if (m_table.lowerBound(key) != 0)
        return Result::No;
    const bool ruledOut = m_goalHole == 0 ? m_pagodas.rulesOutLastBall(balls, m_targets) : m_pagodas.fallsShort(balls, m_goalValues);
    if (!ruledOut) {
        int codes[kCodes];
        const int jumps = ordered(balls, m_shuffle, codes);
        FinishBounds::Values after;
        for (int j = 0; j < jumps; ++j) {
            m_line[static_cast<std::size_t>(depth)] = codes[j];
            m_bounds.afterJump(values, originOf(codes[j]), directionOf(codes[j]), after);
            const Result result = forwards(balls ^ maskOf(codes[j]), count - 1, depth + 1, after);
            if (result != Result::No)
                return result;
        }
    }
    m_table.store(key, 1);
    return Result::No;
}

// The game from `root` to a single ball at `last`, played backwards: a jump taken back is the same
// jump on the board with balls and holes swapped, so the game read backwards on the swapped board
// runs from the single hole `last` to the holes of `root` empty, and its last jump is the game's
// first. Both ends are the same class, as their swapped images are.
GoalSolver::Result GoalSolver::backwards(Bits root, Bits last)
{
    const Bits goal = BitBoard::holes() & ~root;
    if (goal != m_reverseGoal) {
        m_reverseTable.clear();
        m_reverseGoal = goal;
        m_reverseGoalCount = std::popcount(goal);
        m_reverseGoalValues = m_pagodas.values(goal);
    }
    return reach(BitBoard::holes() & ~last, kHoleCount - 1, 0);
}

// One step of backwards(): whether `swapped`, of `count` balls, reaches m_reverseGoal.
GoalSolver::Result GoalSolver::reach(Bits swapped, int count, int depth)
{
    if (swapped == m_reverseGoal) {
        m_lineLength = depth;
        return Result::Yes;
    }
    if (count <= m_reverseGoalCount)
        return Result::No;
    if (visit())
        return Result::Stopped;
    if (m_reverseTable.lowerBound(swapped) != 0)
        return Result::No;
    if (!m_pagodas.fallsShort(swapped, m_reverseGoalValues)) {
        int codes[kCodes];
        const int jumps = ordered(swapped, m_shuffle, codes);
        for (int j = 0; j < jumps; ++j) {
            m_line[static_cast<std::size_t>(depth)] = codes[j];
            const Result result = reach(swapped ^ maskOf(codes[j]), count - 1, depth + 1);
            if (result != Result::No)
                return result;
        }
    }
    m_reverseTable.store(swapped, 1);
    return Result::No;
}
