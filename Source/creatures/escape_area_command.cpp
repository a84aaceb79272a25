#include "Source/creatures/escape_area_command.h"

#include "Library/graphics/screen.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_queries.h"
#include "Source/entities/soldier_entity.h"

EscapeAreaCommand::EscapeAreaCommand(SoldierEntity& owner, bool leave)
    : CreatureCommand(owner, kEscapeArea), m_leave(leave) {
    owner.AddFlags(Entity::kFlagNeverSaved);
    EntityMgr* manager = Manager();
    if (manager == nullptr)
        return;
    if (const Entity* leader = manager->GetActivePartyMember())
        m_point = leader->GetPosition();
    Entity* enemy = nullptr;
    if (manager->GetCombatCountdown() > 0 &&
        FindNearestEnemy(*manager, &owner, owner.GetPosition(), enemy))
        m_point = enemy->GetPosition();
}

bool EscapeAreaCommand::Update() {
    const bool running =
        WalkStep(kPathingToDest, kEnd, [this] { return FleeFromPoint(m_point, kFleeDistance); });
    if (!running && m_leave)
        ReleaseOwner();
    return IsRunning();
}

void EscapeAreaCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "ESCAPE_AREA: (%f,%f)", m_point.x, m_point.y);
    DescribeState(x, y, screen);
}
