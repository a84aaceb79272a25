#include "Source/world/game_config.h"

#include "Library/core/stream.h"
#include "Library/files/file_stream.h"
#include "Library/sound/sound_mgr.h"
#include "Library/world/tile_map.h"

#include <cstdio>
#include <sys/stat.h>

GameConfig* g_config = nullptr;

namespace {

// A field cut short keeps its value: a short read may have filled part of the buffer.
template <class T> bool ReadField(Stream& stream, T& field) {
    T value;
    if (!stream.ReadValue(value))
        return false;
    field = value;
    return true;
}

} // namespace

GameConfig::GameConfig(const Stringc& rootDir, TileMap* tileMap, SoundMgr* soundMgr)
    : m_path(rootDir + kFileName), m_tileMap(tileMap), m_soundMgr(soundMgr) {
    Load();
}

bool GameConfig::Load() {
    SetDefaults();
    struct stat status;
    if (stat(m_path.c_str(), &status) == 0) {
        FileStream file;
        if (!file.Open(m_path.c_str(), kStreamReadBinary) || !Read(file))
            std::fprintf(stderr, "%s: the settings are cut short; the rest are the defaults\n",
                         m_path.c_str());
    }
    ApplyAll();
    return true;
}

bool GameConfig::Save() const {
    if (FileStream::WriteReplacing(m_path.c_str(),
                                   [this](Stream& stream) { return Write(stream); }))
        return true;
    std::fprintf(stderr, "%s: the settings could not be written\n", m_path.c_str());
    return false;
}

bool GameConfig::Read(Stream& stream) {
    return ReadField(stream, m_viewSize) && ReadField(stream, m_effectsLevel) &&
           ReadField(stream, m_musicLevel) && ReadField(stream, m_masterVolume) &&
           ReadField(stream, m_floatOption);
}

bool GameConfig::Write(Stream& stream) const {
    return stream.WriteValue(m_viewSize) && stream.WriteValue(m_effectsLevel) &&
           stream.WriteValue(m_musicLevel) && stream.WriteValue(m_masterVolume) &&
           stream.WriteValue(m_floatOption);
}

void GameConfig::SetViewSize(int32_t value) {
    m_viewSize = value >= 0 && value <= kLargestViewSize ? value : kLargestViewSize;
    if (m_tileMap)
        m_tileMap->SetViewSize(m_viewSize);
}

void GameConfig::SetSampleVolume(int32_t value) {
    m_effectsLevel = value;
    if (m_soundMgr)
        m_soundMgr->SetEffectsLevel(value);
}

void GameConfig::SetSoundLevel2(int32_t value) {
    m_musicLevel = value;
    if (m_soundMgr)
        m_soundMgr->SetMusicLevel(value);
}

void GameConfig::SetMasterVolume(int32_t value) {
    m_masterVolume = value;
    if (m_soundMgr)
        m_soundMgr->SetMasterVolume(value);
}

void GameConfig::SetFloatOption(float value) {
    m_floatOption = value >= kLeastFloatOption ? value : kLeastFloatOption;
}

void GameConfig::SetDefaults() {
    m_viewSize = kLargestViewSize;
    m_effectsLevel = kFullLevel;
    m_musicLevel = kFullLevel;
    m_masterVolume = kFullLevel;
    m_floatOption = kLeastFloatOption;
}

void GameConfig::ApplyAll() {
    SetViewSize(m_viewSize);
    SetSampleVolume(m_effectsLevel);
    SetSoundLevel2(m_musicLevel);
    SetMasterVolume(m_masterVolume);
    SetFloatOption(m_floatOption);
}
