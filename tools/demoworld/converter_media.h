#pragma once
// What the first-run converter finds in the demo world: two map pictures as ".jpg" and two
// sounds as ".ogg" (an effect and a music stream) for it to convert, and every other file
// of its lists already in its converted form, so a second run has nothing left to do.

#include "Library/core/stringc.h"

class DataPaths;
class LabelFont;

class ConverterMedia {
public:
    static constexpr const char* kPictures[] = {"001", "002"}; // after "Area_"
    static constexpr const char* kSound = "dog_bark1";
    static constexpr const char* kStream = "rain1";
    static constexpr int kSoundChannels = 1;
    static constexpr int kSoundRate = 22050;
    static constexpr int kStreamChannels = 2;
    static constexpr int kStreamRate = 44100;

    ConverterMedia(const DataPaths& paths, LabelFont& font);

    bool Write() const; // false, with a message, at the first file that cannot be written

private:
    bool WriteCompressed() const;
    bool WriteConverted() const;
    bool WriteMapPicture(const Stringc& suffix, bool asJpeg) const;

    const DataPaths& m_paths;
    LabelFont& m_font;
};
