#include "media/rendered_music.h"

#include "kit/file_store.h"

#include <QCryptographicHash>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr char kMagic[8] = {'D', 'o', 'r', 'v', 'T', 'u', 'n', 'e'};
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kBits = 16;
constexpr int kFrameBytes = AudioSource::kChannels * 2;

// The header: the magic, the version, the rate, the channels and the bits of a sample, the
// length of the MIDI bytes rendered, the frames that follow and the SHA-256 of the MIDI bytes;
// numbers little-endian.
struct Header {
    std::uint32_t rate = AudioSource::kRate;
    std::uint32_t channels = AudioSource::kChannels;
    std::uint32_t bits = kBits;
    std::uint64_t pieceLength = 0;
    std::uint64_t frames = 0;
    QByteArray pieceHash;

    static constexpr std::size_t kSize = 8 + 4 * 4 + 8 + 8 + 32;

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
        return true;
    }
};

} // namespace

bool RenderedMusic::write(const QString& path, std::string_view piece, AudioSource& played, QString* error)
{
    Header header;
    header.pieceLength = piece.size();
    header.pieceHash = Header::hash(piece);
    std::string frames;
    constexpr int kBlockFrames = 4096;
    std::int16_t block[kBlockFrames * kChannels];
    for (;;) {
        const int count = played.render(block, kBlockFrames);
        for (int i = 0; i < count * kChannels; ++i) {
            char sample[2];
            qToLittleEndian(block[i], sample);
            frames.append(sample, 2);
        }
        if (count < kBlockFrames)
            break;
    }
    header.frames = frames.size() / kFrameBytes;
    return FileStore::write(path, header.bytes() + frames, error);
}

std::unique_ptr<RenderedMusic> RenderedMusic::open(const QString& path, std::string_view piece)
{
    // Only a regular file is played, and a FIFO or a device never blocks the game.
    qint64 size = 0;
    const int fd = FileStore::openRegular(path, nullptr, &size);
    if (fd < 0)
        return nullptr;
    char bytes[Header::kSize];
    Header header;
    const bool matches = ::pread(fd, bytes, sizeof bytes, 0) == ssize_t(sizeof bytes) && header.read(bytes)
        && header.rate == std::uint32_t(kRate) && header.channels == std::uint32_t(kChannels) && header.bits == kBits
        && header.pieceLength == piece.size() && header.pieceHash == Header::hash(piece)
        && header.frames <= std::uint64_t(size) / kFrameBytes
        && std::uint64_t(size) == Header::kSize + header.frames * kFrameBytes;
    if (!matches) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<RenderedMusic>(new RenderedMusic(path, fd, header.frames));
}

RenderedMusic::~RenderedMusic() { ::close(m_fd); }

int RenderedMusic::render(std::int16_t* into, int frames)
{
    const int count = int(std::min<std::uint64_t>(frames, m_frames - m_position));
    const std::size_t length = std::size_t(count) * kFrameBytes;
    std::size_t done = 0;
    while (done < length) {
        const ssize_t read = ::pread(m_fd, reinterpret_cast<char*>(into) + done, length - done,
                                     off_t(Header::kSize + m_position * kFrameBytes + done));
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            break;
        done += std::size_t(read);
    }
    // A file cut short while it plays keeps its time in silence rather than ending early.
    std::memset(reinterpret_cast<char*>(into) + done, 0, length - done);
    for (int i = 0; i < count * kChannels; ++i)
        into[i] = qFromLittleEndian(into[i]);
    m_position += std::uint64_t(count);
    return count;
}
