#include "tools/demoworld/converter_media.h"

#include "Library/files/data_paths.h"
#include "Library/files/directory_list.h"
#include "Library/files/file_object.h"
#include "Source/world/image_decompressor.h"
#include "tools/demoworld/canvas.h"
#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/demo_sound.h"
#include "tools/demoworld/label_font.h"
#include "tools/encoders/ogg_writer.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979;

// A dog's bark: two falling, growling bursts.
std::vector<int16_t> Bark(int rate) {
    std::vector<int16_t> samples;
    for (int burst = 0; burst < 2; ++burst) {
        const int frames = rate / 6;
        for (int i = 0; i < frames; ++i) {
            const double t = static_cast<double>(i) / rate;
            const double pitch = 520.0 - 900.0 * t;
            const double growl = std::sin(2 * kPi * 60 * t) * 0.4 + 0.6;
            const double envelope = std::sin(kPi * i / frames);
            samples.push_back(
                static_cast<int16_t>(14000 * envelope * growl * std::sin(2 * kPi * pitch * t)));
        }
        samples.insert(samples.end(), static_cast<size_t>(rate / 10), 0);
    }
    return samples;
}

// Rain: soft noise, a little different on each side.
std::vector<int16_t> Rain(int rate, int channels, double seconds) {
    std::vector<int16_t> samples;
    uint32_t seed = 12345;
    const int frames = static_cast<int>(rate * seconds);
    for (int i = 0; i < frames * channels; ++i) {
        seed = seed * 1103515245u + 12345u;
        samples.push_back(static_cast<int16_t>(static_cast<int>((seed >> 16) & 0x7FFF) / 6 - 2730));
    }
    return samples;
}

bool WriteOggFile(const Stringc& path, int rate, int channels, const std::vector<int16_t>& pcm) {
    return ReportWritten(MakeDirectories(path) && WriteOgg(path.c_str(), rate, channels, pcm),
                         path);
}

bool IsCompressed(const char* name, const char* compressed) {
    return std::strcmp(name, compressed) == 0;
}

} // namespace

ConverterMedia::ConverterMedia(const DataPaths& paths, LabelFont& font)
    : m_paths(paths), m_font(font) {}

bool ConverterMedia::Write() const {
    return WriteCompressed() && WriteConverted();
}

bool ConverterMedia::WriteCompressed() const {
    for (const char* suffix : kPictures)
        if (!WriteMapPicture(suffix, true))
            return false;
    return WriteOggFile(m_paths.GetSfxDir() + "/" + kSound + ".ogg", kSoundRate, kSoundChannels,
                        Bark(kSoundRate)) &&
           WriteOggFile(m_paths.GetMusicDir() + "/" + kStream + ".ogg", kStreamRate,
                        kStreamChannels, Rain(kStreamRate, kStreamChannels, 1.0));
}

// Whatever exists already (the toolkit's button sounds) is kept.
bool ConverterMedia::WriteConverted() const {
    for (int i = 0; i < ImageDecompressor::kMapCount; ++i) {
        const char* suffix = ImageDecompressor::MapSuffix(i);
        if (!IsCompressed(suffix, kPictures[0]) && !IsCompressed(suffix, kPictures[1]) &&
            !WriteMapPicture(suffix, false))
            return false;
    }
    for (int i = 0; i < ImageDecompressor::kSoundCount; ++i) {
        const char* name = ImageDecompressor::SoundName(i);
        const Stringc path = m_paths.GetSfxDir() + "/" + name + ".wav";
        if (!IsCompressed(name, kSound) && !FileObject(path).Exists() &&
            !WriteSound(path, Click(300 + 40 * i, 0.15)))
            return false;
    }
    for (int i = 0; i < ImageDecompressor::kStreamCount; ++i) {
        const char* name = ImageDecompressor::StreamName(i);
        if (!IsCompressed(name, kStream) &&
            !WriteSound(m_paths.GetMusicDir() + "/" + name + ".wav", Click(110, 1.0)))
            return false;
    }
    return true;
}

// Fields and a road seen from above, with the area's name.
bool ConverterMedia::WriteMapPicture(const Stringc& suffix, bool asJpeg) const {
    const int width = asJpeg ? 320 : 160;
    const int height = asJpeg ? 240 : 120;
    const int shade = static_cast<int>(suffix.ToInt() * 37 % 60);
    Canvas map(width, height, Colour(60 + shade, 110, 50));
    for (int field = 0; field < 6; ++field)
        map.Fill((field * 53) % width, (field * 37) % height, width / 4, height / 5,
                 Colour(110, 140 - shade, 60));
    map.Fill(0, height / 2 - 4, width, 8, Colour(150, 130, 90));
    map.Fill(width / 3, 0, 8, height, Colour(150, 130, 90));
    map.Frame(0, 0, width, height, Colour(30, 30, 30));
    map.TextCentred(m_font, asJpeg ? 20 : 12, width / 2, height / 4, width - 8,
                    Stringc("Area ") + suffix, Colour(255, 255, 255));
    const Stringc path = m_paths.GetMapGraphicDir() + "/Area_" + suffix;
    return asJpeg ? map.SaveJpeg(path + ".jpg") : map.SaveTga(path + ".tga");
}
