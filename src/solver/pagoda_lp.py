"""What the pagoda generators share: the 37 holes, the 92 jumps, glpsol, and the header they write."""
import os, subprocess, tempfile

ROWS = {0: (2, 4), 1: (1, 5), 2: (0, 6), 3: (0, 6), 4: (0, 6), 5: (1, 5), 6: (2, 4)}
# The holes as (row, column) from 0, in the order of their numbers 1..37.
HOLES = [(r, c) for r in range(7) for c in range(ROWS[r][0], ROWS[r][1] + 1)]
ON_BOARD = set(HOLES)
# Every jump as (origin, jumped, destination).
JUMPS = [((r, c), (r + dr, c + dc), (r + 2 * dr, c + 2 * dc))
         for (r, c) in HOLES for dr, dc in ((0, 1), (0, -1), (1, 0), (-1, 0))
         if (r + dr, c + dc) in ON_BOARD and (r + 2 * dr, c + 2 * dc) in ON_BOARD]
assert len(JUMPS) == 92


def name(hole):
    """The linear program's variable for a hole's value."""
    return "p%d_%d" % hole


def glpsol(lines, *options):
    """Solves the linear program `lines` (CPLEX LP format); returns glpsol's report (option -o, or
    the solution with -w)."""
    work = tempfile.mkdtemp()
    model, report = os.path.join(work, "m.lp"), os.path.join(work, "m.txt")
    with open(model, "w") as f:
        f.write("\n".join(lines) + "\n")
    subprocess.run(["glpsol", "--lp", model, *options, report], capture_output=True, check=True)
    with open(report) as f:
        text = f.read()
    os.remove(model), os.remove(report), os.rmdir(work)
    return text


def print_header(comment, count_name, rows_name, width, rows):
    """Prints the C++ header of the functions: `rows` are lists of `width` whole numbers."""
    print("// %s" % comment[0])
    print("// %s; every jump takes away at least the value it brings." % comment[1])
    print("#pragma once\n\n#include <array>\n")
    print("inline constexpr int %s = %d;" % (count_name, len(rows)))
    print("inline constexpr std::array<std::array<int, %d>, %s> %s = {{" % (width, count_name, rows_name))
    for row in rows:
        print("    {%s}," % ", ".join(map(str, row)))
    print("}};")
