// The plain command, what every command asks of its owner, and the path request limit.
#include "Source/creatures/creature_command.h"

#include "Library/graphics/screen.h"
#include "Source/creatures/creature.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"

namespace {

constexpr float kNoPath = -1000.0f;
constexpr int kStateLine = 20; // pixels below the command's own text

const char* const kStateNames[] = {"START",
                                   "PATHING_TO_DEST",
                                   "PATHING_TO_TARG",
                                   "RETURNING_TO_TARG",
                                   "PATHING_TO_LAST_TARG_POS",
                                   "ATTACKING",
                                   "OPENING_TARG",
                                   "CASTING_SPELL",
                                   "WAITING",
                                   "END"};

} // namespace

CreatureCommand::CreatureCommand(SoldierEntity& owner) : CreatureCommand(owner, kNone) {}

CreatureCommand::CreatureCommand(SoldierEntity& owner, Id id) : m_owner(owner), m_id(id) {
    CreatureCommand::Reset();
}

void CreatureCommand::Reset() {
    m_state = kStart;
    m_outcome = kOutcomeNormal;
    m_secondTarget = EntityHandle();
    m_attackTarget = EntityHandle();
    m_target = EntityHandle();
    m_item = EntityHandle();
    m_armed = false;
    ResetRepath();
}

bool CreatureCommand::Update() {
    if (!IsTimerRunning())
        m_state = kEnd;
    return true;
}

const char* CreatureCommand::StateName(State state) {
    return state <= kEnd ? kStateNames[state] : "";
}

void CreatureCommand::Describe(int x, int y, Screen& screen) const {
    if (m_id == kNone)
        screen.Printf(x, y, "NONE");
    DescribeState(x, y, screen);
}

void CreatureCommand::DescribeState(int x, int y, Screen& screen) const {
    screen.Printf(x, y + kStateLine, "%s", StateName(m_state));
}

bool CreatureCommand::LostEntity() {
    return IsLost(m_secondTarget) || IsLost(m_attackTarget) || IsLost(m_target) ||
           (!m_armed && IsLost(m_item));
}

bool CreatureCommand::IsGone(const Entity* entity) const {
    const EntityMgr* manager = Manager();
    return entity != nullptr && manager != nullptr && !manager->IsLive(entity);
}

Entity* CreatureCommand::Live(const EntityHandle& handle) const {
    const EntityMgr* manager = Manager();
    return manager != nullptr ? handle.Get(*manager) : nullptr;
}

SoldierEntity* CreatureCommand::GetAttackTarget() const {
    return static_cast<SoldierEntity*>(Live(m_attackTarget));
}

ItemEntity* CreatureCommand::GetItem() const {
    return static_cast<ItemEntity*>(Live(m_item));
}

void CreatureCommand::SetItem(Entity* item) {
    ItemEntity* asItem = nullptr;
    m_item = EntityHandle(Entity::AsItem(item, &asItem) ? asItem : nullptr);
}

void CreatureCommand::TakeWeapon() {
    m_item = EntityHandle(m_owner.GetCurrentItem());
    m_armed = true;
}

void CreatureCommand::Abandon() {
    m_outcome = kOutcomeFailed;
    m_state = kEnd;
}

EntityMgr* CreatureCommand::Manager() const {
    return m_owner.GetManager();
}

bool CreatureCommand::IsTimerRunning() const {
    const Creature* creature = Creature::Of(&m_owner);
    return creature != nullptr && creature->GetData().GetTimer().GetSeconds() != 0.0f;
}

bool CreatureCommand::IsMoving() const {
    return m_owner.IsBusy();
}

bool CreatureCommand::IsAttackPending() const {
    return m_owner.IsAttacking();
}

bool CreatureCommand::IsCasting() const {
    return m_owner.IsInState(SoldierEntity::kStateCasting);
}

void CreatureCommand::Stop() {
    m_owner.ClearAll();
}

double CreatureCommand::FrameSeconds() const {
    return m_owner.GetFrameMs() / 1000.0;
}

void CreatureCommand::ResetRepath() {
    m_repathCount = 0;
    m_lastPathTarget = nullptr;
    m_lastPathPoint = Vector(kNoPath, kNoPath, 0.0f);
}

bool CreatureCommand::CanRepath(const Entity* target, const Vector& point) {
    if (target == m_lastPathTarget && point == m_lastPathPoint)
        return m_repathCount++ < kRepathLimit;
    m_repathCount = 0;
    m_lastPathTarget = target;
    m_lastPathPoint = point;
    return true;
}
