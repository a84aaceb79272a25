// The actions that change an entity itself: the codes of its reference, its names, its
// scripts, its hit points, and whether it exists at all.
#include "Source/scripting/game_natives.h"

#include "Source/creatures/creature.h"
#include "Source/entities/map_object.h"
#include "Source/entities/soldier_entity.h"
#include "Source/scripting/action_results.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"

#include <utility>

namespace {

// The codes of a reference in the order the actions number them: side, life state, then
// the five match codes.
enum RefCode { kSide, kLifeState, kMatch1, kMatch2, kMatch3, kMatch4, kMatch5, kRefCodes };
constexpr int32_t kFirstRefCodeNative = 35;

template <int kCode> int32_t SetRefCode(const NativeCall& call) {
    EntityRef& ref = call.Object(0)->GetRef();
    uint32_t codes[kRefCodes] = {ref.GetSide(),   ref.GetLifeState(), ref.GetMatch(1),
                                 ref.GetMatch(2), ref.GetMatch(3),    ref.GetMatch(4),
                                 ref.GetMatch(5)};
    codes[kCode] = call.Bits(0);
    ref.Set(codes[kSide], codes[kLifeState], codes[kMatch1], codes[kMatch2], codes[kMatch3],
            codes[kMatch4], codes[kMatch5]);
    return kActionDone;
}

template <int... kCodes>
void AddRefCodeNatives(NativeTable& table, std::integer_sequence<int, kCodes...>) {
    (table.AddAction(kFirstRefCodeNative + kCodes, "RN", &SetRefCode<kCodes>), ...);
}

// A creature's script slot loads the named script; a map object takes the text as its
// field (only the dialogue name's number changes anything).
int32_t SetScriptOrField(const NativeCall& call) {
    Entity* entity = call.Object(0);
    if (Creature* creature = Creature::Of(entity))
        return DoneIf(creature->GetData().SetScript(call.Int(0), call.String(0).c_str()));
    MapObject* mapObject = nullptr;
    if (Entity::GetMapObject(entity, &mapObject))
        return DoneIf(mapObject->SetField(call.Int(0), call.String(0)));
    return kActionFailed;
}

int32_t AddHitPoints(const NativeCall& call) {
    SoldierEntity* soldier = call.GetOwnerSoldier();
    if (soldier == nullptr || soldier->GetCreature() == nullptr)
        return kActionFailed;
    soldier->GetCreature()->AddHitPoints(call.Float(0));
    return kActionDone;
}

int32_t SetDisplayName(const NativeCall& call) {
    if (call.GetOwner() == nullptr)
        return kActionFailed;
    call.GetOwner()->SetDisplayName(call.String(0));
    return kActionDone;
}

int32_t SetDescription(const NativeCall& call) {
    if (call.GetOwner() == nullptr)
        return kActionFailed;
    call.GetOwner()->SetDescription(call.String(0));
    return kActionDone;
}

int32_t ReleaseOwner(const NativeCall& call) {
    if (call.GetOwner() == nullptr)
        return kActionFailed;
    call.GetOwner()->Release();
    return kActionDone;
}

int32_t ReleaseEntity(const NativeCall& call) {
    call.Object(0)->Release();
    return kActionDone;
}

} // namespace

void RegisterEntityNatives(NativeTable& table) {
    AddRefCodeNatives(table, std::make_integer_sequence<int, kRefCodes>());
    table.AddAction(42, "RNS", &SetScriptOrField);
    table.AddAction(85, "", &ReleaseOwner);
    table.AddAction(96, "N", &AddHitPoints);
    table.AddAction(317, "S", &SetDisplayName);
    table.AddAction(318, "S", &SetDescription);
    table.AddAction(505, "R", &ReleaseEntity);
}
