#pragma once
// What scripts make a creature do with what it carries, and the items they make: each
// takes the acting entity (or the holder) first and refuses (false) what cannot be done.

#include <cstdint>

class Entity;
class EntityMgr;
class Stringc;
class Vector;

bool ScriptCmdReload(Entity* entity); // true also with nothing to reload
// A weapon of the fire mode into a hand, reloaded when empty.
bool ScriptCmdReadyWeapon(Entity* entity, int32_t mode);
bool ScriptCmdReadyWeaponFirst1(Entity* entity); // mode 1, else 2
bool ScriptCmdReadyWeaponFirst2(Entity* entity); // mode 2, else 1
bool ScriptCmdEquipMatching(Entity* entity);     // the first carried item of class 102
bool ScriptCmdPutSlotItemInBackpack(Entity* entity, int32_t slot);
bool ScriptCmdForNamedItems(Entity* entity, const Stringc& name, int32_t ability);
bool ScriptCmdTakeNamedItem(Entity* entity, const Stringc& name, int32_t slot);
// A new item of the template into a creature's backpack or a chest's contents, with its
// count set; loaded with the ammunition of that name when one is given.
bool ScriptCmdGiveNewItem(Entity* holder, const Stringc& name, int32_t count);
bool ScriptCmdGiveNewLoadedItem(Entity* holder, const Stringc& name, const Stringc& ammunition,
                                int32_t count);
bool ScriptCmdGiveNewItemByFile(Entity* entity, const Stringc& fileName);
// A new item of the manager placed on its map at the point, which lies on the map
// (0 <= x < width, 0 <= y < height).
bool ScriptCmdCreateItemAt(EntityMgr& manager, const Vector& point, const Stringc& name,
                           int32_t count);
bool ScriptCmdCreateLoadedItemAt(EntityMgr& manager, const Vector& point, const Stringc& name,
                                 const Stringc& ammunition, int32_t count);
// One item of the name from the giver to the receiver; it stays with the giver when the
// receiver cannot take it.
bool ScriptCmdTransferItem(Entity* giver, const Stringc& name, Entity* receiver);
bool ScriptCmdDestroyNamedItem(Entity* entity, const Stringc& name);
bool ScriptCmdDestroyAllNamedItems(Entity* entity, const Stringc& name);
bool ScriptCmdHasItem(Entity* entity, const Stringc& name);
