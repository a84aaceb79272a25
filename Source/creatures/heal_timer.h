#pragma once
// Heals a creature over game time: every heal period of game hours it regains its healing
// rate in proportion to the hours passed, and once every 24 game hours its spells and
// skills are made ready again. The period is 24 hours, 6 while the party rests.

#include "Library/files/date_time.h"

#include <cstdint>

class Entity;
class Stream;

class HealTimer {
public:
    static constexpr int kNormalPeriod = 24;
    static constexpr int kRestingPeriod = 6;
    static constexpr double kRestoreHours = 24.0;

    explicit HealTimer(Entity* owner); // the creature; not owned
    HealTimer(const HealTimer&) = delete;
    HealTimer& operator=(const HealTimer&) = delete;
    virtual ~HealTimer() = default;

    void Start();              // the normal period, both stamps now
    void SetPeriod(int hours); // only 6 and 24
    int GetPeriod() const { return m_period; }
    void Update(); // heals once a period has passed; never a dead creature
    void Heal(double elapsedHours);

    // Stored form, little-endian: i32 period, the last heal and the last restore as dates
    // (seven u32 each).
    bool Load(Stream& stream);
    bool Save(Stream& stream) const;

private:
    static DateTime Now();
    void SetLastHeal(const DateTime& date);

    Entity* m_owner;
    int32_t m_period = kNormalPeriod;
    DateTime m_lastHeal;
    double m_lastHealHours; // m_lastHeal's, kept: the frame's test needs it
    DateTime m_lastRestore;
};
