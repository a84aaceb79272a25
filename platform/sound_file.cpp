#include "platform/sound_file.h"

#include "platform/case_path.h"
#include "platform/wav_layout.h"

#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace platform {

namespace {

FSoundError DecodeWav(const std::vector<uint8_t>& file, SoundPcm& pcm) {
    if (!WavLayoutFits(file.data(), file.size()))
        return kSoundErrFileBad;
    SDL_AudioSpec spec;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    SDL_RWops* source = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
    if (!SDL_LoadWAV_RW(source, 1, &spec, &buffer, &length)) {
        if (buffer) // a decoder that gave up keeps what it read
            SDL_FreeWAV(buffer);
        return kSoundErrFileBad;
    }
    FSoundError result = kSoundErrNone;
    if ((spec.format != AUDIO_U8 && spec.format != AUDIO_S16LSB) || spec.channels < 1 ||
        spec.channels > 2) {
        result = kSoundErrFileFormat;
    } else {
        pcm.frequency = spec.freq;
        pcm.channels = spec.channels;
        pcm.bits = spec.format == AUDIO_U8 ? 8 : 16;
        const Uint32 whole = length - length % static_cast<Uint32>(pcm.FrameBytes());
        pcm.bytes.assign(buffer, buffer + whole);
    }
    SDL_FreeWAV(buffer);
    return result;
}

FSoundError DecodeOgg(const std::string& path, SoundPcm& pcm) {
    OggVorbis_File file;
    if (ov_fopen(path.c_str(), &file) != 0)
        return kSoundErrFileBad;
    const vorbis_info* info = ov_info(&file, -1);
    FSoundError result = kSoundErrNone;
    if (!info || info->channels < 1 || info->channels > 2) {
        result = kSoundErrFileFormat;
    } else {
        pcm.frequency = static_cast<int>(info->rate);
        pcm.channels = info->channels;
        pcm.bits = 16;
        char block[8192];
        int link = 0;
        for (;;) {
            const long got = ov_read(&file, block, sizeof block, 0, 2, 1, &link);
            if (got == 0)
                break;
            if (got == OV_HOLE)
                continue; // a gap in the page sequence: keep what follows
            const vorbis_info* linkInfo = ov_info(&file, link);
            if (got < 0 || !linkInfo || linkInfo->channels != pcm.channels ||
                linkInfo->rate != info->rate) {
                result = kSoundErrFileBad;
                break;
            }
            pcm.bytes.insert(pcm.bytes.end(), block, block + got);
        }
    }
    ov_clear(&file);
    return result;
}

} // namespace

FSoundError DecodeSoundFile(const char* path, SoundPcm& pcm) {
    pcm = SoundPcm();
    const std::string resolved = ResolvePath(path);
    std::ifstream in(resolved, std::ios::binary);
    if (!in)
        return kSoundErrFileNotFound;
    const std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    const auto begins = [&](const char* magic) {
        return file.size() >= 4 && std::memcmp(file.data(), magic, 4) == 0;
    };
    FSoundError result = kSoundErrFileFormat;
    if (file.size() > static_cast<size_t>(INT32_MAX))
        result = kSoundErrFileBad;
    else if (begins("RIFF"))
        result = DecodeWav(file, pcm);
    else if (begins("OggS"))
        result = DecodeOgg(resolved, pcm);
    if (result == kSoundErrNone && pcm.bytes.empty())
        result = kSoundErrFileBad;
    if (result != kSoundErrNone)
        pcm = SoundPcm();
    return result;
}

} // namespace platform
