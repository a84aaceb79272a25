#pragma once
// What creature behaviour and script natives do when creatures meet one another or the
// player: waking a creature's scripts, starting a dialogue, the dialogue fields of a
// creature or of a trigger's, door's or chest's map object, and choosing a weapon and its
// ammunition.

#include <cstdint>
#include <vector>

class Entity;
class ItemEntity;
class SoldierEntity;
class Stringc;

// From a party member only: a creature target and the member note each other as contacts
// and the target's scripts 0-4 get the dialogue event; a map object's script gets it.
// False for anything else.
bool AlertTargetScripts(Entity* entity, Entity* target);
// Only with a partner outside the party: its dialogue counter goes up by one, and its
// dialogue (a creature's, after the two note each other, or a map object's) opens in the
// dialogue mode when it has one. False when none opens.
bool StartDialogue(Entity* partner, Entity* initiator);

// A creature's or a map object's; false, changing nothing, for any other entity.
bool SetDialogueLabel(Entity* entity, const Stringc& label);
bool GetDialogueLabel(Entity* entity, Stringc& out);
bool SetDialogueValue(Entity* entity, uint32_t value);
bool GetDialogueValue(Entity* entity, uint32_t& out);
// Whether a creature trades in its dialogue (n not 0); false for any other entity.
bool SetCreatureDialogueField(Entity* entity, uint32_t n);

// A weapon of the fire mode (1 or 2; any for other modes) that takes no ammunition, holds
// some, or takes an item of the creature's backpack.
bool IsWeaponReady(SoldierEntity& creature, const ItemEntity* item, int mode);
// The first ready weapon of the list, in its order: every weapon scores the same.
bool ChooseBestWeapon(SoldierEntity& creature, const std::vector<ItemEntity*>& items, int mode,
                      ItemEntity*& out);
// The first ammunition of the type, of that name (case ignored) unless the name is empty;
// out is null when there is none.
bool FindAmmoByName(const Stringc& name, uint16_t ammoType, const std::vector<ItemEntity*>& items,
                    ItemEntity*& out);
