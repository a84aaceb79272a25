#pragma once
// Named count-down timers on a millisecond clock of their own: one table advances with game
// time, one with real play time. A timer runs until the clock passes its deadline.

#include "Library/scripts/global_table.h"

#include <cstdint>

class GlobalTimerTable {
public:
    GlobalTimerTable() = default; // empty, the clock at 0
    GlobalTimerTable(const GlobalTimerTable&) = delete;
    GlobalTimerTable& operator=(const GlobalTimerTable&) = delete;
    virtual ~GlobalTimerTable() = default;

    // (Re)starts the pair's timer, making it when missing; negative seconds count as 0.
    void Start(const Stringc& scope, const Stringc& name, int seconds);
    bool IsExpired(const Stringc& scope, const Stringc& name); // false for a missing timer
    bool IsRunning(const Stringc& scope, const Stringc& name); // false for a missing timer
    void Advance(uint32_t ms) { m_clock += ms; }
    uint32_t GetClock() const { return m_clock; }
    int Count() const { return m_table.Count(); }

    void Reset(); // no timers, the clock at 0
    // Stored form: the entries as GlobalTable stores them, then u32 clock. A damaged record
    // changes nothing.
    bool ReadCounter(Stream& stream);
    bool WriteCounter(Stream& stream) const;

private:
    GlobalTable m_table;
    uint32_t m_clock = 0;
};

// Made by the game's set-up: the timers counted in game time and in real play time.
extern GlobalTimerTable* g_gameTimeTimers;
extern GlobalTimerTable* g_realTimeTimers;
