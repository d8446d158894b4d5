#pragma once

#include <string_view>

// Whether a file's bytes are a soundfont the synthesiser may be given. The synthesiser takes the
// size of the sample data from the file's header and reads that much into memory: a header that
// claims a gigabyte of samples in a small file, or one whose samples unpack to more than the file
// holds, must never reach it.
struct SoundFontCheck {
    // True for a RIFF "sfbk" file exactly as long as `bytes`, each of whose chunks lies inside the
    // chunk that holds it, whose "sdta" list opens with a "smpl" chunk that lies inside the list,
    // and whose "ifil" says version 2: samples stored as they are played, not compressed ones
    // (version 3) that unpack to more than the file holds.
    static bool samplesInside(std::string_view bytes);
};
