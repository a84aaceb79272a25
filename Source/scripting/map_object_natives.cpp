// The actions by which the script of a door's, chest's or trigger's map object opens and
// closes it and changes its lock, its trap, its key and its sounds.
#include "Source/scripting/game_natives.h"

#include "Source/entities/binary_map_object.h"
#include "Source/entities/entity.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"

namespace {

using Settings = MapObject::Settings;

MapObject::Settings* OwnerSettings(const NativeCall& call) {
    MapObject* mapObject = nullptr;
    return Entity::GetMapObject(call.GetOwner(), &mapObject) ? &mapObject->EditSettings() : nullptr;
}

template <bool kOpen> int32_t SetOpen(const NativeCall& call) {
    MapObject* mapObject = nullptr;
    Entity::GetMapObject(call.GetOwner(), &mapObject);
    auto* twoState = dynamic_cast<BinaryMapObject*>(mapObject);
    if (twoState == nullptr)
        return kActionFailed;
    twoState->SetStateWithSound(kOpen);
    return kActionDone;
}

template <uint8_t Settings::*kField> int32_t SetByte(const NativeCall& call) {
    Settings* settings = OwnerSettings(call);
    if (settings == nullptr)
        return kActionFailed;
    settings->*kField = call.Number(0) != 0 ? 1 : 0;
    return kActionDone;
}

template <uint32_t kFlag> int32_t SetFlag(const NativeCall& call) {
    Settings* settings = OwnerSettings(call);
    if (settings == nullptr)
        return kActionFailed;
    if (call.Int(0) != 0)
        settings->flags |= kFlag;
    else
        settings->flags &= ~kFlag;
    return kActionDone;
}

template <uint32_t Settings::*kField> int32_t SetDifficulty(const NativeCall& call) {
    Settings* settings = OwnerSettings(call);
    if (settings == nullptr)
        return kActionFailed;
    settings->*kField = static_cast<uint32_t>(call.Int(0));
    return kActionDone;
}

template <Stringc Settings::*kField> int32_t SetText(const NativeCall& call) {
    Settings* settings = OwnerSettings(call);
    if (settings == nullptr)
        return kActionFailed;
    settings->*kField = call.String(0);
    return kActionDone;
}

} // namespace

void RegisterMapObjectNatives(NativeTable& table) {
    table.AddAction(13, "", &SetOpen<true>);
    table.AddAction(14, "", &SetOpen<false>);
    table.AddAction(319, "N", &SetByte<&Settings::locked>);
    table.AddAction(320, "N", &SetByte<&Settings::trapArmed>);
    table.AddAction(321, "N", &SetByte<&Settings::trapFound>);
    table.AddAction(322, "N", &SetFlag<MapObject::kFlagStaysArmed>);
    table.AddAction(323, "N", &SetFlag<MapObject::kFlagRules>);
    table.AddAction(324, "N", &SetDifficulty<&Settings::lockDifficulty>);
    table.AddAction(325, "N", &SetDifficulty<&Settings::disarmDifficulty>);
    table.AddAction(326, "N", &SetDifficulty<&Settings::searchDifficulty>);
    table.AddAction(327, "S", &SetText<&Settings::keyItem>);
    table.AddAction(328, "S", &SetText<&Settings::openSound>);
    table.AddAction(329, "S", &SetText<&Settings::closeSound>);
    table.AddAction(330, "S", &SetText<&Settings::blockedSound>);
    table.AddAction(331, "S", &SetText<&Settings::unlockSound>);
    table.AddAction(332, "S", &SetText<&Settings::failedPickSound>);
    table.AddAction(333, "S", &SetText<&Settings::lockedSound>); // the last of its texts
}
