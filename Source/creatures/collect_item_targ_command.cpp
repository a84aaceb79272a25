#include "Source/creatures/collect_item_targ_command.h"

#include "Library/geometry/circle_tests.h"
#include "Library/graphics/screen.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"

namespace {

CreatureInventory* InventoryOf(Entity* entity) {
    Creature* creature = Creature::Of(entity);
    return creature ? &creature->GetData().GetInventory() : nullptr;
}

} // namespace

CollectItemTargCommand::CollectItemTargCommand(SoldierEntity& owner, Entity* item, Entity* holder)
    : CreatureCommand(owner, kCollectItemTarg) {
    SetItem(item);
    SetTargetEntity(holder);
}

bool CollectItemTargCommand::IsStillToTake() {
    const ItemEntity* item = GetItem();
    const CreatureInventory* mine = InventoryOf(&Owner());
    if (item == nullptr || mine == nullptr) {
        Fail();
        return false;
    }
    if (mine->Contains(item))
        return false;
    ContainerMapEntity* chest = nullptr;
    const CreatureInventory* theirs = InventoryOf(GetTarget());
    const bool held = theirs != nullptr
                          ? theirs->Contains(item)
                          : Entity::AsContainerMap(GetTarget(), &chest) && chest->HasItem(item);
    return Checked(held);
}

bool CollectItemTargCommand::CollectFromTarget() {
    if (!CirclesOverlapLoose(Owner(), 0.0f, *GetTarget()))
        return PathToTarget(GetTarget(), 0.0f);
    Stop();
    if (!TakeFromHolder())
        Fail();
    return false;
}

// The whole stack leaves the holder for the creature's backpack; what the backpack
// refuses goes back to the holder.
bool CollectItemTargCommand::TakeFromHolder() {
    ItemEntity* item = GetItem();
    CreatureInventory& mine = *InventoryOf(&Owner());
    CreatureInventory* theirs = InventoryOf(GetTarget());
    ContainerMapEntity* chest = nullptr;
    const int count = item->GetStackSize();
    ItemEntity* placed = nullptr;
    if (theirs != nullptr) {
        if (!theirs->RemoveItem(count, item))
            return false;
        if (!mine.AddItem(item, placed)) {
            theirs->AddItem(item, placed);
            return false;
        }
    } else {
        if (!Entity::AsContainerMap(GetTarget(), &chest) || !chest->TakeItem(count, item))
            return false;
        if (!mine.AddItem(item, placed)) {
            chest->AddOrStack(item, placed);
            return false;
        }
    }
    Owner().GetCreature()->ChargeTime(kTakeSeconds);
    return true;
}

bool CollectItemTargCommand::Update() {
    return WalkStep(
        kPathingToTarg, kStart, [this] { return IsStillToTake(); },
        [this] { return CollectFromTarget(); });
}

void CollectItemTargCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "COLLECT_ITEM_TARG");
    DescribeState(x, y, screen);
}
