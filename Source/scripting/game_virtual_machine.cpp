#include "Source/scripting/game_virtual_machine.h"

#include "Library/core/game_mode_id.h"
#include "Library/scripts/entity_ref.h"
#include "Source/entities/creature_commands.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_queries.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/view_transform.h"
#include "Source/scripting/creature_script_functions.h"
#include "Source/scripting/game_natives.h"
#include "Source/scripting/native_call.h"
#include "Source/scripting/native_table.h"

namespace {

bool FirstRefsMatch(const ScriptFuncHeader& test, const ScriptFuncHeader& event) {
    return test.ObjectCount() > 0 && event.ObjectCount() > 0 &&
           test.GetObject(0).Matches(event.GetObject(0));
}

bool FirstNumbersEqual(const ScriptFuncHeader& test, const ScriptFuncHeader& event) {
    return test.NumberCount() > 0 && event.NumberCount() > 0 &&
           test.GetNumber(0) == event.GetNumber(0);
}

// Whether the pending event of the test's code answers the test.
bool EventMatches(const ScriptFuncHeader& test, const ScriptFuncHeader& event) {
    switch (test.GetId()) {
    case kScriptEventEntityDied:
    case kScriptEventShoutOfSelf:
    case kScriptEventOpened:
    case kScriptEventClosed:
    case kScriptEventTrapFired:
    case kScriptEventLockPicked:
        return FirstRefsMatch(test, event);
    case kScriptEventAttacked: {
        if (test.NumberCount() == 0 || event.NumberCount() == 0)
            return false;
        const int32_t wanted = NativeCall::ToInt(test.GetNumber(0));
        return (wanted == 0 || wanted == NativeCall::ToInt(event.GetNumber(0))) &&
               FirstRefsMatch(test, event);
    }
    case kScriptEventNotice: {
        if (test.NumberCount() == 0 || event.NumberCount() == 0)
            return false;
        const uint32_t wanted = NativeCall::ToBits(test.GetNumber(0));
        return (wanted == 1 || (wanted & NativeCall::ToBits(event.GetNumber(0))) != 0) &&
               FirstRefsMatch(test, event);
    }
    case kScriptEventCall:
    case kScriptEventShout:
        return FirstNumbersEqual(test, event) && FirstRefsMatch(test, event);
    case kScriptEventSignal:
    case kScriptEventNumber:
    case kScriptEventKey:
        return FirstNumbersEqual(test, event);
    case kScriptEventItemUsed:
        return test.StringCount() > 0 && event.StringCount() > 0 &&
               test.GetString(0) == event.GetString(0);
    case kScriptEventNever:
        return false;
    default: // the events that carry nothing
        return true;
    }
}

} // namespace

GameVirtualMachine::GameVirtualMachine(Entity* owner) : m_owner(owner) {}

GameVirtualMachine::~GameVirtualMachine() = default;

GameVirtualMachine* GameVirtualMachine::Of(ScriptMachine& machine) {
    return dynamic_cast<GameVirtualMachine*>(&machine);
}

EntityMgr* GameVirtualMachine::GetManager() const {
    EntityMgr* manager = m_owner ? m_owner->GetManager() : nullptr;
    return manager ? manager : g_entityMgr;
}

int32_t GameVirtualMachine::CallNative(ScriptFuncHeader& record) {
    for (int i = 0; i < record.ObjectCount(); ++i) {
        Entity* found = nullptr;
        if (!PrepareArguments(record.GetObject(i), found))
            return kActionFailed;
        record.GetObject(i).SetEntity(found);
    }
    const int32_t number = record.GetId();
    switch (record.GetType()) {
    case kNativeAction:
    case kNativeCondition:
        return GetGameNatives().Call(static_cast<NativeCategory>(record.GetType()), number,
                                     NativeCall(*this, record));
    case kNativeControl:
        return CallControl(number);
    case kNativeEventTest:
        return TestEvent(record) ? 1 : 0;
    default:
        return 0;
    }
}

int32_t GameVirtualMachine::CallControl(int32_t number) {
    if (number == kControlClearActions) {
        ClearActions();
        return 1;
    }
    if (number == kControlClearSoldierSlotActions) {
        if (EntityMgr* manager = GetManager())
            manager->ClearSoldierSlotActions();
        return 1;
    }
    return 0;
}

bool GameVirtualMachine::PrepareArguments(const EntityRef& reference, Entity*& out) {
    EntityMgr* manager = GetManager();
    out = nullptr;
    if (manager == nullptr)
        return false;
    if (reference.GetListCount() == 0)
        return FindFirstByRef(*manager, nullptr, false, reference, out);
    // Each step replaces the copy with the reference of what it found, list and all, so
    // the steps are read from the script's own reference. The script names no entity.
    EntityRef copy = reference;
    copy.SetEntity(nullptr);
    for (int step = reference.GetListCount() - 1; step >= 0; --step)
        if (!manager->ResolveRef(static_cast<int>(reference.GetListEntry(step)), m_owner, copy))
            return false;
    out = copy.GetEntity();
    return out != nullptr;
}

bool GameVirtualMachine::TestEvent(const ScriptFuncHeader& test) {
    if (test.GetId() < kScriptEventStart || test.GetId() > kScriptEventWorldMap)
        return false;
    for (const ScriptFuncHeader* event = Events().First(); event != nullptr;
         event = Events().Next())
        if (event->GetId() == test.GetId())
            return EventMatches(test, *event);
    return false;
}

int32_t GameVirtualMachine::GetOwnerState() const {
    SoldierEntity* soldier = nullptr;
    if (!Entity::AsSoldier(m_owner, &soldier) || CurrentModeId() != kModeAreaMap)
        return kActionDone;
    if (soldier->HasPending())
        return kActionStarted; // still running, asked again next frame
    const CreatureCommands* behaviour = soldier->GetBehaviour();
    return behaviour ? static_cast<int32_t>(behaviour->GetStatus()) : kActionDone;
}

// Only a machine that had an action stops its owner: the command under way may belong to
// another of the owner's machines, and idle ones are cleared every frame it runs.
void GameVirtualMachine::ClearActions() {
    const bool hadAction = IsBusy();
    VirtualMachine::ClearActions();
    if (hadAction && !m_keepOwnerCommand)
        ScriptCmdStop(m_owner);
}

void GameVirtualMachine::Reset(bool all) {
    VirtualMachine::Reset(all);
    m_keepOwnerCommand = false;
}
