#pragma once

#include "media/audio_source.h"

#include <QByteArray>

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <thread>

struct DeviceLink;

// The thread that drives the sound device: the only one that opens ALSA's device, sets it up,
// writes to it and closes it, so a device whose calls block holds up that thread alone. The mixing
// thread hands it a period at a time and waits no longer than a device may take; a device that
// takes longer, or does not come up in time, is given up, and the output goes on silently.
//
// The output owns this object and destroys it once its mixing thread has ended. Destroying it gives
// a device that still answers a moment (half a second) to close, then joins the thread. A thread
// stuck in a call to the device (given up already, or not back within that moment) is left behind
// rather than hold up the end of the output or of the program: it holds nothing but the link it
// shares with this object, closes the device if the call ever returns, and otherwise ends with the
// process, the one thread of the program that may outlive main. While it runs, ALSA's own error
// lines are silenced on that thread alone.
class DeviceThread {
public:
    // The frames handed over at a time, about 23 ms.
    static constexpr int kPeriodFrames = 1024;
    using Period = std::array<std::int16_t, kPeriodFrames * AudioSource::kChannels>;
    // What became of a period handed to the device.
    enum class Handed { Written, WrittenAfterWaiting, NotYet, DeviceGone };

    // Starts the thread, which opens ALSA's device `name`.
    explicit DeviceThread(const QByteArray& name);
    ~DeviceThread();
    DeviceThread(const DeviceThread&) = delete;
    DeviceThread& operator=(const DeviceThread&) = delete;

    // On the mixing thread: waits up to `most` for the device to come up, fail or be given up.
    void waitForOpening(std::chrono::milliseconds most);
    // On the mixing thread: hands `period` to the device and waits until it has taken it, no longer
    // than a device may take; a device still coming up takes nothing yet, one that does not come
    // up by `openBy` is given up.
    Handed handOver(const Period& period, std::chrono::steady_clock::time_point openBy);
    // On the owner's thread, before it joins the mixing thread: gives the device up, so the device
    // thread closes it as soon as it is back from the device and a mixing thread waiting for it
    // goes on.
    void close();

private:
    std::shared_ptr<DeviceLink> m_link;
    std::thread m_thread;
    // How long destruction waits for the device to close: a moment for a device that was still in
    // use at close(), none for one given up before.
    std::chrono::milliseconds m_closing{0};
};
