#pragma once

#include <optional>

// The program's command line, read before any window or display connection exists, so that
// --help and --version answer on a machine without a display. The options Qt takes for every
// program (-platform, -style, -qwindowgeometry and the like) are accepted and left to the
// application object.
namespace CommandLine {
// The exit status when the command line has been answered here: 0 after --help or --version,
// 2 after an unknown option or an argument the game does not take. None when the game starts.
std::optional<int> handle(int argc, char** argv);
}
