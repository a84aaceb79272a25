#include "Source/creatures/use_item_targ_command.h"

#include "Library/graphics/screen.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"

UseItemTargCommand::UseItemTargCommand(SoldierEntity& owner, Entity* item, Entity* target)
    : UseItemCommand(owner, kUseItemTarg, item, kPathingToTarg) {
    SetTargetEntity(target);
}

// A use the creature refuses is a failure.
bool UseItemTargCommand::ReachAndUse() {
    ItemEntity* item = GetItem();
    Entity* target = GetTarget();
    if (target == nullptr) {
        Fail();
        return false;
    }
    if (!item->CanReach(*target))
        return PathToTarget(target, item->GetRange());
    Stop();
    if (!Owner().GiveItemTo(item, target))
        Fail();
    return false;
}

void UseItemTargCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "USE_ITEM_TARG");
    DescribeState(x, y, screen);
}
