#pragma once

#include <cstdint>
#include <memory>
#include <sys/types.h>

// Keeps the header's default callbacks over stdio out: the stream is read from a file descriptor.
#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

// libvorbisfile, opened the first time a tune is decoded. The functions keep its names.
#define DORV_VORBIS_FUNCTIONS(X) X(ov_clear) X(ov_info) X(ov_open_callbacks) X(ov_pcm_seek) X(ov_pcm_total) X(ov_read)

// An Ogg Vorbis stream lying in a file at a known place, decoded into 16-bit frames as they are
// asked for. It gives back exactly the frames that were encoded: the stream's last page says
// how many, so the encoder's padding is never heard and a loop starts and ends on its frame.
class VorbisDecoder {
public:
    // The stream of `length` bytes from `offset` in the open file `fd` (which stays the caller's),
    // or none when libvorbisfile is missing or the bytes are no Vorbis stream.
    static std::unique_ptr<VorbisDecoder> open(int fd, off_t offset, off_t length);
    ~VorbisDecoder();
    VorbisDecoder(const VorbisDecoder&) = delete;
    VorbisDecoder& operator=(const VorbisDecoder&) = delete;

    int rate() const { return m_rate; }
    int channels() const { return m_channels; }
    std::uint64_t frames() const { return m_frames; }
    // Decodes from the first frame again; false when the stream cannot go back there.
    bool rewind();
    // Decodes up to `frames` frames, interleaved, into `into`; fewer at the end of the stream or
    // where it cannot be read. Only the first few blocks after the stream is opened
    // allocate (libvorbis sizing its buffers); later reads and rewinds reuse them, so the audio
    // thread may call it.
    int read(std::int16_t* into, int frames);

private:
    VorbisDecoder(int fd, off_t offset, off_t length) : m_source{fd, offset, length, 0} {}

    // Where the stream lies, and how far into it the decoder has read.
    struct Source {
        int fd;
        off_t offset;
        off_t length;
        off_t at;
    };
    static std::size_t readSource(void* into, std::size_t size, std::size_t count, void* source);
    static int seekSource(void* source, ogg_int64_t offset, int whence);
    static long tellSource(void* source);

    Source m_source;
    OggVorbis_File m_file{};
    bool m_open = false;
    int m_rate = 0;
    int m_channels = 0;
    std::uint64_t m_frames = 0;
};
