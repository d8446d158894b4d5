#include "media/fluid_synth.h"

#include "kit/file_store.h"
#include "kit/library_functions.h"
#include "media/sound_font_check.h"

#include <QFile>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Functions {
    DORV_FLUID_FUNCTIONS(DORV_FUNCTION_POINTER)
    void lookUpIn(LibraryFunctions& library) { DORV_FLUID_FUNCTIONS(DORV_FUNCTION_LOOKUP) }
};

Functions s_fluid;

bool load() { return openOnce(s_fluid, "libfluidsynth.so.3", "FluidSynth", "Audio"); }

// The synthesiser's loudness: FluidSynth's own default is 0.2, the game's music has always
// played at 1.2.
constexpr float kGain = 1.2f;

// The soundfont being loaded: while fluid_synth_sfload runs, the synthesiser's loader opens it by
// this name and reads these bytes. The name lies below /dev/null, where no file can be, so none of
// FluidSynth's other loaders finds a file by it; it differs for every soundfont loaded, since
// FluidSynth shares the samples of soundfonts of the same name. Synthesisers are made on one thread
// (the UI thread, or the tool that renders the tune), and fluid_synth_sfload reads on the caller's.
struct HandedFont {
    std::string name;
    std::string_view bytes;
};
HandedFont s_handed;

// Where the loader stands in the handed soundfont.
struct FontReader {
    std::string_view bytes;
    std::size_t at = 0;
};

void* openFont(const char* name)
{
    if (s_handed.name.empty() || s_handed.name != name)
        return nullptr;
    return new FontReader{s_handed.bytes};
}

int readFont(void* into, fluid_long_long_t count, void* handle)
{
    auto* reader = static_cast<FontReader*>(handle);
    if (count < 0 || std::uint64_t(count) > reader->bytes.size() - reader->at)
        return FLUID_FAILED;
    std::memcpy(into, reader->bytes.data() + reader->at, std::size_t(count));
    reader->at += std::size_t(count);
    return FLUID_OK;
}

int seekFont(void* handle, fluid_long_long_t offset, int origin)
{
    auto* reader = static_cast<FontReader*>(handle);
    const auto size = fluid_long_long_t(reader->bytes.size());
    const fluid_long_long_t from = origin == SEEK_SET ? 0
        : origin == SEEK_CUR                          ? fluid_long_long_t(reader->at)
        : origin == SEEK_END                          ? size
                                                      : -1;
    if (from < 0 || offset < -from || offset > size - from)
        return FLUID_FAILED;
    reader->at = std::size_t(from + offset);
    return FLUID_OK;
}

fluid_long_long_t tellFont(void* handle) { return fluid_long_long_t(static_cast<FontReader*>(handle)->at); }

int closeFont(void* handle)
{
    delete static_cast<FontReader*>(handle);
    return FLUID_OK;
}

// Reads the soundfont at `path`, checks it and loads it into `synth`; false, with a warning, when
// it cannot be read, is refused, or the synthesiser does not take it.
bool loadFont(fluid_synth_t* synth, const std::string& path)
{
    QString reason;
    const auto bytes = FileStore::read(QFile::decodeName(path.c_str()), &reason);
    if (!bytes) {
        qWarning("Audio: cannot read the soundfont %s: %s", path.c_str(), qPrintable(reason));
        return false;
    }
    // A file longer than the cap is read only that far, and its header then claims more.
    if (!SoundFontCheck::samplesInside(*bytes)) {
        qWarning("Audio: %s is no soundfont of at most %lld bytes whose samples lie inside it", path.c_str(),
                 static_cast<long long>(FileStore::kMaxRead));
        return false;
    }
    static unsigned loaded = 0;
    s_handed = {"/dev/null/dorv-soundfont-" + std::to_string(++loaded) + "/" + path, *bytes};
    const bool taken = s_fluid.fluid_synth_sfload(synth, s_handed.name.c_str(), 1) != FLUID_FAILED;
    s_handed = {};
    return taken;
}

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
    // The loader of the handed soundfonts comes first; the synthesiser owns it.
    fluid_sfloader_t* loader = s_fluid.new_fluid_defsfloader(music->m_settings);
    if (!loader)
        return nullptr;
    s_fluid.fluid_sfloader_set_callbacks(loader, openFont, readFont, seekFont, tellFont, closeFont);
    s_fluid.fluid_synth_add_sfloader(music->m_synth, loader);
    int fonts = 0;
    while (!soundFonts.empty()) {
        const std::size_t end = std::min(soundFonts.find_first_of(":;"), soundFonts.size());
        const std::string font(soundFonts.substr(0, end));
        soundFonts.remove_prefix(std::min(end + 1, soundFonts.size()));
        if (!font.empty() && loadFont(music->m_synth, font))
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
