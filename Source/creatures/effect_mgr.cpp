#include "Source/creatures/effect_mgr.h"

#include "Source/creatures/effect_list.h"
#include "Source/entities/entity.h"
#include "Source/entities/entity_mgr.h"

namespace {

constexpr int kGrowth = 1; // the first slot; the list grows by 50 from there
constexpr int kResolvedRefCondition = 8;

} // namespace

EffectMgr::EffectMgr(Entity* owner) : m_owner(owner), m_effects(kGrowth) {}

template <class Visit> void EffectMgr::ForEachRunning(Visit visit) const {
    for (int slot = 0; slot < m_effects.GetCount(); ++slot)
        if (m_effects.IsUsed(slot))
            visit(*m_effects.Get(slot));
}

void EffectMgr::Clear() {
    m_effects.FreeAll();
}

void EffectMgr::Update() {
    for (int slot = 0; slot < m_effects.GetCount(); ++slot) {
        if (!m_effects.IsUsed(slot))
            continue;
        Effect& effect = *m_effects.Get(slot);
        const uint8_t unit = effect.GetTimeUnit();
        if (unit <= kUnitHours || unit == kUnitDelayed)
            effect.Update();
        if (!effect.IsActive())
            m_effects.Free(slot);
    }
}

void EffectMgr::AddEffect(const Effect& effect) {
    if (effect.GetKind() == kEffectPoison && FindSlot(effect) >= 0)
        return;
    *m_effects.Alloc() = effect;
}

int EffectMgr::FindSlot(const Effect& effect) const {
    for (int slot = 0; slot < m_effects.GetCount(); ++slot)
        if (m_effects.IsUsed(slot) && m_effects.Get(slot)->Equals(effect))
            return slot;
    return -1;
}

const Effect* EffectMgr::FindEffect(const Effect& effect) const {
    const int slot = FindSlot(effect);
    return slot >= 0 ? m_effects.Get(slot) : nullptr;
}

int EffectMgr::FindStartedFrom(const Effect& definition) const {
    int inactive = -1;
    for (int slot = 0; slot < m_effects.GetCount(); ++slot) {
        const Effect* running = m_effects.Get(slot);
        if (!m_effects.IsUsed(slot) || !running->IsStartedFrom(definition))
            continue;
        if (running->IsActive())
            return slot;
        if (inactive < 0)
            inactive = slot;
    }
    return inactive;
}

bool EffectMgr::RemoveEffect(const Effect& effect) {
    const int slot = FindStartedFrom(effect);
    if (slot < 0)
        return false;
    m_effects.Get(slot)->Stop();
    m_effects.Free(slot);
    return true;
}

template <class End> void EffectMgr::DropEnded(End end) {
    for (int slot = 0; slot < m_effects.GetCount(); ++slot) {
        Effect* effect = m_effects.Get(slot);
        if (!m_effects.IsUsed(slot) || !effect->IsActive())
            continue;
        end(*effect);
        if (!effect->IsActive())
            m_effects.Free(slot);
    }
}

void EffectMgr::RemoveKind(int kind) {
    DropEnded([&](Effect& effect) {
        if (effect.GetKind() == kind)
            effect.Stop();
    });
}

void EffectMgr::EndUnit8() {
    DropEnded([](Effect& effect) {
        if (effect.GetTimeUnit() == kUnitUntilEnded)
            effect.Stop();
    });
}

void EffectMgr::EndRounds(const Entity* entity) {
    constexpr int kCreatureRound = 7;
    const int round =
        entity != nullptr && entity->GetType() == Entity::kTypeSoldier ? kCreatureRound : 0;
    DropEnded([&](Effect& effect) {
        if (effect.IsRoundLimited())
            effect.EndRounds(round);
    });
}

void EffectMgr::ApplyAttackList(const EffectList* list, bool apply, bool modifiersOnly) {
    if (list == nullptr)
        return;
    list->ForEach([&](const Effect& definition) {
        if (definition.GetTimeUnit() != kUnitAttack || (modifiersOnly && !definition.IsModifier()))
            return;
        Effect scratch(definition);
        scratch.SetTarget(m_owner, nullptr);
        if (apply) {
            scratch.SetActive(scratch.Start());
            AddEffect(scratch);
        } else {
            RemoveEffect(scratch);
        }
    });
}

void EffectMgr::ApplyEffectList(const EffectList* list, bool apply) {
    ApplyAttackList(list, apply, false);
}

void EffectMgr::ApplyPreviewList(const EffectList* list, bool apply) {
    ApplyAttackList(list, apply, true);
}

void EffectMgr::ApplyItemEffects(Entity* source, const EffectList* list) {
    if (list == nullptr)
        return;
    list->ForEach([&](const Effect& definition) {
        const uint8_t unit = definition.GetTimeUnit();
        if (unit == kUnit7 || unit == kUnit9 || unit == kUnitAttack)
            return;
        Effect scratch(definition);
        scratch.SetTarget(m_owner, unit == kUnitLasting ? source : nullptr);
        scratch.SetActive(scratch.Start());
        AddEffect(scratch);
    });
}

void EffectMgr::RemoveUnequipEffects(const EffectList* list) {
    if (list == nullptr)
        return;
    list->ForEach([&](const Effect& definition) {
        if (definition.GetTimeUnit() != kUnitWhileWorn)
            return;
        const int slot = FindStartedFrom(definition);
        if (slot >= 0 && m_effects.Get(slot)->IsActive()) {
            m_effects.Get(slot)->Stop();
            m_effects.Free(slot);
        }
    });
}

bool EffectMgr::HasEffect(int kind, uint32_t damageType) const {
    bool found = false;
    ForEachRunning([&](const Effect& effect) {
        found = found || (effect.IsActive() && effect.GetKind() == kind &&
                          static_cast<uint32_t>(effect.GetParameterA()) == damageType &&
                          effect.GetParameterB() == 0);
    });
    return found;
}

bool EffectMgr::BonusApplies(const Effect& effect, const Entity* target) const {
    const EntityRef& ref = target->GetRef();
    const auto wanted = static_cast<uint32_t>(effect.GetParameterA());
    switch (effect.GetAmount()) {
    case 1:
        return ref.GetSide() == wanted;
    case 2:
        return ref.GetLifeState() == wanted;
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
        return ref.GetMatch(effect.GetAmount() - 2) == wanted;
    case kResolvedRefCondition: {
        EntityMgr* manager = m_owner ? m_owner->GetManager() : nullptr;
        EntityRef resolved;
        return manager && manager->ResolveRef(effect.GetParameterA(), m_owner, resolved) &&
               resolved.Equals(ref);
    }
    default:
        return false;
    }
}

int EffectMgr::SumDamageBonus(const Entity* target) const {
    if (target == nullptr)
        return 0;
    long long bonus = 0;
    ForEachRunning([&](const Effect& effect) {
        if (effect.IsActive() && effect.GetKind() == kEffectDamageBonus &&
            BonusApplies(effect, target))
            bonus += effect.GetParameterB();
    });
    return static_cast<int>(bonus > INT32_MAX ? INT32_MAX : bonus);
}

bool EffectMgr::Load(Stream& stream) {
    if (!EffectList::LoadSlots(stream, m_effects))
        return false;
    for (int slot = 0; slot < m_effects.GetCount(); ++slot)
        if (m_effects.IsUsed(slot))
            m_effects.Get(slot)->SetTarget(m_owner, nullptr);
    return true;
}

bool EffectMgr::Save(Stream& stream) const {
    return EffectList::SaveSlots(stream, m_effects);
}
