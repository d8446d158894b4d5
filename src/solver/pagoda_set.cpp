#include "solver/pagoda_set.h"

#include "solver/pagoda_rows.h"

#include <bit>

namespace {
using Bits = BitBoard::Bits;
}

const PagodaSet& PagodaSet::instance()
{
    static const PagodaSet set;
    return set;
}

int PagodaSet::count() { return kPagodaCount; }

int PagodaSet::valueOf(int f, int hole) { return kPagodaRows[f][hole]; }

int PagodaSet::targetOf(int f) { return kPagodaRows[f][0]; }

PagodaSet::PagodaSet()
{
    for (int f = 0; f < kPagodaCount; ++f) {
        Function function{};
        const auto target = static_cast<HoleNumber>(targetOf(f));
        function.worth = valueOf(f, target);
        for (int r = 0; r < 7; ++r)
            for (int byte = 0; byte < 128; ++byte)
                for (int c = 0; c < 7; ++c)
                    if (byte & (1 << c))
                        if (const HoleNumber hole = BitBoard::holeOfIndex(8 * r + c))
                            function.rows[r][byte] += valueOf(f, hole);
        m_byTarget[std::countr_zero(BitBoard::bitOf(target))].push_back(static_cast<int>(m_functions.size()));
        m_functions.push_back(function);
    }
}

int PagodaSet::Function::value(Bits balls) const
{
    int total = 0;
    for (int r = 0; r < 7; ++r)
        total += rows[r][(balls >> (8 * r)) & 0x7f];
    return total;
}

bool PagodaSet::rulesOutLastBall(Bits balls, Bits targets) const
{
    for (; targets; targets &= targets - 1) {
        bool ruledOut = false;
        for (const int f : m_byTarget[std::countr_zero(targets)]) {
            const Function& function = m_functions[f];
            if (function.value(balls) < function.worth) {
                ruledOut = true;
                break;
            }
        }
        if (!ruledOut)
            return false;
    }
    return true;
}

std::vector<int> PagodaSet::values(Bits balls) const
{
    std::vector<int> out;
    out.reserve(m_functions.size());
    for (const Function& function : m_functions)
        out.push_back(function.value(balls));
    return out;
}

bool PagodaSet::fallsShort(Bits balls, const std::vector<int>& targetValues) const
{
    for (std::size_t f = 0; f < m_functions.size(); ++f)
        if (targetValues[f] > 0 && m_functions[f].value(balls) < targetValues[f])
            return true;
    return false;
}
