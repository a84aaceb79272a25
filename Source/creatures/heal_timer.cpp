#include "Source/creatures/heal_timer.h"

#include "Library/core/stream.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_services.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/entities/entity.h"

namespace {

// Every creature asks for the clock's hours each frame: worked out once per date.
double HoursOfNow(const DateTime& now) {
    static DateTime s_date;
    static double s_hours = s_date.TotalHours();
    if (!(now == s_date)) {
        s_date = now;
        s_hours = now.TotalHours();
    }
    return s_hours;
}

} // namespace

HealTimer::HealTimer(Entity* owner) : m_owner(owner), m_lastHealHours(m_lastHeal.TotalHours()) {}

DateTime HealTimer::Now() {
    const CreatureServices* services = GetCreatureServices();
    return services ? services->GetDateTime() : DateTime();
}

void HealTimer::Start() {
    m_period = kNormalPeriod;
    SetLastHeal(Now());
    m_lastRestore = m_lastHeal;
}

void HealTimer::SetPeriod(int hours) {
    if (hours == kNormalPeriod || hours == kRestingPeriod)
        m_period = hours;
}

void HealTimer::Update() {
    if (m_owner == nullptr || m_owner->GetRef().IsDead())
        return;
    const double elapsed = HoursOfNow(Now()) - m_lastHealHours;
    if (elapsed >= m_period)
        Heal(elapsed);
}

void HealTimer::Heal(double elapsedHours) {
    Creature* creature = Creature::Of(m_owner);
    if (creature == nullptr)
        return;
    CreatureData& data = creature->GetData();
    const double factor =
        m_period == kRestingPeriod || m_period == kNormalPeriod ? elapsedHours / m_period : 0.0;
    data.AddHitPoints(static_cast<float>(data.GetHealingRate() * factor));
    const DateTime now = Now();
    if (now.TotalHours() - m_lastRestore.TotalHours() >= kRestoreHours) {
        m_lastRestore = now;
        data.GetSpellMgr().RestoreCharges();
    }
    SetLastHeal(now);
}

void HealTimer::SetLastHeal(const DateTime& date) {
    m_lastHeal = date;
    m_lastHealHours = date.TotalHours();
}

bool HealTimer::Load(Stream& stream) {
    const bool read =
        stream.ReadValue(m_period) && m_lastHeal.Read(stream) && m_lastRestore.Read(stream);
    m_lastHealHours = m_lastHeal.TotalHours();
    return read;
}

bool HealTimer::Save(Stream& stream) const {
    return stream.WriteValue(m_period) && m_lastHeal.Write(stream) && m_lastRestore.Write(stream);
}
