#pragma once
// The weather of the current region: a timed state machine (no weather, waiting, rising,
// full, falling) of three kinds, storm ("LIGHTENING"), rain and snow, each chosen by its
// own chance. It drives the rain and snow particles, lightning with thunder, the sound
// stream of the weather and of the time of day, the sea state of the water and the light
// tint of the map by the hour.
//
// Region block, little-endian, 56 bytes: kind (u32), state (u32), tint enabled (u8),
// weather enabled (u8), the chances of kinds 0, 1, 2 (three f32, percent), the times in ms
// CurrWeatherTime, NextWeatherForcastTime, WeatherDuration, WeatherStartTime,
// WeatherUpdateTime, WeatherDecrTime, WeatherEndTime (seven u32), the current tint (three
// i16).

#include "Library/core/stringc.h"
#include "Library/graphics/colour_offset.h"
#include "Library/world/rain_particle_mgr.h"
#include "Library/world/snow_particle_mgr.h"

#include <cstdint>

class GameClock;
class Screen;
class SoundMgr;
class Stream;
class TileMap;
class WaterMgr;

class WeatherMgr {
public:
    enum Kind : uint32_t { kStorm, kRain, kSnow, kKindCount };
    enum WeatherState : uint32_t {
        kNoWeather,
        kWaitForWeather,
        kIncreaseWeather,
        kUpdateWeather,
        kDecreaseWeather,
        kStateCount
    };
    static constexpr int kParticleCount = 30;
    static constexpr int kTintEntries = 6;
    static constexpr int kDayTint = 2;
    static constexpr int kStoredBytes = 56;

    // The map (tinted, and giving the view), the sound manager and the clock are reached
    // through their slots, read at each use; without a clock it is always day. The water
    // outlives the manager.
    WeatherMgr(SoundMgr* const& sound, TileMap* const& map, WaterMgr& water,
               GameClock* const& clock);
    WeatherMgr(const WeatherMgr&) = delete;
    WeatherMgr& operator=(const WeatherMgr&) = delete;
    virtual ~WeatherMgr();

    // The defaults of a region: no weather, chances 0, both switches on, daylight; the
    // weather's sound stopped.
    void Reset();

    // A block that cannot be read whole changes nothing. A kind or state out of range
    // loads as no weather. Rain or snow loaded while it rises or falls carries on its ramp
    // from where it was, over the ramp's own length.
    bool Load(Stream& stream);
    bool Save(Stream& stream) const;
    static bool CheckStored(Stream& stream); // reads a block whole without taking it

    void Update(uint32_t frameMs);
    void Draw(Screen& screen);
    void DrawDebug(Screen& screen) const;

    uint32_t GetKind() const { return m_record.kind; }
    uint32_t GetState() const { return m_record.state; }
    void SetTintEnabled(bool on) { m_record.tintEnabled = on; }
    bool IsTintEnabled() const { return m_record.tintEnabled != 0; }
    void SetWeatherEnabled(bool on) { m_record.weatherEnabled = on; }
    bool IsWeatherEnabled() const { return m_record.weatherEnabled != 0; }
    void SetKindChance(int kind, float percent);
    float GetKindChance(int kind) const;
    const ColourOffset& GetCurrentTint() const { return m_record.tint; }
    bool IsFlashing() const { return m_burstMs > 0 && m_flashMs > 0; }
    int GetSoundChannel() const { return m_channel; }
    const ParticleMgr& GetRain() const { return m_rain; }
    const ParticleMgr& GetSnow() const { return m_snow; }

    // A script's light by the hour, taken only while the tint and the weather are both off.
    void GetLightTint(int hour);
    void StopSound();

    static int PhaseOfHour(int hour); // the tint table's entry for a phase hour

private:
    // The times of one weather period, ms from the forecast.
    struct Times {
        uint32_t current = 0;
        uint32_t nextForecast = 0;
        uint32_t duration = 0;
        uint32_t start = 0;
        uint32_t update = 0;
        uint32_t decrease = 0;
        uint32_t end = 0;
    };
    // What the block stores.
    struct Record {
        uint32_t kind = kStorm;
        uint32_t state = kNoWeather;
        uint8_t tintEnabled = 1;
        uint8_t weatherEnabled = 1;
        float chances[kKindCount] = {};
        Times times;
        ColourOffset tint; // the current one

        bool Read(Stream& stream);
        bool Write(Stream& stream) const;
    };

    void OnNoWeather();
    void OnWaitForWeather();
    void OnIncreaseWeather(uint32_t frameMs);
    void OnUpdateWeather(uint32_t frameMs);
    void OnDecreaseWeather(uint32_t frameMs);
    void UpdateKind(uint32_t frameMs, bool lightning); // the storm's lightning, the particles
    void UpdateLightning(uint32_t frameMs);
    void EndLightning();
    void PlayThunder();
    void UpdateSound();
    void UpdateTint();
    void SetSea(uint32_t phase);
    ParticleMgr* Particles(); // of rain or snow; null for the storm
    // The share of the way from `from` to `to` that `at` lies, 0 to 1; a span that is empty
    // or runs backwards counts as 1 ms.
    static float Fraction(uint32_t from, uint32_t at, uint32_t to);
    static uint32_t Span(uint32_t from, uint32_t to); // ms; one that is empty or runs back: 1
    float RisingFraction() const;
    float FallingFraction() const;

    SoundMgr* const& m_sound;
    TileMap* const& m_map;
    WaterMgr& m_water;
    GameClock* const& m_clock;

    Record m_record;
    int32_t m_channel = -1;
    RainParticleMgr m_rain{kParticleCount};
    SnowParticleMgr m_snow{kParticleCount};
    int32_t m_burstMs = 0;
    int32_t m_pauseMs = 0;
    int32_t m_flashMs = 0;
    int32_t m_gapMs = 0;
    uint8_t m_thunderPlayed = 0;
    Stringc m_periodStreams[4];
    Stringc m_kindStreams[kKindCount];
};

// The current region's, made by the region manager.
extern WeatherMgr* g_weatherMgr;
