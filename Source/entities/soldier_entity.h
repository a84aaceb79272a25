#pragma once
// A creature standing on a map: a member of the player's party or any other character or
// monster. What happens to it arrives as events, which become orders; an order starts
// movement on its vehicle or an animation whose trigger frame carries out the act. Every
// frame it runs its scripts, watches for enemies, moves, sees, checks for its death and
// lets its behaviour choose what comes next. It owns its creature (rules record, targets,
// vision, art) and its behaviour, both made by the installed SoldierPartsFactory.

#include "Library/core/vector.h"
#include "Library/geometry/sector.h"
#include "Library/interface/bar_meter.h"
#include "Library/world/waypoints.h"
#include "Source/entities/command_arg.h"
#include "Source/entities/held_script_frames.h"
#include "Source/entities/queued_entity.h"
#include "Source/entities/way_point_mgr.h"

#include <memory>

class CarriedItems;
class CreatureCommands;
class ItemEntity;
class CreatureParts;
class ScriptMachine;
class SpeechBubble;
class Vehicle;
class VehicleController;

class SoldierEntity : public QueuedEntity {
public:
    static constexpr int kScriptSlots = 6;
    static constexpr int kEventSlots = 5; // slots 0-4 take the creature's events
    static constexpr int kEventSlot = 5;  // PostScriptEvent's
    static constexpr int kScriptNames = 7;
    // The global variable, in the creature's death scope, that counts its deaths.
    static constexpr const char* kDeathVariable = "DEATH_VAR";

    // States, the state record's first value.
    enum State : int32_t {
        kStateNone = 0, // set on the way to force the animation to be chosen again
        kStateStanding = 2,
        kStateWalking = 3,
        kStateStowing = 4,
        kStateMovingItem = 5,
        kStateBackpack = 6,
        kStateAttacking = 7,
        kStateHit = 8,
        kStateDying = 9,
        kStateDead = 10,
        kStateTaking = 11,
        kStateHanding = 12,
        kStateCasting = 13,
        kStateUsing = 16,
        kStateTouching = 18,
    };
    // Events; an event of kind k becomes an order of kind k - 1.
    enum Event : int {
        kEventWalkTo = 1,
        kEventFollowPath = 2,
        kEventPursue = 3,
        kEventApproach = 4,
        kEventTake = 5,
        kEventTakeFrom = 6,
        kEventUseAtPoint = 7,
        kEventGive = 8,
        kEventCast = 9,
        kEventCastAtPoint = 10,
        kEventCastOnTarget = 11,
        kEventStow = 12,
        kEventMoveItem = 13,
        kEventBackpack = 14,
        kEventUse = 15,
        kEventUseEvent = 16, // queues nothing: the event of being used
        kEventTouch = 17,
        kEventAttack = 18,
        kEventHit = 19,
    };
    enum Order : int {
        kOrderWalkTo = 0,
        kOrderFollowPath = 1,
        kOrderPursue = 2,
        kOrderApproach = 3,
        kOrderTake = 4,
        kOrderTakeFrom = 5,
        kOrderUseAtPoint = 6,
        kOrderGive = 7,
        kOrderCast = 8,
        kOrderCastAtPoint = 9,
        kOrderCastOnTarget = 10,
        kOrderStow = 11,
        kOrderMoveItem = 12,
        kOrderBackpack = 13,
        kOrderUse = 14,
        kOrderWait = 15, // never ends
        kOrderTouch = 16,
        kOrderAttack = 17,
        kOrderHit = 18,
        kOrderDie = 19,
    };
    // Numbers PostScriptEvent sends.
    enum ScriptNotice : int {
        kNoticeEnemiesInSight = 1,
        kNoticeAttackOrdered = 3,
        kNoticeHit = 4,
        kNoticeDied = 5,
    };

    SoldierEntity(); // the script slots from the installed script machine factory
    ~SoldierEntity() override;

    // Blank, alive and just placed, facing 4, with a fresh creature and behaviour and, on a
    // manager with a map, a vehicle standing still.
    void Init() override;
    // The queued entity's record; u8 running; u8 in combat; the creature's rules record and
    // targets; u8 the speech bubble's saved flag; the heal timer. Loading then declares the
    // death variable, loads the scripts (a script that fails fails the load) and restores
    // the state: a creature without hit points is dead, one saved while dying included.
    bool Load(Stream& stream) override;
    bool Save(Stream& stream) const override;
    bool Update(uint32_t frameMs) override;
    // Ask for memory ahead of a pass over the crowd and change nothing: the soldier's own
    // fields that lead to its parts, then (reading those) the parts' first bytes, the
    // creature's alone or with everything Update reads.
    void PrefetchSelf() const;
    void PrefetchParts(bool forUpdate) const;
    void OnEvent(int kind, EventArg p1, EventArg p2, EventArg p3) override;
    bool IsIdle() override;
    void LoadAnimations() override;
    void NextOrder() override;
    void HandleEvent(const EntityEvent& event) override;
    void RunOrder() override;
    void ClearAll() override; // nothing while dying
    bool UpdateScreenPos(Screen& screen) override;
    bool Draw(Screen& screen) override;
    void DrawHighlight(Screen& screen) override;
    void SetColourMod(int red, int green, int blue) override;
    const Vehicle* GetVehicle() const override { return m_vehicle.get(); }

    // Parts.
    CreatureParts* GetCreature() const { return m_creature.get(); } // null: none was made
    CreatureCommands* GetBehaviour() const { return m_behaviour.get(); }
    ScriptMachine& GetScriptSlot(int slot) { return Machine(slot); } // 0-5
    SpeechBubble& GetSpeechBubble() { return *m_bubble; }
    Waypoints& GetPath() { return m_path; }
    WayPointMgr& GetWayPointMgr() { return m_wayPoints; }
    Vehicle* GetVehicle() { return m_vehicle.get(); } // null off a map
    // Script i (0 to 5) of the creature into slot i: the script directory + "/" + name
    // without extension + ".scr". An empty name, and name 6, load nothing: true.
    bool LoadScripts(int index);

    // Commands and the frame's parts.
    // To its behaviour, which replaces what it was doing (ids 0 to 26; see CreatureBehaviour).
    void IssueCommand(int id, const CommandArg& a = {}, const CommandArg& b = {},
                      const CommandArg& c = {}, int flag = 0);
    void ClearCommand();
    void StopMoving();
    void PostScriptEvent(int number); // to slot 5, which runs at once
    void OnDeath(bool immediate);
    void FinishDeath();
    bool IsBusy();      // a movement order or its event pending
    bool IsAttacking(); // an attack order or its event pending
    bool IsDying();     // the dying order current or queued
    bool IsDead() const { return GetRef().IsDead(); }
    bool IsAlive() const { return HasAnyFlag(kFlagAlive); }
    bool IsInCombat() const;
    bool SeesEnemies() const { return m_inCombat != 0; } // as of the last combat watch
    bool IsInState(State state) const { return GetState() == state; }
    uint32_t GetFrameMs() const { return m_frameMs; } // of the frame being run

    // Where it stands and is bound for.
    void SetPlaced() { m_justPlaced = 1; }
    void SetRunning(bool running) { m_running = running ? 1 : 0; }
    bool IsRunning() const { return m_running != 0; }
    // The anchor a path planned toward the key leads to; a null key is no key.
    void SetAnchor(const Entity* key, const Vector& point);
    void ResetAnchor(); // no key, the position
    const Vector& GetAnchorFor(const Entity* key) const;
    const Vector& GetGuardPoint(); // the position, or the anchor while busy
    int GetWalkDirection() const { return m_walkDirection; } // 0-15, -1 when unset
    uint32_t GetCurrentSpell() const { return m_currentSpell; } // the id last cast
    Entity* GetLastTouchedMapObject() const { return m_lastTouched; }

    // Acts; each item act refuses what is no item, and charges the creature its time.
    ItemEntity* GetCurrentItem() const; // in the current hand, or null
    bool NextHandSlot();
    bool PrevHandSlot();
    bool PickUpItem(Entity* item);
    bool StowItem(Entity* item);      // a held item into the backpack
    bool PutItemInSlot(Entity* item); // into the backpack, at its move's cost
    bool ChargeItemMoveCost(Entity* item, int slot);
    bool TakeNamedItemFrom(const Stringc& name, int slot); // out of the backpack
    bool TakeNamedItemToBackpack(const Stringc& name);
    bool ChargeItemUseTime(Entity* item); // reloaded from the backpack
    bool AttackWithCurrentItem(Entity* target);
    bool GiveItemTo(Entity* item, Entity* target);
    bool UseEntity(Entity* target, int argument); // false while the target is changing state
    void RecordAttackOn(Entity* target, int32_t value);
    // The area of what it uses, drawn while it attacks or casts: set only for a use of
    // some width, from the origin toward the target, reach long.
    void SetAreaShape(const Vector& origin, const Vector& target, float reach, double width);
    uint16_t GetSideColour(Screen& screen) const;

private:
    static constexpr int kBarLength = 16;
    static constexpr int kBarMax = 100;

    void MakeParts();
    void RestoreState();
    void StartOrder(const EntityOrder& order);
    bool HasOrderEnded(const EntityOrder& order);
    void AdvanceAnimation(uint32_t frameMs);
    void RunScripts(uint32_t frameMs);
    bool UpdateScriptSlot(int slot, uint32_t frameMs); // true while its action was under way
    ScriptMachine& Machine(int slot); // the slot's machine, up to date
    void WatchCombat();
    void RunOrderAction(const EntityOrder& order);
    void TurnToward(const Vector& point);
    CarriedItems* Carried() const; // null without a creature or what it carries
    void Charge(float seconds);
    // The move's time, then the whole stack or the item's move count (its stack limit).
    enum class MoveCount { kStack, kLimit };
    bool MoveItem(ItemEntity* item, int slot, MoveCount count);
    void Hit(int damage, int value, Entity* attacker);
    // Movement.
    void SyncVehicle(); // to the creature's position and radius
    void MoveStep(uint32_t frameMs);
    void ApplyMoveSpeed();
    void UpdateWalkFacing();
    void TouchMapObjects();
    Entity* TouchMapObjectAt(uint32_t kind);
    // Drawing.
    void DrawStatusBars(Screen& screen);
    void DrawAreaShape(Screen& screen) const;

    std::unique_ptr<CreatureParts> m_creature;
    std::unique_ptr<CreatureCommands> m_behaviour;
    std::unique_ptr<SpeechBubble> m_bubble;
    std::unique_ptr<ScriptMachine> m_scripts[kScriptSlots];
    HeldScriptFrames m_heldFrames; // every way to a machine but the frame's goes by Machine
    Waypoints m_path;
    WayPointMgr m_wayPoints;
    uint8_t m_justPlaced = 1;
    int32_t m_idleCount = 0;
    int32_t m_walkDirection = -1;
    BarMeter m_hitPointBar{0, 0, kBarLength, kBarMax, 0};
    BarMeter m_readinessBar{0, 0, kBarLength, kBarMax, 0};
    const Entity* m_anchorKey = nullptr;
    Vector m_anchorPoint;
    uint32_t m_currentSpell = 0;
    Sector m_areaShape;
    std::unique_ptr<Vehicle> m_vehicle;
    std::unique_ptr<VehicleController> m_controller;
    uint32_t m_frameMs = 0; // of the frame being run
    uint8_t m_running = 0;
    uint8_t m_inCombat = 0;
    Entity* m_lastTouched = nullptr;
};
