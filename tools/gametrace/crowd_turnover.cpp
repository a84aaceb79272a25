#include "tools/gametrace/crowd_turnover.h"

#include "Library/core/stringc.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"

namespace {

constexpr int kFramesApart = 4;

} // namespace

bool CrowdTurnover::Step(int frame) {
    if (frame % kFramesApart != kFramesApart - 1)
        return true;
    const int slots = g_entityMgr->GetSlotCount(Entity::kTypeSoldier);
    for (int tried = 0; tried < slots; ++tried) {
        const int slot = m_nextSlot;
        m_nextSlot = (m_nextSlot + 1) % slots;
        if (!g_entityMgr->IsSlotUsed(Entity::kTypeSoldier, slot))
            continue;
        auto* freed =
            static_cast<SoldierEntity*>(g_entityMgr->GetEntity(Entity::kTypeSoldier, slot));
        if (freed->HasAnyFlag(Entity::kFlagPartyMember))
            continue;
        const Stringc name = freed->GetTemplateName();
        const Vector at = freed->GetPosition();
        const int direction = freed->GetDirection();
        g_entityMgr->ReleaseEntity(freed);
        return CreateCreature(*g_entityMgr, name, at, direction) == freed;
    }
    return true;
}
