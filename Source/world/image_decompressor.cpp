#include "Source/world/image_decompressor.h"

#include "Library/core/tracked_new.h"
#include "Library/files/data_paths.h"
#include "Library/files/file_object.h"
#include "Library/graphics/screen.h"
#include "Library/interface/bar_meter.h"
#include "Library/sound/sound_mgr.h"

#include <cstdio>
#include <iterator>

namespace {

constexpr const char* kMapSuffixes[] = {
    "001",  "001b", "001c", "001d", "002",  "003", "004", "005",  "006",  "007",
    "008",  "009",  "010",  "011",  "012",  "013", "014", "015",  "016a", "016b",
    "017a", "017b", "018",  "019a", "019b", "020", "021", "022a", "022b", "023",
    "024",  "026",  "027",  "028",  "029",  "030", "031", "032"};

constexpr const char* kSoundNames[] = {
    "ant_bite",         "ant_talk1",        "ant_talk2",        "ant_talk3",
    "button_press_in",  "button_press_out", "crossbow_shoot",   "dog_bark1",
    "dog_bark2",        "dog_bark3",        "dog_bark4",        "dog_bite",
    "gun_9mm_shoot",    "gun_unload",       "guns_ak_47_burst", "guns_ak_47_reload",
    "guns_ak_47_shoot", "item_pick_up1",    "item_put_down1",   "laser_shoot",
    "lightening1",      "lightening2",      "reptoid_talk1",    "reptoid_talk2",
    "reptoid_talk3",    "reptoid_talk4",    "rifle_shoot",      "swish_sound_bat",
    "swish_sound_fist", "uzi_burst",        "uzi_shoot"};

constexpr const char* kStreamNames[] = {"rain1", "wind1"};

static_assert(std::size(kMapSuffixes) == ImageDecompressor::kMapCount);
static_assert(std::size(kSoundNames) == ImageDecompressor::kSoundCount);
static_assert(std::size(kStreamNames) == ImageDecompressor::kStreamCount);

constexpr const char* kPhaseTexts[] = {"Decompressing map files.", "Decompressing sound files.",
                                       "Decompressing stream files."};

constexpr int kMeterLength = 283;
constexpr int kMeterMax = 100;
constexpr int kTextX = 205;
constexpr int kTextY = 440;
constexpr int kPhaseX = 265;
constexpr int kPhaseY = 460;
constexpr int kMeterX = 265;
constexpr int kMeterY = 480;

template <size_t N> const char* Listed(const char* const (&list)[N], int index) {
    return index >= 0 && static_cast<size_t>(index) < N ? list[index] : nullptr;
}

Stringc Directory(const Stringc& (DataPaths::*directory)() const) {
    return g_dataPaths ? (g_dataPaths->*directory)() : Stringc();
}

} // namespace

const char* ImageDecompressor::MapSuffix(int index) {
    return Listed(kMapSuffixes, index);
}

const char* ImageDecompressor::SoundName(int index) {
    return Listed(kSoundNames, index);
}

const char* ImageDecompressor::StreamName(int index) {
    return Listed(kStreamNames, index);
}

ImageDecompressor::ImageDecompressor(Screen& screen, SoundMgr* sound)
    : m_meter(NEW BarMeter(0, 0, kMeterLength, kMeterMax, Meter::kHorizontal)), m_screen(screen),
      m_sound(sound) {
    m_meter->SetThickness(1);
    m_meter->SetStyle(Meter::kStyleBackFill);
    m_meter->SetBackColourRGB(127, 0, 0);
    Fill(kMaps, kMapCount, MapSuffix);
    Fill(kSounds, kSoundCount, SoundName);
    Fill(kStreams, kStreamCount, StreamName);
}

ImageDecompressor::~ImageDecompressor() = default;

void ImageDecompressor::Fill(Kind kind, int count, const char* (*name)(int)) {
    Phase& phase = m_phases[kind];
    phase.entries.resize(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index) {
        MediaFileEntry& entry = phase.entries[static_cast<size_t>(index)];
        entry.SetName(EntryName(kind, name(index)));
        if (FileObject(TargetPath(kind, entry)).Exists()) {
            entry.RecordConversion(true);
        } else {
            phase.pending = true;
            ++phase.toConvert;
        }
    }
}

// Map entries carry their whole path; sounds and streams only their names.
Stringc ImageDecompressor::EntryName(Kind kind, const char* name) const {
    if (kind == kMaps)
        return Directory(&DataPaths::GetMapGraphicDir) + "/Area_" + name;
    return name;
}

Stringc ImageDecompressor::FilePath(Kind kind, const MediaFileEntry& entry,
                                    const char* extension) const {
    switch (kind) {
    case kMaps:
        return entry.GetName() + extension;
    case kSounds:
        return Directory(&DataPaths::GetSfxDir) + "/" + entry.GetName() + extension;
    default:
        return Directory(&DataPaths::GetMusicDir) + "/" + entry.GetName() + extension;
    }
}

Stringc ImageDecompressor::SourcePath(Kind kind, const MediaFileEntry& entry) const {
    return FilePath(kind, entry, kind == kMaps ? ".jpg" : ".ogg");
}

Stringc ImageDecompressor::TargetPath(Kind kind, const MediaFileEntry& entry) const {
    return FilePath(kind, entry, kind == kMaps ? ".tga" : ".wav");
}

// The sound exports take the bare file name and add their own directory.
bool ImageDecompressor::Convert(Kind kind, const MediaFileEntry& entry) {
    if (kind == kMaps)
        return m_screen.ConvertImageToTga(SourcePath(kind, entry).c_str());
    if (!m_sound)
        return false;
    const Stringc name = entry.GetName() + ".ogg";
    return kind == kSounds ? m_sound->ExportSample(name.c_str())
                           : m_sound->ExportMusic(name.c_str());
}

bool ImageDecompressor::HasWork() const {
    return FirstPending() >= 0;
}

int ImageDecompressor::FirstPending() const {
    for (int kind = 0; kind < kKindCount; ++kind)
        if (m_phases[kind].pending)
            return kind;
    return -1;
}

void ImageDecompressor::Step() {
    const int pending = FirstPending();
    if (pending < 0)
        return;
    const Kind kind = static_cast<Kind>(pending);
    Phase& phase = m_phases[kind];
    if (phase.converted >= phase.toConvert) {
        phase.pending = false;
        return;
    }
    for (MediaFileEntry& entry : phase.entries) {
        if (entry.IsDone())
            continue;
        const bool converted = Convert(kind, entry);
        entry.RecordConversion(converted);
        if (!converted)
            std::fprintf(stderr, "Failed to decompress %s\n", SourcePath(kind, entry).c_str());
        ++phase.converted;
        return;
    }
}

void ImageDecompressor::DrawProgress(Screen& screen) {
    screen.SetFont(0);
    const int pending = FirstPending();
    if (pending < 0)
        return;
    const Phase& phase = m_phases[pending];
    screen.DrawText(kTextX, kTextY, "Please Wait: The game is being run for the first time.");
    screen.DrawText(kPhaseX, kPhaseY, kPhaseTexts[pending]);
    m_meter->SetValue(Percent(phase.toConvert, phase.converted));
    m_meter->SetPosition(kMeterX, kMeterY);
    m_meter->Draw(screen);
    m_meter->SetPosition(kMeterX, kMeterY + 1);
    m_meter->Draw(screen);
}

int ImageDecompressor::Percent(int toConvert, int converted) {
    if (converted == 0)
        return 0;
    return static_cast<int>(static_cast<double>(converted) / toConvert * 100 + 0.5001);
}
