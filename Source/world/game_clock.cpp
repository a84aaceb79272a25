#include "Source/world/game_clock.h"

#include "Library/core/game_mode_id.h"
#include "Library/core/stream.h"
#include "Library/graphics/screen.h"
#include "Library/scripts/global_timer_table.h"
#include "Source/creatures/game_rules.h"

#include <cmath>
#include <cstdio>
#include <iterator>

GameClock* g_gameClock = nullptr;

namespace {

constexpr int kStartDay = 30;
constexpr int kStartMonth = 4;
constexpr int kStartYear = 2001;
constexpr int kDebugFont = 0;

struct Band {
    double from; // inclusive
    double to;   // exclusive
    int phaseHour;
    int period;
};

// The band holding the hour of the day sets the phase; every other hour is night, those
// from 19:00 on too, so no hour reaches "DUSK_END".
constexpr Band kBands[] = {
    {6.0, 7.0, GameClock::kDawnStart, GameClock::kMorning},
    {7.0, 12.0, GameClock::kDawnEnd, GameClock::kMorning},
    {12.0, 18.0, GameClock::kNoon, GameClock::kDay},
    {18.0, 19.0, GameClock::kDuskStart, GameClock::kDusk},
};

struct Name {
    int value;
    const char* text;
};

constexpr Name kPhaseNames[] = {
    {GameClock::kMidnight, "MIDNIGHT"},    {GameClock::kDawnStart, "DAWN_START"},
    {GameClock::kDawnEnd, "DAWN_END"},     {GameClock::kNoon, "NOON"},
    {GameClock::kDuskStart, "DUSK_START"}, {GameClock::kDuskEnd, "DUSK_END"},
};

constexpr Name kPeriodNames[] = {
    {GameClock::kDay, "DAY"},
    {GameClock::kDusk, "DUSK"},
    {GameClock::kNight, "NIGHT"},
    {GameClock::kMorning, "MORNING"},
};

template <size_t N> bool FindName(const Name (&names)[N], int value, Stringc& name) {
    for (const Name& entry : names) {
        if (entry.value == value) {
            name = entry.text;
            return true;
        }
    }
    return false;
}

} // namespace

GameClock::GameClock(GlobalTimerTable& gameTime, GlobalTimerTable& realTime)
    : m_gameTimeTimers(gameTime), m_realTimeTimers(realTime) {
    ResetForNewGame();
}

void GameClock::ResetForNewGame() {
    m_date.Set(0, 0, 0, 0, kStartDay, kStartMonth, kStartYear);
    MarkMeasured();
    m_elapsedHours = 0.0;
    m_phaseHour = kMidnight;
    m_period = kDay; // until the first tick places the hour
    m_speedMode = 0;
}

void GameClock::Tick(uint32_t frameMs, int modeId) {
    if (modeId == kModeAreaMap || modeId == kModeWorldMap)
        m_realTimeTimers.Advance(frameMs);
    const bool known = m_speedMode >= 0 && m_speedMode < static_cast<int>(std::size(kSpeedFactors));
    const uint32_t scaled = frameMs * static_cast<uint32_t>(known ? kSpeedFactors[m_speedMode] : 1);
    m_gameTimeTimers.Advance(scaled);
    m_date.AddMilliseconds(static_cast<int>(scaled));
    UpdatePhase();

    const double total = m_date.TotalHours();
    m_elapsedHours = total - m_lastTotalHours;
    m_lastTotalHours = total;
}

double GameClock::GetElapsedRounds() const {
    return GameRules::TenthFactor() * m_elapsedHours * 3600.0;
}

void GameClock::UpdatePhase() {
    const double hour = m_date.HoursOfDay();
    m_phaseHour = kMidnight;
    m_period = kNight;
    for (const Band& band : kBands) {
        if (hour >= band.from && hour < band.to) {
            m_phaseHour = band.phaseHour;
            m_period = band.period;
            return;
        }
    }
}

void GameClock::SetDateTime(int milliseconds, int seconds, int minutes, int hours, int day,
                            int month, int year) {
    m_date.Set(milliseconds, seconds, minutes, hours, day, month, year);
    MarkMeasured();
}

void GameClock::SetDate(const DateTime& date) {
    m_date = date;
    MarkMeasured();
}

void GameClock::MarkMeasured() {
    m_lastTotalHours = m_date.TotalHours();
}

Stringc GameClock::GetPeriodName() const {
    Stringc name;
    PeriodName(m_period, name);
    return name;
}

void GameClock::ResetPhase() {
    m_phaseHour = kMidnight;
    m_period = kDay;
}

bool GameClock::PhaseName(int phaseHour, Stringc& name) {
    return FindName(kPhaseNames, phaseHour, name);
}

bool GameClock::PeriodName(int period, Stringc& name) {
    return FindName(kPeriodNames, period, name);
}

void GameClock::Draw(int x, int y, Screen& screen) const {
    screen.SetFont(kDebugFont);
    const int line = screen.FontHeight();
    screen.PrintDateTime(x, y + 2 * line, m_date);
    Stringc name;
    if (PhaseName(m_phaseHour, name))
        screen.DrawText(x, y + 3 * line, name);
    if (PeriodName(m_period, name))
        screen.DrawText(x, y + 4 * line, name);
}

bool GameClock::Save(Stream& stream) const {
    return m_date.Write(stream) && stream.WriteValue(m_lastTotalHours);
}

bool GameClock::Load(Stream& stream) {
    DateTime date;
    double lastTotalHours = 0.0;
    if (!date.Read(stream) || !stream.ReadValue(lastTotalHours))
        return false;
    if (!std::isfinite(lastTotalHours)) {
        std::fprintf(stderr, "GameClock: the stored clock's last tick is not a number of hours\n");
        return false;
    }
    m_date = date;
    m_lastTotalHours = lastTotalHours;
    return true;
}
