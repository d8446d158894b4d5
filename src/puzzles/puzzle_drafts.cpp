#include "puzzles/puzzle_drafts.h"

#include "board/board_geometry.h"

#include <stdexcept>

namespace {
constexpr int kCentre = 19;

struct Figure {
    const char* key;
    const char* name;
    std::array<const char*, 7> rows;
};

// The figures, fewest balls first. Each is cleared down to one ball, in the centre where that
// can be done, anywhere otherwise.
const Figure kFigures[] = {
    // The Latin cross of six balls: a long upright, a short crossbar near its top.
    {"cross", "Cross", {"  ...  ",
                        " ..o.. ",
                        "..ooo..",
                        "...o...",
                        "...o...",
                        " ..... ",
                        "  ...  "}},
    // A capital T: a bar along the second row, its stem down to the centre.
    {"letter-t", "Letter T", {"  ...  ",
                              " ooooo ",
                              "...o...",
                              "...o...",
                              "...o...",
                              " ..... ",
                              "  ...  "}},
    // The cross of nine balls, four arms of two about the centre.
    {"plus", "Plus", {"  ...  ",
                      " ..o.. ",
                      "...o...",
                      ".ooooo.",
                      "...o...",
                      " ..o.. ",
                      "  ...  "}},
    // A triangle standing on its base: rows of one, three and five balls.
    {"triangle", "Triangle", {"  ...  ",
                              " ..... ",
                              "...o...",
                              "..ooo..",
                              ".ooooo.",
                              " ..... ",
                              "  ...  "}},
    // A star of four points around an empty centre.
    {"star", "Star", {"  ...  ",
                      " ..o.. ",
                      "..ooo..",
                      ".oo.oo.",
                      "..ooo..",
                      " ..o.. ",
                      "  ...  "}},
    // A U-shape upside down around an empty hearth: the chimney breast full above it.
    {"fireplace", "Fireplace", {"  ooo  ",
                                " ooooo ",
                                "..ooo..",
                                "..o.o..",
                                ".......",
                                " ..... ",
                                "  ...  "}},
    // A table lamp: a knob on a wide shade, a slim stand and a foot.
    {"lamp", "Lamp", {"  .o.  ",
                      " .ooo. ",
                      ".ooooo.",
                      "...o...",
                      "...o...",
                      " .ooo. ",
                      "  ...  "}},
    // A shaft from the top hole to the bottom one, an arrowhead at each end.
    {"double-arrow", "Double arrow", {"  .o.  ",
                                      " .ooo. ",
                                      ".o.o.o.",
                                      "...o...",
                                      ".o.o.o.",
                                      " .ooo. ",
                                      "  .o.  "}},
    // A solid square of four by four in the upper left of the board.
    {"square", "Square", {"  ...  ",
                          " oooo. ",
                          ".oooo..",
                          ".oooo..",
                          ".oooo..",
                          " ..... ",
                          "  ...  "}},
    // A ring of sixteen balls around the centre, the holes next to it empty.
    {"ring", "Ring", {"  ...  ",
                      " .ooo. ",
                      ".oo.oo.",
                      ".o...o.",
                      ".oo.oo.",
                      " .ooo. ",
                      "  ...  "}},
    // Rows of one, three, five and seven balls, the point at the top.
    {"pyramid", "Pyramid", {"  ...  ",
                            " ..o.. ",
                            "..ooo..",
                            ".ooooo.",
                            "ooooooo",
                            " ..... ",
                            "  ...  "}},
    // An arrow pointing up: a broad head, a shaft, and feathers at the tail.
    {"arrow", "Arrow", {"  .o.  ",
                        " .ooo. ",
                        ".ooooo.",
                        "...o...",
                        "...o...",
                        " .ooo. ",
                        "  ooo  "}},
    // A fir tree: the crown widening down to the middle row, and a trunk under it.
    {"fir-tree", "Fir tree", {"  .o.  ",
                              " .ooo. ",
                              ".ooooo.",
                              "ooooooo",
                              "...o...",
                              " ..o.. ",
                              "  ...  "}},
    // A house: a pointed roof over two walls with a door between them.
    {"house", "House", {"  .o.  ",
                        " .ooo. ",
                        ".ooooo.",
                        ".ooooo.",
                        ".oo.oo.",
                        " ..... ",
                        "  ...  "}},
    // A diamond standing on its point, from the top hole to the bottom one, its centre empty.
    {"diamond", "Diamond", {"  .o.  ",
                            " .ooo. ",
                            ".ooooo.",
                            "ooo.ooo",
                            ".ooooo.",
                            " .ooo. ",
                            "  .o.  "}},
    // A heart: two lobes at the top, a point at the bottom hole.
    {"heart", "Heart", {"  ...  ",
                        " oo.oo ",
                        "ooooooo",
                        "ooooooo",
                        ".ooooo.",
                        " .ooo. ",
                        "  .o.  "}},
};

// The single-vacancy starts given a hole for the last ball: each of those that can be cleared at
// all, with a hole its class allows, and a few more towards the ends of the arms, the last four
// across the board from their start.
const std::array<int, 2> kVacancyGoals[] = {
    {1, 17},  {3, 18},  {6, 15},  {9, 26},  {12, 23}, {15, 6},  {17, 35}, {18, 37},
    {20, 1},  {21, 3},  {23, 32}, {26, 9},  {29, 12}, {32, 29}, {35, 17}, {37, 18},
    {17, 1},  {18, 3},  {6, 9},   {12, 29}, {1, 37},  {3, 35},  {35, 3},  {37, 1},
};

std::array<bool, kHoleCount> fullBut(int hole)
{
    std::array<bool, kHoleCount> balls{};
    balls.fill(true);
    balls[static_cast<std::size_t>(hole - 1)] = false;
    return balls;
}

std::vector<PuzzleDraft> makeDrafts()
{
    std::vector<PuzzleDraft> drafts;
    for (int hole = 1; hole <= kHoleCount; ++hole)
        drafts.push_back({"open-" + std::to_string(hole), {}, hole, fullBut(hole), {0}});
    for (const auto& [open, goal] : kVacancyGoals)
        drafts.push_back({"open-" + std::to_string(open) + "-to-" + std::to_string(goal), {}, open, fullBut(open), {goal}});
    for (const Figure& figure : kFigures)
        drafts.push_back({figure.key, figure.name, 0, drawnPosition(figure.rows), {kCentre, 0}});
    return drafts;
}
}

std::array<bool, kHoleCount> drawnPosition(const std::array<const char*, 7>& rows)
{
    std::array<bool, kHoleCount> balls{};
    for (int r = 1; r <= 7; ++r) {
        const std::string row = rows[static_cast<std::size_t>(r - 1)];
        if (row.size() != 7)
            throw std::invalid_argument("a drawn row is not seven cells wide: '" + row + "'");
        for (int c = 1; c <= 7; ++c) {
            const char cell = row[static_cast<std::size_t>(c - 1)];
            const HoleNumber hole = BoardGeometry::holeAt(r, c);
            if ((hole == 0) != (cell == ' ') || (cell != ' ' && cell != '.' && cell != 'o'))
                throw std::invalid_argument("a drawing does not fit the board at row " + std::to_string(r));
            if (hole != 0)
                balls[static_cast<std::size_t>(hole - 1)] = cell == 'o';
        }
    }
    return balls;
}

const std::vector<PuzzleDraft>& puzzleDrafts()
{
    static const std::vector<PuzzleDraft> drafts = makeDrafts();
    return drafts;
}
