#pragma once
// The player's settings: the map view's size, the three sound levels and one float option.
// Read from "/config.dat" in the data root when made, applied to the tile map and the sound
// manager whenever one is set, and written back only when the options screen saves.

#include "Library/core/stringc.h"

#include <cstdint>

class SoundMgr;
class Stream;
class TileMap;

class GameConfig {
public:
    static constexpr const char* kFileName = "/config.dat";
    static constexpr int32_t kLargestViewSize = 3; // 800 x 485
    static constexpr int32_t kFullLevel = 255;
    static constexpr float kLeastFloatOption = 1.0f;

    // The data root's file is read at once; the tile map and the sound manager (either may
    // be null) take each value as it is set, and must outlive the record.
    GameConfig(const Stringc& rootDir, TileMap* tileMap, SoundMgr* soundMgr);
    GameConfig(const GameConfig&) = delete;
    GameConfig& operator=(const GameConfig&) = delete;
    virtual ~GameConfig() = default;

    // Without the file the defaults; with one, what it holds over the defaults, as far as
    // it could be read. All five values are applied either way.
    bool Load();
    bool Save() const; // through a temporary file renamed into place

    // "/config.dat", 20 bytes, no header: i32 view size, i32 effects level, i32 music
    // level, i32 master volume, f32 float option. Read stops at the first failed field and
    // keeps those read before it.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

    void SetViewSize(int32_t value); // outside 0-3: the largest view
    void SetSampleVolume(int32_t value);
    void SetSoundLevel2(int32_t value);
    void SetMasterVolume(int32_t value);
    void SetFloatOption(float value); // below 1.0 (or not a number): 1.0

    int32_t GetViewSize() const { return m_viewSize; }
    int32_t GetSampleVolume() const { return m_effectsLevel; }
    int32_t GetSoundLevel2() const { return m_musicLevel; }
    int32_t GetMasterVolume() const { return m_masterVolume; }
    float GetFloatOption() const { return m_floatOption; }
    const Stringc& GetPath() const { return m_path; }

private:
    void SetDefaults();
    void ApplyAll();

    Stringc m_path;
    TileMap* m_tileMap;
    SoundMgr* m_soundMgr;
    int32_t m_viewSize = kLargestViewSize;
    int32_t m_effectsLevel = kFullLevel; // sound levels are kept as set, applied clamped
    int32_t m_musicLevel = kFullLevel;
    int32_t m_masterVolume = kFullLevel;
    float m_floatOption = kLeastFloatOption;
};

extern GameConfig* g_config; // made by the game's set-up
