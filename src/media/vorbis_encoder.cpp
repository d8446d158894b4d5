#include "media/vorbis_encoder.h"

#include "media/audio_source.h"

#include <vorbis/vorbisenc.h>

#include <array>

namespace {

// The same serial number every build, so the same tune makes the same bytes.
constexpr int kSerialNumber = 0x446f7276;
constexpr int kBlockFrames = 4096;

// libvorbis's encoder state, released in the order it was made.
struct Encoder {
    vorbis_info info{};
    vorbis_comment comment{};
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    ogg_stream_state stream{};
    bool analysing = false;

    Encoder()
    {
        vorbis_info_init(&info);
        vorbis_comment_init(&comment);
    }
    ~Encoder()
    {
        if (analysing) {
            ogg_stream_clear(&stream);
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
        }
        vorbis_comment_clear(&comment);
        vorbis_info_clear(&info);
    }
    Encoder(const Encoder&) = delete;
    Encoder& operator=(const Encoder&) = delete;

    void appendPage(const ogg_page& page, std::string& out)
    {
        out.append(reinterpret_cast<const char*>(page.header), std::size_t(page.header_len));
        out.append(reinterpret_cast<const char*>(page.body), std::size_t(page.body_len));
    }

    // Hands the blocks the analysis has ready to the stream, and the full pages to `out`.
    void drain(std::string& out)
    {
        ogg_packet packet;
        ogg_page page;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0)
                    appendPage(page, out);
            }
        }
    }
};

} // namespace

std::optional<VorbisEncoder::Stream> VorbisEncoder::encode(AudioSource& played, float quality)
{
    Encoder encoder;
    if (vorbis_encode_init_vbr(&encoder.info, AudioSource::kChannels, AudioSource::kRate, quality) != 0
        || vorbis_analysis_init(&encoder.dsp, &encoder.info) != 0)
        return std::nullopt;
    vorbis_block_init(&encoder.dsp, &encoder.block);
    ogg_stream_init(&encoder.stream, kSerialNumber);
    encoder.analysing = true;

    Stream out;
    // The three headers, on pages of their own, before the first sound.
    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&encoder.dsp, &encoder.comment, &identification, &comments, &codebooks);
    for (ogg_packet* header : {&identification, &comments, &codebooks})
        ogg_stream_packetin(&encoder.stream, header);
    ogg_page page;
    while (ogg_stream_flush(&encoder.stream, &page) != 0)
        encoder.appendPage(page, out.bytes);

    std::array<std::int16_t, kBlockFrames * AudioSource::kChannels> block;
    for (;;) {
        const int count = played.render(block.data(), kBlockFrames);
        if (count > 0) {
            float** channels = vorbis_analysis_buffer(&encoder.dsp, count);
            for (int frame = 0; frame < count; ++frame)
                for (int channel = 0; channel < AudioSource::kChannels; ++channel)
                    channels[channel][frame] = float(block[std::size_t(frame * AudioSource::kChannels + channel)]) / 32768.0f;
            vorbis_analysis_wrote(&encoder.dsp, count);
            out.frames += std::uint64_t(count);
            encoder.drain(out.bytes);
        }
        if (count < kBlockFrames)
            break;
    }
    // The end: the last page carries the number of frames played.
    vorbis_analysis_wrote(&encoder.dsp, 0);
    encoder.drain(out.bytes);
    while (ogg_stream_flush(&encoder.stream, &page) != 0)
        encoder.appendPage(page, out.bytes);
    return out;
}
