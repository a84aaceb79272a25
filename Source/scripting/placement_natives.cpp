// The actions that put creatures on the map and move entities about it: creating a
// creature of a template, and teleporting an entity to a point, ahead of another or
// behind it.
#include "Source/scripting/game_natives.h"

#include "Library/core/random.h"
#include "Library/geometry/directions.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/soldier_entity.h"
#include "Source/scripting/action_results.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"

#include <algorithm>

namespace {

constexpr int kBehind = 4; // directions from a facing to its opposite

// The vector whole: these actions place in three dimensions.
const Vector& Whole(const NativeCall& call, int index) {
    return call.GetRecord().GetVector(index);
}

int32_t Create(const NativeCall& call, const Vector& point, int32_t facing) {
    EntityMgr* manager = call.GetManager();
    return DoneIf(manager != nullptr && CreateCreature(*manager, call.String(0), point,
                                                       std::clamp(facing, 0, 7)) != nullptr);
}

int32_t CreateAt(const NativeCall& call) {
    return Create(call, Whole(call, 0), call.Int(0));
}

int32_t CreateAtOffset(const NativeCall& call) {
    return Create(call, Whole(call, 0) + Whole(call, 1), call.Int(0));
}

int32_t CreateAhead(const NativeCall& call) {
    return Create(call, GetPointByFacing(*call.Object(0), call.Point(0).x), call.Int(0));
}

int32_t Teleport(const NativeCall& call) {
    return DoneIf(TeleportEntity(*call.Object(0), Whole(call, 0)));
}

int32_t TeleportAhead(const NativeCall& call) {
    return DoneIf(
        TeleportEntity(*call.Object(0), GetPointByFacing(*call.Object(1), call.Point(0).x)));
}

// R1 somewhere behind creature R2, within N2 degrees of the way R2 turns its back, N1 away
// from where R1 stands; a creature R1 then faces as R2 does.
int32_t TeleportBehind(const NativeCall& call) {
    Entity* mover = call.Object(0);
    SoldierEntity* leader = nullptr;
    if (!Entity::AsSoldier(call.Object(1), &leader))
        return kActionFailed;
    const int back = WrapDir8(leader->GetDirection() + kBehind);
    const Vector offset = RandomVector(static_cast<float>(Dir8ToAngle(back)), call.Float(0),
                                       NativeCall::ToFloat(call.Number(1) * kRadiansPerDegree));
    SoldierEntity* follower = nullptr;
    if (Entity::AsSoldier(mover, &follower))
        follower->SetDirection(leader->GetDirection());
    return DoneIf(TeleportEntity(*mover, mover->GetPosition() + offset));
}

} // namespace

void RegisterPlacementNatives(NativeTable& table) {
    table.AddAction(82, "SPN", &CreateAt);
    table.AddAction(83, "RP", &Teleport);
    table.AddAction(212, "SPPN", &CreateAtOffset);
    table.AddAction(213, "SRPN", &CreateAhead);
    table.AddAction(503, "RRP", &TeleportAhead);
    table.AddAction(504, "RRNN", &TeleportBehind);
}
