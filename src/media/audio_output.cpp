#include "media/audio_output.h"

#include "kit/program_folder.h"
#include "media/audio_environment.h"
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
#include <condition_variable>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <thread>

namespace {

const AlsaLibrary::Functions& alsa() { return AlsaLibrary::api(); }

// The frames mixed at a time, about 23 ms, and how far ahead of the speaker the device is fed.
constexpr int kPeriodFrames = 1024;
constexpr unsigned kLatencyMicroseconds = 100000;
// A device that takes nothing for this long is given up, and the output goes on silently.
constexpr int kStalledMs = 2000;
constexpr int kWaitMs = 100;
// The sounds wait this long at most for the device to come up before they play on silently; a
// device that is not up after the longer time is given up.
constexpr int kFirstOpenMs = 500;
constexpr int kOpeningMs = 3000;
// How long quitting waits for a device that still answers to close.
constexpr int kClosingMs = 500;

// The device as the thread that drives it sees it: the device is opened, set up, written and
// closed only there, so a device whose calls block holds up that thread alone. The mixing thread
// copies a period into `frames`, hands it over and waits no longer than a device may take; a
// device that takes longer, or does not come up in time, is given up and its thread left to
// itself, and the output goes on silently. Both threads hold the link, so a thread given up may
// outlive the output (and, stuck in a call that never returns, the program's end).
struct DeviceLink {
    enum class State { Opening, Ready, Failed };

    std::mutex lock;
    std::condition_variable changed;
    State state = State::Opening;
    // Set by the mixing thread when it gives the device up, or at shutdown: the device thread
    // closes the device as soon as it is back from the device.
    std::atomic<bool> givenUp{false};
    // A period handed over and not yet written, and whether the device had to make room for it.
    bool handed = false;
    bool waited = false;
    // The device thread has closed the device and ends.
    bool finished = false;
    std::array<std::int16_t, kPeriodFrames * AudioSource::kChannels> frames{};
};

// Held while the sources are mixed and while what the slots play changes.
std::mutex s_mixing;
std::array<AudioSource*, 2> s_playing{};
// The rest is the UI thread's: whether the output is open, the thread that mixes, and the device
// with its thread (none when the output plays silently).
bool s_open = false;
std::thread s_mixer;
std::shared_ptr<DeviceLink> s_link;
std::thread s_driver;
std::atomic<bool> s_closing{false};
// A program that ends without shutdown() (a test, say) still ends the threads first.
struct ShutDownAtExit {
    ~ShutDownAtExit() { AudioOutput::shutdown(); }
} s_shutDownAtExit;

const char* const kGeneralMidiFont = "/usr/share/sounds/sf2/default-GM.sf2";
// FluidSynth's usual soundfont, tried when the game has none.
const char* const kFluidFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
// The General MIDI programs of the game's tune; the build cuts them, with the drum kit, out of the
// soundfont above into "music.sf2" beside the program.
constexpr int kMusicPrograms[] = {DORV_MUSIC_PROGRAMS};

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

// On the device thread: writes the frames to the device as it takes them, setting `waited` when it
// had to wait for room; false when it fails for good, stalls, or the device is given up meanwhile.
// A write that comes back short is continued from the first frame the device did not take.
bool write(snd_pcm_t* device, const std::int16_t* frames, int count, bool& waited, const DeviceLink& link)
{
    int stalledMs = 0;
    while (count > 0 && !link.givenUp.load()) {
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

// ALSA would print its own lines for a missing card or device; the one warning below says why.
void quiet(const char*, int, const char*, int, const char*, ...) {}

// ALSA's device `name` opened for the output's frames; none, with the reason, when there is no
// such device or it does not take them.
snd_pcm_t* openDevice(const QByteArray& name, QByteArray& reason)
{
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

// The device thread: opens the device, writes each period handed to it, and closes the device
// when it fails or is given up. Any of these calls may block; nothing else waits for them.
void drive(std::shared_ptr<DeviceLink> link, QByteArray name)
{
    QByteArray reason;
    snd_pcm_t* device = openDevice(name, reason);
    std::unique_lock<std::mutex> lock(link->lock);
    if (!device && !link->givenUp)
        qWarning("Audio: no sound device (%s); playing silently", reason.constData());
    link->state = device ? DeviceLink::State::Ready : DeviceLink::State::Failed;
    link->changed.notify_all();
    while (device) {
        link->changed.wait(lock, [&] { return link->handed || link->givenUp; });
        if (link->givenUp)
            break;
        lock.unlock();
        bool waited = false;
        const bool written = write(device, link->frames.data(), kPeriodFrames, waited, *link);
        lock.lock();
        link->handed = false;
        link->waited = waited;
        if (!written)
            link->state = DeviceLink::State::Failed;
        link->changed.notify_all();
        if (!written)
            break;
    }
    lock.unlock();
    if (device) {
        alsa().snd_pcm_drop(device);
        alsa().snd_pcm_close(device);
    }
    lock.lock();
    link->finished = true;
    link->changed.notify_all();
}

// What became of a period handed to the device.
enum class Handed { Written, WrittenAfterWaiting, NotYet, DeviceGone };

// On the mixing thread: hands `frames` to the device and waits until it has taken them, no longer
// than a device may take; a device still coming up takes nothing yet, one that does not come up
// by `openBy` is given up.
Handed handOver(DeviceLink& link, const std::int16_t* frames, std::chrono::steady_clock::time_point openBy)
{
    std::unique_lock<std::mutex> lock(link.lock);
    if (link.givenUp || link.state == DeviceLink::State::Failed)
        return Handed::DeviceGone;
    if (link.state == DeviceLink::State::Opening) {
        if (std::chrono::steady_clock::now() < openBy)
            return Handed::NotYet;
        qWarning("Audio: the sound device did not come up; playing silently");
        link.givenUp = true;
        link.changed.notify_all();
        return Handed::DeviceGone;
    }
    std::copy_n(frames, link.frames.size(), link.frames.begin());
    link.handed = true;
    link.changed.notify_all();
    if (!link.changed.wait_for(lock, std::chrono::milliseconds(kStalledMs + kWaitMs),
                               [&] { return !link.handed || link.givenUp; })) {
        qWarning("Audio: the sound device does not answer; playing silently");
        link.givenUp = true;
        link.changed.notify_all();
        return Handed::DeviceGone;
    }
    if (link.givenUp || link.state == DeviceLink::State::Failed)
        return Handed::DeviceGone;
    return link.waited ? Handed::WrittenAfterWaiting : Handed::Written;
}

// The mixing thread: mixes a period at a time and hands it to the device; without one, while it
// comes up, or once it failed or was given up, lets each period's time pass as if it played, so
// the sounds keep their timing and the music its end silently. It never waits for the device
// longer than a device may take.
void run(std::shared_ptr<DeviceLink> link)
{
    using Clock = std::chrono::steady_clock;
    constexpr auto kPeriod = std::chrono::microseconds(std::int64_t(kPeriodFrames) * 1000000 / AudioSource::kRate);
    const Clock::time_point openBy = Clock::now() + std::chrono::milliseconds(kOpeningMs);
    if (link) {
        // The first sound waits a moment for the device to come up rather than lose its start.
        std::unique_lock<std::mutex> lock(link->lock);
        link->changed.wait_for(lock, std::chrono::milliseconds(kFirstOpenMs),
                               [&] { return link->state != DeviceLink::State::Opening || link->givenUp; });
    }
    std::array<std::int16_t, kPeriodFrames * AudioSource::kChannels> buffer;
    Clock::time_point due = Clock::now();
    while (!s_closing.load()) {
        mix(buffer.data(), kPeriodFrames);
        if (link) {
            const Handed handed = handOver(*link, buffer.data(), openBy);
            if (handed == Handed::Written || handed == Handed::WrittenAfterWaiting) {
                // A device that made room at its own pace sets the pace; one that takes everything
                // at once (ALSA's null device) is held to it by the clock.
                due = handed == Handed::WrittenAfterWaiting ? Clock::now() : due + kPeriod;
                std::this_thread::sleep_until(due);
                continue;
            }
            if (handed == Handed::DeviceGone) {
                link.reset();
                due = Clock::now();
            }
        }
        // A clock that fell far behind (the machine was asleep) starts again from now rather than
        // hurrying through what it missed.
        due = std::max(due + kPeriod, Clock::now() - std::chrono::seconds(1));
        std::this_thread::sleep_until(due);
    }
}

AudioSource*& slotOf(AudioOutput::Slot slot) { return s_playing[slot == AudioOutput::Slot::Music ? 0 : 1]; }

} // namespace

bool AudioOutput::ensureOpen()
{
    if (s_open)
        return true;
    // Asked for silence (the tests ask so), the output plays silently without looking for a
    // device. Otherwise the device is ALSA's default one, or the one AUDIODEV names, opened on a
    // thread of its own: nothing here waits for it.
    std::shared_ptr<DeviceLink> link;
    if (!AudioEnvironment::silent()) {
        if (!AlsaLibrary::load())
            return false;
        alsa().snd_lib_error_set_handler(quiet);
        link = std::make_shared<DeviceLink>();
        const QByteArray name = qEnvironmentVariableIsEmpty("AUDIODEV") ? QByteArrayLiteral("default") : qgetenv("AUDIODEV");
        s_driver = std::thread(drive, link, name);
    }
    s_closing = false;
    s_link = link;
    s_mixer = std::thread(run, std::move(link));
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
    if (const QString named = AudioEnvironment::soundFonts(); !named.isEmpty())
        return named.toStdString();
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
    // The mixing thread ends within a period, whatever the device does; what played is dropped
    // without coming to its end.
    s_closing = true;
    bool givenUpBefore = true;
    if (s_link) {
        const std::lock_guard<std::mutex> lock(s_link->lock);
        givenUpBefore = s_link->givenUp.exchange(true);
        s_link->changed.notify_all();
    }
    s_mixer.join();
    if (s_link) {
        // A device that answers is closed before the program goes on; a device thread stuck in a
        // call to the device (given up already, or not back in a moment) is left to itself: it
        // holds nothing of the output's but its link, and ends with the program.
        std::unique_lock<std::mutex> lock(s_link->lock);
        const bool finished = s_link->changed.wait_for(lock, std::chrono::milliseconds(givenUpBefore ? 0 : kClosingMs),
                                                       [] { return s_link->finished; });
        lock.unlock();
        if (finished)
            s_driver.join();
        else
            s_driver.detach();
        s_link.reset();
    }
    s_playing = {};
    s_open = false;
}
