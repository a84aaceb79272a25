#pragma once
// The queries that creature AI, script natives, area abilities and rest checks ask of the
// entity manager. Each selects a pool, deselects self (when given) so an entity never
// finds itself, filters and picks; a query that finds nothing leaves out unchanged.

class Entity;
class EntityMgr;
class EntityRef;
class Vector;

// Soldiers matching the reference (with livingOnly, living ones) on passable cells and
// searchable; if none, items the same way; if none, triggers, then doors, by the
// reference alone.
bool FindFirstByRef(EntityMgr& manager, Entity* self, bool livingOnly, const EntityRef& ref,
                    Entity*& out);
// Matching, living, shown, searchable soldiers on passable cells, else such items: the
// nearest to the point.
bool FindNearestByRef(EntityMgr& manager, Entity* self, const Vector& point, const EntityRef& ref,
                      Entity*& out);
// The nearest living soldier neither on self's side nor neutral; never for a neutral self.
bool FindNearestEnemy(EntityMgr& manager, Entity* self, const Vector& point, Entity*& out);
// Among the living soldiers matching the reference.
bool FindWeakestByRef(EntityMgr& manager, Entity* self, const EntityRef& ref, Entity*& out);
bool FindStrongestByRef(EntityMgr& manager, Entity* self, const EntityRef& ref, Entity*& out);
bool FindMostWoundedByRef(EntityMgr& manager, Entity* self, const EntityRef& ref, Entity*& out);
bool FindHealthiestByRef(EntityMgr& manager, Entity* self, const EntityRef& ref, Entity*& out);
bool CanSeeAnyByRef(EntityMgr& manager, Entity& self, const EntityRef& ref);
// Living soldiers not on self's side that are away or absent (life states 4, 5 and 255)
// within twice self's sight range: only those keep a party from resting.
bool AreThreatsNearby(EntityMgr& manager, Entity& self);
bool AreEnemiesOnMap(EntityMgr& manager, Entity& self);
bool AreEnemiesInSightRange(EntityMgr& manager, Entity& self);
// No wall on the map's line from-to and no living soldier but the two end entities (either
// may be null) whose circle, widened by the margin, the line touches.
bool IsLineClearOfSoldiers(EntityMgr& manager, const Vector& from, const Vector& to, float margin,
                           Entity* fromEntity, Entity* toEntity);
// The same with the sector at from facing to, size long and angle (radians) wide, in place
// of the widened line.
bool IsShapeClearOfSoldiers(EntityMgr& manager, const Vector& from, const Vector& to, float size,
                            double angle, Entity* fromEntity, Entity* toEntity);
