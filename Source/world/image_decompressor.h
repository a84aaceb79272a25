#pragma once
// The first-run converter: turns the shipped compressed media into the forms the game
// loads, one file per step: the map pictures from ".jpg" to ".tga", then the sound effects
// and last the music streams from ".ogg" to ".wav". A file whose converted form exists is
// skipped, so the work is done on the first run only; a file that fails is reported and
// tried again on the next run. Paths come from g_dataPaths when it is made.

#include "Library/core/stringc.h"
#include "Source/world/media_file_entry.h"

#include <memory>
#include <vector>

class BarMeter;
class Screen;
class SoundMgr;

class ImageDecompressor {
public:
    static constexpr int kMapCount = 38;
    static constexpr int kSoundCount = 31;
    static constexpr int kStreamCount = 2;

    // The shipped media: the map pictures' suffixes after "Area_", the sound effects' and
    // the streams' names, each without extension; null outside the list.
    static const char* MapSuffix(int index);
    static const char* SoundName(int index);
    static const char* StreamName(int index);

    // Pictures convert through the screen's picture loader, sounds through the sound
    // manager's export; without a sound manager every sound fails.
    ImageDecompressor(Screen& screen, SoundMgr* sound);
    ImageDecompressor(const ImageDecompressor&) = delete;
    ImageDecompressor& operator=(const ImageDecompressor&) = delete;
    virtual ~ImageDecompressor();

    bool HasWork() const; // some phase is still pending
    // Converts at most one file; the step that finds its phase complete ends the phase
    // and converts nothing.
    void Step();
    void DrawProgress(Screen& screen); // the box of the first pending phase

    // converted / toConvert as a percentage rounded to the nearest; 0 before the first.
    static int Percent(int toConvert, int converted);

private:
    enum Kind { kMaps, kSounds, kStreams, kKindCount };
    struct Phase {
        bool pending = false;
        std::vector<MediaFileEntry> entries;
        int toConvert = 0;
        int converted = 0;
    };

    void Fill(Kind kind, int count, const char* (*name)(int));
    Stringc EntryName(Kind kind, const char* name) const;
    Stringc FilePath(Kind kind, const MediaFileEntry& entry, const char* extension) const;
    Stringc SourcePath(Kind kind, const MediaFileEntry& entry) const;
    Stringc TargetPath(Kind kind, const MediaFileEntry& entry) const;
    bool Convert(Kind kind, const MediaFileEntry& entry);
    int FirstPending() const; // the kind, or -1

    std::unique_ptr<BarMeter> m_meter;
    Phase m_phases[kKindCount];
    Screen& m_screen;
    SoundMgr* m_sound;
};
