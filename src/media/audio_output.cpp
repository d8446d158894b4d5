#include "media/audio_output.h"

#include "kit/program_folder.h"
#include "media/audio_environment.h"
#include "media/audio_source.h"
#include "media/device_thread.h"
#include "media/midi_check.h"
#include "media/alsa_library.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// The sounds wait this long at most for the device to come up before they play on silently; a
// device that is not up after the longer time is given up.
constexpr auto kFirstOpenMs = std::chrono::milliseconds(500);
constexpr auto kOpeningMs = std::chrono::milliseconds(3000);
constexpr int kPeriodFrames = DeviceThread::kPeriodFrames;

const char* const kGeneralMidiFont = "/usr/share/sounds/sf2/default-GM.sf2";
// FluidSynth's usual soundfont, tried when the game has none.
const char* const kFluidFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
// The General MIDI programs of the game's tune; the build cuts them, with the drum kit, out of the
// soundfont above into "music.sf2" beside the program.
constexpr int kMusicPrograms[] = {DORV_MUSIC_PROGRAMS};

// The running output: the mixing thread, the sources that play in the two slots, and the device
// with its thread (none when the output plays silently). It is the application object's child,
// made by ensureOpen() on the UI thread and destroyed there, by shutdown() or with the application:
// destroying it ends the mixing thread and joins it, then closes the device (DeviceThread).
class RunningOutput final : public QObject {
public:
    RunningOutput(std::unique_ptr<DeviceThread> device, QObject* application);
    ~RunningOutput() override;

    void play(AudioOutput::Slot slot, AudioSource* source);
    void stop(const AudioSource* source);
    bool isPlaying(const AudioSource* source);
    bool waitWhilePlaying(const AudioSource* source, std::chrono::steady_clock::time_point until);

private:
    bool playing(const AudioSource* source) const;
    bool addSource(AudioSource*& source, std::int16_t* out);
    void mix(std::int16_t* out);
    void run();

    // Held while the sources are mixed and while what the slots play changes; m_left is told when a
    // source comes to its end.
    std::mutex m_mixing;
    std::condition_variable m_left;
    std::array<AudioSource*, 2> m_playing{};
    // The mixing thread's.
    DeviceThread::Period m_scratch{};
    std::unique_ptr<DeviceThread> m_device;
    std::atomic<bool> m_closing{false};
    // Started last, with everything it uses in place.
    std::thread m_mixer;
};

// The output while it runs; the UI thread's.
RunningOutput* s_output = nullptr;

RunningOutput::RunningOutput(std::unique_ptr<DeviceThread> device, QObject* application)
    : QObject(application)
    , m_device(std::move(device))
    , m_mixer(&RunningOutput::run, this)
{
}

RunningOutput::~RunningOutput()
{
    if (s_output == this)
        s_output = nullptr;
    // The mixing thread ends within a period, whatever the device does; what played is dropped
    // without coming to its end.
    m_closing = true;
    if (m_device)
        m_device->close();
    m_mixer.join();
    m_device.reset();
}

// Adds what `source` has for a period to `out`, clipping at the ends of the sample range; a source
// that comes to its end leaves its slot, and true is returned.
bool RunningOutput::addSource(AudioSource*& source, std::int16_t* out)
{
    int done = 0;
    while (source && done < kPeriodFrames) {
        const int wanted = kPeriodFrames - done;
        const int got = std::clamp(source->render(m_scratch.data(), wanted), 0, wanted);
        std::int16_t* into = out + done * AudioSource::kChannels;
        for (int i = 0; i < got * AudioSource::kChannels; ++i)
            into[i] = std::int16_t(std::clamp(int(into[i]) + int(m_scratch[i]), int(std::numeric_limits<std::int16_t>::min()),
                                              int(std::numeric_limits<std::int16_t>::max())));
        done += got;
        if (got < wanted) {
            AudioSource* const ended = source;
            source = nullptr;
            ended->ended();
            return true;
        }
    }
    return false;
}

void RunningOutput::mix(std::int16_t* out)
{
    std::memset(out, 0, sizeof(std::int16_t) * std::size_t(kPeriodFrames * AudioSource::kChannels));
    const std::lock_guard<std::mutex> lock(m_mixing);
    bool ended = false;
    for (AudioSource*& source : m_playing)
        ended = addSource(source, out) || ended;
    if (ended)
        m_left.notify_all();
}

// The mixing thread: mixes a period at a time and hands it to the device; without one, while it
// comes up, or once it failed or was given up, lets each period's time pass as if it played, so
// the sounds keep their timing and the music its end silently. It never waits for the device
// longer than a device may take.
void RunningOutput::run()
{
    using Clock = std::chrono::steady_clock;
    constexpr auto kPeriod = std::chrono::microseconds(std::int64_t(kPeriodFrames) * 1000000 / AudioSource::kRate);
    const Clock::time_point openBy = Clock::now() + kOpeningMs;
    DeviceThread* device = m_device.get();
    // The first sound waits a moment for the device to come up rather than lose its start.
    if (device)
        device->waitForOpening(kFirstOpenMs);
    DeviceThread::Period buffer;
    Clock::time_point due = Clock::now();
    while (!m_closing.load()) {
        mix(buffer.data());
        if (device) {
            using Handed = DeviceThread::Handed;
            const Handed handed = device->handOver(buffer, openBy);
            if (handed == Handed::Written || handed == Handed::WrittenAfterWaiting) {
                // A device that made room at its own pace sets the pace; one that takes everything
                // at once (ALSA's null device) is held to it by the clock.
                due = handed == Handed::WrittenAfterWaiting ? Clock::now() : due + kPeriod;
                std::this_thread::sleep_until(due);
                continue;
            }
            if (handed == Handed::DeviceGone) {
                device = nullptr;
                due = Clock::now();
            }
        }
        // A clock that fell far behind (the machine was asleep) starts again from now rather than
        // hurrying through what it missed.
        due = std::max(due + kPeriod, Clock::now() - std::chrono::seconds(1));
        std::this_thread::sleep_until(due);
    }
}

bool RunningOutput::playing(const AudioSource* source) const
{
    return std::find(m_playing.begin(), m_playing.end(), source) != m_playing.end();
}

void RunningOutput::play(AudioOutput::Slot slot, AudioSource* source)
{
    const std::lock_guard<std::mutex> lock(m_mixing);
    m_playing[slot == AudioOutput::Slot::Music ? 0 : 1] = source;
}

void RunningOutput::stop(const AudioSource* source)
{
    const std::lock_guard<std::mutex> lock(m_mixing);
    for (AudioSource*& slot : m_playing)
        if (slot == source)
            slot = nullptr;
}

bool RunningOutput::isPlaying(const AudioSource* source)
{
    const std::lock_guard<std::mutex> lock(m_mixing);
    return playing(source);
}

bool RunningOutput::waitWhilePlaying(const AudioSource* source, std::chrono::steady_clock::time_point until)
{
    std::unique_lock<std::mutex> lock(m_mixing);
    return m_left.wait_until(lock, until, [&] { return !playing(source); });
}

} // namespace

bool AudioOutput::ensureOpen()
{
    if (s_output)
        return true;
    // The application object owns the output, so its threads end before main returns.
    QCoreApplication* const application = QCoreApplication::instance();
    if (!application)
        return false;
    // Asked for silence (the tests ask so), the output plays silently without looking for a
    // device. Otherwise the device is ALSA's default one, or the one AUDIODEV names, opened on a
    // thread of its own: nothing here waits for it.
    std::unique_ptr<DeviceThread> device;
    if (!AudioEnvironment::silent()) {
        if (!AlsaLibrary::load())
            return false;
        const QByteArray name = qEnvironmentVariableIsEmpty("AUDIODEV") ? QByteArrayLiteral("default") : qgetenv("AUDIODEV");
        device = std::make_unique<DeviceThread>(name);
    }
    s_output = new RunningOutput(std::move(device), application);
    return true;
}

bool AudioOutput::play(Slot slot, AudioSource* source)
{
    if (!s_output)
        return false;
    s_output->play(slot, source);
    return true;
}

void AudioOutput::stop(const AudioSource* source)
{
    if (s_output && source)
        s_output->stop(source);
}

bool AudioOutput::isPlaying(const AudioSource* source)
{
    return s_output && source && s_output->isPlaying(source);
}

bool AudioOutput::waitWhilePlaying(const AudioSource* source, std::chrono::steady_clock::time_point until)
{
    return !s_output || !source || s_output->waitWhilePlaying(source, until);
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
    delete s_output;
}
