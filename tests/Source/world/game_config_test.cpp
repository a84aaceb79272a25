#include "Source/world/game_config.h"

#include "Library/core/test_stream_support.h"
#include "Library/sound/recording_sound_layer.h"
#include "Library/sound/sound_mgr.h"
#include "Library/world/tile_map_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

namespace {

class GameConfigFile : public testsupport::MapDataRoot {
protected:
    GameConfigFile() : m_sound(32, std::make_unique<RecordingSoundLayer>(m_log)) {}

    std::string ConfigPath() const { return m_dir.Path("config.dat"); }
    void Store(const Bytes& bytes) const {
        m_dir.WriteFile("config.dat", std::string(bytes.begin(), bytes.end()));
    }
    GameConfig Made() { return GameConfig(m_dir.Root().c_str(), &m_map, &m_sound); }

    std::vector<std::string> m_log;
    SoundMgr m_sound;
};

Bytes Settings(int32_t view, int32_t effects, int32_t music, int32_t master, float option) {
    return TypedBytes().I32(view).I32(effects).I32(music).I32(master).F32(option).Get();
}

TEST_F(GameConfigFile, WithoutAFileTheDefaultsAreAppliedAndNothingIsWrittenUntilSaved) {
    m_map.SetViewSize(0);
    m_sound.SetEffectsLevel(10);
    GameConfig config = Made();
    EXPECT_EQ(m_map.GetViewSize(), 3);
    EXPECT_EQ(m_sound.GetEffectsLevel(), 255);
    EXPECT_FALSE(std::filesystem::exists(ConfigPath()));

    config.SetViewSize(1);
    config.SetSampleVolume(300); // kept as set, applied clamped
    config.SetSoundLevel2(7);
    config.SetMasterVolume(-5);
    config.SetFloatOption(2.5f);
    EXPECT_EQ(m_sound.GetEffectsLevel(), 255);
    EXPECT_EQ(m_sound.GetMasterVolume(), 0);
    ASSERT_TRUE(config.Save());
    const Bytes expected = {0x01, 0x00, 0x00, 0x00, 0x2C, 0x01, 0x00, 0x00, 0x07, 0x00,
                            0x00, 0x00, 0xFB, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x20, 0x40};
    EXPECT_EQ(m_dir.ReadFile("config.dat"), std::string(expected.begin(), expected.end()));
    EXPECT_FALSE(std::filesystem::exists(ConfigPath() + ".new"));
}

// Each stored file, and the settings it gives: view size, effects, music, master, option.
TEST_F(GameConfigFile, AStoredFileIsReadOverTheDefaultsWithItsValuesMended) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Bytes whole = Settings(1, 300, 7, -5, 2.5f);
    const struct {
        Bytes stored;
        Bytes settings;
    } cases[] = {
        {whole, whole},
        {Settings(9, 1, 2, 3, 4.0f), Settings(3, 1, 2, 3, 4.0f)},
        {Settings(-1, 1, 2, 3, 0.5f), Settings(3, 1, 2, 3, 1.0f)},
        {Settings(2, 1, 2, 3, nan), Settings(2, 1, 2, 3, 1.0f)},
        {Bytes(whole.begin(), whole.begin() + 6), Settings(1, 255, 255, 255, 1.0f)},
        {Cut(whole), Settings(1, 300, 7, -5, 1.0f)},
        {{}, Settings(3, 255, 255, 255, 1.0f)},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(testing::PrintToString(each.stored));
        Store(each.stored);
        m_map.SetViewSize(0);
        GameConfig config = Made();
        EXPECT_EQ(WrittenBy([&](Stream& stream) { return config.Write(stream); }), each.settings);
        EXPECT_EQ(m_map.GetViewSize(), config.GetViewSize());
        EXPECT_EQ(m_sound.GetEffectsLevel(), std::clamp(config.GetSampleVolume(), 0, 255));
    }
}

} // namespace
