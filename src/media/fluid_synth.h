#pragma once

#include "media/audio_source.h"

#include <fluidsynth.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>

// FluidSynth, opened the first time a piece needs the synthesiser: the game's own tune plays from
// the file rendered when the game was built and never loads it. The functions keep its names.
#define DORV_FLUID_FUNCTIONS(X)                                                                                  \
    X(delete_fluid_player) X(delete_fluid_settings) X(delete_fluid_synth) X(fluid_player_add_mem)               \
    X(fluid_player_get_status) X(fluid_player_play) X(fluid_player_set_loop) X(fluid_player_stop)               \
    X(fluid_settings_setnum) X(fluid_sfloader_set_callbacks) X(fluid_synth_add_sfloader) X(fluid_synth_set_gain) \
    X(fluid_synth_sfload) X(fluid_synth_write_s16) X(new_fluid_defsfloader) X(new_fluid_player)                 \
    X(new_fluid_settings) X(new_fluid_synth)

// One MIDI piece on a synthesiser of its own, with the soundfonts chosen for it.
class SynthMusic final : public AudioSource {
public:
    // The synthesiser renders this many frames at a time and looks whether the piece has ended
    // after each: the piece ends with the block in which its player stopped, about three seconds
    // after the last chord.
    static constexpr int kBlockFrames = 1024;

    // The synthesiser for the MIDI file `piece` with `soundFonts` (paths separated by ':' or ';'),
    // or none, with a warning, when FluidSynth is missing or takes neither the piece nor a font.
    // A soundfont is read as every file of the game (a regular file, no more than the cap) and
    // refused, with a warning, unless its samples lie inside it; the synthesiser is handed the
    // bytes that were checked and never opens the file itself.
    static std::unique_ptr<SynthMusic> make(const std::string& piece, std::string_view soundFonts);
    ~SynthMusic() override;
    SynthMusic(const SynthMusic&) = delete;
    SynthMusic& operator=(const SynthMusic&) = delete;

    // Plays the piece once from its start, also after it was stopped or played to its end.
    void start() override;
    int render(std::int16_t* into, int frames) override;

private:
    SynthMusic() = default;
    // One more block from the synthesiser; false once the piece had ended before it.
    bool renderBlock();

    fluid_settings_t* m_settings = nullptr;
    fluid_synth_t* m_synth = nullptr;
    fluid_player_t* m_player = nullptr;
    std::array<std::int16_t, kBlockFrames * kChannels> m_block{};
    // Frames of the block not yet handed out, and where they start.
    int m_left = 0;
    int m_at = 0;
    bool m_over = true;
    bool m_started = false;
};
