#include "Source/world/weather_mgr.h"

#include "Library/core/random.h"
#include "Library/core/stream.h"
#include "Library/geometry/map_view.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
#include "Library/sound/sound_mgr.h"
#include "Library/world/tile_map.h"
#include "Source/world/game_clock.h"
#include "Source/world/water_mgr.h"

#include <algorithm>
#include <cmath>

WeatherMgr* g_weatherMgr = nullptr;

namespace {

// By the tint table's entries: dawn's start and end, day, dusk's start and end, midnight.
const ColourOffset kTints[WeatherMgr::kTintEntries] = {
    {0, -6, -6}, {0, -2, -6}, {0, 0, 0}, {0, -2, -6}, {0, -6, -6}, {-5, -5, 0},
};
const char* const kKindNames[] = {"LIGHTENING", "RAIN", "SNOW"};
const char* const kStateNames[] = {"NO_WEATHER", "WAIT_FOR_WEATHER", "INCREASE_WEATHER",
                                   "UPDATE_WEATHER", "DECREASE_WEATHER"};
const char* const kRainStream = "rain1";

constexpr int kMinTime = 4000;   // ms, of the start and the duration of a period
constexpr int kMaxTime = 600000; // excluded
constexpr float kBurstChance = 0.7f;
constexpr float kThunderDistance = 20.0f;
constexpr double kPi = 3.14159265358979323846;
constexpr uint8_t kLoopFlags = 2;
constexpr uint8_t kOnceFlags = 1;
constexpr int kFullVolume = 255;
constexpr int kThunderVolume = 100;

int RampVolume(float fraction) {
    return RoundToPixel(fraction * kFullVolume);
}

} // namespace

WeatherMgr::WeatherMgr(SoundMgr* const& sound, TileMap* const& map, WaterMgr& water,
                       GameClock* const& clock)
    : m_sound(sound), m_map(map), m_water(water), m_clock(clock) {
    m_kindStreams[kRain] = kRainStream;
}

WeatherMgr::~WeatherMgr() {
    StopSound();
}

// A region's weather starts afresh, and the last region's stream would play on in it.
void WeatherMgr::Reset() {
    StopSound();
    m_record = Record();
    m_record.tint = kTints[kDayTint];
    m_burstMs = m_pauseMs = m_flashMs = m_gapMs = 0;
    m_thunderPlayed = 0;
}

void WeatherMgr::SetKindChance(int kind, float percent) {
    if (kind >= 0 && kind < static_cast<int>(kKindCount))
        m_record.chances[kind] = percent;
}

float WeatherMgr::GetKindChance(int kind) const {
    return kind >= 0 && kind < static_cast<int>(kKindCount) ? m_record.chances[kind] : 0.0f;
}

int WeatherMgr::PhaseOfHour(int hour) {
    switch (hour) {
    case 6:
        return 0;
    case 7:
        return 1;
    case 18:
        return 3;
    case 19:
        return 4;
    case 0:
        return 5;
    default:
        return kDayTint;
    }
}

void WeatherMgr::GetLightTint(int hour) {
    if (!IsTintEnabled() && !IsWeatherEnabled())
        m_record.tint = kTints[PhaseOfHour(hour)];
}

void WeatherMgr::StopSound() {
    if (m_channel == -1)
        return;
    m_channel = -1;
    if (m_sound)
        m_sound->StopStream();
}

// ---- the stored block ----

bool WeatherMgr::Record::Read(Stream& stream) {
    return stream.ReadValue(kind) && stream.ReadValue(state) && stream.ReadValue(tintEnabled) &&
           stream.ReadValue(weatherEnabled) && stream.ReadValue(chances) &&
           stream.ReadValue(times) && tint.Read(stream);
}

bool WeatherMgr::Record::Write(Stream& stream) const {
    return stream.WriteValue(kind) && stream.WriteValue(state) && stream.WriteValue(tintEnabled) &&
           stream.WriteValue(weatherEnabled) && stream.WriteValue(chances) &&
           stream.WriteValue(times) && tint.Write(stream);
}

bool WeatherMgr::Save(Stream& stream) const {
    return stream.CheckOpen() == kStreamOk && m_record.Write(stream);
}

bool WeatherMgr::CheckStored(Stream& stream) {
    Record read;
    return stream.CheckOpen() == kStreamOk && read.Read(stream);
}

bool WeatherMgr::Load(Stream& stream) {
    Record read;
    if (stream.CheckOpen() != kStreamOk || !read.Read(stream))
        return false;
    if (read.kind >= kKindCount || read.state >= kStateCount) {
        read.kind = kStorm;
        read.state = kNoWeather;
    }
    m_record = read;
    SetSea(m_record.state);
    const Times& times = m_record.times;
    ParticleMgr* particles[] = {&m_rain, &m_snow};
    for (ParticleMgr* system : particles) {
        if (m_record.state == kIncreaseWeather) {
            system->SetActive(true, Span(times.start, times.update));
            system->Start(RisingFraction(), true);
        } else if (m_record.state == kUpdateWeather) {
            system->Start(1.0f, true);
        } else if (m_record.state == kDecreaseWeather) {
            system->SetActive(false, Span(times.decrease, times.end));
            system->Start(FallingFraction(), false);
        }
    }
    return true;
}

uint32_t WeatherMgr::Span(uint32_t from, uint32_t to) {
    return to > from ? to - from : 1;
}

float WeatherMgr::Fraction(uint32_t from, uint32_t at, uint32_t to) {
    const int64_t span = static_cast<int64_t>(to) - from;
    const int64_t done = static_cast<int64_t>(at) - from;
    return std::clamp(static_cast<float>(done) / static_cast<float>(std::max<int64_t>(span, 1)),
                      0.0f, 1.0f);
}

float WeatherMgr::RisingFraction() const {
    return Fraction(m_record.times.start, m_record.times.current, m_record.times.update);
}

float WeatherMgr::FallingFraction() const {
    return 1.0f - Fraction(m_record.times.decrease, m_record.times.current, m_record.times.end);
}

// ---- the frame ----

void WeatherMgr::Update(uint32_t frameMs) {
    m_record.times.current += frameMs;
    if (IsWeatherEnabled()) {
        switch (m_record.state) {
        case kNoWeather:
            OnNoWeather();
            break;
        case kWaitForWeather:
            OnWaitForWeather();
            break;
        case kIncreaseWeather:
            OnIncreaseWeather(frameMs);
            break;
        case kUpdateWeather:
            OnUpdateWeather(frameMs);
            break;
        case kDecreaseWeather:
            OnDecreaseWeather(frameMs);
            break;
        default:
            break;
        }
    }
    UpdateSound();
    UpdateTint();
    if (m_map)
        m_map->SetTint(m_record.tint);
}

void WeatherMgr::SetSea(uint32_t phase) {
    m_water.SetState(static_cast<int>(m_record.kind), static_cast<int>(phase));
}

ParticleMgr* WeatherMgr::Particles() {
    if (m_record.kind == kRain)
        return &m_rain;
    return m_record.kind == kSnow ? &m_snow : nullptr;
}

void WeatherMgr::OnNoWeather() {
    Times& times = m_record.times;
    if (times.current < times.nextForecast)
        return;
    m_water.SetState(kStorm, kNoWeather);
    times.current = 0;
    times.start = static_cast<uint32_t>(RandomInt(kMinTime, kMaxTime));
    times.duration = static_cast<uint32_t>(RandomInt(kMinTime, kMaxTime));
    times.update = times.start + static_cast<uint32_t>(RoundToPixel(times.duration * 0.1f));
    times.decrease = times.start + static_cast<uint32_t>(RoundToPixel(times.duration * 0.9f));
    times.end = times.nextForecast = times.start + times.duration;
    for (uint32_t kind = kStorm; kind < kKindCount; ++kind) {
        if (RandomFloat(0, 100) < m_record.chances[kind]) {
            m_record.kind = kind;
            m_record.state = kWaitForWeather;
            return;
        }
    }
}

void WeatherMgr::OnWaitForWeather() {
    const Times& times = m_record.times;
    if (times.current < times.start)
        return;
    if (m_record.kind != kSnow)
        m_burstMs = m_pauseMs = 0;
    if (ParticleMgr* particles = Particles()) {
        particles->Reset();
        particles->SetActive(true, times.update - times.start);
    }
    SetSea(kNoWeather);
    m_record.state = kIncreaseWeather;
}

void WeatherMgr::UpdateKind(uint32_t frameMs, bool lightning) {
    if (lightning && m_record.kind != kSnow)
        UpdateLightning(frameMs);
    if (ParticleMgr* particles = Particles())
        particles->Update(frameMs);
}

void WeatherMgr::OnIncreaseWeather(uint32_t frameMs) {
    UpdateKind(frameMs, true);
    if (m_record.times.current < m_record.times.update)
        return;
    SetSea(kUpdateWeather);
    m_record.state = kUpdateWeather;
}

void WeatherMgr::OnUpdateWeather(uint32_t frameMs) {
    UpdateKind(frameMs, true);
    const Times& times = m_record.times;
    if (times.current < times.decrease)
        return;
    if (ParticleMgr* particles = Particles())
        particles->SetActive(false, times.end - times.decrease);
    EndLightning();
    SetSea(kDecreaseWeather);
    m_record.state = kDecreaseWeather;
}

// The period's stream is stopped with it: only forgetting its channel would leave it
// playing with nothing able to stop it.
void WeatherMgr::OnDecreaseWeather(uint32_t frameMs) {
    UpdateKind(frameMs, false);
    if (m_record.times.current < m_record.times.end)
        return;
    SetSea(kNoWeather);
    StopSound();
    m_record.state = kNoWeather;
}

// The falling weather has no lightning: a burst left running would light the map as at
// midday until the next storm.
void WeatherMgr::EndLightning() {
    m_burstMs = m_flashMs = m_gapMs = 0;
}

void WeatherMgr::UpdateLightning(uint32_t frameMs) {
    const int32_t elapsed = static_cast<int32_t>(frameMs);
    if (m_burstMs <= 0 && m_pauseMs <= 0) {
        m_thunderPlayed = 0;
        if (RandomFloat(0, 1) > kBurstChance) {
            m_burstMs = RandomInt(500, 750);
            m_flashMs = RandomInt(100, 250);
            m_gapMs = 0;
        } else {
            m_pauseMs = RandomInt(250, 10000);
        }
    }
    if (m_burstMs > 0) {
        m_burstMs -= elapsed;
        if (m_flashMs <= 0 && m_gapMs <= 0) {
            if (RandomFloat(0, 1) <= kBurstChance)
                m_gapMs = RandomInt(50, 150);
            else
                m_flashMs = RandomInt(100, 250);
        }
        if (m_flashMs > 0)
            m_flashMs -= elapsed;
        if (m_gapMs > 0)
            m_gapMs -= elapsed;
    }
    if (m_pauseMs > 0)
        m_pauseMs -= elapsed;
    if (IsFlashing())
        PlayThunder();
}

void WeatherMgr::PlayThunder() {
    if (m_thunderPlayed || !m_sound || !m_map)
        return;
    m_thunderPlayed = 1;
    const double angle = RandomFloat(0, static_cast<float>(2 * kPi));
    const Vector point = m_map->ViewCentre() + Vector(kThunderDistance * std::cos(angle),
                                                      kThunderDistance * std::sin(angle), 0);
    const char* name = RandomInt(0, 100) >= 50 ? "lightening2" : "lightening1";
    const int channel = m_sound->PlaySample(name, kOnceFlags, kFullVolume, &point, nullptr);
    m_sound->SetVolume(channel, kThunderVolume);
}

void WeatherMgr::UpdateSound() {
    if (!m_sound)
        return;
    const uint32_t state = m_record.state;
    if (state > kDecreaseWeather)
        return;
    if (m_channel == -1) {
        const bool ofKind = state >= kIncreaseWeather;
        const int period = m_clock ? m_clock->GetPeriod() : 0;
        const Stringc& name =
            ofKind ? m_kindStreams[m_record.kind] : m_periodStreams[std::clamp(period, 0, 3)];
        m_channel = m_sound->PlayStream(name.c_str(), kLoopFlags, kFullVolume, nullptr, nullptr);
        if (m_channel == -1)
            return;
    }
    if (state == kIncreaseWeather)
        m_sound->SetVolume(m_channel, RampVolume(RisingFraction()));
    else if (state == kUpdateWeather)
        m_sound->SetVolume(m_channel, kFullVolume);
    else if (state == kDecreaseWeather)
        m_sound->SetVolume(m_channel, RampVolume(FallingFraction()));
}

// A flash lights the map as at midday; a sky full of weather dims the day's blue.
void WeatherMgr::UpdateTint() {
    if (!IsTintEnabled())
        return;
    const int entry = m_clock ? PhaseOfHour(m_clock->GetPhaseHour()) : kDayTint;
    m_record.tint = kTints[entry];
    if (!IsWeatherEnabled())
        return;
    if (IsFlashing())
        m_record.tint = kTints[kDayTint];
    else if (m_record.state >= kIncreaseWeather && m_record.state <= kDecreaseWeather &&
             entry >= 1 && entry <= 3)
        m_record.tint.blue = static_cast<int16_t>(m_record.tint.blue - 2);
}

// ---- drawing ----

void WeatherMgr::Draw(Screen& screen) {
    if (!m_map || m_record.state < kIncreaseWeather || m_record.state > kDecreaseWeather)
        return;
    const Vector centre = m_map->ViewCentre();
    if (m_record.kind == kSnow) {
        screen.SetDrawColour(Colour(255, 255, 255).Pack16());
        m_snow.Draw(screen, *m_map, centre);
    } else if (m_record.kind == kRain) {
        const uint8_t level = m_flashMs > 0 ? 255 : 120;
        screen.SetDrawColour(Colour(level, level, level).Pack16());
        m_rain.Draw(screen, *m_map, centre);
    }
}

void WeatherMgr::DrawDebug(Screen& screen) const {
    const Times& times = m_record.times;
    constexpr int x = 200;
    screen.SetFont(0);
    if (m_record.state >= kWaitForWeather && m_record.state <= kDecreaseWeather &&
        m_record.kind < kKindCount)
        screen.DrawText(x, 200, kKindNames[m_record.kind]);
    if (m_record.state < kStateCount)
        screen.DrawText(x, 210, kStateNames[m_record.state]);
    if (m_burstMs > 0)
        screen.DrawText(x, 240, "LIGHTENING");
    if (m_flashMs > 0)
        screen.DrawText(x, 260, "FLASH");
    screen.Printf(x, 290, "NextWeatherForcastTime: %d", static_cast<int>(times.nextForecast));
    screen.Printf(x, 310, "CurrWeatherTime: %d", static_cast<int>(times.current));
    screen.Printf(x, 330, "WeatherStartTime: %d", static_cast<int>(times.start));
    screen.Printf(x, 340, "WeatherUpdateTime: %d", static_cast<int>(times.update));
    screen.Printf(x, 350, "WeatherDecrTime: %d", static_cast<int>(times.decrease));
    screen.Printf(x, 360, "WeatherEndTime: %d", static_cast<int>(times.end));
    screen.Printf(x, 380, "WeatherDuration: %d", static_cast<int>(times.duration));
}
