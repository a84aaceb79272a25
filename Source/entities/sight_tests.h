#pragma once
// What a creature can see: its sight range, its vision grid and the cells in the party's
// view.

class Entity;
class EntityMgr;
class TileMap;
class Vector;

constexpr float kSightRange = 20.0f; // every creature's, in world units

float SightRangeOf(const Entity& creature); // kSightRange for an entity without a creature
// The circles overlap, the creature's widened by its sight range.
bool IsInSightRange(const Entity& creature, const Entity& entity);
// The entity's centre lies within the creature's circle widened by its sight range.
bool IsInSightRangeEx(const Entity& creature, const Entity& entity);
// The cell under the point is passable; nothing is without a map or off it.
bool IsPointPassable(const TileMap* map, const Vector& point);
// Only a soldier with a creature sees: the target's point is visible, or, unless the
// target stands on a cell of a blocking type, one of the eight points around it.
bool CanSeeEntity(const Entity& viewer, const Entity& target, const TileMap* map);
// The cell is in view, or, unless it is of a blocking type, one of its eight neighbours.
bool IsCellOrNeighbourSet(const TileMap& map, int x, int y);
// A seen soldier goes into the viewer's record of targets. False for no target, the
// viewer itself, or a target it cannot see.
bool SeeAndRememberTarget(Entity& viewer, const Entity* target, const TileMap* map);
// kind 0: other is a live item; kind 2: a live soldier; false for other kinds, no other
// and other = self.
bool IsOtherEntityLive(const EntityMgr& manager, const Entity* self, const Entity* other, int kind);
// The town under the point's screen position.
bool FindTownAt(EntityMgr& manager, const Vector& point, Entity*& out);
