#include "media/audio_output.h"

#include "kit/program_folder.h"
#include "media/audio_source.h"
#include "media/midi_check.h"
#include "media/alsa_library.h"

#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <limits>
#include <mutex>
#include <thread>

namespace {

const AlsaLibrary::Functions& alsa() { return AlsaLibrary::api(); }

// Held while the sources are mixed and while what the slots play changes.
std::mutex s_mixing;
std::array<AudioSource*, 2> s_playing{};
// The rest is the UI thread's: whether the output is open, the device it writes to (none when it
// plays silently) and the thread that mixes and writes.
bool s_open = false;
snd_pcm_t* s_device = nullptr;
std::thread s_thread;
std::atomic<bool> s_closing{false};
// A program that ends without shutdown() (a test, say) still ends the thread first.
struct ShutDownAtExit {
    ~ShutDownAtExit() { AudioOutput::shutdown(); }
} s_shutDownAtExit;

const char* const kGeneralMidiFont = "/usr/share/sounds/sf2/default-GM.sf2";
// FluidSynth's usual soundfont, tried when the game has none.
const char* const kFluidFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
// The General MIDI programs of the game's tune; the build cuts them, with the drum kit, out of the
// soundfont above into "music.sf2" beside the program.
constexpr int kMusicPrograms[] = {DORV_MUSIC_PROGRAMS};

// The frames mixed at a time, about 23 ms, and how far ahead of the speaker the device is fed.
constexpr int kPeriodFrames = 1024;
constexpr unsigned kLatencyMicroseconds = 100000;
// A device that takes nothing for this long is given up, and the output goes on silently.
constexpr int kStalledMs = 2000;
constexpr int kWaitMs = 100;

// Adds what `source` has for `frames` frames to `out`, clipping at the ends of the sample range;
// a source that comes to its end leaves its slot.
void addSource(AudioSource*& source, std::int16_t* out, int frames)
{
    static std::array<std::int16_t, kPeriodFrames * AudioSource::kChannels> scratch;
    int done = 0;
    while (source && done < frames) {
        const int wanted = std::min(frames - done, kPeriodFrames);
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

void mix(std::int16_t* out, int frames)
{
    std::memset(out, 0, sizeof(std::int16_t) * std::size_t(frames * AudioSource::kChannels));
    const std::lock_guard<std::mutex> lock(s_mixing);
    for (AudioSource*& source : s_playing)
        addSource(source, out, frames);
}

// Writes the frames to the device as it takes them, setting `waited` when it had to wait for room;
// false when it fails for good, stalls, or the output closes meanwhile.
bool write(snd_pcm_t* device, const std::int16_t* frames, int count, bool& waited)
{
    int stalledMs = 0;
    while (count > 0 && !s_closing.load()) {
        snd_pcm_sframes_t written = alsa().snd_pcm_writei(device, frames, snd_pcm_uframes_t(count));
        if (written == -EAGAIN) {
            // Full: wait for room, a little at a time so that closing is never held up.
            waited = true;
            written = alsa().snd_pcm_wait(device, kWaitMs);
            if (written == 0 && (stalledMs += kWaitMs) >= kStalledMs) {
                qWarning("Audio: the sound device takes nothing more; playing silently");
                return false;
            }
            if (written >= 0)
                continue;
        }
        if (written < 0) {
            // An underrun or a suspended device is recovered from; anything else ends the device.
            if (const int error = alsa().snd_pcm_recover(device, int(written), 1); error < 0) {
                qWarning("Audio: the sound device failed (%s); playing silently", alsa().snd_strerror(error));
                return false;
            }
        } else {
            frames += written * AudioSource::kChannels;
            count -= int(written);
            stalledMs = 0;
        }
    }
    return count == 0;
}

// The audio thread: mixes a period at a time and writes it to the device; without one, or once
// it failed, lets each period's time pass as if it played, so the music keeps its timing and its
// end silently.
void run(snd_pcm_t* device)
{
    using Clock = std::chrono::steady_clock;
    constexpr auto kPeriod = std::chrono::microseconds(std::int64_t(kPeriodFrames) * 1000000 / AudioSource::kRate);
    std::array<std::int16_t, kPeriodFrames * AudioSource::kChannels> buffer;
    Clock::time_point due = Clock::now();
    while (!s_closing.load()) {
        mix(buffer.data(), kPeriodFrames);
        if (device) {
            bool waited = false;
            if (write(device, buffer.data(), kPeriodFrames, waited)) {
                // A device that made room at its own pace sets the pace; one that takes everything
                // at once (ALSA's null device) is held to it by the clock.
                due = waited ? Clock::now() : due + kPeriod;
                std::this_thread::sleep_until(due);
                continue;
            }
            device = nullptr;
            due = Clock::now();
        }
        // A clock that fell far behind (the machine was asleep) starts again from now rather than
        // hurrying through what it missed.
        due = std::max(due + kPeriod, Clock::now() - std::chrono::seconds(1));
        std::this_thread::sleep_until(due);
    }
}

// ALSA would print its own lines for a missing card or device; the one warning below says why.
void quiet(const char*, int, const char*, int, const char*, ...) {}

// ALSA's default device, or the one AUDIODEV names, opened for the output's frames; none, with
// the reason, when there is no such device or it does not take them.
snd_pcm_t* openDevice(QByteArray& reason)
{
    const QByteArray name = qEnvironmentVariableIsEmpty("AUDIODEV") ? QByteArrayLiteral("default") : qgetenv("AUDIODEV");
    alsa().snd_lib_error_set_handler(quiet);
    snd_pcm_t* device = nullptr;
    // Not blocking, neither in opening a device another program holds nor in writing to it.
    int error = alsa().snd_pcm_open(&device, name.constData(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    if (error == 0) {
        error = alsa().snd_pcm_set_params(device, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED,
                                          AudioSource::kChannels, AudioSource::kRate, 1, kLatencyMicroseconds);
        if (error < 0) {
            alsa().snd_pcm_close(device);
            device = nullptr;
        }
    }
    if (error < 0)
        reason = name + ": " + alsa().snd_strerror(error);
    return device;
}

AudioSource*& slotOf(AudioOutput::Slot slot) { return s_playing[slot == AudioOutput::Slot::Music ? 0 : 1]; }

} // namespace

bool AudioOutput::ensureOpen()
{
    if (s_open)
        return true;
    // SDL_AUDIODRIVER=dummy, the usual way of asking a game for no sound device (the tests ask
    // so), plays silently without looking for one.
    if (qgetenv("SDL_AUDIODRIVER") != "dummy") {
        if (!AlsaLibrary::load())
            return false;
        QByteArray reason;
        s_device = openDevice(reason);
        if (!s_device)
            qWarning("Audio: no sound device (%s); playing silently", reason.constData());
    }
    s_closing = false;
    s_thread = std::thread(run, s_device);
    s_open = true;
    return true;
}

bool AudioOutput::play(Slot slot, AudioSource* source)
{
    if (!s_open)
        return false;
    const std::lock_guard<std::mutex> lock(s_mixing);
    slotOf(slot) = source;
    return true;
}

void AudioOutput::stop(const AudioSource* source)
{
    if (!s_open || !source)
        return;
    const std::lock_guard<std::mutex> lock(s_mixing);
    for (AudioSource*& playing : s_playing)
        if (playing == source)
            playing = nullptr;
}

bool AudioOutput::isPlaying(const AudioSource* source)
{
    if (!s_open || !source)
        return false;
    const std::lock_guard<std::mutex> lock(s_mixing);
    return std::find(s_playing.begin(), s_playing.end(), source) != s_playing.end();
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
    if (!s_open)
        return;
    // The audio thread ends within a period or a short wait; what played is dropped without
    // coming to its end.
    s_closing = true;
    s_thread.join();
    if (s_device) {
        alsa().snd_pcm_drop(s_device);
        alsa().snd_pcm_close(s_device);
        s_device = nullptr;
    }
    s_playing = {};
    s_open = false;
}
