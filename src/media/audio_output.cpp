#include "media/audio_output.h"

#include "kit/program_folder.h"
#include "media/midi_check.h"
#include "media/sdl_audio.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

namespace {

const SdlAudio::Functions& sdl() { return SdlAudio::api(); }

bool s_open = false;
// Counts the devices opened, so a piece made for an earlier one is known.
unsigned s_device = 0;

const char* const kSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";
// The General MIDI programs of the game's tune; the build cuts them, with the drum kit, out of the
// soundfont above into "music.sf2" beside the program.
constexpr int kMusicPrograms[] = {DORV_MUSIC_PROGRAMS};
QByteArray s_soundFont;

// One attempt with whatever driver SDL picks now; leaves nothing initialised when it fails.
bool openWithCurrentDriver()
{
    if (sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // Not every codec is needed: without MIDI support the music stays silent, the rest plays.
    sdl().Mix_Init(MIX_INIT_MID);
    if (sdl().Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        sdl().Mix_Quit();
        sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

} // namespace

bool AudioOutput::ensureOpen()
{
    if (s_open)
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

    s_open = true;
    ++s_device;
    return true;
}

unsigned AudioOutput::device() { return s_open ? s_device : 0; }

void AudioOutput::chooseSoundFont(std::string_view piece)
{
    // Soundfonts named in the environment win.
    if (!qEnvironmentVariableIsEmpty("SDL_SOUNDFONTS"))
        return;
    // Beside the program in a build, in its data folder once installed.
    QString small;
    for (const QString& folder : ProgramFolder::placesToLook())
        if (small.isEmpty() && QFileInfo::exists(ProgramFolder::join(folder, QStringLiteral("music.sf2"))))
            small = ProgramFolder::join(folder, QStringLiteral("music.sf2"));
    QByteArray font;
    if (MidiCheck::usesOnlyPrograms(piece, kMusicPrograms) && !small.isEmpty())
        font = QFile::encodeName(small);
    else if (QFileInfo::exists(QString::fromLatin1(kSoundFont)))
        font = kSoundFont;
    if (font.isEmpty() || font == s_soundFont)
        return;
    sdl().Mix_SetSoundFonts(font.constData());
    s_soundFont = font;
}

void AudioOutput::shutdown()
{
    if (!s_open)
        return;
    // Closing halts the music, and that would look like a piece that ended by itself.
    sdl().Mix_HookMusicFinished(nullptr);
    sdl().Mix_CloseAudio();
    sdl().Mix_Quit();
    sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
    s_open = false;
}
