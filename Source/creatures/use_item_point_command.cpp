#include "Source/creatures/use_item_point_command.h"

#include "Library/graphics/screen.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"

bool UseItemPointCommand::ReachAndUse() {
    ItemEntity* item = GetItem();
    if (!item->CanReachPoint(m_point))
        return PathToPoint(m_point);
    Stop();
    SoldierEntity& owner = Owner();
    if (!item->Use(&owner, owner.GetPosition(), nullptr, m_point)) {
        Fail();
        return false;
    }
    owner.GetCreature()->ChargeTime(item->GetUseTime());
    return false;
}

void UseItemPointCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "USE_ITEM_POINT");
    DescribeState(x, y, screen);
}
