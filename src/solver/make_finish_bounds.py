#!/usr/bin/env python3
"""Makes finish_bound_rows.h: signed pagoda functions for the hint solver's bounds on how few balls
a position can end with, found as linear programs by glpsol (apt-get install glpk-utils).

A function with a value (of either sign) for each hole, such that every jump takes away at least
the value it brings, never grows over a game. If it values a position below every set of t balls
of the position's class, no game from there gets down to t balls. For each position of a set of
random games (fixed seed) and each t of 1, 2 and 3, the program below asks for the function that
values the position furthest below those sets; the functions that rule out the most positions
are kept.

Then, for positions where the search was longest, the same for each position the search opened
(not ruled out) on its way to proving t balls out of reach: tools/finish_bound_positions.txt holds
a sample of them, "t position" a line (the bits in hex), taken from the searches of the hardest
positions of the benchmark. Each gives the function that values it furthest below the sets of t
balls, and the functions that rule out the most sample positions not yet ruled out are added, one
after another, MINED of them.
Usage: python3 make_finish_bounds.py > finish_bound_rows.h"""
import fractions, itertools, math, os, random, re
from multiprocessing import Pool

from pagoda_lp import HOLES, JUMPS, glpsol, name, print_header

BOUND = 8          # values lie in [-BOUND, BOUND]
KEPT_PER_COUNT = 48
MINED = 112
MINED_FROM = os.path.join(os.path.dirname(os.path.abspath(__file__)), "tools", "finish_bound_positions.txt")
SEED, GAMES, FEWEST, MOST = 7, 2, 12, 32


def odd_one_out(balls, line):
    parity = [sum(1 for h in balls if line(h) % 3 == k) % 2 for k in range(3)]
    if parity[0] == parity[1] == parity[2]:
        return -1
    return 0 if parity[1] == parity[2] else 1 if parity[0] == parity[2] else 2


def position_class(balls):
    return (odd_one_out(balls, lambda h: h[0] + h[1]), odd_one_out(balls, lambda h: h[0] - h[1] + 9))


FINISHES = {}


def finishes(cls, t):
    if (cls, t) not in FINISHES:
        FINISHES[cls, t] = [f for f in itertools.combinations(HOLES, t) if position_class(f) == cls]
    return FINISHES[cls, t]


def training_positions():
    rnd = random.Random(SEED)
    out = set()
    for _ in range(GAMES):
        for start in HOLES:
            balls = set(HOLES) - {start}
            while True:
                if FEWEST <= len(balls) <= MOST:
                    out.add(frozenset(balls))
                open_jumps = [j for j in JUMPS if j[0] in balls and j[1] in balls and j[2] not in balls]
                if not open_jumps:
                    break
                o, m, d = rnd.choice(open_jumps)
                balls -= {o, m}
                balls.add(d)
    return sorted(out, key=lambda b: sum(1 << (8 * r + c) for r, c in b))


def best_function(task):
    balls, t = task
    sets = finishes(position_class(balls), t)
    if not sets:
        return None
    lines = ["Maximize", " obj: z - " + " - ".join(name(h) for h in sorted(balls)), "Subject To"]
    lines += [" j%d: %s + %s - %s >= 0" % (i, name(o), name(m), name(d)) for i, (o, m, d) in enumerate(JUMPS)]
    lines += [" f%d: %s - z >= 0" % (i, " + ".join(name(h) for h in f)) for i, f in enumerate(sets)]
    lines += ["Bounds"] + [" -%d <= %s <= %d" % (BOUND, name(h), BOUND) for h in HOLES]
    lines += [" -1000 <= z <= 1000", "End"]
    text = glpsol(lines, "-o")
    if float(re.search(r"Objective:\s+obj = (\S+)", text).group(1)) <= 1e-6:
        return None
    values = {m.group(1): fractions.Fraction(m.group(2)).limit_denominator(64)
              for m in re.finditer(r"^\s+\d+\s+(p\d_\d)\s+\S+\s+(\S+)", text, re.M)}
    den = 1
    for v in values.values():
        den = den * v.denominator // math.gcd(den, v.denominator)
    row = tuple(int(values[name(h)] * den) for h in HOLES)
    value = dict(zip(HOLES, row))
    if any(value[o] + value[m] < value[d] for o, m, d in JUMPS):
        return None
    return t, row


def balls_of(bits):
    return frozenset((r, c) for (r, c) in HOLES if (bits >> (8 * r + c)) & 1)


def mined_function(task):
    """best_function() in lowest terms, for a position the search opened."""
    found = best_function(task)
    if not found:
        return None
    t, row = found
    divisor = 0
    for v in row:
        divisor = math.gcd(divisor, v)
    row = tuple(v // divisor for v in row) if divisor > 1 else row
    return None if max(abs(v) for v in row) > 600 else (t, row)


# Every set of one, two and three balls: its class and t, and its holes' indices.
FINISH_SETS = [((position_class(f), t), [HOLES.index(h) for h in f]) for t in (1, 2, 3)
               for f in itertools.combinations(HOLES, t)]


def covered(task):
    """The sample positions a function rules out: worth less than every set of t balls of their class."""
    row, samples = task
    least = {}
    for key, holes in FINISH_SETS:
        total = sum(row[h] for h in holes)
        if total < least.get(key, total + 1):
            least[key] = total
    return [i for i, (key, holes) in enumerate(samples) if key in least and sum(row[h] for h in holes) < least[key]]


def mined(pool):
    samples = []
    with open(MINED_FROM) as f:
        for line in f:
            t, bits = line.split()
            samples.append((int(t), balls_of(int(bits, 16))))
    found = pool.map(mined_function, [(balls, t) for t, balls in samples], chunksize=16)
    candidates = []
    for f in found:
        if f and f[1] not in candidates:
            candidates.append(f[1])
    indexed = [((position_class(balls), t), [HOLES.index(h) for h in balls]) for t, balls in samples]
    rules_out = pool.map(covered, [(row, indexed) for row in candidates], chunksize=8)
    done, kept = set(), []
    for _ in range(MINED):
        gains = [len(set(r) - done) for r in rules_out]
        best = max(range(len(candidates)), key=lambda i: (gains[i], -i))
        if gains[best] == 0:
            break
        done |= set(rules_out[best])
        kept.append(candidates[best])
    return kept


def main():
    tasks = [(b, t) for b in training_positions() for t in (1, 2, 3)]
    with Pool(2) as pool:
        found = pool.map(best_function, tasks, chunksize=8)
        extra = mined(pool)
    counts = {}
    for f in found:
        if f:
            counts[f] = counts.get(f, 0) + 1
    kept = []
    for t in (1, 2, 3):
        ranked = sorted((f for f in counts if f[0] == t), key=lambda f: (-counts[f], f[1]))
        kept += ranked[:KEPT_PER_COUNT]
    print_header(("Signed pagoda functions for bounds on the finish, one a row: the value of holes 1..37.",
                  "Made by make_finish_bounds.py"), "kFinishBoundCount", "kFinishBoundRows", 37,
                 [row for _, row in kept] + [list(row) for row in extra])


if __name__ == "__main__":
    main()
