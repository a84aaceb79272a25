// Turning a script's entity reference into an entity by the reference's kind.
#include "Source/entities/entity_mgr.h"

#include "Source/entities/creature_parts.h"
#include "Source/entities/entity_queries.h"
#include "Source/entities/soldier_entity.h"

namespace {

enum RefKind : int {
    kRefSelf = 1,
    kRefFirstLeader = 3,
    kRefLastLeader = 9,
    kRefFirstBySide = 10,
    kRefNearest = 11,
    kRefNearestEnemy = 12,
    kRefWeakest = 13,
    kRefStrongest = 14,
    kRefMostWounded = 15,
    kRefHealthiest = 16,
    kRefFirstTarget = 17,
    kRefLastTarget = 26,
};

} // namespace

bool EntityMgr::ResolveRef(int kind, Entity* self, EntityRef& ref) {
    if (kind > kRefLastLeader && ref.GetEntity() == nullptr && ref.GetName().Length() > 0) {
        Entity* named = nullptr;
        if (!FindFirstByRef(*this, nullptr, false, ref, named))
            return false;
        ref = named->GetRef();
    }
    if (kind >= kRefFirstTarget && kind <= kRefLastTarget)
        return ResolveTarget(kind, ref);
    Entity* found = nullptr;
    if (!ResolveByKind(kind, self, ref, found) || found == nullptr)
        return false;
    ref = found->GetRef();
    return ref.GetEntity() != nullptr;
}

bool EntityMgr::ResolveByKind(int kind, Entity* self, EntityRef& ref, Entity*& found) {
    if (kind == kRefSelf) {
        found = self;
        return true;
    }
    if (kind >= kRefFirstLeader && kind <= kRefLastLeader) {
        found = GetActivePartyMember();
        return true;
    }
    switch (kind) {
    case kRefFirstBySide:
        ref.Set(ref.GetSide(), 0, 0, 0, 0, 0, 0);
        return FindFirstByRef(*this, nullptr, false, ref, found);
    case kRefNearest:
        return self != nullptr && FindNearestByRef(*this, self, self->GetPosition(), ref, found);
    case kRefNearestEnemy:
        return self != nullptr && FindNearestEnemy(*this, self, self->GetPosition(), found);
    case kRefWeakest:
        return FindWeakestByRef(*this, self, ref, found);
    case kRefStrongest:
        return FindStrongestByRef(*this, self, ref, found);
    case kRefMostWounded:
        return FindMostWoundedByRef(*this, self, ref, found);
    case kRefHealthiest:
        return FindHealthiestByRef(*this, self, ref, found);
    default:
        return false;
    }
}

// A target record of the soldier the reference names. Either may name an entity released,
// or of a region left, since it was stored: only one in a used slot here counts, and
// nothing else is looked at.
bool EntityMgr::ResolveTarget(int kind, EntityRef& ref) {
    SoldierEntity* soldier = nullptr;
    if (!IsInUsedSlot(ref.GetEntity()) || !Entity::AsSoldier(ref.GetEntity(), &soldier) ||
        soldier->GetCreature() == nullptr)
        return false;
    ref = soldier->GetCreature()->GetTarget(kind - kRefFirstTarget);
    if (IsInUsedSlot(ref.GetEntity()))
        return true;
    ref.SetEntity(nullptr);
    return false;
}
