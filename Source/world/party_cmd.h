#pragma once
// The player's orders to one party member, the character: each tests the character and its
// target, and either refuses with a message for the player and the error cursor or gives
// the character its command, which runs on the following frames. A character that cannot
// act (not alive and active, or gone from the map) refuses every order without a word.
// While the game is paused, an order given tells the character's player script (event 18,
// number 8). Every order returns whether it was given.

#include <cstdint>

class Entity;
class ItemEntity;
class SoldierEntity;
class Vector;

namespace PartyCmd {

bool IsUsable(const SoldierEntity* character);

bool ToggleRun(SoldierEntity* character); // the whole party's
bool Stop(SoldierEntity* character);
bool NextHand(SoldierEntity* character);
bool PrevHand(SoldierEntity* character);
bool TurnNext(SoldierEntity* character);
bool TurnPrev(SoldierEntity* character);
bool NextItemEntry(SoldierEntity* character); // the held item's next use
bool ReloadWeapon(SoldierEntity* character);  // from the backpack
bool Rest(SoldierEntity* character);          // the rest screen, when nothing stands against it
// The leader walks to the point under the mouse, when it lies in the map's view.
bool WalkToMouse(SoldierEntity* character);
bool PickUp(SoldierEntity* character, Entity* item);
bool Examine(Entity* entity); // its description for the player
bool Attack(SoldierEntity* character, Entity* target);
bool CastSpell(SoldierEntity* character, uint32_t spellId, Entity* target, const Vector& point);
bool Open(SoldierEntity* character, Entity* target); // a door, a chest or a creature
bool Talk(SoldierEntity* character, Entity* target, float distance);
bool UseItemOn(SoldierEntity* character, ItemEntity* item, Entity* target);

} // namespace PartyCmd
