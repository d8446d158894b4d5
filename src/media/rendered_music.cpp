#include "media/rendered_music.h"

#include "kit/file_store.h"
#include "media/vorbis_decoder.h"

#include <QCryptographicHash>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <unistd.h>

namespace {

constexpr char kMagic[8] = {'D', 'o', 'r', 'v', 'T', 'u', 'n', 'e'};
// Version 1 held the frames as they are; version 2 holds them as an Ogg Vorbis stream.
constexpr std::uint32_t kVersion = 2;
constexpr std::uint32_t kBits = 16;

// The header: the magic, the version, the rate, the channels and the bits of a sample, the
// length of the MIDI bytes rendered, the frames the stream decodes to, the SHA-256 of the MIDI
// bytes and the length of the stream that follows; numbers little-endian.
struct Header {
    std::uint32_t rate = AudioSource::kRate;
    std::uint32_t channels = AudioSource::kChannels;
    std::uint32_t bits = kBits;
    std::uint64_t pieceLength = 0;
    std::uint64_t frames = 0;
    QByteArray pieceHash;
    std::uint64_t streamLength = 0;

    static constexpr std::size_t kSize = 8 + 4 * 4 + 8 + 8 + 32 + 8;

    static QByteArray hash(std::string_view piece)
    {
        return QCryptographicHash::hash(QByteArrayView(piece.data(), qsizetype(piece.size())), QCryptographicHash::Sha256);
    }

    std::string bytes() const
    {
        std::string out(kSize, '\0');
        char* at = out.data();
        std::memcpy(at, kMagic, sizeof kMagic);
        at += sizeof kMagic;
        for (const std::uint32_t word : {kVersion, rate, channels, bits}) {
            qToLittleEndian(word, at);
            at += 4;
        }
        qToLittleEndian(pieceLength, at);
        qToLittleEndian(frames, at + 8);
        std::memcpy(at + 16, pieceHash.constData(), 32);
        qToLittleEndian(streamLength, at + 48);
        return out;
    }

    // The header at the start of `bytes` (kSize of them), or false when it is none of ours.
    bool read(const char* bytes)
    {
        if (std::memcmp(bytes, kMagic, sizeof kMagic) != 0 || qFromLittleEndian<std::uint32_t>(bytes + 8) != kVersion)
            return false;
        rate = qFromLittleEndian<std::uint32_t>(bytes + 12);
        channels = qFromLittleEndian<std::uint32_t>(bytes + 16);
        bits = qFromLittleEndian<std::uint32_t>(bytes + 20);
        pieceLength = qFromLittleEndian<std::uint64_t>(bytes + 24);
        frames = qFromLittleEndian<std::uint64_t>(bytes + 32);
        pieceHash = QByteArray(bytes + 40, 32);
        streamLength = qFromLittleEndian<std::uint64_t>(bytes + 72);
        return true;
    }
};

} // namespace

bool RenderedMusic::write(const QString& path, std::string_view piece, std::string_view vorbis, std::uint64_t frames,
                          QString* error)
{
    Header header;
    header.pieceLength = piece.size();
    header.pieceHash = Header::hash(piece);
    header.frames = frames;
    header.streamLength = vorbis.size();
    return FileStore::write(path, header.bytes().append(vorbis), error);
}

std::unique_ptr<RenderedMusic> RenderedMusic::open(const QString& path, std::string_view piece)
{
    // Only a regular file no larger than any file the game reads is played, and a FIFO or a
    // device never blocks the game.
    qint64 size = 0;
    const int fd = FileStore::openRegular(path, nullptr, &size);
    if (fd < 0)
        return nullptr;
    char bytes[Header::kSize];
    Header header;
    const bool matches = size <= FileStore::kMaxRead && ::pread(fd, bytes, sizeof bytes, 0) == ssize_t(sizeof bytes)
        && header.read(bytes) && header.rate == std::uint32_t(kRate) && header.channels == std::uint32_t(kChannels)
        && header.bits == kBits && header.pieceLength == piece.size() && header.pieceHash == Header::hash(piece)
        && std::uint64_t(size) == Header::kSize + header.streamLength;
    if (!matches) {
        ::close(fd);
        return nullptr;
    }
    std::unique_ptr<RenderedMusic> music(new RenderedMusic(path, fd, header.frames));
    // The stream must decode to the frames rendered, at the rate and channels the device plays.
    music->m_decoder = VorbisDecoder::open(fd, off_t(Header::kSize), off_t(header.streamLength));
    const VorbisDecoder* decoder = music->m_decoder.get();
    if (!decoder || decoder->rate() != kRate || decoder->channels() != kChannels || decoder->frames() != header.frames)
        return nullptr;
    return music;
}

RenderedMusic::RenderedMusic(QString path, int fd, std::uint64_t frames)
    : m_path(std::move(path))
    , m_fd(fd)
    , m_frames(frames)
{
}

RenderedMusic::~RenderedMusic()
{
    m_decoder.reset();
    ::close(m_fd);
}

void RenderedMusic::start()
{
    m_position = 0;
    m_decoder->rewind();
}

int RenderedMusic::render(std::int16_t* into, int frames)
{
    const int count = int(std::min<std::uint64_t>(frames, m_frames - m_position));
    const int decoded = m_decoder->read(into, count);
    // A file damaged while it plays keeps its time in silence rather than ending early.
    std::fill(into + std::ptrdiff_t(decoded) * kChannels, into + std::ptrdiff_t(count) * kChannels, std::int16_t(0));
    m_position += std::uint64_t(count);
    return count;
}
