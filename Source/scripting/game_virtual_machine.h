#pragma once
// The game's script machine: the engine's machine with the game's natives. Every call
// record of a run first has its entity references resolved, then goes by its category to
// an action or condition of the native table, a control operation or the event test. The
// owner is the entity whose scripts it runs (none for the region's and the screens');
// its latent actions last as long as the owner creature's command.

#include "LibraryScriptCompiler/virtual_machine.h"
#include "Source/entities/script_machine.h"

class Entity;
class EntityMgr;

// What a call record's type means to the game.
enum NativeCategory : int32_t {
    kNativeAction = 1,    // queued, driven until done
    kNativeControl = 2,   // called at once
    kNativeEventTest = 3, // its id is an event code
    kNativeCondition = 4,
};

// The control operations, by number.
enum ControlNative : int32_t {
    kControlClearActions = 0,
    kControlClearSoldierSlotActions = 1,
};

// The entity's interface first: a soldier updates its machines through it every frame, and
// so reads them from their start.
class GameVirtualMachine : public ScriptMachine, public VirtualMachine {
public:
    explicit GameVirtualMachine(Entity* owner = nullptr);
    ~GameVirtualMachine() override;

    // The game machine behind an entity's script machine; null for any other kind.
    static GameVirtualMachine* Of(ScriptMachine& machine);

    // 0 for a reference that cannot be resolved, a category without natives, or a number
    // its table does not hold; else the native's, control's or event test's result.
    int32_t CallNative(ScriptFuncHeader& record);
    // How far the owner creature has carried out the current action: 1 done, 0 failed,
    // 3 still going. Done at once without a creature owner or off the area map.
    int32_t GetOwnerState() const;
    int32_t CallAction(ScriptFuncHeader& record) override { return CallNative(record); }
    int32_t UpdateAction() override { return GetOwnerState(); }
    // The latent actions go; when there were any, the owner creature stops and its command
    // goes too unless the keep-owner-command flag is set.
    void ClearActions() override;
    void Reset(bool all) override; // the engine's, and the keep-owner-command flag cleared
    void Reset() override { Reset(true); }

    using VirtualMachine::LoadScript;
    bool LoadScript(const Stringc& path) override { return VirtualMachine::LoadScript(path, true); }
    bool Update(uint32_t frameMs) override { return VirtualMachine::Update(frameMs); }
    bool HasFired() const override { return VirtualMachine::HasFired(); }
    void SetPeriod(int periodMs) override { VirtualMachine::SetPeriod(periodMs); }
    void ClearEvents() override { VirtualMachine::ClearEvents(); }
    void SetKeepOwnerCommand(bool keep) override { m_keepOwnerCommand = keep; }
    void PostEvent(const ScriptFuncHeader& event) override { VirtualMachine::PostEvent(event); }
    int QuietMs() const override { return VirtualMachine::QuietMs(); }
    void CountQuietMs(int ms) override { VirtualMachine::CountQuietMs(ms); }

    // The entity one reference names, seen from the owner: a reference without steps is a
    // pattern, the first entity it matches; one with steps is resolved step by step from
    // its last to its first. False when nothing is found or a step fails.
    bool PrepareArguments(const EntityRef& reference, Entity*& out);

    Entity* GetOwner() const { return m_owner; }
    bool KeepsOwnerCommand() const { return m_keepOwnerCommand; }
    // The owner's, or without one the current region's.
    EntityMgr* GetManager() const;

private:
    int32_t CallControl(int32_t number);
    // The pending events from the top down: the first of the code decides.
    bool TestEvent(const ScriptFuncHeader& test);

    Entity* m_owner;
    bool m_keepOwnerCommand = false;
};
