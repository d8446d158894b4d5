#!/usr/bin/env python3
"""Makes pagoda_rows.h: pagoda functions for the hint solver, found as linear programs by glpsol
(apt-get install glpk-utils). For each hole, the least function (by a weighted total) worth 1 there
such that every jump takes away at least the value it brings, weighted first evenly, then heavily
on each side of the board in turn. Values are scaled to whole numbers.
Usage: python3 make_pagodas.py > pagoda_rows.h"""
import fractions, math
from pagoda_lp import HOLES as holes, JUMPS as jumps, name, glpsol, print_header
def solve(target, weights):
    lines = ["Minimize", " obj: " + " + ".join("%d %s" % (weights[h], name(h)) for h in holes), "Subject To"]
    for i,(o,j,d) in enumerate(jumps):
        lines.append(" j%d: %s + %s - %s >= 0" % (i, name(o), name(j), name(d)))
    lines.append(" t: %s = 1" % name(target))
    lines.append("End")
    vals = {}
    # glpsol's solution file: a line "j <column> <status> <value> ..." for each column.
    sol = glpsol(lines, "--exact", "-w").split("\n")
    cols = [l for l in sol if l.startswith("j ")]
    for h,l in zip(holes, cols):
        vals[h] = fractions.Fraction(l.split()[3]).limit_denominator(1000)
    return vals
out = []
for target in holes:
    variants = [{h:1 for h in holes}]
    for q in range(4):  # weight the quadrant-ish half away from target heavily
        w = {}
        for (r,c) in holes:
            side = [r<3, r>3, c<3, c>3][q]
            w[(r,c)] = 10 if side else 1
        variants.append(w)
    for w in variants:
        v = solve(target, w)
        den = 1
        for x in v.values(): den = den * x.denominator // math.gcd(den, x.denominator)
        out.append((target, [int(v[h]*den) for h in holes]))
seen=set(); uniq=[]
for t,v in out:
    if (t,tuple(v)) in seen: continue
    seen.add((t,tuple(v))); uniq.append((t,v))
print_header(("Pagoda functions, one a row: the hole they lead to, then the value of holes 1..37.",
              "Made by make_pagodas.py"), "kPagodaCount", "kPagodaRows", 38,
             [[holes.index(t) + 1] + v for t, v in uniq])
