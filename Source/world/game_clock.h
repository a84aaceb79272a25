#pragma once
// The date and time of the game world. Each tick advances it by the frame time times the
// factor of its speed mode, feeds the two timer tables of the script globals, works out
// the phase of the day and records how much game time the tick passed, which timed effects,
// healing and the weather read.

#include "Library/core/stringc.h"
#include "Library/files/date_time.h"

#include <cstdint>

class GlobalTimerTable;
class Screen;
class Stream;

class GameClock {
public:
    // Game milliseconds per real millisecond of speed modes 0 to 5; any other mode runs at 1.
    static constexpr int kSpeedFactors[] = {24, 600, 1200, 3000, 24000, 48000};
    enum Phase : int {
        kMidnight = 0,
        kDawnStart = 6,
        kDawnEnd = 7,
        kNoon = 12,
        kDuskStart = 18,
        kDuskEnd = 19
    };
    enum Period : int { kDay, kDusk, kNight, kMorning };

    // The tables the ticks feed: game time and real play time. Both must outlive the clock.
    GameClock(GlobalTimerTable& gameTime, GlobalTimerTable& realTime);
    GameClock(const GameClock&) = delete;
    GameClock& operator=(const GameClock&) = delete;
    virtual ~GameClock() = default;

    // 30 April 2001, 00:00:00.000, measured from itself: a new game's first tick passes only
    // its own frame. Speed mode 0, midnight, night.
    void ResetForNewGame();
    // One frame of game time. The real-time table counts only on the area map (20) and the
    // world map (22). Phases are half-open: 6:00 is already dawn.
    void Tick(uint32_t frameMs, int modeId);

    // The date (normalised), from which the next tick measures.
    void SetDateTime(int milliseconds, int seconds, int minutes, int hours, int day, int month,
                     int year);
    void SetDate(const DateTime& date);
    const DateTime& GetDateTime() const { return m_date; }

    void SetSpeedMode(int mode) { m_speedMode = mode; }
    int GetSpeedMode() const { return m_speedMode; }
    int GetPhaseHour() const { return m_phaseHour; }
    int GetPeriod() const { return m_period; }
    Stringc GetPeriodName() const; // "" for a period without a name
    void ResetPhase();             // midnight, day
    static bool PhaseName(int phaseHour, Stringc& name);
    static bool PeriodName(int period, Stringc& name);

    // Game time the last tick passed.
    double GetElapsedHours() const { return m_elapsedHours; }
    double GetElapsedMinutes() const { return m_elapsedHours * 60.0; }
    double GetElapsedSeconds() const { return m_elapsedHours * 3600.0; }
    double GetElapsedRounds() const;

    // Debug text in font 0, one font height per line: the date from y + 2 lines, the phase
    // and the period names below it where they have one.
    void Draw(int x, int y, Screen& screen) const;

    // Stored form, little-endian: the date as 7 x u32 (year, month, day, hours, minutes,
    // seconds, milliseconds), then f64 total hours at the last tick. A record cut short or
    // holding a total that is not a number changes nothing.
    bool Save(Stream& stream) const;
    bool Load(Stream& stream);

private:
    void MarkMeasured(); // the next tick measures from the date as it is
    void UpdatePhase();

    GlobalTimerTable& m_gameTimeTimers;
    GlobalTimerTable& m_realTimeTimers;
    DateTime m_date;
    double m_lastTotalHours = 0.0;
    double m_elapsedHours = 0.0;
    int32_t m_phaseHour = kMidnight;
    int32_t m_period = kDay;
    int32_t m_speedMode = 0;
};

// Made by the game's set-up.
extern GameClock* g_gameClock;
