// A sound device of the tests' own, loaded by ALSA as a plugin (pcm type "dorvfake", option "file"):
// it takes the frames at about the pace of a card, an odd share of a period at a time, so writes
// to it come back short or with -EAGAIN as on a real card, and it appends every frame written to it
// to the file, in the order it was given them.
#include <alsa/asoundlib.h>
#include <alsa/pcm_external.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

// The frames taken at each tick of 7.5 ms: a little faster than 44.1 kHz, never a whole period.
constexpr snd_pcm_uframes_t kTakenPerTick = 333;
constexpr long kTickNs = 7500000;
constexpr unsigned kFrameBytes = 4;

// The device's state: its ALSA plugin, the clock that paces it, the file it writes, and the
// frames it has taken so far.
struct FakeSoundDevice {
    snd_pcm_ioplug_t io{};
    int clock = -1;
    int out = -1;
    snd_pcm_uframes_t taken = 0;

    // Takes what the ticks since the last look allow, never more than was written.
    void take()
    {
        std::uint64_t ticks = 0;
        if (::read(clock, &ticks, sizeof ticks) != ssize_t(sizeof ticks))
            return;
        const snd_pcm_uframes_t written = io.appl_ptr - taken;
        const snd_pcm_uframes_t more = ticks * kTakenPerTick;
        taken += more < written ? more : written;
    }
    void arm(long ns)
    {
        itimerspec period{};
        period.it_interval.tv_nsec = ns;
        period.it_value.tv_nsec = ns;
        ::timerfd_settime(clock, 0, &period, nullptr);
    }
};

FakeSoundDevice* device(snd_pcm_ioplug_t* io) { return static_cast<FakeSoundDevice*>(io->private_data); }

int start(snd_pcm_ioplug_t* io)
{
    device(io)->arm(kTickNs);
    return 0;
}

int stop(snd_pcm_ioplug_t* io)
{
    device(io)->arm(0);
    return 0;
}

int prepare(snd_pcm_ioplug_t* io)
{
    device(io)->taken = io->appl_ptr;
    return 0;
}

snd_pcm_sframes_t pointer(snd_pcm_ioplug_t* io)
{
    FakeSoundDevice* fake = device(io);
    fake->take();
    return snd_pcm_sframes_t(fake->taken % io->buffer_size);
}

snd_pcm_sframes_t transfer(snd_pcm_ioplug_t* io, const snd_pcm_channel_area_t* areas, snd_pcm_uframes_t offset,
                           snd_pcm_uframes_t size)
{
    const char* frames = static_cast<const char*>(areas[0].addr) + (areas[0].first + areas[0].step * offset) / 8;
    const std::size_t bytes = size * kFrameBytes;
    for (std::size_t done = 0; done < bytes;) {
        const ssize_t n = ::write(device(io)->out, frames + done, bytes - done);
        if (n < 0)
            return -errno;
        done += std::size_t(n);
    }
    return snd_pcm_sframes_t(size);
}

int pollRevents(snd_pcm_ioplug_t* io, struct pollfd*, unsigned int, unsigned short* revents)
{
    FakeSoundDevice* fake = device(io);
    fake->take();
    const snd_pcm_uframes_t room = io->buffer_size - (io->appl_ptr - fake->taken);
    *revents = room >= io->period_size ? POLLOUT : 0;
    return 0;
}

int close(snd_pcm_ioplug_t* io)
{
    FakeSoundDevice* fake = device(io);
    ::close(fake->clock);
    ::close(fake->out);
    delete fake;
    return 0;
}

const snd_pcm_ioplug_callback_t kCallbacks = [] {
    snd_pcm_ioplug_callback_t callbacks{};
    callbacks.start = start;
    callbacks.stop = stop;
    callbacks.pointer = pointer;
    callbacks.transfer = transfer;
    callbacks.close = close;
    callbacks.prepare = prepare;
    callbacks.poll_revents = pollRevents;
    return callbacks;
}();

} // namespace

extern "C" SND_PCM_PLUGIN_DEFINE_FUNC(dorvfake)
{
    (void)root;
    const char* file = nullptr;
    snd_config_iterator_t i, next;
    snd_config_for_each(i, next, conf)
    {
        snd_config_t* entry = snd_config_iterator_entry(i);
        const char* id = nullptr;
        if (snd_config_get_id(entry, &id) == 0 && std::strcmp(id, "file") == 0)
            snd_config_get_string(entry, &file);
    }
    if (!file || stream != SND_PCM_STREAM_PLAYBACK)
        return -EINVAL;
    auto* fake = new FakeSoundDevice;
    fake->out = ::open(file, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    fake->clock = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fake->out < 0 || fake->clock < 0) {
        ::close(fake->out);
        ::close(fake->clock);
        delete fake;
        return -ENODEV;
    }
    fake->io.version = SND_PCM_IOPLUG_VERSION;
    fake->io.name = "The tests' sound device";
    fake->io.callback = &kCallbacks;
    fake->io.private_data = fake;
    fake->io.poll_fd = fake->clock;
    fake->io.poll_events = POLLIN;
    if (const int error = snd_pcm_ioplug_create(&fake->io, name, stream, mode); error < 0) {
        ::close(fake->out);
        ::close(fake->clock);
        delete fake;
        return error;
    }
    // Periods of 256 frames, so that a write of 1024 frames often finds room for only part of it.
    const unsigned access[] = {SND_PCM_ACCESS_RW_INTERLEAVED};
    const unsigned format[] = {SND_PCM_FORMAT_S16_LE};
    int error = snd_pcm_ioplug_set_param_list(&fake->io, SND_PCM_IOPLUG_HW_ACCESS, 1, access);
    if (error >= 0)
        error = snd_pcm_ioplug_set_param_list(&fake->io, SND_PCM_IOPLUG_HW_FORMAT, 1, format);
    if (error >= 0)
        error = snd_pcm_ioplug_set_param_minmax(&fake->io, SND_PCM_IOPLUG_HW_CHANNELS, 2, 2);
    if (error >= 0)
        error = snd_pcm_ioplug_set_param_minmax(&fake->io, SND_PCM_IOPLUG_HW_RATE, 44100, 44100);
    if (error >= 0)
        error = snd_pcm_ioplug_set_param_minmax(&fake->io, SND_PCM_IOPLUG_HW_PERIOD_BYTES, 256 * kFrameBytes, 256 * kFrameBytes);
    if (error >= 0)
        error = snd_pcm_ioplug_set_param_minmax(&fake->io, SND_PCM_IOPLUG_HW_PERIODS, 4, 64);
    if (error < 0) {
        snd_pcm_ioplug_delete(&fake->io);
        return error;
    }
    *pcmp = fake->io.pcm;
    return 0;
}
SND_PCM_PLUGIN_SYMBOL(dorvfake);
