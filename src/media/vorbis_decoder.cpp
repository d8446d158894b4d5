#include "media/vorbis_decoder.h"

#include "kit/library_functions.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

struct Functions {
    DORV_VORBIS_FUNCTIONS(DORV_FUNCTION_POINTER)
    void lookUpIn(LibraryFunctions& library) { DORV_VORBIS_FUNCTIONS(DORV_FUNCTION_LOOKUP) }
};

Functions s_vorbis;

bool load() { return openOnce(s_vorbis, "libvorbisfile.so.3", "libvorbisfile", "Audio"); }

constexpr int kSampleBytes = 2;

} // namespace

std::unique_ptr<VorbisDecoder> VorbisDecoder::open(int fd, off_t offset, off_t length)
{
    if (!load())
        return nullptr;
    std::unique_ptr<VorbisDecoder> decoder(new VorbisDecoder(fd, offset, length));
    const ov_callbacks callbacks{&readSource, &seekSource, nullptr, &tellSource};
    if (s_vorbis.ov_open_callbacks(&decoder->m_source, &decoder->m_file, nullptr, 0, callbacks) != 0)
        return nullptr;
    decoder->m_open = true;
    const vorbis_info* info = s_vorbis.ov_info(&decoder->m_file, -1);
    const ogg_int64_t frames = s_vorbis.ov_pcm_total(&decoder->m_file, -1);
    if (!info || frames < 0)
        return nullptr;
    decoder->m_rate = int(info->rate);
    decoder->m_channels = info->channels;
    decoder->m_frames = std::uint64_t(frames);
    return decoder;
}

VorbisDecoder::~VorbisDecoder()
{
    if (m_open)
        s_vorbis.ov_clear(&m_file);
}

bool VorbisDecoder::rewind() { return s_vorbis.ov_pcm_seek(&m_file, 0) == 0; }

int VorbisDecoder::read(std::int16_t* into, int frames)
{
    const int frameBytes = m_channels * kSampleBytes;
    const int wanted = frames * frameBytes;
    int done = 0;
    while (done < wanted) {
        int section = 0;
        const long got = s_vorbis.ov_read(&m_file, reinterpret_cast<char*>(into) + done, wanted - done,
                                          std::endian::native == std::endian::big, kSampleBytes, 1, &section);
        // A hole in the stream (a damaged page) is passed over; its end or a worse fault ends it.
        if (got == OV_HOLE)
            continue;
        if (got <= 0)
            break;
        done += int(got);
    }
    return done / frameBytes;
}

std::size_t VorbisDecoder::readSource(void* into, std::size_t size, std::size_t count, void* source)
{
    auto& from = *static_cast<Source*>(source);
    const std::size_t wanted = std::min<std::size_t>(size * count, std::size_t(from.length - from.at));
    std::size_t done = 0;
    while (done < wanted) {
        const ssize_t got = ::pread(from.fd, static_cast<char*>(into) + done, wanted - done, from.offset + from.at + off_t(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += std::size_t(got);
    }
    from.at += off_t(done);
    return size == 0 ? 0 : done / size;
}

int VorbisDecoder::seekSource(void* source, ogg_int64_t offset, int whence)
{
    auto& from = *static_cast<Source*>(source);
    const ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? from.at : from.length;
    const ogg_int64_t to = base + offset;
    if (to < 0 || to > from.length)
        return -1;
    from.at = off_t(to);
    return 0;
}

long VorbisDecoder::tellSource(void* source) { return long(static_cast<Source*>(source)->at); }
