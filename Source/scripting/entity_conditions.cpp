// The conditions scripts ask of the entities named in a call: how near they stand to the
// owner, whether they still live, what their references say, what the owner sees of them,
// whether they stand in the owner's trap or behind a creature.
#include "Source/scripting/game_natives.h"

#include "Library/geometry/circle_tests.h"
#include "Library/geometry/directions.h"
#include "Library/geometry/sector.h"
#include "Library/scripts/entity_ref.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_queries.h"
#include "Source/entities/map_object.h"
#include "Source/entities/sight_tests.h"
#include "Source/entities/soldier_entity.h"
#include "Source/scripting/condition_compare.h"

namespace {

constexpr double kRadiansPerDegree = 0.0174532925199;
constexpr int kOppositeDirection = 4;

int32_t OverlapsOwner(const NativeCall& call) {
    const Entity* owner = call.GetOwner();
    const Entity* other = call.Object(0);
    return Answer(owner != nullptr && other != nullptr &&
                  CirclesOverlapMargin(*owner, call.Float(0), *other));
}

int32_t ApartFromOwner(const NativeCall& call) {
    const Entity* owner = call.GetOwner();
    const Entity* other = call.Object(0);
    return Answer(owner != nullptr && other != nullptr &&
                  CirclesOverlapMarginAlt(*owner, call.Float(0), *other) != 0);
}

int32_t IsOtherLive(const NativeCall& call) {
    const EntityMgr* manager = call.GetManager();
    const Entity* owner = call.GetOwner();
    const Entity* other = call.Object(0);
    return Answer(manager != nullptr && (IsOtherEntityLive(*manager, owner, other, 0) ||
                                         IsOtherEntityLive(*manager, owner, other, 2)));
}

// A code of the first entity's own reference, read as the signed number scripts compare.
template <uint32_t (*kCode)(const EntityRef&)> int32_t CodeEquals(const NativeCall& call) {
    const Entity* entity = call.Object(0);
    return Answer(entity != nullptr &&
                  static_cast<int32_t>(kCode(entity->GetRef())) == call.Int(0));
}

uint32_t Side(const EntityRef& ref) {
    return ref.GetSide();
}

uint32_t LifeState(const EntityRef& ref) {
    return ref.GetLifeState();
}

template <int kIndex> uint32_t Match(const EntityRef& ref) {
    return ref.GetMatch(kIndex);
}

int32_t NamedAs(const NativeCall& call) {
    const Entity* entity = call.Object(0);
    return Answer(entity != nullptr && entity->GetDisplayName() == call.String(0));
}

// 1 when the owner creature sees a living creature the first reference names, else 0.
bool SeesAnyMatching(const NativeCall& call, int32_t& value) {
    SoldierEntity* soldier = call.GetOwnerSoldier();
    EntityMgr* manager = call.GetManager();
    if (soldier == nullptr || manager == nullptr)
        return false;
    value = CanSeeAnyByRef(*manager, *soldier, call.Ref(0)) ? 1 : 0;
    return true;
}

int32_t InOwnerTrap(const NativeCall& call) {
    MapObject* mapObject = nullptr;
    const Entity* entity = call.Object(0);
    return Answer(entity != nullptr && Entity::GetMapObject(call.GetOwner(), &mapObject) &&
                  mapObject->GetKind() == kMapObjectTrap &&
                  mapObject->ZoneContains(entity->GetPosition()));
}

// The first entity stands in the sector behind the second, a creature: radius the first
// number, width the second in degrees. A creature behind must face the same way.
int32_t StandsBehind(const NativeCall& call) {
    Entity* entity = call.Object(0);
    SoldierEntity* front = nullptr;
    if (entity == nullptr || !Entity::AsSoldier(call.Object(1), &front))
        return 0;
    SoldierEntity* behind = nullptr;
    if (Entity::AsSoldier(entity, &behind) && behind->GetDirection() != front->GetDirection())
        return 0;
    Sector sector;
    sector.Set(front->GetPosition(),
               Dir8ToAngle(WrapDir8(front->GetDirection() + kOppositeDirection)), call.Float(0),
               call.Number(1) * kRadiansPerDegree);
    return Answer(sector.Contains(entity->GetPosition()));
}

int32_t IsNeverSaved(const NativeCall& call) {
    const Entity* entity = call.Object(0);
    return Answer(entity != nullptr && entity->HasAnyFlag(Entity::kFlagNeverSaved));
}

} // namespace

void RegisterEntityConditions(NativeTable& table) {
    table.AddCondition(2, "NR", &OverlapsOwner);
    table.AddCondition(3, "NR", &ApartFromOwner);
    table.AddCondition(5, "R", &IsOtherLive);
    table.AddCondition(10, "RN", &CodeEquals<&Side>);
    table.AddCondition(11, "RN", &CodeEquals<&LifeState>);
    table.AddCondition(12, "RN", &CodeEquals<&Match<1>>);
    table.AddCondition(13, "RN", &CodeEquals<&Match<2>>);
    table.AddCondition(14, "RN", &CodeEquals<&Match<3>>);
    table.AddCondition(15, "RN", &CodeEquals<&Match<4>>);
    table.AddCondition(16, "RN", &CodeEquals<&Match<5>>);
    table.AddCondition(18, "RS", &NamedAs);
    AddComparisons<&SeesAnyMatching>(table, "RN", 37, 38, 39);
    table.AddCondition(66, "R", &InOwnerTrap);
    table.AddCondition(70, "RRNN", &StandsBehind);
    table.AddCondition(71, "R", &IsNeverSaved);
}
