#include "Source/creatures/heal_timer.h"

#include "Library/core/stream.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_services.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/entities/entity.h"

HealTimer::HealTimer(Entity* owner) : m_owner(owner) {}

DateTime HealTimer::Now() {
    const CreatureServices* services = GetCreatureServices();
    return services ? services->GetDateTime() : DateTime();
}

void HealTimer::Start() {
    m_period = kNormalPeriod;
    m_lastHeal = Now();
    m_lastRestore = m_lastHeal;
}

void HealTimer::SetPeriod(int hours) {
    if (hours == kNormalPeriod || hours == kRestingPeriod)
        m_period = hours;
}

void HealTimer::Update() {
    if (m_owner == nullptr || m_owner->GetRef().IsDead())
        return;
    const double elapsed = Now().TotalHours() - m_lastHeal.TotalHours();
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
    m_lastHeal = now;
}

bool HealTimer::Load(Stream& stream) {
    return stream.ReadValue(m_period) && m_lastHeal.Read(stream) && m_lastRestore.Read(stream);
}

bool HealTimer::Save(Stream& stream) const {
    return stream.WriteValue(m_period) && m_lastHeal.Write(stream) && m_lastRestore.Write(stream);
}
