#include "tools/encoders/ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>

namespace {

bool WritePages(ogg_stream_state& stream, std::FILE* file, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        if (std::fwrite(page.header, 1, static_cast<size_t>(page.header_len), file) !=
                static_cast<size_t>(page.header_len) ||
            std::fwrite(page.body, 1, static_cast<size_t>(page.body_len), file) !=
                static_cast<size_t>(page.body_len))
            return false;
    }
    return true;
}

} // namespace

bool WriteOgg(const std::string& path, int rate, int channels, const std::vector<int16_t>& pcm) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.6f) != 0) {
        vorbis_info_clear(&info);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool ok = file != nullptr;
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    ok = ok && WritePages(stream, file, true);

    const auto drain = [&] {
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                ok = ok && WritePages(stream, file, false);
            }
        }
    };
    const int frames = static_cast<int>(pcm.size()) / channels;
    for (int start = 0; ok && start < frames; start += 1024) {
        const int count = std::min(1024, frames - start);
        float** buffer = vorbis_analysis_buffer(&dsp, count);
        for (int f = 0; f < count; ++f)
            for (int c = 0; c < channels; ++c)
                buffer[c][f] = pcm[static_cast<size_t>((start + f) * channels + c)] / 32768.0f;
        vorbis_analysis_wrote(&dsp, count);
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0); // ends the stream
    drain();
    ok = ok && WritePages(stream, file, true);
    if (file)
        ok = std::fclose(file) == 0 && ok;
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return ok;
}
