#include "media/fluid_synth.h"

#include "media/library_functions.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>

namespace {

struct Functions {
    DORV_FLUID_FUNCTIONS(DORV_FUNCTION_POINTER)
    void lookUpIn(LibraryFunctions& library) { DORV_FLUID_FUNCTIONS(DORV_FUNCTION_LOOKUP) }
};

Functions s_fluid;

bool load() { return openOnce(s_fluid, "libfluidsynth.so.3", "FluidSynth"); }

// The synthesiser's loudness: FluidSynth's own default is 0.2, the game's music has always
// played at 1.2.
constexpr float kGain = 1.2f;

} // namespace

std::unique_ptr<SynthMusic> SynthMusic::make(const std::string& piece, std::string_view soundFonts)
{
    if (!load())
        return nullptr;
    std::unique_ptr<SynthMusic> music(new SynthMusic);
    music->m_settings = s_fluid.new_fluid_settings();
    if (!music->m_settings)
        return nullptr;
    s_fluid.fluid_settings_setnum(music->m_settings, "synth.sample-rate", kRate);
    music->m_synth = s_fluid.new_fluid_synth(music->m_settings);
    if (!music->m_synth)
        return nullptr;
    s_fluid.fluid_synth_set_gain(music->m_synth, kGain);
    int fonts = 0;
    while (!soundFonts.empty()) {
        const std::size_t end = std::min(soundFonts.find_first_of(":;"), soundFonts.size());
        const std::string font(soundFonts.substr(0, end));
        soundFonts.remove_prefix(std::min(end + 1, soundFonts.size()));
        if (!font.empty() && s_fluid.fluid_synth_sfload(music->m_synth, font.c_str(), 1) != FLUID_FAILED)
            ++fonts;
    }
    if (fonts == 0) {
        qWarning("Audio: no soundfont for the music");
        return nullptr;
    }
    music->m_player = s_fluid.new_fluid_player(music->m_synth);
    if (!music->m_player || s_fluid.fluid_player_add_mem(music->m_player, piece.data(), piece.size()) != FLUID_OK)
        return nullptr;
    return music;
}

SynthMusic::~SynthMusic()
{
    if (m_player)
        s_fluid.delete_fluid_player(m_player);
    if (m_synth)
        s_fluid.delete_fluid_synth(m_synth);
    if (m_settings)
        s_fluid.delete_fluid_settings(m_settings);
}

void SynthMusic::start()
{
    // A player that has played is stopped before it plays again, whether it reached its end or not.
    if (m_started)
        s_fluid.fluid_player_stop(m_player);
    m_started = true;
    s_fluid.fluid_player_set_loop(m_player, 1);
    s_fluid.fluid_player_play(m_player);
    m_left = 0;
    m_over = false;
}

bool SynthMusic::renderBlock()
{
    if (m_over)
        return false;
    if (s_fluid.fluid_synth_write_s16(m_synth, kBlockFrames, m_block.data(), 0, 2, m_block.data(), 1, 2) != FLUID_OK) {
        m_over = true;
        return false;
    }
    m_over = s_fluid.fluid_player_get_status(m_player) != FLUID_PLAYER_PLAYING;
    m_left = kBlockFrames;
    m_at = 0;
    return true;
}

int SynthMusic::render(std::int16_t* into, int frames)
{
    int written = 0;
    while (written < frames && (m_left > 0 || renderBlock())) {
        const int count = std::min(frames - written, m_left);
        std::memcpy(into + written * kChannels, m_block.data() + m_at * kChannels, sizeof(std::int16_t) * count * kChannels);
        written += count;
        m_at += count;
        m_left -= count;
    }
    return written;
}
