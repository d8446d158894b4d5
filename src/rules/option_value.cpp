#include "rules/option_value.h"

#include "rules/score_number.h"

#include <cmath>

int OptionValue::read(const std::optional<std::string>& stored)
{
    if (!stored)
        return 1;
    const auto value = ScoreNumber::parse(*stored);
    if (!value || std::fabs(*value) > 32767)
        return 1;
    return static_cast<int>(std::lround(*value));
}
