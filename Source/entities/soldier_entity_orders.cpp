// A soldier's events and orders, its frame and its death.
#include "Source/entities/soldier_entity.h"

#include "Library/core/maths.h"
#include "Library/geometry/directions.h"
#include "Library/scripts/global_mgr.h"
#include "Library/world/tile_map.h"
#include "Library/world/vehicle_controller.h"
#include "Source/entities/carried_items.h"
#include "Source/entities/creature_commands.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_queries.h"
#include "Source/entities/party_services.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/sight_tests.h"
#include "Source/entities/speech_bubble.h"

#include <climits>
#include <cmath>

namespace {

constexpr int kIdleScriptSlot = 4;
static_assert(HeldScriptFrames::kSlots == SoldierEntity::kEventSlots,
              "every slot that takes the creature's events has its frames held");

bool IsMovement(int kind) {
    return kind >= SoldierEntity::kOrderWalkTo && kind <= SoldierEntity::kOrderApproach;
}

// Orders that play their animation once and end with it.
bool PlaysOnce(int kind) {
    return kind >= SoldierEntity::kOrderTake && kind <= SoldierEntity::kOrderDie &&
           kind != SoldierEntity::kOrderWait;
}

} // namespace

void SoldierEntity::OnEvent(int kind, EventArg p1, EventArg p2, EventArg p3) {
    QueuedEntity::OnEvent(kind, p1, p2, p3);
    EntityEvent event;
    event.kind = static_cast<uint8_t>(kind);
    switch (kind) {
    case kEventWalkTo:
        if (p1.AsPoint() == nullptr)
            return;
        event.point = *p1.AsPoint();
        break;
    case kEventFollowPath:
        break;
    case kEventPursue:
        event.target = p1.AsEntity();
        event.a = p2.AsInt();
        event.b = p3.AsInt();
        break;
    case kEventTakeFrom:
        event.target = p1.AsEntity();
        event.b = p2.AsInt();
        break;
    case kEventUseAtPoint:
        if (p2.AsPoint() == nullptr)
            return;
        event.target = p1.AsEntity();
        event.point = *p2.AsPoint();
        break;
    case kEventGive: // the receiver is an entity: it travels whole in extra
        event.target = p1.AsEntity();
        event.extra = p2;
        break;
    case kEventCast:
        event.a = p1.AsInt();
        event.b = p2.AsInt();
        break;
    case kEventCastAtPoint:
        if (p2.AsPoint() == nullptr)
            return;
        event.a = p1.AsInt();
        event.point = *p2.AsPoint();
        event.b = p3.AsInt();
        break;
    case kEventCastOnTarget:
        event.a = p1.AsInt();
        event.target = p2.AsEntity();
        event.b = p3.AsInt();
        break;
    case kEventMoveItem:
    case kEventUse:
    case kEventTouch:
        event.target = p1.AsEntity();
        event.a = p2.AsInt();
        break;
    case kEventApproach:
    case kEventTake:
    case kEventStow:
    case kEventBackpack:
        event.target = p1.AsEntity();
        break;
    case kEventAttack:
        PostScriptEvent(kNoticeAttackOrdered);
        event.target = p1.AsEntity();
        break;
    case kEventHit:
        Hit(p1.AsInt(), p2.AsInt(), p3.AsEntity());
        return;
    default:
        return;
    }
    PushEvent(event);
}

// Experience is shared by the hit that takes the creature from above 0 hit points to 0 or
// below: a second lethal hit in the same frame, before the death is handled, shares none.
void SoldierEntity::Hit(int damage, int value, Entity* attacker) {
    if (IsDead())
        return;
    if (attacker != nullptr && m_creature)
        m_creature->RecordDamagedBy(attacker->GetRef(), value);
    if (!IsInState(kStateHit)) {
        PostScriptEvent(kNoticeHit);
        if (m_creature)
            m_creature->ShowBlood();
    }
    if (m_creature) {
        const float before = m_creature->GetHitPoints();
        m_creature->AddHitPoints(-static_cast<float>(damage));
        PartyServices* party = GetManager() ? GetManager()->GetParty() : nullptr;
        if (before > 0.0f && m_creature->GetHitPoints() <= 0.0f && party != nullptr &&
            party->IsMember(attacker))
            party->ShareAmong(m_creature->GetExperienceValue());
    }
    if (HasPending())
        return;
    EntityEvent event;
    event.kind = kEventHit;
    event.extra = attacker;
    PushEvent(event);
}

void SoldierEntity::HandleEvent(const EntityEvent& event) {
    if (event.kind < kEventWalkTo || event.kind > kEventHit || event.kind == kEventUseEvent)
        return;
    EntityOrder order;
    order.kind = static_cast<uint8_t>(event.kind - 1);
    switch (order.kind) {
    case kOrderWalkTo:
        order.point = event.point;
        break;
    case kOrderPursue:
        order.target = event.target;
        order.a = event.a;
        order.b = event.b;
        break;
    case kOrderApproach:
    case kOrderTake:
    case kOrderStow:
    case kOrderBackpack:
    case kOrderAttack:
        order.target = event.target;
        break;
    case kOrderTakeFrom:
        order.target = event.target;
        order.b = event.b;
        break;
    case kOrderUseAtPoint:
        order.target = event.target;
        order.point = event.point;
        break;
    case kOrderGive:
        order.target = event.target;
        order.extra = event.extra;
        break;
    case kOrderCast:
        order.a = event.a;
        order.b = event.b;
        break;
    case kOrderCastAtPoint:
        order.a = event.a;
        order.point = event.point;
        order.b = event.b;
        break;
    case kOrderCastOnTarget:
        order.a = event.a;
        order.target = event.target;
        order.b = event.b;
        break;
    case kOrderMoveItem:
    case kOrderUse:
    case kOrderTouch:
        order.target = event.target;
        order.a = event.a;
        break;
    default:
        break;
    }
    PushOrder(order);
}

// A living creature with nothing to do stands: one that was walking takes two more idle
// frames to stop showing its walk.
void SoldierEntity::NextOrder() {
    QueuedEntity::NextOrder();
    if (IsAlive() && !HasPending()) {
        if (IsInState(kStateWalking)) {
            if (m_idleCount++ > 1) {
                m_idleCount = 0;
                SetState(kStateStanding);
            }
            return;
        }
        SetState(kStateStanding);
        m_walkDirection = -1;
        return;
    }
    m_walkDirection = -1;
    if (const EntityOrder* order = GetCurrentOrder())
        StartOrder(*order);
}

// The vehicle stands where the creature does before a movement starts: the path's arrival
// radii are taken from it.
void SoldierEntity::StartOrder(const EntityOrder& order) {
    if (m_vehicle != nullptr && IsMovement(order.kind))
        SyncVehicle();
    switch (order.kind) {
    case kOrderWalkTo:
        if (m_controller)
            m_controller->GoTo(order.point, m_path);
        break;
    case kOrderFollowPath:
        if (m_controller)
            m_controller->GoToAlt(m_path.GetGoal(), m_path);
        break;
    case kOrderPursue:
        if (m_controller && order.target != nullptr)
            m_controller->Pursue(*order.target, static_cast<float>(static_cast<uint32_t>(order.a)),
                                 order.b != 0, m_path);
        break;
    case kOrderTake:
    case kOrderTakeFrom:
        SetState(kStateTaking);
        break;
    case kOrderUseAtPoint:
    case kOrderGive:
        SetState(kStateHanding);
        break;
    case kOrderCast:
        m_currentSpell = static_cast<uint32_t>(order.a);
        SetState(kStateCasting);
        break;
    case kOrderCastAtPoint:
    case kOrderCastOnTarget:
        m_currentSpell = static_cast<uint32_t>(order.a);
        SetState(kStateCasting);
        m_areaShape.Clear();
        break;
    case kOrderStow:
        SetState(kStateStowing);
        break;
    case kOrderMoveItem:
        SetState(kStateMovingItem);
        break;
    case kOrderBackpack:
        SetState(kStateBackpack);
        break;
    case kOrderUse:
        SetState(kStateUsing);
        break;
    case kOrderTouch:
        SetState(kStateTouching);
        break;
    case kOrderAttack:
        SetState(kStateAttacking);
        m_areaShape.Clear();
        break;
    case kOrderHit:
        SetState(kStateHit);
        break;
    case kOrderDie:
        SetState(kStateDying);
        break;
    default: // the approach and waiting start nothing
        break;
    }
}

bool SoldierEntity::IsIdle() {
    const EntityOrder* order = GetCurrentOrder();
    return order == nullptr || HasOrderEnded(*order);
}

bool SoldierEntity::HasOrderEnded(const EntityOrder& order) {
    if (IsMovement(order.kind)) {
        if (m_controller && !m_controller->IsFinished())
            return false;
        if (m_controller)
            m_controller->SetIdle();
        return true;
    }
    if (!PlaysOnce(order.kind) || !IsAnimationFinished())
        return false;
    if (order.kind == kOrderDie)
        FinishDeath();
    return true;
}

bool SoldierEntity::Update(uint32_t frameMs) {
    m_frameMs = frameMs;
    const TileMap* map = GetManager() ? GetManager()->GetTileMap() : nullptr;
    if (m_creature && map != nullptr) {
        const Vector& at = GetPosition();
        m_creature->FadeColours(IsCellOrNeighbourSet(*map, ToIntWithin(at.x, INT_MIN, INT_MAX),
                                                     ToIntWithin(at.y, INT_MIN, INT_MAX)));
    }
    ProcessEvents();
    if (IsIdle())
        NextOrder();
    RunOrder();
    AdvanceAnimation(frameMs);
    return true;
}

void SoldierEntity::PrefetchSelf() const {
    __builtin_prefetch(&GetRef());
    __builtin_prefetch(&GetPosition());
    __builtin_prefetch(&m_creature); // with the scripts' and the bubble's pointers
    __builtin_prefetch(&m_heldFrames);
    __builtin_prefetch(&m_frameMs);  // with the vehicle's
}

// Each part lives apart and most have nothing to do in a frame: asked for together, they
// arrive together instead of one after another.
void SoldierEntity::PrefetchParts(bool forUpdate) const {
    __builtin_prefetch(m_creature.get());
    if (!forUpdate)
        return;
    for (int slot = 0; slot < kEventSlots; ++slot) {
        if (!m_heldFrames.MayBeDue(slot, m_frameMs))
            continue;
        const char* machine = reinterpret_cast<const char*>(m_scripts[slot].get());
        __builtin_prefetch(machine);
        __builtin_prefetch(machine + 64);
    }
    __builtin_prefetch(m_bubble.get());
    __builtin_prefetch(m_behaviour.get());
    __builtin_prefetch(m_vehicle.get());
    __builtin_prefetch(m_controller.get());
}

void SoldierEntity::AdvanceAnimation(uint32_t frameMs) {
    AnimationMgr& body = GetAnimation();
    const EntityOrder* order = GetCurrentOrder();
    if (order == nullptr) {
        if (!IsInState(kStateDead))
            body.Advance(true, frameMs);
    } else if (IsMovement(order->kind)) {
        body.Advance(true, frameMs);
    } else if (PlaysOnce(order->kind) && !body.Advance(false, frameMs)) {
        SetAnimationFinished(true);
    }
}

void SoldierEntity::RunOrder() {
    RunScripts(m_frameMs);
    WatchCombat();
    OnDeath(false);
    if (IsAlive()) {
        if (HasAnyFlag(kFlagPartyMember))
            TouchMapObjects();
        MoveStep(m_frameMs);
    }
    if (m_creature)
        m_creature->RecomputeVision(GetPosition());
    // Once a frame: a second ageing would halve the time a line of speech shows.
    m_bubble->Update(m_frameMs / 1000.0);
    if (m_creature)
        m_creature->UpdateRecords(m_frameMs);
    if (const EntityOrder* order = GetCurrentOrder())
        RunOrderAction(*order);
    if (m_behaviour)
        m_behaviour->Update();
    if (m_creature)
        m_creature->RefreshArt();
}

// Slot 0 first: the first busy slot keeps the later ones from acting this frame.
void SoldierEntity::RunScripts(uint32_t frameMs) {
    int slot = 0;
    while (slot < kEventSlots && !UpdateScriptSlot(slot, frameMs))
        ++slot;
    for (++slot; slot < kEventSlots; ++slot) {
        if (m_heldFrames.IsQuiet(slot))
            continue; // nothing to clear
        m_scripts[slot]->ClearActions();
        m_scripts[slot]->ClearEvents();
    }
}

bool SoldierEntity::UpdateScriptSlot(int slot, uint32_t frameMs) {
    if (m_heldFrames.Hold(slot, frameMs))
        return false;
    ScriptMachine& machine = Machine(slot);
    const bool busy = machine.Update(frameMs);
    m_heldFrames.Learn(slot, machine);
    return busy;
}

ScriptMachine& SoldierEntity::Machine(int slot) {
    ScriptMachine& machine = *m_scripts[slot];
    return slot < HeldScriptFrames::kSlots ? m_heldFrames.Release(slot, machine) : machine;
}

// Twice a second, on the idle script's timer: enemies coming into sight outside a fight
// already under way tell the scripts.
void SoldierEntity::WatchCombat() {
    EntityMgr* manager = GetManager();
    // A quiet machine's fact is held with its frames; any other's is its own.
    const bool fired = m_heldFrames.IsQuiet(kIdleScriptSlot)
                           ? m_heldFrames.HasFired(kIdleScriptSlot)
                           : m_scripts[kIdleScriptSlot]->HasFired();
    if (manager == nullptr || !fired || !IsAlive())
        return;
    const bool sees = AreEnemiesInSightRange(*manager, *this);
    if (sees && m_inCombat == 0 && !manager->IsInCombat())
        PostScriptEvent(kNoticeEnemiesInSight);
    m_inCombat = sees ? 1 : 0;
}

void SoldierEntity::TurnToward(const Vector& point) {
    const Vector away = point - GetPosition();
    if (away.x != 0.0f || away.y != 0.0f)
        SetDirection(AngleToDir8(away.Heading()));
}

void SoldierEntity::RunOrderAction(const EntityOrder& order) {
    if (IsMovement(order.kind)) {
        const AnimationMgr& body = GetAnimation();
        const TileMap* map = GetManager() ? GetManager()->GetTileMap() : nullptr;
        if (map != nullptr && (body.IsAtTriggerFrameA() || body.IsAtTriggerFrameB()))
            map->EmptyHook(ToIntWithin(GetPosition().x, INT_MIN, INT_MAX),
                           ToIntWithin(GetPosition().y, INT_MIN, INT_MAX));
        return;
    }
    Entity* facing = order.kind == kOrderGive ? order.extra.AsEntity() : order.target;
    switch (order.kind) {
    case kOrderUseAtPoint:
    case kOrderCastAtPoint:
        TurnToward(order.point);
        break;
    case kOrderGive:
    case kOrderCastOnTarget:
    case kOrderUse:
    case kOrderTouch:
    case kOrderAttack:
        if (facing != nullptr)
            TurnToward(facing->GetPosition());
        break;
    default:
        break;
    }
    if (IsActionDone() || !GetAnimation().IsAtTriggerFrameA())
        return;
    SetActionDone(true);
    switch (order.kind) {
    case kOrderTake:
        PickUpItem(order.target);
        break;
    case kOrderGive:
        GiveItemTo(order.target, order.extra.AsEntity());
        break;
    case kOrderStow:
        StowItem(order.target);
        break;
    case kOrderMoveItem:
        ChargeItemMoveCost(order.target, order.a);
        break;
    case kOrderBackpack:
        ChargeItemUseTime(order.target);
        break;
    case kOrderUse:
        UseEntity(order.target, order.a);
        break;
    case kOrderAttack:
        AttackWithCurrentItem(order.target);
        break;
    case kOrderCast:
    case kOrderCastAtPoint:
    case kOrderCastOnTarget:
        if (m_creature)
            m_creature->CastSpell(static_cast<uint32_t>(order.a),
                                  order.kind == kOrderCastOnTarget ? order.target : nullptr,
                                  order.kind == kOrderCastAtPoint ? &order.point : nullptr,
                                  order.b != 0);
        break;
    default: // the orders that only show their animation
        break;
    }
}

void SoldierEntity::OnDeath(bool immediate) {
    if (!IsAlive() || m_creature == nullptr || m_creature->GetHitPoints() > 0.0f)
        return;
    ClearCommand();
    for (int slot = 0; slot < kEventSlots; ++slot)
        Machine(slot).ClearActions();
    StopMoving();
    GetRef().SetLifeState(EntityRef::kLifeDead);
    m_inCombat = 0;
    RemoveFlags(kFlagAlive);
    if (CarriedItems* carried = Carried())
        carried->StowFlaggedItems();
    const Stringc& scope = m_creature->GetDeathScope();
    if (scope.Length() > 0 && g_globalMgr != nullptr)
        g_globalMgr->Add(scope, kDeathVariable, 1);
    if (PartyServices* party = GetManager() ? GetManager()->GetParty() : nullptr)
        party->RemoveMember(this);
    if (immediate) {
        FinishDeath();
        return;
    }
    EntityOrder dying;
    dying.kind = kOrderDie;
    PushOrder(dying);
    m_creature->ShowBlood();
    PostScriptEvent(kNoticeDied);
}

void SoldierEntity::FinishDeath() {
    EntityMgr* manager = GetManager();
    if (TileMap* map = manager ? manager->GetTileMap() : nullptr) {
        map->RemoveObject(this);
        map->AddObjectToExtraList(this);
    }
    SetState(kStateDead);
    if (manager != nullptr)
        manager->RunSoldierSlotScriptsEvent(*this);
    for (int slot = 0; slot < kEventSlots; ++slot)
        Machine(slot).PostDeathEvent();
}
