// Items going into and out of a container: stacking, taking, reloading and unloading
// weapons, picking up from and dropping onto the map, and the contents list.
#include "Source/entities/container_entity.h"

#include "Library/graphics/rect.h"
#include "Library/graphics/screen.h"
#include "Library/world/tile_map.h"
#include "Source/entities/drop_spots.h"
#include "Source/entities/entity_filters.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/item_magazine.h"

#include <algorithm>
#include <cstdio>

void ContainerEntity::Hold(ItemEntity& item) {
    item.AddFlags(kFlagHidden);
    item.SetContainer(this);
    item.SetOwner(m_owner);
}

void ContainerEntity::DropFromList(const ItemEntity* item) {
    m_items.erase(std::remove(m_items.begin(), m_items.end(), item), m_items.end());
}

bool ContainerEntity::AddOrStack(ItemEntity* item, ItemEntity*& out) {
    if (item == nullptr || item->GetStackSize() < 1 || HasItem(item))
        return false;
    for (ItemEntity* held : m_items) {
        if (!held->CanStackWith(*item))
            continue;
        held->MergeFrom(*item);
        if (item->GetStackSize() > 0)
            break; // the held stack is full: the rest is listed on its own
        item->SetContainer(nullptr);
        item->Release();
        held->SetOwner(m_owner);
        out = held;
        return true;
    }
    m_items.insert(m_items.begin(), item);
    Hold(*item);
    out = item;
    return true;
}

bool ContainerEntity::AddItem(ItemEntity* item, ItemEntity*& out) {
    const DropSpots* spots = GetDropSpots();
    Vector spot;
    if (item != nullptr && m_owner != nullptr && spots != nullptr &&
        spots->FindDropSpot(m_owner->GetPosition(), m_owner->GetRadius(), spot))
        item->SetPosition(spot);
    return AddOrStack(item, out);
}

bool ContainerEntity::TakeItem(int count, ItemEntity* item) {
    const int index = IndexOf(item);
    if (index < 0 || count < 1)
        return false;
    if (count < item->GetStackSize()) {
        ItemEntity* rest = nullptr;
        if (!item->SplitCount(item->GetStackSize() - count, rest))
            return false;
        m_items[static_cast<size_t>(index)] = rest;
        Hold(*rest);
        rest->LoadIcon();
    } else {
        DropFromList(item);
    }
    item->RemoveFlags(kFlagHidden);
    item->SetContainer(nullptr);
    item->SetOwner(m_owner);
    return true;
}

bool ContainerEntity::MoveItemTo(ItemEntity* weapon, ItemEntity* ammunition, ItemEntity*& out) {
    if (weapon == nullptr || ammunition == nullptr || weapon->IsFull() ||
        !weapon->AcceptsAmmunition(*ammunition) || !TakeItem(1, ammunition))
        return false;
    const bool loaded = weapon->LoadAmmo(*ammunition);
    if (loaded && ammunition->GetCount() < 1) {
        ammunition->Release();
        out = nullptr;
        return true;
    }
    // Uses left, or the weapon took none: the unit goes back.
    AddItem(ammunition, out);
    return loaded;
}

bool ContainerEntity::MoveItemToB(ItemEntity* weapon) {
    bool any = false;
    for (;;) {
        ItemEntity* ammunition = weapon != nullptr ? FindAmmunitionFor(*weapon) : nullptr;
        ItemEntity* out = nullptr;
        if (ammunition == nullptr || !MoveItemTo(weapon, ammunition, out))
            return any;
        any = true;
    }
}

bool ContainerEntity::MakeAmmunition(const Stringc& name, ItemEntity*& made) {
    EntityMgr* manager = ItemManager();
    Entity* entity = manager ? manager->CreateEntity(0.0f, 0.0f, 0.0f, kTypeItem) : nullptr;
    if (entity == nullptr)
        return false;
    made = static_cast<ItemEntity*>(entity);
    if (!made->LoadByName(name)) {
        manager->ReleaseEntity(made);
        made = nullptr;
        return false;
    }
    made->LoadIcon();
    return true;
}

namespace {

const ItemMagazine* FirstLoaded(const ItemEntity& weapon) {
    const OwnedSlots<ItemMagazine>& magazines = weapon.GetMagazines();
    for (int slot = 0; slot < magazines.GetCount(); ++slot)
        if (const ItemMagazine* magazine = magazines.Get(slot); magazine && magazine->IsLoaded())
            return magazine;
    return nullptr;
}

} // namespace

// Both items are made before the magazine is emptied, so a template that cannot be made
// loses no rounds. Ammunition without uses of its own comes out one round an item.
bool ContainerEntity::UnloadWeapon(ItemEntity* weapon) {
    bool unloaded = false;
    while (weapon != nullptr && weapon->HasLoadableMagazine()) {
        const ItemMagazine* magazine = FirstLoaded(*weapon);
        const Stringc name = magazine->GetAmmoName();
        const int count = magazine->GetCount();
        ItemEntity* whole = nullptr;
        ItemEntity* rest = nullptr;
        if (!MakeAmmunition(name, whole))
            return false;
        const int per = whole->GetCount();
        const int wholeItems = per < 1 ? count : count / per;
        const int left = per < 1 ? 0 : count % per;
        if (left != 0 && wholeItems == 0) {
            rest = whole;
        } else if (left != 0 && !MakeAmmunition(name, rest)) {
            whole->Release();
            return false;
        }
        Stringc unloadedName;
        int unloadedCount = 0;
        weapon->Unload(unloadedName, unloadedCount);
        ItemEntity* out = nullptr;
        if (wholeItems > 0) {
            whole->SetStackSize(static_cast<uint16_t>(std::min(wholeItems, 0xFFFF)));
            if (!AddItem(whole, out))
                return false;
        }
        if (left != 0) {
            rest->SetStackSize(1);
            rest->SetCount(left);
            if (!AddItem(rest, out))
                return false;
        }
        unloaded = true;
    }
    return unloaded;
}

bool ContainerEntity::PickUpNearbyItems() {
    EntityMgr* manager = m_owner ? m_owner->GetManager() : nullptr;
    TileMap* map = manager ? manager->GetTileMap() : nullptr;
    EntityPtrList* items = nullptr;
    if (map == nullptr || !manager->GetPool(kTypeItem, items))
        return false;
    DeselectHidden(*items);
    DeselectNotVisibleTo(*m_owner, map, *items);
    DeselectOutsideRadius(*m_owner, 0.0f, *items);
    std::vector<ItemEntity*> nearby;
    items->ForEachSelected(
        [&](Entity& entity) { nearby.push_back(static_cast<ItemEntity*>(&entity)); });
    for (ItemEntity* item : nearby) {
        ItemEntity* out = nullptr;
        if (map->RemoveObject(item)) {
            item->LoadIcon();
            AddOrStack(item, out);
        }
    }
    return true;
}

bool ContainerEntity::DropItemOnMap(bool near) {
    EntityMgr* manager = m_owner ? m_owner->GetManager() : nullptr;
    TileMap* map = manager ? manager->GetTileMap() : nullptr;
    if (map == nullptr)
        return false;
    const DropSpots* spots = GetDropSpots();
    const std::vector<ItemEntity*> held = m_items;
    for (ItemEntity* item : held) {
        if (!TakeItem(item->GetStackSize(), item))
            continue;
        item->LoadIcon2();
        item->SetOwner(nullptr);
        Vector spot;
        if (near && spots != nullptr &&
            spots->FindDropSpot(m_owner->GetPosition(), m_owner->GetRadius(), spot))
            item->SetPosition(spot);
        map->AddObject(item);
    }
    return true;
}

void ContainerEntity::DrawContents(const Rect& rect, Screen& screen) {
    screen.SetDrawColour(0);
    int listed = 0;
    int y = rect.y1;
    for (ItemEntity* item : m_items) {
        const bool shown = item->GetFlagBit3() && listed++ >= m_selection;
        if (!shown) {
            item->SetScreenPosition(-1000, -1000);
            continue;
        }
        y += kContentsStep;
        const int width = item->GetScreenRect().w;
        item->SetScreenPosition((rect.x1 + rect.x2 - width) / 2, y);
        if (!item->PrepareDraw(screen))
            continue;
        const ScreenPos& icon = item->GetScreenRect();
        // The stack's size: an item's charges would show a stack of five potions as "1".
        // Its bottom sits on the icon's lower edge: below it, it would read as the next item's.
        char quantity[16];
        std::snprintf(quantity, sizeof quantity, "%d", item->GetStackSize());
        screen.DrawText(rect.x2 - screen.TextWidth(quantity), icon.y + icon.h - screen.FontHeight(),
                        quantity);
    }
}
