#include "media/device_thread.h"

#include "media/alsa_library.h"

#include <QtGlobal>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdarg>
#include <mutex>

namespace {

const AlsaLibrary::Functions& alsa() { return AlsaLibrary::api(); }

// How far ahead of the speaker the device is fed.
constexpr unsigned kLatencyMicroseconds = 100000;
// A device that takes nothing for this long is given up, and the output goes on silently.
constexpr int kStalledMs = 2000;
constexpr int kWaitMs = 100;
// How long closing waits for a device that still answers to close.
constexpr auto kClosingMs = std::chrono::milliseconds(500);

} // namespace

// The device as the thread that drives it sees it, shared by that thread and the DeviceThread
// object: a thread left behind in a call to the device may outlive the object.
struct DeviceLink {
    enum class State { Opening, Ready, Failed };

    std::mutex lock;
    std::condition_variable changed;
    State state = State::Opening;
    // Set by the mixing thread when it gives the device up, or at close(): the device thread
    // closes the device as soon as it is back from the device.
    std::atomic<bool> givenUp{false};
    // A period handed over and not yet written, and whether the device had to make room for it.
    bool handed = false;
    bool waited = false;
    // The device thread has closed the device and ends.
    bool finished = false;
    DeviceThread::Period frames{};
};

namespace {

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

// ALSA would print its own lines for a missing card or device; the game's one warning says why.
// This handler forwards nothing, and is ALSA's handler for the device thread alone, which makes no
// call to ALSA but the game's own: the rest of the process keeps whatever handler ALSA has.
void forwardNothing(const char*, int, const char*, int, const char*, va_list) {}

class QuietAlsaOnThisThread {
public:
    QuietAlsaOnThisThread() : m_before(alsa().snd_lib_error_set_local(forwardNothing)) {}
    ~QuietAlsaOnThisThread() { alsa().snd_lib_error_set_local(m_before); }
    QuietAlsaOnThisThread(const QuietAlsaOnThisThread&) = delete;
    QuietAlsaOnThisThread& operator=(const QuietAlsaOnThisThread&) = delete;

private:
    snd_local_error_handler_t m_before;
};

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
    const QuietAlsaOnThisThread quiet;
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
        const bool written = write(device, link->frames.data(), DeviceThread::kPeriodFrames, waited, *link);
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

} // namespace

DeviceThread::DeviceThread(const QByteArray& name)
    : m_link(std::make_shared<DeviceLink>())
    , m_thread(drive, m_link, name)
{
}

DeviceThread::~DeviceThread()
{
    close();
    std::unique_lock<std::mutex> lock(m_link->lock);
    const bool finished = m_link->changed.wait_for(lock, m_closing, [this] { return m_link->finished; });
    lock.unlock();
    if (finished)
        m_thread.join();
    else
        m_thread.detach();
}

void DeviceThread::close()
{
    const std::lock_guard<std::mutex> lock(m_link->lock);
    if (!m_link->givenUp.exchange(true))
        m_closing = kClosingMs;
    m_link->changed.notify_all();
}

void DeviceThread::waitForOpening(std::chrono::milliseconds most)
{
    std::unique_lock<std::mutex> lock(m_link->lock);
    DeviceLink& link = *m_link;
    link.changed.wait_for(lock, most, [&] { return link.state != DeviceLink::State::Opening || link.givenUp; });
}

DeviceThread::Handed DeviceThread::handOver(const Period& period, std::chrono::steady_clock::time_point openBy)
{
    DeviceLink& link = *m_link;
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
    link.frames = period;
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
