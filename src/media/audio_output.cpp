#include "media/audio_output.h"

#include "kit/program_folder.h"
#include "media/audio_source.h"
#include "media/midi_check.h"
#include "media/sdl_audio.h"

#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

namespace {

const SdlAudio::Functions& sdl() { return SdlAudio::api(); }

SDL_AudioDeviceID s_device = 0;
// What each slot plays; changed only under the device's lock, which the audio thread holds while
// it mixes.
std::array<AudioSource*, 2> s_playing{};

const char* const kGeneralMidiFont = "/usr/share/sounds/sf2/default-GM.sf2";
// FluidSynth's usual soundfont, tried when the game has none.
const char* const kFluidFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
// The General MIDI programs of the game's tune; the build cuts them, with the drum kit, out of the
// soundfont above into "music.sf2" beside the program.
constexpr int kMusicPrograms[] = {DORV_MUSIC_PROGRAMS};

constexpr int kScratchFrames = 1024;

// Adds what `source` has for `frames` frames to `out`, clipping at the ends of the sample range;
// a source that comes to its end leaves its slot.
void addSource(AudioSource*& source, std::int16_t* out, int frames)
{
    static std::array<std::int16_t, kScratchFrames * AudioSource::kChannels> scratch;
    int done = 0;
    while (source && done < frames) {
        const int wanted = std::min(frames - done, kScratchFrames);
        const int got = std::clamp(source->render(scratch.data(), wanted), 0, wanted);
        std::int16_t* into = out + done * AudioSource::kChannels;
        for (int i = 0; i < got * AudioSource::kChannels; ++i)
            into[i] = std::int16_t(std::clamp(int(into[i]) + int(scratch[i]), int(std::numeric_limits<std::int16_t>::min()),
                                              int(std::numeric_limits<std::int16_t>::max())));
        done += got;
        if (got < wanted) {
            AudioSource* const ended = source;
            source = nullptr;
            ended->ended();
        }
    }
}

void SDLCALL mix(void*, Uint8* stream, int length)
{
    std::memset(stream, 0, std::size_t(length));
    const int frames = length / int(AudioSource::kChannels * sizeof(std::int16_t));
    for (AudioSource*& source : s_playing)
        addSource(source, reinterpret_cast<std::int16_t*>(stream), frames);
}

// One attempt with whatever driver SDL picks now; leaves nothing initialised when it fails.
bool openWithCurrentDriver()
{
    if (sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec wanted{};
    wanted.freq = AudioSource::kRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = AudioSource::kChannels;
    wanted.samples = 1024;
    wanted.callback = mix;
    // With no change allowed SDL converts to what the device takes, so the sources need not.
    s_device = sdl().SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (s_device == 0) {
        sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    sdl().SDL_PauseAudioDevice(s_device, 0);
    return true;
}

AudioSource*& slotOf(AudioOutput::Slot slot) { return s_playing[slot == AudioOutput::Slot::Music ? 0 : 1]; }

} // namespace

bool AudioOutput::ensureOpen()
{
    if (s_device != 0)
        return true;
    if (!SdlAudio::load())
        return false;

    // SDL would otherwise install its own SIGINT/SIGTERM handlers, and Ctrl+C or a plain kill
    // would no longer end the program.
    sdl().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");

    if (!openWithCurrentDriver()) {
        const QByteArray reason = sdl().SDL_GetError();
        // The environment's SDL_AUDIODRIVER wins over a normal hint, so this one overrides.
        sdl().SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        const bool dummyOpened = openWithCurrentDriver();
        sdl().SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        if (!dummyOpened) {
            qWarning("Audio: no output at all: %s", sdl().SDL_GetError());
            return false;
        }
        qWarning("Audio: no sound device (%s); playing silently", reason.constData());
    }
    return true;
}

bool AudioOutput::play(Slot slot, AudioSource* source)
{
    if (s_device == 0)
        return false;
    sdl().SDL_LockAudioDevice(s_device);
    slotOf(slot) = source;
    sdl().SDL_UnlockAudioDevice(s_device);
    return true;
}

void AudioOutput::stop(const AudioSource* source)
{
    if (s_device == 0 || !source)
        return;
    sdl().SDL_LockAudioDevice(s_device);
    for (AudioSource*& playing : s_playing)
        if (playing == source)
            playing = nullptr;
    sdl().SDL_UnlockAudioDevice(s_device);
}

bool AudioOutput::isPlaying(const AudioSource* source)
{
    if (s_device == 0 || !source)
        return false;
    sdl().SDL_LockAudioDevice(s_device);
    const bool playing = std::find(s_playing.begin(), s_playing.end(), source) != s_playing.end();
    sdl().SDL_UnlockAudioDevice(s_device);
    return playing;
}

std::string AudioOutput::soundFonts(std::string_view piece)
{
    // Soundfonts named in the environment win.
    if (!qEnvironmentVariableIsEmpty("SDL_SOUNDFONTS"))
        return qEnvironmentVariable("SDL_SOUNDFONTS").toStdString();
    return chooseSoundFont(piece, besideProgram(QStringLiteral("music.sf2")), QString::fromLatin1(kGeneralMidiFont));
}

std::string AudioOutput::chooseSoundFont(std::string_view piece, const QString& small, const QString& general)
{
    if (!small.isEmpty() && QFileInfo::exists(small) && MidiCheck::usesOnlyPrograms(piece, kMusicPrograms))
        return QFile::encodeName(small).toStdString();
    if (QFileInfo::exists(general))
        return QFile::encodeName(general).toStdString();
    return kFluidFont;
}

QString AudioOutput::besideProgram(const QString& name)
{
    for (const QString& folder : ProgramFolder::placesToLook())
        if (const QString path = ProgramFolder::join(folder, name); QFileInfo::exists(path))
            return path;
    return {};
}

void AudioOutput::shutdown()
{
    if (s_device == 0)
        return;
    // Closing waits for the audio thread; what played is dropped without coming to its end.
    sdl().SDL_CloseAudioDevice(s_device);
    s_device = 0;
    s_playing = {};
    sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
}
