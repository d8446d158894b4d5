#pragma once

#include <string>
#include <string_view>
#include <vector>

// The lines of a text file's bytes. A line ends at CR LF, at a lone CR or at a lone LF; a last
// line without an end counts, an end at the very end of the file starts no further line.
struct ByteLines {
    static std::vector<std::string_view> split(std::string_view bytes);
    // The lines joined, each ended by CR LF.
    static std::string join(const std::vector<std::string>& lines);
};
