#include "solver/hint_solver.h"

#include "solver/finish_bounds.h"
#include "solver/jump_order.h"
#include "solver/pagoda_set.h"
#include "solver/position_class.h"

#include <algorithm>
#include <bit>

using namespace JumpOrder;

namespace {
using Bits = BitBoard::Bits;

// The table's key of a position: one for all its mirror images while the board is nearly full,
// where they meet often; the position itself later, where they seldom do and finding the least
// image would cost a quarter of the search.
constexpr int kSymmetricFrom = 30;
Bits keyOf(Bits balls, int count) { return count >= kSymmetricFrom ? BitBoard::canonical(balls) : balls; }

// The symmetries (BitBoard::symmetry(), as bits 1 to 7) that map `balls` onto itself.
unsigned symmetriesOf(Bits balls)
{
    unsigned out = 0;
    for (int s = 1; s < 8; ++s)
        if (BitBoard::symmetry(balls, s) == balls)
            out |= 1u << s;
    return out;
}

// The least image of `balls` under the symmetries of `symmetries` (from symmetriesOf()).
Bits leastImage(Bits balls, unsigned symmetries)
{
    Bits least = balls;
    for (; symmetries; symmetries &= symmetries - 1)
        least = std::min(least, BitBoard::symmetry(balls, std::countr_zero(symmetries)));
    return least;
}
}

HintSolver::HintSolver(std::size_t tableBytes, Book book)
    : m_book(book == Book::Use ? &FinishBook::instance() : nullptr), m_bounds(FinishBounds::instance()),
      m_pagodas(PagodaSet::instance()), m_table(tableBytes), m_reverseTable(std::min(tableBytes / 4, kReverseTableBytes)) {}

void HintSolver::forget()
{
    m_table.clear();
    m_reverseTable.clear();
    m_reverseGoal = 0;
}

void HintSolver::begin(const std::atomic<bool>* cancel, std::uint64_t work)
{
    m_cancel = cancel;
    m_visited = 0;
    m_workEnd = work;
    m_stopped = false;
}

Hint::Ending HintSolver::ending(bool proven) const
{
    if (proven)
        return Hint::Ending::Proven;
    return m_cancel && m_cancel->load() ? Hint::Ending::Cancelled : Hint::Ending::OutOfWork;
}

Hint HintSolver::bestMove(const Balls& balls, const std::atomic<bool>* cancel, std::uint64_t work)
{
    begin(cancel, work);
    const Outcome outcome = solve(BitBoard::fromBalls(balls));
    Hint hint;
    if (outcome.move >= 0)
        hint.jump = jumpOf(outcome.move);
    hint.ballsLeft = outcome.ballsLeft;
    hint.ending = ending(outcome.proven);
    return hint;
}

Hint HintSolver::bestMove(const Board& board, const std::atomic<bool>* cancel, std::uint64_t work)
{
    return bestMove(board.balls(), cancel, work);
}

Hint HintSolver::bestRemoval(const Balls& balls, const std::atomic<bool>* cancel, std::uint64_t work)
{
    begin(cancel, work);
    const Bits board = BitBoard::fromBalls(balls);
    Hint best;
    best.ballsLeft = BitBoard::count(board);
    // Only a ball can be taken off; the removals whose class allows a last ball first: one of
    // them reaching it ends the search.
    std::vector<HoleNumber> order;
    for (int hole = 1; hole <= kHoleCount; ++hole)
        if (balls[hole - 1])
            order.push_back(static_cast<HoleNumber>(hole));
    const auto without = [board](HoleNumber hole) { return board & ~BitBoard::bitOf(hole); };
    std::stable_partition(order.begin(), order.end(),
                          [&](HoleNumber hole) { return PositionClass(without(hole)).allowsOneBall(); });
    bool allProven = true;
    for (const HoleNumber hole : order) {
        const Outcome outcome = solve(without(hole));
        allProven = allProven && outcome.proven;
        if (!best.removal || outcome.ballsLeft < best.ballsLeft) {
            best.removal = hole;
            best.ballsLeft = outcome.ballsLeft;
        }
        // One ball is the least any game can leave.
        if (m_stopped || (outcome.proven && outcome.ballsLeft == 1))
            break;
    }
    best.ending = ending(best.ballsLeft == 1 || (allProven && !m_stopped));
    return best;
}

// The best finish from `balls`, settled from the best line seen down: each target, one ball below
// that line, is settled by a search that either finds a better line or proves that none gets down
// to the target. Lines are found quickly, so only the last target, the one out of reach, takes
// long; from below, every target under the finish would take a proof. The least the class, the
// table and the finish bounds allow ends it early.
// For a finish of up to four balls from a board of 20 balls or more the search goes in rounds of
// growing size. A round that does not settle it also tries every position of t balls of the
// class the finish bounds allow, searching the game backwards from there (see searchBackwards()),
// each for a share of the round; whichever way finishes first settles it. Forwards, proving t out
// of reach means trying every game down to the end; backwards, the game must arrive at one
// precise position, and the finish bounds cut off nearly every way that cannot: where the one
// takes tens of millions of positions the other takes a few hundred thousand. For a position of
// the finish book the finish is known, and only a line to it is looked for.
HintSolver::Outcome HintSolver::solve(Bits balls)
{
    const int count = std::popcount(balls);
    if (!BitBoard::anyJump(balls))
        return {count, -1, true};
    const PositionClass positionClass(balls);
    m_lastBallHoles = positionClass.lastBallHoles();
    m_classIndex = positionClass.index();
    greedyLine(balls, count);
    if (const int booked = m_book ? m_book->bestFinish(balls) : 0)
        return lineTo(balls, count, booked);
    const Bits key = keyOf(balls, count);
    int least = std::max(positionClass.allowsOneBall() ? 1 : 2, m_table.lowerBound(key));
    while (least < std::min(count, FinishBounds::kMostBalls + 1) && m_bounds.rulesOut(balls, least))
        ++least;
    const FinishBounds::Values values = m_bounds.valuesOf(balls);
    // The finishes of `backwardsFor` balls not yet ruled out, each looked for backwards.
    std::vector<Bits> backwards;
    int backwardsFor = 0;
    std::uint64_t roundSize = kFirstRound;
    for (int round = 0; m_bestSeen > least && !m_stopped;) {
        const int target = m_bestSeen - 1;
        const bool inRounds = target <= kBackwardsBalls && count >= kBackwardsFrom;
        m_shuffle = inRounds && round > 0 ? mix(static_cast<std::uint64_t>(round)) : 0;
        m_foundMove = -1;
        m_roundEnd = m_visited + (inRounds ? roundSize : kWholeSearch);
        const int reached = search(balls, count, target, 0, target <= FinishBounds::kMostBalls ? &values : nullptr, -1);
        if (m_stopped)
            break;
        if (reached != kStopped) {
            if (reached <= target) {
                m_bestSeen = reached;
                m_bestSeenMove = m_foundMove;
            } else {
                least = reached;
            }
            continue;
        }
        // The finishes are made once a round has not settled the target: most searches settle it
        // in the first.
        if (target != backwardsFor) {
            backwards = finishes(balls, target);
            backwardsFor = target;
            if (backwards.empty()) {
                m_table.store(key, target + 1);
                least = target + 1;
            }
        }
        for (std::size_t i = 0; i < backwards.size() && !m_stopped;) {
            m_roundEnd = m_visited + std::max(kBackwardsWeight * roundSize / backwards.size(), kLeastShare);
            const int found = searchBackwards(balls, backwards[i]);
            if (found == kStopped) {
                ++i;
                continue;
            }
            if (found >= 0) {
                m_bestSeen = target;
                m_bestSeenMove = found;
                break;
            }
            backwards.erase(backwards.begin() + static_cast<std::ptrdiff_t>(i));
            if (backwards.empty()) {
                // No game gets down to the target.
                m_table.store(key, target + 1);
                least = target + 1;
            }
        }
        ++round;
        roundSize += roundSize / 2;
    }
    return {m_bestSeen, m_bestSeenMove, m_bestSeen <= least};
}

// The positions of `t` balls of the class of `balls` that the finish bounds leave within its reach,
// one of each set of images under the symmetries that keep `balls` as it is: where one is
// reached, so are its images.
std::vector<HintSolver::Bits> HintSolver::finishes(Bits balls, int t) const
{
    const FinishBounds::Values values = m_bounds.valuesOf(balls);
    const unsigned symmetries = symmetriesOf(balls);
    std::vector<Bits> out;
    // Each set of t holes once, its holes in ascending order: `from` are the holes the next may
    // take, `sum` the values of those chosen.
    const auto add = [&](const auto& self, Bits chosen, Bits from, int more, const FinishBounds::Values& sum) -> void {
        if (more == 0) {
            if (PositionClass(chosen).index() == m_classIndex && !FinishBounds::fallsShort(values, sum)
                && leastImage(chosen, symmetries) == chosen)
                out.push_back(chosen);
            return;
        }
        FinishBounds::Values next;
        for (; from; from &= from - 1) {
            const Bits hole = from & -from;
            m_bounds.plusBall(sum, std::countr_zero(hole), next);
            self(self, chosen | hole, from & (from - 1), more - 1, next);
        }
    };
    add(add, 0, BitBoard::holes(), t, FinishBounds::Values{});
    return out;
}

// A line to a finish the book vouches for. Searching the jumps one after another, a jump that
// cannot reach the finish can take millions of positions to rule out while the next one would
// have found a line at once; so every jump still open gets a share of the search in turn, the
// shares doubling round by round, until one of them finds the line. A finish of a few balls is
// also looked for backwards after each round, which often finds the line far sooner.
HintSolver::Outcome HintSolver::lineTo(Bits balls, int count, int target)
{
    int codes[kCodes];
    const int jumps = ordered(balls, 0, codes);
    const FinishBounds::Values values = m_bounds.valuesOf(balls);
    const FinishBounds::Values* bounds = target <= FinishBounds::kMostBalls ? &values : nullptr;
    m_shuffle = 0;
    std::vector<Bits> backwards;
    for (std::uint64_t share = kFirstRound; !m_stopped; share *= 2) {
        int open = 0;
        for (int j = 0; j < jumps && !m_stopped; ++j) {
            if (codes[j] < 0)
                continue;
            m_roundEnd = m_visited + share;
            m_line[0] = codes[j];
            const int reached = search(balls ^ maskOf(codes[j]), count - 1, target, 1, bounds, codes[j]);
            if (reached != kStopped && reached <= target)
                return {reached, codes[j], true};
            if (reached == kStopped)
                ++open;
            else
                codes[j] = -1;
        }
        if (open == 0)
            break;
        // The finishes backwards too, as in solve().
        if (target <= kBackwardsBalls && share == kFirstRound)
            backwards = finishes(balls, target);
        for (std::size_t i = 0; i < backwards.size() && !m_stopped;) {
            m_roundEnd = m_visited + std::max(kBackwardsWeight * share * static_cast<std::uint64_t>(open) / backwards.size(), kLeastShare);
            const int found = searchBackwards(balls, backwards[i]);
            if (found >= 0)
                return {target, found, true};
            if (found == kStopped)
                ++i;
            else
                backwards.erase(backwards.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    // Stopped first. The book vouches for the finish, so a jump already ruled out for it is worse
    // than one still open, however good the line seen through it.
    const bool ruledOut = m_bestSeenMove < 0 || std::find(codes, codes + jumps, m_bestSeenMove) == codes + jumps;
    const auto open = std::find_if(codes, codes + jumps, [](int code) { return code >= 0; });
    if (ruledOut && open != codes + jumps)
        return {target, *open, false};
    return {m_bestSeen, m_bestSeenMove, false};
}

// Plays the most favoured jump until none is left: a first line to fall back on.
void HintSolver::greedyLine(Bits balls, int count)
{
    int codes[kCodes];
    m_shuffle = 0;
    m_bestSeenMove = -1;
    while (ordered(balls, m_shuffle, codes) > 0) {
        if (m_bestSeenMove < 0)
            m_bestSeenMove = codes[0];
        balls ^= maskOf(codes[0]);
        --count;
    }
    m_bestSeen = count;
}

// Counts a visit; true when the round, the work or the caller says stop.
bool HintSolver::visit()
{
    if (++m_visited >= m_workEnd || ((m_visited & 1023) == 0 && m_cancel && m_cancel->load(std::memory_order_relaxed)))
        m_stopped = true;
    return m_stopped || m_visited >= m_roundEnd;
}

// Whether this position can finish with at most `target` balls. Returns the balls left by a line
// that does (at most `target`), or else a number of balls the position is proven unable to go
// below (more than `target`); kStopped when the round ends first.
int HintSolver::search(Bits balls, int count, int target, int depth, const FinishBounds::Values* before, int jump)
{
    FinishBounds::Values values;
    const int screened = screen(balls, count, target, depth, before, jump, values);
    if (screened != kOpen)
        return screened;
    return expand(balls, count, target, depth, before ? &values : nullptr);
}

int HintSolver::screen(Bits balls, int count, int target, int depth, const FinishBounds::Values* before, int jump,
                       FinishBounds::Values& values)
{
    if (count <= target)
        return count;
    if (visit())
        return kStopped;
    if (count == FinishBook::kBalls && m_book && depth > 0)
        if (const int best = m_book->bestFinish(balls))
            return best;
    // The finish bounds first: they cost a few instructions where the table costs a miss of the
    // cache, and what they rule out is not stored, as they rule it out again at once. Their values
    // come from the position before the jump. Below the root, a position ruled out for the target
    // is only said to be unable to get down to it: the targets of a search only come down.
    if (before) {
        if (jump >= 0) {
            if (m_bounds.rulesOutAfterJump(m_classIndex, *before, originOf(jump), directionOf(jump), target, values))
                return target + 1;
        } else if (m_bounds.rulesOut(m_classIndex, *before, target)) {
            int bound = target + 1;
            while (bound <= FinishBounds::kMostBalls && bound < count && m_bounds.rulesOut(m_classIndex, *before, bound))
                ++bound;
            return bound;
        } else {
            values = *before;
        }
    }
    const Bits key = keyOf(balls, count);
    const int known = m_table.lowerBound(key);
    if (known > target)
        return known;
    // The pagoda functions of a last ball cost more than the table.
    if (target == 1 && m_pagodas.rulesOutLastBall(balls, m_lastBallHoles)) {
        m_table.store(key, 2);
        return 2;
    }
    return kOpen;
}

// Every jump's position is screened first, and only those left open are ranked and searched: most
// are settled by the table or the bounds, and ranking a jump costs more than screening it.
int HintSolver::expand(Bits balls, int count, int target, int depth, const FinishBounds::Values* mine)
{
    const Bits key = keyOf(balls, count);
    int codes[kCodes];
    const int jumps = openJumps(balls, codes);
    if (jumps == 0) {
        if (count < m_bestSeen) {
            m_bestSeen = count;
            m_bestSeenMove = m_line[0];
        }
        m_table.store(key, count);
        return count;
    }
    // The table's places for the positions that follow, fetched together rather than one miss
    // after another.
    if (count - 1 < kSymmetricFrom)
        for (int j = 0; j < jumps; ++j)
            m_table.prefetch(balls ^ maskOf(codes[j]));
    int least = kHoleCount + 1;
    int open = 0;
    int slack[kCodes];
    FinishBounds::Values values;
    for (int j = 0; j < jumps; ++j) {
        const int screened = screen(balls ^ maskOf(codes[j]), count - 1, target, depth + 1, mine, codes[j], values);
        if (screened == kStopped)
            return kStopped;
        if (screened == kOpen) {
            slack[open] = mine ? std::clamp(m_bounds.slack(m_classIndex, values, target), 0, 255) : 0;
            codes[open++] = codes[j];
            continue;
        }
        if (screened <= target) {
            if (depth == 0)
                m_foundMove = codes[j];
            return screened;
        }
        least = std::min(least, screened);
    }
    rank(balls, m_shuffle, codes, open, slack);
    for (int j = 0; j < open; ++j) {
        const Bits next = balls ^ maskOf(codes[j]);
        // A position searched before this one may have settled it.
        const int known = m_table.lowerBound(keyOf(next, count - 1));
        int reached = known;
        if (known <= target) {
            m_line[depth] = codes[j];
            if (mine)
                m_bounds.afterJump(*mine, originOf(codes[j]), directionOf(codes[j]), values);
            reached = expand(next, count - 1, target, depth + 1, mine ? &values : nullptr);
        }
        if (reached == kStopped)
            return kStopped;
        if (reached <= target) {
            if (depth == 0)
                m_foundMove = codes[j];
            return reached;
        }
        least = std::min(least, reached);
    }
    m_table.store(key, least);
    return least;
}

// A game from `balls` to the balls of `last` alone, played backwards: a jump taken back is the
// same jump on the board with balls and holes swapped, so the game read backwards on the swapped
// board runs from the holes of `last` empty to the holes of `balls` empty, and its last jump is
// the game's first. That is a way to a precise goal, which the finish bounds steer well. Returns
// the first jump of the game forwards, -1 when there is none, kStopped when the round ends first.
int HintSolver::searchBackwards(Bits balls, Bits last)
{
    const Bits goal = BitBoard::holes() & ~balls;
    if (goal != m_reverseGoal) {
        m_reverseTable.clear();
        m_reverseGoal = goal;
        m_reverseGoalBounds = m_bounds.valuesOf(goal);
        m_reverseSymmetries = symmetriesOf(goal);
    }
    m_reverseGoalCount = std::popcount(goal);
    const Bits start = BitBoard::holes() & ~last;
    const FinishBounds::Values values = m_bounds.valuesOf(start);
    if (FinishBounds::fallsShort(values, m_reverseGoalBounds))
        return -1;
    return reach(start, 0, values);
}

// One step of searchBackwards(): whether `swapped`, of finish-bound values `values`, reaches the
// goal. The finish bounds hold for jumps on any board: a position they value below the goal in
// one function cannot reach it.
int HintSolver::reach(Bits swapped, int depth, const FinishBounds::Values& values)
{
    if (swapped == m_reverseGoal)
        return depth > 0 ? m_line[depth - 1] : -1;
    if (BitBoard::count(swapped) <= m_reverseGoalCount)
        return -1;
    if (visit())
        return kStopped;
    // Positions that are images of each other under a symmetry of the goal reach it alike.
    const Bits key = m_reverseSymmetries ? leastImage(swapped, m_reverseSymmetries) : swapped;
    if (m_reverseTable.lowerBound(key) != 0)
        return -1;
    // Unranked: the goal is a precise position, which the finish bounds steer to better than a
    // ranking of the jumps, and the ranking would cost most of the search's time.
    int codes[kCodes];
    const int jumps = openJumps(swapped, codes);
    FinishBounds::Values after;
    for (int j = 0; j < jumps; ++j) {
        if (m_bounds.fallsShortAfterJump(values, originOf(codes[j]), directionOf(codes[j]), m_reverseGoalBounds, after))
            continue;
        m_line[depth] = codes[j];
        const int found = reach(swapped ^ maskOf(codes[j]), depth + 1, after);
        if (found != -1)
            return found;
    }
    m_reverseTable.store(key, 1);
    return -1;
}
