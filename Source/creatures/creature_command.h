#pragma once
// One thing a creature sets out to do (walk somewhere, attack someone until it dies, guard
// a point, cast, open a door, start a conversation), as a small state machine run once a
// frame by its behaviour. A command never moves or animates the creature itself: it plans
// paths and posts the creature the action events that walk, attack or cast, watches
// whether those are still queued or running, and ends with an outcome the behaviour turns
// into the status the scripts read. This base is the plain command (id 0) and holds what
// the commands share: four entity slots, the path requests and their repeat limit, the
// chase of a target out of sight, the attack, the flight and the wander step.

#include "Library/core/vector.h"
#include "Source/entities/entity_handle.h"

#include <cstdint>

class Entity;
class EntityMgr;
class ItemEntity;
class Screen;
class SoldierEntity;

class CreatureCommand {
public:
    enum Id : uint32_t {
        kNone,
        kWait,
        kWander,
        kAttack,
        kAttackOneRound,
        kAttackReevaluate,
        kCharge,
        kProtectTarget,
        kProtectPoint,
        kEvadeTarg,
        kEvadePt,
        kEscapeArea,
        kGoToDest,
        kGoToDestOffset,
        kGoToDestAndLeave,
        kGoToTarg,
        kGoToTargOffset,
        kFollowWayPoints,
        kCollectItemMap,
        kCollectItemTarg,
        kUseItemPoint,
        kUseItemTarg,
        kSpell,
        kSpellPoint,
        kSpellTarget,
        kOpenTarg,
        kGoToTargStartDialogue,
        kIdCount,
    };
    enum State : uint32_t {
        kStart,
        kPathingToDest,
        kPathingToTarg,
        kReturningToTarg,
        kPathingToLastTargPos,
        kAttacking,
        kOpeningTarg, // named only
        kCastingSpell,
        kWaiting,
        kEnd,
    };
    static constexpr uint8_t kOutcomeFailed = 0;
    static constexpr uint8_t kOutcomeNormal = 3;
    static constexpr int kRepathLimit = 3; // repeats of one path request after the first

    explicit CreatureCommand(SoldierEntity& owner); // the owner outlives the command
    CreatureCommand(const CreatureCommand&) = delete;
    CreatureCommand& operator=(const CreatureCommand&) = delete;
    virtual ~CreatureCommand() = default;

    // "START", outcome normal, the slots empty, the path requests forgotten.
    virtual void Reset();
    // One frame; true while the command runs on. The plain command ends its state once the
    // owner's action timer is 0 but always runs on: it stays until it is replaced.
    virtual bool Update();
    // The command's text at (x, y) ("NONE" for the plain one) and its state's name below.
    virtual void Describe(int x, int y, Screen& screen) const;

    uint32_t GetId() const { return m_id; }
    State GetState() const { return m_state; }
    uint8_t GetOutcome() const { return m_outcome; }
    static const char* StateName(State state);

    // An entity it was given, or chose, has been handed back to the entity manager (its
    // object may be another entity by now) and the command cannot go on without it. The
    // weapon in hand is no such entity: it is taken afresh before every blow.
    virtual bool LostEntity();
    void Abandon(); // failed and ended, touching none of its entities

protected:
    CreatureCommand(SoldierEntity& owner, Id id);

    // The owner and the world around it.
    SoldierEntity& Owner() const { return m_owner; }
    EntityMgr* Manager() const;
    bool IsTimerRunning() const; // the owner's action timer is not 0
    // In "START" while the owner's action timer runs: the update does nothing more.
    bool IsHeldByTimer() const { return m_state == kStart && IsTimerRunning(); }
    bool IsMoving() const; // a walk is queued or under way
    bool IsAttackPending() const;
    bool IsCasting() const;
    void Stop(); // the owner's orders and events dropped, its vehicle idle
    double FrameSeconds() const;
    bool IsRunning() const { return m_state != kEnd; }
    bool IsGone(const Entity* entity) const; // set and no longer the manager's
    void SetState(State state) { m_state = state; }
    void Fail() { m_outcome = kOutcomeFailed; }
    void SetOutcomeNormal() { m_outcome = kOutcomeNormal; }
    // A check that decides the outcome: normal when it passed, failed when not.
    bool Checked(bool passed) {
        m_outcome = passed ? kOutcomeNormal : kOutcomeFailed;
        return passed;
    }
    void DescribeState(int x, int y, Screen& screen) const; // the state's name at (x, y + 20)

    // The slots: each reads null once its entity is gone.
    Entity* GetSecondTarget() const { return Live(m_secondTarget); }
    void SetSecondTarget(Entity* entity) { m_secondTarget = EntityHandle(entity); }
    SoldierEntity* GetAttackTarget() const;
    void ClearAttackTarget() { m_attackTarget = EntityHandle(); }
    bool IsAttackTargetLost() const { return IsLost(m_attackTarget); }
    Entity* GetTarget() const { return Live(m_target); }
    void SetTargetEntity(Entity* entity) { m_target = EntityHandle(entity); }
    ItemEntity* GetItem() const;
    void SetItem(Entity* item); // only an item is held
    void TakeWeapon();          // the item in the owner's hand, held loosely
    float GetParameter() const { return m_parameter; }
    void SetParameter(float value) { m_parameter = value; }
    const Vector& GetLastTargetPosition() const { return m_lastTargetPosition; }

    // The frame of a command that walks and then acts or ends: in "START", past the action
    // timer, it ends unless ready() holds and start() begins a walk (or an act it must
    // watch); in the walking state it ends once ready() fails, and goes to `after` once
    // the walk is over. True while it runs on.
    template <class Ready, class Start>
    bool WalkStep(State walking, State after, Ready ready, Start start);
    template <class Start> bool WalkStep(State walking, State after, Start start) {
        return WalkStep(
            walking, after, [] { return true; }, start);
    }
    // While pursuing the attack target: ends once it cannot be attacked, starts over once
    // the walk is over.
    void WatchPursuit();

    // Path requests. A goal asked for once may be asked for three more times while it
    // stays the same; later requests are refused until it changes or ResetRepath.
    void ResetRepath();
    bool CanRepath(const Entity* target, const Vector& point);
    // Each stops the owner and plans into its path; on success posts the walk and sets the
    // state, on a failed plan sets outcome failed. False without a walk started.
    bool PathToPoint(const Vector& point);          // "PATHING_TO_DEST"
    bool PathAlongToPoint(const Vector& point);     // a way point leg, "PATHING_TO_DEST"
    bool PathToTarget(Entity* target, float range); // false, unchanged, when already in range
    bool PathToTargetOffset(Entity* target, const Vector& offset);
    // Straight away from the target or point, distance far; the owner's scripts hear of a
    // flight during combat.
    bool FleeFromTarget(const Entity& target, float distance);
    bool FleeFromPoint(const Vector& point, float distance);
    // A walk of 1 to 4 units along a clear straight line, tried in ten headings for each
    // shorter radius in turn.
    bool PathToRandomPoint();
    // The owner leaves the map at the start of the manager's next frame; "END".
    void ReleaseOwner();

    // Fighting.
    void KeepCombatAlive(); // while pursuing or attacking, combat goes on
    // Remembers where the target was last seen, and chases one out of sight: to where it
    // is when it is still within 6 units, else to where it was last seen.
    void TrackTarget(SoldierEntity* target);
    bool SetTarget(Entity* entity); // only a soldier becomes the attack target
    bool CheckWeapon();             // the item in hand into the item slot; failed without
    bool CanAttackTarget();
    // The blow when the weapon reaches the target, else a walk into its reach.
    bool StartAttack(SoldierEntity* target);

private:
    Entity* Live(const EntityHandle& handle) const;
    bool IsLost(const EntityHandle& handle) const { return handle.IsSet() && !Live(handle); }
    // The path request for the key (null for a point), planned to the point and walked.
    bool PlanAndWalk(const Entity* key, const Vector& point, int event, State walking);
    bool Flee(const Vector& from, float distance);
    bool TryWanderTo(const Vector& candidate);

    SoldierEntity& m_owner;
    uint32_t m_id = kNone;
    State m_state = kStart;
    uint8_t m_outcome = kOutcomeNormal;
    EntityHandle m_secondTarget;
    EntityHandle m_attackTarget; // a soldier
    EntityHandle m_target;
    EntityHandle m_item;  // an item
    bool m_armed = false; // the item is the weapon in hand
    float m_parameter = 0.0f;
    Vector m_lastTargetPosition;
    int32_t m_repathCount = 0;
    const Entity* m_lastPathTarget = nullptr;
    Vector m_lastPathPoint;
};

template <class Ready, class Start>
bool CreatureCommand::WalkStep(State walking, State after, Ready ready, Start start) {
    if (IsHeldByTimer())
        return true;
    if (m_state == kStart) {
        if (!ready() || !start())
            m_state = kEnd;
    } else if (m_state == walking) {
        if (!ready())
            m_state = kEnd;
        else if (!IsMoving())
            m_state = after;
    }
    return IsRunning();
}
