#pragma once
// Putting entities on the map at run time: adding and taking them off, teleporting them to
// a free spot, creating creatures by name where there is room, and running a start script
// once.

#include "Library/core/vector.h"

class Entity;
class EntityMgr;
class SoldierEntity;
class Stringc;

// At the point, on its manager's map: a dead soldier among the dead, anything else among
// the objects. False without a map.
bool AddEntityToMap(Entity& entity, const Vector& point);
bool RemoveEntityFromMap(Entity& entity); // false without a map
// To a free spot at or near the point; false, the entity left where it was, when none is
// found.
bool TeleportEntity(Entity& entity, const Vector& point);
// A soldier made from the template of that name (extension dropped), facing the direction
// (0-7) on a free spot at or near the destination, whose script slots 0-4 are told to
// start. Null, with nothing left behind, when the template cannot be loaded or no spot is
// found.
SoldierEntity* CreateCreature(EntityMgr& manager, const Stringc& name, const Vector& destination,
                              int direction);
// The script of that name (extension dropped) in a machine of its own, told to start and
// run once; false for an empty name or a script that cannot be loaded.
bool RunScriptOnce(const Stringc& name);
// The point the distance ahead of the entity along its facing.
Vector GetPointByFacing(const Entity& entity, float distance);
