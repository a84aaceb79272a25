#include "Source/scripting/creature_item_functions.h"

#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/container_map_entity.h"
#include "Source/entities/creature_meeting.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_pickers.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/scripting/creature_script_functions.h"
#include "Source/scripting/map_bounds.h"

#include <vector>

namespace {

constexpr int kEquipSlot = 1;
constexpr int32_t kTemplateCount = -1; // the count stays as the template has it
constexpr uint32_t kEquippedClass = 102;

SoldierEntity* SoldierOf(Entity* entity) {
    SoldierEntity* soldier = nullptr;
    Entity::AsSoldier(entity, &soldier);
    return soldier;
}

CreatureInventory* InventoryOf(Entity* entity) {
    Creature* creature = Creature::Of(entity);
    return creature ? &creature->GetData().GetInventory() : nullptr;
}

// The act done on the creature and what it carries; false, doing nothing, without them.
template <class Act> bool OnCarrier(Entity* entity, Act act) {
    SoldierEntity* soldier = SoldierOf(entity);
    CreatureInventory* inventory = InventoryOf(entity);
    if (soldier == nullptr || inventory == nullptr)
        return false;
    act(*soldier, *inventory);
    return true;
}

// Readies a weapon of the first fire mode, else of the second; done either way.
bool ReadyEither(Entity* entity, int32_t first, int32_t second) {
    return OnCarrier(entity, [&](SoldierEntity&, CreatureInventory&) {
        if (!ScriptCmdReadyWeapon(entity, first))
            ScriptCmdReadyWeapon(entity, second);
    });
}

std::vector<ItemEntity*> CarriedItemsOf(const CreatureInventory& inventory) {
    std::vector<ItemEntity*> items;
    items.reserve(50);
    inventory.CollectItems(items);
    return items;
}

// A new item of the manager loaded from its template, its count set and, when a name is
// given, loaded with that ammunition; released again when it cannot be made so.
ItemEntity* MakeItem(EntityMgr& manager, const Stringc& name, const Stringc& ammunition,
                     int32_t count) {
    ItemEntity* item = nullptr;
    if (!Entity::AsItem(manager.CreateEntity(0, 0, 0, Entity::kTypeItem), &item))
        return nullptr;
    if (!item->LoadByName(name)) {
        manager.ReleaseEntity(item);
        return nullptr;
    }
    if (count != kTemplateCount)
        item->SetCount(count);
    if (ammunition.Length() > 0)
        item->TestAgainstTemplate(ammunition, count);
    return item;
}

// Into a creature's backpack or a chest's contents; the item is released when it cannot
// be held, so no unheld item stays behind in the manager.
bool GiveTo(Entity* holder, const Stringc& name, const Stringc& ammunition, int32_t count) {
    CreatureInventory* inventory = InventoryOf(holder);
    ContainerMapEntity* chest = nullptr;
    EntityMgr* manager = holder ? holder->GetManager() : nullptr;
    if (manager == nullptr || (inventory == nullptr && !Entity::AsContainerMap(holder, &chest)))
        return false;
    ItemEntity* item = MakeItem(*manager, name, ammunition, count);
    if (item == nullptr)
        return false;
    ItemEntity* held = nullptr;
    if (inventory ? inventory->AddItem(item, held) : chest->AddItem(item, held))
        return true;
    manager->ReleaseEntity(item);
    return false;
}

bool PlaceAt(EntityMgr& manager, const Vector& point, const Stringc& name,
             const Stringc& ammunition, int32_t count) {
    TileMap* map = manager.GetTileMap();
    if (map == nullptr || !IsOnMap(*map, point))
        return false;
    ItemEntity* item = MakeItem(manager, name, ammunition, count);
    if (item == nullptr)
        return false;
    item->SetPosition(Vector(point.x, point.y, 0));
    item->LoadIcon2();
    if (map->AddObject(item))
        return true;
    manager.ReleaseEntity(item);
    return false;
}

// Reloads an empty weapon, then makes it the one in hand: the hand it lies in, else a free
// hand, else the current hand.
bool TakeInHand(SoldierEntity& soldier, CreatureInventory& inventory, ItemEntity* weapon) {
    if (weapon->IsEmpty() && !soldier.ChargeItemUseTime(weapon))
        return false;
    int slot = 0;
    if (inventory.FindSlotOf(weapon, slot) && CreatureInventory::IsHandSlot(slot)) {
        inventory.SetCurrentHand(slot);
        return true;
    }
    if (inventory.FindFreeHandSlot(slot)) {
        if (!soldier.ChargeItemMoveCost(weapon, slot))
            return false;
        inventory.SetCurrentHand(slot);
        return true;
    }
    return soldier.ChargeItemMoveCost(weapon, inventory.GetCurrentHand());
}

} // namespace

bool ScriptCmdReload(Entity* entity) {
    SoldierEntity* soldier = SoldierOf(entity);
    if (!ScriptCmdStop(soldier))
        return false;
    ItemEntity* item = soldier->GetCurrentItem();
    return item == nullptr || item->IsFull() || soldier->ChargeItemUseTime(item);
}

bool ScriptCmdReadyWeapon(Entity* entity, int32_t mode) {
    SoldierEntity* soldier = SoldierOf(entity);
    CreatureInventory* inventory = InventoryOf(entity);
    if (soldier == nullptr || inventory == nullptr)
        return false;
    ItemEntity* held = soldier->GetCurrentItem();
    if (IsWeaponReady(*soldier, held, mode))
        return !held->IsEmpty() || soldier->ChargeItemUseTime(held);
    ItemEntity* best = nullptr;
    return ChooseBestWeapon(*soldier, CarriedItemsOf(*inventory), mode, best) &&
           TakeInHand(*soldier, *inventory, best);
}

bool ScriptCmdReadyWeaponFirst1(Entity* entity) {
    return ReadyEither(entity, 1, 2);
}

bool ScriptCmdReadyWeaponFirst2(Entity* entity) {
    return ReadyEither(entity, 2, 1);
}

bool ScriptCmdEquipMatching(Entity* entity) {
    return OnCarrier(entity, [](SoldierEntity& soldier, CreatureInventory& inventory) {
        EntityRef pattern;
        pattern.Set(0, kEquippedClass, 0, 0, 0, 0, 0);
        const EntityMgr* manager = soldier.GetManager();
        for (ItemEntity* item : CarriedItemsOf(inventory))
            if (manager != nullptr && manager->IsItemLive(item) &&
                pattern.Matches(item->GetRef())) {
                soldier.ChargeItemMoveCost(item, kEquipSlot);
                return;
            }
    });
}

bool ScriptCmdPutSlotItemInBackpack(Entity* entity, int32_t slot) {
    return OnCarrier(entity, [slot](SoldierEntity& soldier, CreatureInventory& inventory) {
        if (ItemEntity* item = inventory.GetSlot(slot))
            soldier.PutItemInSlot(item);
    });
}

bool ScriptCmdForNamedItems(Entity* entity, const Stringc& name, int32_t ability) {
    return OnCarrier(entity, [&](SoldierEntity& soldier, CreatureInventory& inventory) {
        soldier.ClearAll();
        inventory.ForNamedItems(name, ability);
    });
}

bool ScriptCmdTakeNamedItem(Entity* entity, const Stringc& name, int32_t slot) {
    SoldierEntity* soldier = SoldierOf(entity);
    return soldier != nullptr && soldier->TakeNamedItemFrom(name, slot);
}

bool ScriptCmdGiveNewItem(Entity* holder, const Stringc& name, int32_t count) {
    return GiveTo(holder, name, Stringc(), count);
}

bool ScriptCmdGiveNewLoadedItem(Entity* holder, const Stringc& name, const Stringc& ammunition,
                                int32_t count) {
    return GiveTo(holder, name, ammunition, count);
}

bool ScriptCmdGiveNewItemByFile(Entity* entity, const Stringc& fileName) {
    if (InventoryOf(entity) == nullptr)
        return false;
    Stringc name(fileName);
    name.StripExtension();
    return GiveTo(entity, name, Stringc(), kTemplateCount);
}

bool ScriptCmdCreateItemAt(EntityMgr& manager, const Vector& point, const Stringc& name,
                           int32_t count) {
    return PlaceAt(manager, point, name, Stringc(), count);
}

bool ScriptCmdCreateLoadedItemAt(EntityMgr& manager, const Vector& point, const Stringc& name,
                                 const Stringc& ammunition, int32_t count) {
    return PlaceAt(manager, point, name, ammunition, count);
}

bool ScriptCmdTransferItem(Entity* giver, const Stringc& name, Entity* receiver) {
    CreatureInventory* from = InventoryOf(giver);
    CreatureInventory* to = InventoryOf(receiver);
    ItemEntity* item = nullptr;
    if (from == nullptr || to == nullptr || !from->FindByName(name, item) ||
        !from->RemoveItem(1, item))
        return false;
    ItemEntity* held = nullptr;
    if (to->AddItem(item, held))
        return true;
    from->AddItem(item, held);
    return false;
}

bool ScriptCmdDestroyNamedItem(Entity* entity, const Stringc& name) {
    CreatureInventory* inventory = InventoryOf(entity);
    ItemEntity* item = nullptr;
    if (inventory == nullptr || entity->GetManager() == nullptr ||
        !inventory->FindByName(name, item) || !inventory->RemoveItem(1, item))
        return false;
    entity->GetManager()->ReleaseEntity(item);
    return true;
}

// A removal that fails ends the search: the same item would be found again.
bool ScriptCmdDestroyAllNamedItems(Entity* entity, const Stringc& name) {
    CreatureInventory* inventory = InventoryOf(entity);
    if (inventory == nullptr || entity->GetManager() == nullptr)
        return false;
    ItemEntity* item = nullptr;
    while (inventory->FindByName(name, item)) {
        if (!inventory->RemoveItem(item->GetStackSize(), item))
            return false;
        entity->GetManager()->ReleaseEntity(item);
    }
    return true;
}

bool ScriptCmdHasItem(Entity* entity, const Stringc& name) {
    CreatureInventory* inventory = InventoryOf(entity);
    if (inventory == nullptr)
        return false;
    inventory->SetNamedItemVariant(name);
    return inventory->HasItemNamed(name);
}
