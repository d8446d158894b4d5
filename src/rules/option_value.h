#pragma once

#include <optional>
#include <string>

// The "Sound" and "Music" options are stored as "1" and "0"; only 1 means on.
struct OptionValue {
    // The switch value of a stored option: a missing option, or one that holds no number, is on (1).
    static int read(const std::optional<std::string>& stored);
    static std::string write(bool on) { return on ? "1" : "0"; }
};
