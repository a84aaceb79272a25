#include "Source/world/weather_mgr.h"

#include "Library/core/test_stream_support.h"
#include "Library/files/data_tree_support.h"
#include "Library/scripts/global_timer_table.h"
#include "Library/sound/recorded_sound.h"
#include "Library/world/game_mode.h"
#include "Source/world/game_clock.h"
#include "Source/world/water_mgr.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// Rain at full strength: kind 1, state 3, both switches on, chances 10, 25.5 and 0;
// 1000 ms into a period that starts at 10000, is full from 15000, falls from 55000 and ends
// at 60000, which is also the next forecast; tinted (0, -2, -8).
const Bytes kRainBlock = {
    0x01, 0x00, 0x00, 0x00,             // kind
    0x03, 0x00, 0x00, 0x00,             // state
    0x01, 0x01,                         // tint, weather enabled
    0x00, 0x00, 0x20, 0x41,             // chance of a storm
    0x00, 0x00, 0xCC, 0x41,             // of rain
    0x00, 0x00, 0x00, 0x00,             // of snow
    0xE8, 0x03, 0x00, 0x00,             // CurrWeatherTime
    0x60, 0xEA, 0x00, 0x00,             // NextWeatherForcastTime
    0x50, 0xC3, 0x00, 0x00,             // WeatherDuration
    0x10, 0x27, 0x00, 0x00,             // WeatherStartTime
    0x98, 0x3A, 0x00, 0x00,             // WeatherUpdateTime
    0xD8, 0xD6, 0x00, 0x00,             // WeatherDecrTime
    0x60, 0xEA, 0x00, 0x00,             // WeatherEndTime
    0x00, 0x00, 0xFE, 0xFF, 0xF8, 0xFF, // current tint
};
constexpr long kStateOffset = 4;
constexpr long kTimesOffset = 22;

class Weather : public ::testing::Test {
protected:
    void SetUp() override {
        platform::SeedRand(11);
        ::testing::internal::CaptureStderr(); // the demo's sea pictures are not here
        m_water = std::make_unique<WaterMgr>(m_data.Paths(), nullptr, m_game);
        ::testing::internal::GetCapturedStderr();
        m_weather = std::make_unique<WeatherMgr>(m_sound.slot, m_map, *m_water, m_clockSlot);
        m_weather->Reset();
        SetHour(13);
    }

    void SetHour(int hour) {
        m_clock.SetDateTime(0, 0, 0, hour, 1, 5, 2001);
        m_clock.Tick(0, kModeAreaMap); // the phase of that hour
    }
    bool Load(const Bytes& bytes) { return LoadFrom(*m_weather, bytes); }
    static Bytes WithTimes(Bytes block, uint32_t state, uint32_t current, uint32_t from,
                           uint32_t to) {
        PutFieldAt(block.data(), kStateOffset, state);
        PutFieldAt(block.data(), kTimesOffset, current);
        const long fromOffset = kTimesOffset + (state == WeatherMgr::kIncreaseWeather ? 12 : 20);
        PutFieldAt(block.data(), fromOffset, from);
        PutFieldAt(block.data(), fromOffset + 4, to);
        return block;
    }
    // The volumes given to the stream's channel between the log's entries from and to.
    std::vector<int> Volumes(size_t from, size_t to = SIZE_MAX) const {
        std::vector<int> volumes;
        for (size_t i = from; i < std::min(to, m_log.size()); ++i)
            if (m_log[i].rfind("FSOUND_SetVolume(7, ", 0) == 0)
                volumes.push_back(std::stoi(m_log[i].substr(20)));
        return volumes;
    }

    testsupport::ScopedDataRoot m_data;
    GameMode m_game;
    RecordedSound m_sound;
    const std::vector<std::string>& m_log = m_sound.log;
    TileMap* m_map = nullptr; // no map: no thunder, nothing tinted
    GlobalTimerTable m_gameTime;
    GlobalTimerTable m_realTime;
    GameClock m_clock{m_gameTime, m_realTime};
    GameClock* m_clockSlot = &m_clock;
    std::unique_ptr<WaterMgr> m_water;
    std::unique_ptr<WeatherMgr> m_weather;
};

TEST_F(Weather, TheBlockIsStoredAsLaidOutAndLoadingSetsTheSea) {
    ExpectLoadRoundTripAndCutsFail(kRainBlock, *m_weather);
    EXPECT_EQ(m_water->GetState(), WaterMgr::kRough);
    EXPECT_EQ(m_weather->GetRain().GetActiveCount(), WeatherMgr::kParticleCount);
    m_weather->Update(33); // the rain's stream starts; a new region's weather stops it
    ASSERT_NE(m_weather->GetSoundChannel(), -1);
    m_weather->Reset();
    EXPECT_EQ(m_log.back(), "FSOUND_Stream_Stop(stream0)");
    Bytes unknown = kRainBlock;
    unknown[0] = 3; // a kind above snow
    ASSERT_TRUE(Load(unknown));
    EXPECT_EQ(m_weather->GetState(), WeatherMgr::kNoWeather);
}

TEST_F(Weather, RainAtAHundredRoughensTheSeaRampsItsStreamAndStopsItAtTheEnd) {
    m_weather->SetKindChance(WeatherMgr::kRain, 100);
    std::vector<WaterMgr::SeaState> seas = {m_water->GetState()};
    std::vector<size_t> stateStarts(WeatherMgr::kStateCount, 0);
    uint32_t state = m_weather->GetState();
    for (int frame = 0; frame < 20000; ++frame) {
        m_weather->Update(100);
        if (seas.back() != m_water->GetState())
            seas.push_back(m_water->GetState());
        if (m_weather->GetState() != state) {
            state = m_weather->GetState();
            stateStarts[state] = m_log.size();
            if (state == WeatherMgr::kNoWeather)
                break;
        }
    }
    ASSERT_EQ(state, WeatherMgr::kNoWeather);
    EXPECT_EQ(seas, (std::vector<WaterMgr::SeaState>{WaterMgr::kCalm, WaterMgr::kRough,
                                                     WaterMgr::kChoppy, WaterMgr::kCalm}));
    EXPECT_EQ(CountCalls(m_log, "FSOUND_Stream_OpenFile(" + m_data.Path("sound/music/rain1.wav")),
              1);
    std::vector<int> rising =
        Volumes(stateStarts[WeatherMgr::kIncreaseWeather], stateStarts[WeatherMgr::kUpdateWeather]);
    std::vector<int> falling = Volumes(stateStarts[WeatherMgr::kDecreaseWeather]);
    std::reverse(falling.begin(), falling.end());
    for (const std::vector<int>& ramp : {rising, falling}) {
        ASSERT_GT(ramp.size(), 10u);
        EXPECT_TRUE(std::is_sorted(ramp.begin(), ramp.end()));
        EXPECT_LT(ramp.front(), ramp.back());
    }
    EXPECT_EQ(m_log.back(), "FSOUND_Stream_Stop(stream0)"); // the period's end stops it
    EXPECT_EQ(m_weather->GetSoundChannel(), -1);
}

TEST_F(Weather, RampsWithoutLengthOrRunningBackwardsStayWithinZeroToOne) {
    const Bytes blocks[] = {
        WithTimes(kRainBlock, WeatherMgr::kIncreaseWeather, 1000, 1000, 1000),
        WithTimes(kRainBlock, WeatherMgr::kIncreaseWeather, 1500, 2000, 1000),
        WithTimes(kRainBlock, WeatherMgr::kDecreaseWeather, 4000, 5000, 5000),
    };
    for (const Bytes& block : blocks) {
        const size_t from = m_log.size();
        ASSERT_TRUE(Load(block));
        const int active = m_weather->GetRain().GetActiveCount();
        EXPECT_TRUE(active >= 0 && active <= WeatherMgr::kParticleCount) << active;
        m_weather->Update(33);
        for (const int volume : Volumes(from))
            EXPECT_TRUE(volume >= 0 && volume <= 255) << volume;
    }
}

TEST_F(Weather, ALightningFlashLightsTheNightAsMidday) {
    SetHour(0);
    m_weather->SetKindChance(WeatherMgr::kStorm, 100);
    m_weather->Update(33);
    EXPECT_EQ(m_weather->GetCurrentTint(), (ColourOffset{-5, -5, 0}));
    int frames = 0;
    while (!m_weather->IsFlashing() && ++frames < 100000)
        m_weather->Update(33);
    ASSERT_TRUE(m_weather->IsFlashing());
    EXPECT_EQ(m_weather->GetCurrentTint(), (ColourOffset{0, 0, 0}));
    while (m_weather->GetState() != WeatherMgr::kDecreaseWeather && ++frames < 100000)
        m_weather->Update(33);
    EXPECT_FALSE(m_weather->IsFlashing()); // the falling weather has no lightning
    EXPECT_EQ(m_weather->GetCurrentTint(), (ColourOffset{-5, -5, 0}));
}

} // namespace

// Rain loaded halfway up its rise, or a fifth of the way down its fall, goes on ramping over
// the ramp's own length from there: one more frame changes the count by a particle or two,
// not all the way to all or none. Every particle is in the field at once.
TEST_F(Weather, ALoadedRampCarriesOnAtItsOwnPace) {
    struct Case {
        Bytes block;
        int loaded;
    };
    for (const Case& c :
         {Case{WithTimes(kRainBlock, WeatherMgr::kIncreaseWeather, 11000, 10000, 12000), 15},
          Case{WithTimes(kRainBlock, WeatherMgr::kDecreaseWeather, 56000, 55000, 60000), 24}}) {
        WeatherMgr fresh(m_sound.slot, m_map, *m_water, m_clockSlot);
        ASSERT_TRUE(LoadFrom(fresh, c.block));
        const ParticleMgr& rain = fresh.GetRain();
        EXPECT_EQ(rain.GetActiveCount(), c.loaded);
        EXPECT_TRUE(rain.IsRamping());
        for (int index = 0; index < rain.GetCount(); ++index)
            EXPECT_GT(rain.GetParticle(index).life, 0) << index;
        fresh.Update(100);
        EXPECT_NEAR(rain.GetActiveCount(), c.loaded, 2);
    }
}
