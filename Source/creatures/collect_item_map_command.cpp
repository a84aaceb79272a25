#include "Source/creatures/collect_item_map_command.h"

#include "Library/geometry/circle_tests.h"
#include "Library/graphics/screen.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"

CollectItemMapCommand::CollectItemMapCommand(SoldierEntity& owner, Entity* item)
    : CreatureCommand(owner, kCollectItemMap) {
    SetItem(item);
}

bool CollectItemMapCommand::IsAvailable() {
    if (GetItem() != nullptr && !GetItem()->IsHidden())
        return true;
    Fail();
    return false;
}

// A pick-up the inventory refuses is a failure.
bool CollectItemMapCommand::CollectFromMap() {
    ItemEntity* item = GetItem();
    if (!CirclesOverlapLoose(Owner(), 0.0f, *item))
        return PathToTarget(item, 0.0f);
    Stop();
    if (!Owner().PickUpItem(item))
        Fail();
    return false;
}

bool CollectItemMapCommand::Update() {
    return WalkStep(
        kPathingToTarg, kStart, [this] { return IsAvailable(); },
        [this] { return CollectFromMap(); });
}

void CollectItemMapCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "COLLECT_ITEM_MAP");
    DescribeState(x, y, screen);
}
