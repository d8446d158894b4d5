#include "solver/hint_solver.h"

#include "solver/pagoda_set.h"
#include "solver/position_class.h"

#include <algorithm>
#include <bit>

namespace {
using Bits = BitBoard::Bits;

// A jump's code: direction (index into BitBoard::kSteps) times 64 plus the origin's bit.
constexpr int kCodes = 4 * 64;

int originOf(int code) { return code % 64; }
int directionOf(int code) { return code / 64; }
Bits maskOf(int code) { return BitBoard::jumpMask(originOf(code), directionOf(code)); }

int squaredDistanceFromCentre(int index)
{
    const int r = index / 8 - 3;
    const int c = index % 8 - 3;
    return r * r + c * c;
}

// A jump's static merit: it brings balls in towards the centre and takes off outlying ones.
const std::array<int, kCodes>& merits()
{
    static const std::array<int, kCodes> table = [] {
        std::array<int, kCodes> out{};
        for (int d = 0; d < 4; ++d)
            for (int i = 0; i < 64; ++i) {
                const int step = BitBoard::kSteps[d];
                if (i + 2 * step < 0 || i + 2 * step >= 64)
                    continue;
                out[d * 64 + i] = squaredDistanceFromCentre(i) + squaredDistanceFromCentre(i + step)
                    - squaredDistanceFromCentre(i + 2 * step);
            }
        return out;
    }();
    return table;
}

// A well-spread 64-bit mix (the splitmix finaliser).
std::uint64_t mix(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}
}

HintSolver::HintSolver(std::size_t tableBytes) : m_table(tableBytes), m_reverseTable(tableBytes / 4) {}

void HintSolver::forget()
{
    m_table.clear();
    m_reverseTable.clear();
    m_reverseGoal = 0;
}

void HintSolver::begin(const std::atomic<bool>* cancel, std::chrono::milliseconds budget)
{
    m_cancel = cancel;
    m_deadline = std::chrono::steady_clock::now() + budget;
    m_visited = 0;
    m_stopped = false;
}

Hint HintSolver::bestMove(const Balls& balls, const std::atomic<bool>* cancel, std::chrono::milliseconds budget)
{
    begin(cancel, budget);
    const Outcome outcome = solve(BitBoard::fromBalls(balls));
    Hint hint;
    if (outcome.move >= 0)
        hint.jump = jumpOf(outcome.move);
    hint.ballsLeft = outcome.ballsLeft;
    hint.proven = outcome.proven;
    return hint;
}

Hint HintSolver::bestMove(const Board& board, const std::atomic<bool>* cancel, std::chrono::milliseconds budget)
{
    Balls balls{};
    for (int hole = 1; hole <= kHoleCount; ++hole)
        balls[hole - 1] = !board.isEmpty(hole);
    return bestMove(balls, cancel, budget);
}

Hint HintSolver::bestRemoval(const std::atomic<bool>* cancel, std::chrono::milliseconds budget)
{
    begin(cancel, budget);
    Hint best;
    best.ballsLeft = kHoleCount + 1;
    // The removals whose class allows a last ball first: one of them reaching it ends the search.
    std::array<HoleNumber, kHoleCount> order{};
    for (int hole = 1; hole <= kHoleCount; ++hole)
        order[hole - 1] = static_cast<HoleNumber>(hole);
    const auto start = [](HoleNumber hole) { return BitBoard::holes() & ~BitBoard::bitOf(hole); };
    std::stable_partition(order.begin(), order.end(),
                          [&](HoleNumber hole) { return PositionClass(start(hole)).allowsOneBall(); });
    bool allProven = true;
    for (const HoleNumber hole : order) {
        const Outcome outcome = solve(start(hole));
        allProven = allProven && outcome.proven;
        if (outcome.ballsLeft < best.ballsLeft) {
            best.removal = hole;
            best.ballsLeft = outcome.ballsLeft;
        }
        // One ball is the least any game can leave.
        if (m_stopped || (outcome.proven && outcome.ballsLeft == 1))
            break;
    }
    best.proven = best.ballsLeft == 1 || (allProven && !m_stopped);
    return best;
}

// The best finish from `balls`. Each target t, from the least the class allows up, is settled by
// rounds of growing size until one finishes: a round either finds a line or proves the target out
// of reach. For one or two balls each round also tries every way the class and the pagoda
// functions let the game end with that many (a hole for the last ball, a pair of holes for the
// last two), searching the game backwards from there (see searchBackwards()); whichever way
// finishes first settles it, and when every such ending is ruled out the target goes up.
HintSolver::Outcome HintSolver::solve(Bits balls)
{
    const int count = std::popcount(balls);
    if (!BitBoard::anyJump(balls))
        return {count, -1, true};
    const PositionClass positionClass(balls);
    m_lastBallHoles = positionClass.lastBallHoles();
    m_classIndex = positionClass.index();
    m_floor = positionClass.allowsOneBall() ? 1 : 2;
    m_values[0] = PagodaSet::instance().valuesOf(balls);
    const Bits key = BitBoard::canonical(balls);
    int target = std::max(m_floor, m_table.lowerBound(key));
    greedyLine(balls, count);
    std::vector<Bits> endings = endingsOf(target); // ends of `target` balls not yet ruled out
    std::uint64_t roundSize = kFirstRound;
    for (int round = 0; m_bestSeen > target; ++round, roundSize += roundSize / 2) {
        m_shuffle = round == 0 ? 0 : mix(static_cast<std::uint64_t>(round));
        m_foundMove = -1;
        m_roundEnd = m_visited + roundSize;
        const int reached = search(balls, count, target, 0);
        if (m_stopped)
            break;
        if (reached != kStopped) {
            if (reached <= target)
                return {reached, m_foundMove, true};
            target = reached;
            endings = endingsOf(target);
            continue;
        }
        // Each ending gets a round's size while they are few; many (pairs) share four rounds' worth.
        const std::uint64_t share = roundSize * 4 / std::max<std::uint64_t>(4, endings.size());
        for (std::size_t e = 0; e < endings.size() && !m_stopped;) {
            m_roundEnd = m_visited + share;
            const int found = searchBackwards(balls, endings[e]);
            if (found == kStopped) {
                ++e;
                continue;
            }
            if (found >= 0)
                return {target, found, true};
            endings.erase(endings.begin() + static_cast<std::ptrdiff_t>(e));
            if (endings.empty()) {
                // No way to end with `target` balls is left.
                ++target;
                m_table.store(key, target);
                endings = endingsOf(target);
                break;
            }
        }
        if (m_stopped)
            break;
    }
    if (m_bestSeen <= target)
        return {m_bestSeen, m_bestSeenMove, true};
    return {m_bestSeen, m_bestSeenMove, false};
}

// The final positions of `target` balls (one or two) that the position searched may end in: in
// its class, each ball where the pagoda functions allow it, no jump left. None for more balls.
std::vector<BitBoard::Bits> HintSolver::endingsOf(int target) const
{
    std::vector<Bits> out;
    const Bits possible = PagodaSet::instance().possibleHoles(m_values[0]);
    if (target == 1) {
        for (Bits open = m_lastBallHoles & possible; open; open &= open - 1)
            out.push_back(open & -open);
    } else if (target == 2) {
        const auto& partners = pairPartners()[static_cast<std::size_t>(m_classIndex)];
        for (Bits a = possible; a; a &= a - 1) {
            const Bits first = a & -a;
            for (Bits b = partners[static_cast<std::size_t>(std::countr_zero(first))] & possible & ~((first << 1) - 1); b; b &= b - 1)
                if (!BitBoard::anyJump(first | (b & -b)))
                    out.push_back(first | (b & -b));
        }
    }
    return out;
}

// Plays the most favoured jump until none is left: a first line to fall back on.
void HintSolver::greedyLine(Bits balls, int count)
{
    int codes[kCodes];
    m_shuffle = 0;
    m_bestSeenMove = -1;
    while (orderedJumps(balls, codes) > 0) {
        if (m_bestSeenMove < 0)
            m_bestSeenMove = codes[0];
        balls ^= maskOf(codes[0]);
        --count;
    }
    m_bestSeen = count;
}

// Counts a visit; true when the round, the time or the caller says stop.
bool HintSolver::visit()
{
    if ((++m_visited & 1023) == 0
        && ((m_cancel && m_cancel->load(std::memory_order_relaxed)) || std::chrono::steady_clock::now() >= m_deadline))
        m_stopped = true;
    return m_stopped || m_visited >= m_roundEnd;
}

// Whether this position can finish with at most `target` balls. Returns the balls left by a line
// that does (at most `target`), or else a number of balls the position is proven unable to go
// below (more than `target`); kStopped when the round ends first. m_exact tells, for a number
// above `target`, whether it is the position's best finish exactly: every line was followed to
// its end (none cut short by a bound), so a later round with a higher target need not search the
// position again.
int HintSolver::search(Bits balls, int count, int target, int depth)
{
    m_exact = false;
    if (count <= target)
        return count;
    if (visit())
        return kStopped;
    const Bits key = BitBoard::canonical(balls);
    const TranspositionTable::Entry known = m_table.find(key);
    if (known.bound > target) {
        m_exact = known.exact;
        return known.bound;
    }
    // An exact finish within the target is a line there; the first jump is only wanted at the
    // top, so there the search goes on to find it.
    if (known.exact && depth > 0)
        return known.bound;
    PagodaSet::Values& values = m_values[static_cast<std::size_t>(depth)];
    if (depth > 0) {
        const PagodaSet::Values& before = m_values[static_cast<std::size_t>(depth - 1)];
        const PagodaSet::Values& change = PagodaSet::instance().change(m_line[static_cast<std::size_t>(depth - 1)]);
        for (int f = 0; f < PagodaSet::kSlots; ++f)
            values[f] = static_cast<std::int16_t>(before[f] + change[f]);
    }
    if (target <= 2) {
        const int bound = finishBound(PagodaSet::instance().possibleHoles(values));
        if (bound > target) {
            m_table.store(key, bound);
            return bound;
        }
    }
    int codes[kCodes];
    const int jumps = orderedJumps(balls, codes);
    if (jumps == 0) {
        if (count < m_bestSeen) {
            m_bestSeen = count;
            m_bestSeenMove = m_line[0];
        }
        m_table.store(key, count, true);
        m_exact = true;
        return count;
    }
    int least = kHoleCount + 1;
    bool exact = true;
    for (int j = 0; j < jumps; ++j) {
        m_line[static_cast<std::size_t>(depth)] = codes[j];
        const int reached = search(balls ^ maskOf(codes[j]), count - 1, target, depth + 1);
        if (reached == kStopped)
            return kStopped;
        if (reached <= target) {
            if (depth == 0)
                m_foundMove = codes[j];
            // Nothing finishes below the class's least: the line is the best there is.
            if (reached == m_floor)
                m_table.store(key, reached, true);
            m_exact = reached == m_floor;
            return reached;
        }
        exact = exact && m_exact;
        least = std::min(least, reached);
    }
    m_table.store(key, least, exact);
    m_exact = exact;
    return least;
}

// The fewest balls a game can end with when its balls can only end in the holes of `possible`
// (no pagoda function rules them out), as far as the search asks: 1 when a hole the class allows
// a last ball in is open, else 2 when two holes of `possible` make a pair of the class, else 3.
int HintSolver::finishBound(Bits possible) const
{
    if (possible & m_lastBallHoles)
        return 1;
    const auto& partners = pairPartners()[static_cast<std::size_t>(m_classIndex)];
    for (Bits open = possible; open; open &= open - 1)
        if (partners[static_cast<std::size_t>(std::countr_zero(open))] & possible)
            return 2;
    return 3;
}

// For each class and hole, the holes that make with it a pair of balls of that class.
const std::array<std::array<BitBoard::Bits, 64>, 16>& HintSolver::pairPartners()
{
    static const std::array<std::array<Bits, 64>, 16> table = [] {
        std::array<std::array<Bits, 64>, 16> out{};
        for (Bits a = BitBoard::holes(); a; a &= a - 1)
            for (Bits b = BitBoard::holes(); b; b &= b - 1) {
                const Bits first = a & -a;
                const Bits second = b & -b;
                if (first == second)
                    continue;
                const int c = PositionClass(first | second).index();
                out[static_cast<std::size_t>(c)][static_cast<std::size_t>(std::countr_zero(first))] |= second;
            }
        return out;
    }();
    return table;
}

// A game from `balls` to the final position `ending` (one ball or two), played backwards: a jump
// taken back is the same jump on the board with balls and holes swapped, so the game read
// backwards on the swapped board runs from the holes of `ending` empty to the holes of `balls`
// empty, and its last jump is the game's first. From a full-looking position that is
// a short way to a precise goal, which pagoda functions steer well. Returns the first jump of the
// game forwards, -1 when there is none, kStopped when the round ends first.
int HintSolver::searchBackwards(Bits balls, Bits ending)
{
    const Bits goal = BitBoard::holes() & ~balls;
    if (goal != m_reverseGoal) {
        m_reverseTable.clear();
        m_reverseGoal = goal;
        m_reverseGoalValues = PagodaSet::instance().values(goal);
    }
    m_reverseGoalCount = std::popcount(goal);
    return reach(BitBoard::holes() & ~ending, 0);
}

// One step of searchBackwards(): whether `swapped` reaches the goal.
int HintSolver::reach(Bits swapped, int depth)
{
    if (swapped == m_reverseGoal)
        return depth > 0 ? m_line[depth - 1] : -1;
    if (std::popcount(swapped) <= m_reverseGoalCount)
        return -1;
    if (visit())
        return kStopped;
    if (m_reverseTable.lowerBound(swapped) != 0)
        return -1;
    if (PagodaSet::instance().fallsShort(swapped, m_reverseGoalValues)) {
        m_reverseTable.store(swapped, 1);
        return -1;
    }
    int codes[kCodes];
    const int jumps = orderedJumps(swapped, codes);
    for (int j = 0; j < jumps; ++j) {
        m_line[depth] = codes[j];
        const int found = reach(swapped ^ maskOf(codes[j]), depth + 1);
        if (found != -1)
            return found;
    }
    m_reverseTable.store(swapped, 1);
    return -1;
}

// The jumps open in `balls` as codes, most favoured first; returns how many. Most jumps open
// afterwards first: a position that keeps its balls together and mobile is the likeliest to be
// cleared. Then the static merit, then the round's shuffle.
int HintSolver::orderedJumps(Bits balls, int* codes) const
{
    int n = 0;
    for (int d = 0; d < 4; ++d)
        for (Bits origins = BitBoard::origins(balls, d); origins; origins &= origins - 1)
            codes[n++] = d * 64 + std::countr_zero(origins);
    const auto& merit = merits();
    std::uint32_t score[kCodes];
    for (int k = 0; k < n; ++k) {
        const int code = codes[k];
        const Bits after = balls ^ maskOf(code);
        std::uint32_t open = 0;
        for (int d = 0; d < 4; ++d)
            open += static_cast<std::uint32_t>(std::popcount(BitBoard::origins(after, d)));
        const auto shuffle = static_cast<std::uint32_t>(mix(m_shuffle ^ static_cast<std::uint64_t>(code)) & 0xff);
        score[code] = (open << 16) | static_cast<std::uint32_t>((merit[code] + 64) << 8) | shuffle;
    }
    std::sort(codes, codes + n, [&](int a, int b) { return score[a] > score[b]; });
    return n;
}

JumpTable::Jump HintSolver::jumpOf(int code)
{
    const int index = originOf(code);
    const int step = BitBoard::kSteps[directionOf(code)];
    return {BitBoard::holeOfIndex(index), BitBoard::holeOfIndex(index + step), BitBoard::holeOfIndex(index + 2 * step)};
}
