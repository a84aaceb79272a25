// Placing the party, what it carries, its experience and its movement.
#include "Source/world/party_mgr.h"

#include "Library/core/maths.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/soldier_entity.h"
#include "Source/entities/soldier_planner.h"
#include "Source/world/entry_pt_mgr.h"
#include "Source/world/party_actions.h"

#include <cstdint>
#include <limits>

namespace {

const Vector kAsidePoint(1, 1, 0); // where members wait while their places are found

CreatureInventory* InventoryOf(Entity* entity) {
    Creature* creature = Creature::Of(entity);
    return creature ? &creature->GetData().GetInventory() : nullptr;
}

bool IsWithin(const TileMap& map, const Vector& point) {
    return point.x >= 0 && point.y >= 0 && point.x < map.GetWidth() && point.y < map.GetHeight();
}

// The middle of the nearest cell within 0 .. cells.
float ClampWithin(float value, int cells) {
    return static_cast<float>(ToIntWithin(value, 0, cells > 0 ? cells - 1 : 0)) + 0.5f;
}

} // namespace

// ---- placing ----

// A member whose stored place is off this map (a damaged save) goes to the free place nearest
// the map's edge it was beyond, never outside the map.
bool PartyMgr::PlaceOnMap() {
    m_onWorldMap = false;
    RebuildSlots();
    bool placed = true;
    ForEachMember([&](SoldierEntity& member) {
        const Vector& at = member.GetPosition();
        const TileMap* map = member.GetManager() ? member.GetManager()->GetTileMap() : nullptr;
        if (map == nullptr || IsWithin(*map, at)) {
            placed = placed && AddEntityToMap(member, at);
            return;
        }
        const Vector inside(ClampWithin(at.x, map->GetWidth()), ClampWithin(at.y, map->GetHeight()),
                            0.0f);
        placed = placed && PlaceAt(member, inside);
    });
    return placed;
}

bool PartyMgr::PlaceAt(SoldierEntity& member, const Vector& point) const {
    EntityMgr* entities = member.GetManager();
    SoldierPlanner* planner = entities ? entities->GetPlanner() : nullptr;
    Vector spot;
    return planner != nullptr && planner->FindPlacement(member, point, spot) &&
           AddEntityToMap(member, spot);
}

// Members already on the map leave it first, so none is ever in the map's lists twice.
bool PartyMgr::PlaceAtEntryPoint(const Vector& point, int facing) {
    m_onWorldMap = false;
    RebuildSlots();
    SoldierEntity* leader = GetLeaderSoldier();
    if (leader == nullptr)
        return false;
    if (TileMap* map = leader->GetManager() ? leader->GetManager()->GetTileMap() : nullptr)
        map->CentreViewOn(point);
    ForEachMember([](SoldierEntity& member) {
        RemoveEntityFromMap(member);
        member.SetPosition(kAsidePoint);
    });
    leader->SetDirection(facing);
    if (!PlaceAt(*leader, point))
        return false;
    for (int slot = 1; slot < kMaxMembers && m_slots[slot] != nullptr; ++slot)
        if (!PlaceAt(*m_slots[slot], point))
            return false;
    // The members as placed: a script run here may take its member out of the party, which
    // rebuilds the slots, yet each placed member hears of it in all its slots unless released.
    const MemberList placed = m_slots;
    const EntityMgr* entities = m_services.entities;
    for (int slot = 1; slot < kMaxMembers && placed[slot] != nullptr; ++slot) {
        for (int script = 0; script < SoldierEntity::kEventSlots; ++script) {
            if (entities != nullptr && !entities->IsSoldierLive(placed[slot]))
                break;
            ScriptMachine& machine = placed[slot]->GetScriptSlot(script);
            machine.PostPartyPlacedEvent();
            machine.Update(0);
        }
    }
    return true;
}

bool PartyMgr::PlaceAtEntryPointNamed(const Stringc& name) {
    const EntryPtMgr* entries = m_services.entries;
    if (entries == nullptr)
        return false;
    const EntryPt* entry = entries->FindByName(name);
    if (entry == nullptr)
        entry = &entries->GetDefault();
    return PlaceAtEntryPoint(entry->position, entry->GetDirection());
}

bool PartyMgr::PlaceLeaderAtEntryPoint(const Stringc& name) {
    const EntryPtMgr* entries = m_services.entries;
    RebuildSlots();
    SoldierEntity* leader = GetLeaderSoldier();
    TileMap* map = leader && leader->GetManager() ? leader->GetManager()->GetTileMap() : nullptr;
    if (entries == nullptr || leader == nullptr || map == nullptr)
        return false;
    const EntryPt* entry = entries->FindByName(name);
    if (entry == nullptr)
        entry = &entries->GetDefault();
    if (PartyActions* actions = m_services.actions)
        actions->Stop(*leader);
    m_onWorldMap = true;
    map->CentreViewOn(entry->position);
    leader->SetPlaced();
    RemoveEntityFromMap(*leader);
    leader->SetDirection(entry->GetDirection());
    leader->AddFlags(Entity::kFlagPartyMember);
    return AddEntityToMap(*leader, entry->position);
}

// ---- items and money ----

bool PartyMgr::AnyMemberHasItem(const Stringc& name) const {
    bool found = false;
    ForEachMember([&](SoldierEntity& member) {
        ItemEntity* item = nullptr;
        const CreatureInventory* inventory = InventoryOf(&member);
        found = found || (inventory != nullptr && inventory->FindByName(name, item));
    });
    return found;
}

bool PartyMgr::AnyMemberHasFlaggedItem(const Stringc& name) const {
    bool found = false;
    ForEachMember([&](SoldierEntity& member) {
        ItemEntity* item = nullptr;
        const CreatureInventory* inventory = InventoryOf(&member);
        found = found ||
                (inventory != nullptr && inventory->FindByName(name, item) && item->IsIdentified());
    });
    return found;
}

bool PartyMgr::TakeItemFromParty(Entity* receiver, const Stringc& name) {
    for (SoldierEntity* member : m_members) {
        CreatureInventory* inventory = InventoryOf(member);
        ItemEntity* item = nullptr;
        if (inventory == nullptr || !inventory->FindByName(name, item))
            continue;
        if (!inventory->RemoveItem(item->GetStackSize(), item))
            return false;
        CreatureInventory* target = InventoryOf(receiver);
        ItemEntity* placed = nullptr;
        if (target == nullptr) {
            item->Release();
            return true;
        }
        if (target->AddItem(item, placed))
            return true;
        inventory->AddItem(item, placed);
        return false;
    }
    return false;
}

int PartyMgr::QueryLeaderStats() const {
    CreatureInventory* inventory = InventoryOf(GetLeaderSoldier());
    return inventory ? static_cast<int>(inventory->GetBackpack().CountItems()) : 0;
}

// The amount leaves one stack of the giver's money only when that stack holds it all, and
// goes back to the giver when the receiver cannot take it.
bool PartyMgr::MoveMoney(SoldierEntity& from, Entity* to, int amount) {
    CreatureInventory* source = InventoryOf(&from);
    CreatureInventory* target = InventoryOf(to);
    ItemEntity* money = nullptr;
    if (amount < 1 || source == nullptr || target == nullptr ||
        !source->FindByName(kMoneyItem, money) || money->GetStackSize() < amount ||
        !source->RemoveItem(amount, money))
        return false;
    ItemEntity* placed = nullptr;
    if (target->AddItem(money, placed))
        return true;
    source->AddItem(money, placed);
    return false;
}

// The leader may be the other side too: its money leaves and comes back whole.
bool PartyMgr::GiveMoneyTo(Entity* creature, int amount) {
    SoldierEntity* leader = GetLeaderSoldier();
    return leader != nullptr && MoveMoney(*leader, creature, amount);
}

bool PartyMgr::TakeMoneyFrom(Entity* creature, int amount) {
    SoldierEntity* giver = nullptr;
    Entity* leader = GetLeader();
    return leader != nullptr && Entity::AsSoldier(creature, &giver) &&
           MoveMoney(*giver, leader, amount);
}

bool PartyMgr::AddMoney(int amount) {
    CreatureInventory* inventory = InventoryOf(GetLeaderSoldier());
    EntityMgr* entities = GetLeaderSoldier() ? GetLeaderSoldier()->GetManager() : nullptr;
    ItemEntity* money = nullptr;
    if (amount < 1 || amount > std::numeric_limits<uint16_t>::max() || inventory == nullptr ||
        entities == nullptr ||
        !Entity::AsItem(entities->CreateEntity(0, 0, 0, Entity::kTypeItem), &money))
        return false;
    ItemEntity* placed = nullptr;
    if (money->LoadByName(kMoneyItem)) {
        money->SetStackSize(static_cast<uint16_t>(amount));
        if (inventory->AddItem(money, placed))
            return true;
    }
    entities->ReleaseEntity(money);
    return false;
}

// ---- experience and levels ----

void PartyMgr::AddExperienceTo(Entity* creature, uint32_t amount) {
    Creature* member = IsMember(creature) ? Creature::Of(creature) : nullptr;
    if (member != nullptr)
        member->GetData().AddExperience(amount);
}

void PartyMgr::ShareAmong(uint32_t amount) {
    const int count = GetCount();
    if (count == 0)
        return;
    const int share = RoundToInt(static_cast<double>(amount) / count);
    ForEachMember([&](SoldierEntity& member) {
        if (Creature* creature = Creature::Of(&member))
            creature->GetData().AddExperience(static_cast<uint32_t>(share));
    });
}

// The leader's level-up waits for the player, who spends it on the character sheet.
void PartyMgr::LevelUpMembers() {
    m_levelUpPending.fill(false);
    for (int slot = 0; slot < kMaxMembers; ++slot) {
        Creature* creature = Creature::Of(m_slots[slot]);
        if (creature == nullptr || !creature->GetData().CanLevelUp())
            continue;
        if (slot == 0) {
            m_levelUpPending[0] = true;
        } else if (creature->GetData().LevelUp()) {
            creature->GetData().AutoSpendSkillPoints();
        }
    }
}

bool PartyMgr::GetFirstLevelUpPending(int& slot) const {
    for (int index = 0; index < kMaxMembers; ++index) {
        if (m_levelUpPending[index]) {
            slot = index;
            return true;
        }
    }
    return false;
}

void PartyMgr::ClearLevelUpPending(int slot) {
    if (IsValidSlot(slot))
        m_levelUpPending[slot] = false;
}

// ---- movement ----

void PartyMgr::SetRunning(bool running) {
    ForEachMember([&](SoldierEntity& member) { member.SetRunning(running); });
}

bool PartyMgr::MoveLeaderTo(const Vector& point) {
    SoldierEntity* leader = GetLeaderSoldier();
    PartyActions* actions = m_services.actions;
    return leader != nullptr && actions != nullptr && actions->GoToDest(*leader, point);
}

void PartyMgr::StopFollowers() {
    for (int slot = 1; slot < kMaxMembers && m_slots[slot] != nullptr; ++slot)
        m_slots[slot]->ClearCommand();
}

void PartyMgr::UpdateVision() {
    Creature* creature = Creature::Of(GetLeaderSoldier());
    VisionGrid* vision = creature ? creature->GetVision() : nullptr;
    TileMap* map = GetLeaderSoldier() && GetLeaderSoldier()->GetManager()
                       ? GetLeaderSoldier()->GetManager()->GetTileMap()
                       : nullptr;
    if (vision == nullptr || map == nullptr || !vision->HasChanged())
        return;
    vision->ClearSeenTiles();
    vision->FlagSeenTiles();
    map->FlagStaticObjects();
}

void PartyMgr::UpdateHealTimers() {
    ForEachMember([](SoldierEntity& member) {
        Creature* creature = Creature::Of(&member);
        if (creature != nullptr && member.HasAnyFlag(Entity::kFlagCandidate))
            creature->GetHealTimer().Update();
    });
}
