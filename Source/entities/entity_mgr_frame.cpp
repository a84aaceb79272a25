// The region's frame: releases, the combat countdown, creatures, scripts and the pools.
#include "Source/entities/entity_mgr.h"

#include "Source/entities/creature_parts.h"
#include "Source/entities/entity_pool.h"
#include "Source/entities/party_services.h"
#include "Source/entities/soldier_entity.h"

namespace {

// Items, triggers and plain entities have no frame of their own.
constexpr int kUpdateOrder[] = {Entity::kTypeProjectile,   Entity::kTypeBinary,  Entity::kTypeDoor,
                                Entity::kTypeContainerMap, Entity::kTypeSoldier, Entity::kTypeCycle,
                                Entity::kTypeTown};

// A crowd's frame mostly waits for memory, along chains of pointers: soldier, then its
// parts. Before the soldier in a slot is visited, the soldier two slots on is asked for,
// and, through the fields that came for it a visit earlier, the parts of the next one: a
// pass over the pool waits for them once instead of one soldier after another. (Going
// further along the chains, into the creature's records, measured slower.) The pool keeps
// its objects for its lifetime, so a soldier found a slot earlier may still be asked for
// even if its slot was freed meanwhile.
class Lookahead {
public:
    Lookahead(const EntityPool& pool, bool forUpdate) : m_pool(pool), m_forUpdate(forUpdate) {}

    void Before(int slot) {
        if (m_nextSlot != slot + 1)
            m_next = SoldierAt(slot + 1);
        if (m_next != nullptr)
            m_next->PrefetchParts(m_forUpdate);
        m_next = SoldierAt(slot + 2);
        m_nextSlot = slot + 2;
        if (m_next != nullptr)
            m_next->PrefetchSelf();
    }

private:
    const SoldierEntity* SoldierAt(int slot) const {
        return slot < m_pool.GetSlotCount() && m_pool.IsUsed(slot)
                   ? static_cast<const SoldierEntity*>(m_pool.GetAt(slot))
                   : nullptr;
    }

    const EntityPool& m_pool;
    const bool m_forUpdate;
    const SoldierEntity* m_next = nullptr; // the soldier of m_nextSlot, asked for a visit ago
    int m_nextSlot = -1;
};

} // namespace

template <class Visit> void EntityMgr::ForEachLiveSoldier(Visit visit) {
    PoolOfType(Entity::kTypeSoldier)->ForEachUsed([&](Entity& entity) {
        auto& soldier = static_cast<SoldierEntity&>(entity);
        if (!soldier.IsDead())
            visit(soldier);
    });
}

void EntityMgr::Update(uint32_t frameMs) {
    ReleaseScheduled();
    TickCombatCountdown(frameMs);
    UpdateCreatures(frameMs);
    UpdateScripts(frameMs);
    for (int type : kUpdateOrder)
        UpdatePool(type, frameMs);
    UpdateCombatFlag();
    if (m_party != nullptr)
        m_party->UpdateVision();
}

// The excess over a tick is dropped, so a tick takes at least 31 ms of play.
void EntityMgr::TickCombatCountdown(uint32_t frameMs) {
    g_combatTickAccumulator += frameMs;
    if (g_combatTickAccumulator <= kCombatTickMs)
        return;
    g_combatTickAccumulator = 0;
    if (m_combatCountdown > 0)
        --m_combatCountdown;
}

void EntityMgr::UpdateCreatures(uint32_t frameMs) {
    const EntityPool& pool = *PoolOfType(Entity::kTypeSoldier);
    Lookahead ahead(pool, false);
    for (int slot = 0; slot < pool.GetSlotCount(); ++slot) {
        if (!pool.IsUsed(slot))
            continue;
        ahead.Before(slot);
        auto& soldier = static_cast<SoldierEntity&>(*pool.GetAt(slot));
        if (CreatureParts* creature = soldier.IsDead() ? nullptr : soldier.GetCreature())
            creature->UpdateFrame(frameMs);
    }
}

void EntityMgr::UpdateRestHealing(int period) {
    ForEachLiveSoldier([&](SoldierEntity& soldier) {
        CreatureParts* creature = soldier.GetCreature();
        if (creature != nullptr && m_party != nullptr && m_party->IsMember(&soldier))
            creature->SetHealPeriod(period);
    });
}

// By slot: an entity may release itself during its own update.
void EntityMgr::UpdatePool(int type, uint32_t frameMs) {
    const EntityPool* pool = PoolOfType(type);
    if (pool == nullptr)
        return;
    const bool soldiers = type == Entity::kTypeSoldier;
    Lookahead ahead(*pool, true);
    for (int slot = 0; slot < pool->GetSlotCount(); ++slot) {
        if (!pool->IsUsed(slot))
            continue;
        if (soldiers)
            ahead.Before(slot);
        if (!pool->GetAt(slot)->IsHidden())
            pool->GetAt(slot)->Update(frameMs);
    }
}

bool EntityMgr::UpdatePoolAll(int type, uint32_t frameMs) {
    UpdatePool(type, frameMs);
    return true;
}

int EntityMgr::UpdateInView(int x1, int y1, int x2, int y2) {
    m_viewRect[0] = x1;
    m_viewRect[1] = y1;
    m_viewRect[2] = x2;
    m_viewRect[3] = y2;
    int count = 0;
    for (const std::unique_ptr<EntityPool>& pool : m_pools)
        pool->ForEachUsed([&](const Entity& entity) {
            count += entity.OverlapsRect(static_cast<uint16_t>(x1), static_cast<uint16_t>(y1),
                                         static_cast<uint16_t>(x2), static_cast<uint16_t>(y2));
        });
    return count;
}

void EntityMgr::SendEventToAll(int kind, EventArg p1, EventArg p2) {
    for (const std::unique_ptr<EntityPool>& pool : m_pools)
        pool->ForEachUsed([&](Entity& entity) {
            if (entity.HasAnyFlag(Entity::kFlagPartyMember))
                entity.OnEvent(kind, p1, p2, EventArg());
        });
}

void EntityMgr::SendEventToSoldiers(int kind, EventArg p1, EventArg p2) {
    PoolOfType(Entity::kTypeSoldier)->ForEachUsed(
        [&](Entity& entity) { entity.OnEvent(kind, p1, p2, EventArg()); });
}
