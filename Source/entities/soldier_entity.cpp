// A soldier's parts, its record and what it is asked about.
#include "Source/entities/soldier_entity.h"

#include "Library/core/stream.h"
#include "Library/scripts/global_mgr.h"
#include "Library/world/vehicle.h"
#include "Library/world/vehicle_controller.h"
#include "Source/entities/creature_commands.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/script_machine_factory.h"
#include "Source/entities/soldier_parts_factory.h"
#include "Source/entities/soldier_planner.h"
#include "Source/entities/speech_bubble.h"

#include <cstdio>

namespace {

constexpr int kInitialFacing = 4;
constexpr int kEventSlotPeriodMs = 0;

void StyleBar(BarMeter& bar, int red, int green, int backRed, int backGreen) {
    bar.SetBarColourRGB(red, green, 0);
    bar.SetBackColourRGB(backRed, backGreen, 0);
    bar.SetStyle(Meter::kStyleBackFill);
}

} // namespace

SoldierEntity::SoldierEntity() : m_bubble(std::make_unique<SpeechBubble>()) {
    SetType(kTypeSoldier);
    for (int slot = 0; slot < kScriptSlots; ++slot)
        m_scripts[slot] = GetScriptMachineFactory().Create(this);
    m_scripts[kEventSlot]->SetPeriod(kEventSlotPeriodMs);
    StyleBar(m_hitPointBar, 255, 0, 127, 0);
    StyleBar(m_readinessBar, 0, 200, 0, 83);
}

SoldierEntity::~SoldierEntity() = default;

// The vehicle and its controller need the map and the planner, which only a manager with a
// map has; the creature and behaviour come fresh from the installed factory, the old
// creature first giving back what it carried.
void SoldierEntity::MakeParts() {
    if (m_creature)
        m_creature->Reset();
    const SoldierPartsFactory& factory = GetSoldierPartsFactory();
    m_creature = factory.CreateCreature(*this);
    m_behaviour = factory.CreateBehaviour(*this);
    m_bubble = factory.CreateBubble(*this);
    EntityMgr* manager = GetManager();
    if (manager != nullptr && manager->GetPlanner() != nullptr && m_vehicle == nullptr) {
        m_vehicle =
            std::make_unique<Vehicle>(*this, *manager->GetTileMap(), *manager->GetPlanner());
        m_controller = std::make_unique<VehicleController>(*this, *m_vehicle);
    }
}

void SoldierEntity::Init() {
    QueuedEntity::Init();
    MakeParts();
    m_justPlaced = 1;
    m_idleCount = 0;
    m_walkDirection = -1;
    m_running = 0;
    m_inCombat = 0;
    if (m_creature)
        m_creature->Reset();
    m_path = Waypoints();
    m_wayPoints.Clear();
    ResetAnchor();
    SetDirection(kInitialFacing);
    m_currentSpell = 0;
    m_areaShape.Clear();
    if (m_vehicle) {
        m_vehicle->Reset();
        m_controller->Init();
        m_controller->SetIdle();
    }
    m_lastTouched = nullptr;
    AddFlags(kFlagAlive);
    // Through Machine: the frames held for the soldier that had this slot go to its own
    // machines before they are reset, and nothing of them reaches this one's.
    for (int slot = 0; slot < kScriptSlots; ++slot)
        Machine(slot).Reset();
    if (m_behaviour)
        m_behaviour->ClearCommand();
}

bool SoldierEntity::Load(Stream& stream) {
    if (m_creature == nullptr) {
        std::fprintf(stderr, "A soldier without a creature cannot read a soldier's record\n");
        return false;
    }
    const bool read = QueuedEntity::Load(stream) && stream.ReadValue(m_running) &&
                      stream.ReadValue(m_inCombat) && m_creature->LoadRecords(stream) &&
                      m_bubble->Read(stream) && m_creature->LoadHealTimer(stream);
    if (!read)
        return false;
    const Stringc& scope = m_creature->GetDeathScope();
    if (scope.Length() > 0 && g_globalMgr != nullptr)
        g_globalMgr->Declare(scope, kDeathVariable);
    for (int index = 0; index < kScriptNames; ++index)
        if (!LoadScripts(index))
            return false;
    RestoreState();
    return true;
}

bool SoldierEntity::Save(Stream& stream) const {
    return QueuedEntity::Save(stream) && stream.WriteValue(m_running) &&
           stream.WriteValue(m_inCombat) && m_creature && m_creature->SaveRecords(stream) &&
           m_bubble->Write(stream) && m_creature->SaveHealTimer(stream);
}

// A living creature chooses its animation afresh; one saved dead, or while dying, lies dead
// without running its death again, its alive bit already clear from the record.
void SoldierEntity::RestoreState() {
    const int32_t saved = GetState();
    if (m_creature->GetHitPoints() > 0.0f) {
        SetState(kStateNone);
        SetState(saved != kStateNone ? saved : kStateStanding);
        return;
    }
    SetState(kStateDead);
    OnDeath(true);
}

bool SoldierEntity::LoadScripts(int index) {
    if (index < 0 || index >= kScriptSlots || m_creature == nullptr)
        return true;
    const Stringc& name = m_creature->GetScriptName(index);
    if (name.Length() == 0)
        return true;
    const Stringc path = CompiledScriptPath(name);
    if (Machine(index).LoadScript(path)) {
        // The slot that runs at once on the creature's own notices leaves its command be.
        Machine(index).SetKeepOwnerCommand(index == kEventSlot);
        return true;
    }
    std::fprintf(stderr, "Soldier %s: its script %s cannot be loaded\n", GetTemplateName().c_str(),
                 path.c_str());
    return false;
}

void SoldierEntity::LoadAnimations() {
    if (m_creature)
        m_creature->LoadArtSet();
}

void SoldierEntity::SetColourMod(int red, int green, int blue) {
    if (m_creature)
        m_creature->SetColourLevel(red, green, blue);
}

void SoldierEntity::IssueCommand(int id, const CommandArg& a, const CommandArg& b,
                                 const CommandArg& c, int flag) {
    if (m_behaviour)
        m_behaviour->SetCommand(id, a, b, c, flag);
}

void SoldierEntity::ClearCommand() {
    ClearAll();
    if (m_behaviour)
        m_behaviour->ClearCommand();
}

void SoldierEntity::ClearAll() {
    if (IsDying())
        return;
    QueuedEntity::ClearAll();
    if (m_controller)
        m_controller->SetIdle();
}

void SoldierEntity::StopMoving() {
    if (m_controller)
        m_controller->SetIdle();
    if (m_vehicle)
        m_vehicle->ClearForce();
}

void SoldierEntity::PostScriptEvent(int number) {
    ScriptMachine& slot = Machine(kEventSlot);
    slot.PostNumberEvent(number);
    slot.Update(0);
}

bool SoldierEntity::IsBusy() {
    for (int order = kOrderWalkTo; order <= kOrderApproach; ++order)
        if (HasOrderOrEventOfKind(order + 1, order))
            return true;
    return false;
}

bool SoldierEntity::IsAttacking() {
    return HasOrderOrEventOfKind(kEventAttack, kOrderAttack);
}

bool SoldierEntity::IsDying() {
    return HasOrderOfKind(kOrderDie);
}

bool SoldierEntity::IsInCombat() const {
    const EntityMgr* manager = GetManager();
    return !IsDead() && m_inCombat != 0 && manager != nullptr && manager->IsInCombat();
}

void SoldierEntity::SetAnchor(const Entity* key, const Vector& point) {
    m_anchorKey = key;
    m_anchorPoint = point;
}

void SoldierEntity::ResetAnchor() {
    SetAnchor(nullptr, GetPosition());
}

const Vector& SoldierEntity::GetAnchorFor(const Entity* key) const {
    return key != nullptr && key == m_anchorKey ? m_anchorPoint : GetPosition();
}

const Vector& SoldierEntity::GetGuardPoint() {
    return IsBusy() ? m_anchorPoint : GetPosition();
}
