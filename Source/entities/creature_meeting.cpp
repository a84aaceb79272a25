#include "Source/entities/creature_meeting.h"

#include "Library/core/game_mode_id.h"
#include "Library/core/stringc.h"
#include "Library/world/game_mode.h"
#include "Library/world/mode_record.h"
#include "Source/entities/carried_items.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/map_object.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/soldier_entity.h"

namespace {

CreatureParts* CreatureOf(Entity* entity) {
    SoldierEntity* soldier = nullptr;
    return Entity::AsSoldier(entity, &soldier) ? soldier->GetCreature() : nullptr;
}

MapObject* MapObjectOf(Entity* entity) {
    MapObject* mapObject = nullptr;
    return Entity::GetMapObject(entity, &mapObject) ? mapObject : nullptr;
}

bool IsPartyMember(const Entity* entity) {
    return entity->HasAnyFlag(Entity::kFlagPartyMember);
}

// Both creatures, when both have a creature, remember the other as their contact.
void NoteContacts(Entity* a, Entity* b) {
    CreatureParts* first = CreatureOf(a);
    CreatureParts* second = CreatureOf(b);
    if (first == nullptr || second == nullptr)
        return;
    first->RecordContact(b->GetRef());
    second->RecordContact(a->GetRef());
}

// The dialogue fields belong to a creature or to a map object; false for anything else.
template <class OnCreature, class OnMapObject>
bool WithDialogueOwner(Entity* entity, OnCreature onCreature, OnMapObject onMapObject) {
    if (CreatureParts* creature = CreatureOf(entity)) {
        onCreature(*creature);
        return true;
    }
    if (MapObject* mapObject = MapObjectOf(entity)) {
        onMapObject(*mapObject);
        return true;
    }
    return false;
}

// A weapon's fire mode by its ability's kind: 1 used directly on its target, 2 thrown,
// fired or swung without limit; none for the others.
int FireModeOf(const ItemEntity& weapon) {
    switch (weapon.GetKind()) {
    case 1:
        return 1;
    case 2:
    case 4:
    case 5:
    case 6:
        return 2;
    default:
        return -1;
    }
}

// What a ready weapon is worth to the choice: the rules score every weapon alike.
constexpr float GameScore() {
    return 1.0f;
}

} // namespace

bool AlertTargetScripts(Entity* entity, Entity* target) {
    if (entity == nullptr || entity->GetType() != Entity::kTypeSoldier || !IsPartyMember(entity))
        return false;
    SoldierEntity* soldier = nullptr;
    if (Entity::AsSoldier(target, &soldier)) {
        NoteContacts(entity, target);
        for (int slot = 0; slot < SoldierEntity::kEventSlots; ++slot)
            soldier->GetScriptSlot(slot).PostDialogueEvent();
        return true;
    }
    if (MapObject* mapObject = MapObjectOf(target)) {
        mapObject->GetScript().PostDialogueEvent();
        return true;
    }
    return false;
}

bool StartDialogue(Entity* partner, Entity* initiator) {
    if (partner == nullptr || IsPartyMember(partner))
        return false;
    uint32_t count = 0;
    if (GetDialogueValue(partner, count))
        SetDialogueValue(partner, count + 1);
    Stringc name;
    if (const CreatureParts* creature = CreatureOf(partner)) {
        name = creature->GetDialogueName();
        if (initiator != nullptr)
            NoteContacts(partner, initiator);
    } else if (const MapObject* mapObject = MapObjectOf(partner)) {
        name = mapObject->GetSettings().text;
    }
    if (name.Length() == 0 || g_gameMode == nullptr)
        return false;
    ModeRecord record(kModeDialogue, 0, 0, 0, 0);
    record.SetEntity(partner);
    record.SetName(name.c_str());
    g_gameMode->SetModeFromRecord(record);
    return true;
}

bool SetDialogueLabel(Entity* entity, const Stringc& label) {
    return WithDialogueOwner(
        entity, [&](CreatureParts& creature) { creature.SetDialogueLabel(label); },
        [&](MapObject& mapObject) { mapObject.EditSettings().entryName = label; });
}

bool GetDialogueLabel(Entity* entity, Stringc& out) {
    return WithDialogueOwner(
        entity, [&](CreatureParts& creature) { out = creature.GetDialogueLabel(); },
        [&](MapObject& mapObject) { out = mapObject.GetSettings().entryName; });
}

bool SetDialogueValue(Entity* entity, uint32_t value) {
    return WithDialogueOwner(
        entity, [&](CreatureParts& creature) { creature.SetDialogueValue(value); },
        [&](MapObject& mapObject) { mapObject.EditSettings().valueB = value; });
}

bool GetDialogueValue(Entity* entity, uint32_t& out) {
    return WithDialogueOwner(
        entity, [&](CreatureParts& creature) { out = creature.GetDialogueValue(); },
        [&](MapObject& mapObject) { out = mapObject.GetSettings().valueB; });
}

bool SetCreatureDialogueField(Entity* entity, uint32_t n) {
    CreatureParts* creature = CreatureOf(entity);
    if (creature == nullptr)
        return false;
    creature->SetWillTrade(n != 0);
    return true;
}

bool IsWeaponReady(SoldierEntity& creature, const ItemEntity* item, int mode) {
    if (item == nullptr || item->GetItemClass() != ItemEntity::kClassWeapon)
        return false;
    if ((mode == 1 || mode == 2) && FireModeOf(*item) != mode)
        return false;
    if (item->GetAmmoType() <= 0 || item->GetCapacity() <= 0)
        return true;
    if (!item->IsEmpty())
        return true;
    CreatureParts* parts = creature.GetCreature();
    CarriedItems* carried = parts ? parts->GetCarried() : nullptr;
    return carried != nullptr && carried->GetBackpack().FindAmmunitionFor(*item) != nullptr;
}

bool ChooseBestWeapon(SoldierEntity& creature, const std::vector<ItemEntity*>& items, int mode,
                      ItemEntity*& out) {
    float best = 0.0f;
    for (ItemEntity* item : items)
        if (IsWeaponReady(creature, item, mode) && GameScore() > best) {
            best = GameScore();
            out = item;
        }
    return best > 0.0f;
}

bool FindAmmoByName(const Stringc& name, uint16_t ammoType, const std::vector<ItemEntity*>& items,
                    ItemEntity*& out) {
    out = nullptr;
    for (ItemEntity* item : items)
        if (item != nullptr && item->GetItemClass() == ItemEntity::kClassAmmunition &&
            static_cast<uint16_t>(item->GetAmmoType()) == ammoType &&
            (name.Length() == 0 || item->GetTemplateName() == name)) {
            out = item;
            return true;
        }
    return false;
}
