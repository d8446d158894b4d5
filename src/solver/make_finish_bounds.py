#!/usr/bin/env python3
"""Makes finish_bound_rows.h: signed pagoda functions for the hint solver's bounds on how few balls
a position can end with, found as linear programs by glpsol (apt-get install glpk-utils).

A function with a value (of either sign) for each hole, such that every jump takes away at least
the value it brings, never grows over a game. If it values a position below every set of t balls
of the position's class, no game from there gets down to t balls. For each position of a set of
random games (fixed seed) and each t of 1, 2 and 3, the program below asks for the function that
values the position furthest below those sets; the functions that rule out the most positions
are kept.
Usage: python3 make_finish_bounds.py > finish_bound_rows.h"""
import fractions, itertools, math, random, re
from multiprocessing import Pool

from pagoda_lp import HOLES, JUMPS, glpsol, name, print_header

BOUND = 8          # values lie in [-BOUND, BOUND]
KEPT_PER_COUNT = 48
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


def main():
    tasks = [(b, t) for b in training_positions() for t in (1, 2, 3)]
    with Pool(2) as pool:
        found = pool.map(best_function, tasks, chunksize=8)
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
                 [row for _, row in kept])


if __name__ == "__main__":
    main()
