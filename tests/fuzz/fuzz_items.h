#pragma once
// Items made in memory by the game's own setters, for the seeds of the targets that read
// items, containers and inventories, and the check that a refused record leaks none.

class EntityMgr;
class ItemEntity;

// A stack of two pistols with a magazine of 8 rounds, a worn bonus and two abilities, the
// second current, each with an effect.
ItemEntity* FuzzPistol(EntityMgr& manager);
ItemEntity* FuzzBolts(EntityMgr& manager); // five, of 3 uses each
int LiveItems(const EntityMgr& manager);
