// The actions that do nothing but answer, and those by which a script has a creature's
// first script slot carry out one of the script's own call records.
#include "Source/scripting/game_natives.h"

#include "Source/entities/soldier_entity.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"

namespace {

constexpr int32_t kSendToCreature = 1;
constexpr int32_t kCallOnCreature = 2;

int32_t Done(const NativeCall&) {
    return kActionDone;
}

int32_t Fails(const NativeCall&) {
    return kActionFailed;
}

// Creature R1's first script machine and the calling script's record that the call's
// third integer names. None for an index outside the script's table, a reference that is
// no creature, or a record that would hand itself on again, which could go on for ever.
struct Relay {
    GameVirtualMachine* machine = nullptr;
    const ScriptFuncHeader* record = nullptr;
};

Relay FindRelay(const NativeCall& call) {
    const FuncHeaderTable& table = call.GetMachine().GetHeaders();
    const int32_t index = call.GetRecord().GetReserved();
    SoldierEntity* creature = nullptr;
    if (index < 0 || index >= table.Count() || !Entity::AsSoldier(call.Object(0), &creature))
        return {};
    const ScriptFuncHeader& record = table.At(index);
    if (record.GetType() == kNativeAction &&
        (record.GetId() == kSendToCreature || record.GetId() == kCallOnCreature))
        return {};
    return {GameVirtualMachine::Of(creature->GetScriptSlot(0)), &record};
}

// An action joins the creature's own; a control runs on its machine at once.
int32_t SendToCreature(const NativeCall& call) {
    const Relay relay = FindRelay(call);
    if (relay.machine == nullptr)
        return kActionFailed;
    if (relay.record->GetType() == kNativeAction) {
        relay.machine->QueueAction(*relay.record);
    } else if (relay.record->GetType() == kNativeControl) {
        ScriptFuncHeader record = *relay.record;
        relay.machine->CallAction(record);
    }
    return kActionDone;
}

int32_t CallOnCreature(const NativeCall& call) {
    const Relay relay = FindRelay(call);
    if (relay.machine == nullptr)
        return kActionFailed;
    ScriptFuncHeader record = *relay.record; // resolved anew for the creature
    return relay.machine->CallAction(record);
}

} // namespace

void RegisterMachineNatives(NativeTable& table) {
    for (int32_t number : {0, 20, 224})
        table.AddAction(number, "", &Done);
    for (int32_t number : {15, 17, 21, 25})
        table.AddAction(number, "", &Fails);
    table.AddAction(kSendToCreature, "R", &SendToCreature);
    table.AddAction(kCallOnCreature, "R", &CallOnCreature);
}
